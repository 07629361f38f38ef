#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang 14 and runs each for SECONDS seconds
# (default 15), starting from its seed corpus in fuzz/corpus/<target>. New inputs found
# go to build/fuzz/corpus/<target>, a crashing input to build/fuzz/findings/. Prints the
# CPU time each target ran; exits non-zero on the first finding.
#   scripts/fuzz.sh             # the short run of the test command (about 60 s in all)
#   scripts/fuzz.sh 3600        # an hour per target
#   scripts/fuzz.sh 600 tips_file
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(tips_file file_check saver_settings settings_values)

cxx=$(command -v clang++-14 || true)
if [ -z "$cxx" ]; then
  echo "fuzz: clang++-14 is not installed; fuzzing skipped"
  exit 0
fi
build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build "$build" >/dev/null

mkdir -p "$build/findings"
TIMEFORMAT="%U %S"
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  log="$build/$target.log"
  if ! { time "$build/fuzz_$target" -max_total_time="$seconds" -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$work" "fuzz/corpus/$target" >"$log" 2>&1; } 2>"$build/$target.time"; then
    tail -n 40 "$log"
    echo "fuzz: $target found a fault; the input is in $build/findings/"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cpu=$(awk '{printf "%.1f", $1 + $2}' "$build/$target.time")
  echo "fuzz: $target ran $runs inputs in $cpu s of CPU time without a finding"
done
