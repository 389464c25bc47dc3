#!/usr/bin/env bash
# Runs one test of the Windows build alone, so that CTest can run several side by side: in a
# network namespace of its own (loopback only: the client's and the server's fixed UDP ports
# are its own), on an X display of its own (its screenshots show only its windows) and in a
# copy of the run's Wine prefix with a wineserver of its own. All of that goes when the test
# ends, however it ends.
#   isolated.sh COMMAND [ARGUMENT...]  runs the test (TAVIMO_WINE_TEMPLATE: the prefix to copy)
#   isolated.sh --private-network      succeeds where network namespaces can be had
# Without them (no user namespaces) a test still gets its own display and prefix but shares
# the machine's network, so the runner runs the tests one at a time.
set -euo pipefail

private_network=(unshare --user --map-root-user --net)

# Ends the test's Wine processes and its X server and removes its files.
clean_up() {
  local scratch="$1" display_pid="$2"
  if [ -d "$scratch/prefix" ]; then
    TMPDIR="$scratch/tmp" WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null || true
    TMPDIR="$scratch/tmp" WINEPREFIX="$scratch/prefix" wineserver -w 2>/dev/null || true
  fi
  [ -z "$display_pid" ] || kill "$display_pid" 2>/dev/null || true
  rm -rf "$scratch"
}

case "${1:-}" in
  --private-network)
    "${private_network[@]}" ip link set lo up 2>/dev/null
    exit ;;
  --clean-up-after)
    # Waits for the test's script to end, then cleans up unless the script did.
    while kill -0 "$2" 2>/dev/null; do sleep 1; done
    [ ! -d "$3" ] || clean_up "$3" "$4"
    exit ;;
esac
: "${TAVIMO_WINE_TEMPLATE:?the Wine prefix to copy: run the tests with tests/support/run-windows-tests.sh}"
[ -d "$TAVIMO_WINE_TEMPLATE/drive_c" ] || { echo "no Wine prefix at $TAVIMO_WINE_TEMPLATE" >&2; exit 1; }

if [ -z "${TAVIMO_NETWORK:-}" ] && "${private_network[@]}" true 2>/dev/null; then
  export TAVIMO_NETWORK=private
  exec "${private_network[@]}" "$0" "$@"
fi
[ "${TAVIMO_NETWORK:-}" != private ] || ip link set lo up

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavimo-test.XXXXXX")
# The test's temporary files go with the rest, and so does the wineserver's folder: Debian's
# Wine makes it in TMPDIR and names it in the prefix, so TMPDIR must not change from here on.
export TMPDIR="$scratch/tmp"
mkdir "$TMPDIR"
display_pid=""
trap 'clean_up "$scratch" "$display_pid"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb takes the first free display number and writes it once it accepts connections. Several
# starting at once now and then fail to compile their keymap and end: another try then does.
start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  display_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$scratch/display" ] && return 0
    kill -0 "$display_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$display_pid" 2>/dev/null || true
  display_pid=""
  return 1
}
for attempt in 1 2 3; do
  start_display && break
  [ "$attempt" -lt 3 ] || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.$((RANDOM % 10))
done
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY
unset XAUTHORITY

# A test killed outright (CTest kills the process tree at its time-out) cannot clean up, and
# its wineserver, which leaves the tree, would keep running: a watcher outside the tree, in a
# session of its own, does it then.
(setsid "$0" --clean-up-after $$ "$scratch" "$display_pid" </dev/null >/dev/null 2>&1 &)

export WINEPREFIX="$scratch/prefix"
cp -a "$TAVIMO_WINE_TEMPLATE" "$WINEPREFIX"
# The wineserver and Wine's background services start now: started by the test, they would
# keep its output open.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

status=0
"$@" || status=$?
exit $status
