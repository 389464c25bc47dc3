#!/usr/bin/env bash
# Measures the website filter under Wine with 20, 100 and 300 top-level windows:
#   tests/wine/lockdown/bench-filter.sh BUILD_DIR [OTHER_BUILD_DIR...]
# With several Windows build folders (say, one built from an older commit), each size runs
# every build in turn, so that their figures come from the same machine at the same time.
# Settings: SCANS (300), SESSION seconds (20), REDIRECTS (8), SIZES ("20 100 300").
# Runs in a prefix of its own inside the first build folder, on a private X display.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: bench-filter.sh BUILD_DIR [OTHER_BUILD_DIR...]" >&2; exit 2; }
builds=()
for dir in "$@"; do builds+=("$(cd "$dir" && pwd)"); done
if [ -z "${TAVIMO_IN_XVFB:-}" ]; then
  export TAVIMO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "${builds[@]}"
fi
source "$(dirname "$0")/../../support/wine-env.sh"
export WINEPREFIX="${builds[0]}/bench-wineprefix"
[ -d "$WINEPREFIX/drive_c" ] || wine_prefix_fresh >/dev/null 2>&1
wineserver -p >/dev/null 2>&1
wineboot >/dev/null 2>&1
trap 'wineserver -k' EXIT
# The server of this prefix: its processor time is part of what the filter costs.
server=""
for pid in $(pgrep -x wineserver64 || pgrep -x wineserver || true); do
  if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then server=$pid; fi
done
for windows in ${SIZES:-20 100 300}; do
  for build in "${builds[@]}"; do
    echo "== $build"
    wine "$build/tests/wine/lockdown/filter_bench.exe" "$windows" "${SCANS:-300}" "${SESSION:-20}" "${REDIRECTS:-8}" \
      "$server" 2>/dev/null
  done
done
