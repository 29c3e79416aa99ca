#!/bin/bash
# Draws the application icon, one image per size from 16 to 72 pixels, into
# app.ico (ImageMagick). Each size is drawn afresh rather than scaled down, so
# the small images stay sharp.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=()
for size in 16 24 32 40 48 64 72; do
    # A rounded dark-blue tile with an orange rim and a bold white "Z".
    tile=$(awk -v s="$size" 'BEGIN {
        r = s / 6; m = (s <= 16) ? 0.5 : s / 32
        printf "roundrectangle %g,%g %g,%g %g,%g", m, m, s - 1 - m, s - 1 - m, r, r }')
    z=$(awk -v s="$size" 'BEGIN {
        a = s * 0.22; b = s * 0.78; t = s * 0.22; u = s * 0.78; w = s * 0.15
        printf "polygon %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g %g,%g",
            a, t, b, t, b, t + w, a + w * 1.4, u - w, b, u - w, b, u, a, u, a, u - w,
            b - w * 1.4, t + w, a, t + w }')
    rim=$(( size >= 40 ? 3 : (size >= 24 ? 2 : 1) ))
    convert -size "${size}x${size}" xc:none \
        -fill '#1d3f72' -stroke '#f39c12' -strokewidth "$rim" -draw "$tile" \
        -stroke none -fill white -draw "$z" \
        "$work/icon-$size.png"
    files+=("$work/icon-$size.png")
done
convert "${files[@]}" app.ico
identify app.ico
