#!/usr/bin/env bash
# Draws the menu images strip, resources/MenuImages.bmp: 16x16 images side by
# side on magenta (the transparent colour of menu and toolbar images), in
# this order: Close, Properties, Copy, Find, Float, Dock, and the VMFPLC2
# control file's Insert Comment, Insert TapeMark, Manually Edit and Visually
# Edit. Needs ImageMagick.
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="resources/MenuImages.bmp"
# Each image is drawn at its own x offset (16 pixels apart).
convert -size 160x16 xc:'#FF00FF' +antialias \
    -stroke '#B01010' -strokewidth 2 -draw "line 3,3 12,12" -draw "line 12,3 3,12" \
    -stroke '#404040' -strokewidth 1 -fill '#FFFFFF' -draw "rectangle 19,1 29,14" \
    -stroke '#2050A0' -draw "line 21,4 27,4" -draw "line 21,7 27,7" -draw "line 21,10 25,10" \
    -stroke '#404040' -fill '#E8E8E8' -draw "rectangle 33,1 40,10" \
    -fill '#FFFFFF' -draw "rectangle 37,5 44,14" \
    -stroke '#2050A0' -draw "line 39,8 42,8" -draw "line 39,11 42,11" \
    -stroke '#303030' -strokewidth 2 -fill '#A8D0F0' -draw "circle 54,6 54,2" \
    -draw "line 57,9 61,13" \
    -stroke '#404040' -strokewidth 1 -fill '#D0D0D0' -draw "rectangle 65,6 76,14" \
    -fill '#3060C0' -draw "rectangle 67,2 78,10" \
    -fill '#D0D0D0' -draw "rectangle 81,1 94,14" \
    -fill '#3060C0' -draw "rectangle 81,1 85,14" \
    -stroke '#808000' -fill '#FFFFC0' -draw "rectangle 97,2 110,11" -draw "line 100,11 99,14" \
    -stroke '#606060' -draw "line 99,5 108,5" -draw "line 99,8 106,8" \
    -stroke '#303030' -fill '#B0B0B0' -draw "circle 120,8 120,2" -fill '#303030' -draw "circle 120,8 120,6" \
    -stroke '#303030' -draw "line 126,14 126,2" \
    -stroke '#404040' -fill '#FFFFFF' -draw "rectangle 129,1 139,14" \
    -stroke '#C06000' -strokewidth 2 -draw "line 133,12 142,3" -strokewidth 1 \
    -stroke '#404040' -fill '#FFFFFF' -draw "rectangle 145,1 158,14" \
    -fill '#A8D0F0' -draw "rectangle 147,3 156,5" -draw "rectangle 147,8 156,10" \
    -type TrueColor "BMP3:$out"
echo "$out"
