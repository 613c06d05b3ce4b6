// Which lunar days fall on which date of a month, each date on the clock of
// its zone at that moment: from the lunar-day starts of the calculator's table
// as instants, a lunar day lasting until the next one starts. A date runs
// from its first instant to the next date's, 23 or 25 hours on a day the
// clocks change.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

#include "frontend/birth/civil_calendar.h"
#include "frontend/lunar_calendar/calendar_zone.h"
#include "frontend/lunar_calendar/moon_phase.h"

namespace frontend {

// An instant with the zone's offset in force at it.
struct ZonedInstant {
  int64_t utc = 0;            // Unix seconds
  int32_t offsetSeconds = 0;  // east of Greenwich

  LocalMoment local() const { return UtcMomentOf(utc + offsetSeconds); }
  auto operator<=>(const ZonedInstant& other) const { return utc <=> other.utc; }
  bool operator==(const ZonedInstant& other) const { return utc == other.utc; }
};

ZonedInstant ZonedAt(const CalendarZone& zone, int64_t utc);

// A row of the calculator's table as an instant.
struct LunarDayInstant {
  int64_t utc = 0;
  int32_t number = 0;  // 1..30
};

// One lunar day: its number, its start and its end (the start of the next).
struct LunarDaySpan {
  int32_t number = 0;  // 1..30
  ZonedInstant start;
  ZonedInstant end;

  // Lunar day 1 starts at the new moon.
  bool newMoon() const { return number == 1; }
};

struct CalendarDay {
  CivilDate date;
  int32_t weekDay = 0;  // 1 = Monday .. 7 = Sunday
  ZonedInstant begins;  // the date's first instant
  ZonedInstant ends;    // the next date's first instant
  // The clocks moved during the date.
  std::optional<ClockChange> clockChange;
  // At local noon, for the picture of the phase.
  MoonPhase noonPhase;
  // The full moon, when it falls during the date.
  std::optional<ZonedInstant> fullMoon;
  // The lunar days in force at some moment of the date, in time order: the
  // one in force at its first instant, then each one that begins during it.
  std::vector<LunarDaySpan> lunarDays;

  // Whether `lunarDay` begins on this date (not before it).
  bool Begins(const LunarDaySpan& lunarDay) const {
    return lunarDay.start >= begins && lunarDay.start < ends;
  }
};

struct LunarMonth {
  YearMonth month;
  std::vector<CalendarDay> days;  // every date of the month, in order
};

// `month` on `zone`'s clock from the rows (in time order). Nothing unless the
// rows reach from the month's first instant to its last, so that every date
// has its lunar days and each of them its end.
std::optional<LunarMonth> LunarMonthOn(const CalendarZone& zone,
                                       const std::vector<LunarDayInstant>& rows,
                                       const YearMonth& month);

// The months on `zone`'s clock the rows cover whole, in order.
std::vector<YearMonth> MonthsCoveredOn(const CalendarZone& zone,
                                       const std::vector<LunarDayInstant>& rows);

}  // namespace frontend
