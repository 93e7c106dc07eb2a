#!/usr/bin/env bash
# Draws the card pictures in imgs/ with ImageMagick. The results are
# committed; run this only to change the artwork.
#   card.gif         a sub-goal card before its tasks are counted (200x190)
#   bluecircle.gif   a card with tasks still pending                (200x190)
#   greencircle.gif  a card whose tasks are all done                (200x190)
#   maingoal.gif     the main-goal card in the middle               (270x100)
# The labels of a card lie over the picture (caption at y 60, counters at
# x 45..150, y 84..140, due-date band at y 147..184), so the status circle
# sits in the free upper-left corner.
set -euo pipefail
cd "$(dirname "$0")/../imgs"

card() { # out, extra draw arguments...
  local out=$1; shift
  convert -size 200x190 xc:white \
    -fill '#f4f6fb' -stroke '#c9d1e3' -strokewidth 2 -draw 'roundrectangle 3,3 196,186 14,14' \
    -stroke none -fill '#e3e8f4' -draw 'rectangle 5,44 194,46' \
    "$@" +dither -colors 64 "$out"
}

card card.gif
card bluecircle.gif  -fill '#2f6fd6' -stroke '#1d4f9e' -strokewidth 2 -draw 'circle 26,25 26,12' \
                     -fill white -stroke none -draw 'circle 26,25 26,20'
card greencircle.gif -fill '#2fa84f' -stroke '#1f7a37' -strokewidth 2 -draw 'circle 26,25 26,12' \
                     -stroke white -strokewidth 3 -fill none \
                     -draw 'stroke-linecap round line 19,25 24,30 line 24,30 33,19'

convert -size 270x100 xc:white \
  -fill '#fff8e1' -stroke '#e0b84c' -strokewidth 3 -draw 'roundrectangle 3,3 266,96 18,18' \
  -stroke none -fill '#f3d77a' -draw 'rectangle 20,84 250,86' \
  +dither -colors 64 maingoal.gif
echo "wrote imgs/card.gif, bluecircle.gif, greencircle.gif, maingoal.gif"
