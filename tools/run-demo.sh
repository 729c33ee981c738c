#!/usr/bin/env bash
# make run: opens the settings sheet through kwhost.exe in the demonstration prefix out/demo-prefix
# (set up by demo-prefix.sh once, then reused), in the RunMode given (default 1).
# With a display (DISPLAY set) the sheet appears there and waits for the user. Without one it
# opens on a private Xvfb display, kwhost saves a PNG of every page (and of every message box)
# in out/screens/ and closes the sheet with OK. Then it prints what was stored: the checker's
# service key, the hook-state file and the Farhand export (mode 3 stores on kwhost's in-memory
# target, which kwhost prints itself).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mode=${1:-1}
tree=build/win64
source tools/wine-settings.sh
source tools/demo-layout.sh
source tools/xvfb.sh

tools/demo-prefix.sh "$root/out/demo-prefix" "$tree" || exit 1
kelvd_demo_layout "$root/out/demo-prefix"
export WINEPREFIX=$demo_prefix

screens=$root/out/screens
options=()
decorated=Y
if [ -z "${DISPLAY:-}" ]; then
  kelvd_private_display || exit 1
  rm -rf "$screens"
  mkdir -p "$screens"
  options=(--screens "$(kelvd_windows_path "$screens")")
  decorated=N # no window manager draws frames there: Wine draws its own
fi
kelvd_on_exit kelvd_wine_stop
"$kelvd_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d $decorated /f >/dev/null 2>&1

echo "== kwhost configure $mode"
"$kelvd_wine" "$tree/bin/kwhost.exe" "${options[@]}" configure "$mode"
status=$?
if ((status != 0)); then
  echo "kwhost failed (exit code $status)"
  exit $status
fi

echo "== HKLM\\System\\CurrentControlSet\\Services\\Kelvd"
if key=$("$kelvd_wine" reg query 'HKLM\System\CurrentControlSet\Services\Kelvd' 2>/dev/null); then
  echo "$key"
else
  echo "(no such key)"
fi
echo "== $demo_kitwright\\hookstate.dat"
cat "$demo_kitwright_dir/hookstate.dat" 2>/dev/null || echo "(no such file)"
echo "== $demo_forgeline\\Farhand\\KVConfig.Reg"
cat "$demo_farhand_dir/KVConfig.Reg" 2>/dev/null || echo "(no such file)"
if ((${#options[@]})); then
  echo "== Pictures in out/screens/"
  ls "$screens"
fi
