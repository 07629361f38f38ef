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
  # The window benchmarks need an X server; without one they get a virtual one.
  if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
  else
    "$program" "$@"
  fi
done
