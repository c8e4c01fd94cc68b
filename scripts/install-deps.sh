#!/usr/bin/env bash
# Installs the Debian packages the station needs to build, run and test.
# Only packages that are missing are installed; apt-get update runs at most once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libevdev-dev libudev-dev libxcb1-dev libxcb-xinput-dev
  libgtest-dev libgmock-dev libbenchmark-dev umockdev libumockdev-dev
  xvfb xauth imagemagick x11-utils xdotool file
  fonts-liberation fonts-dejavu-core fonts-wqy-zenhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
