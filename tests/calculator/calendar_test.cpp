#include "calculator/calendar.h"

#include <gtest/gtest.h>

#include <tuple>

namespace moon {
namespace {

DateTimeRecord DateTime(int32_t day, int32_t month, int32_t year, int32_t hour = kNoTimeOfDay,
                        int32_t minute = 0, int32_t second = 0, int16_t zone = 0) {
  DateTimeRecord r;
  EXPECT_EQ(SetDate(day, month, year, r), 0) << day << "." << month << "." << year;
  EXPECT_EQ(SetTime(hour, minute, second, r), 0);
  r.timeZone = zone;
  return r;
}

// day, month, year, week day of a Julian day number.
std::tuple<int32_t, int32_t, int32_t, int32_t> DateOf(int32_t julianDay) {
  DateTimeRecord r;
  r.dateGiven = true;
  r.julianDay = julianDay;
  CalendarDate d;
  EXPECT_EQ(GetDate(r, d), 0);
  return {d.day, d.month, d.year, d.weekDay};
}

TEST(CalendarDate, KnownDaysBothWays) {
  EXPECT_EQ(DateTime(1, 1, 2000).julianDay, 2451545);
  EXPECT_EQ(DateTime(31, 12, 1899).julianDay, 2415020);
  EXPECT_EQ(DateTime(4, 10, 1582).julianDay, 2299160);
  EXPECT_EQ(DateTime(15, 10, 1582).julianDay, 2299161);
  // Days dropped by the reform are counted in the Julian calendar.
  EXPECT_EQ(DateTime(14, 10, 1582).julianDay, 2299170);

  EXPECT_EQ(DateOf(2451545), std::make_tuple(1, 1, 2000, 7));    // Saturday
  EXPECT_EQ(DateOf(2415020), std::make_tuple(31, 12, 1899, 1));  // Sunday
  EXPECT_EQ(DateOf(2299160), std::make_tuple(4, 10, 1582, 5));
  EXPECT_EQ(DateOf(2299161), std::make_tuple(15, 10, 1582, 6));
}

TEST(CalendarDate, GetDateInvertsSetDate) {
  for (int32_t j = DateTime(1, 1, 1500).julianDay; j <= DateTime(31, 12, 2100).julianDay; ++j) {
    const auto [day, month, year, weekDay] = DateOf(j);
    DateTimeRecord back;
    ASSERT_EQ(SetDate(day, month, year, back), 0) << j;
    ASSERT_EQ(back.julianDay, j);
  }
  // Around year 0: get date yields astronomical years, set date takes historical ones.
  for (int32_t j = 1721058 - 800; j < 1721058 + 800; ++j) {
    const auto [day, month, year, weekDay] = DateOf(j);
    DateTimeRecord back;
    ASSERT_EQ(SetDate(day, month, year <= 0 ? year - 1 : year, back), 0) << j;
    ASSERT_EQ(back.julianDay, j);
  }
}

TEST(CalendarDate, LeapYearsAndInvalidDates) {
  DateTimeRecord r;
  EXPECT_EQ(SetDate(29, 2, 2000, r), 0);
  EXPECT_EQ(SetDate(29, 2, 1500, r), 0);  // Julian rule before the reform
  const int32_t kept = r.julianDay;
  EXPECT_EQ(SetDate(29, 2, 2100, r), 1);
  EXPECT_EQ(SetDate(31, 4, 1990, r), 1);
  EXPECT_EQ(SetDate(0, 1, 1990, r), 1);
  EXPECT_EQ(SetDate(40, 13, 1990, r), 2);  // the month is checked first
  EXPECT_EQ(r.julianDay, kept);
  // 1 BC (year -1) is a leap year directly before year 1.
  EXPECT_EQ(DateTime(1, 1, 1).julianDay - DateTime(29, 2, -1).julianDay, 307);
}

TEST(CalendarTime, SetTimeKindsAndCheckOrder) {
  DateTimeRecord r;
  EXPECT_EQ(SetTime(23, 59, 59, r), 0);
  EXPECT_EQ(r.secondsOfDay, 86399);
  EXPECT_EQ(r.timeKind, TimeKind::kFull);
  EXPECT_EQ(SetTime(5, 7, kMissingTimePart, r), 0);
  EXPECT_EQ(r.secondsOfDay, 5 * 3600 + 7 * 60);
  EXPECT_EQ(r.referenceSecondsOfDay, r.secondsOfDay);
  EXPECT_EQ(r.timeKind, TimeKind::kPartial);

  EXPECT_EQ(SetTime(24, 0, 0, r), 1);
  EXPECT_EQ(SetTime(24, 60, 0, r), 2);
  EXPECT_EQ(SetTime(24, 60, 60, r), 3);
  EXPECT_EQ(r.secondsOfDay, 5 * 3600 + 7 * 60);

  EXPECT_EQ(SetTime(kNoTimeOfDay, 0, 0, r), 0);
  EXPECT_EQ(r.timeKind, TimeKind::kNone);
  EXPECT_EQ(r.secondsOfDay, 0);
}

TEST(CalendarDayNumber, UniversalTimeScale) {
  EXPECT_EQ(DayNumber(DateTimeRecord{}), 0.0);
  EXPECT_EQ(DayNumber(DateTime(1, 1, 1900, 0, 0, 0)), 1.0);
  // 01:00 at zone 3 is 22:00 UT the day before.
  EXPECT_DOUBLE_EQ(DayNumber(DateTime(1, 1, 1900, 1, 0, 0, 3)), 1.0 - 7200.0 / 86400.0);
  // Without a time of day the moment stands at local noon.
  EXPECT_EQ(DayNumber(DateTime(1, 1, 1900)), 1.5);
}

TEST(CalendarDayNumber, OutOfRangeJulianDayIsReported) {
  DateTimeRecord r;
  r.dateGiven = true;
  for (const int32_t julianDay : {3182031, -1000001}) {
    r.julianDay = julianDay;
    EXPECT_THROW(DayNumber(r), JulianDayOutOfRange) << julianDay;
  }
  r.julianDay = 3182030;
  EXPECT_NO_THROW(DayNumber(r));
  r.julianDay = -1000000;
  EXPECT_NO_THROW(DayNumber(r));
}

TEST(CalendarArithmetic, AddSecondsCarriesIntoTheDate) {
  DateTimeRecord r = DateTime(31, 12, 1999, 23, 59, 59);
  AddSeconds(r, 1);
  EXPECT_EQ(r.julianDay, 2451545);
  EXPECT_EQ(r.secondsOfDay, 0);
  EXPECT_EQ(r.referenceSecondsOfDay, 86399);  // not refreshed
  AddSeconds(r, -1);
  EXPECT_EQ(r.julianDay, 2451544);
  EXPECT_EQ(r.secondsOfDay, 86399);
  AddSeconds(r, -3 * 86400 - 86399);
  EXPECT_EQ(r.julianDay, 2451541);
  EXPECT_EQ(r.secondsOfDay, 0);

  DateTimeRecord noTime = DateTime(1, 1, 2000);
  AddSeconds(noTime, 100000);
  EXPECT_EQ(noTime.julianDay, 2451545);
}

TEST(CalendarArithmetic, AddTimeTruncatesInExtendedPrecision) {
  const DateTimeRecord start = DateTime(1, 1, 2000, 12, 0, 0);
  auto movedBy = [&](double days) {
    DateTimeRecord r = start;
    AddTime(r, days);
    return int64_t{r.julianDay - start.julianDay} * 86400 + r.secondsOfDay - start.secondsOfDay;
  };
  EXPECT_EQ(movedBy(0.5), 43200);
  EXPECT_EQ(movedBy(1.0 / 12.0), 7199);
  EXPECT_EQ(movedBy(-0.25), -21600);
  EXPECT_EQ(movedBy(-0.3), -25919);

  DateTimeRecord noon = DateTime(1, 1, 2000);
  AddTime(noon, 0.4);
  EXPECT_EQ(noon.julianDay, 2451545);
  AddTime(noon, 1.4);
  EXPECT_EQ(noon.julianDay, 2451546);
  EXPECT_EQ(DayNumber(noon), 36526.5);  // still at noon
}

MomentRecord Moment(const DateTimeRecord& dt, int32_t latitude, int32_t longitude) {
  MomentRecord m;
  InitMoment(m);
  m.dateTime = dt;
  m.place = {CoordinateKind::kFull, CoordinateKind::kFull, latitude, longitude};
  return m;
}

TEST(CalendarMoments, MidpointHalvesTheIntervalAndKeepsThePlace) {
  const MomentRecord a = Moment(DateTime(1, 1, 2000, 0, 0, 0, 3), 200000, -100001);
  const MomentRecord b = Moment(DateTime(2, 1, 2000, 6, 0, 0, 3), 200000, -100001);
  const MomentRecord mid = Midpoint(a, b);
  EXPECT_EQ(mid.dateTime.julianDay, 2451545);
  EXPECT_EQ(mid.dateTime.secondsOfDay, 15 * 3600);
  EXPECT_EQ(mid.dateTime.referenceSecondsOfDay, 15 * 3600);
  EXPECT_EQ(mid.place.longitude, -100001);
  EXPECT_EQ(mid.place.latitudeKind, CoordinateKind::kPartial);

  MomentRecord noTime = b;
  noTime.dateTime.timeKind = TimeKind::kNone;
  EXPECT_EQ(Completeness(Midpoint(a, noTime)), 0);
}

TEST(CalendarMoments, ProgressedDayStandsForAYear) {
  const MomentRecord birth = Moment(DateTime(7, 3, 1985, 5, 7, 0, 3), 0, 0);
  EXPECT_EQ(Progressed(birth, birth).dateTime.julianDay, birth.dateTime.julianDay);
  MomentRecord later = birth;
  AddDays(later.dateTime, 10);
  const MomentRecord p = Progressed(birth, later);
  // 3652.425 days after 7 March 1985 05:07 is 7 March 1995 about 15:19.
  EXPECT_EQ(p.dateTime.julianDay, DateTime(7, 3, 1995).julianDay);
  EXPECT_NEAR(p.dateTime.secondsOfDay, 5 * 3600 + 7 * 60 + 0.425 * 86400, 1);
}

}  // namespace
}  // namespace moon
