#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the native suite, then the
# Windows suites under Wine on a private Xvfb display. Exits non-zero when anything fails.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/tools/build.sh" all

status=0
echo "== native tests"
ctest --test-dir "$repo/build/native" --output-on-failure -j2 || status=1

echo "== fuzz targets: every seed input once, then 10 seconds each"
"$repo/tools/fuzz.sh" 10 || status=1

echo "== Windows tests under Wine"
# shellcheck source=wine/env.sh
source "$repo/tools/wine/env.sh" "$repo/build/windows"
wine_session_start --own-display
trap wine_session_stop EXIT
ctest --test-dir "$repo/build/windows" --output-on-failure -j2 || status=1

echo "== release archive: made, unpacked, and its programs started under Wine"
"$repo/tools/release.sh" --no-build --check || status=1
exit $status
