#!/usr/bin/env bash
# Renders the program's icon, data/icons/zq-typing-tutor.svg, into the PNG
# sizes the windows use (48, 96 and 256 pixels). Run after editing the SVG;
# the PNG files are kept in the repository so that a build needs no SVG
# renderer. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../../data/icons"
for size in 48 96 256; do
  convert -background none -density 384 zq-typing-tutor.svg -resize "${size}x${size}" -depth 8 \
    "zq-typing-tutor-$size.png"
done
