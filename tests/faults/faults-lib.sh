# Sourced by the fault cases: the end-to-end library, and what the cases measure of the client.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e-lib.sh"

# Every UDP port bound on all addresses in this namespace is one of the client's (the server
# binds its own on 127.0.0.1 only): its fixed ones and a timer window's free one.
client_ports() {
  local ports="" local_address
  while read -r _ local_address _; do
    [ "${local_address%%:*}" = 00000000 ] || continue
    ports="$ports${ports:+,}$((16#${local_address##*:}))"
  done < <(tail -n +2 /proc/net/udp)
  [ -n "$ports" ] || fail "the client listens on no port"
  echo "$ports"
}

# Bytes waiting, not yet read, at the client's ports.
client_backlog_bytes() {
  local total=0 local_address queues
  while read -r _ local_address _ _ queues _; do
    [ "${local_address%%:*}" = 00000000 ] || continue
    total=$((total + 16#${queues##*:}))
  done < <(tail -n +2 /proc/net/udp)
  echo "$total"
}

# The client's resident memory in KB (its Wine process, found by its program folder).
client_rss_kb() {
  local pid
  pid=$(pgrep -f "$(basename "$work")[\\\\/]win64[\\\\/]TavimoClient\\.exe" | head -n 1)
  awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"
}
