#!/usr/bin/env bash
# The server stops while the login screen waits: a login then probes for its full 21 ticks,
# says the server is not reachable and offers to close the client. No keeps the login screen
# working (the next login probes again); Yes asks the local administrator password, and the
# right one ends the client.
source "$(dirname "$0")/e2e-lib.sh"
unreachable="Cannot Login!, Tavimo Server is not reachable"
close_now="Do you want to close Tavimo Client now"

# Logs in and waits for the time-out, which must not come before the 21st tick of 500 ms.
log_in_unanswered() {
  local started waited
  started=$(date +%s%N)
  log_in anna 12345
  ui wait-message "$unreachable" 25000
  waited=$((($(date +%s%N) - started) / 1000000))
  [ "$waited" -ge 10000 ] || fail "the time-out came after $waited ms"
  ui wait-front "$unreachable" 3000 || fail "the time-out message is hidden"
}

client_at_login_screen
stop_server

log_in_unanswered
shot login-server-unreachable
ui answer-message "$unreachable" ok
ui answer-message "$close_now" no
ui wait-gone "$close_now" 5000
expect_ui visible shown "Login Mode" framlogin
expect_ui "" text "Login Mode" txtlog

log_in_unanswered
ui answer-message "$unreachable" ok
ui wait-front "$close_now" 3000 || fail "the question is hidden"
ui answer-message "$close_now" yes
ui wait-front "Administrator Local Password" 10000 || fail "the password window is hidden"
ui type "Administrator Local Password" txtpas "qorvu"
ui key "Administrator Local Password" txtpas return
wait_client_gone
echo "login time-out: passed"
