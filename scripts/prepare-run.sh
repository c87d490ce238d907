#!/usr/bin/env bash
# Lays out the runtime folder build/run: the program finds its fonts, pictures
# and the sample catalogue beside it, exactly as an installed copy would.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
run="$src/build/run"
mkdir -p "$run"
rm -rf "$run/Fonts" "$run/Pictures"
cp -r "$src/data/Fonts" "$run/Fonts"
cp -r "$src/data/Pictures" "$run/Pictures"
if [ -d "$src/data/samples" ]; then
  mkdir -p "$run/samples"
  cp -r "$src/data/samples/." "$run/samples/"
fi
# The sample catalogue is built from its CSV once; after that it is the user's
# own, and changes saved to it survive the next `make run`. Its path is the one
# the program opens it by, and its pictures lie beside it.
cvltool="$src/build/tools/cvltool/cvltool"
if [ -x "$cvltool" ] && [ -e "$src/data/samples/hmloviny.csv" ] && [ ! -e "$run/samples/Hmloviny.cvl" ]; then
  "$cvltool" import "$src/data/samples/hmloviny.csv" "$run/samples/Hmloviny.cvl" \
    --path 'samples\Hmloviny.cvl' --name "Hmloviny" --author "Corvala" \
    --description "Vzorový katalóg známych hmlovín všetkých siedmich typov" >/dev/null
fi
# The NGC/IC nebulae beside it, built from their CSV once as well.
if [ -x "$cvltool" ] && [ -e "$src/data/catalogues/ngc-ic.csv" ] && [ ! -e "$run/samples/NGC-IC.cvl" ]; then
  "$cvltool" import "$src/data/catalogues/ngc-ic.csv" "$run/samples/NGC-IC.cvl" \
    --path 'samples\NGC-IC.cvl' --name "NGC/IC" --author "OpenNGC (Mattia Verga), CC-BY-SA-4.0" \
    --description "Hmloviny katalógov NGC a IC z databázy OpenNGC" >/dev/null
fi
# A first start opens the sample catalogue; a user's own settings are never overwritten.
if [ ! -e "$run/cv_settings.ini" ] && [ -x "$src/build/tools/cvltool/cvltool" ] && [ -e "$run/samples/Hmloviny.cvl" ]; then
  "$src/build/tools/cvltool/cvltool" settings "$run/cv_settings.ini" 'samples\Hmloviny.cvl' || true
fi
