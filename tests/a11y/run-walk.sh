#!/usr/bin/env bash
# Starts the recorder on a private X server and session bus with the screen-reader
# interface switched on, then reads it the way a screen reader does (walk.py).
# Usage: run-walk.sh BUILD_DIR WALK_SCRIPT
set -uo pipefail
build=$1
walk=$2
skip() { echo "SKIPPED: $*"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

source "$(dirname "$0")/../support/private-session.sh"
private_home

# Two Tips, so the searches are offered; which one is shown first is left to chance.
"$build/pennivel-tool" setup >/dev/null || exit 1
"$build/pennivel-tool" add --category Work "Alpha one" >/dev/null || exit 1
"$build/pennivel-tool" add --category Home "Beta two" >/dev/null || exit 1

private_xvfb 1280x1024x24
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    "$0/Pennivel" >/dev/null 2>"$HOME/recorder.log" &
    recorder=$!
    /usr/bin/python3 "$1"
    status=$?
    kill "$recorder" 2>/dev/null
    wait "$recorder" 2>/dev/null
    exit $status
' "$build" "$walk"
