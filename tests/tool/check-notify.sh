#!/usr/bin/env bash
# Shows a Tip through a real notification daemon (dunst) on a private X server and
# session bus, and reads back what the daemon shows.
# Usage: check-notify.sh BUILD_DIR
set -uo pipefail
build=$1
skip() { echo "SKIPPED: $*"; exit 77; }
for program in Xvfb dbus-run-session dunst dunstctl; do
  command -v "$program" >/dev/null || skip "$program is not installed"
done
home=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state
export XDG_RUNTIME_DIR=$home/runtime PENNIVEL_DIR=$home/pennivel ASAN_OPTIONS=detect_leaks=0
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$build/pennivel-tool" add --category Home 'Less <b>is</b> more & better' >/dev/null || exit 1

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$home/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$home/display" ] && break; sleep 0.1; done
[ -s "$home/display" ] || skip "Xvfb did not start"
export DISPLAY=:$(cat "$home/display")

dbus-run-session -- bash -c '
  dunst >/dev/null 2>&1 &
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
      grep -q true && break
    sleep 0.1
  done
  "$0/pennivel-tool" notify || exit 1
  [ "$(dunstctl count displayed)" = 1 ] || { echo "FAIL: dunst displays no notification"; exit 1; }
  # Closed notifications move into the history, where their texts can be read.
  dunstctl close-all
  sleep 0.3
  history=$(dunstctl history)
  grep -q "\"Tip #1\"" <<<"$history" || { echo "FAIL: dunst shows no \"Tip #1\": $history"; exit 1; }
  grep -qF "Less &lt;b&gt;is&lt;/b&gt; more &amp; better" <<<"$history" ||
    { echo "FAIL: the body is not the Tip as text: $history"; exit 1; }
  echo "dunst shows the Tip"
' "$build"
