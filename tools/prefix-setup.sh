# Sourced: what the demonstration prefix (demo-prefix.sh) and the full-capacity prefix
# (bench-prefix.sh) share. Such a prefix is set up once and reused; when the files it is made
# from change (or a set-up was cut short) it is set up again, which leaves the same prefix as a
# first set-up. Every one has the install directories of the Kitwright suite and the Forgeline
# family (the InstallDir values of "Software\Ostrand\Kitwright" and "Software\Ostrand\Forgeline"),
# the Farhand directory below Forgeline's, the key "Software\Ostrand\EmbeddedFL", and Wine's own
# fonts in its Fonts folder.
#   kelvd_prefix_begin NAME PREFIX FILE...  false (saying the prefix is ready) when PREFIX was
#                                           set up from these FILEs; else creates the prefix or
#                                           readies it for a new set-up, with the directories
#   kelvd_prefix_registry                   the REGEDIT4 text of the install directories, to
#                                           which a set-up adds its own keys
#   kelvd_prefix_import FILE                imports a REGEDIT4 file and removes it
#   kelvd_prefix_end                        marks the set-up complete
source "$(dirname "${BASH_SOURCE[0]}")/wine-settings.sh"
source "$(dirname "${BASH_SOURCE[0]}")/demo-layout.sh"

kelvd_prefix_begin() {
  kelvd_prefix_name=$1
  kelvd_prefix_dir=$2
  shift 2
  kelvd_demo_layout "$kelvd_prefix_dir"
  export WINEPREFIX=$kelvd_prefix_dir
  kelvd_prefix_stamp=$(cat "${BASH_SOURCE[0]}" "$@" | sha256sum | cut -d' ' -f1)
  if [ -f "$kelvd_prefix_dir/.kelvd-demo" ] &&
    [ "$(cat "$kelvd_prefix_dir/.kelvd-demo")" = "$kelvd_prefix_stamp" ]; then
    echo "${kelvd_prefix_name^} prefix $kelvd_prefix_dir is ready"
    return 1
  fi
  if ! [ -f "$kelvd_prefix_dir/system.reg" ]; then
    echo "Creating the $kelvd_prefix_name prefix $kelvd_prefix_dir"
    mkdir -p "$kelvd_prefix_dir"
    "$kelvd_wine" wineboot -i >/dev/null 2>&1
  else
    echo "Bringing the $kelvd_prefix_name prefix $kelvd_prefix_dir up to date"
  fi
  rm -f "$kelvd_prefix_dir/.kelvd-demo"
  mkdir -p "$demo_kitwright_dir" "$demo_farhand_dir" "$demo_drivers_dir"
  # Wine looks for its own fonts in its data directory and, as packaged here, does not find them
  # there; in the prefix's Fonts folder it does: the dialogs get their Tahoma and the title bars
  # the Marlett glyphs of their buttons.
  cp "$kelvd_wine_fonts"/*.ttf "$kelvd_prefix_dir/drive_c/windows/Fonts/" 2>/dev/null || true
}

# Registry text: backslashes doubled inside quoted strings.
kelvd_quoted() { echo "\"${1//\\/\\\\}\""; }

kelvd_prefix_registry() {
  echo REGEDIT4
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Ostrand\Kitwright]'
  echo "\"InstallDir\"=$(kelvd_quoted "$demo_kitwright")"
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Ostrand\Forgeline]'
  echo "\"InstallDir\"=$(kelvd_quoted "$demo_forgeline")"
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Ostrand\EmbeddedFL]'
}

kelvd_prefix_import() {
  "$kelvd_wine" regedit /s "$(kelvd_windows_path "$1")"
  rm -f "$1"
}

kelvd_prefix_end() {
  echo "$kelvd_prefix_stamp" >"$kelvd_prefix_dir/.kelvd-demo"
  echo "${kelvd_prefix_name^} prefix $kelvd_prefix_dir is ready"
}
