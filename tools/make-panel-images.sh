#!/usr/bin/env bash
# Draws the control panel's images into resources/panel/: the push buttons
# (33x25, an up and a pressed image each, named by caption plus "U" or "D"),
# the Load Unit dial (DIALU, 59x54), the eight lamps (23x37, up images only)
# and the meter's scale (METERU, 124x42). All are 24-bit. The dial, lamps
# and meter are drawn on the key colour RGB(0,0,128) with white marks: the
# panel turns the key colour into the chosen background and white into the
# chosen text colour, so both are drawn without anti-aliasing.
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="resources/panel"
mkdir -p "$out"
font="DejaVu-Sans-Condensed-Bold"

# button name, face colour, text colour, label, point size
button() {
    convert -size 33x25 xc:'#404040' \
        -fill "$2" -stroke none -draw 'rectangle 1,1 31,23' \
        -fill '#F0F0F0' -draw 'rectangle 1,1 31,1' -draw 'rectangle 1,1 1,23' \
        -fill '#202020' -draw 'rectangle 1,23 31,23' -draw 'rectangle 31,1 31,23' \
        -fill "$3" -font "$font" -pointsize "$5" -gravity center -annotate +0+0 "$4" \
        -type TrueColor "BMP3:$out/${1}U.bmp"
    convert -size 33x25 xc:'#404040' \
        -fill "$2" -stroke none -draw 'rectangle 1,1 31,23' \
        -fill '#202020' -draw 'rectangle 1,1 31,2' -draw 'rectangle 1,1 2,23' \
        -fill "$3" -font "$font" -pointsize "$5" -gravity center -annotate +1+1 "$4" \
        -type TrueColor "BMP3:$out/${1}D.bmp"
}
button STORE '#B8B8B8' '#101010' 'STORE' 8
button RESTART '#B8B8B8' '#101010' 'RSTRT' 8
button START '#3C9A3C' '#FFFFFF' 'START' 8
button STOP '#C03030' '#FFFFFF' 'STOP' 8
button POWERONOFF '#2C4A2C' '#8CA88C' 'ON' 10
button POWERONON '#40E040' '#103010' 'ON' 10
button POWEROFF '#A02020' '#FFFFFF' 'OFF' 10
button INTERRUPT '#D8C040' '#101010' 'INTR' 8
button LOAD '#4070C0' '#FFFFFF' 'LOAD' 8

# The dial: a knob with a pointer and a ring of sixteen marks on the key colour.
marks=()
for i in $(seq 0 15); do
    a=$(echo "$i * 22.5" | bc -l)
    x1=$(printf '%.0f' "$(echo "29 + 24 * s($a * 3.14159265 / 180)" | bc -l)")
    y1=$(printf '%.0f' "$(echo "27 - 24 * c($a * 3.14159265 / 180)" | bc -l)")
    x2=$(printf '%.0f' "$(echo "29 + 21 * s($a * 3.14159265 / 180)" | bc -l)")
    y2=$(printf '%.0f' "$(echo "27 - 21 * c($a * 3.14159265 / 180)" | bc -l)")
    marks+=(-draw "line $x1,$y1 $x2,$y2")
done
convert -size 59x54 xc:'#000080' +antialias -stroke '#FFFFFF' -strokewidth 1 "${marks[@]}" \
    -stroke '#202020' -fill '#A8A8A8' -draw 'circle 29,27 29,10' \
    -fill '#D0D0D0' -draw 'circle 29,27 29,14' \
    -stroke '#202020' -strokewidth 3 -draw 'line 29,27 29,12' \
    -type TrueColor "BMP3:$out/DIALU.bmp"

# lamp name, lamp colour, label
lamp() {
    convert -size 23x37 xc:'#000080' +antialias \
        -stroke '#C0C0C0' -strokewidth 1 -fill "$2" -draw 'circle 11,10 11,2' \
        -stroke none -fill '#FFFFFF' -font DejaVu-Sans -pointsize 8 -gravity south -annotate +0+2 "$3" \
        -type TrueColor "BMP3:$out/${1}U.bmp"
}
lamp SYSON '#FFD020' 'SYS'
lamp SYSOFF '#404040' 'SYS'
lamp MANON '#FF4030' 'MAN'
lamp MANOFF '#404040' 'MAN'
lamp WAITON '#40E040' 'WAIT'
lamp WAITOFF '#404040' 'WAIT'
lamp LOADON '#30A0FF' 'LOAD'
lamp LOADOFF '#404040' 'LOAD'

# The meter: a scale arc round the needle's centre (62,105), eleven marks
# from 124 degrees (idle) to 59 degrees (fully busy), and its labels.
ticks=()
for i in $(seq 0 10); do
    a=$(echo "(124 - 6.5 * $i) * 3.14159265 / 180" | bc -l)
    r=$(( i % 5 == 0 ? 92 : 96 ))
    x1=$(printf '%.0f' "$(echo "62 + 100 * c($a)" | bc -l)")
    y1=$(printf '%.0f' "$(echo "105 - 100 * s($a)" | bc -l)")
    x2=$(printf '%.0f' "$(echo "62 + $r * c($a)" | bc -l)")
    y2=$(printf '%.0f' "$(echo "105 - $r * s($a)" | bc -l)")
    ticks+=(-draw "line $x1,$y1 $x2,$y2")
done
convert -size 124x42 xc:'#000080' +antialias -stroke '#FFFFFF' -strokewidth 1 -fill none \
    -draw 'arc -38,5 162,205 236,301' "${ticks[@]}" \
    -stroke none -fill '#FFFFFF' -font DejaVu-Sans -pointsize 8 \
    -draw 'text 5,30 "0"' -draw 'text 56,24 "50"' -draw 'text 104,30 "100"' \
    -draw 'text 50,39 "CPU %"' \
    -type TrueColor "BMP3:$out/METERU.bmp"
ls "$out"
