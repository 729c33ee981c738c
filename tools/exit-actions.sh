# Sourced: clean-up commands run when the shell exits, the latest registered first, so that
# several sourced set-ups can each leave one.
kelvd_exit_actions=${kelvd_exit_actions:-}
kelvd_on_exit() {
  kelvd_exit_actions="$1${kelvd_exit_actions:+; $kelvd_exit_actions}"
  # shellcheck disable=SC2064 # the list is meant to be fixed now
  trap "$kelvd_exit_actions" EXIT
}
