# Sourced: how this project runs Wine (quiet, no Mono or Gecko installs). KELVD_BITS chooses the
# Wine: 32 (the default) runs the shipped i686 build through 32-bit Wine in a win32 prefix, which
# qemu's i386 emulation carries on these machines (tools/install-wine32.sh); 64 runs the x86_64
# build through the 64-bit loader. One server serves both.
export KELVD_BITS=${KELVD_BITS:-32}
if [ "$KELVD_BITS" = 64 ]; then
  kelvd_wine=/usr/lib/wine/wine64
  kelvd_tree=build/win64
  kelvd_demo_prefix=out/demo-prefix-64
  export WINEARCH=win64
else
  kelvd_wine=/usr/bin/wine
  kelvd_tree=build/win32
  kelvd_demo_prefix=out/demo-prefix
  export WINEARCH=win32
fi
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
