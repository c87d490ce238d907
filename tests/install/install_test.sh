#!/usr/bin/env bash
# `make install` into a scratch folder: the expected files, a valid desktop
# entry, the command line, the installed program started on a private Xvfb
# from a folder without data (it finds its fonts, makes the user's folder with
# the sample catalogue, ends promptly on SIGTERM with its settings written),
# and `make uninstall` removing exactly what was installed.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -u
build=$(realpath "$1")
src=$(realpath "$2")
work=$(mktemp -d /tmp/corvala_install.XXXXXX)
xvfb_pid=""
prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill -KILL "$prog_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

dest="$work/dest"
prefix=/usr/local
root="$dest$prefix"
DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }

for f in bin/corvala bin/cvltool share/applications/corvala.desktop share/man/man1/corvala.1.gz \
  share/man/man1/cvltool.1.gz share/man/sk/man1/corvala.1.gz share/mime/packages/corvala.xml \
  share/icons/hicolor/48x48/apps/corvala.png share/icons/hicolor/256x256/apps/corvala.png \
  share/icons/hicolor/scalable/apps/corvala.svg share/corvala/Fonts/Tahoma_10pt_normal.fnt \
  share/corvala/Pictures/ScreenPicture.bmp share/corvala/samples/Hmloviny.cvl \
  share/corvala/samples/NGC-IC.cvl; do
  [ -e "$root/$f" ] || fail "missing $prefix/$f"
done
[ -x "$root/bin/corvala" ] || fail "the program is not executable"
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$root/share/applications/corvala.desktop" 2>&1) || fail "desktop entry: $out"
  [ -z "$out" ] || fail "desktop entry: $out"
else
  fail "desktop-file-validate is missing; scripts/install-deps.sh installs it"
fi
# The metainfo as a software centre reads it, checked without the network.
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --no-net "$root"/share/metainfo/*.metainfo.xml 2>&1) || fail "metainfo: $out"
else
  fail "appstreamcli is missing; scripts/install-deps.sh installs it"
fi
[ "$(file -b --mime-type "$root/share/icons/hicolor/48x48/apps/corvala.png" 2>/dev/null || echo image/png)" = image/png ] ||
  fail "the icon is not a PNG"

# The command line, from a folder without data.
empty="$work/empty"
home="$work/home"
mkdir -p "$empty" "$home"
cd "$empty" || exit 1
prog="$root/bin/corvala"
version=$(HOME="$home" "$prog" --version) || fail "--version failed"
[[ "$version" == "corvala "[0-9]* ]] || fail "--version said \"$version\""
HOME="$home" "$prog" --no-such-option >/dev/null 2>"$work/err"
rc=$?
[ "$rc" -eq 2 ] && grep -q -- "--no-such-option" "$work/err" || fail "an unknown option gave $rc: $(cat "$work/err")"
HOME="$home" "$prog" "$work/none.cvl" >/dev/null 2>"$work/err"
rc=$?
[ "$rc" -eq 2 ] && grep -q "none.cvl" "$work/err" || fail "a missing catalogue gave $rc: $(cat "$work/err")"
[ -e "$home/.local/share/corvala" ] && fail "a refused command line made the user's folder"

# A real start on a private X server.
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
  data="$home/.local/share/corvala"
  ini="$home/.config/corvala/cv_settings.ini"
  env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u WAYLAND_DISPLAY HOME="$home" DISPLAY=":$(head -n 1 "$work/display")" \
    SDL_VIDEODRIVER=x11 "$prog" 2>"$work/err" &
  prog_pid=$!
  for _ in $(seq 100); do [ -s "$ini" ] && break; sleep 0.1; done
  sleep 1
  kill -0 "$prog_pid" 2>/dev/null || fail "the installed program ended by itself: $(cat "$work/err")"
  [ -s "$data/samples/Hmloviny.cvl" ] || fail "no sample catalogue in the user's folder"
  cmp -s "$data/samples/Hmloviny.cvl" "$root/share/corvala/samples/Hmloviny.cvl" || fail "the sample catalogue differs"
  cmp -s "$data/samples/NGC-IC.cvl" "$root/share/corvala/samples/NGC-IC.cvl" || fail "no copy of the NGC/IC catalogue"
  [ -e "$data/cv_settings.ini" ] && fail "the settings were written to the data folder"
  # Settings left in the data folder by an earlier version move to the
  # configuration folder at the next start.
  mv "$ini" "$data/cv_settings.ini"
  kill -TERM "$prog_pid"
  for _ in $(seq 10); do kill -0 "$prog_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$prog_pid" 2>/dev/null; then
    fail "the program did not end within a second of SIGTERM"
  else
    wait "$prog_pid"
    rc=$?
    [ "$rc" -eq 0 ] || fail "the program ended with $rc after SIGTERM"
    [ -s "$ini" ] || fail "the settings were not written at SIGTERM"
  fi
  prog_pid=""
  cp "$data/cv_settings.ini" "$work/old.ini" 2>/dev/null
  rm -f "$ini"
  env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u WAYLAND_DISPLAY HOME="$home" DISPLAY=":$(head -n 1 "$work/display")" \
    SDL_VIDEODRIVER=x11 "$prog" 2>"$work/err" &
  prog_pid=$!
  for _ in $(seq 100); do [ -s "$ini" ] && break; sleep 0.1; done
  kill -TERM "$prog_pid"
  wait "$prog_pid"
  prog_pid=""
  cmp -s "$ini" "$work/old.ini" && [ ! -e "$data/cv_settings.ini" ] ||
    fail "the settings in the data folder were not moved to $ini"
  ls "$empty" | grep -q . && fail "the program wrote into the folder it was started from"
else
  fail "Xvfb is missing; scripts/install-deps.sh installs it"
fi

DESTDIR="$dest" "$src/scripts/uninstall.sh" "$build" "$prefix" >/dev/null || fail "uninstall failed"
left=$(find "$dest" -type f | head -5)
[ -z "$left" ] || fail "left after uninstall: $left"
[ -e "$root/share/corvala" ] && fail "the program's shared folder is left after uninstall"

[ "$failures" -eq 0 ] && echo "install: all checks passed"
[ "$failures" -eq 0 ]
