#!/usr/bin/env bash
# Cross-builds, once per machine, the libraries the Windows build links statically: libjpeg-turbo
# (with its SIMD code, through nasm) and Google Benchmark from the Debian sources that
# scripts/fetch-windows-sources.sh fetched, and GoogleTest from the sources Debian's googletest
# package installs. Prints the folder they are installed in; quick when they are already built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/windows-env.sh"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs=$(nproc)

# The Debian source package of a binary package, at the version installed for Linux.
source_of() { dpkg-query -W -f='${source:Package}_${source:Version}' "$1" | sed 's/_[0-9]*:/_/'; }
jpeg=$(source_of libturbojpeg0-dev)
benchmark=$(source_of libbenchmark-dev)

# Built again whenever this script, the toolchain or a version changes.
stamp="$windows_prefix/.built-$(echo "$jpeg $benchmark" | cat "$0" "$toolchain" - | sha256sum | cut -c1-16)"
if [ -f "$stamp" ]; then
  echo "$windows_prefix"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$windows_prefix"

# $1: the name; $2: the source folder; the rest: its CMake options.
cross_build() {
  local name=$1 source=$2
  shift 2
  cmake -S "$source" -B "$work/build-$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$windows_prefix" "$@" >&2
  cmake --build "$work/build-$name" -j "$jobs" >&2
  cmake --install "$work/build-$name" >&2
}

# Unpacks a fetched Debian source package ("name_version") with its patches applied; prints the
# folder.
unpack() {
  (cd "$work" && dpkg-source --no-check -x "$windows_sources/$1.dsc" "src-$1" >&2)
  echo "$work/src-$1"
}

cross_build libjpeg-turbo "$(unpack "$jpeg")" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=ON -DWITH_SIMD=ON -DREQUIRE_SIMD=ON
cross_build googletest /usr/src/googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
# Debian's patches leave the version to the packaging, as its rules do.
benchmark_version=${benchmark#*_}
cross_build benchmark "$(unpack "$benchmark")" -DGIT_VERSION="${benchmark_version%-*}" -DBENCHMARK_ENABLE_TESTING=OFF \
  -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_INSTALL=ON

touch "$stamp"
echo "$windows_prefix"
