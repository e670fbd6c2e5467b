#!/bin/bash
# `survey`: 14 tables in fixed order, 9 rows of 9 numbers each, then the kings.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Row y of the named table.
row() { printf '%s\n' "$1" | awk -v t="$2" -v y="$3" '$0 == t { n = NR } n && NR == n + y { print; exit }'; }

out=$("$engine" survey lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1) || fail "exit status"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 142 ] || fail "expected 142 lines"
names=$(printf '%s\n' "$out" | awk 'NR <= 140 && (NR - 1) % 10 == 0')
expected_names='manInfluence
comInfluence
manGuard
comGuard
comGuardX
comGuardY
manThreat
manThreatX
manThreatY
comThreat
comThreatX
comThreatY
comKingCheckMap
manKingCheckMap'
[ "$names" = "$expected_names" ] || fail "table names or order: $names"
bad=$(printf '%s\n' "$out" | awk 'NR <= 140 && (NR - 1) % 10 != 0 {
    ok = NF == 9
    for (i = 1; i <= NF; ++i) if ($i !~ /^-?[0-9]+$/) ok = 0
    if (!ok || $0 ~ /  |^ | $/) { print; exit }
}')
[ -z "$bad" ] || fail "malformed row: $bad"
[ "$(printf '%s\n' "$out" | tail -2)" = $'manKing 5 9\ncomKing 5 1' ] || fail "king lines"
[ "$(row "$out" manGuard 7)" = '-800 -10 -800 -10 -10 -10 -30 -900 -30' ] || fail "manGuard row 7: $(row "$out" manGuard 7)"
[ "$(row "$out" comInfluence 5)" = '1 1 1 1 1 1 1 1 1' ] || fail "comInfluence row 5"
# Empty squares get no guard square: the position tables start at zero.
[ "$(row "$out" comGuardX 5)" = '0 0 0 0 0 0 0 0 0' ] || fail "position tables start at zero"
[ "$(row "$out" comGuardX 1)" = '1 2 3 4 5 6 7 0 9' ] || fail "comGuardX row 1: $(row "$out" comGuardX 1)"

# A rook check down the file: 1 between, 9 on the rook; the guard square of
# the upper pawns.
out=$("$engine" survey k8/9/3p1p3/9/9/4r4/9/9/4K4 b G 1) || fail "check: exit status"
for y in 1 2 3 4 5; do
    [ "$(row "$out" manKingCheckMap $y)" = '0 0 0 0 0 0 0 0 0' ] || fail "check map row $y"
done
[ "$(row "$out" manKingCheckMap 6)" = '0 0 0 0 9 0 0 0 0' ] || fail "check map row 6"
[ "$(row "$out" manKingCheckMap 7)" = '0 0 0 0 1 0 0 0 0' ] || fail "check map row 7"
[ "$(row "$out" manKingCheckMap 8)" = '0 0 0 0 1 0 0 0 0' ] || fail "check map row 8"
[ "$(row "$out" comThreat 9)" = '999 999 999 999 900 999 999 999 999' ] || fail "comThreat row 9"
[ "$(row "$out" comThreatX 9)" = '0 0 0 0 5 0 0 0 0' ] || fail "comThreatX row 9"
[ "$(row "$out" comThreatY 9)" = '0 0 0 0 6 0 0 0 0' ] || fail "comThreatY row 9"
[ "$(row "$out" comInfluence 9)" = '0 0 0 1 1 1 0 0 0' ] || fail "comInfluence row 9"
[ "$(printf '%s\n' "$out" | tail -2)" = $'manKing 5 9\ncomKing 1 1' ] || fail "king lines (check)"

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "survey: ok"
