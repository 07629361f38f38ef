#!/usr/bin/env bash
# Kills a saving process (kill -9) at TRIALS random moments (default 200) and checks
# each time that the Tips file holds the complete old or the complete new collection,
# never a cut one, and that the next start's clean-up leaves no new file behind.
#   scripts/crash-trials.sh [TRIALS]     (builds tests/crash in the test preset first)
set -euo pipefail
cd "$(dirname "$0")/.."
trials=${1:-200}
cmake --build --preset test --target crash_save >/dev/null
helper=build/test/tests/crash/crash_save
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/PennivelTips.ini"
export ASAN_OPTIONS=detect_leaks=0

# One whole save, to spread the kills over the time it takes (start-up included).
"$helper" old "$file"
begin=$(date +%s%N)
"$helper" new "$file"
window_ms=$(( ($(date +%s%N) - begin) / 1000000 ))
echo "a save takes about $window_ms ms; killing at random moments within $((window_ms * 15 / 10)) ms"

old=0 new=0 cut=0 left=0 stayed=0
for ((i = 1; i <= trials; i++)); do
  "$helper" old "$file"
  "$helper" new "$file" &
  pid=$!
  delay=$(( RANDOM * 32768 + RANDOM ))
  sleep "$(awk -v r="$delay" -v w="$window_ms" 'BEGIN { printf "%.4f", r / 1073741824 * w * 1.5 / 1000 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  case $("$helper" verify "$file") in
    old) old=$((old + 1)) ;;
    new) new=$((new + 1)) ;;
    *) cut=$((cut + 1)); mkdir -p build/crash-trials; cp "$file" "build/crash-trials/cut-$i.ini" ;;
  esac
  if compgen -G "$file.new-*" >/dev/null; then left=$((left + 1)); fi
  "$helper" clean "$file"
  if compgen -G "$file.new-*" >/dev/null; then stayed=$((stayed + 1)); fi
done
echo "trials $trials: old $old, new $new, cut $cut; new files left by a kill $left, still there after the clean-up $stayed"
[ "$cut" -eq 0 ] && [ "$stayed" -eq 0 ]
