#!/usr/bin/env bash
# Guest logins: the guest password is checked on the client, then the tariff comes from the
# server piece by piece into the system folder and the guest timer opens. When the server
# asks guests for their surfing duration ("SecuredLogin" 1), the guest setup opens instead,
# in front of the login screen. The guest's name counts in any case, blanks around it ignored.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)

log_in guest guest
wait_log "45673 guest/tariff .*<- .*  code 0 \[$pc\] \[rates\]$" 10
wait_log "45673 guest/tariff .*-> .*  code 3 \[charges24.ini\]$" 10
ui wait-front "@frmtimer2" 10000
ui wait-gone "Login Mode" 5000
cmp -s "$WINEPREFIX/drive_c/windows/system32/charges24.ini" "$repo/tools/devserver/sample/charges24.ini" ||
  fail "the tariff in the system folder is not the server's"

client_at_login_screen
wine reg add 'HKLM\Software\Tavimo\Timers' /v SecuredLogin /t REG_DWORD /d 1 /f >/dev/null
log_in " Guest " guest
ui wait-front "Guest User Settings" 20000
ui wait-window "Login Mode" 1000
echo "guest login: passed"
