#!/usr/bin/env bash
# Runs every test: the native suite, the same suite with sanitizers, the fuzzers briefly, then
# the i686 suites and the shipped DLL under 32-bit Wine, and the win64 suites under wine64, each in
# a fresh prefix with a private X display. Fails when any of them fails.
set -uo pipefail
cd "$(dirname "$0")/.."

check_pe() { # path, expected objdump format
  local format
  format=$(x86_64-w64-mingw32-objdump -f "$1" 2>/dev/null | sed -n 's/.*file format //p')
  if [ "$format" != "$2" ]; then
    echo "$1: file format '$format', expected '$2'"
    return 1
  fi
  echo "$1: $format"
}

status=0
check_pe build/win32/bin/kelvdcfg.dll pei-i386 || status=1
check_pe build/win64/bin/kelvdcfg.dll pei-x86-64 || status=1
for dll in build/win32/bin/kelvdcfg.dll build/win64/bin/kelvdcfg.dll; do
  x86_64-w64-mingw32-objdump -h "$dll" | grep -q '\.rsrc' || { echo "$dll: no resources"; status=1; }
done

echo "== the 32-bit DLL's files: exports, imports, import libraries, package"
ctest --test-dir build/win32 -L product --output-on-failure || status=1

echo "== native tests (substitute platform)"
ctest --test-dir build/linux --output-on-failure || status=1

echo "== native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure || status=1

echo "== every fuzzer, briefly"
tools/run-fuzzers.sh 3 || status=1

# Each Windows tree in a fresh prefix of its own Wine, windows on a private X display.
windows_tests() { # bits, tree, ctest options
  (
    export KELVD_BITS=$1
    source tools/xvfb.sh
    kelvd_private_display
    source tools/wine-env.sh
    ctest --test-dir "$2" --output-on-failure "${@:3}"
  )
}

echo "== i686 tests under 32-bit Wine: the suites, and the shipped DLL end to end"
windows_tests 32 build/win32 -LE product || status=1

echo "== win64 tests under wine64"
windows_tests 64 build/win64 || status=1

exit $status
