#!/usr/bin/python3
"""Writes data/catalogues/ngc-ic.csv, the NGC/IC nebulae in the CSV form that
`cvltool import` reads, from OpenNGC as Debian's kstars-data ships it (an
SQLite file) and the hand-kept table curated.csv beside this script.

    ngc_ic.py [--source OpenNGC.kscat] [--curated curated.csv] [--out ngc-ic.csv]

Build tooling only: the program and its build read the committed CSV. The
constellation of each object comes from astropy's constellation boundaries
when astropy is installed; without it the descriptions leave it out, so the
CSV would differ and the check in tests/catalogues says so.
"""

import argparse
import csv
import io
import math
import os
import re
import sqlite3
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_SOURCE = "/usr/share/kstars/OpenNGC.kscat"

# The source's object kinds (the planetarium's numbering) that are nebulae.
SOURCE_GASEOUS, SOURCE_PLANETARY, SOURCE_SNR, SOURCE_DARK = 5, 6, 7, 15
NEBULA_KINDS = (SOURCE_GASEOUS, SOURCE_PLANETARY, SOURCE_SNR, SOURCE_DARK)

# The program's kinds by their CSV text; the source's gaseous nebulae (H II
# regions, emission nebulae, clusters with nebulosity, generic and reflection
# nebulae all in one) become H II unless the curated table says otherwise.
TYPE_TEXT = {
    "planetary": "Planetárna hmlovina",
    "snr": "Pozostatok Supernovy",
    "emission": "H2",
    "reflection": "Reflexná hmlovina",
    "dark": "Tmavá hmlovina",
}
FROM_SOURCE = {SOURCE_GASEOUS: "emission", SOURCE_PLANETARY: "planetary", SOURCE_SNR: "snr", SOURCE_DARK: "dark"}

# How a description opens for each kind.
KIND_PHRASE = {
    "planetary": "Planetárna hmlovina",
    "snr": "Pozostatok supernovy",
    "emission": "Emisná hmlovina (oblasť H II)",
    "reflection": "Reflexná hmlovina",
    "dark": "Tmavá hmlovina",
}

# The program's marks for what the source does not know.
NO_MAGNITUDE = 99.99
NO_DISTANCE = 0.0

CONSTELLATIONS = {
    "And": "Andromeda", "Ant": "Vývev", "Aps": "Rajka", "Aqr": "Vodnár", "Aql": "Orol", "Ara": "Oltár",
    "Ari": "Baran", "Aur": "Povozník", "Boo": "Pastier", "Cae": "Rydlo", "Cam": "Žirafa", "Cnc": "Rak",
    "CVn": "Poľovné psy", "CMa": "Veľký pes", "CMi": "Malý pes", "Cap": "Kozorožec", "Car": "Lodný kýl",
    "Cas": "Kasiopeja", "Cen": "Kentaur", "Cep": "Cefeus", "Cet": "Veľryba", "Cha": "Chameleón",
    "Cir": "Kružidlo", "Col": "Holubica", "Com": "Vlasy Bereniky", "CrA": "Južná koruna",
    "CrB": "Severná koruna", "Crv": "Havran", "Crt": "Pohár", "Cru": "Južný kríž", "Cyg": "Labuť",
    "Del": "Delfín", "Dor": "Mečiar", "Dra": "Drak", "Equ": "Koníček", "Eri": "Eridanus", "For": "Pec",
    "Gem": "Blíženci", "Gru": "Žeriav", "Her": "Herkules", "Hor": "Hodiny", "Hya": "Hydra",
    "Hyi": "Malý vodný had", "Ind": "Indián", "Lac": "Jašterica", "Leo": "Lev", "LMi": "Malý lev",
    "Lep": "Zajac", "Lib": "Váhy", "Lup": "Vlk", "Lyn": "Rys", "Lyr": "Lýra", "Men": "Tabuľový vrch",
    "Mic": "Mikroskop", "Mon": "Jednorožec", "Mus": "Mucha", "Nor": "Pravítko", "Oct": "Oktant",
    "Oph": "Hadonos", "Ori": "Orión", "Pav": "Páv", "Peg": "Pegas", "Per": "Perzeus", "Phe": "Fénix",
    "Pic": "Maliar", "Psc": "Ryby", "PsA": "Južná ryba", "Pup": "Korma", "Pyx": "Kompas",
    "Ret": "Sieťka", "Sge": "Šíp", "Sgr": "Strelec", "Sco": "Škorpión", "Scl": "Sochár", "Sct": "Štít",
    "Ser": "Had", "Sex": "Sextant", "Tau": "Býk", "Tel": "Ďalekohľad", "Tri": "Trojuholník",
    "TrA": "Južný trojuholník", "Tuc": "Tukan", "UMa": "Veľká medvedica", "UMi": "Malá medvedica",
    "Vel": "Plachty", "Vir": "Panna", "Vol": "Letiaca ryba", "Vul": "Líštička",
}

IDENTIFIER = re.compile(r"^(NGC|IC)(\d{4})([A-Z]*)$")
DESIGNATION = re.compile(r"^(NGC|IC) (\d+)([A-Z]*)$")


def fail(message):
    sys.exit("ngc_ic.py: " + message)


def designation_of(identifier):
    """"NGC0650" -> ("NGC", 650, ""), or None for other catalogues."""
    m = IDENTIFIER.match(identifier or "")
    return (m.group(1), int(m.group(2)), m.group(3)) if m else None


def designation_text(d):
    return f"{d[0]} {d[1]}{d[2]}"


def read_source(path):
    """Every NGC/IC row of the source as a dict keyed by designation."""
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    rows = {}
    query = "select catalog_identifier, type, ra, dec, magnitude, major_axis, minor_axis from cat"
    for ident, kind, ra, dec, mag, major, minor in db.execute(query):
        d = designation_of(ident)
        if d is None:
            continue
        rows[designation_text(d)] = {
            "designation": d, "kind": kind, "ra": ra, "dec": dec,
            "magnitude": mag, "major": major, "minor": minor,
        }
    version = db.execute("select version, source, license, author from catalogs where name = 'OpenNGC'").fetchone()
    db.close()
    return rows, version


def read_curated(path):
    with open(path, encoding="utf-8", newline="") as f:
        lines = [line for line in f if line.strip() and not line.lstrip().startswith("#")]
    table = {}
    for row in csv.DictReader(lines):
        key = row["designation"].strip()
        if not DESIGNATION.match(key):
            fail(f"{path}: \"{key}\" is not an NGC or IC designation")
        if key in table:
            fail(f"{path}: {key} is listed twice")
        if row["type"] and row["type"] not in TYPE_TEXT:
            fail(f"{path}: {key}: unknown type \"{row['type']}\"")
        table[key] = row
    return table


def constellations(rows):
    """Slovak constellation names by designation, or {} without astropy."""
    try:
        from astropy.coordinates import SkyCoord, get_constellation
        import astropy.units as u
    except ImportError:
        print("ngc_ic.py: astropy is missing, the descriptions name no constellation", file=sys.stderr)
        return {}
    keys = list(rows)
    sky = SkyCoord(ra=[rows[k]["ra"] for k in keys] * u.deg, dec=[rows[k]["dec"] for k in keys] * u.deg,
                   frame="icrs")
    return {k: CONSTELLATIONS[abbr] for k, abbr in zip(keys, get_constellation(sky, short_name=True))}


def decimal(value, places):
    """A number the Slovak way: decimal comma, no trailing zeros."""
    text = f"{value:.{places}f}".rstrip("0").rstrip(".")
    return text.replace(".", ",")


# The Magellanic Clouds (centre RA and Dec in degrees, radius in degrees):
# an observer wants to know that a nebula lies in another galaxy.
# Their distances (light years, eclipsing binaries: ~50 kpc and ~62 kpc) go
# to the nebulae in them that the curated table gives none.
CLOUDS = (
    (80.9, -69.75, 5.5, "Leží vo Veľkom Magellanovom mraku.", 160000),
    (13.2, -72.8, 3.0, "Leží v Malom Magellanovom mraku.", 200000),
)


def cloud_of(row):
    for ra, dec, radius, text, distance in CLOUDS:
        if separation_deg(row["ra"], row["dec"], ra, dec) < radius:
            return text, distance
    return None


def separation_deg(ra1, dec1, ra2, dec2):
    a1, d1, a2, d2 = (math.radians(v) for v in (ra1, dec1, ra2, dec2))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(a1 - a2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def describe(kind, row, constellation):
    parts = [KIND_PHRASE[kind] + (f" v súhvezdí {constellation}." if constellation else ".")]
    cloud = cloud_of(row)
    if cloud:
        parts.append(cloud[0])
    major, minor = row["major"], row["minor"]
    if major:
        size = decimal(major, 2) + "'"
        if minor and minor != major:
            size += " × " + decimal(minor, 2) + "'"
        parts.append(f"Zdanlivá veľkosť {size}.")
    if row["magnitude"] is not None:
        magnitude = decimal(row["magnitude"], 2)
        parts.append(f"Jasnosť {magnitude if ',' in magnitude else magnitude + ',0'} mag.")
    else:
        parts.append(f"Jasnosť neurčená ({NO_MAGNITUDE}).")
    return " ".join(parts)


def short_text(text, where):
    """The CSV holds UTF-8, the record Windows-1250 of at most 255 bytes."""
    try:
        size = len(text.encode("cp1250"))
    except UnicodeEncodeError as e:
        fail(f"{where}: \"{text}\" has a character Windows-1250 lacks ({e.object[e.start]!r})")
    if size > 255:
        fail(f"{where}: \"{text}\" is {size} bytes long, more than 255")
    return text


def select(source, curated):
    """The nebulae in catalogue order (NGC, then IC, by number) with their kind."""
    chosen = []
    for key, row in source.items():
        entry = curated.get(key)
        if row["kind"] in NEBULA_KINDS:
            chosen.append((row, (entry or {}).get("type") or FROM_SOURCE[row["kind"]]))
    for key, entry in curated.items():
        row = source.get(key)
        if row is None:
            fail(f"curated.csv: {key} is not in the source")
        if row["kind"] not in NEBULA_KINDS:
            fail(f"curated.csv: {key} is no nebula in the source (kind {row['kind']})")
    chosen.sort(key=lambda c: (c[0]["designation"][0] != "NGC", c[0]["designation"][1], c[0]["designation"][2]))
    return chosen


def generate(source, curated):
    chosen = select(source, curated)
    names = constellations({designation_text(r["designation"]): r for r, _ in chosen})
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(["number", "name", "ngc", "ra_hours", "dec_degrees", "distance_ly", "magnitude", "type",
                     "picture", "description"])
    for number, (row, kind) in enumerate(chosen, start=1):
        key = designation_text(row["designation"])
        entry = curated.get(key, {})
        name = entry.get("name") or key
        if row["designation"][0] == "IC" and key not in name:
            fail(f"curated.csv: the name of {key} must keep its designation")
        picture = entry.get("picture") or ""
        if picture and not os.path.exists(os.path.join(ROOT, "data", "samples", picture)):
            fail(f"curated.csv: {key}: no picture data/samples/{picture}")
        cloud = cloud_of(row)
        distance = float(entry["distance_ly"]) if entry.get("distance_ly") else cloud[1] if cloud else NO_DISTANCE
        magnitude = row["magnitude"] if row["magnitude"] is not None else NO_MAGNITUDE
        writer.writerow([
            number,
            short_text(name, key),
            row["designation"][1] if row["designation"][0] == "NGC" else 0,
            f"{row['ra'] / 15.0:.5f}",
            f"{row['dec']:.4f}",
            f"{distance:.0f}",
            f"{magnitude:g}",
            TYPE_TEXT[kind],
            short_text(picture, key),
            short_text(describe(kind, row, names.get(key)), key),
        ])
    return out.getvalue(), chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", default=DEFAULT_SOURCE)
    parser.add_argument("--curated", default=os.path.join(HERE, "curated.csv"))
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "catalogues", "ngc-ic.csv"))
    args = parser.parse_args()
    if not os.path.exists(args.source):
        fail(f"{args.source} is missing (Debian's kstars-data ships it)")
    source, version = read_source(args.source)
    text, chosen = generate(source, read_curated(args.curated))
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    counts = {}
    for _, kind in chosen:
        counts[kind] = counts.get(kind, 0) + 1
    release = re.search(r"tag/(v\d+)", version[1] or "") if version else None
    print(f"{args.out}: {len(chosen)} nebulae from OpenNGC {release.group(1) if release else '(release unknown)'}: " +
          ", ".join(f"{k} {counts.get(k, 0)}" for k in TYPE_TEXT))


if __name__ == "__main__":
    main()
