#!/usr/bin/env bash
# Installs a build into a staging directory under an unusual prefix and checks what a
# desktop, a saver host and man would see there.
# Usage: check-install.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail
build=$1 version=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=/opt/pennivel-check
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
root=$stage$prefix
outside=$(cd "$stage" && find . -mindepth 1 -maxdepth 2 -printf '%P\n' | grep -vx 'opt\|opt/pennivel-check' || true)
[ -z "$outside" ] || fail "installed outside the prefix: $outside"

id=org.pennivel.Pennivel
sizes=(16 22 24 32 48 64 128 256)
expected=(bin/Pennivel bin/Pennivel.scr bin/pennivel-tool
  share/applications/$id.desktop share/applications/screensavers/pennivel-tips.desktop
  share/metainfo/$id.metainfo.xml share/xscreensaver/config/pennivel.scr.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man1/Pennivel.1.gz share/man/man1/Pennivel.scr.1.gz share/man/man1/pennivel-tool.1.gz
  share/doc/pennivel/copyright share/doc/pennivel/changelog.gz
  share/bash-completion/completions/pennivel-tool share/zsh/vendor-completions/_pennivel-tool
  share/fish/vendor_completions.d/pennivel-tool.fish)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
for f in "${expected[@]}"; do [ -s "$root/$f" ] || fail "missing or empty: $f"; done
for f in "$root"/bin/*; do [ -x "$f" ] || fail "not executable: $f"; done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$root/share/icons/hicolor/${size}x$size/apps/$id.png")
  [ "$w $h" = "$size $size" ] || fail "${size}px icon is ${w}x$h"
done

desktop-file-validate "$root"/share/applications/*.desktop "$root"/share/applications/screensavers/*.desktop
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"
saver_xml=$root/share/xscreensaver/config/pennivel.scr.xml
xmllint --noout "$saver_xml"
# XScreenSaver's settings tool shows <, > and & of the description escaped.
description=$(xmllint --xpath 'string(//_description)' "$saver_xml")
[[ $description != *[\<\>\&]* ]] || fail "the saver description holds <, > or &"

# MATE and Xfce run savers only from their own folders and XScreenSaver's.
link=$root/libexec/xscreensaver/Pennivel.scr
[ -L "$link" ] || fail "libexec/xscreensaver/Pennivel.scr is not a link"
[[ $(readlink "$link") != /* ]] || fail "libexec/xscreensaver/Pennivel.scr is an absolute link"
[ "$(readlink -f "$link")" = "$(readlink -f "$root/bin/Pennivel.scr")" ] ||
  fail "libexec/xscreensaver/Pennivel.scr does not lead to bin/Pennivel.scr"

# What the entries start must be what was installed.
for entry in "$root"/share/applications/*.desktop "$root"/share/applications/screensavers/*.desktop; do
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$root/bin/$program" ] || fail "$entry starts '$program', which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ "$icon" = "$id" ] || fail "$entry names icon '$icon'"
done
first_release=$(grep -o '<release version="[^"]*"' "$root/share/metainfo/$id.metainfo.xml" | head -1)
[ "$first_release" = "<release version=\"$version\"" ] || fail "newest release is $first_release, not $version"

# Every man page renders without warnings and names exactly the long options its
# program's --help names (each command's own --help for the tool).
options() { { grep -o -- '--[a-z][a-z-]*' || true; } | sort -u; }
for page in "$root"/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$page: $warnings"
  program=$(basename "$page" .1.gz)
  rendered=$(zcat "$page" | groff -man -Tascii -P-cbou 2>/dev/null | options)
  help=$("$root/bin/$program" --help | options)
  if [ "$program" = pennivel-tool ]; then
    for command in check dump setup add list export import pick notify; do
      help+=$'\n'$("$root/bin/$program" "$command" --help | options)
    done
    help=$(sed "/^$/d" <<<"$help" | sort -u)
  fi
  [ "$rendered" = "$help" ] ||
    fail "$page and $program --help name different options: $(diff <(echo "$rendered") <(echo "$help") | tr '\n' ' ')"
done
bash -n "$root/share/bash-completion/completions/pennivel-tool" || fail "bash completion does not parse"
echo "installed files are complete and valid"
