#!/usr/bin/env bash
# Installs what building and testing Grabwell needs on Debian; does nothing
# that is already done.
set -euo pipefail

need_apt=()
want=(cmake ninja-build g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
      googletest wine wine64 xvfb xauth xdotool locales qemu-user-static
      imagemagick fonts-wqy-microhei)
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need_apt+=("$pkg")
done
# The 32-bit deliverables run under the 32-bit Wine loader.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_apt+=(wine32:i386)
elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  need_apt+=(wine32:i386)
fi
if ((${#need_apt[@]})); then
  echo "installing: ${need_apt[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need_apt[@]}" >/dev/null
fi

# Wine's ANSI code page follows the locale: GBK needs zh_CN.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# 32-bit code runs only through qemu here; register it for i386 ELF files.
if [ -x /usr/bin/qemu-i386-static ]; then
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || true
  fi
  if [ -e /proc/sys/fs/binfmt_misc/register ] && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > /proc/sys/fs/binfmt_misc/register 2>/dev/null || true
  fi
fi
