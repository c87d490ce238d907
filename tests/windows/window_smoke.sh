#!/usr/bin/env bash
# The real window on a private Xvfb: the program started with --window in a
# folder holding the sample catalogue, its own screenshots (Print Screen,
# SnapShots\) taken at the start and after a click on the database button.
#
#   window_smoke.sh windows CORVALA.EXE CVLTOOL.EXE SOURCE_DIR [KEEP_DIR]
#   window_smoke.sh linux   CORVALA     CVLTOOL     SOURCE_DIR [KEEP_DIR]
#
# On Windows (under Wine, WINEPREFIX given by scripts/test-windows.sh) each
# screenshot must equal the Linux run's (tests/windows/golden/*.bmp.gz,
# written by the linux form with CORVALA_UPDATE_GOLDEN=1) pixel for pixel but
# for the status bar's clock. KEEP_DIR keeps copies of the screenshots.
set -u
mode=$1 prog=$2 tool=$3 src=$(realpath "$4") keep=${5:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/corvala_window.XXXXXX")
xvfb_pid="" prog_pid=""
. "$src/scripts/wine-session.sh"
trap end_test EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { if [ "$mode" = windows ]; then "$src/scripts/wine-run.sh" "$@"; else "$@"; fi; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || fail "Xvfb or xdotool is missing"

folder=$work/run
mkdir -p "$folder/samples"
cp -r "$src/data/Fonts" "$src/data/Pictures" "$folder/"
cp "$src/data/samples/"*.bmp "$folder/samples/"
(cd "$folder" &&
  run "$tool" import "$src/data/samples/hmloviny.csv" samples/Hmloviny.cvl --path 'samples\Hmloviny.cvl' \
    --name Hmloviny --author Corvala --description "Vzorový katalóg známych hmlovín všetkých siedmich typov" &&
  run "$tool" settings cv_settings.ini 'samples\Hmloviny.cvl') >/dev/null || fail "the sample could not be made"

# Larger than the window with its frame, so that the window is not scaled.
xvfb_start 1280x1024x24
cd "$folder" || exit 1
if [ "$mode" = windows ]; then
  "$src/scripts/wine-run.sh" "$prog" --window 2>"$work/err" &
else
  SDL_VIDEODRIVER=x11 "$prog" --window 2>"$work/err" &
fi
prog_pid=$!

window=$(window_wait '^Corvala')
[ -n "$window" ] || fail "no window appeared: $(cat "$work/err")"
sleep 3
# The client area lies inside whatever frame the window has.
client_area "$window"
click() {
  point_at "$1" "$2"
  [ "${3:-}" = click ] && xdotool click 1 && sleep 0.5
}
# Each screenshot is named by the second it was taken in.
shoot() {
  local before shot=""
  before=$(ls "$folder/SnapShots" 2>/dev/null | wc -l)
  xdotool key Print
  for _ in $(seq 100); do
    [ "$(ls "$folder/SnapShots" 2>/dev/null | wc -l)" -gt "$before" ] && break
    sleep 0.1
  done
  shot=$(ls -t "$folder/SnapShots/"*.bmp 2>/dev/null | head -n 1)
  [ -n "$shot" ] || fail "Print Screen wrote no screenshot: $(cat "$work/err")"
  sleep 1.2
  mv "$shot" "$work/$1.bmp"
  [ -n "$keep" ] && cp "$work/$1.bmp" "$keep/"
  echo "$work/$1.bmp"
}
click 600 690
shoot start >/dev/null
click 149 120
click 150 120 click
click 600 690
sleep 1
shoot database-menu >/dev/null

for name in start database-menu; do
  golden=$src/tests/windows/golden/$name.bmp.gz
  if [ "$mode" = linux ]; then
    if [ "${CORVALA_UPDATE_GOLDEN:-}" = 1 ]; then gzip -9nc "$work/$name.bmp" > "$golden" && echo "wrote $golden"; fi
    continue
  fi
  [ -f "$golden" ] || fail "no golden screenshot $golden"
  "$src/tests/windows/same_screen.py" "$work/$name.bmp" "$golden" || exit 1
done
