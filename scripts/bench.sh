#!/usr/bin/env bash
# Builds the optimised benchmark preset and runs every benchmark program.
# Extra arguments go to each program (e.g. --benchmark_filter=Load).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-test-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
for program in build/bench/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" "$@"
done
