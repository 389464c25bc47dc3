#!/usr/bin/env bash
# A session record left in the backup file (as a crash leaves it) is restored when the client
# starts again: the login screen brings the Timers key back from the file, deletes the file and
# reports the restored session to the server.
source "$(dirname "$0")/e2e-lib.sh"
fresh_client_state
point_client_at_server
# What the key held at the last save, and what it holds after it.
backup="$WINEPREFIX/drive_c/windows/system32/ScTest.reg"
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers]\r\n"UserId"="anna"\r\n"Elapsed"="0:12:7"\r\n"Date"="12/09/2026"\r\n"Status"=dword:00000001\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers\\Programs]\r\n\r\n' >"$backup"
wine reg add 'HKLM\Software\Tavimo\Timers' /v UserId /d ben /f >/dev/null
wine reg add 'HKLM\Software\Tavimo\Timers' /v Elapsed /d 0:59:0 /f >/dev/null

start_server
start_client
ui wait-window "Login Mode" 30000
wait_log "45672 .*code 1 \[.*\] \[1\] \[12/09/2026\] \[anna\] \[member\] \[0:12:7\]" 10
[ ! -e "$backup" ] || fail "the backup file is still there"
expect_reg 'HKLM\Software\Tavimo\Timers' UserId "REG_SZ:anna"
expect_reg 'HKLM\Software\Tavimo\Timers' Elapsed "REG_SZ:0:12:7"
expect_reg 'HKLM\Software\Tavimo\Timers' Status "REG_DWORD:0"
expect_reg 'HKLM\Software\Tavimo\Timers' Continue "REG_DWORD:0"
echo "session restore: passed"
