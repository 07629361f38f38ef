#!/usr/bin/env bash
# Builds the Debian package from a release build of the sources, as the README says,
# and runs lintian on it: no error and no warning may remain.
# Usage: check-deb.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source=$1 work=$2
command -v lintian >/dev/null || { echo "SKIPPED: lintian is not installed"; exit 77; }
cmake -S "$source" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work" >/dev/null
rm -f "$work"/pennivel*.deb "$work"/pennivel*.ddeb
(cd "$work" && cpack -G DEB >/dev/null)
deb=$(ls "$work"/pennivel_*_amd64.deb "$work"/pennivel_*_*.deb 2>/dev/null | grep -v dbgsym | head -1)
[ -n "$deb" ] || { echo "FAIL: cpack made no package"; exit 1; }
report=$(lintian --tag-display-limit 0 --pedantic "$deb" 2>&1 | grep -v '^running with root privileges' || true)
echo "$report"
if grep -qE '^[EW]: ' <<<"$report"; then
  echo "FAIL: lintian reports errors or warnings on $(basename "$deb")"
  exit 1
fi
echo "lintian: no error and no warning on $(basename "$deb")"
