#!/usr/bin/env bash
# Takes the README's picture of the full-size main window: builds the 64-bit
# program, starts it under Wine on a virtual display in a fresh folder, and
# saves the window as docs/main-window.png.
# Environment: GRABWELL_BUILD_DIR (default build/win64), GRABWELL_SHOT_PREFIX
# (the Wine prefix, default build/screenshot-prefix), GRABWELL_SHOT (the PNG).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${GRABWELL_BUILD_DIR:-$root/build/win64}
prefix=${GRABWELL_SHOT_PREFIX:-$root/build/screenshot-prefix}
shot=${GRABWELL_SHOT:-$root/docs/main-window.png}

if [ -z "${GRABWELL_SHOT_ON_DISPLAY:-}" ]; then
  bash scripts/setup.sh
  [ -f "$build/build.ninja" ] || cmake --preset win64 -B "$build" >/dev/null
  cmake --build "$build" --target grabwell
  export GRABWELL_SHOT_ON_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$@"
fi

export WINEPREFIX=$prefix WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
if [ ! -f "$prefix/system.reg" ]; then
  # Made on the display, so Wine learns the screen's size.
  "$wine" wineboot -i >/dev/null 2>&1 || true
fi
# Wine's own dialog and caption fonts have no Chinese glyphs: let a CJK font
# stand in for them.
subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "MS Sans Serif" \
            "SimSun" "NSimSun" "Arial"; do
  "$wine" reg add "$subst" /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
done
"$wine" wineserver -w 2>/dev/null || wineserver -w

run=$(mktemp -d)
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; rm -rf "$run"' EXIT
cp "$build/grabwell.exe" "$run/"
(cd "$run" && "$wine" grabwell.exe >/dev/null 2>&1 &)

window=$(xdotool search --sync --onlyvisible --name '^Grabwell' | head -n 1)
sleep 3  # let every control paint
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$shot")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
echo "saved $shot (${WIDTH}x${HEIGHT})"
