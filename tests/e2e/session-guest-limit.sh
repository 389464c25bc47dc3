#!/usr/bin/env bash
# A guest's chosen time: two minutes before it runs out the prompt asks whether to go on, and
# the minutes given there extend the limit.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
timers='HKLM\Software\Tavimo\Timers'
wine reg add "$timers" /v TimeLimit /d 3 /f >/dev/null

log_in guest guest
ui wait-front "@frmtimer2" 20000
ui wait-front "Continue Session" 75000
expect_ui "0:1:1" text "@frmtimer2" lbltimer2
shot session-extension-prompt "Continue Session"
ui type "Continue Session" Text1 "a"
expect_ui "0" text "Continue Session" Text1
ui set-text "Continue Session" Text1 "10"
ui click "Continue Session" Command1
ui wait-gone "Continue Session" 5000
expect_reg "$timers" TimeLimit "REG_SZ:13"
ui click "@frmtimer2" lbltmr2
ui wait-window "Login Mode" 15000
expect_reg "$timers" TimeLimit "REG_SZ:0"
echo "guest time limit: passed"
