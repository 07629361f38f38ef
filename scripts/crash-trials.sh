#!/usr/bin/env bash
# Kills a saving process (kill -9) at TRIALS random moments (default 200) and checks
# each time that the Tips file holds the complete old or the complete new collection,
# never a cut one, and that the next start's clean-up leaves no new file behind.
#   scripts/crash-trials.sh [--in-place] [TRIALS]   (builds tests/crash in the test preset first)
# --in-place saves into a folder that refuses new files, so each save rewrites the file
# in place under its rollback journal; the saver then runs as the user nobody (needs
# root and setpriv), the kills fall in the rewrite under the journal, and each trial
# checks what a reader sees before the recovery, what the recovery leaves, and that no
# journal stays.
set -euo pipefail
cd "$(dirname "$0")/.."
in_place=false
if [ "${1:-}" = "--in-place" ]; then in_place=true; shift; fi
trials=${1:-200}
cmake --build --preset test --target crash_save >/dev/null
helper=$PWD/build/test/tests/crash/crash_save
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir" 2>/dev/null; rm -rf "$dir"' EXIT
file="$dir/PennivelTips.ini"
export ASAN_OPTIONS=detect_leaks=0
run=()
if $in_place; then
  [ "$(id -u)" -eq 0 ] || { echo "--in-place needs root, to save as the user nobody" >&2; exit 2; }
  chmod 755 "$dir"
  mkdir "$dir/state"
  chown 65534:65534 "$dir/state"
  export XDG_STATE_HOME="$dir/state"
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

# Starts a save in the background ($pid) and returns once it says the save begins; in
# place, once its journal is there, so the kills land in the rewrite itself.
start_save() {
  : >"$dir/ready"
  "${run[@]}" "$helper" "$1" "$file" >"$dir/ready" &
  pid=$!
  until [ -s "$dir/ready" ] || ! kill -0 "$pid" 2>/dev/null; do sleep 0.001; done
  if $in_place; then
    until compgen -G "$dir/state/pennivel/*.journal" >/dev/null || ! kill -0 "$pid" 2>/dev/null; do :; done
  fi
}

# The first file is made while the folder still takes new files.
"$helper" old "$file" >/dev/null
if $in_place; then chown 65534:65534 "$file"; chmod 555 "$dir"; fi
# One whole save, to spread the kills over the time it takes.
start_save new
begin=$(date +%s%N)
wait "$pid"
window_ms=$(( ($(date +%s%N) - begin) / 1000000 + 1 ))
echo "a save takes about $window_ms ms; killing at random moments within $((window_ms * 15 / 10)) ms of its start"

old=0 new=0 cut=0 left=0 stayed=0 journals=0
for ((i = 1; i <= trials; i++)); do
  "${run[@]}" "$helper" old "$file" >/dev/null
  delay=$(( RANDOM * 32768 + RANDOM ))
  pause=$(awk -v r="$delay" -v w="$window_ms" 'BEGIN { printf "%.4f", r / 1073741824 * w * 1.5 / 1000 }')
  start_save new
  sleep "$pause"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if $in_place && compgen -G "$dir/state/pennivel/*.journal" >/dev/null; then journals=$((journals + 1)); fi
  seen=$("${run[@]}" "$helper" verify "$file")
  if compgen -G "$file.new-*" >/dev/null; then left=$((left + 1)); fi
  "${run[@]}" "$helper" clean "$file"
  after=$("${run[@]}" "$helper" verify "$file")
  if [ "$seen" != "$after" ]; then echo "trial $i: a reader saw $seen, the clean-up left $after"; seen=cut; fi
  if $in_place && compgen -G "$dir/state/pennivel/*.journal" >/dev/null; then echo "trial $i: a journal stayed"; seen=cut; fi
  case $seen in
    old) old=$((old + 1)) ;;
    new) new=$((new + 1)) ;;
    *) cut=$((cut + 1)); mkdir -p build/crash-trials; cp "$file" "build/crash-trials/cut-$i.ini" ;;
  esac
  if compgen -G "$file.new-*" >/dev/null; then stayed=$((stayed + 1)); fi
done
echo "trials $trials: old $old, new $new, cut $cut; new files left by a kill $left, still there after the clean-up $stayed"
$in_place && echo "kills that left a journal for the next open: $journals"
[ "$cut" -eq 0 ] && [ "$stayed" -eq 0 ]
