#!/bin/bash
# run_fuzz.sh FUZZER SECONDS WORKDIR SEED... : a bounded libFuzzer run from the
# seed images; prints the run's final statistics, fails on any finding.
set -euo pipefail
fuzzer=$1 seconds=$2 work=$3
shift 3
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
i=0
for seed in "$@"; do
  cp "$seed" "$work/corpus/seed$i-$(basename "$seed")"
  i=$((i + 1))
done
cd "$work"
"$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/artifacts/" corpus >fuzz.log 2>&1 || {
  tail -60 fuzz.log
  exit 1
}
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' fuzz.log
grep -E 'cov: ' fuzz.log | tail -1
