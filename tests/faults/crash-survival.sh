#!/usr/bin/env bash
# The client killed outright (SIGKILL of its Wine process) at random moments of guest and
# member sessions, and started again: every time the server must get the "1" report of the
# session that was running, with an elapsed time within a minute of the truth, and the backup
# file must be a whole backup at the moment of the kill.
#   crash-survival.sh [KILLS [SEED]]   (100 kills; the seed is printed, give it to repeat a run)
# Kinds of session: a new guest, a member, and a guest the server takes up again: continued
# ("c") after a guest's report whose minute is nearly over, else resumed ("h") with figures of
# its own that end a minute within seconds. New sessions are killed within their first 8 s; the
# others a third at a random moment, a third within 1.5 s of the minute's save, and a third the
# moment the save creates its temporary file (inotify). The truth is the elapsed time the session started from
# plus the time from its "2" report to the kill, on this script's clock.
source "$(dirname "$0")/../e2e/e2e-lib.sh"
: "${TAVIMO_FAULT_TOOLS:?the folder of tavimo-backup-check and tavimo-kill-on-create (native build)}"
kills="${1:-100}"
seed="${2:-$(date +%s)}"
RANDOM=$seed
echo "crash survival: $kills kills, seed $seed"

timers='HKLM\Software\Tavimo\Timers'
backup="$WINEPREFIX/drive_c/windows/system32/ScTest.reg"
timers_key='HKEY_LOCAL_MACHINE\Software\Tavimo\Timers'
now_ms() { date +%s%3N; }
seconds_of() { # "h:m:s" -> seconds
  local h m s
  IFS=: read -r h m s <<<"$1"
  echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}
tenths() { printf '%d.%d' $(($1 / 10)) $(($1 % 10)); }
# Milliseconds as "h:m:s.t", beside the client's "h:m:s".
elapsed_text() { printf '%d:%d:%d.%d' $(($1 / 3600000)) $(($1 / 60000 % 60)) $(($1 / 1000 % 60)) $(($1 / 100 % 10)); }
log_count() { grep -c -- "$1" "$server_log" || true; }
# Waits until the server's log has more than COUNT lines matching the pattern.
wait_log_beyond() {
  local pattern="$1" count="$2" seconds="$3"
  for _ in $(seq 1 $((seconds * 20))); do
    [ "$(log_count "$pattern")" -gt "$count" ] && return 0
    sleep 0.05
  done
  return 1
}
# A field of the last "1" report, as the server's note names it.
last_report_field() {
  grep -- "session report (previous session):" "$server_log" | tail -1 | sed -n "s/.* $1=\"\([^\"]*\)\".*/\1/p"
}
client_pids() { pgrep -f "$(basename "$work")[\\\\/]win64[\\\\/]TavimoClient\\.exe"; }
kill_client() { kill -KILL $(client_pids) 2>/dev/null || true; }

installed_client
# A quick-launch program: the key has a subkey, so a backup cut after the key's values shows.
wine reg add "$timers\\Programs" /v Notepad /d notepad.exe /f >/dev/null
login_screen_up
disown
pc=$(client_pc_name)

start_report="session report <- .* code 2 \[$pc\] \[1\]"
end_report="session report (previous session):"
held=0
caught_saving=0
largest_lag=0
restart_total=0
table="$work/table"
printf '%-4s %-16s %-16s %10s %9s %-6s %-12s %s\n' "#" "session" "moment (s)" "truth" "reported" "backup" "restart (s)" "held" >"$table"

for round in $(seq 1 "$kills"); do
  # The session and the elapsed time it starts from.
  case $((RANDOM % 3)) in
    0) kind="guest" user="guest" from=0 ;;
    1) kind="member" user="anna" from=0 ;;
    2)
      kind="guest resumed" user="guest"
      if [ "$(last_report_field user)" = guest ]; then
        from=$(seconds_of "$(last_report_field elapsed)")
        [ $((from % 60)) -lt 40 ] || kind="guest continued"
      fi
      [ "$kind" = "guest continued" ] || from=$((RANDOM % 30 * 60 + 40 + RANDOM % 19)) ;;
  esac
  second=$((from % 60))
  next_save=$((second < 59 ? 59 - second : 1))
  # The moment of the kill, in tenths of a second after the session's start.
  way=$((RANDOM % 3))
  if [ "$from" -eq 0 ]; then
    moment=$((5 + RANDOM % 76)) label="$(tenths "$moment")"
  elif [ "$way" -eq 0 ]; then
    moment=$((5 + RANDOM % (next_save * 10 + 50))) label="$(tenths "$moment")"
  elif [ "$way" -eq 1 ]; then
    moment=$((next_save * 10 - 15 + RANDOM % 31))
    [ "$moment" -ge 5 ] || moment=5
    label="$(tenths "$moment") at save"
  else
    moment=during
  fi
  rm -f "$backup.tmp"

  starts=$(log_count "$start_report")
  case "$kind" in
    guest) log_in guest guest ;;
    member)
      log_in anna 12345
      ui wait-front "Member Account Details" 15000
      ui click "Member Account Details" Command1 ;;
    "guest continued")
      listener_up
      remote_command c ;;
    "guest resumed")
      listener_up
      remote_command "h10:31:05 AM|$((from / 3600)):$((from % 3600 / 60)):$second|12.5" ;;
  esac
  wait_log_beyond "$start_report" "$starts" 30 || fail "round $round: the $kind session never started"
  started=$(now_ms)
  if [ "$moment" = during ]; then
    "$TAVIMO_FAULT_TOOLS/tavimo-kill-on-create" "$backup.tmp" $((next_save + 5)) $(client_pids) ||
      fail "round $round: no save began within $((next_save + 5)) s"
  else
    sleep "$(tenths "$moment")"
    kill_client
  fi
  killed=$(now_ms)
  [ "$moment" != during ] || label="$(tenths $(((killed - started) / 100))) during save"
  wait_client_gone
  truth=$((from * 1000 + killed - started))

  [ ! -e "$backup.tmp" ] || caught_saving=$((caught_saving + 1))
  if stored=$("$TAVIMO_FAULT_TOOLS/tavimo-backup-check" "$backup" "$timers_key" --subkey Programs Status UserId Elapsed 2>"$work/check"); then
    whole=whole
  else
    whole="torn: $(cat "$work/check")"
  fi
  stored_elapsed=$(sed -n 's/^Elapsed=//p' <<<"$stored")

  reports=$(log_count "$end_report")
  restarted=$(now_ms)
  start_client
  disown  # its end by SIGKILL is no news
  reported="-" verdict=no restart="-"
  if wait_log_beyond "$end_report" "$reports" 40; then
    restart_total=$((restart_total + $(now_ms) - restarted))
    restart=$(tenths $((($(now_ms) - restarted) / 100)))
    reported=$(last_report_field elapsed)
    difference=$(($(seconds_of "$reported") * 1000 - truth))
    [ $((-difference)) -le "$largest_lag" ] || largest_lag=$((-difference))
    if [ "$whole" = whole ] && [ "$stored_elapsed" = "$reported" ] &&
      [ "$(last_report_field status)" = 1 ] && [ "$(last_report_field user)" = "$user" ] &&
      [ "${difference#-}" -le 60000 ]; then
      verdict=yes
      held=$((held + 1))
    fi
    [ "$verdict" = yes ] || echo "round $round: report $(grep -- "$end_report" "$server_log" | tail -1)" >&2
  fi
  [ "$whole" = whole ] || echo "round $round: $whole" >&2
  printf '%-4s %-16s %-16s %10s %9s %-6s %-12s %s\n' "$round" "$kind" "$label" "$(elapsed_text "$truth")" \
    "$reported" "${whole%%:*}" "$restart" "$verdict" | tee -a "$table" | sed 's/^/  /' >&2
  ui wait-window "Login Mode" 30000
  ui wait-text "Login Mode" lblComputer "Computer: $pc" 10000
done

echo
cat "$table"
echo "kills that caught a save in progress (its temporary file left): $caught_saving"
echo "largest lag of a report behind the truth: $(tenths $((largest_lag / 100))) s"
echo "mean time from the restart to the \"1\" report: $(tenths $((restart_total / kills / 100))) s"
echo "$held of $kills held"
[ "$held" -eq "$kills" ]
