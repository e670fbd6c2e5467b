#!/bin/bash
# `moves`: generation order, promotion lines, drops with the two-pawn rule.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Start position, lower side: 52 pawn moves (capture on rank 3 twice, with
# and without promotion), 6 rook, 4 silver, 6 gold, 3 king and 2 lance moves.
out=$("$engine" moves lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1) || fail "start: exit status"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 73 ] || fail "start: $(printf '%s\n' "$out" | wc -l) lines, expected 73"
[ "$(printf '%s\n' "$out" | head -2)" = $'1 7 1 3 -10 9g9c\n1 7 1 3 -11 9g9c+' ] || fail "start: first lines"
printf '%s\n' "$out" | grep -qx '3 7 3 6 -10 7g7f' || fail "start: 7g7f missing"
[ "$(printf '%s\n' "$out" | tail -1)" = '9 9 9 8 -20 1i1h' ] || fail "start: last line"

# Forced promotions (lance to rank 1, knight to rank 1) print only the
# promoted line; then the king; then pawn drops on every empty square.
expected_head='1 2 1 1 -21 9b9a+
5 9 4 8 -950 5i6h
5 9 4 9 -950 5i6i
5 9 5 8 -950 5i5h
5 9 6 8 -950 5i4h
5 9 6 9 -950 5i4i
8 3 7 1 -31 2c3a+
8 3 9 1 -31 2c1a+
11 1 1 1 -10 P*9a
11 1 1 3 -10 P*9c'
out=$("$engine" moves 4k4/L8/7N1/9/9/9/9/9/4K4 b P 1) || fail "forced: exit status"
[ "$(printf '%s\n' "$out" | head -10)" = "$expected_head" ] || fail "forced: head differs: $(printf '%s\n' "$out" | head -10)"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 85 ] || fail "forced: expected 85 lines"
[ "$(printf '%s\n' "$out" | tail -1)" = '11 1 9 9 -10 P*1i' ] || fail "forced: last drop"

# Upper side to move: its pawn on file 7 (3 in notation) forbids pawn drops
# on that file, its promoted pawn on file 3 does not.
out=$("$engine" moves 4k4/9/9/2p6/9/9/9/l5+p2/4K4 w p 1) || fail "upper: exit status"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 115 ] || fail "upper: expected 115 lines"
[ "$(printf '%s\n' "$out" | head -1)" = '1 8 1 9 21 9h9i+' ] || fail "upper: forced lance promotion first"
printf '%s\n' "$out" | grep -qx '3 4 3 7 10 7d7g' || fail "upper: pawn into the zone unpromoted"
printf '%s\n' "$out" | grep -qx '3 4 3 7 11 7d7g+' || fail "upper: pawn into the zone promoted"
printf '%s\n' "$out" | grep -q '^-1 1 3 ' && fail "upper: pawn dropped on a file holding a pawn"
printf '%s\n' "$out" | grep -qx -- '-1 1 7 1 10 P\*3a' || fail "upper: drop beside a promoted pawn"

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "moves: ok"
