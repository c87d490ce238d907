#!/usr/bin/env bash
# The Windows session ending while the program runs in its real window under
# Wine, with a record added and not saved: WM_QUERYENDSESSION and
# WM_ENDSESSION are sent to the window and the process is ended the moment the
# second is answered (END_SESSION.EXE does both). By then the settings must be
# written and the unsaved record be in the recovery copy beside the
# catalogue, the catalogue itself untouched.
#
#   end_session.sh CORVALA.EXE CVLTOOL.EXE END_SESSION.EXE SOURCE_DIR
#   (WINEPREFIX set by scripts/test-windows.sh)
set -u
prog=$(realpath "$1") tool=$(realpath "$2") ender=$(realpath "$3") src=$(realpath "$4")
work=$(mktemp -d "${TMPDIR:-/tmp}/corvala_session.XXXXXX")
xvfb_pid="" prog_pid=""
. "$src/scripts/wine-session.sh"
trap end_test EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wine() { "$src/scripts/wine-run.sh" "$@"; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || fail "Xvfb or xdotool is missing"

# No settings file yet: the run's settings are then always worth writing.
folder=$work/run
mkdir -p "$folder/samples"
cp -r "$src/data/Fonts" "$src/data/Pictures" "$folder/"
(cd "$folder" &&
  wine "$tool" import "$src/data/samples/hmloviny.csv" samples/Hmloviny.cvl --path 'samples\Hmloviny.cvl' \
    --name Hmloviny --author Corvala --description "Vzorový katalóg") >/dev/null || fail "the sample could not be made"
cp "$folder/samples/Hmloviny.cvl" "$work/original.cvl"

xvfb_start 1280x1024x24
cd "$folder" || exit 1
wine "$prog" --window 'samples\Hmloviny.cvl' 2>"$work/err" &
prog_pid=$!
window=$(window_wait '^Corvala')
[ -n "$window" ] || fail "no window appeared: $(cat "$work/err")"
sleep 3
client_area "$window"
click() {
  point_at "$1" "$2"
  xdotool click 1
  sleep 0.5
}
# Keys slower than the frames, so that each is seen in a frame of its own.
keys() { xdotool key --delay 120 "$@"; sleep 0.3; }
typed() { xdotool type --delay 120 -- "$1"; sleep 0.2; keys Return; }

# A record added through the add form (database menu, "add"), as a user does.
click 148 120
click 150 187
typed "Nova hmlovina"
typed 7000
typed 20.5
typed -5.25
typed 1500
typed 8.5
keys Return
keys Down Down Return
typed x.bmp
typed Prva
sleep 1

[ -e "$folder/cv_settings.ini" ] && fail "the settings were written before the session ended"
wine "$ender" || fail "the session could not be ended: $(cat "$work/err")"
sleep 1
kill -0 "$prog_pid" 2>/dev/null && fail "the program still runs after the session ended"
prog_pid=""

[ -s "$folder/cv_settings.ini" ] || fail "no settings written: $(cat "$work/err")"
copy=$folder/samples/Hmloviny.obnova.cvl
[ -s "$copy" ] || fail "no recovery copy of the unsaved record: $(cat "$work/err"; ls -R "$folder/samples")"
cmp -s "$folder/samples/Hmloviny.cvl" "$work/original.cvl" || fail "the catalogue itself was changed"
cmp -s "$copy" "$work/original.cvl" && fail "the recovery copy lacks the unsaved record"
(cd "$folder" && wine "$tool" export 'samples\Hmloviny.obnova.cvl') >"$work/copy.csv" 2>/dev/null </dev/null ||
  fail "the recovery copy cannot be read"
grep -q "Nova hmlovina" "$work/copy.csv" || fail "the recovery copy lacks the record: $(head -c 400 "$work/copy.csv")"
echo "settings and the unsaved record kept before the session's end"
