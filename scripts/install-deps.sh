#!/usr/bin/env bash
# Installs the Debian packages Pennivel needs to build and run, and no more; the test
# command adds what the tests need (scripts/install-test-deps.sh).
# Idempotent and non-interactive: does nothing when all packages are present.
# Usage: install-deps.sh [EXTRA_PACKAGE]...
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libicu-dev
  libgl-dev libxkbcommon-dev libxcb1-dev
  fonts-liberation fontconfig
  librsvg2-bin
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
