#!/usr/bin/env bash
# Installs what is missing, builds vorK and runs every test: the whole suite
# on the Release build, then again under the address and undefined-behaviour
# sanitizers, the real game in its window included.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

"$root/scripts/build.sh" "$root/build-sanitize" -DVORK_SANITIZE=address,undefined -DVORK_BUILD_BENCH=OFF
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)"
