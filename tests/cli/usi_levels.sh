#!/bin/bash
# Levels 1..3 through USI choose exactly the move `think` chooses, for both
# sides to move. `think` plays the upper side only; for the lower side the
# SFEN is turned about here (independently of the engine's own code) and the
# move turned back. The positions come from a few computer games.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for seed in 3 8; do
    "$engine" selfplay --level 2 --games 1 --seed "$seed" --positions
done | awk '/^position /{ $1 = ""; $2 = ""; sub(/^  /, ""); print }' | head -n 200 >"$tmp/positions"
count=$(wc -l <"$tmp/positions")
[ "$count" -ge 200 ] || { echo "FAIL: only $count positions"; exit 1; }

# The SFEN seen from the other side: squares through the centre, cases and side swapped.
turn_about() {
    awk '{
        n = 0; board = $1
        while (length(board) > 0) {
            c = substr(board, 1, 1); board = substr(board, 2)
            if (c == "/") continue
            if (c ~ /[1-9]/) { for (k = 0; k < c; k++) sq[n++] = ""; continue }
            if (c == "+") { c = c substr(board, 1, 1); board = substr(board, 2) }
            sq[n++] = c
        }
        out = ""
        for (r = 0; r < 9; r++) {
            empty = 0; row = ""
            for (f = 0; f < 9; f++) {
                p = sq[80 - (r * 9 + f)]
                if (p == "") { empty++; continue }
                if (empty) { row = row empty; empty = 0 }
                row = row (p ~ /[a-z]/ ? toupper(p) : tolower(p))
            }
            if (empty) row = row empty
            out = out (r ? "/" : "") row
        }
        hands = ""
        for (k = 1; k <= length($3); k++) {
            c = substr($3, k, 1)
            hands = hands (c ~ /[a-z]/ ? toupper(c) : tolower(c))
        }
        print out, ($2 == "b" ? "w" : "b"), hands, $4
    }'
}
# A USI move seen from the other side.
turn_move() {
    awk -v m="$1" 'function sq(s) { return (10 - substr(s, 1, 1)) sprintf("%c", 202 - ord[substr(s, 2, 1)]) }
        BEGIN { for (i = 97; i <= 105; i++) ord[sprintf("%c", i)] = i
                if (substr(m, 2, 1) == "*") print substr(m, 1, 2) sq(substr(m, 3, 2))
                else print sq(substr(m, 1, 2)) sq(substr(m, 3, 2)) substr(m, 5) }'
}

failures=0
for level in 1 2 3; do
    rm -f "$tmp/in" "$tmp/out"
    mkfifo "$tmp/in" "$tmp/out"
    "$engine" usi <"$tmp/in" >"$tmp/out" &
    pid=$!
    exec 3>"$tmp/in" 4<"$tmp/out"
    echo "setoption name Level value $level" >&3
    while read -r sfen; do
        echo "position sfen $sfen" >&3
        echo "go depth 1" >&3
        got=""
        while read -r -t 20 line <&4; do
            case "$line" in bestmove*) got=${line#bestmove }; break ;; esac
        done
        side=$(echo "$sfen" | awk '{print $2}')
        if [ "$side" = w ]; then
            want=$("$engine" think --level "$level" $sfen | awk '/^best/{print ($2 == "none" ? "resign" : $8)}')
        else
            want=$("$engine" think --level "$level" $(echo "$sfen" | turn_about) |
                awk '/^best/{print ($2 == "none" ? "resign" : $8)}')
            [ "$want" = resign ] || want=$(turn_move "$want")
        fi
        if [ "$got" != "$want" ]; then
            echo "FAIL level $level, $sfen: usi $got, think $want"; failures=$((failures + 1))
        fi
    done <"$tmp/positions"
    echo quit >&3
    exec 3>&- 4<&-
    wait "$pid" || { echo "FAIL level $level: exit status $? after quit"; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ] && echo "ok: $count positions, levels 1..3"
exit $((failures > 0))
