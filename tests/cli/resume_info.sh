#!/bin/bash
# resume-info on a game kept by a headless run, and on files the game refuses.
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
printf 'XantuResume 0\n' >"$tmp/old"
"$engine" resume-info "$tmp/old" 2>"$tmp/err"
[ $? -eq 2 ] && grep -q "other-format" "$tmp/err" || fail "older format not refused"
[ "$failures" -eq 0 ] && echo "resume-info: ok"
exit "$failures"
