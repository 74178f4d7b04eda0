#!/usr/bin/env bash
# Installs what is missing, builds vorK for every target and runs every test:
# the whole suite on the Release build, the browser's and the Windows build's
# (under Wine) included, then the native game again under the address and
# undefined-behaviour sanitizers, the real game in its window included.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" desktop web web-tests

# The other targets' builds, which the Release run plays in Chromium and
# under Wine.
"$root/scripts/build-web.sh" "$root/build-web"
"$root/scripts/build-windows.sh" "$root/build-windows"
"$root/scripts/build.sh" "$root/build" -DVORK_WEB_BUILD="$root/build-web" -DVORK_WINDOWS_BUILD="$root/build-windows"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

"$root/scripts/build.sh" "$root/build-sanitize" -DVORK_SANITIZE=address,undefined -DVORK_BUILD_BENCH=OFF
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)" -LE wayland
# On Wayland the libraries SDL loads (libdecor and its cairo plugin, with
# pango and fontconfig) leave dozens of allocations behind at exit: there the
# game is checked for memory errors and undefined behaviour, not for leaks.
ASAN_OPTIONS=detect_leaks=0 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$(nproc)" -L wayland
