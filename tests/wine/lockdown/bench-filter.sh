#!/usr/bin/env bash
# Times the website filter's scan under Wine with 20, 100 and 300 top-level windows:
#   tests/wine/lockdown/bench-filter.sh BUILD_DIR [ticks] [session seconds]
# Runs in a prefix of its own inside the build folder, on a private X display.
set -euo pipefail
build="$(cd "${1:?usage: bench-filter.sh BUILD_DIR [ticks] [session seconds]}" && pwd)"
ticks="${2:-1000}"
session="${3:-20}"
if [ -z "${TAVIMO_IN_XVFB:-}" ]; then
  export TAVIMO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$(dirname "$0")/../../support/wine-env.sh"
export WINEPREFIX="$build/bench-wineprefix"
[ -d "$WINEPREFIX/drive_c" ] || wine_prefix_fresh >/dev/null 2>&1
wineserver -p >/dev/null 2>&1
wineboot >/dev/null 2>&1
trap 'wineserver -k' EXIT
# The server of this prefix: its processor time is part of what the filter costs.
server=""
for pid in $(pgrep -x wineserver64 || pgrep -x wineserver || true); do
  if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then server=$pid; fi
done
bench="$build/tests/wine/lockdown/filter_bench.exe"
for windows in 20 100 300; do
  wine "$bench" "$windows" "$ticks" "$session" "$server" 2>/dev/null
done
