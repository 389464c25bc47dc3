#!/usr/bin/env bash
# Staff logins are checked against the passwords of the server's answer: a wrong one is
# refused, the name counts only in lower case (any other case is a member login, unknown to
# the server), and the administrator's password opens the configuration panel.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen

log_in administrator guest
expect_refusal "Invalid Password"
dismiss_refusal

log_in Administrator admin
expect_refusal "Invalid Login"
dismiss_refusal

log_in administrator admin
ui wait-front "Configuration Panel [administrator]" 15000
ui wait-gone "Login Mode" 5000
echo "staff login: passed"
