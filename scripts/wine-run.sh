#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross build's tests. The caller
# (scripts/test-windows.sh) gives each run its own WINEPREFIX.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec /usr/lib/wine/wine64 "$@"
