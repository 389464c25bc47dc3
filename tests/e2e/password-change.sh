#!/usr/bin/env bash
# A member changes the password from the account window: each mistake is named, the server
# is probed, the change reaches it, and the new password works at the next login.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)
window="Member Password Modification"

log_in anna 12345
ui wait-front "Member Account Details" 15000
ui click "Member Account Details" Label4
ui wait-front "$window" 10000
ui type "$window" txtpas "wrong"
ui type "$window" txtnpas "n3w"
ui type "$window" txtcpas "n3w"
ui click "$window" cmdpassave
ui wait-message "Invalid Old Passward" 5000 || fail "no refusal of the old password"
shot password-change-refused
ui answer-message "Invalid Old Passward" ok
ui set-text "$window" txtpas "12345"
ui set-text "$window" txtcpas "n3w2"
ui click "$window" cmdpassave
ui answer-message "Reconfirm Password" ok 5000
ui set-text "$window" txtcpas "n3w"
shot password-change "$window"
ui click "$window" cmdpassave
ui wait-message "Password successfully changed" 15000
wait_log "member password change: pc=\"$pc\" kind=\"pwdchng\" member=\"anna\" new_password=\"n3w\"" 5
ui answer-message "Password successfully changed" ok
ui wait-front "Member Account Details" 10000
ui click "Member Account Details" Command2
ui wait-window "Login Mode" 10000

log_in anna 12345
expect_refusal "Invalid password"
dismiss_refusal
log_in anna n3w
ui wait-front "Member Account Details" 15000
echo "password change: passed"
