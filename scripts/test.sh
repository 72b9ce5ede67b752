#!/usr/bin/env bash
# Checks the code's shape and format, then builds everything from scratch with warnings as errors
# and runs the whole suite twice: once as built for players, once with AddressSanitizer and
# UndefinedBehaviorSanitizer; between them the Windows build's suite runs under Wine and the fuzz
# targets run briefly.
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

# Folders include only those README's Layout lists above them, and the Layout names every folder
# of src/; no loop of folders, and no header named like a system header.
python3 "$root/scripts/check_structure.py" >/dev/null
# Every C++ file as clang-format lays it out (.clang-format at the top).
find "$root/src" "$root/tests" "$root/bench" "$root/fuzz" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror

export SDL_AUDIODRIVER=dummy
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVISTELLE_WERROR=ON

# The Windows build: the logic suite and the tests of the Windows services and windows,
# cross-built with MinGW-w64 and run under Wine.
windows_start=$SECONDS
windows_build="$root/build-windows"
windows_deps=$(bash "$root/scripts/build-windows-deps.sh")
rm -rf "$windows_build"
cmake -S "$root" -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$windows_deps" -DVISTELLE_WERROR=ON
cmake --build "$windows_build" -j "$jobs"
# The window-system tests make real windows: they need an X server.
xvfb-run -a bash "$root/scripts/wine-run.sh" "$windows_build/tests/vistelle_tests.exe"
# The zip a player downloads, unpacked and run under Wine on a virtual X server.
windows_zip=$(bash "$root/scripts/package-windows.sh" "$windows_build")
bash "$root/tests/smoke/run_windows_zip.sh" "$windows_zip" "$windows_build/tests/vistelle_window_reader.exe" \
  "$windows_build/tests/vistelle_drop_target.exe"
echo "Windows build and tests under Wine: $((SECONDS - windows_start)) s"

# Every reader of outside input under libFuzzer for 30 s, from the committed seed corpus.
"$root/scripts/fuzz.sh" 30

# Leaks inside system libraries (fonts, X, D-Bus) are not ours to fix.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVISTELLE_SANITIZE=ON -DVISTELLE_WERROR=ON
