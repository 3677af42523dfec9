#!/usr/bin/env bash
# Configures and builds the three builds: native logic, 64-bit for the Wine
# tests, and the 32-bit deliverables.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in host win64 win32; do
  [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
  cmake --build "build/$preset"
done
