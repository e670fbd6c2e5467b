#!/bin/bash
# The behaviour signature of `bench --level 4`: the LEVEL4 search to a fixed
# depth over the built-in positions. It changes only when the search's choices
# or its work change (move generator, evaluation weights, pruning, ordering);
# a commit that changes it on purpose updates it here and says so.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
expected='positions: 36 nodes: 1291085 signature: e31782f20e5f6142 '
out=$("$engine" bench --level 4) || { echo "FAIL: bench --level 4 exit status"; exit 1; }
got=$(printf '%s\n' "$out" | grep -E '^(positions|nodes|signature):' | tr '\n' ' ')
if [ "$got" != "$expected" ]; then
    echo "FAIL: got      $got"; echo "      expected $expected"; exit 1
fi
[ "$(printf '%s\n' "$out" | grep -cE '^[0-9]+ ')" -eq 36 ] || { echo "FAIL: one line per position"; exit 1; }
printf '%s\n' "$out" | grep -qE '^nodes_per_second: [0-9]+$' || { echo "FAIL: no nodes_per_second"; exit 1; }
echo "bench --level 4 signature: as recorded"
