#!/usr/bin/env bash
# Sets up, builds, and runs every test on a virtual display: native unit tests
# under the sanitizers, then the real program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
bash scripts/build.sh

# One ctest run over all three builds.
mkdir -p build/all
printf 'subdirs("%s" "%s" "%s")\n' "$root/build/host" "$root/build/win64" "$root/build/win32" \
  > build/all/CTestTestfile.cmake

if [ -z "${GRABWELL_ON_DISPLAY:-}" ]; then
  export GRABWELL_ON_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$@"
fi

# A fresh prefix for this run, made on the display so Wine learns its size.
prefix=$root/build/wineprefix
rm -rf "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# The server first and kept for the whole run: a second one would refuse to start
# while wineboot's is still winding down.
mkdir -p "$prefix"
wineserver -p
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true' EXIT
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
ctest --test-dir build/all --output-on-failure "$@"
