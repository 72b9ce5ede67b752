#!/usr/bin/env bash
# Builds the Windows program and writes dist/vistelle-windows-x64.zip: one folder Vistelle/ with
# vistelle.exe, data/ (the program's pictures, no settings file: the first start writes one),
# help/ and an empty album/. Needs what scripts/setup.sh installs.
# usage: scripts/package-windows.sh [build folder]   (default: build-package; a folder already
# configured for Windows, such as the test build, is built as it is configured)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}

deps=$(bash "$root/scripts/build-windows-deps.sh")
if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$deps" \
    -DVISTELLE_TESTS=OFF -DVISTELLE_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target vistelle >/dev/null

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="$stage/Vistelle"
mkdir -p "$folder/data" "$folder/help" "$folder/album"
x86_64-w64-mingw32-strip -o "$folder/vistelle.exe" "$build/vistelle.exe"
cp -r "$root/resources/data/." "$folder/data/"
cp -r "$root/resources/help/." "$folder/help/"
rm -f "$folder/data/setting.mto"

mkdir -p "$root/dist"
zip_file="$root/dist/vistelle-windows-x64.zip"
rm -f "$zip_file"
# Fixed times and order, so the same sources give the same zip.
find "$stage" -exec touch -h -d '2000-01-01 00:00:00' {} +
(cd "$stage" && find Vistelle | LC_ALL=C sort | zip -q -X "$zip_file" -@)
echo "$zip_file"
