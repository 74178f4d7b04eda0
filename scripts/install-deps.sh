#!/usr/bin/env bash
# Installs the Debian packages vorK needs to build, test and benchmark,
# asking apt only when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev libwayland-dev fonts-liberation2
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-apps imagemagick libx11-dev libxtst-dev libxdamage-dev libxfixes-dev libxss-dev
  # the Wayland window tests: weston nested on Xvfb, the title bar SDL draws
  # through libdecor, and Mesa's software EGL that SDL renders with there
  weston libdecor-0-plugin-1-cairo libgl1-mesa-dri
  # the Windows build's tests and benchmark (scripts/build-windows.sh installs
  # what builds it)
  wine wine64
  # the icons, the package and its checks
  zlib1g-dev dpkg-dev lintian desktop-file-utils appstream
)

. "$(dirname "$0")/lib/install-missing.sh"
install_missing "${packages[@]}"
