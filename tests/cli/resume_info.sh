#!/bin/bash
# resume-info on games kept by headless runs, and on files the game refuses.
engine="$1"
harness="$(dirname "$engine")/xantu-resume-harness"
[ -x "$engine" ] && [ -x "$harness" ] || { echo "usage: $0 ENGINE (with xantu-resume-harness beside it)" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$harness" play "$tmp" 3 12 || fail "harness play"
file="$tmp/Xantuペカナ将棋.resume"
# The harness quits in the middle of a game: a file must be left to check.
if [ ! -f "$file" ]; then
    fail "no kept game left by the harness"
else
    out=$("$engine" resume-info "$file") || fail "resume-info refused a kept game"
    for key in "status ok" "moves " "side-to-move " "level " "sfen "; do
        grep -q "^$key" <<<"$out" || fail "no '$key' line in: $out"
    done
    # Cut short, it is refused with the reason.
    head -c 300 "$file" >"$tmp/cut"
    "$engine" resume-info "$tmp/cut" >"$tmp/out" 2>"$tmp/err"
    [ $? -eq 2 ] && [ ! -s "$tmp/out" ] && grep -q "broken" "$tmp/err" || fail "cut file not refused as broken"
fi
# Games just begun, of each kind: the human's side and the side to move as
# the menu names them, and the SFEN's side is the lower one (b), whose move
# it is in every such game (the human's, or 後手's after the computer's
# first move).
seen=""
for seed in 1 2 3 4 5 6 7 8 9 10 11 12; do
    rm -rf "$tmp/g" && mkdir "$tmp/g"
    "$harness" play "$tmp/g" "$seed" 0 || fail "harness play $seed"
    out=$("$engine" resume-info "$tmp/g/Xantuペカナ将棋.resume") || { fail "seed $seed: no game kept"; continue; }
    kind="$(sed -n 's/^opponent //p' <<<"$out") $(sed -n 's/^human-side //p' <<<"$out")"
    expect=$(case "$kind" in "human both" | "computer 先手") echo 先手 ;; "computer 後手") echo 後手 ;; esac)
    grep -q "^side-to-move $expect$" <<<"$out" || fail "seed $seed ($kind): $out"
    grep -q '^sfen [^ ]* b ' <<<"$out" || fail "seed $seed ($kind): not the lower side to move: $out"
    seen="$seen|$kind"
done
for kind in "human both" "computer 先手" "computer 後手"; do
    grep -qF "|$kind" <<<"$seen" || fail "no game of '$kind' among the seeds: $seen"
done

printf 'XantuResume 0\n' >"$tmp/old"
"$engine" resume-info "$tmp/old" 2>"$tmp/err"
[ $? -eq 2 ] && grep -q "other-format" "$tmp/err" || fail "older format not refused"
[ "$failures" -eq 0 ] && echo "resume-info: ok"
exit "$failures"
