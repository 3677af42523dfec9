#!/usr/bin/env bash
# Sets up, builds and runs Grabwell under Wine. On a display it starts the
# program there; without one it starts a virtual display, makes one
# typed-rectangle capture and prints where it was saved.
#   --compact  the compact deliverable
#   --32       the real 32-bit deliverable through the i386 emulation (slow)
# The program keeps its settings and captures beside itself, in build/run-*.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

compact=0 emulated=0
for arg in "$@"; do
  case $arg in
    --compact) compact=1 ;;
    --32) emulated=1 ;;
    *) echo "usage: $0 [--compact] [--32]" >&2; exit 2 ;;
  esac
done
program=grabwell.exe
((compact)) && program=grabwell-compact.exe
# One 64-bit prefix serves both: the 32-bit program runs in its 32-bit half.
prefix=$root/build/run-prefix
if ((emulated)); then
  build=build/win32 loader=/usr/lib/wine/wine
else
  build=build/win64 loader=/usr/lib/wine/wine64
fi
run=$root/build/run-${program%.exe}$( ((emulated)) && echo -32 || true)

if [ -z "${GRABWELL_RUN_ON_DISPLAY:-}" ]; then
  bash scripts/setup.sh
  preset=${build#build/}
  [ -f "$build/build.ninja" ] || cmake --preset "$preset" >/dev/null
  cmake --build "$build" --target "${program%.exe}" e2e_driver
  if [ -z "${DISPLAY:-}" ]; then
    export GRABWELL_RUN_ON_DISPLAY=virtual
    exec xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$@"
  fi
  export GRABWELL_RUN_ON_DISPLAY=real
fi

export WINEPREFIX=$prefix WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
if [ ! -f "$prefix/system.reg" ]; then
  # Made on the display, so that Wine learns the screen's size.
  echo "making the Wine prefix $prefix (once)"
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
mkdir -p "$run"
cp "$build/$program" "$run/"
cd "$run"

if [ "$GRABWELL_RUN_ON_DISPLAY" = real ]; then
  echo "starting $run/$program"
  exec "$loader" "$program"
fi

# A virtual display nobody sees: show that a capture works instead.
trap 'wineserver -k 2>/dev/null || true' EXIT
pane=()
((emulated)) && pane=(--no-pane)  # qemu hides the program's memory from the driver
saved=$("$loader" "$root/$build/tests/e2e_driver.exe" --timeout 600 "${pane[@]}" --one "$program")
echo "captured the rectangle typed in its four boxes: $saved"
