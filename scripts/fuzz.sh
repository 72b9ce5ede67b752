#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each in turn from the seed corpus in
# fuzz/corpus/<target>/.
#   scripts/fuzz.sh [seconds per target, default 300] [target ...]
# Warnings are errors, as in the test builds. Inputs the fuzzer finds go to a scratch corpus
# under the build folder, never into fuzz/corpus.
# A crash, a sanitizer report, a hang of 10 s or more, or 2 GB of memory fails the run; the
# input is kept in build-fuzz/artifacts/<target>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings jpeg version_answer list_line album_page stored_png thumbnail_file)
build="$root/build-fuzz"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVISTELLE_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=0
for t in "${targets[@]}"; do
  scratch="$build/scratch/$t"
  artifacts="$build/artifacts/$t"
  mkdir -p "$scratch" "$artifacts"
  log="$build/$t.log"
  if "$build/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$scratch" "$root/fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$t: ${runs} executions in ${seconds} s, no fault"
  else
    echo "$t: FAULT, see $log and $artifacts/"
    failed=1
  fi
done
exit $failed
