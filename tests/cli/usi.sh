#!/bin/bash
# USI transcripts: the handshake, position … moves …, go depth 1, go infinite
# answered only after stop, and bad input answered with an info string while
# the session carries on.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkfifo "$tmp/in" "$tmp/out"
"$engine" usi <"$tmp/in" >"$tmp/out" 2>&1 &
pid=$!
exec 3>"$tmp/in" 4<"$tmp/out"
say() { echo "$1" >&3; }
# Reads lines up to and including one starting with $1; they are left in $seen.
until_line() {
    seen=""
    while read -r -t 20 line <&4; do
        seen+="$line"$'\n'
        case "$line" in "$1"*) return 0 ;; esac
    done
    fail "no line starting with '$1'; got: $seen"
    return 1
}
expect_info() {  # a command, then an info string and the session still answering
    say "$1"
    say isready
    until_line readyok || return
    grep -q '^info string ' <<<"$seen" || fail "no info string for '$1': $seen"
}

say usi
until_line usiok
for want in 'id name ' 'id author ' 'option name Level type spin default 4 min 1 max 4'; do
    grep -q "^$want" <<<"$seen" || fail "handshake lacks '$want': $seen"
done
say isready
until_line readyok
say usinewgame
say 'go depth 1'
until_line bestmove
grep -q '^info string ' <<<"$seen" || fail "go before position: no info string: $seen"
say 'setoption name Level value 3'

# The upper side to move after one move; the lower side after two.
say 'position startpos moves 7g7f'
say 'go depth 1'
until_line bestmove
want=$("$engine" think --level 3 lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1 | awk '/^best/{print $8}')
[ "$seen" != "${seen#*bestmove $want}" ] || fail "go depth 1 after 7g7f: want bestmove $want, got: $seen"
grep -q '^info depth 1 score cp -\?[0-9]* nodes [0-9]* pv ' <<<"$seen" || fail "no info line: $seen"
say 'position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 moves 7g7f 3c3d'
say 'go btime 1000 wtime 1000 byoyomi 100'
until_line bestmove
grep -q '^bestmove [1-9][a-i][1-9][a-i]+\?$' <<<"$seen" || fail "no board move for the lower side: $seen"

# go infinite: nothing until stop, even though level 3 is done at once.
say 'go infinite'
say isready
until_line readyok
grep -q '^bestmove' <<<"$seen" && fail "bestmove before stop: $seen"
say stop
until_line bestmove

# Bad input: a clear info string, no bestmove, no crash.
expect_info 'position sfen lnsgkgsnl/1r5b1/ppppppppp b - 1'
expect_info 'position startpos moves 7g7f 7g7e'
expect_info 'position startpos moves 7g7f 3c3d 9z9a'
expect_info 'position startpos moves 5i4i'
expect_info 'position somewhere'
expect_info 'setoption name Hash value 16'
expect_info 'setoption name Level value 7'
expect_info 'setoption Level 3'
expect_info 'fly me to the moon'
# go after a rejected position: no position to search.
say 'go depth 1'
until_line bestmove
grep -q '^info string ' <<<"$seen" || fail "go without a position: no info string: $seen"
grep -q '^bestmove resign$' <<<"$seen" || fail "go without a position: $seen"

say quit
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status after quit"
[ "$failures" -eq 0 ] && echo "ok"
exit $((failures > 0))
