#!/usr/bin/env bash
# Checks that every C++ file git tracks is formatted as .clang-format says;
# lists the ones that are not and fails. Options:
#   --fix            reformat them in place instead (run it after a merge)
#   --changed [REV]  only the files changed since REV (default: main), and
#                    those not committed yet
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
changed=0
base=main
while [ $# -gt 0 ]; do
  case "$1" in
    --fix) fix=1 ;;
    --changed)
      changed=1
      if [ $# -gt 1 ] && [ "${2#-}" = "$2" ]; then base="$2"; shift; fi ;;
    *) echo "usage: $0 [--fix] [--changed [REV]]" >&2; exit 2 ;;
  esac
  shift
done

formatter="${CLANG_FORMAT:-clang-format}"
if ! command -v "$formatter" >/dev/null; then
  echo "check_format: $formatter is not installed (apt-get install clang-format)" >&2
  exit 1
fi

files=()
if [ "$changed" -eq 1 ]; then
  while IFS= read -r -d '' f; do [ -f "$f" ] && files+=("$f"); done < <(
    { git diff -z --name-only --diff-filter=d "$base" -- '*.cpp' '*.h'
      git ls-files -z --others --exclude-standard -- '*.cpp' '*.h'; } | sort -zu)
else
  while IFS= read -r -d '' f; do files+=("$f"); done < <(git ls-files -z -- '*.cpp' '*.h')
fi
[ ${#files[@]} -eq 0 ] && exit 0

if [ "$fix" -eq 1 ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$formatter" -i --style=file
  exit 0
fi

unformatted=()
for f in "${files[@]}"; do
  if ! "$formatter" --style=file --dry-run --Werror "$f" >/dev/null 2>&1; then unformatted+=("$f"); fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check_format: ${#unformatted[@]} file(s) not formatted; run scripts/check_format.sh --fix:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "check_format: ${#files[@]} file(s) formatted"
