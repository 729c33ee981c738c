# Sourced: where make run's demonstration prefix keeps things. kelvd_demo_layout PREFIX sets
# demo_* to the Windows names and the Linux paths of the suite's and the family's install
# directories, the Farhand directory and the drivers directory in that prefix.
kelvd_demo_layout() {
  demo_prefix=$1
  demo_kitwright='C:\Program Files\Ostrand\Kitwright'
  demo_forgeline='C:\Program Files\Ostrand\Forgeline'
  demo_kitwright_dir="$demo_prefix/drive_c/Program Files/Ostrand/Kitwright"
  demo_forgeline_dir="$demo_prefix/drive_c/Program Files/Ostrand/Forgeline"
  demo_farhand_dir="$demo_forgeline_dir/Farhand"
  demo_drivers_dir="$demo_prefix/drive_c/windows/system32/drivers"
}

# A Linux path as a Windows program in the prefix names it (Wine maps Z: to the root).
kelvd_windows_path() {
  local path=$1
  echo "Z:${path//\//\\}"
}

# Copies into DIR what a run of the sheet may change in the prefix that kelvd_demo_layout named
# (through the Wine of wine-settings.sh): the checker's service key as "reg query" prints it
# (key.txt, absent when there is no such key), the hook-state file and the Farhand export (each
# only when it exists).
kelvd_demo_snapshot() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$dir"
  "$kelvd_wine" reg query 'HKLM\System\CurrentControlSet\Services\Kelvd' >"$dir/key.txt" 2>/dev/null ||
    rm -f "$dir/key.txt"
  cp "$demo_kitwright_dir/hookstate.dat" "$demo_farhand_dir/KVConfig.Reg" "$dir/" 2>/dev/null || true
}
