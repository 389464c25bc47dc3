#!/usr/bin/env bash
# No server answers: after 20 seconds the client says so and can only be closed with the
# local administrator password; a wrong one is refused, the right one ends the client and
# makes the next start ask for the server's name again.
source "$(dirname "$0")/e2e-lib.sh"
fresh_client_state
point_client_at_server
start_client

ui wait-window "Connection Status" 30000
ui wait-text "Connection Status" Label1 "Searching Tavimo Server..." 10000
shot startup-searching
ui wait-window "Administrator Local Password" 40000
ui wait-text "Connection Status" Label1 "Tavimo Server is not reachable, request timed out" 5000
shot startup-timeout-password

ui type "Administrator Local Password" txtpas "wrong"
ui click "Administrator Local Password" cmdsubt
ui wait-message "Invalid Password" 10000
shot startup-invalid-password
ui answer-message "Invalid Password" ok
ui wait-window "Administrator Local Password" 10000
ui type "Administrator Local Password" txtpas "qorvu"
ui key "Administrator Local Password" txtpas return
wait_client_gone

expect_reg 'HKLM\Software\Tavimo\Server' TVServer "REG_SZ:"
expect_reg 'HKLM\Software\Tavimo\Server' TVSSpec "REG_DWORD:0"
echo "server time-out: passed"
