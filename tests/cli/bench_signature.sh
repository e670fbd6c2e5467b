#!/bin/bash
# The behaviour signature of bench at each level. These figures change only
# when the computer's choices or its work change; a commit that changes them
# on purpose updates them here and says so in its message.
engine="$1"
[ -x "$engine" ] || { echo "usage: $0 ENGINE" >&2; exit 1; }
failures=0
check() {
    local level="$1" expected="$2" got
    got=$("$engine" bench --level "$level" | grep -E '^(positions|candidates|surveys|evaluations|signature):' |
          tr '\n' ' ')
    if [ "$got" != "$expected" ]; then
        echo "FAIL level $level:"; echo "  got      $got"; echo "  expected $expected"
        failures=$((failures + 1))
    fi
}
work='positions: 36 candidates: 4486 surveys: 4757 evaluations: 4685'
check 1 "$work signature: c29f45346060050d "
check 2 "$work signature: 33529c4e51913419 "
check 3 "$work signature: 77064f3f2de3fc6c "
[ "$failures" -eq 0 ] && echo "bench signatures: all as recorded"
[ "$failures" -eq 0 ]
