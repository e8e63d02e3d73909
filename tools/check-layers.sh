#!/bin/bash
# The folders of src/ are layers: a file may include the headers of its own folder and
# of the folders below it, never of one above or beside it, and only src/app includes Qt.
#   base < sheet < import < et < models, irrigation, analysis < workbench < pipeline < cli, app
# Prints each include that breaks the order, with its file and line; fails when any does.
# Usage: tools/check-layers.sh [SRC_DIR]
set -u
src=${1:-$(dirname "$0")/../src}
declare -A rank=([base]=0 [sheet]=1 [import]=2 [et]=3 [models]=4 [irrigation]=4 [analysis]=4
                 [workbench]=5 [pipeline]=6 [cli]=7 [app]=7)

status=0
for dir in "${!rank[@]}"; do
    [ -d "$src/$dir" ] || continue
    while IFS=: read -r file line text; do
        [[ $text =~ \#include\ \"([a-z]+)/ ]] || continue
        target=${BASH_REMATCH[1]}
        [ "$target" = "$dir" ] && continue
        [ -n "${rank[$target]+x}" ] || continue # a generated header or a third-party one
        if (( rank[$target] < rank[$dir] )); then continue; fi
        echo "${file#"$src"/}:$line: $dir includes $target: $text"
        status=1
    done < <(grep -rn --include='*.h' --include='*.cpp' -E '^[[:space:]]*#include "[a-z]+/' "$src/$dir")
    if [ "$dir" != app ]; then
        while IFS= read -r hit; do
            echo "${hit#"$src"/}: Qt outside src/app"
            status=1
        done < <(grep -rn --include='*.h' --include='*.cpp' -E '^[[:space:]]*#include <Q' "$src/$dir")
    fi
done
exit $status
