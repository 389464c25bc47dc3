#!/usr/bin/env bash
# Photographs the about box under Wine. The test runner's prefix puts every program in one
# virtual desktop that covers the screen from its top left corner, where Wine draws captions
# and frames itself. The test program keeps the box open until the picture is taken:
# "<hold>.shown" carries the box's rectangle, "<hold>.done" lets it go.
set -euo pipefail
program="${1:?usage: about-screenshot.sh TEST_PROGRAM OUTPUT_PNG}"
output="${2:?usage: about-screenshot.sh TEST_PROGRAM OUTPUT_PNG}"
: "${DISPLAY:?needs an X display (the Windows test runner provides one)}"
mkdir -p "$(dirname "$output")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
hold="$work/about"
export FLEXOLO_SCREENSHOT_HOLD="Z:${hold//\//\\}"
wine "$program" --gtest_filter='AboutBox.*' >"$work/log" 2>&1 </dev/null &
test_pid=$!

for _ in $(seq 1 600); do
  [ -s "$hold.shown" ] && break
  kill -0 "$test_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$hold.shown" ]; then
  cat "$work/log"
  echo "the about box never showed" >&2
  kill "$test_pid" 2>/dev/null || true
  exit 1
fi

read -r left top width height < <(tr -d '\r' <"$hold.shown")
margin=12
import -window root \
  -crop "$((width + 2 * margin))x$((height + 2 * margin))+$((left - margin))+$((top - margin))" \
  +repage "$output"
touch "$hold.done"

wait "$test_pid" || true
cat "$work/log"
[ -s "$output" ] || { echo "no screenshot written" >&2; exit 1; }
grep -q '^\[  PASSED  \] 1 test' "$work/log"
