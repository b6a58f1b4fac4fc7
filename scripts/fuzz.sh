#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in a build
# folder of their own and runs each for SECONDS (default 60), one after another, starting from
# its seed corpus in fuzz/corpus/<target>/. Exits non-zero when any target finds a crash, a leak,
# a timeout or undefined behaviour, and says where the input that caused it was saved.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi
scripts/install-deps.sh
build=${ZOFAR_FUZZ_BUILD_DIR:-build-fuzz}
# No build type: the checks of assert() stay in, and -O1 with line tables builds fast and still
# gives the sanitizers' reports their source lines.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="-O1 -gline-tables-only" -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
  -DZOFAR_BUILD_FUZZERS=ON -DZOFAR_BUILD_TESTS=OFF -DZOFAR_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build "$build" --target zofar_fuzzers

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
found=()
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  program="$build/bin/zofar_fuzz_$target"
  if [ ! -x "$program" ]; then
    echo "fuzz.sh: no fuzz target for the corpus $seeds" >&2
    exit 2
  fi
  # New inputs go to a working corpus in the build folder; the repository's seeds stay as they are.
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  stamp="$findings/.started"
  touch "$stamp"
  echo "== $target: ${seconds}s"
  if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "$seeds" > "$build/$target.log" 2>&1; then
    tail -n 40 "$build/$target.log"
    echo "fuzz.sh: $target found a fault; full log in $build/$target.log; the input is saved as:"
    find "$findings" -type f -newer "$stamp" | sed 's/^/  /'
    echo "  (rerun: $program FILE)"
    found+=("$target")
  else
    grep -E '^stat::number_of_executed_units' "$build/$target.log" | sed 's/^stat::number_of_executed_units: */  inputs run: /' || true
  fi
done
for program in "$build"/bin/zofar_fuzz_*; do
  [ -d "fuzz/corpus/${program##*/zofar_fuzz_}" ] || { echo "fuzz.sh: $program has no seed corpus" >&2; exit 2; }
done
if [ ${#found[@]} -ne 0 ]; then
  echo "fuzz.sh: faults found by: ${found[*]}"
  exit 1
fi
echo "fuzz.sh: no faults found"
