#!/usr/bin/env bash
# Runs the Windows build's tests through Wine on a private X display, in a fresh prefix.
set -euo pipefail
build="${1:?usage: run-windows-tests.sh BUILD_DIR}"
source "$(dirname "$0")/wine-env.sh"
export WINEPREFIX="$(cd "$build" && pwd)/wineprefix"
mkdir -p "$build/screenshots"

run() {
  wine_prefix_fresh
  wineserver -p
  # Start Wine's background services now: started by the first test instead, they would keep
  # ctest's output pipe open and ctest would wait for them forever.
  wine cmd /c exit </dev/null >/dev/null 2>&1
  local rc=0
  ctest --test-dir "$build" --output-on-failure || rc=$?
  wineserver -k || true
  return $rc
}

if [ -n "${TAVIMO_IN_XVFB:-}" ]; then
  run
else
  export TAVIMO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
