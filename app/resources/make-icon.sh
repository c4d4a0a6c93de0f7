#!/usr/bin/env bash
# Draws the program's icon, a white quill on a blue tile, and writes it as
# quillory.ico in the sizes Windows asks for. Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
    -fill '#2b5797' -draw 'roundrectangle 12,12 243,243 48,48' \
    -fill white -draw 'polygon 64,204 92,148 138,92 206,44 184,108 132,156' \
    -stroke '#2b5797' -strokewidth 7 -draw 'line 66,200 192,62' \
    -stroke white -strokewidth 12 -draw 'line 52,216 150,216' \
    -depth 8 -define icon:auto-resize=256,48,32,24,16 quillory.ico
