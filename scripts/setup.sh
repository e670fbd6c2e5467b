#!/usr/bin/env bash
# Installs what the build, the game and the tests need on Debian 12, when it is
# missing and we are root. Safe to run again: it does nothing when all is there.
set -euo pipefail

# Every package the game, its build and its tests use: tests/qt checks that
# each font family the program asks for is installed and names the package.
packages=(
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n libsdl2-mixer-dev
  qt6-l10n-tools qt6-tools-dev
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  xvfb xauth imagemagick
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
