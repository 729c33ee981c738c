#!/usr/bin/env bash
# The shipped DLL end to end, under 32-bit Wine reporting VERSION (nt40, win2k or win98): the
# i686 kwhost.exe of TREE/bin loads TREE/bin/kelvdcfg.dll by name and calls every entry point, in
# every RunMode, in a demonstration prefix of its own (demo-prefix.sh) on an X display (a private
# one when DISPLAY is unset). What the library stored is read back with Wine's own reg and from
# the files. Usage: test-shipped-dll.sh VERSION TREE. KELVD_KEEP=1 keeps the run's folder (its
# prefix, kwhost's output and the pictures) in /tmp for a look afterwards.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=${1:?usage: test-shipped-dll.sh VERSION TREE}
tree=$(cd "${2:?usage: test-shipped-dll.sh VERSION TREE}" && pwd)
export KELVD_BITS=32
source "$root/tools/wine-settings.sh"
source "$root/tools/exit-actions.sh"
source "$root/tools/demo-layout.sh"
source "$root/tools/xvfb.sh"

work=$(mktemp -d /tmp/kelvd-shipped.XXXXXX)
export WINEPREFIX=$work/prefix
kelvd_on_exit 'kelvd_wine_stop; [ -n "${KELVD_KEEP:-}" ] || rm -rf "$work"'
"$root/tools/demo-prefix.sh" "$WINEPREFIX" "$tree" >"$work/setup.txt" 2>&1 || {
  cat "$work/setup.txt"
  exit 1
}
kelvd_demo_layout "$WINEPREFIX"
system_dir=$WINEPREFIX/drive_c/windows/system32
"$kelvd_wine" reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
"$kelvd_wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  >/dev/null 2>&1
# No window manager runs on the test display: Wine places and activates the windows itself.
for setting in Decorated Managed; do
  "$kelvd_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v $setting /d N /f >/dev/null 2>&1
done
kelvd_wine_stop
[ -n "${DISPLAY:-}" ] || kelvd_private_display || exit 1
# One server for every program of the run, as a machine's own always is.
"$kelvd_wineserver" -p

source "$root/tools/expect.sh"
contains() { grep -qF -- "$2" "$1"; }

# kwhost with the arguments given; its output in $work/NAME.txt, its exit code in $work/NAME.code.
host() { # name, arguments
  local name=$1
  shift
  "$kelvd_wine" "$tree/bin/kwhost.exe" "$@" </dev/null >"$work/$name.txt" 2>&1
  echo $? >"$work/$name.code"
  tr -d '\r' <"$work/$name.txt" >"$work/$name.tmp" && mv "$work/$name.tmp" "$work/$name.txt"
}
exited() { test "$(cat "$work/$1.code")" = "$2"; }
key='HKLM\System\CurrentControlSet\Services\Kelvd'
stored_key() { "$kelvd_wine" reg query "$key" 2>/dev/null | tr -d '\r'; }
screens() { kelvd_windows_path "$work/screens-$1"; }

if [ "$version" = win98 ]; then
  source "$root/tools/test-shipped-9x.sh"
else
  source "$root/tools/test-shipped-nt.sh"
fi

echo "$version: $failures failed"
((failures == 0))
