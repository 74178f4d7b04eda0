#!/usr/bin/env bash
# Cross-builds vorK for 64-bit Windows into build-windows/ (or the folder
# given): build-windows/vork.exe, one self-contained program, and beside it
# the zip and the installer (vork-1.00-win64.zip, vork-1.00-win64-setup.exe).
# Installs what is missing; SDL2, SDL2_ttf and FreeType are built once from
# Debian's source packages and cached outside the clone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
shift || true

"$root/scripts/install-deps.sh" windows

. "$root/scripts/lib/debian-library.sh"
toolchain=$root/cmake/toolchains/x86_64-w64-mingw32.cmake
export CMAKE_BUILD_PARALLEL_LEVEL=2
# Static only: the game links them into its exe. FreeType without the
# compressed-font and colour-glyph helpers, which the game's TrueType face
# needs none of; SDL2_ttf without HarfBuzz (the game prints plain Latin text)
# and against that FreeType, since Debian's tarball has no copy of its own.
freetype=$(debian_library freetype "$toolchain" -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_ZLIB=ON \
  -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON)
sdl=$(debian_library libsdl2 "$toolchain" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF)
ttf=$(debian_library libsdl2-ttf "$toolchain" -DBUILD_SHARED_LIBS=OFF -DSDL2TTF_HARFBUZZ=OFF \
  -DSDL2TTF_VENDORED=OFF -DSDL2TTF_SAMPLES=OFF "-DCMAKE_FIND_ROOT_PATH=$sdl;$freetype")

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  "-DCMAKE_FIND_ROOT_PATH=$sdl;$ttf;$freetype" "$@" >/dev/null
cmake --build "$build" -j2
(cd "$build" && cpack -G "ZIP;NSIS" >/dev/null)
ls -l "$build"/vork.exe "$build"/vork-*-win64.zip "$build"/vork-*-win64-setup.exe
