#!/bin/bash
# mate: the last line is `mate N` and N moves ending with the king's capture,
# `nomate` or `unknown`, each with exit status 0; bad input exits 2 with one
# line on stderr.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# last_line EXPECTED-PATTERN ARGS...: the command's status is 0 and its last
# line matches.
last_line() {
    local want="$1"; shift
    "$engine" mate "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    [ "$status" -eq 0 ] || fail "mate $*: exit status $status"
    local last
    last=$(tail -n 1 "$tmp/out")
    [[ "$last" =~ $want ]] || fail "mate $*: last line '$last', expected /$want/"
}

# A pawn dropped on file 1 checks down the file; the pawn on 2c guards the rest.
last_line '^mate 3 P\*1[b-i] [1-9][a-i][1-9][a-i] [1-9][a-i][1-9][a-i]\+?$' 8k/9/7P1/9/9/9/9/9/K8 b P 1
# The same for the upper side, on the board turned about.
last_line '^mate 3 P\*9[a-h] [1-9][a-i][1-9][a-i] [1-9][a-i][1-9][a-i]\+?$' 8k/9/9/9/9/9/1p7/9/K8 w p 1
# No lower piece can give check from the start position.
last_line '^nomate$' startpos
# A pawn and a gold can check for ever here; 200 ms decide nothing.
last_line '^unknown$' --movetime 200 7nk/7p1/9/9/9/9/9/9/K8 b GP 1

expect_rejected() {
    "$engine" mate "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    [ "$status" -eq 2 ] || fail "mate $*: exit status $status, expected 2"
    [ -s "$tmp/out" ] && fail "mate $*: wrote to stdout"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "mate $*: stderr is not one line"
}
expect_rejected 8k/9/7P1/9/9/9/9/9/K8 x P 1
expect_rejected 8k/9/7P1/9/9/9/9/9/9 b P 1
expect_rejected --movetime soon startpos
expect_rejected

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "mate: ok"
