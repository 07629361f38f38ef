#!/usr/bin/env bash
# Installs what building and running need plus what the tests, the fuzzers and the
# benchmarks need.
set -euo pipefail
exec bash "$(dirname "$0")/install-deps.sh" \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth xdotool openbox x11-apps \
  desktop-file-utils appstream dpkg-dev groff-base libxml2-utils lintian \
  poppler-utils cups-daemon \
  clang-14 libfuzzer-14-dev \
  fortunes-min fortune-mod \
  libsm-dev libice-dev weston qt6-wayland \
  fonts-dejavu-core fonts-noto-core fonts-noto-color-emoji \
  at-spi2-core python3-pyatspi dbus dunst
