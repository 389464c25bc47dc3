# Runs the fuzz targets of build/fuzz one after another and prints a table a person can read:
# target, inputs run, seconds, inputs per second, result. Sourced by run-short.sh and
# run-long.sh. The targets talk only to the in-memory network of the headless client, so a
# run opens no socket at all; each input gets a fresh fake system folder under TMPDIR.
set -euo pipefail

fuzz_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fuzz_build=${TAVIMO_FUZZ_BUILD:-$fuzz_root/build/fuzz}
fuzz_corpus=$fuzz_root/tests/fuzz/corpus

# run_targets KIND WORK RUNS SECONDS TIMEOUT [TARGET...]: each target until RUNS inputs or
# SECONDS have passed, an input slower than TIMEOUT seconds counting as a hang, from its seed
# corpus and what earlier runs left in WORK/<target>. New inputs go there, never to the seed
# corpus in the tree; the logs go to build/fuzz/logs/KIND, and a crash leaves its input in
# build/fuzz/artifacts. Returns non-zero when any target failed.
run_targets() {
  local kind=$1 work_base=$2 runs=$3 seconds=$4 timeout=$5
  shift 5
  local targets=("$@")
  if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$fuzz_corpus"/*/; do targets+=("$(basename "$dir")"); done
  fi
  local logs=$fuzz_build/logs/$kind artifacts=$fuzz_build/artifacts failed=0
  mkdir -p "$logs" "$artifacts"
  printf '%-24s %12s %9s %10s  %s\n' target inputs seconds inputs/s result
  for target in "${targets[@]}"; do
    local program=$fuzz_build/tests/fuzz/fuzz-$target
    local work=$work_base/$target log=$logs/$target.log
    if [ ! -x "$program" ]; then
      printf '%-24s %12s %9s %10s  %s\n' "$target" - - - "not built ($program)"
      failed=1
      continue
    fi
    mkdir -p "$work"
    local start end status=0
    start=$(date +%s.%N)
    "$program" -runs="$runs" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
      "$work" "$fuzz_corpus/$target" >"$log" 2>&1 || status=$?
    end=$(date +%s.%N)
    local elapsed inputs rate result
    elapsed=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')
    inputs=$(awk '/^stat::number_of_executed_units:/ { print $2 }' "$log" | tail -1)
    inputs=${inputs:-?}
    rate=$(awk -v n="$inputs" -v s="$elapsed" 'BEGIN { if (n ~ /^[0-9]+$/ && s > 0) printf "%.0f", n / s; else print "?" }')
    if [ "$status" -eq 0 ]; then
      result=ok
    else
      failed=1
      local what written
      what=$(grep -m1 -oE 'ERROR: (libFuzzer|AddressSanitizer|UndefinedBehaviorSanitizer): [a-zA-Z-]+|runtime error: .*|ALARM: .*|out-of-memory.*' "$log" || true)
      written=$(grep -m1 -oE "Test unit written to [^ ]+" "$log" | sed 's/Test unit written to //' || true)
      result="FAILED (exit $status) ${what:-see $log}${written:+; input: $written}"
    fi
    printf '%-24s %12s %9s %10s  %s\n' "$target" "$inputs" "$elapsed" "$rate" "$result"
  done
  echo "Logs: $logs"
  return $failed
}
