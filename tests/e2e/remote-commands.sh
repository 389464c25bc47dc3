#!/usr/bin/env bash
# The café server's commands: "4" logs a guest in, "p" stops the session's clock and "t" lets
# it go on where it stopped, "5" logs the guest out with the charge, and "x" closes the client
# after telling the server the computer goes off line.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)

remote_command "4"
ui wait-front "@frmtimer2" 20000
ui wait-text "@frmtimer2" lbltimer2 "0:0:2" 10000
remote_command "p"
sleep 0.5
paused=$(ui text "@frmtimer2" lbltimer2 | tr -d '\r')
sleep 3
expect_ui "$paused" text "@frmtimer2" lbltimer2
remote_command "t"
sleep 0.5
expect_ui "$paused" text "@frmtimer2" lbltimer2
ui wait-text "@frmtimer2" lbltimer2 "0:0:$(( ${paused##*:} + 1 ))" 3000

remote_command "5"
wait_log "guest charge, new session: pc=\"$pc\" kind=\"New\" amount=\"10\"" 10
ui wait-window "Login Mode" 10000

remote_command "x"
wait_log "computer-off notice: pc=\"$pc\"" 10
wait_client_gone
echo "remote commands: passed"
