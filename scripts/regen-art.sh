#!/usr/bin/env bash
# Redraws every picture of data/Pictures and the sample catalogue's pictures in
# data/samples with artgen (tools/artgen). The output depends only on the
# sources and the fonts in data/Fonts, so a rerun reproduces the committed files.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$src/build}"
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target artgen
mkdir -p "$src/data/Pictures" "$src/data/samples"
"$build/tools/artgen/artgen" --fonts "$src/data/Fonts" --pictures "$src/data/Pictures" \
  --catalogue "$src/data/samples/hmloviny.csv" --samples "$src/data/samples"
echo "pictures: $(ls "$src/data/Pictures"/*.bmp | wc -l) in data/Pictures, $(ls "$src/data/samples"/*.bmp | wc -l) in data/samples"
