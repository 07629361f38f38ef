#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-test-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test
# A short fuzzing run of every reader (15 s each, about 60 s in all) where clang is installed;
# it comes before the tests so that ctest's summary is the last thing the run prints.
bash scripts/fuzz.sh 15
ctest --preset test -j "$(nproc)"
