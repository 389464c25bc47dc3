#!/usr/bin/env bash
# Input far larger than any the café's server sends, each with a bounded result: a login text
# file of a million lines (the login screen shows its start), a tariff and a security settings
# file of four megabytes each in pieces of 65,000 bytes (the client keeps the first whole
# pieces within one megabyte, which hold the real content, and goes on), and datagrams of
# 65,507 bytes, the most UDP carries, on every port the client listens on during a session.
# The client must stay up and answering, with its memory within a bound, and its session must
# go on at the server's price.
# Needs what the end-to-end cases need, and TAVIMO_FLOOD, the flood sender.
source "$(dirname "$0")/faults-lib.sh"
max_file_bytes=$((1 << 20))
max_rss_kb=$((128 * 1024))
max_ping=1000
sample="$repo/tools/devserver/sample"
system32="$WINEPREFIX/drive_c/windows/system32"
results=()
result() { results+=("$(printf '%-52s %14s %14s' "$1" "$2" "$3")"); }

# Four megabytes of comment lines after the sample's own content.
pad_to_4mb() {
  cp "$1" "$2"
  awk 'BEGIN { for (i = 0; i < 4 * 1024 * 1024 / 80; i++) printf "; %076d\r\n", i }' >>"$2"
}
mkdir -p "$work/settings"
pad_to_4mb "$sample/charges24.ini" "$work/charges24.ini"
pad_to_4mb "$sample/clt_mtssecurity.ini" "$work/settings/clt_mtssecurity.ini"
cp "$sample/clt_msiexplorer.ini" "$sample/clt_msurls.ini" "$work/settings/"
sed -e "s|^file = .*|file = $work/charges24.ini|" -e "s|^folder = .*|folder = $work/settings|" \
  -e "s|^piece_size = .*|piece_size = 65000|" "$sample/devserver.ini" >"$work/devserver.ini"

installed_client
pc=$(client_pc_name)
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "Welcome to the Riverside Net Cafe\r\n" }' >"$TAVIMO_WIN64/systemfiles/aid.log"
printf '|255' >>"$TAVIMO_WIN64/systemfiles/aid.log"
start_server --config "$work/devserver.ini"
started=$(date +%s%N)
login_screen_up
result "login screen with a million-line text up after (ms)" $(( ($(date +%s%N) - started) / 1000000 )) "30000"
header=$(ui text "Login Mode" Label3:0 | tr -d '\r' | head -n 1)
[ "$header" = "Welcome to the Riverside Net Cafe" ] || fail "the header shows \"$header\""
result "client memory at the login screen (KB)" "$(client_rss_kb)" "$max_rss_kb"

# The four-megabyte tariff: the guest logs in at the price of its first section.
log_in guest guest
ui wait-front "@frmtimer2" 60000
wait_log "tariff transfer of charges24.ini to .* complete" 30
tariff_bytes=$(stat -c %s "$system32/charges24.ini")
result "tariff of 4 MB: bytes kept" "$tariff_bytes" "$max_file_bytes"
[ "$tariff_bytes" -le "$max_file_bytes" ] || fail "the tariff file holds $tariff_bytes bytes"
cmp -s -n "$tariff_bytes" "$system32/charges24.ini" "$work/charges24.ini" || fail "the tariff file is not the server's first megabyte"
ui wait-text "@frmtimer2" lblamt "10" 5000

# The largest datagrams, on every port the client listens on (its fixed ones and the timer
# window's), during the session.
ports=$(client_ports)
"$TAVIMO_FLOOD" --oversized 65507 --server 127.0.0.1 --ports "$ports" >"$work/oversized.txt"
cat "$work/oversized.txt"
sleep 2
client_running || fail "the client ended"
ping=$(ui watch "@frmtimer2" lbltimer2 250 1 | awk '{ if ($2 < 0 || $2 > m) m = ($2 < 0 ? 99999 : $2) } END { print m + 0 }')
result "slowest answer of the window afterwards (ms)" "$ping" "$max_ping"
[ "$ping" -le "$max_ping" ] || fail "the window answered after $ping ms"
ui wait-text "@frmtimer2" lblamt "10" 5000
rss=$(client_rss_kb)
result "client memory after the largest datagrams (KB)" "$rss" "$max_rss_kb"
[ "$rss" -le "$max_rss_kb" ] || fail "the client holds $rss KB"
remote_command "5"
wait_log "guest charge, new session: pc=\"$pc\" kind=\"New\" amount=\"10\"" 10
ui wait-window "Login Mode" 10000

# The four-megabyte system settings file: downloaded, cut, applied.
wine reg add 'HKLM\Software\Tavimo\Settings' /v SecSetting /t REG_DWORD /d 1 /f >/dev/null
remote_command "8"
wait_log "settings transfer of url to .* complete" 60
settings_bytes=$(stat -c %s "$system32/clt_mtssecurity.ini")
result "system settings of 4 MB: bytes kept" "$settings_bytes" "$max_file_bytes"
[ "$settings_bytes" -le "$max_file_bytes" ] || fail "the settings file holds $settings_bytes bytes"
expect_reg 'HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer' NoRun "REG_DWORD:1"
ui wait-window "Login Mode" 10000
client_running || fail "the client ended"
rss=$(client_rss_kb)
result "client memory at the end (KB)" "$rss" "$max_rss_kb"
[ "$rss" -le "$max_rss_kb" ] || fail "the client holds $rss KB"

printf '\n%-52s %14s %14s\n' "figure" "measured" "limit"
printf '%s\n' "${results[@]}"
echo "oversized input: passed"
