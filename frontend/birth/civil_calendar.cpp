#include "frontend/birth/civil_calendar.h"

#include <QCalendar>
#include <QDate>

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
