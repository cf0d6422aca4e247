#!/usr/bin/env bash
# Draws the main window's pictures: the device-class icons (resources/icons,
# 32x32 and 16x16 in one file, a coloured tile with the class's letters)
# and the splash bitmap (resources/Splash.bmp, 8-bit so that it carries its
# own palette). Needs ImageMagick.
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# icon file, tile colour, text
icon() {
    convert -size 32x32 xc:none -fill "$2" -stroke '#202020' -strokewidth 1 \
        -draw "roundrectangle 1,3 30,28 4,4" -fill white -stroke none \
        -font DejaVu-Sans-Bold -pointsize "$4" -gravity center -annotate +0+0 "$3" \
        -define icon:auto-resize=32,16 "resources/icons/$1.ico"
}
icon card '#7A5230' 'RDR' 11
icon comm '#2E7D6B' 'NET' 11
icon console '#4A4A4A' 'LOG' 11
icon disk '#2F5FA8' 'DSK' 11
icon display '#3C8D2F' '3270' 9
icon printer '#7A3E8C' 'PRT' 11
icon tape '#A8602F' 'TAP' 11

convert -size 480x260 gradient:'#10243F-#2F5FA8' \
    -fill '#FFFFFF' -font DejaVu-Sans-Bold -pointsize 48 -gravity north -annotate +0+60 'VornGUI' \
    -fill '#C8D8F0' -font DejaVu-Sans -pointsize 18 -gravity north -annotate +0+130 'Vornamic Windows GUI' \
    -pointsize 14 -annotate +0+160 'Operator console of the Vornamic mainframe emulator' \
    -fill '#90A8D0' -pointsize 12 -gravity south -annotate +0+16 'Version 1.21.0.6211   Quadrelle' \
    -colors 256 -type Palette "BMP3:resources/Splash.bmp"
ls resources/icons resources/Splash.bmp
