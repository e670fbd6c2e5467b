#!/bin/bash
# The match referee: an engine that answers with an illegal move, or dies
# when asked to move, loses every game, whichever colour it has; each game is
# written as SFEN + moves.
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
        usi) echo "id name fake"; echo usiok ;;
        isready) echo readyok ;;
        go*) [ "$1" = die ] && exit 3; echo "bestmove 5e5d" ;;
        quit) exit 0 ;;
    esac
done
FAKE
for how in illegal die; do
    out=$("$engine" match --engine1 "$engine usi" --option1 Level=1 --engine2 "bash $tmp/fake.sh $how" \
        --openings "$tmp/openings" --go "depth 1" --concurrency 2 --games-out "$tmp/games")
    grep -q '^games: 4$' <<<"$out" && grep -q '^wins: 4$' <<<"$out" && grep -q '^elo_95: ' <<<"$out" ||
        fail "$how: $out"
    reason=$([ $how = illegal ] && echo "illegal move 5e5d" || echo "engine crashed")
    [ "$(grep -c "$reason" "$tmp/games")" -eq 4 ] || fail "$how: games file: $(cat "$tmp/games")"
    [ "$(grep -c '^sfen [^ ]* [bw] ' "$tmp/games")" -eq 4 ] || fail "$how: games file: $(cat "$tmp/games")"
done
[ "$failures" -eq 0 ] && echo "ok"
exit $((failures > 0))
