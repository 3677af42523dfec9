#!/bin/sh
# Runs a Windows program under Wine in the build tree's own prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -e
WINEPREFIX=$1
shift
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# GBK texts need Wine's ANSI code page to be 936.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
case "$(od -An -tx1 -j$(( $(od -An -tu4 -j60 -N4 "$1") + 4 )) -N2 "$1" | tr -d ' ')" in
  6486) wine=/usr/lib/wine/wine64 ;;  # x86-64 PE
  *) wine=/usr/lib/wine/wine ;;
esac
[ -x "$wine" ] || wine=wine
exec "$wine" "$@"
