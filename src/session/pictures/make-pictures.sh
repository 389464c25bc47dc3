#!/usr/bin/env bash
# Draws the pictures built into the client: the program's icon, the timer windows' title
# picture and buttons (normal and pressed), the tray notice's pictures and the messenger's
# close button. The files beside this script were made by it; run it again after changing a
# drawing. Each GIF becomes a resource named after its file (upper case, no extension).
#   src/session/pictures/make-pictures.sh
set -euo pipefail
cd "$(dirname "$0")"
blue='#1f5fad'      # the timer windows' bands and buttons
light='#137bc1'     # a button under the pointer, or pressed
white='#ffffff'

# A clock face: the program's sign.
clock() {  # size output [background]
  local s=$1 out=$2 bg=${3:-none}
  local c=$((s / 2)) r=$((s / 2 - s / 10))
  convert -size ${s}x${s} xc:"$bg" -fill "$white" -stroke "$blue" -strokewidth $((s / 16 + 1)) \
    -draw "circle $c,$c $c,$((c - r))" -stroke "$blue" -strokewidth $((s / 12 + 1)) \
    -draw "line $c,$c $c,$((c - r * 7 / 10))" -draw "line $c,$c $((c + r * 5 / 10)),$c" "$out"
}

# A square button face with a white sign drawn on it.
button() {  # output colour draw...
  local out=$1 colour=$2
  shift 2
  convert -size 16x16 xc:"$colour" -fill none -stroke "$white" -strokewidth 2 "$@" \
    -stroke "$white" -strokewidth 1 -fill none -draw "rectangle 0,0 15,15" "$out"
}

clock 16 timer_logo.gif "$blue"
button minimize_normal.gif "$blue" -draw "line 4,11 11,11"
button minimize_pressed.gif "$light" -draw "line 5,12 12,12"
# Into the notification area: an arrow down onto a tray.
button hide_normal.gif "$blue" -draw "line 8,3 8,9" -draw "polyline 5,7 8,10 11,7" -draw "line 3,12 12,12"
button hide_pressed.gif "$light" -draw "line 9,4 9,10" -draw "polyline 6,8 9,11 12,8" -draw "line 4,13 13,13"
button close_normal.gif "$blue" -draw "line 4,4 11,11" -draw "line 11,4 4,11"
button close_pressed.gif "$light" -draw "line 5,5 12,12" -draw "line 12,5 5,12"
clock 32 tray_clock.gif "$white"
# The notification area with the timer's icon in it, pointed at.
convert -size 96x40 xc:none -fill '#d8dde6' -stroke '#8a94a6' -draw "rectangle 0,14 95,39" \
  \( timer_logo.gif \) -geometry +62+19 -composite \
  -fill none -stroke "$blue" -strokewidth 2 -draw "line 30,4 58,22" -draw "polyline 50,22 58,22 56,14" \
  tray_area.gif

# The program's icon in the sizes Windows asks for.
clock 16 icon16.png
clock 32 icon32.png
clock 48 icon48.png
convert icon16.png icon32.png icon48.png TavimoClient.ico
rm icon16.png icon32.png icon48.png
