#!/usr/bin/env bash
# Member and ticket sessions: the account window, the timer window that counts the account's
# time, and the usage report of a confirmed logout; a member whose time runs out during the
# session ends at the login screen with "Your time slot has expired.".
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)
timers='HKLM\Software\Tavimo\Timers'

log_in anna 12345
ui wait-front "Member Account Details" 15000
expect_ui "anna" text "Member Account Details" Label1
expect_ui "20 Hr(s), 0 Min(s)" text "Member Account Details" lbltt
expect_ui "2 Hr(s), 15 Min(s)" text "Member Account Details" lbltu
expect_ui "150 USD" text "Member Account Details" lblamnt
expect_ui "12/31/2030" text "Member Account Details" lbledate
shot session-member-account "Member Account Details"
ui click "Member Account Details" Command1
ui wait-front "@frmtimer" 10000
ui wait-text "@frmtimer" lbltimer2 "0:0:2" 10000
shot session-member-timer "@frmtimer"
wait_log "45672 session report <- .* code 2 \[$pc\] \[1\] \[12/09/2026\] \[anna\] \[member\] \[0:0:0\] \[0\]" 10
ui click "@frmtimer" lbltmr
# Shorter than the 15 minutes' minimum: booked as the minimum on the 2:15 used before.
wait_log "member usage report: pc=\"$pc\" kind=\"savmem\" member=\"anna\" used_hours=\"2\" used_minutes=\"30\" zero=\"0\" used_up=\"0\"" 10
ui wait-window "Login Mode" 10000
expect_reg "$timers" Status "REG_DWORD:0"

log_in 1001 t1001
ui wait-front "Member Account Details" 15000
expect_ui "hidden" shown "Member Account Details" lblamnt
expect_ui "hidden" shown "Member Account Details" Label4
shot session-ticket-account "Member Account Details"
ui click "Member Account Details" Command1
ui wait-front "@frmtimer3" 10000
ui wait-text "@frmtimer3" lbltimer2 "0:0:2" 10000
shot session-ticket-timer "@frmtimer3"
ui click "@frmtimer3" lbltmr
wait_log "ticket usage report: pc=\"$pc\" ticket=\"1001\" used_hours=\"0\" used_minutes=\"0\" zero=\"0\" used_up=\"0\"" 10
ui wait-window "Login Mode" 10000

# ben has one minute left: the roll-over of the first minute uses it up.
log_in ben ben1
ui wait-front "Member Account Details" 15000
ui click "Member Account Details" Command1
ui wait-front "@frmtimer" 10000
ui wait-window "Login Mode" 75000
ui wait-text "Login Mode" lblmsg "Your time slot has expired." 5000
wait_log "member usage report: pc=\"$pc\" kind=\"savmem\" member=\"ben\" used_hours=\"2\" used_minutes=\"0\" zero=\"0\" used_up=\"1\"" 5
shot session-member-expired "Login Mode"
echo "member and ticket sessions: passed"
