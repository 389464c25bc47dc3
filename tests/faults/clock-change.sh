#!/usr/bin/env bash
# The Windows clock moved during a guest and a member session: an hour forward, back by an
# hour, then back past the session's start. The elapsed time and the amount on the timer
# window must keep counting real time, and the logout's reports must carry the real figures.
# Under Wine the Windows clock is the Linux clock of the client's process: libfaketime is
# preloaded into it with a file of offsets that this script rewrites; the monotonic clock stays
# real. Before each check a second program with the same preload reads the Windows time, so a
# clock that never moved cannot pass for one that did.
source "$(dirname "$0")/../e2e/e2e-lib.sh"
faketime_library=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -1)
[ -n "$faketime_library" ] || fail "libfaketime is not installed (tools/install-deps.sh)"
offset_file="$work/clock-offset"
# The offset of the Windows clock, in seconds, as libfaketime reads it at every call.
set_clock_offset() {
  clock_offset=$1
  printf '%+d\n' "$1" >"$offset_file"
}
faked() {
  LD_PRELOAD="$faketime_library" FAKETIME_TIMESTAMP_FILE="$offset_file" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$@"
}

# The Windows time of day that a program with the preload reads ("Current Time is 9:44:46 AM"),
# against the one expected from the offset, to the minute (a minute's turn in between allowed).
expect_windows_clock() {
  local shown expected difference
  shown=$(faked wine cmd /c time /t | tr -d '\r')
  expected=$(date -d "@$(($(date +%s) + clock_offset))" +%H:%M)
  [[ "$shown" =~ ([0-9]+):([0-9]+):[0-9]+\ (AM|PM) ]] || fail "the Windows time \"$shown\" is no time of day"
  local hours=$((10#${BASH_REMATCH[1]} % 12))
  [ "${BASH_REMATCH[3]}" = AM ] || hours=$((hours + 12))
  difference=$(((hours * 60 + 10#${BASH_REMATCH[2]}) - (10#${expected%:*} * 60 + 10#${expected#*:})))
  difference=$(((difference + 1440) % 1440))
  [ "$difference" -le 1 ] || [ "$difference" -eq 1439 ] ||
    fail "Windows says \"$shown\", expected $expected (clock offset $clock_offset s)"
}

client_pid() { pgrep -f "$(basename "$work")[\\\\/]win64[\\\\/]TavimoClient\\.exe" | head -1; }
now_ms() { date +%s%3N; }
seconds_of() {
  local h m s
  IFS=: read -r h m s <<<"$1"
  echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}
# The elapsed time a window shows, against the real time since its session started: it may lag
# by up to two seconds (a tick is 950 ms, and its start is seen a little late), never lead.
expect_real_elapsed() {
  local form="$1" shown real
  shown=$(ui text "$form" lbltimer2 | tr -d '\r')
  real=$((($(now_ms) - session_started) / 1000))
  local difference=$((real - $(seconds_of "$shown")))
  [ "$difference" -ge -1 ] && [ "$difference" -le 2 ] ||
    fail "$form shows $shown after $real s (clock offset $clock_offset s)"
  printf '  %-10s offset %+6d s   real %3d s   shown %s' "$form" "$clock_offset" "$real" "$shown"
}

# The elapsed time of the last confirmed logout's report of the user, against the real time.
expect_reported_elapsed() {
  local user="$1" real="$2" reported
  reported=$(grep "session report: pc=\"$pc\" status=\"0\".*user=\"$user\"" "$server_log" | tail -1 |
    sed 's/.* elapsed="\([^"]*\)".*/\1/')
  local difference=$((real - $(seconds_of "$reported")))
  [ "$difference" -ge -1 ] && [ "$difference" -le 2 ] || fail "the logout of $user reported $reported after $real s"
  echo "  logout: $reported reported after $real s"
}

# Moves the clock through the offsets, checking the window before and after each move.
run_clock_moves() {
  local form="$1" amount="${2:-}" offset
  for offset in 0 3600 0 -3600; do
    set_clock_offset "$offset"
    expect_windows_clock
    sleep 2
    expect_real_elapsed "$form"
    if [ -n "$amount" ]; then
      expect_ui "$amount" text "$form" lblamt
      printf '   amount %s' "$amount"
    fi
    echo
  done
}

set_clock_offset 0
installed_client
start_server
faked wine "$TAVIMO_WIN64/TavimoClient.exe" >>"$work/client.out" 2>&1 &
ui wait-window "Login Mode" 30000
pc=$(client_pc_name)
ui wait-text "Login Mode" lblComputer "Computer: $pc" 10000
grep -q faketime "/proc/$(client_pid)/maps" || fail "libfaketime is not in the client's process"
start_report="session report <- .* code 2 \[$pc\] \[1\]"

echo "guest session:"
log_in guest guest
wait_log "$start_report .*\[guest\] \[guest\]" 20
session_started=$(now_ms)
ui wait-text "@frmtimer2" lblamt 10 10000
run_clock_moves "@frmtimer2" 10
real=$((($(now_ms) - session_started) / 1000))
ui click "@frmtimer2" lbltmr2
wait_log "guest charge, new session: pc=\"$pc\" kind=\"New\" amount=\"10\"" 10
wait_log "session report: pc=\"$pc\" status=\"0\" date=\"12/09/2026\" user=\"guest\"" 10
expect_reported_elapsed guest "$real"
ui wait-window "Login Mode" 10000

echo "member session:"
set_clock_offset 0
log_in anna 12345
ui wait-front "Member Account Details" 15000
ui click "Member Account Details" Command1
wait_log "$start_report .*\[anna\] \[member\]" 20
session_started=$(now_ms)
run_clock_moves "@frmtimer"
real=$((($(now_ms) - session_started) / 1000))
ui click "@frmtimer" lbltmr
# Shorter than the 15 minutes' minimum: booked as the minimum on the 2:15 used before.
wait_log "member usage report: pc=\"$pc\" kind=\"savmem\" member=\"anna\" used_hours=\"2\" used_minutes=\"30\"" 10
wait_log "session report: pc=\"$pc\" status=\"0\" date=\"12/09/2026\" user=\"anna\"" 10
expect_reported_elapsed anna "$real"
echo "clock change: passed"
