#!/bin/bash
# bench: one line per built-in position and the closing lines, exactly; the
# behaviour figures are the same on every run.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$engine" bench >"$tmp/a" 2>"$tmp/err" || fail "bench exit status $?"
"$engine" bench >"$tmp/b" 2>>"$tmp/err" || fail "bench exit status $?"
[ -s "$tmp/err" ] && fail "bench wrote to stderr"

n=$(grep -c . "$tmp/a")
positions=$((n - 7))
[ "$positions" -ge 30 ] || fail "only $positions positions"
head -n "$positions" "$tmp/a" | awk -v n="$positions" '
    { if ($1 != NR || NF != 5 || $3 !~ /^(-?[0-9]+\.[0-9]|none)$/ || $4 !~ /^[0-9]+$/ || $5 !~ /^[0-9]+$/) bad++ }
    END { exit bad > 0 }' || fail "malformed position lines"
names=$(tail -n 7 "$tmp/a" | cut -d: -f1 | tr '\n' ' ')
[ "$names" = "positions candidates surveys evaluations signature time_ms candidates_per_second " ] ||
    fail "closing lines: $names"
grep -qx "positions: $positions" "$tmp/a" || fail "positions line"
grep -Eqx 'signature: [0-9a-f]{16}' "$tmp/a" || fail "signature line"

# Everything but the times agrees between the two runs.
strip() { grep -v -e '^time_ms' -e '^candidates_per_second' "$1" | awk 'NF == 5 { $5 = "" } { print }'; }
[ "$(strip "$tmp/a")" = "$(strip "$tmp/b")" ] || fail "bench behaviour differs between runs"

# Level 1 and 2 give other choices, with the same amount of work.
"$engine" bench --level 2 >"$tmp/l2" || fail "bench --level 2"
[ "$(grep '^signature' "$tmp/l2")" != "$(grep '^signature' "$tmp/a")" ] || fail "level 2 signature equals level 3"
[ "$(grep '^candidates:' "$tmp/l2")" = "$(grep '^candidates:' "$tmp/a")" ] || fail "level 2 candidate count differs"
"$engine" bench --level 9 >/dev/null 2>&1
[ $? -eq 2 ] || fail "bench --level 9 accepted"

[ "$failures" -eq 0 ] && echo "bench contract: all passed"
[ "$failures" -eq 0 ]
