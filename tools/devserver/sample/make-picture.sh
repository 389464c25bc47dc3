#!/usr/bin/env bash
# Draws the sample café's picture for the client's login screen (480x360, shown centred in
# the screen's left part): a steaming cup with the network sign, the café's line and hours.
# The JPEG beside this script was made by it; run it again after changing the drawing.
#   tools/devserver/sample/make-picture.sh [OUTPUT]   (default: login-picture.jpg beside it)
set -euo pipefail
out="${1:-$(dirname "$0")/login-picture.jpg}"
serif=/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf
sans=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf
cream='#fbf4e8'
coffee='#7a4a2a'
steam="stroke-opacity 0.55 path"

convert -size 480x360 radial-gradient:"$coffee"-'#2a170c' \
  -fill none -stroke "$cream" -strokewidth 5 \
  -draw "$steam 'M 205,120 C 185,95 225,80 205,50'" \
  -draw "$steam 'M 240,115 C 220,85 262,72 240,38'" \
  -draw "$steam 'M 275,120 C 255,95 295,80 275,50'" \
  -stroke none -fill '#e6d3b8' -draw "ellipse 240,252 132,24 0,360" \
  -fill '#c9b08e' -draw "ellipse 240,248 92,12 0,360" \
  -fill none -stroke "$cream" -strokewidth 12 -draw "ellipse 322,178 30,28 -90,90" \
  -stroke none -fill "$cream" -draw "path 'M 158,138 L 322,138 C 318,218 290,246 240,248 C 190,246 162,218 158,138 Z'" \
  -fill '#3b2214' -stroke "$cream" -strokewidth 4 -draw "ellipse 240,138 82,13 0,360" \
  -fill none -stroke "$coffee" -strokewidth 6 \
  -draw "path 'M 204,186 Q 240,160 276,186'" \
  -draw "path 'M 215,197 Q 240,179 265,197'" \
  -draw "path 'M 226,207 Q 240,197 254,207'" \
  -stroke none -fill "$coffee" -draw "circle 240,214 240,219" \
  -gravity north \
  -fill "$cream" -font "$serif" -pointsize 30 -annotate +0+282 'coffee  ·  internet  ·  games' \
  -fill '#d9c2a0' -font "$sans" -pointsize 15 -annotate +0+326 'OPEN DAILY 9 AM - 11 PM' \
  -quality 88 -sampling-factor 4:2:0 -strip "$out"
