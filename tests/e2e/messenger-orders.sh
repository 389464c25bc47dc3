#!/usr/bin/env bash
# During a guest session the café's message slides up from the bottom-right corner, rests and
# goes again; the customer orders two coffees and a sandwich, which reach the server as one
# order.
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)
notice="Tavimo Messenger Service"
orders="Place your order"

log_in guest guest
ui wait-front "@frmtimer2" 20000
remote_command "1The kitchen closes at ten tonight"
ui wait-window "$notice" 5000
expect_ui "The kitchen closes at ten tonight" text "$notice" Label1
sleep 3
shot messenger-notice "$notice"
# At rest its bottom edge is 390 twips (26 pixels) above the bottom of the 768-pixel screen.
read -r _ text_top _ text_height < <(ui rect "$notice" Label1 | tr -d '\r')
bottom=$(( text_top + text_height + 12 ))
[ "$bottom" -ge 735 ] && [ "$bottom" -le 745 ] || fail "the notice rests with its bottom at $bottom"
ui wait-gone "$notice" 15000

ui key "@frmtimer2" TabStrip1 right
ui key "@frmtimer2" TabStrip1 right
ui key "@frmtimer2" TabStrip1 right
ui click "@frmtimer2" lblOrders
ui wait-front "$orders" 10000
wait_log "item list request: pc=\"$pc\"" 5
for _ in $(seq 1 50); do [ "$(ui cell "$orders" Lv1 3 0 | tr -d '\r')" = Sandwich ] && break; sleep 0.1; done
expect_ui "Coffee" cell "$orders" Lv1 0 0
expect_ui "1.50" cell "$orders" Lv1 0 1
ui click-row "$orders" Lv1 0
ui set-text "$orders" txtQuantity 2
ui click "$orders" Command1
ui click-row "$orders" Lv1 3
ui set-text "$orders" txtQuantity 1
ui click "$orders" Command1
expect_ui "Coffee" cell "$orders" Lv2 0 0
expect_ui "3" cell "$orders" Lv2 0 1
expect_ui "3.5" cell "$orders" Lv2 1 1
shot orders-window "$orders"
ui click "$orders" Command2
ui answer-message "Continue placing this order..." yes 5000
wait_log "order from \"$pc\": \"Coffee\" x 2; \"Sandwich\" x 1" 10
echo "messenger and orders: passed"
