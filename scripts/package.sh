#!/usr/bin/env bash
# Optional: build the Debian package of the game and install it, so that it
# appears in the desktop's menu. Installs with apt when root; otherwise says
# how.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package --target xantu xantu_soundlib xantu-engine
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/xantu_*.deb)
if [ "$(id -u)" -eq 0 ]; then
  apt-get install -y "./$deb"
else
  echo "Built $deb; install it with: sudo apt-get install ./$deb"
fi
