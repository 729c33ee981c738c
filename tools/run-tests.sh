#!/usr/bin/env bash
# Runs every test: the native suite, the same suite with sanitizers, the fuzzers briefly, then
# the i686 suites and the shipped DLL under 32-bit Wine, and the win64 suites under wine64, each in
# a fresh prefix with a private X display. Fails when any of them fails, and ends by naming
# those that failed, so that the last lines of a long log say where to look.
set -uo pipefail
cd "$(dirname "$0")/.."

failed=()
fail() { # what failed
  failed+=("$1")
}

# The names of the tests that failed in a tree's last ctest run.
failed_in() { # tree
  sed 's/^[0-9]*://' "$1"/Testing/Temporary/LastTestsFailed.log 2>/dev/null | paste -sd ' '
}

tests_in() { # what they are, tree, ctest options
  ctest --test-dir "$2" --output-on-failure "${@:3}" || fail "$1: $(failed_in "$2")"
}

check_pe() { # path, expected objdump format
  local format
  format=$(x86_64-w64-mingw32-objdump -f "$1" 2>/dev/null | sed -n 's/.*file format //p')
  if [ "$format" != "$2" ]; then
    echo "$1: file format '$format', expected '$2'"
    return 1
  fi
  echo "$1: $format"
}

check_pe build/win32/bin/kelvdcfg.dll pei-i386 || fail "the i686 DLL's format"
check_pe build/win64/bin/kelvdcfg.dll pei-x86-64 || fail "the x86_64 DLL's format"
for dll in build/win32/bin/kelvdcfg.dll build/win64/bin/kelvdcfg.dll; do
  x86_64-w64-mingw32-objdump -h "$dll" | grep -q '\.rsrc' || { echo "$dll: no resources"; fail "$dll's resources"; }
done

echo "== the 32-bit DLL's files: exports, imports, import libraries, package"
tests_in "the 32-bit DLL's files" build/win32 -L product

echo "== native tests (substitute platform)"
tests_in "native tests" build/linux

echo "== native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  tests_in "native tests with sanitizers" build/asan

echo "== every fuzzer, briefly"
tools/run-fuzzers.sh 3 || fail "fuzzers: $(ls out/fuzz/findings | paste -sd ' ')"

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
windows_tests 32 build/win32 -LE product || fail "i686 tests under 32-bit Wine: $(failed_in build/win32)"

echo "== win64 tests under wine64"
windows_tests 64 build/win64 || fail "win64 tests under wine64: $(failed_in build/win64)"

if [ ${#failed[@]} -gt 0 ]; then
  echo "== failed:"
  printf '   %s\n' "${failed[@]}"
  exit 1
fi
echo "== every test passed"
