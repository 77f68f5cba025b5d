#!/usr/bin/env bash
# Makes the pictures that must have exact pixels, and the default wave sound. The results are
# committed; run this again only to change them. Needs ImageMagick and sox.
#   caption-clip.png, caption-quill.png: 64 x 32 grey line drawings on pure green (green is
#       transparent), laid over the main window's caption. No antialiasing: every pixel is
#       either the green or one of the greys.
#   ding.wav: the short sound played with alerts until the user picks another one.
set -euo pipefail
cd "$(dirname "$0")"

# A paper clip lying across a small note outline.
convert -size 64x32 xc:'#00ff00' +antialias -fill none -strokewidth 1 \
    -stroke '#9a9a9a' -draw "rectangle 6,6 34,27" -draw "line 10,12 28,12" \
    -draw "line 10,17 26,17" -draw "line 10,22 22,22" \
    -stroke '#c8c8c8' -draw "roundrectangle 30,3 58,13 5,5" -draw "roundrectangle 34,6 54,11 3,3" \
    -stroke '#7a7a7a' -draw "line 38,20 60,20" -draw "line 42,25 60,25" \
    -type TrueColor PNG24:images/caption-clip.png

# A quill with its feather strokes and a trail of ink.
convert -size 64x32 xc:'#00ff00' +antialias -fill none -strokewidth 1 \
    -stroke '#b0b0b0' -draw "line 8,28 52,4" \
    -draw "line 20,22 26,12" -draw "line 26,18 32,8" -draw "line 32,15 38,5" \
    -draw "line 24,22 34,20" -draw "line 30,19 40,16" -draw "line 36,15 46,12" \
    -stroke '#808080' -draw "bezier 4,30 14,24 22,31 30,27" -draw "point 36,27" -draw "point 40,28" \
    -type TrueColor PNG24:images/caption-quill.png

# A soft two-tone chime, under half a second.
sox -n -r 22050 -c 1 -b 16 ding.wav synth 0.45 sine 1318.5 sine 1975.5 remix - \
    fade q 0.005 0.45 0.35 gain -6
