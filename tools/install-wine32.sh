#!/usr/bin/env bash
# Sets up 32-bit Wine, which runs the shipped i686 DLL: these machines' kernels run no i386 code,
# so qemu-user's i386 emulation runs it, registered with binfmt_misc. Each step is taken only
# when what it makes is missing, so a second run costs a few checks. Needs root (or sudo).
set -euo pipefail
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# qemu 7.2 of the stable suite cannot start Wine (it ignores MAP_FIXED_NOREPLACE): the
# backports suite has a newer one. The source copies the stable entry's address and key.
backports=/etc/apt/sources.list.d/kelvd-backports.sources
if ! installed wine32:i386 || ! installed qemu-user ||
  ! dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null)" ge 1:8; then
  echo "Installing 32-bit Wine and the i386 emulation"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    stable=/etc/apt/sources.list.d/debian.sources
    uris=$(awk '/^URIs:/ && /debian$/ {print $2; exit}' "$stable")
    key=$(awk '/^Signed-By:/ {print $2; exit}' "$stable")
    printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: %s\n' \
      "${uris:-http://deb.debian.org/debian}" "${key:-/usr/share/keyrings/debian-archive-keyring.gpg}" |
      $sudo tee "$backports" >/dev/null
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq wine32:i386
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -t bookworm-backports qemu-user
fi

# binfmt_misc is mounted by nobody on these machines, and its entries are lost at every reboot.
misc=/proc/sys/fs/binfmt_misc
[ -e "$misc/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$misc"
if ! [ -e "$misc/qemu-i386" ]; then
  magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:/usr/libexec/qemu-binfmt/i386-binfmt-P:POF" |
    $sudo tee "$misc/register" >/dev/null
fi
