#!/usr/bin/env bash
# Set up, check the formatting of every C++ file, build and run every test:
# the whole program; the record, settings and resume readers under libFuzzer
# for a minute; then the Qt-free core again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check_format.sh
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# XANTU_REQUIRE_ALL: a missing Qt, SDL2_mixer, GoogleTest or Google Benchmark
# stops the run here instead of leaving their tests out.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXANTU_CORE_ONLY=OFF -DXANTU_SANITIZE=OFF \
  -DXANTU_REQUIRE_ALL=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXANTU_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
bash scripts/fuzz.sh 60

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DXANTU_CORE_ONLY=ON -DXANTU_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
