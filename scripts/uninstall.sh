#!/usr/bin/env bash
# Removes what `make install` put under PREFIX (within DESTDIR): the list of
# files comes from the same install rules, staged into a scratch folder, so
# nothing else under the prefix is touched. The user's own data folder
# (~/.local/share/corvala) stays.
# Usage: uninstall.sh BUILD_DIR PREFIX   (DESTDIR from the environment)
set -euo pipefail
build=$1
prefix=$2
destdir=${DESTDIR:-}
stage=$(mktemp -d /tmp/corvala_uninstall.XXXXXX)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >/dev/null
removed=0
while IFS= read -r -d '' file; do
  target="$destdir/${file#"$stage"/}"
  if [ -e "$target" ] || [ -L "$target" ]; then
    rm -f "$target"
    removed=$((removed + 1))
  fi
done < <(find "$stage" \( -type f -o -type l \) -print0)
# The program's own folder goes when it is empty; shared folders stay.
while IFS= read -r -d '' dir; do
  rmdir "$destdir/${dir#"$stage"/}" 2>/dev/null || true
done < <(find "$stage${prefix%/}/share/corvala" -depth -type d -print0 2>/dev/null)
echo "Removed $removed files from $destdir$prefix"
