#!/usr/bin/env bash
# CTest's emulator for Windows executables. Wine's helper processes inherit the output pipe and
# would keep CTest waiting after the test has ended, so the output goes to a file that is printed
# once the program is done.
#
# Run outside tools/test.sh (a direct `ctest --test-dir build/windows`), the build folder's private
# prefix is still used, never ~/.wine: it is found from the executable's path.
if [ -z "${WINEPREFIX:-}" ]; then
  build=$(cd "$(dirname "$1")" && pwd)
  while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
  # shellcheck source=env.sh
  source "$(dirname "$0")/env.sh" "$build"
  korvane_prepare_prefix
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
export WINEDEBUG=${WINEDEBUG:--all}
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
exit $rc
