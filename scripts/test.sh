#!/usr/bin/env bash
# Installs what is missing, builds vorK and runs every test: the whole suite
# on the Release build, then the suites without a window again under the
# address and undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

"$root/scripts/build.sh" "$root/build-sanitize" -DVORK_SANITIZE=address,undefined -DVORK_BUILD_BENCH=OFF
ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)" -LE window
