#!/usr/bin/env bash
# Installs the Debian packages vorK needs, asking apt only when something is
# missing. Each argument names a set; without one, the desktop's:
#
#   desktop    build, test, benchmark and package the Linux game
#   web        build the browser version (scripts/build-web.sh)
#   web-tests  play it in Debian's Chromium, Firefox ESR and WebKitGTK for the tests and benchmarks
#   windows    cross-build the Windows version (scripts/build-windows.sh)
set -euo pipefail

desktop=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev libwayland-dev fonts-liberation2
  # FreeTypeFont, the text without SDL, and the font subset the browser loads
  libfreetype-dev fonttools
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-apps imagemagick libx11-dev libxtst-dev libxdamage-dev libxfixes-dev libxss-dev
  # the Wayland window tests: weston nested on Xvfb, the title bar SDL draws
  # through libdecor, and Mesa's software EGL that SDL renders with there
  weston libdecor-0-plugin-1-cairo libgl1-mesa-dri
  # the same tests on GNOME's and KDE's compositors, each on a session bus of
  # its own; KWin's fake input protocol, whose client code the build generates
  mutter kwin-wayland plasma-wayland-protocols libwayland-bin dbus-daemon libdbus-1-dev
  # the Windows build's tests and benchmark (the windows set builds it)
  wine wine64
  # the icons, the package and its checks
  zlib1g-dev dpkg-dev lintian desktop-file-utils appstream
)
web=(
  cmake ninja-build python3 fonts-liberation2 fonttools
  # clang's wasm32-wasi target, its C and C++ libraries, and binaryen's wasm-opt
  clang-14 lld-14 llvm-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32 binaryen
  # FreeType's Debian source, fetched and unpacked as apt checks it
  apt dpkg-dev
  # the host compiler and zlib for the tool that draws the web app's icons
  g++ zlib1g-dev
)
# WebKitWebDriver drives the MiniBrowser of the WebKitGTK it depends on; the
# driver turns GTK's accessibility bus off, so no session bus is needed
web_tests=(chromium firefox-esr webkit2gtk-driver xvfb xdotool x11-utils)
windows=(
  # the cross compiler and resource compiler, CMake and Ninja for the
  # libraries, dpkg-source for their sources, NSIS for the installer
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build dpkg-dev nsis fonts-liberation2
  # the host compiler and zlib for the tool that draws the exe's icon file
  g++ zlib1g-dev
)

packages=()
for set in "${@:-desktop}"; do
  case $set in
    desktop) packages+=("${desktop[@]}") ;;
    web) packages+=("${web[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    web-tests)
      packages+=("${web_tests[@]}")
      # The test driver runs on Node.js 18 or later: Debian's, unless one is there.
      command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)
      ;;
    *) echo "install-deps.sh: no set $set" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
