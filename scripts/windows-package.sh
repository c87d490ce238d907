#!/usr/bin/env bash
# make windows-package: the portable zip and the NSIS installer from the cross
# build, in BUILD_DIR/package:
#   corvala-VERSION-windows.zip   (folder Corvala: the program, its fonts and
#                                  pictures, the sample catalogue, ReadMe.txt)
#   corvala-setup-VERSION.exe
# The sample catalogue is made from its CSV by the cross-built cvltool.exe,
# under Wine, like the Linux build makes it with its own cvltool.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$(pwd)
build=$(cd "${1:-build-windows}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt"; exit 1; }
out=$build/package
stage=$out/Corvala
rm -rf "$out"
mkdir -p "$stage/samples"

cp "$build/corvala.exe" "$stage/"
# The build keeps debugging information for the tests' backtraces; users need none.
x86_64-w64-mingw32-strip "$stage/corvala.exe"
cp -r data/Fonts data/Pictures "$stage/"
cp data/samples/*.bmp "$stage/samples/"
# Windows' own editor wants CRLF; the byte order mark tells it the text is UTF-8.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' data/windows/ReadMe.txt; } > "$stage/ReadMe.txt"
for licence in LICENSE LICENSE.txt COPYING; do
  if [ -f "$licence" ]; then sed 's/$/\r/' "$licence" > "$stage/LICENSE.txt"; break; fi
done
# Catalogues committed beside the sample (more may join it) go along as they are.
find data/samples -maxdepth 1 -name '*.cvl' -exec cp {} "$stage/samples/" \;

# A prefix of its own unless the caller (the package test) has one running.
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/corvala-wine-XXXXXX")
  export WINEPREFIX
  trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
(cd "$stage/samples" &&
  "$source/scripts/wine-run.sh" "$build/tools/cvltool/cvltool.exe" import "$source/data/samples/hmloviny.csv" Hmloviny.cvl \
    --path 'samples\Hmloviny.cvl' --name Hmloviny --author Corvala \
    --description "Vzorový katalóg známych hmlovín všetkých siedmich typov" >/dev/null)
(cd "$stage/samples" &&
  "$source/scripts/wine-run.sh" "$build/tools/cvltool/cvltool.exe" import "$source/data/catalogues/ngc-ic.csv" NGC-IC.cvl \
    --path 'samples\NGC-IC.cvl' --name NGC/IC --author 'OpenNGC (Mattia Verga), CC-BY-SA-4.0' \
    --description "Hmloviny katalógov NGC a IC z databázy OpenNGC" >/dev/null)
[ -s "$stage/samples/Hmloviny.cvl" ] || { echo "the sample catalogue was not made"; exit 1; }
[ -s "$stage/samples/NGC-IC.cvl" ] || { echo "the NGC/IC catalogue was not made"; exit 1; }

(cd "$out" && zip -qr9 "corvala-$version-windows.zip" Corvala)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out/corvala-setup-$version.exe" \
  data/windows/installer.nsi
ls -l "$out"/*.zip "$out"/*.exe
