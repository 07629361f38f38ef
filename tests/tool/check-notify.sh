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
source "$(dirname "$0")/../support/private-session.sh"
private_home
"$build/pennivel-tool" add --category Home 'Less <b>is</b> more & better' >/dev/null || exit 1

private_xvfb 800x600x24

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
