# Sourced: kelvd_private_display starts an X server of its own (Xvfb, 1024x768, 24 bits) on the
# first free display, points DISPLAY at it, and stops it when the shell exits.
source "$(dirname "${BASH_SOURCE[0]}")/exit-actions.sh"
kelvd_private_display() {
  local number_file
  number_file=$(mktemp /tmp/kelvd-xvfb.XXXXXX)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  kelvd_on_exit "kill $! 2>/dev/null; wait $! 2>/dev/null; rm -f '$number_file'"
  local tries
  for ((tries = 0; tries < 100; ++tries)); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  if ! [ -s "$number_file" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n1 "$number_file")"
}
