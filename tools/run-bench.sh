#!/usr/bin/env bash
# make bench: the native benchmark's summary (kelvd-bench --summary: every operation beside its
# floor), then the sheet timed under wine64 at full capacity: kwhost --time configure 1 run RUNS
# times (default 5) in the full-capacity prefix out/bench-prefix (set up by bench-prefix.sh once,
# then reused) on a private X display, each figure with the median of the runs. Each run's own
# report is kept in out/bench/ (run-0 warms the prefix up and is not counted). Xvfb has no window
# manager, for which Wine waits up to two seconds whenever a window it expects one to manage is
# hidden: the prefix's windows are made unmanaged (Wine places and activates them itself).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-5}
KELVD_BITS=64
source tools/wine-settings.sh
tree=$kelvd_tree
source tools/xvfb.sh

echo "== kelvd-bench --summary (native, on the substitute platform; medians of 5 repetitions)"
build/linux/bin/kelvd-bench --summary || exit 1

echo "== kwhost --time configure 1 (wine64, full capacity; medians of $runs runs, in ms)"
tools/bench-prefix.sh "$root/out/bench-prefix" "$tree" >/dev/null || exit 1
export WINEPREFIX=$root/out/bench-prefix
kelvd_private_display || exit 1
# The prefix's server and service manager stay up from a first run, whose figures are not kept,
# as a machine's own always are.
"$kelvd_wineserver" -p
kelvd_on_exit kelvd_wine_stop
for setting in Decorated Managed; do
  "$kelvd_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v $setting /d N /f >/dev/null 2>&1
done
mkdir -p out/bench
rm -f out/bench/run-*.txt
for ((run = 0; run <= runs; ++run)); do
  if ! "$kelvd_wine" "$tree/bin/kwhost.exe" --time configure 1 >"out/bench/run-$run.txt" 2>&1; then
    cat "out/bench/run-$run.txt"
    echo "kwhost failed in run $run" >&2
    exit 1
  fi
done
# "Time to ...: 12.3 ms" lines: per line of text, the median of the runs and every run's figure.
awk -F': ' '/^Time / {
    key = $1; sub(/ ms\r?$/, "", $2)
    if (!(key in count)) order[++keys] = key
    values[key, ++count[key]] = $2
  }
  END {
    for (k = 1; k <= keys; ++k) {
      key = order[k]; n = count[key]; list = ""
      for (i = 1; i <= n; ++i) { sorted[i] = values[key, i] + 0; list = list " " values[key, i] }
      for (i = 2; i <= n; ++i)
        for (j = i; j > 1 && sorted[j - 1] > sorted[j]; --j) {
          t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
        }
      median = n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
      printf "%s: %.1f ms (runs:%s)\n", key, median, list
    }
  }' $(seq -f out/bench/run-%g.txt 1 "$runs")
