#!/bin/bash
# --help exits 0; "startpos" reads as the start position wherever an SFEN is
# taken.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$engine" --help >/dev/null 2>&1 || fail "--help: exit status $?"

start='lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1'
for cmd in moves survey think; do
    [ "$("$engine" $cmd startpos)" = "$("$engine" $cmd $start)" ] || fail "$cmd startpos differs from $cmd SFEN"
done
[ "$failures" -eq 0 ] && echo "ok"
exit $((failures > 0))
