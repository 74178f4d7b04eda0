#!/usr/bin/env bash
# Installs the Debian packages vorK needs to build, test and benchmark,
# asking apt only when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev libwayland-dev fonts-liberation2
  # FreeTypeFont, the text without SDL, and the font subset the browser loads
  libfreetype-dev fonttools
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-apps imagemagick libx11-dev libxtst-dev libxdamage-dev libxfixes-dev libxss-dev
  # the Wayland window tests: weston nested on Xvfb, the title bar SDL draws
  # through libdecor, and Mesa's software EGL that SDL renders with there
  weston libdecor-0-plugin-1-cairo libgl1-mesa-dri
  # the icons, the package and its checks
  zlib1g-dev dpkg-dev lintian desktop-file-utils appstream
)

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
