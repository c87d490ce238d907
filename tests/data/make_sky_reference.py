#!/usr/bin/python3
"""Reference sky positions and rise, culmination and set times, computed with
astropy for the sky tests. Run it by hand (`/usr/bin/python3
tests/data/make_sky_reference.py`); the tests only read its output, so
neither the program nor its tests need astropy.

It runs offline: nothing is downloaded, and UT1-UTC is taken as 0 at every
moment. The program keeps UTC in whole minutes and uses it as UT1 (it has no
Earth orientation table and must not fetch one); astropy's bundled table ends
in 2022 and nobody knows UT1-UTC for the centuries the map serves. Taking 0
everywhere makes the reference reproducible and describes the instant the
program means. The real UT1-UTC never exceeds 0.9 s, at most 14 arcseconds
of sidereal angle, well inside the 1-arcminute goal.

Positions: ICRS (the catalogue's J2000 coordinates) to AltAz, apparent, no
refraction (pressure 0), for every record of the sample catalogue at three
sites and ten moments from 2000 to 2499: sky_reference.csv.

Rise, culmination and set: for a local day at a fixed UTC offset, the
elevation every minute from local midnight; crossings of elevation 0 by
linear interpolation, the culmination by a parabola through the highest
minute and its neighbours: rise_set_reference.csv.
"""
import csv
import os
import warnings

from astropy.utils import iers

iers.conf.auto_download = False
iers.conf.auto_max_age = None
iers.conf.iers_degraded_accuracy = "ignore"

import astropy.units as u  # noqa: E402
import numpy as np  # noqa: E402
from astropy.coordinates import AltAz, EarthLocation, SkyCoord  # noqa: E402
from astropy.time import Time  # noqa: E402

warnings.simplefilter("ignore")

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOGUE = os.path.join(HERE, "..", "..", "data", "samples", "hmloviny.csv")

SITES = [
    ("Bratislava", 48.1486, 17.1077),
    ("Sydney", -33.8688, 151.2093),
    ("Longyearbyen", 78.2232, 15.6267),
]
MOMENTS = [
    (2000, 1, 1, 12, 0),
    (2026, 12, 8, 3, 0),
    (2061, 7, 28, 22, 17),
    (2100, 3, 1, 0, 0),
    (2164, 10, 15, 5, 42),
    (2222, 2, 22, 16, 30),
    (2300, 6, 21, 20, 5),
    (2376, 11, 30, 9, 51),
    (2450, 4, 4, 13, 13),
    (2499, 12, 31, 23, 59),
]

# Catalogue number, local date, site, UTC offset in minutes.
RISE_SET_CASES = [
    (1, (2026, 12, 8), ("Bratislava", 48.1486, 17.1077), 60),
    (24, (2026, 12, 8), ("Bratislava", 48.1486, 17.1077), 60),
    (31, (2026, 12, 8), ("Bratislava", 48.1486, 17.1077), 60),
    (5, (2026, 12, 8), ("Bratislava", 48.1486, 17.1077), 60),
    (24, (2300, 6, 21), ("Sydney", -33.8688, 151.2093), 600),
    (31, (2300, 6, 21), ("Sydney", -33.8688, 151.2093), 600),
    (3, (2300, 6, 21), ("Sydney", -33.8688, 151.2093), 600),
    (1, (2499, 3, 15), ("Longyearbyen", 78.2232, 15.6267), 60),
    (24, (2499, 3, 15), ("Longyearbyen", 78.2232, 15.6267), 60),
    (3, (2499, 3, 15), ("Longyearbyen", 78.2232, 15.6267), 60),
    (27, (2150, 9, 1), ("Quito", -0.1807, -78.4678), -300),
]


def catalogue():
    with open(CATALOGUE, newline="", encoding="utf-8") as f:
        return [(int(r["number"]), float(r["ra_hours"]), float(r["dec_degrees"])) for r in csv.DictReader(f)]


def utc(y, mo, d, h, mi):
    t = Time(f"{y:04d}-{mo:02d}-{d:02d}T{h:02d}:{mi:02d}:00", scale="utc")
    t.delta_ut1_utc = 0
    return t


def positions(records):
    target = SkyCoord(ra=[r[1] * 15 for r in records] * u.deg, dec=[r[2] for r in records] * u.deg, frame="icrs")
    rows = []
    for _, lat, lon in SITES:
        location = EarthLocation(lat=lat * u.deg, lon=lon * u.deg, height=0 * u.m)
        for y, mo, d, h, mi in MOMENTS:
            altaz = target.transform_to(AltAz(obstime=utc(y, mo, d, h, mi), location=location, pressure=0 * u.hPa))
            for (number, ra, dec), az, alt in zip(records, altaz.az.deg, altaz.alt.deg):
                rows.append([number, ra, dec, y, mo, d, h, mi, lat, lon, f"{az:.5f}", f"{alt:.5f}"])
    return rows


def rise_set(records):
    by_number = {r[0]: r for r in records}
    rows = []
    for number, (y, mo, d), (_, lat, lon), offset in RISE_SET_CASES:
        _, ra, dec = by_number[number]
        # A minute before local midnight to a minute past the next one.
        start = utc(y, mo, d, 0, 0) - (offset + 1) * u.min
        minutes = np.arange(-1, 1442)
        times = start + (minutes + 1) * u.min
        times.delta_ut1_utc = 0
        location = EarthLocation(lat=lat * u.deg, lon=lon * u.deg, height=0 * u.m)
        target = SkyCoord(ra=ra * 15 * u.deg, dec=dec * u.deg, frame="icrs")
        alt = target.transform_to(AltAz(obstime=times, location=location, pressure=0 * u.hPa)).alt.deg
        rise = set_ = transit = -1.0
        transit_alt = -99.0
        for k in range(len(minutes) - 1):
            m = minutes[k]
            if not 0 <= m < 1440:
                continue
            if rise < 0 and alt[k] < 0 <= alt[k + 1]:
                rise = m + alt[k] / (alt[k] - alt[k + 1])
            if set_ < 0 and alt[k] >= 0 > alt[k + 1]:
                set_ = m + alt[k] / (alt[k] - alt[k + 1])
            if transit < 0 and k > 0 and alt[k - 1] < alt[k] >= alt[k + 1]:
                a, b, c = alt[k - 1], alt[k], alt[k + 1]
                shift = 0.5 * (a - c) / (a - 2 * b + c)
                transit = m + shift
                transit_alt = b - 0.25 * (a - c) * shift
        kind = "normal"
        if alt.min() >= 0:
            kind = "never_sets"
        elif alt.max() < 0:
            kind = "never_rises"
        rows.append([number, ra, dec, lat, lon, offset, y, mo, d, kind,
                     f"{rise:.2f}", f"{transit:.2f}", f"{transit_alt:.4f}", f"{set_:.2f}"])
    return rows


def write(name, header, rows):
    with open(os.path.join(HERE, name), "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(header)
        w.writerows(rows)


def main():
    records = catalogue()
    write("sky_reference.csv",
          ["object", "ra_hours", "dec_degrees", "year", "month", "day", "hour", "minute",
           "latitude", "longitude", "azimuth", "elevation"], positions(records))
    write("rise_set_reference.csv",
          ["object", "ra_hours", "dec_degrees", "latitude", "longitude", "utc_offset_minutes",
           "year", "month", "day", "kind", "rise", "culmination", "culmination_elevation", "set"],
          rise_set(records))


if __name__ == "__main__":
    main()
