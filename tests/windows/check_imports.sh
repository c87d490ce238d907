#!/usr/bin/env bash
# check_imports.sh OBJDUMP EXE... : fails when an .exe imports a DLL that is
# not part of Windows (a MinGW runtime such as libstdc++-6.dll above all).
set -euo pipefail
objdump=$1
shift
allowed='^(kernel32|user32|gdi32|shell32|ole32|advapi32|winmm|msvcrt|ucrtbase|ws2_32|comdlg32|shlwapi|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "$exe: no imports found (not a PE file?)"; status=1; continue; }
  while read -r dll; do
    if ! [[ $dll =~ $allowed ]]; then
      echo "$(basename "$exe") imports $dll, which Windows does not bring"
      status=1
    fi
  done <<< "$dlls"
  echo "$(basename "$exe"): $(echo $dlls)"
done
exit $status
