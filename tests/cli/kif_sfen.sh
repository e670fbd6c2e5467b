#!/bin/bash
# kif RECORD.棋譜 prints KIF that sfen reads back, one SFEN per Position;
# kif and sfen take CSA files too; a file that is not KIF is refused with
# one line on stderr and status 2.
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

# CSA: sfen reads it; kif writes it as KIF that gives the same Positions,
# in CP932 when asked.
printf "V2.2\r\nN+甲\r\nPI\r\n+\r\n+7776FU\r\nT3\r\n-3334FU\r\n+8822UM\r\n%%TORYO\r\n" >"$tmp/game.csa"
"$engine" sfen "$tmp/game.csa" >"$tmp/csa.sfen" || fail "sfen of a CSA file exited $?"
[ "$(tail -n 1 "$tmp/csa.sfen")" = "lnsgkgsnl/1r5+B1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL w B 4" ] ||
    fail "sfen: end of the CSA game: $(tail -n 1 "$tmp/csa.sfen")"
"$engine" kif "$tmp/game.csa" >"$tmp/from_csa.kifu" || fail "kif of a CSA file exited $?"
grep -q '^先手：甲' "$tmp/from_csa.kifu" || fail "kif of CSA: no 先手 line"
grep -q '^まで3手で先手の勝ち' "$tmp/from_csa.kifu" || fail "kif of CSA: the resignation is lost"
"$engine" sfen "$tmp/from_csa.kifu" | cmp -s - "$tmp/csa.sfen" || fail "kif of CSA does not read back to the same Positions"
"$engine" kif --encoding cp932 "$tmp/game.csa" >"$tmp/from_csa.kif" || fail "kif --encoding cp932 exited $?"
iconv -f CP932 -t UTF-8 "$tmp/from_csa.kif" | cmp -s - "$tmp/from_csa.kifu" || fail "--encoding cp932 is not the same text"
"$engine" kif --encoding utf8 "$tmp/from_csa.kifu" | cmp -s - "$tmp/from_csa.kifu" || fail "kif of our own KIF changed it"
"$engine" kif --encoding latin1 "$tmp/game.csa" >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown encoding is not refused"

printf 'hello\n' >"$tmp/bad.kif"
"$engine" sfen "$tmp/bad.kif" >"$tmp/out" 2>"$tmp/err"
[ $? -eq 2 ] || fail "bad KIF: status not 2"
[ -s "$tmp/out" ] && fail "bad KIF: wrote to stdout"
[ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "bad KIF: stderr is not one line"

[ "$failures" -eq 0 ] && echo "kif/sfen: ok"
exit "$failures"
