#!/usr/bin/env bash
# Renders the program icon (images/program-icon.svg) at the sizes the desktop's icon theme
# wants. The results are committed; run this again only when the icon changes. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48; do
    mkdir -p "icons/${size}x${size}"
    convert -background none -density 600 images/program-icon.svg -resize "${size}x${size}" \
        -depth 8 "PNG32:icons/${size}x${size}/org.quillbox.Quillbox.png"
done
