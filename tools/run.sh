#!/usr/bin/env bash
# Installs what is missing, builds Korvane for Windows and starts it: natively on Windows, under
# Wine here. With no display, it runs on a private Xvfb and leaves a screenshot behind.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/tools/build.sh" windows
source "$repo/tools/wine/env.sh" "$repo/build/windows"
if [ -n "${DISPLAY:-}" ]; then
  wine_session_start
  trap wine_session_stop EXIT
  "$korvane_wine" "$repo/build/windows/korvane.exe"
  exit 0
fi
exec "$repo/tools/demo.sh"
