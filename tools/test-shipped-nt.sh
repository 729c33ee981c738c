# Sourced by test-shipped-dll.sh for Windows NT 4.0 (nt40) and Windows 2000 (win2k): every entry
# point and RunMode of the shipped DLL on the local machine's registry and files, the Forgeline
# applet built with either calling convention, and an embedded target whose table holds either.
group="System Bus Extender"
[ "$version" = win2k ] && group="Boot Bus Extender"
hook_state=$demo_kitwright_dir/hookstate.dat
export_file=$demo_farhand_dir/KVConfig.Reg
# The three demonstration drivers' rows of the state list: ".sys", its 0 byte, its state.
rows_in_state() { test "$(stored_key | grep -o "2E737973000$1" | wc -l)" = 3; }

host selectall selectall
expect "SelectAll returns" exited selectall 0
stored_key >"$work/all.txt"
expect "SelectAll creates the checker's service key, Group \"$group\"" \
  contains "$work/all.txt" "    Group    REG_SZ    $group"
expect "SelectAll monitors every driver" rows_in_state 1
expect "SelectAll hooks every event" contains "$work/all.txt" "Registry    REG_BINARY    03000000010101"
expect "the checker starts at boot" contains "$work/all.txt" "    Start    REG_DWORD    0x0"

host selectnone selectnone
expect "SelectNone returns" exited selectnone 0
expect "SelectNone monitors no driver" rows_in_state 0
expect "SelectNone hooks no event" contains <(stored_key) "Registry    REG_BINARY    03000000000000"

# OK with boot start: the library calls the Forgeline applet. Without one the user is told.
rm -f "$hook_state"
host ok-no-applet --screens "$(screens 1)" configure 1
expect "RunMode 1: OK returns 0" contains "$work/ok-no-applet.txt" "ConfigureKELVD returned 0"
expect "RunMode 1: the sheet was shown and pictured" test -f "$work/screens-1/01-general-settings.png"
expect "RunMode 1: no applet is message 1525" \
  contains "$work/ok-no-applet.txt" "Error accessing Forgeline control panel!"
expect "RunMode 1: the hook-state file is written" test -s "$hook_state"

# The applet's export as a plain C function and as __stdcall: the host survives both, and the
# user is told that the Tempora driver was disabled.
export KELVD_FLINE_LOG=$work/fline.log
for convention in cdecl stdcall; do
  cp "$tree/applets/$convention/FLine.cpl" "$system_dir/FLine.cpl"
  rm -f "$KELVD_FLINE_LOG"
  host "applet-$convention" --screens "$(screens "applet-$convention")" configure 1
  expect "a $convention applet: the host comes back and exits 0" exited "applet-$convention" 0
  expect "a $convention applet: OK returns 0" \
    contains "$work/applet-$convention.txt" "ConfigureKELVD returned 0"
  expect "a $convention applet is called once with 0, 0" \
    test "$(cat "$KELVD_FLINE_LOG" 2>/dev/null)" = "FLCPanel_SetDriverState 0 0"
  expect "a $convention applet: message 1523 with the caption Kitwright" \
    contains "$work/applet-$convention.txt" 'Message box "Kitwright": Due to the overhead of Kelvarin'
done
rm -f "$system_dir/FLine.cpl"

# The Farhand export writes only its file.
stored_key >"$work/before-2.txt"
host export --screens "$(screens 2)" configure 2
expect "RunMode 2: OK returns 0" contains "$work/export.txt" "ConfigureKELVD returned 0"
expect "RunMode 2: KVConfig.Reg is a REGEDIT4 file" test "$(head -c 8 "$export_file")" = REGEDIT4
expect "RunMode 2: KVConfig.Reg names the Group of the agent" \
  contains "$export_file" '"Group"="System Bus Extender"'
expect "RunMode 2: the local key is unchanged" cmp "$work/before-2.txt" <(stored_key)

# The embedded target, its table of __stdcall functions as the header declares them, then of
# plain C functions as a host written from the slots' argument lists might fill it.
host target-stdcall --screens "$(screens 3)" configure 3
host target-plain-c --screens "$(screens 3c)" --plain-c-target configure 3
for table in stdcall plain-c; do
  expect "RunMode 3, $table table: the host comes back and exits 0" exited "target-$table" 0
  expect "RunMode 3, $table table: OK returns 0" \
    contains "$work/target-$table.txt" "ConfigureKELVD returned 0"
  expect "RunMode 3, $table table: the target's drivers are stored on it" \
    grep -qE '^ +Driver +REG_BINARY +.*4B776E657400' "$work/target-$table.txt"
done
expect "RunMode 3: either table gives the same target" \
  cmp <(sed -n '/^Stored on the target/,$p' "$work/target-stdcall.txt") \
  <(sed -n '/^Stored on the target/,$p' "$work/target-plain-c.txt")

# The sheet alone stores nothing; the help mode stores as RunMode 1 does.
stored_key >"$work/before-4.txt"
cp "$hook_state" "$work/hookstate-before-4"
host sheet-only --screens "$(screens 4)" configure 4
expect "RunMode 4: OK returns 0" contains "$work/sheet-only.txt" "ConfigureKELVD returned 0"
expect "RunMode 4: the key is unchanged" cmp "$work/before-4.txt" <(stored_key)
expect "RunMode 4: the hook-state file is unchanged" cmp "$work/hookstate-before-4" "$hook_state"
host help --screens "$(screens 0)" configure 0 kelvd.hlp
expect "RunMode 0: OK returns 0" contains "$work/help.txt" "ConfigureKELVD returned 0"
