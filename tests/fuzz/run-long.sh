#!/usr/bin/env bash
# The long run, for people to start by hand: every target (or those named) until it has run
# RUNS inputs (10 million by default) or SECONDS have passed (a day by default), one target
# at a time and at the lowest priority, so it can run beside other work. Each run goes on from
# the inputs the runs before it found (build/fuzz/work).
# Usage: tests/fuzz/run-long.sh [RUNS [SECONDS [target...]]]
source "$(dirname "$0")/fuzz-lib.sh"
runs=${1:-10000000}
seconds=${2:-86400}
shift $(($# < 2 ? $# : 2))
echo "Up to $runs inputs or $seconds seconds per target, an input over 5 seconds a hang."
renice -n 19 $$ >/dev/null
run_targets long "$fuzz_build/work" "$runs" "$seconds" 5 "$@"
