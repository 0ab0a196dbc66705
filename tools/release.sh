#!/usr/bin/env bash
# Builds the download for Windows users: dist/korvane-<version>-win64.zip holding korvane.exe,
# korvane-cli.exe and GUIDE.txt (the README's part for administrators, as plain text with CR LF).
#   tools/release.sh           builds the Windows program first (tools/build.sh windows)
#   tools/release.sh --check   also unpacks the archive into a fresh folder and starts both
#                              programs from there under Wine: korvane-cli.exe must write the
#                              expected plug-in, korvane.exe must open its first window
#   --no-build                 packs what build/windows holds
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
check=false
build=true
for arg in "$@"; do
  case $arg in
    --check) check=true ;;
    --no-build) build=false ;;
    *) echo "release: unknown argument $arg" >&2; exit 2 ;;
  esac
done
$build && "$repo/tools/build.sh" windows

version=$(sed -n 's/^project(korvane VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
name=korvane-$version-win64
bin=$repo/build/windows
for exe in korvane.exe korvane-cli.exe; do
  [ -f "$bin/$exe" ] || { echo "release: $bin/$exe is missing (run tools/build.sh windows)" >&2; exit 1; }
done

stage=$(mktemp -d "${TMPDIR:-/tmp}/korvane-release.XXXXXX")
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name"
cp "$bin/korvane.exe" "$bin/korvane-cli.exe" "$stage/$name/"
# The build keeps its debugging symbols; the download does not need them.
strip=x86_64-w64-mingw32-strip
if command -v "$strip" >/dev/null; then
  "$strip" --strip-debug "$stage/$name/korvane.exe" "$stage/$name/korvane-cli.exe"
fi
# The guide: the README from "## For administrators" up to the next second-level heading, without
# the picture links (the pictures are not in the archive) and the headings' hashes, with CR LF for
# Notepad.
awk '/^## For administrators/ { on = 1 } on && /^## / && !/^## For administrators/ { exit } on' "$repo/README.md" |
  grep -v '^!\[' | sed 's/^#\{1,\} //; s/^For administrators$/Korvane: a guide for administrators/; s/$/\r/' \
  > "$stage/$name/GUIDE.txt"
[ -s "$stage/$name/GUIDE.txt" ] || { echo "release: the README has no part for administrators" >&2; exit 1; }

mkdir -p "$repo/dist"
archive=$repo/dist/$name.zip
rm -f "$archive"
(cd "$stage" && cmake -E tar cf "$archive" --format=zip "$name")
echo "release: $archive"

$check || exit 0

unpacked=$stage/unpacked
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$archive")
for file in korvane.exe korvane-cli.exe GUIDE.txt; do
  [ -s "$unpacked/$name/$file" ] || { echo "release: $file is not in the archive" >&2; exit 1; }
done

# shellcheck source=wine/env.sh
source "$repo/tools/wine/env.sh" "$bin"
own_session=false
if [ -z "${DISPLAY:-}" ]; then
  wine_session_start --own-display
  own_session=true
fi
status=0

# korvane-cli.exe writes the plug-in of an example request, byte for byte.
data=$repo/tests/cli/data
if "$korvane_wine" "$unpacked/$name/korvane-cli.exe" generate "$data/sourcemod_actions.json" \
  -o "$unpacked/menu.sp" >/dev/null 2>&1 && cmp -s "$unpacked/menu.sp" "$data/sourcemod_actions.golden"; then
  echo "release: korvane-cli.exe from the archive writes the expected plug-in"
else
  echo "release: korvane-cli.exe from the archive did not write the expected plug-in" >&2
  status=1
fi

# korvane.exe opens its chooser; then it is ended.
(cd "$unpacked" && exec "$korvane_wine" "$unpacked/$name/korvane.exe" >/dev/null 2>&1) &
program=$!
shown=
for _ in $(seq 1 150); do
  shown=$(xdotool search --onlyvisible --name '^Korvane 1.0.1$' 2>/dev/null | head -1 || true)
  [ -n "$shown" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
if [ -n "$shown" ]; then
  echo "release: korvane.exe from the archive opened its first window"
else
  echo "release: korvane.exe from the archive showed no window" >&2
  status=1
fi
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
$own_session && wine_session_stop
exit $status
