#!/bin/bash
# perft agrees with `moves`: the same moves at depth 1 along random games, and
# perft 2 and 3 equal to counts made by walking `moves` output recursively.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# play SFEN "FX FY TX TY CODE": the position after that `moves` line, or
# nothing when it captures a king (the game is over there).
play() {
    awk -v sfen="$1" -v mv="$2" '
    function letter(c,   a, l) {
        a = c < 0 ? -c : c; l = ""
        if (a % 10 == 1 && a != 111) { l = "+"; a -= 1 }
        l = l substr("PLNSGBRK", idx[a], 1)
        return c < 0 ? l : tolower(l)
    }
    BEGIN {
        split("10 20 30 100 110 800 900 950", k, " "); for (i = 1; i <= 8; i++) idx[k[i]] = i
        split("P L N S G B R K", L, " "); for (i = 1; i <= 8; i++) { val[L[i]] = -k[i]; val[tolower(L[i])] = k[i] }
        split(sfen, w, " "); split(w[1], rows, "/")
        for (y = 1; y <= 9; y++) {
            x = 1; s = rows[y]; prom = 0
            for (i = 1; i <= length(s); i++) {
                ch = substr(s, i, 1)
                if (ch ~ /[1-9]/) { for (j = 0; j < ch + 0; j++) b[x++, y] = 0 }
                else if (ch == "+") prom = 1
                else { v = val[ch]; if (prom) v += v < 0 ? -1 : 1; b[x++, y] = v; prom = 0 }
            }
        }
        hs = w[3]; n = 0
        if (hs != "-") for (i = 1; i <= length(hs); i++) {
            ch = substr(hs, i, 1)
            if (ch ~ /[0-9]/) n = n * 10 + ch
            else { hand[ch] += n ? n : 1; n = 0 }
        }
        split(mv, m, " "); fx = m[1]; fy = m[2]; tx = m[3]; ty = m[4]; code = m[5]
        t = b[tx, ty]
        if (t == 950 || t == -950) exit
        if (t != 0) { a = t < 0 ? -t : t; if (a % 10 == 1) a -= 1; c = substr("PLNSGBRK", idx[a], 1); hand[code < 0 ? c : tolower(c)]++ }
        if (fx == 11 || fx == -1) { c = substr("PLNSGBR", fy, 1); hand[code < 0 ? c : tolower(c)]-- }
        else b[fx, fy] = 0
        b[tx, ty] = code
        out = ""
        for (y = 1; y <= 9; y++) {
            e = 0
            for (x = 1; x <= 9; x++) {
                if (b[x, y] == 0) { e++; continue }
                if (e) { out = out e; e = 0 }
                out = out letter(b[x, y])
            }
            if (e) out = out e
            if (y < 9) out = out "/"
        }
        hs = ""
        split("R B G S N L P r b g s n l p", order, " ")
        for (i = 1; i <= 14; i++) if (hand[order[i]] > 0) hs = hs (hand[order[i]] > 1 ? hand[order[i]] : "") order[i]
        print out " " (w[2] == "b" ? "w" : "b") " " (hs == "" ? "-" : hs) " 1"
    }'
}

# count SFEN DEPTH: the number of move sequences, through `moves` alone.
count() {
    local sfen="$1" depth="$2" total=0 line next
    local lines
    lines=$("$engine" moves $sfen) || { echo 0; return; }
    if [ "$depth" -eq 1 ]; then printf '%s\n' "$lines" | grep -c . ; return; fi
    while read -r line; do
        [ -n "$line" ] || continue
        next=$(play "$sfen" "$line")
        [ -n "$next" ] && total=$((total + $(count "$next" $((depth - 1)))))
    done <<< "$lines"
    echo "$total"
}

same_moves() {
    local sfen="$1"
    diff <("$engine" moves $sfen | awk '{print $6}' | sort) \
         <("$engine" perft $sfen 1 divide 2>/dev/null | grep -v '^nodes:' | awk '{print $1}' | sort) > /dev/null ||
        fail "moves and perft 1 differ on $sfen"
}

# Random games from a few starts, checking every position on the way.
RANDOM=12
for start in "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1" \
             "4k4/L8/7N1/9/9/9/9/9/4K4 b P 1" \
             "1n1gk1sn1/1s2g1P1+L/1p1ppp1+P1/9/9/9/1P1PPP3/+l6S1/1NSGKG1N1 w RBL4Prbl4p 1"; do
    sfen="$start"
    for ply in $(seq 1 25); do
        same_moves "$sfen"
        mapfile -t lines < <("$engine" moves $sfen)
        [ "${#lines[@]}" -gt 0 ] || break
        next=$(play "$sfen" "${lines[$((RANDOM % ${#lines[@]}))]}")
        [ -n "$next" ] || break
        sfen="$next"
    done
done

check_depth() {
    local sfen="$1" depth="$2" want got
    want=$(count "$sfen" "$depth")
    got=$("$engine" perft $sfen "$depth" 2>/dev/null | sed -n 's/^nodes: //p')
    [ "$want" = "$got" ] || fail "perft $depth on $sfen: $got, moves walk gives $want"
}
check_depth "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1" 2
check_depth "4k4/9/9/2p6/9/9/9/l5+p2/4K4 w p 1" 2
check_depth "k8/2N6/1K7/9/9/9/9/9/8l b - 1" 3

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "perft: ok"
