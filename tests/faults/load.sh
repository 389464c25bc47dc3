#!/usr/bin/env bash
# A café's worth of clients against one development server on loopback: the load generator's
# played clients log in, report and log out, and not one datagram may go lost or unanswered.
#   load.sh DEVSERVER LOADGEN [CLIENTS]   (default 200 clients)
# In a network namespace of its own where one can be had (the server's ports are fixed).
set -euo pipefail
devserver="$1" loadgen="$2" clients="${3:-200}"
if [ -z "${TAVIMO_NETWORK:-}" ] && unshare --user --map-root-user --net true 2>/dev/null; then
  export TAVIMO_NETWORK=private
  exec unshare --user --map-root-user --net "$0" "$@"
fi
[ "${TAVIMO_NETWORK:-}" != private ] || ip link set lo up

work=$(mktemp -d)
server_pid=""
trap '[ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
"$devserver" --quiet --once-log "$work/server.log" --date 12/09/2026 --time "10:31:05 AM" </dev/null >"$work/server.out" 2>&1 &
server_pid=$!
for _ in $(seq 1 100); do
  grep -q "tavimo-devserver ready on" "$work/server.log" 2>/dev/null && break
  kill -0 "$server_pid" 2>/dev/null || { cat "$work/server.out" >&2; exit 1; }
  sleep 0.1
done
"$loadgen" --clients "$clients" --server-log "$work/server.log"
