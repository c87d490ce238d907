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
# The desktop's icons of the program, drawn at each size and stored as PNG.
icons=$(mktemp -d /tmp/corvala_icons.XXXXXX)
trap 'rm -rf "$icons"' EXIT
"$build/tools/artgen/artgen" --fonts "$src/data/Fonts" --icons "$icons"
for bmp in "$icons"/corvala_*.bmp; do
  size=${bmp##*_}
  size=${size%.bmp}
  mkdir -p "$src/data/icons/${size}x${size}"
  convert "$bmp" -strip -define png:exclude-chunks=date,time PNG32:"$src/data/icons/${size}x${size}/corvala.png"
done
echo "icons: $(ls "$src"/data/icons/*/corvala.png | wc -l) in data/icons"
