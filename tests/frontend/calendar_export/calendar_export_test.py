#!/usr/bin/python3
"""The calendar's three forms from the program itself, read back by real
parsers: the iCalendar file by python3-icalendar, the JSON by json, the
offsets checked against Python's own time-zone database.

Usage: calendar_export_test.py VELUNOR_PROGRAM
"""
import datetime
import json
import re
import subprocess
import sys
import unittest
import zoneinfo

import icalendar

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "velunor"


def run(*arguments):
    result = subprocess.run([PROGRAM, *arguments], capture_output=True, timeout=60,
                            env={"LC_ALL": "C.UTF-8", "LANG": "C.UTF-8", "PATH": "/usr/bin:/bin"})
    if result.returncode != 0:
        raise AssertionError("velunor %s: exit %d: %s" % (
            " ".join(arguments), result.returncode, result.stderr.decode("utf-8", "replace")))
    return result.stdout


def events(ics_bytes):
    calendar = icalendar.Calendar.from_ical(ics_bytes)
    return [component for component in calendar.walk() if component.name == "VEVENT"]


def instant(text):
    return datetime.datetime.fromisoformat(text)


# Months in which the clocks change, each with the date and the new offset
# (hours east of Greenwich) that the zone's rules give: the last Sunday of
# March and October in Europe, the second Sunday of March and the first of
# November in America; Moscow's last change to summer time in 2011 and its
# change back to +3 for good in October 2014.
CLOCK_CHANGES = [
    ("Europe/Kyiv", "Киев", "2026-03", "2026-03-29", 3),
    ("Europe/Kyiv", "Киев", "2026-10", "2026-10-25", 2),
    ("America/New_York", "New York City NY, USA", "2026-03", "2026-03-08", -4),
    ("America/New_York", "New York City NY, USA", "2026-11", "2026-11-01", -5),
    ("Europe/Moscow", "Москва", "2011-03", "2011-03-27", 4),
    ("Europe/Moscow", "Москва", "2014-10", "2014-10-26", 3),
]


class ClockChanges(unittest.TestCase):
    def test_every_form_on_the_zones_clock(self):
        for zone_name, place, month, change_date, new_hours in CLOCK_CHANGES:
            with self.subTest(zone=zone_name, month=month):
                zone = zoneinfo.ZoneInfo(zone_name)
                options = ["--calendar", month, "--place", place]
                calendar = json.loads(run(*options, "--json"))
                text = run(*options, "--text").decode("utf-8")
                ics = events(run(*options, "--ics"))
                starts = {}
                for date in calendar["dates"]:
                    if date["date"] == change_date:
                        self.assertIsNotNone(date["clockChange"], change_date)
                        self.assertEqual(date["clockChange"]["offsetAfterSeconds"],
                                         new_hours * 3600)
                    else:
                        self.assertIsNone(date["clockChange"], date["date"])
                    for day in date["lunarDays"]:
                        for key in ("start", "end"):
                            moment = instant(day[key])
                            # The offset written is the zone's at that instant.
                            self.assertEqual(moment.utcoffset(),
                                             moment.astimezone(zone).utcoffset(), day[key])
                        if day["beginsThisDate"]:
                            starts[instant(day["start"])] = (day["number"], instant(day["end"]))
                            # The text shows the start on the local clock.
                            local = instant(day["start"])
                            line = next(l for l in text.splitlines()
                                        if re.match(r"\s*%d\s" % int(date["date"][8:]), l))
                            self.assertIn("%d с %d:%02d" % (day["number"], local.hour,
                                                            local.minute), line)
                # Every lunar day beginning in the month is an event at the
                # same instant, ending at the same instant.
                by_start = {event.decoded("DTSTART"): event for event in ics}
                for start, (number, end) in starts.items():
                    self.assertIn(start, by_start)
                    event = by_start[start]
                    self.assertEqual(event.decoded("DTEND"), end)
                    self.assertTrue(str(event["SUMMARY"]).startswith("%d-й лунный день" % number))


class ICalendarFile(unittest.TestCase):
    place = ["--place", "Минск"]

    def test_events_are_whole_and_in_order(self):
        ics_bytes = run("--calendar", "2026-12", *self.place, "--ics")
        for line in ics_bytes.split(b"\r\n"):
            self.assertLessEqual(len(line), 75, line)
        self.assertNotIn(b"\n", ics_bytes.replace(b"\r\n", b""))
        found = events(ics_bytes)
        self.assertGreaterEqual(len(found), 30)
        starts = [event.decoded("DTSTART") for event in found]
        self.assertEqual(starts, sorted(starts))
        for event, following in zip(found, found[1:]):
            self.assertEqual(event.decoded("DTEND"), following.decoded("DTSTART"))
        for event in found:
            self.assertEqual(event.decoded("DTSTART").utcoffset(), datetime.timedelta(0))
            self.assertRegex(str(event["SUMMARY"]),
                             r"^\d+-й лунный день( — (добрый|злой))?(, новолуние)?$")
            description = str(event["DESCRIPTION"])
            self.assertIn("Боевое", description)
            self.assertIn("\n", description)

    def test_uids_stay_across_exports(self):
        alone = events(run("--calendar", "2026-12", *self.place, "--ics"))
        again = events(run("--calendar", "2026-12", *self.place, "--ics"))
        wider = events(run("--calendar", "2026-10", "--months", "3", *self.place, "--ics"))
        uids = [str(event["UID"]) for event in alone]
        self.assertEqual(len(set(uids)), len(uids))
        self.assertEqual(uids, [str(event["UID"]) for event in again])
        wider_uids = {str(event["UID"]): event.decoded("DTSTART") for event in wider}
        for event in alone:
            self.assertEqual(wider_uids.get(str(event["UID"])), event.decoded("DTSTART"))


if __name__ == "__main__":
    unittest.main()
