#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Corvala need,
# and only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libsdl2-dev          # window, input and presentation
  libfreetype-dev      # the font generator (tools/fntgen)
  fonts-dejavu-core fonts-liberation2 fonts-ebgaramond   # sources of the program's fonts
  libgtest-dev libbenchmark-dev
  clang libclang-rt-dev   # the fuzz targets (libFuzzer) and the clang build
  zlib1g-dev           # compressed golden screenshots of the end-to-end tests
  xvfb xdotool x11-apps imagemagick   # the real-window test, screenshots, the menu icon
  desktop-file-utils dpkg-dev          # checking the desktop entry; `make deb`
  locales              # a decimal-comma locale for the number-parsing tests
  lintian appstream shared-mime-info   # checking the package, its metainfo and file type
  xdg-utils libfile-mimeinfo-perl      # make test-package opens a catalogue as a desktop would
)

. "$(dirname "$0")/apt-missing.sh"
install_missing "${packages[@]}"

# Numbers typed into the program always use a decimal point; the tests check
# that under a Slovak locale, whose decimal separator is the comma.
if ! locale -a 2>/dev/null | grep -qix 'sk_SK.utf8'; then
  $sudo localedef -i sk_SK -c -f UTF-8 sk_SK.UTF-8 || echo "sk_SK.UTF-8 could not be made; its test is skipped"
fi
