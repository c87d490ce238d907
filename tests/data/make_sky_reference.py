#!/usr/bin/python3
"""Reference horizontal positions of a few well-known nebulae, computed with
astropy, for the sky-position tests. Runs offline: astropy's bundled Earth
orientation tables are used and nothing is downloaded. No refraction
(pressure 0). Output: sky_reference.csv beside this script.

Columns: object, ra_hours, dec_degrees (J2000), year, month, day, hour,
minute (UTC), latitude, longitude, azimuth, elevation (degrees, azimuth from
the north through the east).
"""
import csv
import os
import warnings

from astropy.utils import iers

iers.conf.auto_download = False
iers.conf.auto_max_age = None
iers.conf.iers_degraded_accuracy = "warn"

import astropy.units as u  # noqa: E402
from astropy.coordinates import AltAz, EarthLocation, SkyCoord  # noqa: E402
from astropy.time import Time  # noqa: E402

warnings.simplefilter("ignore")

OBJECTS = [
    ("M 42", 5.588139, -5.391111),
    ("M 57", 18.893078, 33.029167),
    ("M 1", 5.575539, 22.014500),
    ("NGC 7293", 22.494042, -20.837111),
    ("M 27", 19.993428, 22.721111),
    ("NGC 3372", 10.752417, -59.866667),
]
PLACES = [
    ("Bratislava", 48.1486, 17.1077),
    ("Sydney", -33.8688, 151.2093),
    ("Quito", -0.1807, -78.4678),
    ("Tromso", 69.6492, 18.9553),
]
INSTANTS = [
    (2000, 1, 1, 12, 0),
    (2004, 2, 29, 21, 15),
    (2013, 8, 12, 1, 40),
    (2020, 6, 21, 22, 30),
    (2026, 12, 8, 3, 0),
]


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sky_reference.csv")
    rows = []
    for name, ra, dec in OBJECTS:
        target = SkyCoord(ra=ra * 15 * u.deg, dec=dec * u.deg, frame="icrs")
        for place, lat, lon in PLACES:
            location = EarthLocation(lat=lat * u.deg, lon=lon * u.deg, height=0 * u.m)
            for y, mo, d, h, mi in INSTANTS:
                t = Time(f"{y:04d}-{mo:02d}-{d:02d}T{h:02d}:{mi:02d}:00", scale="utc")
                altaz = target.transform_to(AltAz(obstime=t, location=location, pressure=0 * u.hPa))
                rows.append([name, ra, dec, y, mo, d, h, mi, lat, lon,
                             f"{altaz.az.deg:.4f}", f"{altaz.alt.deg:.4f}"])
    with open(out, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["object", "ra_hours", "dec_degrees", "year", "month", "day", "hour", "minute",
                    "latitude", "longitude", "azimuth", "elevation"])
        w.writerows(rows)


if __name__ == "__main__":
    main()
