#!/bin/sh
# Draws the two pictures of the about window into data/:
#   orvbanner.jpg   302 x 52, the publisher's name as lettering on a blue band
#   orvportrait.bmp 111 x 143, a drawn head-and-shoulders figure, 256 colours
# Needs ImageMagick and the DejaVu fonts.
set -e
cd "$(dirname "$0")/../../data"

convert -size 52x302 gradient:'#0b1f5c'-'#3a6cc4' -rotate 90 \
    -fill none -stroke '#e8c24a' -strokewidth 2 -draw 'circle 28,26 28,7' \
    -fill '#e8c24a' -stroke none -draw 'circle 28,26 28,15' \
    -fill '#0b1f5c' -draw 'circle 28,26 28,20' \
    -fill '#e8c24a' -draw 'rectangle 56,40 292,41' \
    -font DejaVu-Serif-Bold-Italic -pointsize 26 \
    -fill '#000000' -annotate +59+35 'Orvane Software' \
    -fill '#ffffff' -annotate +57+33 'Orvane Software' \
    -strip -quality 76 -sampling-factor 2x2 orvbanner.jpg

# Background, jacket, collar, tie, neck, ears, face, hair, eyes, brows, nose,
# mouth; then 256 palette colours, uncompressed (BMP3 writes all 256 entries).
convert -size 111x143 gradient:'#dfe8f2'-'#8fa6c0' \
    -fill '#23304f' -draw 'ellipse 55,150 56,42 0,360' \
    -fill '#ffffff' -draw 'polygon 40,110 55,134 70,110 62,104 48,104' \
    -fill '#a3262e' -draw 'polygon 52,114 58,114 60,138 55,143 50,138' \
    -fill '#e2b48f' -draw 'rectangle 47,86 63,108' \
    -fill '#c99a76' -draw 'polygon 47,100 63,100 55,108' \
    -fill '#e2b48f' -draw 'ellipse 28,62 5,8 0,360' -draw 'ellipse 82,62 5,8 0,360' \
    -fill '#ecc29f' -draw 'ellipse 55,58 26,33 0,360' \
    -fill '#5b3a22' -draw 'ellipse 55,40 28,18 180,360' \
    -draw 'polygon 27,40 30,56 36,40' -draw 'polygon 83,40 80,56 74,40' \
    -draw 'ellipse 50,30 22,9 180,360' \
    -fill '#ffffff' -draw 'ellipse 45,58 5,3 0,360' -draw 'ellipse 65,58 5,3 0,360' \
    -fill '#3d5a80' -draw 'circle 45,58 45,55.5' -draw 'circle 65,58 65,55.5' \
    -fill '#1a1a1a' -draw 'circle 45,58 45,56.8' -draw 'circle 65,58 65,56.8' \
    -fill none -stroke '#5b3a22' -strokewidth 2 \
    -draw 'arc 39,48 51,54 200,340' -draw 'arc 59,48 71,54 200,340' \
    -stroke '#b88462' -strokewidth 1.5 -draw 'polyline 55,60 53,71 57,72' \
    -stroke '#9e4a45' -strokewidth 2 -draw 'arc 45,70 65,82 20,160' \
    -dither None -colors 256 -type Palette -compress None BMP3:orvportrait.bmp
