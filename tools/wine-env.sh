# Sourced: a fresh, throwaway Wine prefix for this shell, removed when the shell exits.
export WINEDEBUG=-all
# The prefix takes its user language from the locale: US English, as the version-resource tests
# expect, whatever the developer's own.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$(mktemp -d /tmp/kelvd-wine.XXXXXX)"
kelvd_wine_cleanup() {
  /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  /usr/lib/wine/wineserver64 -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap kelvd_wine_cleanup EXIT
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
