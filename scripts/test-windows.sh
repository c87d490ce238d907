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

. scripts/wine-session.sh
if [ ! -x "$WINE" ]; then
  echo "SKIPPED: Windows tests: Wine is not installed (scripts/install-windows-deps.sh installs it)"
  exit 0
fi
cleanup() {
  wine_session_end
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  return 0
}
trap cleanup EXIT

started=$(date +%s)
if ! wine_session_start; then
  echo "SKIPPED: Windows tests: Wine cannot start on this machine (above)"
  exit 0
fi
echo "Wine prefix ready in $(( $(date +%s) - started )) s"

# A private X server for the tests that open a window (the real-window tests
# start their own).
command -v Xvfb >/dev/null && xvfb_start

# The first program of a session starts Wine's desktop on the display, which
# takes a while; it is done here rather than inside a test's time limit.
timeout 300 "$WINE" "$build/tests/platform/platform_tests.exe" --gtest_list_tests >/dev/null 2>&1 || true
echo "Wine desktop ready in $(( $(date +%s) - started )) s"

cd "$build"
ctest --output-on-failure -j2 "$@"
