#!/usr/bin/env bash
# Installs what building and testing Korvane needs on a Debian 12 machine, then builds the
# MinGW-w64 copies of libpng and libjpeg-turbo from Debian's own source packages (once: later
# runs find them in the prefix and skip the work).
#
# Usage: tools/setup.sh [BUILD_ROOT]   (default: <repo>/build)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$repo/build}
prefix=$build_root/deps/mingw
mkdir -p "$build_root/deps"

packages=(
  cmake ninja-build g++ g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  zlib1g-dev libpng-dev libjpeg-dev googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  wine64 wine fonts-wine fonts-liberation xvfb xauth imagemagick xdotool locales
  dpkg-dev xz-utils ca-certificates
)
# Fuzzers need clang's libFuzzer runtime; optional where clang is not wanted.
packages+=(clang-14 libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# xdotool types Cyrillic only in a UTF-8 locale; C.UTF-8 ships with libc, so nothing to generate.

toolchain=x86_64-w64-mingw32
cc=$toolchain-gcc-posix

# Fetches the upstream tarball of Debian source package $1 into $2, trying each version that the
# source lists offer, newest first, until one downloads.
fetch_source() {
  local pkg=$1 dest=$2
  local lists=$build_root/deps/apt-src
  mkdir -p "$lists/lists/partial" "$lists/parts"
  if [ ! -f "$lists/sources.list" ]; then
    sed -n 's/^Types: deb$/Types: deb-src/;p' /etc/apt/sources.list.d/debian.sources > "$lists/parts/debian-src.sources"
    : > "$lists/sources.list"
  fi
  local opts=(-o "Dir::Etc::SourceList=$lists/sources.list" -o "Dir::Etc::SourceParts=$lists/parts"
              -o "Dir::State::Lists=$lists/lists" -o "APT::Sandbox::User=root")
  [ -n "$(ls "$lists/lists" 2>/dev/null | grep -v partial)" ] || apt-get "${opts[@]}" update -qq
  local versions
  versions=$(apt-cache "${opts[@]}" showsrc "$pkg" | sed -n 's/^Version: //p' | sort -Vru)
  mkdir -p "$dest"
  for v in $versions; do
    if (cd "$dest" && apt-get "${opts[@]}" source --download-only -qq "$pkg=$v") >/dev/null 2>&1; then
      echo "setup: fetched $pkg $v"
      return 0
    fi
    echo "setup: $pkg $v could not be downloaded, trying an older version"
  done
  echo "setup: no version of $pkg could be downloaded" >&2
  return 1
}

unpack_orig() {
  local dir=$1
  local tarball
  tarball=$(ls "$dir"/*.orig.tar.* | head -n 1)
  rm -rf "$dir/src" && mkdir -p "$dir/src"
  tar -xf "$tarball" -C "$dir/src" --strip-components=1
}

if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  work=$build_root/deps/libjpeg-turbo
  rm -rf "$work"
  fetch_source libjpeg-turbo "$work"
  unpack_orig "$work"
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -Wno-dev >/dev/null
  cmake --build "$work/build" --target install >/dev/null
  rm -rf "$work"
  echo "setup: libjpeg-turbo built for MinGW into $prefix"
fi

if [ ! -f "$prefix/lib/libpng.a" ]; then
  work=$build_root/deps/libpng
  rm -rf "$work"
  fetch_source libpng1.6 "$work"
  unpack_orig "$work"
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DPNG_SHARED=OFF -DPNG_STATIC=ON \
    -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_EXECUTABLES=ON \
    -DZLIB_ROOT=/usr/$toolchain -Wno-dev >/dev/null
  cmake --build "$work/build" --target install >/dev/null
  rm -rf "$work"
  echo "setup: libpng built for MinGW into $prefix"
fi

# Google Benchmark for the Windows benchmarks, which measure what only runs there (GDI block copies
# and text drawing, the window frames) under Wine.
if [ ! -f "$prefix/lib/libbenchmark.a" ]; then
  work=$build_root/deps/benchmark
  rm -rf "$work"
  fetch_source benchmark "$work"
  unpack_orig "$work"
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
    -DBENCHMARK_ENABLE_INSTALL=ON -Wno-dev >/dev/null
  cmake --build "$work/build" --target install >/dev/null
  rm -rf "$work"
  echo "setup: Google Benchmark built for MinGW into $prefix"
fi
