#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run need, when one is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl1-mesa-dev libjpeg-dev
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  clang-format clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  python3 python3-dbfread python3-numpy python3-scipy
  shapelib unrtf poppler-utils libwpd-tools
  openbox xdotool x11-apps imagemagick
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
