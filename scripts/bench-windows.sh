#!/usr/bin/env bash
# Builds vorK for Windows and for Linux, and plays a rally with each on one
# virtual X server, the Windows build under Debian's Wine (vork_bench_wine):
# frames per second, frame periods, processor (under Wine the game and the
# wineserver), wake-ups, and the idle title screen's wake-ups. About two
# minutes, the first Windows build aside.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build-windows.sh" "$root/build-windows" >/dev/null
"$root/scripts/build.sh" "$root/build" -DVORK_WINDOWS_BUILD="$root/build-windows"
"$root/build/bench/window/vork_bench_wine"
