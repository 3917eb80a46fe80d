#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing: a second run installs nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config  # the tool chain
  libgtest-dev                      # tests
  libhidapi-dev                     # real HID devices
  clang libclang-rt-14-dev          # the fuzz targets (libFuzzer)
  qt6-base-dev libqt6test6 libpng-dev libx11-dev  # the window, its skin, single instance
  libxi-dev libxtst-dev                           # recording keys and clicks (XInput2), its bench
  libglib2.0-dev gsettings-desktop-schemas        # GNOME's pointer settings (GIO)
  fonts-dejavu-core fonts-wqy-microhei            # legible text, Latin and Chinese
  xvfb xdotool x11-utils imagemagick              # running and testing the window headless
  x11-xserver-utils                               # xset: the pointer control the tests check
  g++-mingw-w64-x86-64-posix googletest wine64    # the Windows build, and running its tests
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "run as root, or install them yourself: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
