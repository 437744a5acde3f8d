#!/usr/bin/env bash
# Every relative link of the suite's markdown files, [text](target), names a
# file or folder that exists: a moved or renamed file breaks no reader's way
# in. Web links and anchors within a page are not followed; an anchor after
# a path is cut off. The build folder is left out.
# Usage: tests/check_links.sh [SOURCE_DIR]   (default: the tree it lies in)
set -uo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd) || exit 2
cd "$root" || exit 2

broken=0
checked=0
while IFS= read -r -d '' page; do
    dir=$(dirname "$page")
    # Code spans and fenced blocks hold commands, not links.
    # Inline links, [text](target), and reference definitions, [name]: target.
    while IFS= read -r target; do
        case $target in
            '' | '#'* | *://* | mailto:*) continue ;;
        esac
        path=${target%%#*}
        checked=$((checked + 1))
        if [ ! -e "$dir/$path" ]; then
            echo "check_links.sh: ${page#./}: no file '$target'" >&2
            broken=$((broken + 1))
        fi
    done < <(sed -e '/^ *```/,/^ *```/d' -e 's/`[^`]*`//g' "$page" |
             grep -o -e '\](<*[^)>[:space:]]*' -e '^ *\[[^]]*\]: *[^[:space:]]*' |
             sed -e 's/^](<*//' -e 's/^ *\[[^]]*\]: *//')
done < <(find . -path ./build -prune -o -path ./.git -prune -o -name '*.md' -type f -print0)

if [ "$checked" -eq 0 ]; then
    echo "check_links.sh: no relative link found under $root" >&2
    exit 1
fi
[ "$broken" -eq 0 ] || exit 1
echo "check_links.sh: $checked links, all resolve"
