#!/usr/bin/env bash
# make test-windows: the cross-built test suite under Wine.
#
#   scripts/test-windows.sh BUILD_DIR [ctest arguments...]
#
# One Wine prefix is made for the run (its first start is slow) and shared by
# every test; a persistent wineserver keeps each program's start short.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build-windows}" && pwd)
shift || true

wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  echo "SKIPPED: Windows tests: Wine is not installed (scripts/install-windows-deps.sh installs it)"
  exit 0
fi
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/corvala-wine-XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb_pid=""
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

started=$(date +%s)
if ! DISPLAY= timeout 600 "$wine" wineboot --init >"$WINEPREFIX.boot.log" 2>&1; then
  echo "SKIPPED: Windows tests: Wine cannot start on this machine:"
  tail -5 "$WINEPREFIX.boot.log"
  rm -f "$WINEPREFIX.boot.log"
  exit 0
fi
rm -f "$WINEPREFIX.boot.log"
# Wine's desktop process keeps the display it started with for as long as the
# wineserver lives: the one wineboot left (without a display) is ended, and
# the next starts with the tests' own X server.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -f -p >/dev/null 2>&1 &
echo "Wine prefix ready in $(( $(date +%s) - started )) s"

# A private X server for the tests that open a window (the real-window tests
# start their own).
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WINEPREFIX.display" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$WINEPREFIX.display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$WINEPREFIX.display")"
  rm -f "$WINEPREFIX.display"
fi

# The first program of a session starts Wine's desktop on the display, which
# takes a while; it is done here rather than inside a test's time limit.
timeout 300 "$wine" "$build/tests/platform/platform_tests.exe" --gtest_list_tests >/dev/null 2>&1 || true
echo "Wine desktop ready in $(( $(date +%s) - started )) s"

cd "$build"
ctest --output-on-failure -j2 "$@"
