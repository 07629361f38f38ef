#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts the recorder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/Pennivel ]; then
  exec build/release/Pennivel "$@"
fi
echo "Built pennivel-tool (build/release/pennivel-tool); the recorder window is not part of this build yet."
