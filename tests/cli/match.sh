#!/bin/bash
# The match referee: an engine that answers with an illegal move, dies when
# asked to move, or writes a line of more than 1 MiB loses every game,
# whichever colour it has; each game is written as SFEN + moves. A helper an
# engine starts does not outlive the match.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

printf '# two openings\nstartpos moves 7g7f 3c3d\nsfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1\n' >"$tmp/openings"
cat >"$tmp/fake.sh" <<'FAKE'
while read -r line; do
    case "$line" in
        usi) echo "id name fake"; echo usiok
            # A helper that would live on after the engine quits.
            [ "$1" = huge ] && { sleep 300 & echo $! >>"$2"; } ;;
        isready) echo readyok ;;
        go*) [ "$1" = die ] && exit 3
            [ "$1" = huge ] && { head -c 2000000 /dev/zero | tr '\0' x; echo; } 2>/dev/null
            echo "bestmove 5e5d" ;;
        quit) exit 0 ;;
    esac
done
FAKE
for how in illegal die huge; do
    out=$("$engine" match --engine1 "$engine usi" --option1 Level=1 --engine2 "bash $tmp/fake.sh $how $tmp/helpers" \
        --openings "$tmp/openings" --go "depth 1" --concurrency 2 --games-out "$tmp/games")
    grep -q '^games: 4$' <<<"$out" && grep -q '^wins: 4$' <<<"$out" && grep -q '^elo_95: ' <<<"$out" ||
        fail "$how: $out"
    case $how in
        illegal) reason="illegal move 5e5d" ;;
        die) reason="engine crashed" ;;
        huge) reason="line too long" ;;
    esac
    [ "$(grep -c "$reason" "$tmp/games")" -eq 4 ] || fail "$how: games file: $(cat "$tmp/games")"
    [ "$(grep -c '^sfen [^ ]* [bw] ' "$tmp/games")" -eq 4 ] || fail "$how: games file: $(cat "$tmp/games")"
done
[ -s "$tmp/helpers" ] || fail "no helper was started"
while read -r pid; do
    # Gone, or a zombie left for init to reap.
    if [ -d "/proc/$pid" ] && ! grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null; then
        fail "helper $pid outlived its engine"
        kill "$pid"
    fi
done <"$tmp/helpers"
[ "$failures" -eq 0 ] && echo "ok"
exit $((failures > 0))
