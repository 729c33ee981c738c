#!/usr/bin/env bash
# Sets up make run's demonstration Wine prefix: usage demo-prefix.sh PREFIX BUILD_TREE.
# Besides what every prefix of the project has (prefix-setup.sh) it gives it
#   - the demonstration API catalogue KELVD.API and hook-state file hookstate.dat (demo/) in the
#     suite's directory;
#   - three driver services, Kwaudio, Kwdisk and Kwnet, whose images (built into
#     BUILD_TREE/demo/drivers) are copied to system32\drivers.
# Later runs find the prefix ready and do nothing; a prefix set up again gets the
# demonstration's hook-state file back.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/prefix-setup.sh"
prefix=${1:?usage: demo-prefix.sh PREFIX BUILD_TREE}
tree=${2:?usage: demo-prefix.sh PREFIX BUILD_TREE}

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

kelvd_prefix_begin demonstration "$prefix" "$0" "$root/tools/demo-layout.sh" \
  "$root/demo/KELVD.API" "$root/demo/hookstate.dat" "${images[@]}" || exit 0
cp "$root/demo/KELVD.API" "$root/demo/hookstate.dat" "$demo_kitwright_dir/"
cp "${images[@]}" "$demo_drivers_dir/"

service() { # name, start type, group, description
  cat <<REG

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\$1]
"Type"=dword:00000001
"Start"=dword:0000000$2
"ErrorControl"=dword:00000001
"Group"=$(kelvd_quoted "$3")
"DisplayName"=$(kelvd_quoted "$4")
"ImagePath"=$(kelvd_quoted "System32\\drivers\\${1,,}.sys")
REG
}
registry=$prefix/kelvd-demo.reg
{
  kelvd_prefix_registry
  service Kwaudio 3 Base "Demonstration audio"
  service Kwdisk 4 Filter "Demonstration disk filter"
  service Kwnet 3 NDIS "Demonstration network adapter"
} >"$registry"
kelvd_prefix_import "$registry"
# The service manager reads the services when its server starts: start the next program with a
# fresh one.
kelvd_wine_stop
kelvd_prefix_end
