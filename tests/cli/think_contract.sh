#!/bin/bash
# think: the output contract (commated line, cand lines, best line), known
# choices, the level options, rejected input, and reproducibility.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect_output() {
    local what="$1" expected="$2"; shift 2
    local got
    got=$("$engine" "$@" 2>"$tmp/err")
    [ "$got" = "$expected" ] || fail "$what: got '$got', expected '$expected'"
}

start='lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1'

# Known choices.
expect_output "king capture" $'commated 0\nbest 5 9 5 5 901 9999.0 5i5e+' think 4k4/9/9/9/4K4/9/9/9/4r4 w p 1
expect_output "gold drop mate" $'commated 0\nbest -1 5 1 8 110 9998.0 G*9h' think k8/9/9/9/9/9/1g7/9/K8 w g 1
expect_output "computer mated" $'commated 1\nbest 1 1 1 2 950 -9998.0 9a9b' think k8/G8/1G7/9/9/9/9/9/8K w - 1

# The level cuts: a silver taking an undefended knight.
for pair in "1 0.1" "2 30.1" "3 30.0"; do
    set -- $pair
    line=$("$engine" think --level "$1" --trace k8/9/9/4s4/4N4/9/9/9/8K w - 1 | grep '^cand 5 4 5 5 ')
    [ "$line" = "cand 5 4 5 5 100 $2" ] || fail "level $1: got '$line'"
done

# Trace layout: commated first, then only cand lines, best last.
"$engine" think --trace $start >"$tmp/trace" 2>"$tmp/err" || fail "think --trace exit status $?"
[ "$(head -n 1 "$tmp/trace")" = "commated 0" ] || fail "trace: first line"
tail -n 1 "$tmp/trace" | grep -Eq '^best -?[0-9]+ [0-9]+ [0-9] [0-9] -?[0-9]+ -?[0-9]+\.[0-9] [^ ]+$' || fail "trace: best line"
middle=$(sed '1d;$d' "$tmp/trace")
[ -n "$middle" ] || fail "trace: no cand lines"
bad=$(echo "$middle" | grep -Evc '^cand -?[0-9]+ [0-9]+ [0-9] [0-9] -?[0-9]+ -?[0-9]+\.[0-9]$')
[ "$bad" -eq 0 ] || fail "trace: $bad malformed cand lines"
[ -s "$tmp/err" ] && fail "trace: wrote to stderr"
# Without --trace only the first and the last line.
[ "$("$engine" think $start | wc -l)" -eq 2 ] || fail "plain think is not two lines"

# Reproducible, and --trace does not change the choice.
"$engine" think --trace $start >"$tmp/again"
cmp -s "$tmp/trace" "$tmp/again" || fail "think --trace is not reproducible"
[ "$("$engine" think $start | tail -n 1)" = "$(tail -n 1 "$tmp/trace")" ] || fail "--trace changes the best line"

# Rejected input: exit 2, one line on stderr, nothing on stdout.
for args in "--level 4 $start" "--level $start" "--fast $start" "k8/9/9 w - 1"; do
    "$engine" think $args >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ "$status" -eq 2 ] || fail "think $args: exit status $status"
    [ -s "$tmp/out" ] && fail "think $args: wrote to stdout"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "think $args: stderr is not one line"
done

[ "$failures" -eq 0 ] && echo "think contract: all passed"
[ "$failures" -eq 0 ]
