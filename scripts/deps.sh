#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build's Debian packages is missing.
# Run as root on Debian 12; a machine that has everything is left alone.
#   bash scripts/deps.sh              the packages the build and the tests need
#   bash scripts/deps.sh PACKAGE...   just these (the other scripts' extras)
set -euo pipefail

if (($#)); then
  packages=("$@")
else
  packages=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core fonts-urw-base35 xvfb xauth
    openbox xdotool x11-utils libx11-dev
    orca at-spi2-core dbus python3-pyatspi procps
    weston qt6-wayland qt6ct imagemagick
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Some packages are missing and this is not root: run as root, or install them yourself." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
