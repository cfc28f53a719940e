#!/bin/sh
# Draws the program icon (a figure with an exclamation mark and a red dot) in the
# 16-colour palette, at 32 x 32 and 16 x 16. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
draw() {
    size=$1 out=$2
    convert -size 32x32 xc:none \
        -fill '#000080' -stroke '#000000' -strokewidth 1 \
        -draw 'roundrectangle 0,0 31,31 5,5' \
        -fill '#FFFF00' -stroke none \
        -draw 'circle 13,13 13,5' \
        -draw 'polygon 5,31 21,31 19,22 7,22' \
        -fill '#000080' \
        -draw 'rectangle 12,9 14,15' -draw 'rectangle 12,17 14,19' \
        -fill '#FF0000' -draw 'circle 25,7 25,4' \
        -filter point -resize "${size}x${size}" \
        -colors 16 -type Palette "PNG8:$out"
}
draw 32 icon32.png
draw 16 icon16.png
