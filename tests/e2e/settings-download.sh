#!/usr/bin/env bash
# The café server pushes its security settings: "8" brings the three files into the system
# folder byte for byte and applies them (policy values in the registry, the shell ended so it
# starts again with them), and "7" lifts them again. A client that does not take its settings
# from the server ignores "8".
source "$(dirname "$0")/e2e-lib.sh"
client_at_login_screen
pc=$(client_pc_name)
system32="$WINEPREFIX/drive_c/windows/system32"
explorer='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
sample="$repo/tools/devserver/sample"

# A shell of this computer's own, beside Wine's desktop (which the client leaves alone).
mkdir -p "$work/shell"
cp "$TAVIMO_WIN64/tests/wine/lockdown/browserstandin.exe" "$work/shell/explorer.exe"
wine "$work/shell/explorer.exe" >/dev/null 2>&1 &
shell_running() { pgrep -f "$(basename "$work")[\\\\/]shell[\\\\/]explorer\\.exe" >/dev/null; }
for _ in $(seq 1 50); do shell_running && break; sleep 0.1; done
shell_running || fail "the stand-in shell did not start"

rm -f "$system32"/clt_mtssecurity.ini "$system32"/clt_msiexplorer.ini "$system32"/clt_msurls.ini
remote_command "8"
sleep 2
[ -e "$system32/clt_mtssecurity.ini" ] && fail "a client that keeps its own settings downloaded them"

wine reg add 'HKLM\Software\Tavimo\Settings' /v SecSetting /t REG_DWORD /d 1 /f >/dev/null
remote_command "8"
wait_log "45681 settings .*<- .* code 0 \[$pc\] \[url\]" 20
wait_log "45681 settings .*-> .* code 3 \[url\]$" 20
for _ in $(seq 1 100); do cmp -s "$system32/clt_msurls.ini" "$sample/clt_msurls.ini" && break; sleep 0.1; done
for file in clt_mtssecurity.ini clt_msiexplorer.ini clt_msurls.ini; do
  cmp -s "$system32/$file" "$sample/$file" || fail "$file in the system folder is not the server's"
done
expect_reg "$explorer" NoRun "REG_DWORD:1"
expect_reg 'HKLM\Software\Tavimo\URLs' BlockType "REG_DWORD:3"
for _ in $(seq 1 50); do shell_running || break; sleep 0.1; done
shell_running && fail "the shell was not ended"
ui wait-window "Login Mode" 5000

remote_command "7"
for _ in $(seq 1 50); do [ "$(ui reg "$explorer" NoRun | tr -d '\r')" = missing ] && break; sleep 0.1; done
expect_reg "$explorer" NoRun "missing"
expect_reg 'HKLM\Software\Tavimo\URLs' BlockType "missing"
echo "settings download: passed"
