#!/usr/bin/env bash
# Installs every Debian package that building, testing and running slownik needs.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libcurl4-openssl-dev libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
  php-cli
  clang-14 libclang-rt-14-dev
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
