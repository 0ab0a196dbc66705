#!/usr/bin/env bash
# Configures and builds both builds: build/native (Linux) and build/windows (MinGW-w64). The
# Windows program embeds the internal skin, which the native build draws and packs, so a Windows
# build always builds that part of the native one first.
# Usage: tools/build.sh [native|windows|all]   (default: all)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
"$repo/tools/setup.sh"
cmake -S "$repo" -B "$repo/build/native" -G Ninja -Wno-dev >/dev/null
if [ "$what" = all ] || [ "$what" = native ]; then
  cmake --build "$repo/build/native"
else
  cmake --build "$repo/build/native" --target graphite_skin
fi
if [ "$what" = all ] || [ "$what" = windows ]; then
  cmake -S "$repo" -B "$repo/build/windows" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DKORVANE_INTERNAL_SKIN="$repo/build/native/skins/graphite.asz" >/dev/null
  cmake --build "$repo/build/windows"
fi
