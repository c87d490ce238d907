#!/usr/bin/env bash
# Installs what the Windows build, its tests under Wine and its installer need
# (make windows, make test-windows, make windows-package), and only what is
# missing, so a second run costs nothing.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix cmake make   # the cross compiler
  libz-mingw-w64-dev   # zlib for the end-to-end tests' compressed golden screenshots
  googletest           # GoogleTest's sources, built with the cross compiler
  wine64               # running the programs and their tests
  nsis zip unzip       # the installer and the portable zip
  python3              # comparing the real window's screenshots
  xvfb xdotool imagemagick   # the real-window test under Wine
)

. "$(dirname "$0")/apt-missing.sh"
install_missing "${packages[@]}"
