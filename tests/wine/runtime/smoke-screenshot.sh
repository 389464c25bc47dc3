#!/usr/bin/env bash
# Shows the controls window under Wine and keeps a screenshot of it.
set -euo pipefail
exe="$1"
shot="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A picture for the image control, drawn here rather than shipped.
convert -size 32x32 radial-gradient:'#e8a33d-#ac0a00' BMP3:picture.bmp
wine "$exe" &
program=$!
for _ in $(seq 1 300); do
  [ -e smoke.ready ] && break
  sleep 0.1
done
[ -e smoke.ready ] || { echo "the controls window did not come up"; kill $program; exit 1; }
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
touch smoke.done
wait $program
echo "screenshot: $shot"
