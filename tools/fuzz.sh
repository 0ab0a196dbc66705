#!/bin/sh
# Builds the libFuzzer targets (tests/fuzz/*_fuzz.cpp on the portable core, clang-14 with
# AddressSanitizer and UndefinedBehaviorSanitizer) as their own CMake tree in build/fuzz, then for
# each target: replays every input of its committed seed corpus (tests/fuzz/corpus/TARGET) once,
# deterministically, and explores for SECONDS more (0 skips the exploration). New inputs go to
# build/fuzz/corpus/TARGET, a finding to build/fuzz/findings/TARGET-*; any finding fails the run.
# Usage: tools/fuzz.sh [SECONDS] [TARGET...]   (default 20 seconds, every target)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
seconds=${1:-20}
[ $# -gt 0 ] && shift
CC=${CC_FUZZ:-clang-14} CXX=${CXX_FUZZ:-clang++-14} \
    cmake -S "$root" -B "$out" -G Ninja -Wno-dev -DKORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j2

targets="$*"
if [ -z "$targets" ]; then
    targets=$(cd "$root/tests/fuzz" && ls ./*_fuzz.cpp | sed 's|^\./||; s|_fuzz\.cpp$||')
fi
mkdir -p "$out/findings"
status=0
for target in $targets; do
    seeds="$root/tests/fuzz/corpus/$target"
    work="$out/corpus/$target"
    mkdir -p "$work"
    options="-rss_limit_mb=2048 -timeout=20 -artifact_prefix=$out/findings/$target-"
    echo "== $target: replaying $(ls "$seeds" | wc -l) seed inputs"
    # shellcheck disable=SC2046
    if ! "$out/tests/fuzz/${target}_fuzz" $options $(ls -d "$seeds"/*) >"$out/$target-replay.log" 2>&1; then
        echo "$target: a seed input fails, see $out/$target-replay.log and $out/findings/"
        status=1
        continue
    fi
    if [ "$seconds" -gt 0 ]; then
        echo "== $target: exploring for ${seconds}s"
        if ! "$out/tests/fuzz/${target}_fuzz" $options -max_total_time="$seconds" -print_final_stats=1 "$work" "$seeds" \
            >"$out/$target.log" 2>&1; then
            echo "$target: finding, see $out/$target.log and $out/findings/"
            status=1
        fi
        grep -E '^stat::number_of_executed_units' "$out/$target.log" | sed "s/^/   $target /" || true
    fi
done
exit $status
