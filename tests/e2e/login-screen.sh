#!/usr/bin/env bash
# The café's lock screen as customers see it: the header and the message block from the two
# content files in their own colours, the café's picture centred in the left part, the login
# frame in front, the previous user's details and the computer's name.
source "$(dirname "$0")/e2e-lib.sh"
installed_client
timers='HKLM\Software\Tavimo\Timers'
wine reg add "$timers" /v UserId /d anna /f >/dev/null
wine reg add "$timers" /v Date /d 12/08/2026 /f >/dev/null
wine reg add "$timers" /v Elapsed /d 1:25:40 /f >/dev/null
wine reg add "$timers" /v Amount /d 22.5 /f >/dev/null
login_screen_up
shot login-screen "Login Mode"

expect_ui "Riverside Net Cafe" text "Login Mode" Label3:0
expect_ui $'Welcome! Please keep food and drinks off the desks.\nHelp, printing and tickets at the counter: 555-0142\n12 Riverside Walk, Millbrook' \
  text "Login Mode" Label3:1
expect_ui visible shown "Login Mode" framlogin
expect_ui hidden shown "Login Mode" frammessage
expect_ui "" text "Login Mode" txtlog
expect_ui "Previous user details:" text "Login Mode" info:0
expect_ui anna text "Login Mode" lblUser
expect_ui 12/08/2026 text "Login Mode" lblDate
expect_ui "1:25:40 Hrs." text "Login Mode" lblUsage
expect_ui "22.5 USD" text "Login Mode" lblCharges

# A control's place on the screen, "left top width height", into the array rect.
rect_of() { read -r -a rect < <(ui rect "Login Mode" "$1" | tr -d '\r'); }
# The screenshot's piece where the control is.
crop() {
  rect_of "$1"
  convert "$shots/login-screen.png" -crop "${rect[2]}x${rect[3]}+${rect[0]}+${rect[1]}" +repage "$work/piece.png"
}
# The colour of a label's letters: after the background, the most frequent one in its piece.
expect_ink() {
  crop "$1"
  local ink
  ink=$(convert "$work/piece.png" -format %c histogram:info:- | sort -rn | sed -n 2p | grep -o '#[0-9A-F]\{6\}')
  [ "$ink" = "$2" ] || fail "$1 is written in $ink, expected $2"
}
expect_ink Label3:0 "#7A4A2A"
expect_ink Label3:1 "#553C28"

rect_of Frame1
frame=("${rect[@]}")
rect_of Image1
[ "${rect[2]}x${rect[3]}" = 480x360 ] || fail "the picture is ${rect[2]}x${rect[3]}"
# Twips round to a pixel either way.
off_centre_x=$((rect[0] - frame[0] - (frame[2] - rect[2]) / 2))
off_centre_y=$((rect[1] - frame[1] - (frame[3] - rect[3]) / 2))
[ "${off_centre_x#-}" -le 1 ] && [ "${off_centre_y#-}" -le 1 ] ||
  fail "the picture is ${off_centre_x},${off_centre_y} px off the centre of its frame"
crop Image1
difference=$(compare -metric RMSE "$work/piece.png" "$repo/tools/devserver/sample/login-picture.jpg" null: 2>&1 | grep -o '(.*)' | tr -d '()') || true
awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.02) }' || fail "the picture on the screen is not the café's (difference $difference)"
echo "login screen: passed"
