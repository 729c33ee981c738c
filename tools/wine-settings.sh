# Sourced: how this project runs Wine (64-bit loader, quiet, no Mono or Gecko installs).
kelvd_wine=/usr/lib/wine/wine64
kelvd_wineserver=/usr/lib/wine/wineserver64
kelvd_wine_fonts=/usr/share/wine/fonts
export WINEDEBUG=-all
# The prefix takes its user language from the locale: US English, as the version-resource tests
# expect, whatever the developer's own.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# Ends the prefix's server and waits for it, so that the next program starts a fresh one (which
# also makes Wine's service manager read newly registered services).
kelvd_wine_stop() {
  "$kelvd_wineserver" -k 2>/dev/null || true
  "$kelvd_wineserver" -w 2>/dev/null || true
}
