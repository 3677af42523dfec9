#!/usr/bin/env bash
# Runs the driver against a copy of the real program in a fresh folder.
# Usage: drive.sh [--emulated] PREFIX DRIVER PROGRAM WORKDIR
#   --emulated  32-bit program and driver through qemu, in the same 64-bit prefix (its
#               32-bit half); skipped (exit 77) where the emulation is not set up.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
emulated=0
if [ "${1:-}" = --emulated ]; then
  emulated=1
  shift
fi
[ $# -eq 4 ] || { echo "usage: $0 [--emulated] PREFIX DRIVER PROGRAM WORKDIR" >&2; exit 2; }
prefix=$(realpath -m "$1") driver=$(realpath "$2") program=$(realpath "$3") work=$(realpath -m "$4")
skip() {
  echo "SKIPPED: $*"
  exit 77
}

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: no X display; run under xvfb-run (scripts/test.sh does)" >&2
  exit 1
fi

export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
timeout=120
if ((emulated)); then
  timeout=600
  loader=/usr/lib/wine/wine
  [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] || skip "no binfmt_misc entry qemu-i386 (scripts/setup.sh registers it)"
  grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 || skip "the binfmt_misc entry qemu-i386 is disabled"
  [ -x "$loader" ] || skip "no 32-bit Wine loader $loader (package wine32:i386)"
  version=$(timeout 300 "$loader" --version 2>&1) || skip "$loader --version fails: $version"
fi
if [ ! -f "$prefix/system.reg" ]; then
  # Made on the display, so that Wine learns the screen's size.
  WINEPREFIX=$prefix /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
fi
((emulated)) && { [ -d "$prefix/drive_c/windows/syswow64" ] || skip "$prefix has no 32-bit half"; }

# A fresh run folder: the program writes its settings and captures beside itself.
rm -rf "$work"
mkdir -p "$work"
cp "$program" "$work/"
cd "$work"
options=(--timeout "$timeout")
((emulated)) && options+=(--no-pane)
# Through a file: services Wine starts on the way would hold a pipe to ctest open.
status=0
"$here/wine-run.sh" "$prefix" "$driver" "${options[@]}" "$(basename "$program")" \
  > "$work/driver.log" 2>&1 || status=$?
cat "$work/driver.log"
exit "$status"
