#!/usr/bin/env bash
# The Windows packages under Wine: make windows-package's zip and installer;
# the silent install (/S) puts the program, its files, the uninstaller, the
# Start-menu entry and the .cvl file type in place; the installed program,
# started as its shortcut starts it, makes %APPDATA%\Corvala with the sample
# catalogue and shows it as the Linux program does; the silent uninstall
# removes the program and leaves the user's folder.
#
#   package_test.sh BUILD_DIR SOURCE_DIR     (WINEPREFIX set by scripts/test-windows.sh)
set -u
build=$(realpath "$1") src=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/corvala_package.XXXXXX")
xvfb_pid="" prog_pid=""
. "$src/scripts/wine-session.sh"
trap end_test EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
wine() { "$src/scripts/wine-run.sh" "$@"; }
[ -n "${WINEPREFIX:-}" ] || { echo "FAIL: no WINEPREFIX" >&2; exit 1; }

"$src/scripts/windows-package.sh" "$build" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip=$build/package/corvala-$version-windows.zip setup=$build/package/corvala-setup-$version.exe
listing=$(unzip -Z1 "$zip") || fail "the zip cannot be read"
for f in Corvala/corvala.exe Corvala/ReadMe.txt Corvala/Fonts/Tahoma_10pt_normal.fnt \
  Corvala/Pictures/ScreenPicture.bmp Corvala/samples/Hmloviny.cvl; do
  grep -qx "$f" <<< "$listing" || fail "the zip lacks $f"
done

wine "$setup" /S || fail "the silent install failed"
c=$WINEPREFIX/drive_c
dir="$c/Program Files/Corvala"
for f in corvala.exe uninstall.exe ReadMe.txt Fonts/Tahoma_10pt_normal.fnt Pictures/ScreenPicture.bmp \
  samples/Hmloviny.cvl; do
  [ -e "$dir/$f" ] || fail "not installed: $f"
done
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvala"
[ -e "$menu/Corvala.lnk" ] || fail "no Start-menu entry"
wine reg query 'HKCR\.cvl' /ve 2>/dev/null | grep -q 'Corvala.Catalogue' || fail ".cvl is not associated"
wine reg query 'HKCR\Corvala.Catalogue\shell\open\command' /ve 2>/dev/null | grep -q 'corvala.exe" "%1"' ||
  fail "the .cvl type does not open with the program"

# The installed program, started in its own folder as the shortcut does.
appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
data=$("$WINE" winepath -u "$appdata\\Corvala" 2>/dev/null)
[ -n "$data" ] || fail "where %APPDATA% lies is unknown"
xvfb_start 1280x1024x24
(cd "$dir" && exec "$src/scripts/wine-run.sh" ./corvala.exe --window 2>"$work/err") &
prog_pid=$!
window=$(window_wait '^Corvala')
if [ -z "$window" ]; then
  fail "the installed program showed no window: $(cat "$work/err")"
else
  sleep 3
  cmp -s "$data/samples/Hmloviny.cvl" "$dir/samples/Hmloviny.cvl" || fail "no copy of the sample in %APPDATA%\\Corvala"
  [ -s "$data/cv_settings.ini" ] || fail "no settings in %APPDATA%\\Corvala"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  border=$(( (WIDTH - 1024) / 2 ))
  xdotool mousemove --window "$window" $(( 600 + border )) $(( 690 + HEIGHT - 768 - border ))
  sleep 1
  xdotool key Print
  for _ in $(seq 100); do ls "$data/SnapShots/"*.bmp >/dev/null 2>&1 && break; sleep 0.1; done
  shot=$(ls "$data/SnapShots/"*.bmp 2>/dev/null | head -n 1)
  if [ -z "$shot" ]; then
    fail "Print Screen wrote nothing into %APPDATA%\\Corvala\\SnapShots"
  else
    sleep 0.5
    "$src/tests/windows/same_screen.py" "$shot" "$src/tests/windows/golden/start.bmp.gz" ||
      fail "the installed program does not show the sample as on Linux"
  fi
fi
kill -KILL "$prog_pid" 2>/dev/null
wait "$prog_pid" 2>/dev/null
prog_pid=""
"$WINE" taskkill /f /im corvala.exe >/dev/null 2>&1

wine "$dir/uninstall.exe" /S || fail "the silent uninstall failed"
# The uninstaller copies itself elsewhere and returns at once; give it a moment.
for _ in $(seq 100); do [ -e "$dir/corvala.exe" ] || [ -e "$dir/uninstall.exe" ] || break; sleep 0.1; done
for _ in $(seq 100); do [ -e "$dir" ] || break; sleep 0.1; done
[ -e "$dir" ] && fail "left after uninstall: $(find "$dir" | head -5)"
[ -e "$menu" ] && fail "the Start-menu entry is left after uninstall"
wine reg query 'HKCR\Corvala.Catalogue' >/dev/null 2>&1 && fail "the file type is left after uninstall"
[ -s "$data/samples/Hmloviny.cvl" ] && [ -s "$data/cv_settings.ini" ] || fail "the uninstaller touched %APPDATA%\\Corvala"

[ "$failures" -eq 0 ] && echo "windows package: all checks passed"
[ "$failures" -eq 0 ]
