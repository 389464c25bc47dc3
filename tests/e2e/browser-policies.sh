#!/usr/bin/env bash
# The website lists reach Chrome, Edge and Firefox as their enterprise policies: a pushed
# block list, then a pushed allow list in its place, then "7" takes every entry of the
# client's back. An administrator's own values in those keys stay, and the client's entries
# are numbered after them.
source "$(dirname "$0")/e2e-lib.sh"

# A café of the case's own, whose website file the case edits between pushes.
cafe="$work/cafe"
cp -r "$repo/tools/devserver/sample" "$cafe"
start_server --config "$cafe/devserver.ini"
client_at_login_screen

chrome='HKLM\Software\Policies\Google\Chrome'
edge='HKLM\Software\Policies\Microsoft\Edge'
firefox='HKLM\Software\Policies\Mozilla\Firefox\WebsiteFilter'
record='HKLM\Software\Tavimo\BrowserPolicies'

# Every value of a key as "name type data" lines in name order, as Wine's reg reads them;
# nothing for a missing key.
key_values() {
  { wine reg query "$1" 2>/dev/null || true; } | tr -d '\r' |
    sed -n 's/^    \(.*\)    \(REG_[A-Z_]*\)    \(.*\)$/\1 \2 \3/p' | LC_ALL=C sort
}
# Waits up to 20 seconds (a push takes a few) for the key to hold exactly these lines, one
# argument each.
expect_values() {
  local key="$1" expected actual deadline=$((SECONDS + 20))
  shift
  expected=$(printf '%s\n' "$@" | sed '/^$/d')
  while [ "$SECONDS" -le "$deadline" ]; do
    actual=$(key_values "$key")
    [ "$actual" = "$expected" ] && return 0
    sleep 0.2
  done
  fail "$key holds \"$actual\", expected \"$expected\""
}

wine reg add "$chrome\\URLBlocklist" /v 1 /d admin.example /f >/dev/null
wine reg add "$firefox\\Exceptions" /v 1 /d '*://*.intranet.example/*' /f >/dev/null
wine reg add 'HKLM\Software\Tavimo\Settings' /v SecSetting /t REG_DWORD /d 1 /f >/dev/null

# The sample's block list: two sites and the keyword "torrent", which stays out.
remote_command "8"
expect_values "$chrome\\URLBlocklist" "1 REG_SZ admin.example" "2 REG_SZ casino.example.com" "3 REG_SZ poker.example.net"
expect_values "$chrome\\URLAllowlist"
expect_values "$edge\\URLBlocklist" "1 REG_SZ casino.example.com" "2 REG_SZ poker.example.net"
expect_values "$edge\\URLAllowlist"
expect_values "$firefox\\Block" "1 REG_SZ *://*.casino.example.com/*" "2 REG_SZ *://*.poker.example.net/*"
expect_values "$firefox\\Exceptions" "1 REG_SZ *://*.intranet.example/*"
expect_values "$record" \
  'Software\Policies\Google\Chrome\URLBlocklist\2 REG_SZ casino.example.com' \
  'Software\Policies\Google\Chrome\URLBlocklist\3 REG_SZ poker.example.net' \
  'Software\Policies\Microsoft\Edge\URLBlocklist\1 REG_SZ casino.example.com' \
  'Software\Policies\Microsoft\Edge\URLBlocklist\2 REG_SZ poker.example.net' \
  'Software\Policies\Mozilla\Firefox\WebsiteFilter\Block\1 REG_SZ *://*.casino.example.com/*' \
  'Software\Policies\Mozilla\Firefox\WebsiteFilter\Block\2 REG_SZ *://*.poker.example.net/*'
ui wait-window "Login Mode" 5000

# The sample's allow list in its place: every site blocked but these and the browser's pages.
sed -i 's/^Type=Blocked/Type=Allowed/' "$cafe/clt_msurls.ini"
remote_command "8"
expect_values "$chrome\\URLBlocklist" "1 REG_SZ admin.example" "2 REG_SZ *"
expect_values "$chrome\\URLAllowlist" "1 REG_SZ wikipedia.org" "2 REG_SZ example.com" "3 REG_SZ chrome://*" \
  "4 REG_SZ chrome-untrusted://*"
expect_values "$edge\\URLBlocklist" "1 REG_SZ *"
expect_values "$edge\\URLAllowlist" "1 REG_SZ wikipedia.org" "2 REG_SZ example.com" "3 REG_SZ edge://*" \
  "4 REG_SZ chrome-untrusted://*"
expect_values "$firefox\\Block" "1 REG_SZ <all_urls>"
expect_values "$firefox\\Exceptions" "1 REG_SZ *://*.intranet.example/*" "2 REG_SZ *://*.wikipedia.org/*" \
  "3 REG_SZ *://*.example.com/*"
ui wait-window "Login Mode" 5000

remote_command "7"
expect_values "$chrome\\URLBlocklist" "1 REG_SZ admin.example"
expect_values "$chrome\\URLAllowlist"
expect_values "$edge\\URLBlocklist"
expect_values "$edge\\URLAllowlist"
expect_values "$firefox\\Block"
expect_values "$firefox\\Exceptions" "1 REG_SZ *://*.intranet.example/*"
expect_values "$record"
expect_reg 'HKLM\Software\Tavimo\URLs' BlockType "missing"
echo "browser policies: passed"
