#!/usr/bin/env bash
# Checks make run's prefix set-up (demo-prefix.sh) in a throwaway prefix: the first run puts in
# every key and file, a second run finds the prefix ready and changes nothing, and a run after a
# set-up that was cut short gives the same prefix as the first. Usage: test-demo-prefix.sh TREE.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=${1:?usage: test-demo-prefix.sh BUILD_TREE}
source "$root/tools/wine-settings.sh"
source "$root/tools/exit-actions.sh"
source "$root/tools/demo-layout.sh"
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/kelvd-demo-test.XXXXXX)
kelvd_on_exit 'kelvd_wine_stop; rm -rf "$WINEPREFIX"'
kelvd_demo_layout "$WINEPREFIX"

source "$root/tools/expect.sh"
setup() { "$root/tools/demo-prefix.sh" "$WINEPREFIX" "$tree"; }
keys=('HKLM\Software\Ostrand\Kitwright' 'HKLM\Software\Ostrand\Forgeline'
  'HKLM\Software\Ostrand\EmbeddedFL' 'HKLM\System\CurrentControlSet\Services\Kwaudio'
  'HKLM\System\CurrentControlSet\Services\Kwdisk' 'HKLM\System\CurrentControlSet\Services\Kwnet')
# Every key and file the set-up makes, as text.
snapshot() {
  local key
  for key in "${keys[@]}"; do
    echo "$key"
    "$kelvd_wine" reg query "$key" 2>&1 | tr -d '\r' || echo "(missing)"
  done
  (cd "$demo_kitwright_dir" && sha256sum KELVD.API hookstate.dat)
  (cd "$demo_drivers_dir" && sha256sum kwaudio.sys kwdisk.sys kwnet.sys)
  [ -d "$demo_farhand_dir" ] && echo "Farhand directory"
}

first_output=$(setup)
first=$(snapshot)
expect "a first run creates the prefix" grep -q "Creating the demonstration prefix" <<<"$first_output"
expect "the suite's install directory" \
  grep -q 'InstallDir    REG_SZ    C:\\Program Files\\Ostrand\\Kitwright$' <<<"$first"
expect "the family's install directory" \
  grep -q 'InstallDir    REG_SZ    C:\\Program Files\\Ostrand\\Forgeline$' <<<"$first"
expect "a disabled driver service" grep -q 'Start    REG_DWORD    0x4$' <<<"$first"
expect "driver images in system32\\drivers" \
  grep -q 'ImagePath    REG_SZ    System32\\drivers\\kwnet.sys$' <<<"$first"
expect "no key is missing (the embedded target's among them)" test "$(grep -c '(missing)' <<<"$first")" = 0
expect "the catalogue as the demonstration has it" \
  cmp "$root/demo/KELVD.API" "$demo_kitwright_dir/KELVD.API"
expect "the hook state as the demonstration has it" \
  cmp "$root/demo/hookstate.dat" "$demo_kitwright_dir/hookstate.dat"
expect "the driver images as built" cmp "$tree/demo/drivers/kwdisk.sys" "$demo_drivers_dir/kwdisk.sys"
expect "the Farhand directory" test -d "$demo_farhand_dir"

# What the sheet stores stays: a ready prefix is reused as it is.
echo "Alpha=1" >"$demo_kitwright_dir/hookstate.dat"
second_output=$(setup)
expect "a second run finds the prefix ready" test "$second_output" = \
  "Demonstration prefix $WINEPREFIX is ready"
expect "a second run changes nothing" test "$(cat "$demo_kitwright_dir/hookstate.dat")" = "Alpha=1"

# A set-up cut short leaves no stamp; the next run completes it without doubling anything.
rm "$WINEPREFIX/.kelvd-demo"
third_output=$(setup)
expect "a run after an unfinished set-up completes it" grep -q "up to date" <<<"$third_output"
expect "which gives the prefix of a first run" test "$(snapshot)" = "$first"

((failures == 0))
