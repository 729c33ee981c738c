# Sourced by test-shipped-dll.sh for Windows 98 (win98): the library takes its Windows 9x paths,
# the VxD pages, the checker VxD's configuration file KELVDVXD.CFG in the system directory and the
# device line of system.ini, and writes no settings in the registry. Wine has no checker VxD, so
# the model load stops at the checker's device, silently: no catalogue is read, and the hook-state
# file, which holds the user's event choices, is left alone.
config=$system_dir/KELVDVXD.CFG
hook_state=$demo_kitwright_dir/hookstate9x.dat
system_ini=$WINEPREFIX/drive_c/windows/system.ini
no_settings_in_the_registry() { ! stored_key | grep -q MemUsage; }

host selectall selectall
expect "SelectAll returns" exited selectall 0
expect "SelectAll writes KELVDVXD.CFG in the system directory" test -s "$config"
expect "SelectAll writes no settings in the registry" no_settings_in_the_registry

host ok --screens "$(screens 1)" configure 1
expect "RunMode 1: OK returns 0" contains "$work/ok.txt" "ConfigureKELVD returned 0"
expect "RunMode 1: the VxD pages are shown" test -f "$work/screens-1/04-select-vxds.png"
expect "RunMode 1: no message (the checker's device is missing)" \
  test -z "$(grep 'Message box' "$work/ok.txt")"
expect "RunMode 1: boot start loads the VxD from system.ini" \
  grep -qx $'device=kelvd.vxd\r\\?' "$system_ini"
expect "RunMode 1: the hook-state file is left alone" test ! -e "$hook_state"
expect "RunMode 1: no settings in the registry" no_settings_in_the_registry
