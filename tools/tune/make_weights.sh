#!/bin/bash
# Remakes search/weights.h as it was made: each round, LEVEL4 plays itself
# (3000 nodes a move, 1500 games from random quiet starts) and the weights are
# fitted to the outcomes. Round 1 starts from the hand-set weights; round 2
# plays with round 1's weights and fits on both rounds' positions, starting
# from round 1's weights.
# Usage: bash tools/tune/make_weights.sh [BUILD_DIR] (about 15 minutes on one core).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
data="$build/tune-data"
mkdir -p "$data"
tune="$build/tools/xantu-tune"

cmake --build "$build" --target xantu-tune
"$tune" selfplay --start --games 1500 --nodes 3000 --seed 1 --out "$data/round1.txt" 2>/dev/null
"$tune" tune --start --data "$data/round1.txt" --epochs 300 --out search/weights.h

cmake --build "$build" --target xantu-tune
"$tune" selfplay --games 1500 --nodes 3000 --seed 3 --out "$data/round2.txt" 2>/dev/null
"$tune" tune --data "$data/round1.txt" --data2 "$data/round2.txt" --epochs 300 --out search/weights.h
