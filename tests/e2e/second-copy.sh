#!/usr/bin/env bash
# A second copy of the client cannot bind the client's ports: it says so and ends, and the
# first copy goes on.
source "$(dirname "$0")/e2e-lib.sh"
fresh_client_state
wine reg add 'HKLM\Software\Tavimo\Server' /v TVServer /d localhost /f >/dev/null
wine reg add 'HKLM\Software\Tavimo\Server' /v TVSSpec /t REG_DWORD /d 1 /f >/dev/null
start_server
start_client
ui wait-window "Login Mode" 30000

wine "$TAVIMO_WIN64/TavimoClient.exe" >>"$work/second.out" 2>&1 &
second=$!
ui wait-message "Address in use" 20000
shot startup-second-copy
ui answer-message "Address in use" ok
wait $second || true
ui wait-window "Login Mode" 1000
echo "second copy: passed"
