#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test -j "$(nproc)"
# A short fuzzing run of every reader (15 s each, about 60 s in all) where clang is installed.
bash scripts/fuzz.sh 15
