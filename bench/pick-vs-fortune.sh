#!/usr/bin/env bash
# Times `pennivel-tool pick` against `fortune` over the same sayings, at 10,000 and
# 1,000,000 Tips: the Tips file made by `import`, the fortune file by `export --format
# fortune` and indexed by strfile. Needs hyperfine, fortune-mod and a release build.
# Usage: bench/pick-vs-fortune.sh [BUILD_DIR]      (default build/release)
set -euo pipefail
build=${1:-build/release}
tool=$(realpath "$build/pennivel-tool")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
strfile=$(command -v strfile || echo /usr/sbin/strfile)
for count in 10000 1000000; do
  export PENNIVEL_DIR=$work/tips-$count
  mkdir -p "$PENNIVEL_DIR"
  awk -v n="$count" 'BEGIN { for (i = 1; i <= n; i++) printf "Saying number %d: keep going, one step at a time.\n%%\n", i }' \
    >"$work/sayings"
  "$tool" import --category Bench "$work/sayings" >/dev/null
  "$tool" export --format fortune "$work/fortunes-$count"
  "$strfile" -s "$work/fortunes-$count" >/dev/null
  ls -l "$PENNIVEL_DIR/PennivelTips.ini" | awk -v n="$count" '{ printf "%d Tips: Tips file %.1f MB\n", n, $5 / 1e6 }'
  hyperfine -N --warmup 3 --runs 30 \
    -n "pick ($count)" "$tool pick" \
    -n "fortune ($count)" "/usr/games/fortune $work/fortunes-$count"
done
