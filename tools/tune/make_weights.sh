#!/bin/bash
# Remakes search/weights.h as it was made: each round, LEVEL4 plays itself
# (3000 nodes a move, from random quiet starts) and the weights are fitted to
# the outcomes. Round 1 (1500 games) starts from the hand-set weights; round 2
# (1500 games) plays with round 1's weights and fits on both rounds'
# positions, starting from round 1's weights; round 3 (67 292 games, a
# million positions) plays with round 2's weights and fits on its own
# positions alone, starting from round 2's weights.
# Usage: bash tools/tune/make_weights.sh [BUILD_DIR] (about 80 minutes on one core).
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

cmake --build "$build" --target xantu-tune
"$tune" selfplay --games 39292 --nodes 3000 --seed 11 --out "$data/round3a.txt" 2>/dev/null
"$tune" selfplay --games 28000 --nodes 3000 --seed 12 --out "$data/round3b.txt" 2>/dev/null
"$tune" tune --data "$data/round3a.txt" --data2 "$data/round3b.txt" --epochs 300 --out search/weights.h
