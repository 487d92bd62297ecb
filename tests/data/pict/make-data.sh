#!/usr/bin/env bash
# Regenerates the interoperability pictures in this folder: PICT files written by ImageMagick
# (32-bit direct, with and without alpha, and 8-bit indexed) and by netpbm's ppmtopict, each
# beside a PNG of the pixels it must read as. Needs python3, ImageMagick and netpbm.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A deterministic noisy picture with white patches: width height seed.
source_ppm() {
    python3 - "$@" <<'PY'
import sys
w, h, seed = map(int, sys.argv[1:4])
s = seed * 2654435761 + 1
out = bytearray()
for y in range(h):
    for x in range(w):
        s = (s * 1664525 + 1013904223) & 0xFFFFFFFF
        out += bytes([255, 255, 255]) if (x // 4 + y) % 3 == 0 else bytes([s >> 24, (s >> 16) & 255, (x * 7 + y) & 255])
sys.stdout.buffer.write(b"P6\n%d %d\n255\n" % (w, h) + out)
PY
}

for w in 1 2 5 50 62 63 64 66 67 70 300; do
    source_ppm "$w" 3 "$w" > "$work/s.ppm"
    convert "$work/s.ppm" "im-direct-$w.pict"
    convert "$work/s.ppm" "im-direct-$w.png"
done
for w in 55 70; do
    source_ppm "$w" 3 "$w" > "$work/s.ppm"
    convert "$work/s.ppm" -alpha set -channel A -evaluate set 50% +channel "im-alpha-$w.pict"
    convert "$work/s.ppm" "im-alpha-$w.png"
done
for w in 4 7 8 9 200 201 220 250 251 260; do
    source_ppm "$w" 3 "$w" > "$work/s.ppm"
    convert "$work/s.ppm" -colors 12 "im-indexed-$w.png"
    convert "im-indexed-$w.png" -type Palette "im-indexed-$w.pict"
done
for w in 8 9 200 201 202 220 251; do
    source_ppm "$w" 3 "$w" > "$work/s.ppm"
    convert "$work/s.ppm" -colors 12 "ppmtopict-$w.png"
    convert "ppmtopict-$w.png" "$work/p.ppm"
    ppmtopict "$work/p.ppm" > "ppmtopict-$w.pict" 2>/dev/null
done

# A GIF (Qt reads GIF but cannot write it): red left half, blue right half, green top-left.
convert -size 40x20 xc:red \( -size 20x20 xc:blue \) -geometry +20+0 -composite \
    -fill lime -draw 'point 0,0' halves-40x20.gif
