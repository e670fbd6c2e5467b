#!/bin/bash
# analyse finds the planted blunder of a short KIF (a rook left where a gold
# takes it) and names the best move instead, in text and in JSON; --kif
# writes the scores as KIF comments.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$("$engine" analyse --depth 3 --threads 2 "$here/data/hanging_rook.kif") || fail "analyse exited $?"
[ "$(echo "$out" | sed '/^mistakes:/,$d' | wc -l)" -eq 4 ] || fail "not one line per Position: $out"
echo "$out" | grep -q $'^0\t[-+]\\?[0-9]*\t[^\t]*\t▲４六飛(48)\t[0-9]*\t??$' || fail "the hanging rook is not marked: $out"
echo "$out" | grep -q '^mistakes: 1$' || fail "not one mistake: $out"
loss=$(echo "$out" | awk -F'\t' '$1 == "1" && $2 == "▲４六飛(48)" { print $3 }')
[ -n "$loss" ] && [ "$loss" -ge 300 ] || fail "the mistake's loss: '$loss'"

json=$("$engine" analyse --depth 3 --threads 1 --json "$here/data/hanging_rook.kif") || fail "--json exited $?"
echo "$json" | grep -q '^{"move":1,"played":"▲４六飛(48)","loss":[0-9]*,"mark":"??","best":"▲' ||
    fail "--json: the mistake: $json"

# --kif: the game with a score comment under each move, read back as the same game.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$engine" analyse --depth 3 --threads 2 --kif "$here/data/hanging_rook.kif" >"$tmp/scored.kifu" || fail "--kif exited $?"
[ "$(grep -cE '^\*評価値 -?[0-9]+'$'\r''$' "$tmp/scored.kifu")" -eq 3 ] || fail "--kif: not one score per move"
grep -A1 '^   2 同　金(55)' "$tmp/scored.kifu" | grep -qE '^\*評価値 -[0-9]+'$'\r''$' || fail "--kif: 後手 ahead after taking the rook"
"$engine" sfen "$tmp/scored.kifu" | cmp -s - <("$engine" sfen "$here/data/hanging_rook.kif") ||
    fail "--kif does not read back as the same game"

"$engine" analyse --depth 0 "$here/data/hanging_rook.kif" >/dev/null 2>&1
[ $? -eq 2 ] || fail "a depth of 0 is not refused"
"$engine" analyse --depth 3 /nonexistent.kif >/dev/null 2>&1
[ $? -eq 2 ] || fail "a missing file is not refused"
[ "$failures" -eq 0 ] && echo "ok"
exit $((failures > 0))
