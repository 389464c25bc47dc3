#!/usr/bin/env bash
# Member logins: the client asks the server for the account under the name as typed and
# compares the password itself. A wrong password and an unknown member are refused in the
# message frame, whose Ok brings the login frame back; the right password opens the account.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)

log_in anna wrong
expect_refusal "Invalid password"
shot login-message-frame "Login Mode"
dismiss_refusal

log_in nobody 12345
expect_refusal "Invalid Login"
dismiss_refusal

log_in anna 12345
ui wait-front "Member Account Details" 15000
wait_log "45674 member .*<- .*  code 0 \[$pc\] \[anna\]$" 5
echo "member login: passed"
