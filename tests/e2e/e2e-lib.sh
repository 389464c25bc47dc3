# Sourced by every end-to-end case: the client under Wine against the development server.
# Needs TAVIMO_WIN64 (the Windows build folder), TAVIMO_DEVSERVER (the native server program),
# a Wine prefix in WINEPREFIX and a display (the Windows test runner gives both).
set -euo pipefail
work=$(mktemp -d)
server_pid=""
server_log="$work/server.log"
shots="$TAVIMO_WIN64/screenshots"
mkdir -p "$shots"

ui() { wine "$TAVIMO_WIN64/tests/e2e/tavimo-ui.exe" "$@"; }
# A screenshot of the whole screen; with a window's caption, that window is painted first.
shot() {
  [ -n "${2:-}" ] && ui paint "$2"
  import -window root "$shots/$1.png"
}
fail() {
  echo "FAILED: $*" >&2
  shot "failed-$(basename "$0" .sh)" || true
  exit 1
}

cleanup() {
  wine taskkill /f /im TavimoClient.exe >/dev/null 2>&1 || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The registry of a freshly installed client: no server name yet, the default password.
fresh_client_state() {
  wine taskkill /f /im TavimoClient.exe >/dev/null 2>&1 || true
  wine reg delete 'HKLM\Software\Tavimo' /f >/dev/null 2>&1 || true
  wine reg delete 'HKCR\.Java' /f >/dev/null 2>&1 || true
  wine "$TAVIMO_WIN64/TavimoKeys.exe"
}

# A registry value with its type: "REG_SZ:text", "REG_DWORD:1" or "missing".
expect_reg() {
  local actual
  actual=$(ui reg "$1" "$2" | tr -d '\r')
  [ "$actual" = "$3" ] || fail "$1 $2 is \"$actual\", expected \"$3\""
}

start_server() {
  "$TAVIMO_DEVSERVER" --quiet --once-log "$server_log" --date 12/09/2026 --time "10:31:05 AM" >"$work/server.out" 2>&1 &
  server_pid=$!
  wait_log "" 10
}

# Waits until the server's log has a line matching the pattern.
wait_log() {
  local pattern="$1" seconds="$2"
  for _ in $(seq 1 $((seconds * 10))); do
    [ -e "$server_log" ] && grep -q -- "$pattern" "$server_log" && return 0
    sleep 0.1
  done
  fail "the server never logged \"$pattern\""
}

start_client() {
  wine "$TAVIMO_WIN64/TavimoClient.exe" >>"$work/client.out" 2>&1 &
}

# Waits for every client process to end.
wait_client_gone() {
  for _ in $(seq 1 100); do
    wine tasklist 2>/dev/null | grep -qi TavimoClient.exe || return 0
    sleep 0.2
  done
  fail "the client did not end"
}
