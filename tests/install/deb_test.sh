#!/usr/bin/env bash
# The Debian package's round trip (make test-package): the package that
# `make deb` built is checked by lintian, installed with apt-get, run, opened
# from a catalogue through xdg-open on a private X server, and removed. It
# changes the machine's installed packages, so it needs root on Debian and is
# never part of `make test`.
# Usage: deb_test.sh BUILD_DIR
set -u
build=$(realpath "$1")
if [ "$(id -u)" -ne 0 ] || [ ! -e /etc/debian_version ] || ! command -v apt-get >/dev/null; then
  echo "SKIP: the package test needs root on Debian"
  exit 77
fi
if dpkg-query -W -f='${Status}' corvala 2>/dev/null | grep -q "install ok installed"; then
  echo "FAIL: a corvala package is installed already; the test does not replace it" >&2
  exit 1
fi
deb=$(ls "$build"/package/corvala_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package in $build/package (make deb)" >&2; exit 1; }
for tool in lintian Xvfb xdg-open mimetype desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/install-deps.sh installs it" >&2; exit 1; }
done
# One package test at a time on the machine.
exec 9>/tmp/corvala_deb_test.lock
flock 9
work=$(mktemp -d /tmp/corvala_deb.XXXXXX)
xvfb_pid=""
opened=""
export DEBIAN_FRONTEND=noninteractive
cleanup() {
  [ -n "$opened" ] && kill -KILL "$opened" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  apt-get remove -y -qq -o DPkg::Lock::Timeout=120 corvala >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

lintian --allow-root --fail-on error,warning --display-level '>=warning' "$deb" || fail "lintian"
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" >/dev/null ||
  { echo "FAIL: apt-get install" >&2; exit 1; }

version=$(/usr/bin/corvala --version)
[[ "$version" == "corvala "[0-9]* ]] || fail "--version said \"$version\""
/usr/bin/cvltool check /usr/share/corvala/samples/Hmloviny.cvl >/dev/null || fail "cvltool check of the sample"
for f in /usr/share/doc/corvala/copyright /usr/share/doc/corvala/changelog.gz /usr/share/man/man1/corvala.1.gz \
  /usr/share/man/man1/cvltool.1.gz /usr/share/man/sk/man1/corvala.1.gz /usr/share/mime/packages/corvala.xml \
  /usr/share/icons/hicolor/256x256/apps/corvala.png /usr/share/icons/hicolor/scalable/apps/corvala.svg; do
  [ -e "$f" ] || fail "missing $f"
done
out=$(desktop-file-validate /usr/share/applications/corvala.desktop 2>&1) && [ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml >"$work/appstream" 2>&1 ||
  fail "metainfo: $(cat "$work/appstream")"

# A catalogue double-clicked on a desktop: the file type is known by its
# name and by its signature, and xdg-open starts the program with it.
cp /usr/share/corvala/samples/Hmloviny.cvl "$work/moje.cvl"
cp /usr/share/corvala/samples/Hmloviny.cvl "$work/bez_pripony"
[ "$(mimetype -b "$work/moje.cvl")" = application/x-corvala-catalogue ] || fail "by name: $(mimetype -b "$work/moje.cvl")"
[ "$(mimetype -b -M "$work/bez_pripony")" = application/x-corvala-catalogue ] ||
  fail "by signature: $(mimetype -b -M "$work/bez_pripony")"
home="$work/home"
mkdir -p "$home"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP HOME="$home" \
  DISPLAY=":$(head -n 1 "$work/display")" SDL_VIDEODRIVER=x11 xdg-open "$work/moje.cvl" >"$work/open.log" 2>&1 &
for _ in $(seq 100); do
  opened=$(pgrep -u "$(id -u)" -f "^/usr/bin/corvala $work/moje.cvl\$|^corvala $work/moje.cvl\$" | head -n 1)
  [ -n "$opened" ] && break
  sleep 0.1
done
if [ -z "$opened" ]; then
  fail "xdg-open did not start corvala with the catalogue: $(cat "$work/open.log")"
else
  sleep 1
  kill -0 "$opened" 2>/dev/null || fail "corvala opened by xdg-open ended by itself"
  kill -TERM "$opened"
  for _ in $(seq 20); do kill -0 "$opened" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$opened" 2>/dev/null && fail "corvala did not end on SIGTERM"
  opened=""
  [ -s "$home/.config/corvala/cv_settings.ini" ] || fail "no settings in ~/.config/corvala"
fi

apt-get remove -y -qq -o DPkg::Lock::Timeout=120 corvala >/dev/null || fail "apt-get remove"
[ ! -e /usr/bin/corvala ] || fail "/usr/bin/corvala is left after removal"
[ "$failures" -eq 0 ] && echo "package: $(basename "$deb") passed lintian, installed, opened a catalogue, removed"
[ "$failures" -eq 0 ]
