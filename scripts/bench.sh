#!/usr/bin/env bash
# Builds vorK and runs its benchmarks: the drawing cost in-process, then the
# real game under a virtual X server (start-up and memory; a rally side by
# side with the plain-Xlib floor: processor, X server, wake-ups, frame pacing,
# input delay) and on each desktop (X11 and Wayland, scale 1 and 2); then the
# Windows build under Wine beside it (scripts/bench-windows.sh), and the
# browser version beside a floor page (scripts/bench-web.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
"$root/build/bench/vork_bench_draw" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
for program in vork_bench_startup vork_bench_rally vork_bench_desktops; do
  if [ -x "$root/build/bench/window/$program" ]; then
    "$root/build/bench/window/$program"
  fi
done
"$root/scripts/bench-windows.sh"
"$root/scripts/bench-web.sh"
