#!/usr/bin/env bash
# What a running guest session costs the computer under Wine, without the website filter: the
# processor time of the client and of the prefix's wineserver over SESSION seconds (60), as a
# share of one core, beside the same span at the locked login screen.
#   tests/wine/session/bench-session.sh BUILD_DIR
# Runs the development server and the client in a prefix of its own inside the build folder,
# on a private X display; run it inside "unshare -rn" when other programs use the ports.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: bench-session.sh BUILD_DIR" >&2; exit 2; }
build="$(cd "$1" && pwd)"
if [ -z "${TAVIMO_IN_XVFB:-}" ]; then
  export TAVIMO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi
repo="$(cd "$(dirname "$0")/../../.." && pwd)"
source "$repo/tests/support/wine-env.sh"
export WINEPREFIX="$build/bench-session-wineprefix"
# A server of the prefix left from an earlier run would hold the sockets in its own network.
wineserver -k 2>/dev/null || true
[ -d "$WINEPREFIX/drive_c" ] || wine_prefix_fresh >/dev/null 2>&1
wineserver -p >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1
export TAVIMO_WIN64="$build" TAVIMO_DEVSERVER="${TAVIMO_DEVSERVER:-$repo/build/native/tools/devserver/tavimo-devserver}"
source "$repo/tests/e2e/e2e-lib.sh"
trap 'cleanup; wineserver -k' EXIT
seconds=${SESSION:-60}

# Clock ticks of user and system time of a process.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
prefix_server() {
  for pid in $(pgrep -x wineserver64 || pgrep -x wineserver || true); do
    { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}
# Share of one core that the client and the wineserver took over the span.
measure() {
  local client="" server="" c0 s0
  for _ in $(seq 1 50); do
    client=$(pgrep -f '[\\/]TavimoClient\.exe$' | head -n 1 || true)
    server=$(prefix_server | head -n 1 || true)
    [ -n "$client" ] && [ -n "$server" ] && break
    sleep 0.1
  done
  [ -n "$client" ] && [ -n "$server" ] || fail "no client ($client) or wineserver ($server) to measure"
  sleep 2  # what the last step started settles first
  c0=$(ticks "$client"); s0=$(ticks "$server")
  sleep "$seconds"
  local hz; hz=$(getconf CLK_TCK)
  awk -v c="$(( $(ticks "$client") - c0 ))" -v s="$(( $(ticks "$server") - s0 ))" -v hz="$hz" -v t="$seconds" -v what="$1" \
    'BEGIN { printf "%-22s client %5.2f%%  wineserver %5.2f%%  together %5.2f%% of a core\n", what, 100*c/hz/t, 100*s/hz/t, 100*(c+s)/hz/t }'
}

client_at_login_screen
measure "locked login screen"
log_in guest guest
ui wait-front "@frmtimer2" 20000
measure "running guest session"
ui text "@frmtimer2" lbltimer2
