// The calendar in which the lunar calculator writes its dates: Julian up to
// 4 October 1582, Gregorian from the next day, 15 October 1582, on. A date is
// handled as its Julian day number, so that the days of a month are one
// unbroken run of numbers even in October 1582, which lacks 5..14 October.
#pragma once

#include <QDate>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace frontend {

struct CivilDate {
  int32_t year = 0;
  int32_t month = 0;  // 1..12
  int32_t day = 0;    // 1..31

  auto operator<=>(const CivilDate&) const = default;
};

struct YearMonth {
  int32_t year = 0;
  int32_t month = 0;  // 1..12

  auto operator<=>(const YearMonth&) const = default;
};

// The Julian day number of `date`; the days 5..14 October 1582 do not exist.
int64_t DayNumberOf(const CivilDate& date);
CivilDate CivilDateOf(int64_t dayNumber);

// The day `date` names, for Qt's clock and time zones (proleptic Gregorian).
QDate DayOf(const CivilDate& date);

// Days in `month`: February has 29 in every fourth year, and from 1582 on not
// in a century year unless it divides by 400.
int32_t DaysInMonth(const YearMonth& month);
// 5..14 October 1582, skipped when the Gregorian calendar began.
bool IsCalendarReformGap(const CivilDate& date);
// Whether `date` names a day: month 1..12, day within it, not in the gap.
bool Exists(const CivilDate& date);

// "yyyy-MM-dd" with the civil year, month and day, as files and JSON keep
// dates ("1500-02-29" is a Julian leap day); and back, where a day skipped in
// October 1582 is read as the day the calculator counted for it (5 October
// as 15 October).
QString IsoText(const CivilDate& date);
std::optional<CivilDate> CivilDateFromIso(const QString& text);

// 1 = Monday .. 7 = Sunday.
int32_t WeekDayOf(int64_t dayNumber);

// The day numbers of the first day of `month` and of the first day after it.
int64_t FirstDayOf(const YearMonth& month);
int64_t FirstDayAfter(const YearMonth& month);

YearMonth MonthOf(const CivilDate& date);
// `month` moved by `count` months, back when negative.
YearMonth AddMonths(const YearMonth& month, int32_t count);

}  // namespace frontend
