#!/usr/bin/env bash
# Checks the layering of the source folders: a folder may include its own
# headers and those of lower layers only, never a folder of its own layer or
# a higher one, so no two folders can include each other and nothing below the
# front end can reach up into it. A folder that is not in the table below is an
# error: a new folder is given its layer here on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A layer=(
  [clock]=0 [opponent]=0
  [core]=1 [platform]=1 [soundlib]=1
  [influence]=2 [options]=2 [search]=2 [usi]=2
  [computer]=3 [record]=3
  [analysis]=4 [players]=4 [text]=4
  [display]=5 [sound]=5
  [window]=6 [fake]=6 [diagram]=6
  [app]=7
  [tools]=8
  [bench]=9 [tests]=9
)

status=0
while IFS= read -r file; do
  from=${file%%/*}
  if [ -z "${layer[$from]+x}" ]; then
    echo "check_layers: $file: folder '$from' has no layer in scripts/check_layers.sh" >&2
    status=1
    continue
  fi
  while IFS= read -r to; do
    [ "$to" = "$from" ] && continue
    if [ -z "${layer[$to]+x}" ]; then
      echo "check_layers: $file includes '$to/', a folder with no layer" >&2
      status=1
    elif [ "${layer[$to]}" -ge "${layer[$from]}" ]; then
      echo "check_layers: $file ($from, layer ${layer[$from]}) includes $to/ (layer ${layer[$to]})" >&2
      status=1
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([A-Za-z0-9_]+)\/.*/\1/p' "$file" | sort -u)
done < <(find . \( -path './build*' -o -path './.git' \) -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print |
  sed 's|^\./||' | sort)

# Arrows that the layers would allow but that must not be drawn: the
# analysis gives moves and scores, never text, so it does not include the
# writers or the notation; the record keeps its own snapshot of the clocks,
# never the window's live ones.
forbidden=(
  "analysis/ record/kif_writer.h"
  "analysis/ record/move_notation.h"
  "record/ clock/clocks.h"
)
for rule in "${forbidden[@]}"; do
  read -r folder header <<<"$rule"
  while IFS= read -r hit; do
    echo "check_layers: $hit includes $header, which $folder must not include" >&2
    status=1
  done < <(grep -rlE "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"$header\"" "$folder" --include='*.h' --include='*.cpp' || true)
done

if [ "$status" -eq 0 ]; then echo "check_layers: every include points to a lower layer"; fi
exit "$status"
