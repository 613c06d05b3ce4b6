"""Time-zone names of the places, checked against the system's tzdata.

Every name written is one that Qt's QTimeZone offers on Debian 12: Qt 6.4
lists the zones of tzdata's zone.tab. A GeoNames name that tzdata keeps only
as a link (an old spelling such as Europe/Kiev, or a zone merged into another
such as America/Yellowknife) is replaced by the zone the link points to, whose
rules are the same; any other unknown name stops the build.
"""

from pathlib import Path


class ZoneTable:
    def __init__(self, zoneinfo):
        self.directory = Path(zoneinfo)
        self.listed = set()
        for line in (self.directory / "zone.tab").read_text(encoding="utf-8").splitlines():
            if line and not line.startswith("#"):
                self.listed.add(line.split("\t")[2])
        self.links = {}  # link name -> target, from "L target link" lines
        for line in (self.directory / "tzdata.zi").read_text(encoding="utf-8").splitlines():
            if line.startswith("L "):
                _, target, link = line.split()
                self.links[link] = target

    def usable(self, name):
        return name in self.listed and (self.directory / name).is_file()

    def usable_name(self, name):
        """The name itself when usable, else the usable zone it links to."""
        if self.usable(name):
            return name
        target = self.links.get(name)
        if target is not None and self.usable(target):
            return target
        raise SystemExit(f"time zone {name} is neither in tzdata's zone.tab nor a link to one")


def place_zones(zones, table):
    """The usable name of each zone, in order, and the names that were mapped
    (GeoNames name -> name written)."""
    mapped = {}
    result = []
    for zone in zones:
        name = table.usable_name(zone)
        if name != zone:
            mapped[zone] = name
        result.append(name)
    return result, mapped
