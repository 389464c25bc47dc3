#!/usr/bin/env bash
# A second copy of the client cannot bind the client's ports: it says so and ends, and the
# first copy goes on.
source "$(dirname "$0")/e2e-lib.sh"
fresh_client_state
point_client_at_server
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
