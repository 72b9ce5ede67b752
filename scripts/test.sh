#!/usr/bin/env bash
# Builds everything from scratch and runs the whole suite twice: once as built for players, once
# with AddressSanitizer and UndefinedBehaviorSanitizer; between them the fuzz targets run briefly,
# and the Windows build's suite runs under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

run_suite() {
  local build=$1
  shift
  rm -rf "$build"
  cmake -S "$root" -B "$build" -G Ninja "$@"
  cmake --build "$build" -j "$jobs"
  (cd "$build" && ctest --output-on-failure -j "$jobs" --timeout 300)
}

# Folders must not include each other in a loop.
python3 "$root/scripts/check_structure.py" >/dev/null
# README's Layout names every folder of src/.
python3 "$root/scripts/check_readme_layout.py"

export SDL_AUDIODRIVER=dummy
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The Windows build: the logic suite and the tests of the Windows services, cross-built with
# MinGW-w64 and run under Wine.
windows_start=$SECONDS
windows_build="$root/build-windows"
windows_deps=$(bash "$root/scripts/build-windows-deps.sh")
rm -rf "$windows_build"
cmake -S "$root" -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$windows_deps"
cmake --build "$windows_build" -j "$jobs"
bash "$root/scripts/wine-run.sh" "$windows_build/tests/vistelle_tests.exe"
echo "Windows build and tests under Wine: $((SECONDS - windows_start)) s"

# Every reader of outside input under libFuzzer for 30 s, from the committed seed corpus.
"$root/scripts/fuzz.sh" 30

# Leaks inside system libraries (fonts, X, D-Bus) are not ours to fix.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVISTELLE_SANITIZE=ON
