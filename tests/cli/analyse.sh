#!/bin/bash
# analyse finds the planted blunder of a short KIF (a rook left where a gold
# takes it) and names the best move instead, in text and in JSON.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$("$engine" analyse --depth 3 --threads 2 "$here/data/hanging_rook.kif") || fail "analyse exited $?"
[ "$(echo "$out" | sed '/^mistakes:/,$d' | wc -l)" -eq 4 ] || fail "not one line per Position: $out"
echo "$out" | grep -q $'^0\t+[0-9]*\t[^\t]*\t▲４六飛(48)\t[0-9]*\t??$' || fail "the hanging rook is not marked: $out"
echo "$out" | grep -q '^mistakes: 1$' || fail "not one mistake: $out"
loss=$(echo "$out" | awk -F'\t' '$1 == "1" && $2 == "▲４六飛(48)" { print $3 }')
[ -n "$loss" ] && [ "$loss" -ge 300 ] || fail "the mistake's loss: '$loss'"

json=$("$engine" analyse --depth 3 --threads 1 --json "$here/data/hanging_rook.kif") || fail "--json exited $?"
echo "$json" | grep -q '^{"move":1,"played":"▲４六飛(48)","loss":[0-9]*,"mark":"??","best":"▲' ||
    fail "--json: the mistake: $json"

"$engine" analyse --depth 0 "$here/data/hanging_rook.kif" >/dev/null 2>&1
[ $? -eq 2 ] || fail "a depth of 0 is not refused"
"$engine" analyse --depth 3 /nonexistent.kif >/dev/null 2>&1
[ $? -eq 2 ] || fail "a missing file is not refused"
[ "$failures" -eq 0 ] && echo "ok"
exit $((failures > 0))
