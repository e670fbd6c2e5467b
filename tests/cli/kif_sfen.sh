#!/bin/bash
# kif RECORD.棋譜 prints KIF that sfen reads back, one SFEN per Position;
# a file that is not KIF is refused with one line on stderr and status 2.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$engine" kif "$here/fuzz/corpus/record/two_moves.棋譜" >"$tmp/game.kifu" || fail "kif exited $?"
grep -q '^   2 ３四歩(33)' "$tmp/game.kifu" || fail "kif: no second move"
"$engine" sfen "$tmp/game.kifu" >"$tmp/sfen" || fail "sfen of our own KIF exited $?"
[ "$(wc -l <"$tmp/sfen")" -eq 3 ] || fail "sfen: expected 3 Positions"
[ "$(head -n 1 "$tmp/sfen")" = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1" ] || fail "sfen: start"

"$engine" sfen "$here/data/short_game.kifu" >"$tmp/short" || fail "sfen short game exited $?"
[ "$(tail -n 1 "$tmp/short")" = "lnsgkg1nl/1r5s1/pp1ppp1pp/6p2/4B4/8P/PP1PPPPP1/4K2R1/LNSG2SNL w Pbgp 12" ] ||
    fail "sfen: end of the short game: $(tail -n 1 "$tmp/short")"

printf 'hello\n' >"$tmp/bad.kif"
"$engine" sfen "$tmp/bad.kif" >"$tmp/out" 2>"$tmp/err"
[ $? -eq 2 ] || fail "bad KIF: status not 2"
[ -s "$tmp/out" ] && fail "bad KIF: wrote to stdout"
[ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "bad KIF: stderr is not one line"

[ "$failures" -eq 0 ] && echo "kif/sfen: ok"
exit "$failures"
