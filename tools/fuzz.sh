#!/bin/sh
# Builds the libFuzzer targets of the skin package reader and the options parser with clang-14
# (AddressSanitizer and UndefinedBehaviorSanitizer) in build/fuzz, makes a seed corpus from a
# small skin (and skins/graphite/Options.dat when present) and runs each target for a bounded
# time. Usage: tools/fuzz.sh [SECONDS]   (default 20 per target)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
seconds=${1:-20}
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++-14}
flags="-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I$root -I$root/tests"
sources="$(ls "$root"/skin/*.cpp | grep -v '_win32\.cpp$') $(ls "$root"/image/*.cpp) $(ls "$root"/encoding/*.cpp) $(ls "$root"/gfx/*.cpp) $root/tests/support/skin_test_data.cpp"

# The library sources once as objects, then each target.
objects=""
for src in $sources; do
    obj="$out/$(echo "$src" | sed "s|$root/||; s|/|_|g; s|\.cpp$|.o|")"
    if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ]; then
        $cxx $flags -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
    fi
    objects="$objects $obj"
done
for target in package_reader options_parser; do
    $cxx $flags "$root/tests/fuzz/${target}_fuzz.cpp" $objects -lpng -ljpeg -lz -o "$out/${target}_fuzz"
done

# Seeds: a package and its options text.
seeds_pkg="$out/seeds_package_reader"
seeds_opt="$out/seeds_options_parser"
mkdir -p "$seeds_pkg" "$seeds_opt" "$out/corpus_package_reader" "$out/corpus_options_parser"
python3 - "$root" "$seeds_pkg" "$seeds_opt" <<'PY'
import os, struct, sys, zlib
root, pkg_dir, opt_dir = sys.argv[1:4]
options = (b"[GLOBALINFO]\r\nVERSION=7.30\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=15790320\r\nBIKEEPHUE=1\r\n"
           b"BICONCLOSE=@0000@0000@0030@0010@3@0\r\nBICONCLOSEGLOW0=!GLOW.PNG!1!0!4\r\nSHADOW1BLUR=$10\r\n"
           b"[BUTTON]\r\nCOLOR=5719359\r\nSTATES=3\r\nHOTCOLOR=16380653\r\nGRADIENTDATA=15853795;13944507;97;1;0\r\n"
           b"BORDERSMASK=^0000^0010^0030^0020^0000^0000^0000^0000^3^0^1^0\r\nGLOW0=!GLOW.PNG!1!0!3!0002!0002!0002!0002!1\r\n"
           b"PATTERN=~0030~0000~0040~0010~01~0\r\n[SPEEDBUTTON]\r\nPARENTCLASS=BUTTON\r\nTRANSPARENCY=50\r\n"
           b"[PANEL]\r\nBORDER=#(0,0,9,6)(1,0,2,1)\r\nFRAME=frame.bmp\r\nBACK=back.jpg\r\n[EDIT]\r\nSTATES=1\r\n=\r\n")
common = b"\x0c[MYSECTION]\r\nPARENTCLASS=button\r\nCOLOR=12\r\n"
def member(name, data):
    return struct.pack("<i", len(name)) + name + struct.pack("<i", len(data)) + zlib.compress(data)
images = [(b"Master.bmp", b"BM" + b"\0" * 60), (b"Glow.png", b"\x89PNG\r\n\x1a\n" + b"\0" * 30)]
package = b"ASzf" + struct.pack("<i", 3) + member(b"Options.dat", options) + b"".join(member(n, d) for n, d in images)
open(os.path.join(pkg_dir, "small.asz"), "wb").write(package)
open(os.path.join(pkg_dir, "empty.asz"), "wb").write(b"ASzf\0\0\0\0")
open(os.path.join(opt_dir, "small.dat"), "wb").write(options)
open(os.path.join(opt_dir, "common.dat"), "wb").write(options + common)
graphite = os.path.join(root, "skins", "graphite", "Options.dat")
if os.path.exists(graphite):
    data = open(graphite, "rb").read()
    open(os.path.join(opt_dir, "graphite.dat"), "wb").write(data)
    open(os.path.join(pkg_dir, "graphite.asz"), "wb").write(b"ASzf" + struct.pack("<i", 1) + member(b"Options.dat", data))
PY

status=0
for target in package_reader options_parser; do
    echo "== $target: ${seconds}s"
    "$out/${target}_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix="$out/${target}_" "$out/corpus_$target" "$out/seeds_$target" 2>&1 |
        tee "$out/${target}.log" | grep -E '^#[0-9]+ +DONE|ERROR|SUMMARY|Done [0-9]+ runs' || true
    if grep -qE '^==[0-9]+==ERROR|runtime error|deadly signal|ERROR: libFuzzer' "$out/${target}.log"; then
        echo "$target: finding, see $out/${target}.log and $out/${target}_*"
        status=1
    fi
done
exit $status
