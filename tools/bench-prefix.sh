#!/usr/bin/env bash
# Sets up the Wine prefix that make bench times the sheet in: usage bench-prefix.sh PREFIX
# BUILD_TREE. Besides what every prefix of the project has (prefix-setup.sh) it holds the
# full-capacity data set (bench/full_capacity.h), which BUILD_TREE's kelvd-fullset.exe puts in:
# 256 driver services and 256 printer drivers with images in system32, 128 drivers added by
# file, the catalogue of 50 categories of 1,020 events, and a stored configuration of all of them
# with its hook-state file. Later runs find the prefix ready and do nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/prefix-setup.sh"
prefix=${1:?usage: bench-prefix.sh PREFIX BUILD_TREE}
tree=${2:?usage: bench-prefix.sh PREFIX BUILD_TREE}
fullset=$tree/bin/kelvd-fullset.exe
image=$tree/bench/kwdrv.sys
for file in "$fullset" "$image"; do
  if ! [ -f "$file" ]; then
    echo "No $file: build the tree first (make tree-$(basename "$tree"))" >&2
    exit 1
  fi
done

kelvd_prefix_begin full-capacity "$prefix" "$0" "$root/tools/demo-layout.sh" "$fullset" \
  "$image" || exit 0
kelvd_prefix_registry >"$prefix/kelvd-bench.reg"
kelvd_prefix_import "$prefix/kelvd-bench.reg"
"$kelvd_wine" "$fullset" install "$(kelvd_windows_path "$image")"
# The service manager reads the new services when its server starts.
kelvd_wine_stop
"$kelvd_wine" "$fullset" store
kelvd_wine_stop
kelvd_prefix_end
