#!/usr/bin/env bash
# Kills a headless game with SIGKILL at random moments, COUNT times (300
# unless given), and checks after every kill that the next start either
# resumes a whole game or starts fresh. Usage: scripts/resume_kill.sh [COUNT] [BUILD]
set -uo pipefail
cd "$(dirname "$0")/.."
count=${1:-300}
harness=${2:-build}/tools/xantu-resume-harness
[ -x "$harness" ] || { echo "build $harness first" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
resumed=0 fresh=0 broken=0
for ((i = 1; i <= count; i++)); do
  "$harness" play "$dir" "$i" >/dev/null 2>&1 &
  pid=$!
  # Between 5 ms and about 0.3 s of play: start-up, thinking, writing.
  sleep "0.$(printf '%03d' $((5 + RANDOM % 300)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  out=$("$harness" check "$dir")
  case "$out" in
    resumed*) resumed=$((resumed + 1)) ;;
    fresh) fresh=$((fresh + 1)) ;;
    *) broken=$((broken + 1)); echo "kill $i: $out" >&2; cp "$dir"/Xantu*.resume "/tmp/broken-resume-$i" 2>/dev/null ;;
  esac
done
echo "kills $count: resumed $resumed, fresh $fresh, broken $broken"
[ "$broken" -eq 0 ]
