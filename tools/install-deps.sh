#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; quick when all are there.
set -euo pipefail
packages=(
  cmake make g++ git file clang-format         # cmake: also cpack, which zips the package
  googletest                                   # GoogleTest sources, built by each tree
  libbenchmark-dev                             # Google Benchmark, for kelvd-bench
  libcli11-dev nlohmann-json3-dev              # kelvcfg's command line and JSON (header-only)
  libvalijson-dev                              # the profiles' JSON Schema, checked in tests
  libutfcpp-dev                                # kelvcfg's UTF-8 (header-only)
  libhivex-dev                                 # kelvcfg's offline hives
  libstb-dev                                   # kwhost's PNG pictures (header-only)
  g++-mingw-w64-i686 g++-mingw-w64-x86-64      # the Windows cross compilers, windres included
  wine64 xvfb xauth                            # running the Windows build; windows on Xvfb
  clang libclang-rt-14-dev                     # the sanitizer build and the fuzzers
  llvm-14 lld-14                               # the import library for Microsoft linkers, checked
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
# 32-bit Wine, which runs the shipped i686 DLL and its tests.
"$(dirname "$0")/install-wine32.sh"
