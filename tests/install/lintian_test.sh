#!/usr/bin/env bash
# The Debian package as a distribution would judge it: built by CPack into a
# scratch folder (nothing is installed) and checked by lintian, which must
# report no error and no warning. Skipped (status 77) where lintian is missing.
# Usage: lintian_test.sh BUILD_DIR
set -u
build=$(realpath "$1")
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }
command -v dpkg-shlibdeps >/dev/null || { echo "SKIP: dpkg-dev is not installed"; exit 77; }
work=$(mktemp -d /tmp/corvala_lintian.XXXXXX)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/corvala_*.deb)
# Root is fine here: lintian only reads the package.
lintian --allow-root --fail-on error,warning --display-level '>=warning' "$deb"
rc=$?
[ "$rc" -eq 0 ] && echo "lintian: $(basename "$deb") has no errors or warnings"
exit "$rc"
