#!/usr/bin/env bash
# Installs the Debian 12 packages chemdrill needs to build, test and run.
# This is the single list of system dependencies; it only calls apt-get when
# something is missing, so running it again is cheap.
set -euo pipefail

packages=(
  # toolchain
  g++ make cmake
  # Qt 6 widgets and the offscreen/xcb platform plugins
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # X11 event structures, to notice a window destroyed from outside
  libxcb1-dev
  # GIF writing for the question material
  libgif-dev
  # the Mincho and Gothic faces the screens are laid out with
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-noto-cjk
  # tests; locales for the comma-decimal locale the number tests switch to
  libgtest-dev xvfb xauth locales
  # the accessibility check: AT-SPI bus, a D-Bus session, Python bindings
  at-spi2-core dbus-x11 python3-pyatspi
  # windows destroyed by another client, in the outside-ends test
  xdotool
  # fuzzing: clang and its libFuzzer runtime (make fuzz)
  clang-14 libclang-rt-14-dev
  # the install check's validators of the desktop entry and the metainfo;
  # dpkg-shlibdeps for the Debian package's library dependencies
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number tests check that a desktop writing "0,5" changes nothing.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "install-deps: generating the de_DE.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen
fi
