#!/bin/sh
# Makes the paint view's cursors: 128-132 show the brush (2, 4, 8, 16 and 32 pixels wide) as a
# ring, 133 is the paint bucket of fill mode. Needs ImageMagick 6. Run from this folder.
set -e
ring() { # id size diameter
    c=$(( $2 / 2 ))
    r=$(( $3 / 2 ))
    convert -size "$2x$2" xc:none -fill none \
        -stroke white -strokewidth 3 -draw "circle $c,$c $(( c + r + 1 )),$c" \
        -stroke black -strokewidth 1 -draw "circle $c,$c $(( c + r + 1 )),$c" \
        -stroke black -draw "point $c,$c" "$1.png"
}
ring 128 16 2
ring 129 16 4
ring 130 16 8
ring 131 32 16
ring 132 40 32
# The bucket, tipped to the left, with paint running from its lip to the hot spot at the
# bottom-left corner.
convert -size 32x32 xc:none -stroke black -strokewidth 1.5 -fill white \
    -draw "polygon 10,8 26,14 22,28 6,22" \
    -fill none -draw "arc 12,2 28,16 200,340" \
    -stroke none -fill black -draw "polygon 3,16 10,8 6,22 2,29" \
    133.png
