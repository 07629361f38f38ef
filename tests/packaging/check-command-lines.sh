#!/usr/bin/env bash
# Runs each program's informational command lines with no display at all and checks
# the exit status and a line of what they print.
# Usage: check-command-lines.sh BUILD_DIR VERSION
set -uo pipefail
build=$1 version=$2
source "$(dirname "$0")/../support/private-session.sh"
private_home
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

failures=0
# program | arguments | exit status | stream (out or err) | a line it must print
while IFS='|' read -r program arguments status stream line; do
  [ -n "$program" ] || continue
  read -ra words <<<"$arguments"
  "$build/$program" "${words[@]}" >"$home/out" 2>"$home/err"
  got=$?
  if [ "$got" != "$status" ] || ! grep -qF -- "$line" "$home/$stream"; then
    echo "FAIL: $program $arguments: status $got (want $status), $stream:"
    sed 's/^/  /' "$home/$stream" | head -5
    failures=$((failures + 1))
  fi
done <<EOF_TABLE
Pennivel|--help|0|out|Usage: Pennivel [QT OPTION]...
Pennivel|--version|0|out|Pennivel $version
Pennivel|-style Fusion --version|0|out|Pennivel $version
Pennivel.scr|--help|0|out|Usage: Pennivel.scr
Pennivel.scr|-h|0|out|--version
Pennivel.scr|--version|0|out|Pennivel.scr $version
pennivel-tool|--help|0|out|Usage: pennivel-tool COMMAND
pennivel-tool|--version|0|out|pennivel-tool $version
pennivel-tool|add --help|0|out|add [--date DATE] [--category NAME] TEXT
pennivel-tool|list --help|0|out|list [--category NAME]
pennivel-tool|import -h|0|out|import [--category NAME] [--paragraphs] FILE...
pennivel-tool|check -- --settings|2|out|does not exist: --settings
pennivel-tool|dump --unknown|64|err|unknown option '--unknown'
pennivel-tool|frobnicate|64|err|unknown command 'frobnicate'
EOF_TABLE
if [ "$failures" -ne 0 ]; then
  echo "$failures command lines misbehaved"
  exit 1
fi
echo "every command line answered as expected"
