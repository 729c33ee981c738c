#!/usr/bin/env bash
# make bench: the native benchmark's summary (kelvd-bench --summary: every operation beside its
# floor), then the sheet timed at full capacity beside its floor, for the shipped i686 DLL under
# 32-bit Wine and the x86_64 DLL under wine64. In each Wine's full-capacity prefix
# (out/bench-prefix-32, out/bench-prefix-64, set up by bench-prefix.sh once, then reused), on a
# private X display, each run is kwhost --time configure 1 and then kelvd-floor, RUNS times
# (default 5) after a first run that warms the prefix up and is not counted; every figure is the
# median of the runs, and each ratio the median of the runs' own (a run's time divided by the
# floor measured right after it). Each run's reports are kept in out/bench/BITS/. Xvfb has no
# window manager, for which Wine waits up to two seconds whenever a window it expects one to
# manage is hidden: the prefixes' windows are made unmanaged (Wine places and activates them
# itself).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-5}
source tools/xvfb.sh

echo "== kelvd-bench --summary (native, on the substitute platform; medians of 5 repetitions)"
build/linux/bin/kelvd-bench --summary || exit 1

# Runs kwhost --time and kelvd-floor in the full-capacity prefix of the Wine of BITS.
time_sheet() (
  export KELVD_BITS=$1
  source tools/wine-settings.sh
  tree=$kelvd_tree
  reports=out/bench/$KELVD_BITS
  tools/bench-prefix.sh "$root/out/bench-prefix-$KELVD_BITS" "$tree" >/dev/null || exit 1
  export WINEPREFIX=$root/out/bench-prefix-$KELVD_BITS
  # The prefix's server and service manager stay up from the first run, as a machine's own
  # always are.
  "$kelvd_wineserver" -p
  trap kelvd_wine_stop EXIT
  for setting in Decorated Managed; do
    "$kelvd_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v $setting /d N /f >/dev/null 2>&1
  done
  rm -rf "$reports"
  mkdir -p "$reports"
  for ((run = 0; run <= runs; ++run)); do
    for program in kwhost kelvd-floor; do
      args=()
      [ $program = kwhost ] && args=(--time configure 1)
      if ! "$kelvd_wine" "$tree/bin/$program.exe" "${args[@]}" \
        >"$reports/$program-$run.txt" 2>&1 </dev/null; then
        cat "$reports/$program-$run.txt"
        echo "$program failed in run $run under the Wine of $KELVD_BITS bits" >&2
        exit 1
      fi
    done
  done
)

kelvd_private_display || exit 1
for bits in 32 64; do
  time_sheet $bits || exit 1
done

echo "== The sheet at full capacity beside its floor (kwhost --time, kelvd-floor; medians of $runs runs, in ms)"
# "Time to ...: 12.3 ms" and "Floor of ...: 4.5 ms" lines: per line of text and Wine, the median
# of the runs (run 0 left out); then the two ratios, each the median of the runs' own.
files=()
for bits in 32 64; do
  for ((run = 1; run <= runs; ++run)); do
    files+=("out/bench/$bits/kwhost-$run.txt" "out/bench/$bits/kelvd-floor-$run.txt")
  done
done
awk -F': ' '
  function median(list, n,    i, j, t) {
    for (i = 2; i <= n; ++i)
      for (j = i; j > 1 && list[j - 1] > list[j]; --j) {
        t = list[j]; list[j] = list[j - 1]; list[j - 1] = t
      }
    return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
  }
  function figure(key, bits,    i, list) {
    for (i = 1; i <= count[key, bits]; ++i) list[i] = values[key, bits, i]
    return median(list, count[key, bits])
  }
  # For each run, the time divided by the floor measured right after it, at the same load; their
  # median.
  function ratio(time, floor, bits,    i, list) {
    for (i = 1; i <= count[time, bits]; ++i) list[i] = values[time, bits, i] / values[floor, bits, i]
    return median(list, count[time, bits])
  }
  function ratios(label, time, floor, target) {
    printf "%-64s %10.2f %10.2f   (target <= %s)\n", label, ratio(time, floor, 32),
           ratio(time, floor, 64), target
  }
  /^(Time|Floor) / {
    bits = FILENAME ~ /\/32\// ? 32 : 64
    key = $1; sub(/ ms\r?$/, "", $2)
    if (!(key in seen)) { seen[key] = 1; order[++keys] = key }
    values[key, bits, ++count[key, bits]] = $2 + 0
  }
  END {
    printf "%-64s %10s %10s\n", "", "i686", "x86_64"
    for (k = 1; k <= keys; ++k)
      printf "%-64s %10.1f %10.1f\n", order[k], figure(order[k], 32), figure(order[k], 64)
    ratios("First paint / its floor", "Time to the sheet'\''s first paint", "Floor of the first paint", 1.3)
    ratios("OK to the return / its floor", "Time from OK to the return", "Floor of OK to the return", 1.5)
  }' "${files[@]}"
