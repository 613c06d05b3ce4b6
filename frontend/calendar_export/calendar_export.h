// A stretch of the lunar calendar for one place, as the command line prints
// it and the window exports it: as text, as JSON and as an iCalendar file.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "content/compose.h"
#include "frontend/birth/birth_data.h"
#include "frontend/lunar_calendar/calendar_zone.h"
#include "frontend/lunar_calendar/zoned_month.h"

namespace frontend {

struct CalendarExport {
  QString placeName;
  Coordinate latitude;
  Coordinate longitude;
  CalendarZone zone;
  std::vector<LunarMonth> months;  // consecutive, in order
};

// The zone the calendar's dates are on, for its header:
// "Europe/Kyiv — время местное, с переходом на летнее" when the clocks
// change in `year`, "Europe/Moscow — время местное, UTC+3" when not, and
// "UTC+3 — введено вручную, для всех дат" for a zone typed by hand.
QString ZoneHeading(const CalendarZone& zone, int32_t year);

// "53°54' 27°34'".
QString CoordinatesText(const Coordinate& latitude, const Coordinate& longitude);

// "2026-12-08T05:12:00+02:00": the instant on its offset, taken to the minute
// (an offset of local mean time with seconds is written to the nearest
// minute, and the clock reading with it, so that the instant stays exact).
QString IsoText(const ZonedInstant& instant);

// One line per date, as the grid shows it, under a header of the place and
// the zone.
QString CalendarText(const CalendarExport& calendar, const content::ReferenceTables& tables);

// Every date with its offset and its lunar days; the fields are described in
// the README.
QByteArray CalendarJson(const CalendarExport& calendar, const content::ReferenceTables& tables);

// One event per lunar day in force on any date of the months, `stampUtc`
// being the time of the export.
QByteArray CalendarICalendar(const CalendarExport& calendar, const content::ReferenceTables& tables,
                             int64_t stampUtc);

// The event's identifier: the same for the same lunar day at the same place in
// every export, whatever months it is exported with.
QString LunarDayUid(const CalendarExport& calendar, const LunarDaySpan& lunarDay);

}  // namespace frontend
