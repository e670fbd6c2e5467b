#!/bin/bash
# Malformed positions and bad command lines: one line on stderr, nothing on
# stdout, exit status 2.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

expect_rejected() {
    local what="$1"; shift
    "$engine" "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    if [ "$status" -ne 2 ]; then
        echo "FAIL ($what): exit status $status, expected 2"; failures=$((failures + 1)); return
    fi
    if [ -s "$tmp/out" ]; then
        echo "FAIL ($what): wrote to stdout"; failures=$((failures + 1))
    fi
    if [ ! -s "$tmp/err" ]; then
        echo "FAIL ($what): no message on stderr"; failures=$((failures + 1))
    fi
}

expect_one_line() {
    local what="$1"; shift
    expect_rejected "$what" "$@"
    if [ "$(wc -l <"$tmp/err")" -ne 1 ]; then
        echo "FAIL ($what): stderr is not one line:"; cat "$tmp/err"; failures=$((failures + 1))
    fi
}

start_rows='lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL'
for cmd in moves survey; do
    expect_one_line "$cmd short row"      $cmd lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN b - 1
    expect_one_line "$cmd long row"       $cmd lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R2/LNSGKGSNL b - 1
    expect_one_line "$cmd eight rows"     $cmd lnsgkgsnl/1r5b1/ppppppppp/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1
    expect_one_line "$cmd unknown letter" $cmd lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNQ b - 1
    expect_one_line "$cmd promoted gold"  $cmd lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNS+GKGSNL b - 1
    expect_one_line "$cmd promoted king"  $cmd lnsg+kgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1
    expect_one_line "$cmd bad side"       $cmd $start_rows x - 1
    expect_one_line "$cmd hand over 18"   $cmd $start_rows b 19P 1
    expect_one_line "$cmd king in hand"   $cmd $start_rows b K 1
    expect_one_line "$cmd no move number" $cmd $start_rows b -
    expect_one_line "$cmd no lower king"  $cmd lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSG1GSNL b - 1
    expect_one_line "$cmd two upper kings" $cmd lnsgkgsnl/1r5b1/ppppppppp/9/4k4/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1
    expect_one_line "$cmd nothing"        $cmd
done
expect_rejected "no command"
expect_rejected "unknown command" frobnicate $start_rows b - 1

if [ "$failures" -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "bad input: all rejected"
