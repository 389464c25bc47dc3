#!/usr/bin/env bash
# Ticket logins (a name that starts with a digit): the server's reply must come within the
# one second the login screen waits for it, on the real sockets too. A wrong password is
# refused with the ticket's own text; the right one opens the account window.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)

log_in 1001 wrong
expect_refusal "Invaid password"
dismiss_refusal

log_in 1001 t1001
ui wait-front "Member Account Details" 15000
wait_log "45677 ticket .*<- .*  code 0 \[$pc\] \[1001\]$" 5
echo "ticket login: passed"
