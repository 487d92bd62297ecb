#!/bin/sh
# Makes the turtle's colour icons 5000-5009: a paint drop in each pen colour, shown beside the
# turtle. Needs ImageMagick 6. Run from this folder; the PNGs are committed.
set -e
DROP="path 'M 16,3 C 16,3 6,15 6,21 A 10,10 0 0,0 26,21 C 26,15 16,3 16,3 Z'"
drop() { # id fill
    convert -size 32x32 xc:none -fill "$2" -stroke black -strokewidth 1 -draw "$DROP" "$1.png"
}
drop 5000 '#000000'
drop 5001 '#FF0000'
drop 5002 '#00FF00'
drop 5003 '#0000FF'
drop 5004 '#FFFFFF'
drop 5005 '#00FFFF'
drop 5006 '#FF00FF'
drop 5007 '#FFFF00'
# Colour cycling: the drop runs through the hues from left to right.
convert -size 32x32 gradient: -rotate 90 -negate \
    \( +clone -evaluate set 100% \) \( +clone -evaluate set 50% \) \
    -set colorspace HSL -combine -colorspace sRGB \
    \( -size 32x32 xc:black -fill white -draw "$DROP" \) \
    -alpha off -compose CopyOpacity -composite \
    -fill none -stroke black -strokewidth 1 -draw "$DROP" 5008.png
# A colour of one's own: a grey drop with a question mark.
drop 5009 '#C0C0C0'
convert 5009.png -fill black -stroke none -pointsize 14 -gravity center -annotate +0+5 '?' 5009.png
