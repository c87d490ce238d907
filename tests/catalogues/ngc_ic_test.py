#!/usr/bin/python3
"""The committed NGC/IC catalogue against its source, OpenNGC as kstars-data
ships it. Exits 77 (skipped) where kstars-data is not installed.

    ngc_ic_test.py ROOT [SOURCE]
"""

import csv
import math
import os
import re
import sqlite3
import subprocess
import sys
import tempfile

ROOT = sys.argv[1]
SOURCE = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/kstars/OpenNGC.kscat"
CSV = os.path.join(ROOT, "data", "catalogues", "ngc-ic.csv")
CURATED = os.path.join(ROOT, "tools", "ngcgen", "curated.csv")

# The source's kinds that are nebulae and the program's kind each becomes
# unless the curated table corrects it.
KINDS = {5: "H2", 6: "Planetárna hmlovina", 7: "Pozostatok Supernovy", 15: "Tmavá hmlovina"}
CURATED_KIND = {"planetary": "Planetárna hmlovina", "snr": "Pozostatok Supernovy", "emission": "H2",
                "reflection": "Reflexná hmlovina", "dark": "Tmavá hmlovina"}

# Well-known nebulae: designation, the source row that holds it, the kind it is.
KNOWN = [
    ("M1", "NGC1952", "Pozostatok Supernovy"), ("M8", "NGC6523", "H2"), ("M16", "NGC6611", "H2"),
    ("M17", "NGC6618", "H2"), ("M20", "NGC6514", "H2"), ("M27", "NGC6853", "Planetárna hmlovina"),
    ("M42", "NGC1976", "H2"), ("M57", "NGC6720", "Planetárna hmlovina"), ("M76", "NGC0650", "Planetárna hmlovina"),
    ("M97", "NGC3587", "Planetárna hmlovina"), ("NGC 2237", "NGC2237", "H2"), ("NGC 3372", "NGC3372", "H2"),
    ("NGC 6543", "NGC6543", "Planetárna hmlovina"), ("NGC 6960", "NGC6960", "Pozostatok Supernovy"),
    ("NGC 7000", "NGC7000", "H2"), ("NGC 7293", "NGC7293", "Planetárna hmlovina"), ("IC 434", "IC0434", "H2"),
    ("IC 1396", "IC1396", "H2"), ("IC 2118", "IC2118", "Reflexná hmlovina"), ("IC 5146", "IC5146", "H2"),
]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def separation_arcmin(ra1_h, dec1, ra2_h, dec2):
    a1, d1, a2, d2 = (math.radians(v) for v in (ra1_h * 15, dec1, ra2_h * 15, dec2))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(a1 - a2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c)))) * 60


def designation(identifier):
    prefix = "NGC" if identifier.startswith("NGC") else "IC"
    digits = identifier[len(prefix):]
    number = int("".join(ch for ch in digits if ch.isdigit()))
    return prefix, number, digits.lstrip("0123456789")


def record_of(records, prefix, number, suffix):
    """The record of an NGC/IC object: NGC ones by their NGC field (and the
    suffix in the name), IC ones by the designation kept in their name."""
    text = f"{prefix} {number}{suffix}"
    found = []
    for r in records:
        if prefix == "NGC" and int(r["ngc"]) == number:
            if (text in r["name"]) if suffix else not re.search(rf"NGC {number}[A-Z]", r["name"]):
                found.append(r)
        elif prefix == "IC" and (r["name"] == text or r["name"].endswith(f"({text})")):
            found.append(r)
    return found


def main():
    if not os.path.exists(SOURCE):
        print(f"skipped: {SOURCE} is missing (install kstars-data to check the NGC/IC catalogue against it)")
        return 77
    with open(CSV, encoding="utf-8", newline="") as f:
        records = list(csv.DictReader(f))
    with open(CURATED, encoding="utf-8", newline="") as f:
        curated = {r["designation"]: r for r in csv.DictReader(l for l in f if l.strip() and not l.startswith("#"))}

    db = sqlite3.connect(f"file:{SOURCE}?mode=ro", uri=True)
    rows = db.execute("select catalog_identifier, type, ra, dec from cat "
                      "where catalog_identifier glob 'NGC[0-9]*' or catalog_identifier glob 'IC[0-9]*'").fetchall()
    by_identifier = {r[0]: r for r in rows}

    # Every source nebula once, where the source puts it, of the expected kind;
    # nothing else (galaxies, clusters, stars, duplicates) in the catalogue.
    expected = {}
    for identifier, kind, ra, dec in rows:
        if kind not in KINDS:
            continue
        prefix, number, suffix = designation(identifier)
        entry = curated.get(f"{prefix} {number}{suffix}")
        want = CURATED_KIND[entry["type"]] if entry and entry["type"] else KINDS[kind]
        expected[want] = expected.get(want, 0) + 1
        found = record_of(records, prefix, number, suffix)
        if len(found) != 1:
            check(False, f"{identifier}: {len(found)} records")
            continue
        r = found[0]
        check(r["type"] == want, f"{identifier}: type {r['type']}, expected {want}")
        sep = separation_arcmin(float(r["ra_hours"]), float(r["dec_degrees"]), ra / 15, dec)
        check(sep < 1, f"{identifier}: {sep:.2f}' from the source's position")
    counts = {}
    for r in records:
        counts[r["type"]] = counts.get(r["type"], 0) + 1
    check(counts == expected, f"counts per type {counts}, the source's {expected}")

    for name, identifier, kind in KNOWN:
        _, _, ra, dec = by_identifier[identifier]
        prefix, number, suffix = designation(identifier)
        found = [r for r in records if separation_arcmin(float(r["ra_hours"]), float(r["dec_degrees"]), ra / 15, dec) < 1]
        check(any(r["type"] == kind for r in found), f"{name}: no {kind} within 1' of {identifier}")
        if name.startswith("M"):
            check(any(f"({name})" in r["name"] or r["name"] == name for r in found), f"{name}: not named")

    # Missing values are the program's marks.
    for r in records:
        check(float(r["magnitude"]) == 99.99 or -2 < float(r["magnitude"]) < 20, f"{r['name']}: magnitude {r['magnitude']}")
        check(float(r["distance_ly"]) >= 0, f"{r['name']}: distance {r['distance_ly']}")

    # The committed file is what the generator makes of the source today
    # (its constellations need astropy, as make ngc installs it).
    try:
        import astropy.coordinates  # noqa: F401
    except ImportError:
        print("note: python3-astropy is missing, so the file is not compared with a fresh generator run")
        return finish(records, counts)
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "ngc-ic.csv")
        run = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "ngcgen", "ngc_ic.py"), "--source", SOURCE,
                              "--out", out], capture_output=True, text=True)
        check(run.returncode == 0, "the generator failed: " + run.stderr)
        if run.returncode == 0:
            with open(out, encoding="utf-8") as f, open(CSV, encoding="utf-8") as g:
                check(f.read() == g.read(), "data/catalogues/ngc-ic.csv differs from the generator's output (make ngc)")

    return finish(records, counts)


def finish(records, counts):
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(records)} records: " + ", ".join(f"{k} {v}" for k, v in sorted(counts.items())))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
