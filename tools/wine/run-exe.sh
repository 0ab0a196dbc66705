#!/usr/bin/env bash
# CTest's emulator for Windows executables. Wine's helper processes inherit the output pipe and
# would keep CTest waiting after the test has ended, so the output goes to a file that is printed
# once the program is done.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
export WINEDEBUG=${WINEDEBUG:--all}
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
exit $rc
