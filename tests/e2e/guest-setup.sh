#!/usr/bin/env bash
# The guest setup in its three layouts, as the server's switches ask for the duration, the
# name or both. Cancel leads back to the login screen; Ok stores the name and the minutes and
# starts the guest timer.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen

switches() {
  wine reg add 'HKLM\Software\Tavimo\Timers' /v lgnName /t REG_DWORD /d "$1" /f >/dev/null
  wine reg add 'HKLM\Software\Tavimo\Timers' /v SecuredLogin /t REG_DWORD /d "$2" /f >/dev/null
}
guest_setup_up() {
  log_in guest guest
  ui wait-front "Guest User Settings" 20000
  expect_ui "$1" shown "Guest User Settings" Frame3
  expect_ui "$2" shown "Guest User Settings" Frame2
}
cancel_setup() {
  ui click "Guest User Settings" Command2
  ui wait-gone "Guest User Settings" 10000
  ui wait-text "Login Mode" txtlog "" 5000
}

switches 0 1
guest_setup_up hidden visible
expect_ui "0" text "Guest User Settings" Text1
ui set-text "Guest User Settings" Text1 ""
ui type "Guest User Settings" Text1 "7a5"
expect_ui "0" text "Guest User Settings" Text1
shot guest-setup-duration "Guest User Settings"
cancel_setup

switches 1 0
guest_setup_up visible hidden
ui type "Guest User Settings" txtName "maria"
expect_ui "MARIA" text "Guest User Settings" txtName
shot guest-setup-name "Guest User Settings"
cancel_setup

switches 1 1
guest_setup_up visible visible
ui click "Guest User Settings" Command1
ui wait-front "Invalid name" 5000
ui answer-message "Invalid name" ok
ui type "Guest User Settings" txtName "maria k"
ui set-text "Guest User Settings" Text1 ""
ui type "Guest User Settings" Text1 "25"
shot guest-setup-both "Guest User Settings"
ui key "Guest User Settings" txtName return
ui wait-window "@frmtimer2" 10000
ui wait-gone "Login Mode" 5000
expect_reg 'HKLM\Software\Tavimo\Timers' GuestName "REG_SZ:MARIA K"
expect_reg 'HKLM\Software\Tavimo\Timers' TimeLimit "REG_SZ:25"
echo "guest setup: passed"
