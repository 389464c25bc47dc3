#!/usr/bin/env bash
# A guest session from the login to the logout: the timer shows the login time from the café's
# clock and counts; its tabs, the tray notice and the icon in the notification area; a logout
# the server confirms (the charge and the "2" reports reach it, Status 0); and one it never
# answers (back to the login screen after about 10.5 s, Status 1, nothing sent).
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)
timers='HKLM\Software\Tavimo\Timers'

log_in guest guest
ui wait-front "@frmtimer2" 20000
login=$(ui text "@frmtimer2" lbltimer | tr -d '\r')
[[ "$login" =~ ^10:31:[0-9]+\ AM$ ]] || fail "the login time \"$login\" is not the café clock's"
wait_log "45672 session report <- .* code 2 \[$pc\] \[1\] \[12/09/2026\] \[guest\] \[guest\] \[0:0:0\] \[0\] \[$login\]" 10
expect_reg "$timers" Status "REG_DWORD:1"
expect_reg "$timers" Remind "REG_SZ:1"
ui wait-text "@frmtimer2" lbltimer2 "0:0:3" 10000
ui wait-text "@frmtimer2" lblamt "10" 5000
expect_ui "0:0:3 [Timer]" text "@frmtimer2" lblCaption

for tab in launch alarm settings orders; do
  [ "$tab" = launch ] || ui key "@frmtimer2" TabStrip1 right
  sleep 0.3
  shot "session-guest-$tab" "@frmtimer2"
done
expect_ui visible shown "@frmtimer2" lblHelp
expect_ui hidden shown "@frmtimer2" List1

# Hidden into the notification area after the notice, and back with a double click.
ui click "@frmtimer2" Image4
ui wait-front "Tavimo Timer" 5000
shot session-tray-notice "Tavimo Timer"
ui click "Tavimo Timer" Command1
ui wait-gone "@frmtimer2" 5000
ui icon-double-click frmtimer2
ui wait-window "@frmtimer2" 5000

ui click "@frmtimer2" lbltmr2
wait_log "guest charge, new session: pc=\"$pc\" kind=\"New\" amount=\"10\"" 10
wait_log "session report: pc=\"$pc\" status=\"0\" date=\"12/09/2026\" user=\"guest\" label=\"guest\"" 10
ui wait-window "Login Mode" 10000
expect_reg "$timers" Status "REG_DWORD:0"
expect_reg "$timers" TimeLimit "REG_SZ:0"

# The server goes quiet during the next session.
log_in guest guest
ui wait-front "@frmtimer2" 20000
ui wait-text "@frmtimer2" lbltimer2 "0:0:2" 10000
stop_server
started=$(date +%s)
ui click "@frmtimer2" lbltmr2
expect_ui "Status: Logging you out..." text "@frmtimer2" lblStatus
ui wait-window "Login Mode" 20000
waited=$(( $(date +%s) - started ))
[ "$waited" -ge 10 ] || fail "the client gave up on the server after $waited s"
expect_reg "$timers" Status "REG_DWORD:1"
[ "$(grep -c 'guest charge' "$server_log")" -eq 1 ] || fail "a charge was sent for the unconfirmed logout"
echo "guest session: passed"
