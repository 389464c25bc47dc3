#!/usr/bin/env bash
# Runs the Windows build's tests through Wine: makes one fresh Wine prefix, then CTest runs the
# tests side by side, each alone in a copy of it, on a display and a network of its own
# (isolated.sh). Arguments after the build folder go to CTest (e.g. -R e2e_login);
# TAVIMO_TEST_JOBS says how many tests run at once.
set -euo pipefail
build="${1:?usage: run-windows-tests.sh BUILD_DIR [CTEST_ARGUMENT...]}"
shift
support="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$build" && pwd)"
export WINEPREFIX="$build/wineprefix" TAVIMO_WINE_TEMPLATE="$build/wineprefix"
source "$support/wine-env.sh"
mkdir -p "$build/screenshots"

# wineboot opens windows, so the prefix is made on a display too. Debian's Wine leaves the
# wineserver's folder in TMPDIR: it goes into one removed afterwards.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
TMPDIR="$scratch" xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c 'source "$1" && wine_prefix_fresh' make-prefix "$support/wine-env.sh"

if "$support/isolated.sh" --private-network; then
  # Most of a test's time goes in waiting for windows and datagrams: more tests than cores.
  jobs="${TAVIMO_TEST_JOBS:-$(($(nproc) * 2))}"
else
  echo "No network namespaces here (unshare -rn fails): the Windows tests share this machine's" \
    "loopback and run one at a time."
  jobs=1
fi
ctest --test-dir "$build" --output-on-failure -j"$jobs" "$@"
