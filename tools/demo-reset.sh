#!/usr/bin/env bash
# make demo-reset: removes make run's demonstration prefix out/demo-prefix (after ending its Wine
# server), so that the next run sets it up afresh with the demonstration's files and nothing that
# earlier runs stored.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-settings.sh"
prefix=$root/out/demo-prefix
if [ -d "$prefix" ]; then
  WINEPREFIX=$prefix kelvd_wine_stop
  rm -rf "$prefix"
  echo "Removed the demonstration prefix $prefix"
fi
