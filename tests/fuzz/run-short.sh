#!/usr/bin/env bash
# The short run of every fuzz target that belongs to the tests: a few seconds each, from the
# seed corpus alone, so that it takes the same time however long the long runs have been.
# Usage: tests/fuzz/run-short.sh [target...]
source "$(dirname "$0")/fuzz-lib.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/tavimo-fuzz-short.XXXXXX")
trap 'rm -rf "$work"' EXIT
run_targets short "$work" 100000 "${TAVIMO_FUZZ_SECONDS:-2}" 5 "$@"
