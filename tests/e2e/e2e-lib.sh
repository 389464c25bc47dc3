# Sourced by every end-to-end case: the client under Wine against the development server.
# Needs TAVIMO_WIN64 (the Windows build folder), TAVIMO_DEVSERVER (the native server program),
# a Wine prefix in WINEPREFIX, a display and a network of the case's own (isolated.sh gives
# them).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work=$(mktemp -d)
server_pid=""
server_log="$work/server.log"
shots="$TAVIMO_WIN64/screenshots"
mkdir -p "$shots"

# The client keeps files beside itself ("systemfiles"), so each case runs it from a folder of
# its own: the build folder's entries linked into the case's work folder.
build_folder="$TAVIMO_WIN64"
TAVIMO_WIN64="$work/win64"
mkdir "$TAVIMO_WIN64"
for entry in "$build_folder"/*; do
  [ "$(basename "$entry")" = systemfiles ] || ln -s "$entry" "$TAVIMO_WIN64/"
done

ui() { wine "$TAVIMO_WIN64/tests/e2e/tavimo-ui.exe" "$@"; }
# A screenshot of the whole screen; with a window's caption, that window is painted first.
shot() {
  [ -n "${2:-}" ] && ui paint "$2"
  import -window root "$shots/$1.png"
}
# Says why the case failed, with a screenshot of that moment.
report_failure() {
  echo "FAILED: $*" >&2
  shot "failed-$(basename "$0" .sh)" || true
}
fail() {
  report_failure "$@"
  exit 1
}

# A step that fails without a word of its own ends the case through set -e: the cleanup says
# which step it was.
set -E
trap 'failed_step=$BASH_COMMAND' ERR
cleanup() {
  local status=$?
  [ "$status" -eq 0 ] || [ -z "${failed_step:-}" ] || report_failure "\"$failed_step\" ended with status $status"
  wine taskkill /f /im TavimoClient.exe >/dev/null 2>&1 || true
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The registry of a freshly installed client: no server name yet, the default password.
fresh_client_state() {
  # A client started before may still hold the ports for a moment after it is killed.
  wine taskkill /f /im TavimoClient.exe >/dev/null 2>&1 || true
  wait_client_gone
  wine reg delete 'HKLM\Software\Tavimo' /f >/dev/null 2>&1 || true
  wine reg delete 'HKCR\.Java' /f >/dev/null 2>&1 || true
  wine "$TAVIMO_WIN64/TavimoKeys.exe"
}

# A client that knows its server's name already, as after its first start.
point_client_at_server() {
  wine reg add 'HKLM\Software\Tavimo\Server' /v TVServer /d localhost /f >/dev/null
  wine reg add 'HKLM\Software\Tavimo\Server' /v TVSSpec /t REG_DWORD /d 1 /f >/dev/null
}

# A freshly installed client pointed at this machine's server, with the sample café's login
# screen texts and picture.
installed_client() {
  fresh_client_state
  point_client_at_server
  "$repo/tools/devserver/sample/install-login-content.sh" "$TAVIMO_WIN64"
}

# This computer's name as the client sends it: Wine gives the host name in upper case.
client_pc_name() { wine hostname | tr -d '\r' | tr '[:lower:]' '[:upper:]'; }

# Starts the client (and the server, unless it runs) and waits until the login screen is up
# and its activation is done (it empties the fields, then names the computer).
login_screen_up() {
  [ -n "$server_pid" ] || start_server
  start_client
  ui wait-window "Login Mode" 30000
  ui wait-text "Login Mode" lblComputer "Computer: $(client_pc_name)" 10000
}

client_at_login_screen() {
  installed_client
  login_screen_up
}

# Logs in as a person does: Cancel empties both fields, then name, password and Enter.
log_in() {
  ui click "Login Mode" cmdcan
  ui type "Login Mode" txtlog "$1"
  ui type "Login Mode" txtpas "$2"
  ui click "Login Mode" cmdsubt
}

# The login was refused with this text in the message frame, shown in the login frame's place.
expect_refusal() {
  ui wait-text "Login Mode" lblmsg "$1" 15000
  expect_ui visible shown "Login Mode" frammessage
  expect_ui hidden shown "Login Mode" framlogin
}

# Ok in the message frame brings the login frame back.
dismiss_refusal() {
  ui click "Login Mode" cmdmessage
  expect_ui visible shown "Login Mode" framlogin
  expect_ui hidden shown "Login Mode" frammessage
  expect_ui "" text "Login Mode" lblmsg
}

# Fails unless the tavimo-ui query (the arguments after the first) prints the expected text.
expect_ui() {
  local expected="$1" actual
  shift
  actual=$(ui "$@" | tr -d '\r') || fail "tavimo-ui $* failed"
  [ "$actual" = "$expected" ] || fail "$* gave \"$actual\", expected \"$expected\""
}

# A registry value with its type: "REG_SZ:text", "REG_DWORD:1" or "missing".
expect_reg() {
  local actual
  actual=$(ui reg "$1" "$2" | tr -d '\r')
  [ "$actual" = "$3" ] || fail "$1 $2 is \"$actual\", expected \"$3\""
}

# Arguments go to the server (another --config, for example).
start_server() {
  "$TAVIMO_DEVSERVER" --quiet --once-log "$server_log" --date 12/09/2026 --time "10:31:05 AM" "$@" >"$work/server.out" 2>&1 &
  server_pid=$!
  # A server of someone else on these ports would make it end at once instead.
  wait_log "tavimo-devserver ready on" 10
}

stop_server() {
  kill "$server_pid"
  wait "$server_pid" || true
  server_pid=""
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

# A remote command from the café server to this client, as its console sends one.
remote_command() { "$TAVIMO_DEVSERVER" send --to 127.0.0.1 "$1" >/dev/null; }

start_client() {
  wine "$TAVIMO_WIN64/TavimoClient.exe" >>"$work/client.out" 2>&1 &
}

# Waits for every client process to end.
# (Wine's tasklist lists nothing: the case's own client is found by its program folder.)
client_running() { pgrep -f "$(basename "$work")[\\\\/]win64[\\\\/]TavimoClient\\.exe" >/dev/null; }
wait_client_gone() {
  for _ in $(seq 1 100); do
    client_running || return 0
    sleep 0.2
  done
  fail "the client did not end"
}
