# Sourced: a fresh, throwaway Wine prefix for this shell, removed when the shell exits. A program
# that crashes in it ends rather than wait on Wine's crash dialog, which on a display would hold
# the test run for ever.
source "$(dirname "${BASH_SOURCE[0]}")/wine-settings.sh"
source "$(dirname "${BASH_SOURCE[0]}")/exit-actions.sh"
export WINEPREFIX="$(mktemp -d /tmp/kelvd-wine.XXXXXX)"
kelvd_on_exit 'kelvd_wine_stop; rm -rf "$WINEPREFIX"'
"$kelvd_wine" wineboot -i >/dev/null 2>&1
"$kelvd_wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  >/dev/null 2>&1
