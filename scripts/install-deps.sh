#!/usr/bin/env bash
# Installs every Debian package Pennivel needs to build, run and test.
# Idempotent and non-interactive: does nothing when all packages are present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libicu-dev
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig fonts-dejavu-core fonts-noto-core fonts-noto-color-emoji
  xvfb xauth xdotool
  openbox x11-apps
  librsvg2-bin desktop-file-utils appstream dpkg-dev groff-base libxml2-utils
  poppler-utils cups-daemon
  libxcb1-dev
  clang-14 libfuzzer-14-dev
  fortunes-min fortune-mod
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
