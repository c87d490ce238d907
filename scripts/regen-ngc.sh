#!/usr/bin/env bash
# Regenerates data/catalogues/ngc-ic.csv from OpenNGC as Debian's kstars-data
# ships it (tools/ngcgen). Installs kstars-data and astropy (for the
# constellations) when missing, as root. The CSV is committed; a build never
# needs either package.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
missing=()
[ -e /usr/share/kstars/OpenNGC.kscat ] || missing+=(kstars-data)
/usr/bin/python3 -c 'import astropy.coordinates' 2>/dev/null || missing+=(python3-astropy)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "regen-ngc: ${missing[*]} missing; run as root to install" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
/usr/bin/python3 "$src/tools/ngcgen/ngc_ic.py" --out "$src/data/catalogues/ngc-ic.csv"
