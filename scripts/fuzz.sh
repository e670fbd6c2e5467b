#!/usr/bin/env bash
# Runs the libFuzzer targets of build-fuzz side by side for $1 seconds each,
# starting from the seeds in tests/fuzz/corpus. Fails on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pids=()
for t in record settings kif csa usi resume; do
  mkdir -p "$work/$t"
  cp tests/fuzz/corpus/$t/* "$work/$t/"
  ./build-fuzz/tests/fuzz/${t}_reader_fuzz -max_total_time="$seconds" -print_final_stats=0 \
    -artifact_prefix="$work/" "$work/$t" >"$work/$t.log" 2>&1 &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for t in record settings kif csa usi resume; do echo "fuzz $t: $(grep -E '^Done [0-9]+ runs' "$work/$t.log" || echo 'no summary')"; done
if [ "$status" -ne 0 ]; then
  for t in record settings kif csa usi resume; do tail -n 40 "$work/$t.log"; done >&2
  echo "fuzzing found a fault" >&2
fi
exit "$status"
