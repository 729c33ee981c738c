#!/usr/bin/env bash
# Sets up make run's demonstration Wine prefix: usage demo-prefix.sh PREFIX BUILD_TREE.
# The first run creates the prefix and gives it
#   - the install directories of the Kitwright suite and the Forgeline family (the InstallDir
#     values of "Software\Ostrand\Kitwright" and "Software\Ostrand\Forgeline"), the Farhand
#     directory below Forgeline's, and the key "Software\Ostrand\EmbeddedFL";
#   - the demonstration API catalogue KELVD.API and hook-state file hookstate.dat (demo/) in the
#     suite's directory;
#   - three driver services, Kwaudio, Kwdisk and Kwnet, whose images (built into
#     BUILD_TREE/demo/drivers) are copied to system32\drivers.
# Later runs find the prefix ready and do nothing. When the demonstration files or this script
# have changed since (or a run was cut short), the files and keys are put in again, which
# leaves the same prefix as a first run; the hook-state file goes back to the demonstration's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-settings.sh"
source "$root/tools/demo-layout.sh"
prefix=${1:?usage: demo-prefix.sh PREFIX BUILD_TREE}
tree=${2:?usage: demo-prefix.sh PREFIX BUILD_TREE}
kelvd_demo_layout "$prefix"
export WINEPREFIX=$prefix

drivers=(kwaudio kwdisk kwnet)
images=()
for driver in "${drivers[@]}"; do
  image=$tree/demo/drivers/$driver.sys
  if ! [ -f "$image" ]; then
    echo "No $image: build the tree first (make tree-$(basename "$tree"))" >&2
    exit 1
  fi
  images+=("$image")
done

stamp_file=$prefix/.kelvd-demo
stamp=$(cat "$0" "$root/tools/demo-layout.sh" "$root/demo/KELVD.API" "$root/demo/hookstate.dat" \
  "${images[@]}" | sha256sum | cut -d' ' -f1)
if [ -f "$stamp_file" ] && [ "$(cat "$stamp_file")" = "$stamp" ]; then
  echo "Demonstration prefix $prefix is ready"
  exit 0
fi

if ! [ -f "$prefix/system.reg" ]; then
  echo "Creating the demonstration prefix $prefix"
  mkdir -p "$prefix"
  "$kelvd_wine" wineboot -i >/dev/null 2>&1
else
  echo "Bringing the demonstration prefix $prefix up to date"
fi
rm -f "$stamp_file"

mkdir -p "$demo_kitwright_dir" "$demo_farhand_dir" "$demo_drivers_dir"
cp "$root/demo/KELVD.API" "$root/demo/hookstate.dat" "$demo_kitwright_dir/"
cp "${images[@]}" "$demo_drivers_dir/"

# Registry text: backslashes doubled inside quoted strings.
quoted() { echo "\"${1//\\/\\\\}\""; }
service() { # name, start type, group, description
  cat <<REG

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\$1]
"Type"=dword:00000001
"Start"=dword:0000000$2
"ErrorControl"=dword:00000001
"Group"=$(quoted "$3")
"DisplayName"=$(quoted "$4")
"ImagePath"=$(quoted "System32\\drivers\\${1,,}.sys")
REG
}
registry=$prefix/kelvd-demo.reg
{
  echo REGEDIT4
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Ostrand\Kitwright]'
  echo "\"InstallDir\"=$(quoted "$demo_kitwright")"
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Ostrand\Forgeline]'
  echo "\"InstallDir\"=$(quoted "$demo_forgeline")"
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Ostrand\EmbeddedFL]'
  service Kwaudio 3 Base "Demonstration audio"
  service Kwdisk 4 Filter "Demonstration disk filter"
  service Kwnet 3 NDIS "Demonstration network adapter"
} >"$registry"
"$kelvd_wine" regedit /s "$(kelvd_windows_path "$registry")"
rm -f "$registry"
# The service manager reads the services when its server starts: start the next program with a
# fresh one.
kelvd_wine_stop

echo "$stamp" >"$stamp_file"
echo "Demonstration prefix $prefix is ready"
