#!/usr/bin/env bash
# Draws the device-list bar's image strip, resources/DevListImages.bmp:
# 16x16 images side by side on navy (the mask colour, RGB(0,0,128)), in this
# order: card reader, card punch, line printer, console printer, display
# terminal, disk, tape, communication adapter, unknown device, then the red,
# yellow, green and gray LEDs. Needs ImageMagick.
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="resources/DevListImages.bmp"
convert -size 208x16 xc:'#000080' +antialias \
    -stroke '#404040' -strokewidth 1 -fill '#F0E0B0' -draw 'rectangle 1,4 14,12' \
    -fill '#404040' -draw 'rectangle 3,6 4,7' -draw 'rectangle 7,9 8,10' -draw 'rectangle 11,6 12,7' \
    -fill '#F0E0B0' -draw 'rectangle 17,4 30,12' -fill '#000080' -draw 'rectangle 19,6 20,7' \
    -draw 'rectangle 23,9 24,10' -draw 'rectangle 27,6 28,7' \
    -fill '#D0D0D0' -draw 'rectangle 33,6 46,13' -fill '#FFFFFF' -draw 'rectangle 35,1 44,6' \
    -fill '#20A020' -draw 'rectangle 43,9 44,10' \
    -fill '#E0E0E0' -draw 'rectangle 49,8 62,14' -fill '#FFFFFF' -draw 'rectangle 51,2 60,8' \
    -stroke '#2050A0' -draw 'line 52,4 59,4' -draw 'line 52,6 57,6' \
    -stroke '#404040' -fill '#C8C8C8' -draw 'rectangle 65,1 78,11' -fill '#103010' -draw 'rectangle 67,3 76,9' \
    -stroke '#40E040' -draw 'line 68,5 73,5' -draw 'line 68,7 71,7' -stroke '#404040' -fill '#C8C8C8' \
    -draw 'rectangle 69,12 74,14' \
    -fill '#B0B0C0' -draw 'ellipse 87,4 6,2 0,360' -draw 'rectangle 81,4 93,12' -draw 'ellipse 87,12 6,2 0,360' \
    -fill '#303030' -draw 'circle 100,8 100,4' -draw 'circle 108,8 108,4' -fill '#C0C0C0' \
    -draw 'circle 100,8 100,7' -draw 'circle 108,8 108,7' -stroke '#303030' -draw 'line 100,12 108,12' \
    -stroke '#404040' -fill '#E0C040' -draw 'rectangle 113,6 118,11' -draw 'rectangle 121,6 126,11' \
    -stroke '#2050A0' -strokewidth 2 -draw 'line 118,8 121,8' \
    -stroke '#404040' -strokewidth 1 -fill '#FFFFFF' -draw 'circle 135,8 135,2' \
    -stroke none -fill '#2050A0' -draw 'rectangle 134,10 136,11' -draw 'rectangle 134,4 137,5' \
    -draw 'rectangle 136,5 137,7' -draw 'rectangle 134,7 136,8' \
    -stroke '#202020' -fill '#E02020' -draw 'circle 151,8 151,3' -fill '#F0D020' -draw 'circle 167,8 167,3' \
    -fill '#20D040' -draw 'circle 183,8 183,3' -fill '#909090' -draw 'circle 199,8 199,3' \
    -type TrueColor "BMP3:$out"
echo "$out"
