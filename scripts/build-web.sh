#!/usr/bin/env bash
# Builds vorK for the browser into build-web/ (or the folder given): the game
# as WebAssembly, with Debian's clang 14 for wasm32-wasi and FreeType from
# Debian's source (built once, then kept in ~/.cache/vork), and the site it is
# played from, build-web/site/: plain static files for any web server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-web}
"$root/scripts/install-deps.sh" web
source "$root/scripts/lib/debian-library.sh"
source "$root/scripts/lib/web-libraries.sh"
freetype=$(web_freetype)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/wasm32-wasi.cmake" \
  -Dfreetype_DIR="$freetype/lib/cmake/freetype" >/dev/null
cmake --build "$build" -j"$(nproc)"
echo "The site: $build/site ($(du -sb "$build/site" | cut -f1) bytes)"
