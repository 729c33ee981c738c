# Sourced: a fresh, throwaway Wine prefix for this shell, removed when the shell exits.
source "$(dirname "${BASH_SOURCE[0]}")/wine-settings.sh"
source "$(dirname "${BASH_SOURCE[0]}")/exit-actions.sh"
export WINEPREFIX="$(mktemp -d /tmp/kelvd-wine.XXXXXX)"
kelvd_on_exit 'kelvd_wine_stop; rm -rf "$WINEPREFIX"'
"$kelvd_wine" wineboot -i >/dev/null 2>&1
