#!/usr/bin/env bash
# First start on a computer: the client asks for the server's name, stores it trimmed, says
# hello, and on the server's answer brings up the login screen.
source "$(dirname "$0")/e2e-lib.sh"
fresh_client_state
start_server
start_client

ui wait-window "Tavimo Server Name" 30000
shot startup-server-name
ui type "Tavimo Server Name" txtpas "  localhost  "
# "Server Found" shows for one second only: watch for it before the name goes out.
(ui wait-text "Connection Status" Label1 "Server Found" 20000 && shot startup-server-found) &
found=$!
ui key "Tavimo Server Name" txtpas return
ui wait-gone "Tavimo Server Name"

wait_log "hello from" 15
pc=$(wine hostname | tr -d '\r' | tr '[:lower:]' '[:upper:]')
wait_log "code 1 \[$pc\]" 5
wait_log "45681 .*<- 127.0.0.1:45680" 5
wait $found || fail "\"Server Found\" was never shown"
ui wait-window "Login Mode" 15000
shot startup-login-mode "Login Mode"
ui wait-gone "Connection Status"

expect_reg 'HKLM\Software\Tavimo\Server' TVServer "REG_SZ:localhost"
expect_reg 'HKLM\Software\Tavimo\Server' TVSSpec "REG_DWORD:1"
echo "first start: passed"
