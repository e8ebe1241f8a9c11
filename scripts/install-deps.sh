#!/usr/bin/env bash
# Installs the Debian 12 packages chemdrill needs to build, test and run.
# This is the single list of system dependencies; it only calls apt-get when
# something is missing, so running it again is cheap.
set -euo pipefail

packages=(
  # toolchain
  g++ make cmake pkg-config
  # Qt 6 widgets, the offscreen/xcb platform plugins, SVG for the pictures
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev
  # GIF writing for the question material
  libgif-dev
  # the Mincho and Gothic faces the screens are laid out with
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-noto-cjk
  # tests
  libgtest-dev xvfb xauth
  # the accessibility check: AT-SPI bus, a D-Bus session, Python bindings
  at-spi2-core dbus-x11 python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
