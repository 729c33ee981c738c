#!/usr/bin/env bash
# make run: opens the settings sheet through kwhost.exe in the demonstration prefix out/demo-prefix
# (set up by demo-prefix.sh once, then reused), in the RunMode given (default 1); with --reset the
# prefix is first removed, so that it is set up afresh. Usage: run-demo.sh [--reset] [MODE].
# With a display (DISPLAY set) the sheet appears there and waits for the user. Without one it
# opens on a private Xvfb display, kwhost saves a PNG of every page (and of every message box) in
# out/screens/mode-MODE/ (replacing the pictures of an earlier run of that mode) and closes the
# sheet with OK. Then it says what this run changed (demo-changes.sh): the checker's service key,
# the hook-state file and the Farhand export, before and after (mode 3 stores on kwhost's
# in-memory target, which kwhost prints itself). Exits with kwhost's exit code.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mode=1
reset=
for arg; do
  case $arg in
  --reset) reset=yes ;;
  *) mode=$arg ;;
  esac
done
source tools/wine-settings.sh
tree=$kelvd_tree
prefix=$root/$kelvd_demo_prefix
source tools/demo-layout.sh
source tools/xvfb.sh

[ -n "$reset" ] && { tools/demo-reset.sh || exit 1; }
tools/demo-prefix.sh "$prefix" "$tree" || exit 1
kelvd_demo_layout "$prefix"
export WINEPREFIX=$demo_prefix

screens=$root/out/screens/mode-$mode
options=()
if [ -z "${DISPLAY:-}" ]; then
  kelvd_private_display || exit 1
  rm -rf "$screens"
  options=(--screens "$(kelvd_windows_path "$screens")")
  # No window manager runs there: Wine draws the frames and activates the windows itself.
  for setting in Decorated Managed; do
    "$kelvd_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v $setting /d N /f >/dev/null 2>&1
  done
else
  for setting in Decorated Managed; do
    "$kelvd_wine" reg delete 'HKCU\Software\Wine\X11 Driver' /v $setting /f >/dev/null 2>&1
  done
fi
kelvd_on_exit kelvd_wine_stop
snapshots=$(mktemp -d /tmp/kelvd-demo-run.XXXXXX)
kelvd_on_exit "rm -rf '$snapshots'"
kelvd_demo_snapshot "$snapshots/before"

echo "== kwhost ${options[*]} configure $mode"
"$kelvd_wine" "$tree/bin/kwhost.exe" "${options[@]}" configure "$mode"
status=$?

kelvd_demo_snapshot "$snapshots/after"
tools/demo-changes.sh "$snapshots/before" "$snapshots/after"
if ((${#options[@]})) && [ -d "$screens" ]; then
  echo "== Pictures in out/screens/mode-$mode/"
  ls "$screens"
fi
if ((status != 0)); then
  echo "kwhost failed (exit code $status)"
fi
exit $status
