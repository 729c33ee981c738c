#!/usr/bin/env bash
# Builds the named targets of one tree, saying only what it builds: usage build-quietly.sh TREE
# TARGET... The tree is configured by its preset when it has not been yet. Everything the build
# prints goes to out/build-TREE.log, whose end is shown when the build fails.
set -uo pipefail
cd "$(dirname "$0")/.."
tree=${1:?usage: build-quietly.sh TREE TARGET...}
shift
log=out/build-$tree.log
mkdir -p out
echo "Building $* in build/$tree (the build's own output: $log)"
if ! { [ -f "build/$tree/CMakeCache.txt" ] || cmake --preset "$tree"; } >"$log" 2>&1 ||
  ! cmake --build "build/$tree" -j "${JOBS:-$(nproc)}" --target "$@" >>"$log" 2>&1; then
  tail -40 "$log"
  echo "The build failed; all of its output is in $log" >&2
  exit 1
fi
