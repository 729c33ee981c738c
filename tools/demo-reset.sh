#!/usr/bin/env bash
# make demo-reset: removes make run's demonstration prefixes, out/demo-prefix (32-bit Wine) and
# out/demo-prefix-64 (64-bit), after ending their Wine servers, so that the next run sets them up
# afresh with the demonstration's files and nothing that earlier runs stored.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-settings.sh"
for prefix in "$root/out/demo-prefix" "$root/out/demo-prefix-64"; do
  if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix kelvd_wine_stop
    rm -rf "$prefix"
    echo "Removed the demonstration prefix $prefix"
  fi
done
