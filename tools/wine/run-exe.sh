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
# Now and then Wine fails to start a process at all (it exits at once having printed nothing,
# while the shared wineserver is busy). Every program run here prints something, so an empty
# output with a failure is retried; a program that ran and failed is reported as it is.
for attempt in 1 2 3; do
  /usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
  rc=$?
  [ $rc -eq 0 ] || [ -s "$out" ] && break
  echo "run-exe: wine started nothing (exit $rc), attempt $attempt" >&2
  sleep 1
done
cat "$out"
# A process that dies of a stack overflow under Wine may still end with 0. A GoogleTest run that
# ends without its closing summary did not finish, whatever it returned.
if [ $rc -eq 0 ] && [[ " $* " == *" --gtest_filter="* ]] && ! grep -q '^\[==========\] .* ran\.' "$out"; then
  echo "run-exe: the test program ended before GoogleTest's summary: it crashed" >&2
  rc=1
fi
exit $rc
