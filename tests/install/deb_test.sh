#!/usr/bin/env bash
# The Debian package: built by CPack, installed with apt-get, run, removed.
# It changes the machine's installed packages, so it runs only as root on
# Debian, and is skipped elsewhere (status 77).
# Usage: deb_test.sh BUILD_DIR
set -u
build=$(realpath "$1")
if [ "$(id -u)" -ne 0 ] || [ ! -e /etc/debian_version ] || ! command -v apt-get >/dev/null; then
  echo "SKIP: the package test needs root on Debian"
  exit 77
fi
if dpkg-query -W -f='${Status}' corvala 2>/dev/null | grep -q "install ok installed"; then
  echo "SKIP: a corvala package is installed already; the test does not replace it"
  exit 77
fi
# One package test at a time on the machine.
exec 9>/tmp/corvala_deb_test.lock
flock 9
set -e
rm -rf "$build/package"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/package/corvala_*.deb)
export DEBIAN_FRONTEND=noninteractive
trap 'apt-get remove -y -qq -o DPkg::Lock::Timeout=120 corvala >/dev/null 2>&1 || true' EXIT
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" >/dev/null
version=$(/usr/bin/corvala --version)
[[ "$version" == "corvala "[0-9]* ]] || { echo "FAIL: --version said \"$version\"" >&2; exit 1; }
[ -e /usr/share/applications/corvala.desktop ] || { echo "FAIL: no desktop entry" >&2; exit 1; }
apt-get remove -y -qq -o DPkg::Lock::Timeout=120 corvala >/dev/null
trap - EXIT
[ ! -e /usr/bin/corvala ] || { echo "FAIL: /usr/bin/corvala is left after removal" >&2; exit 1; }
echo "package: $(basename "$deb") built, installed, ran, removed"
