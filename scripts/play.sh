#!/usr/bin/env bash
# Set up, build and start the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXANTU_CORE_ONLY=OFF -DXANTU_SANITIZE=OFF >/dev/null
cmake --build build --target xantu xantu_soundlib
exec ./build/app/xantu "$@"
