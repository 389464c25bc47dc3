#!/usr/bin/env bash
# The short run of every fuzz target that belongs to the tests: a few seconds each, from the
# seed corpus. Usage: tests/fuzz/run-short.sh [target...]
source "$(dirname "$0")/fuzz-lib.sh"
run_targets 100000 "${TAVIMO_FUZZ_SECONDS:-3}" 10 "$@"
