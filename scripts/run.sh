#!/usr/bin/env bash
# Installs what is missing, builds the programs, sets up a new user's data (never
# touching existing data) and starts the recorder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
build/release/pennivel-tool setup
exec build/release/Pennivel "$@"
