# The browser's libraries for wasm32-wasi, built from Debian's source by
# debian_library (source debian-library.sh first). Each function prints the
# prefix its library is installed in, for CMAKE_PREFIX_PATH:
#
#   web_freetype    FreeType, as much of it as the game's TrueType face needs

vork_web_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
vork_web_toolchain=$vork_web_lib_dir/../../cmake/toolchains/wasm32-wasi.cmake

# Copies a folder of build settings to the cache under a name that holds a
# hash of its files, and prints that path: as the path is among the build's
# options, changing a file makes a fresh build.
vork_settings_copy() {
  local folder=$1 hash
  hash=$(cd "$folder" && cat $(ls | sort) | sha256sum | cut -c1-16)
  local copy=$vork_cache/settings/$(basename "$folder")-$hash
  if [ ! -d "$copy" ]; then
    mkdir -p "$vork_cache/settings"
    cp -r "$folder" "$copy.tmp.$$" && mv "$copy.tmp.$$" "$copy"
  fi
  echo "$copy"
}

# Debian's FreeType 2.12.1 with its patches, less every library it can use
# (zlib, bzip2, libpng, HarfBuzz, Brotli: none is needed to render TrueType)
# and with only the TrueType driver, the SFNT loader and the smooth renderer
# (freetype-wasi/vork-ftmodule.h).
web_freetype() {
  local settings
  settings=$(vork_settings_copy "$vork_web_lib_dir/freetype-wasi") || return 1
  CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2} debian_library freetype "$vork_web_toolchain" \
    -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON \
    "-DCMAKE_C_FLAGS=-I$settings -include $settings/vork-freetype.h"
}
