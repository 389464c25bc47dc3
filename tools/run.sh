#!/usr/bin/env bash
# Runs the client under Wine against the development café server on this machine.
# On a display: the client's lock screen comes up in the prefix's Wine virtual desktop window
# (so the lock stays inside it) and the server's console takes commands here until "quit".
# Without a display: the same on a private X server; a screenshot of the client is written to
# build/screenshots/run.png and everything stops.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
win64="$root/build/win64"
server="$root/build/native/tools/devserver/tavimo-devserver"
export WINEPREFIX="$root/build/run-prefix"
source "$root/tests/support/wine-env.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${TAVIMO_IN_XVFB:-}" ]; then
  export TAVIMO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

[ -d "$WINEPREFIX/drive_c" ] || wine_prefix_fresh
wine_use_virtual_desktop
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
# A client installed and pointed at this machine's server, so it comes up at the login screen,
# which shows the sample café's texts and picture.
wine "$win64/TavimoKeys.exe"
wine reg add 'HKLM\Software\Tavimo\Server' /v TVServer /d localhost /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Tavimo\Server' /v TVSSpec /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$root/tools/devserver/sample/install-login-content.sh" "$win64"

server_pid=""
stop() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  wine taskkill /f /im TavimoClient.exe >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
}
trap stop EXIT

if [ -n "${TAVIMO_IN_XVFB:-}" ]; then
  "$server" --quiet &
  server_pid=$!
  wine "$win64/TavimoClient.exe" >/dev/null 2>&1 &
  wine "$win64/tests/e2e/tavimo-ui.exe" wait-window "Login Mode" 60000
  sleep 1
  mkdir -p "$root/build/screenshots"
  import -window root "$root/build/screenshots/run.png"
  echo "The client is at its login screen: build/screenshots/run.png"
else
  wine "$win64/TavimoClient.exe" >/dev/null 2>&1 &
  echo "Development server console: type \"help\" for its commands, \"quit\" to stop both."
  "$server"
fi
