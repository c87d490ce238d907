#!/usr/bin/env bash
# Rebuilds the font generator and renders the program's six fonts into
# data/Fonts from the free faces installed by scripts/install-deps.sh.
# The output is deterministic for given FreeType and face packages.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target fntgen
mkdir -p "$root/data/Fonts"
"$build/tools/fntgen/fntgen" --all "$root/data/Fonts"
