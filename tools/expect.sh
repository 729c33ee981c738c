# Sourced by the shell tests: expect DESCRIPTION COMMAND... runs the command quietly and says
# "ok: DESCRIPTION" or "FAILED: DESCRIPTION", counting the failures in $failures.
failures=0
expect() {
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
