#!/usr/bin/env bash
# Runs every fuzzer for the given number of seconds (default 60) on a working corpus under
# out/fuzz/<name>, started from its seeds. Fails on the first finding; the input that found it is
# kept in out/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=${FUZZ_OUT:-out/fuzz}       # where the working corpora, logs and findings go
tree=${FUZZ_BUILD:-build/fuzz}  # the fuzz tree whose programs and seeds are used
status=0
for fuzzer in "$tree"/bin/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  corpus=$out/$name
  mkdir -p "$corpus" "$out"/findings
  echo "== $name: ${seconds}s"
  # Seeds: committed ones, those the build wrote with the library's writers, and for the image
  # reader the driver images the native tree built for its tests.
  seeds=()
  for dir in fuzz/seeds/"$name" "$tree"/seeds/"$name"; do
    [ -d "$dir" ] && seeds+=("$dir")
  done
  if [ "$name" = image_version ] && [ -d build/linux/test-system/DRIVERS ]; then
    seeds+=(build/linux/test-system/DRIVERS)
  fi
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$out"/findings/"$name"- "$corpus" "${seeds[@]}" \
      >"$out"/"$name".log 2>&1; then
    status=1
    tail -40 "$out"/"$name".log
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$out"/"$name".log || true
done
exit $status
