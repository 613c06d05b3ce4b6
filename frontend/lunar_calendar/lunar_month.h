// Which lunar days fall on which date of a month, from the calculator's
// lunar-day table: each row starts a lunar day, which lasts until the next
// row starts.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/birth/civil_calendar.h"
#include "frontend/calculator_run/lunar_day_of_birth.h"

namespace frontend {

// One lunar day: its number and its local start and end (the start of the
// next lunar day).
struct LunarDaySpan {
  int32_t number = 0;  // 1..30
  LocalMoment start;
  LocalMoment end;

  // Lunar day 1 starts at the new moon.
  bool newMoon() const { return number == 1; }
};

struct CalendarDay {
  CivilDate date;
  int32_t weekDay = 0;  // 1 = Monday .. 7 = Sunday
  // The lunar days in force at some moment of the date, in time order: the
  // one in force at its first midnight, then each one that begins during it.
  std::vector<LunarDaySpan> lunarDays;

  // Whether `lunarDay` begins on this date (not before it).
  bool Begins(const LunarDaySpan& lunarDay) const;
};

struct LunarMonth {
  YearMonth month;
  std::vector<CalendarDay> days;  // every date of the month, in order
};

// The rows of a table that read as lunar-day starts (header lines are passed
// over). Nothing when the rows are not in time order or a number lies
// outside 1..30: such a table is not the calculator's.
std::optional<std::vector<LunarDayStart>> ReadLunarDayStarts(const std::vector<std::string>& table);

// `month` from the rows. Nothing unless the rows reach from the month's first
// midnight to its last, so that every date has its lunar days and each of
// them its end.
std::optional<LunarMonth> LunarMonthFrom(const std::vector<LunarDayStart>& rows,
                                         const YearMonth& month);

// The months the rows cover whole, in order.
std::vector<YearMonth> MonthsCoveredBy(const std::vector<LunarDayStart>& rows);

// Seconds since the start of the day numbering, for comparing and measuring.
int64_t SecondsOf(const LocalMoment& moment);
LocalMoment MomentOf(int64_t seconds);

// "8:34": hours and minutes of a second of the day (0..86399), as the calendar
// writes the start of a lunar day.
QString ClockText(int32_t secondOfDay);

}  // namespace frontend
