#!/usr/bin/env bash
# Ends the real game hundreds of times, in every way and at random moments,
# and runs the whole window suite many times two at a time, all under CPU
# load; prints every failure with its log, then the counts.
#
#   scripts/stress.sh [games per way of ending, default 40] [suite runs, default 50] [build folder]
#
# Ten ways of ending (SIGTERM, SIGINT, SIGHUP, a close request, a right click;
# each on the title screen and during a rally) times 40 games makes 400 ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-40}
suites=${2:-50}
build=${3:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build"

# One busy loop per core, as a player's compile or video call would be.
load=()
for _ in $(seq "$(nproc)"); do
  ( while :; do :; done ) &
  load+=($!)
done
trap 'kill "${load[@]}" 2>/dev/null || true' EXIT

log=$(mktemp)
echo "== $((runs * 10)) ends under load"
VORK_END_RUNS=$runs ctest --test-dir "$build" -R EveryWayOut -j2 -V >"$log" 2>&1 || true
# Each bad end with the game's own output after it.
grep -A6 -E "ended [0-9]+ ms in" "$log" || true
games=$(grep -oE '\[ ends \] [0-9]+ games, [0-9]+ ended badly' "$log" | awk '{s+=$4; f+=$6} END {print s+0, f+0}')
read -r ended endedBadly <<<"$games"

echo "== $suites runs of the window suite, two tests at a time, under load"
suiteFailures=0
for i in $(seq "$suites"); do
  if ! ctest --test-dir "$build" -L window -j2 --output-on-failure >"$log" 2>&1; then
    suiteFailures=$((suiteFailures + 1))
    echo "-- run $i failed:"
    cat "$log"
  fi
done
rm -f "$log"

echo "ends: $endedBadly of $ended failed; window suite: $suiteFailures of $suites runs failed"
[ "$endedBadly" -eq 0 ] && [ "$ended" -gt 0 ] && [ "$suiteFailures" -eq 0 ]
