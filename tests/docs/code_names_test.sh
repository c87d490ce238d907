#!/usr/bin/env bash
# Every name a document puts in backticks must still exist in the tree, so a
# rename or a removal cannot leave the architecture notes describing code that
# is gone. A span with a "/" or a file ending is a path and must exist (a unit
# named without its ending stands for its .h or .cpp); any other span is split
# into identifiers (arguments in parentheses are left out), each of which must
# occur as a whole word in a source, build or script file outside docs/.
# The placeholders <name>, <Name> and <control> and the wildcard * stand for
# any part of a name, as in the patterns that say where new code goes.
#
# usage: code_names_test.sh SOURCE_ROOT DOCUMENT...
set -euo pipefail
root=$1
shift

# Words in backticks that are not names in the tree: the names of the two
# naming styles the notes describe.
allowed=(
  PascalCase
  snake_case
)

words=$(mktemp)
trap 'rm -f "$words"' EXIT
# Other tests make and remove scratch files while this one reads the tree; a
# file gone before grep reached it is no fault (a name missing still fails below).
{ grep -rshoE '[A-Za-z_][A-Za-z0-9_]*' "$root" \
    --include='*.h' --include='*.cpp' --include='*.c' --include='*.cmake' --include='CMakeLists.txt' \
    --include='*.sh' --include='Makefile' --exclude-dir='build*' --exclude-dir='.git' --exclude-dir='docs' ||
    true; } | sort -u >"$words"

is_allowed() {
  local a
  for a in "${allowed[@]}"; do [ "$1" = "$a" ] && return 0; done
  return 1
}

# A path, with the placeholders as globs and {a,b} expanded by the shell.
path_exists() {
  local glob=${1//<name>/*} candidates candidate
  glob=${glob//<Name>/*}
  glob=${glob//<control>/*}
  # shellcheck disable=SC2086
  eval "candidates=( $root/$glob $root/$glob.h $root/$glob.cpp )"
  for candidate in "${candidates[@]}"; do [ -e "$candidate" ] && return 0; done
  # A bare file name, such as main.cpp, may live in any folder.
  [[ $1 != */* ]] && [ -n "$(find "$root" -path "$root/build*" -prune -o -name "$1" -print -quit)" ]
}

failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

declare -A named_in  # a plain identifier -> the span it came from
for document in "$@"; do
  while IFS= read -r span; do
    is_allowed "$span" && continue
    if [[ $span != *" "* && ( $span == */* || $span =~ \.(h|cpp|cmake|md|sh|txt)$ ) ]]; then
      path_exists "$span" || fail "$document: no file or folder \`$span\`"
      continue
    fi
    marked=$span
    for placeholder in '<name>' '<Name>' '<control>'; do marked=${marked//$placeholder/@}; done
    while [[ $marked =~ \([^\(\)]*\) ]]; do marked=${marked/"${BASH_REMATCH[0]}"/}; done
    read -ra tokens <<<"${marked//[^A-Za-z0-9_@*]/ }"  # split, never globbed
    for word in "${tokens[@]}"; do
      [[ $word =~ [A-Za-z_@] ]] || continue
      if [[ $word == *[@*]* ]]; then
        # A pattern: any run of name characters in place of @ and *.
        pattern=${word//@/[A-Za-z0-9_]+}
        pattern=${pattern//\*/[A-Za-z0-9_]*}
        grep -qxE "$pattern" "$words" || fail "$document: \`$span\` names \`$word\`, found nowhere in the code"
      else
        named_in[$word]="$document: \`$span\`"
      fi
    done
  done < <(grep -oE '`[^`]+`' "$document" | sed -E 's/^`//; s/`$//' | sort -u)
done
while IFS= read -r word; do
  [ -n "$word" ] && fail "${named_in[$word]} names \`$word\`, found nowhere in the code"
done < <(printf '%s\n' "${!named_in[@]}" | grep -vxFf "$words" || true)

echo "$failures names not found"
[ "$failures" -eq 0 ]
