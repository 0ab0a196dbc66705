#!/usr/bin/env bash
# Installs what is missing, builds Korvane for Windows and starts it under Wine on the current
# display. With no display, tools/demo.sh walks it through one plug-in of each kind on a private
# Xvfb and prints the folder holding the screenshots and the saved plug-ins.
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
