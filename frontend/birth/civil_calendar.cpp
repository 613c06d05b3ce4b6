#include "frontend/birth/civil_calendar.h"

#include <QCalendar>
#include <QDate>
#include <QRegularExpression>

namespace frontend {
namespace {

// The first Gregorian day, 15 October 1582.
constexpr int64_t kFirstGregorianDay = 2299161;
constexpr CivilDate kFirstGregorianDate{1582, 10, 15};

const QCalendar& Julian() {
  static const QCalendar calendar(QCalendar::System::Julian);
  return calendar;
}

const QCalendar& Gregorian() {
  static const QCalendar calendar(QCalendar::System::Gregorian);
  return calendar;
}

}  // namespace

int64_t DayNumberOf(const CivilDate& date) {
  const QCalendar& calendar = date < kFirstGregorianDate ? Julian() : Gregorian();
  return calendar.dateFromParts(date.year, date.month, date.day).toJulianDay();
}

CivilDate CivilDateOf(int64_t dayNumber) {
  const QCalendar& calendar = dayNumber < kFirstGregorianDay ? Julian() : Gregorian();
  const QCalendar::YearMonthDay parts = calendar.partsFromDate(QDate::fromJulianDay(dayNumber));
  return {parts.year, parts.month, parts.day};
}

QDate DayOf(const CivilDate& date) {
  return QDate::fromJulianDay(DayNumberOf(date));
}

int32_t DaysInMonth(const YearMonth& month) {
  static constexpr int32_t kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month.month < 1 || month.month > 12) return 0;
  if (month.month != 2) return kLengths[month.month - 1];
  const int32_t year = month.year;
  const bool leap = year % 4 == 0 && (year < 1582 || year % 100 != 0 || year % 400 == 0);
  return leap ? 29 : 28;
}

bool IsCalendarReformGap(const CivilDate& date) {
  return date >= CivilDate{1582, 10, 5} && date < kFirstGregorianDate;
}

bool Exists(const CivilDate& date) {
  return date.day >= 1 && date.day <= DaysInMonth(MonthOf(date)) && !IsCalendarReformGap(date);
}

QString IsoText(const CivilDate& date) {
  return QStringLiteral("%1-%2-%3")
      .arg(date.year, 4, 10, QLatin1Char('0'))
      .arg(date.month, 2, 10, QLatin1Char('0'))
      .arg(date.day, 2, 10, QLatin1Char('0'));
}

std::optional<CivilDate> CivilDateFromIso(const QString& text) {
  static const QRegularExpression kIso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
  const QRegularExpressionMatch match = kIso.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const CivilDate date{match.captured(1).toInt(), match.captured(2).toInt(),
                       match.captured(3).toInt()};
  // Earlier versions kept 5..14 October 1582; the calculator counted them as
  // 15..24 October, which is what they are read as.
  if (IsCalendarReformGap(date)) return CivilDateOf(DayNumberOf(date));
  if (!Exists(date)) return std::nullopt;
  return date;
}

int32_t WeekDayOf(int64_t dayNumber) {
  return QDate::fromJulianDay(dayNumber).dayOfWeek();
}

int64_t FirstDayOf(const YearMonth& month) {
  return DayNumberOf({month.year, month.month, 1});
}

int64_t FirstDayAfter(const YearMonth& month) {
  return FirstDayOf(AddMonths(month, 1));
}

YearMonth MonthOf(const CivilDate& date) {
  return {date.year, date.month};
}

YearMonth AddMonths(const YearMonth& month, int32_t count) {
  const int32_t index = month.year * 12 + (month.month - 1) + count;
  // Floor division: the months before year 0 are out of reach anyway, but a
  // negative index must not wrap into the wrong year.
  const int32_t year = index >= 0 ? index / 12 : (index - 11) / 12;
  return {year, index - year * 12 + 1};
}

}  // namespace frontend
