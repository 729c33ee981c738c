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
