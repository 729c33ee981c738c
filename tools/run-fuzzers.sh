#!/usr/bin/env bash
# Runs every fuzzer for the given number of seconds (default 60) on a working corpus under
# out/fuzz/<name>, started from the seeds in fuzz/seeds/<name>. Fails on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
status=0
for fuzzer in build/fuzz/bin/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  corpus=out/fuzz/$name
  mkdir -p "$corpus" out/fuzz/findings
  echo "== $name: ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=out/fuzz/findings/"$name"- "$corpus" fuzz/seeds/"$name" \
      >out/fuzz/"$name".log 2>&1; then
    status=1
    tail -40 out/fuzz/"$name".log
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' out/fuzz/"$name".log || true
done
exit $status
