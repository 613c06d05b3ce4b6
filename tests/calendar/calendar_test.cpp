#include "calculator/calendar.h"

#include <gtest/gtest.h>

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

CalendarDate DateOf(int32_t julianDay) {
  DateTimeRecord r;
  r.dateGiven = 1;
  r.julianDay = julianDay;
  CalendarDate d;
  EXPECT_EQ(GetDate(r, d), 0);
  return d;
}

TEST(CalendarDate, KnownJulianDayNumbers) {
  EXPECT_EQ(DateTime(1, 1, 2000).julianDay, 2451545);
  EXPECT_EQ(DateTime(31, 12, 1899).julianDay, 2415020);
  EXPECT_EQ(DateTime(4, 10, 1582).julianDay, 2299160);
  EXPECT_EQ(DateTime(15, 10, 1582).julianDay, 2299161);
  // Days dropped by the reform are counted in the Julian calendar.
  EXPECT_EQ(DateTime(5, 10, 1582).julianDay, 2299161);
  EXPECT_EQ(DateTime(14, 10, 1582).julianDay, 2299170);
}

TEST(CalendarDate, GetDateAndWeekDay) {
  const CalendarDate y2000 = DateOf(2451545);
  EXPECT_EQ(y2000.day, 1);
  EXPECT_EQ(y2000.month, 1);
  EXPECT_EQ(y2000.year, 2000);
  EXPECT_EQ(y2000.weekDay, 7);  // Saturday
  const CalendarDate y1899 = DateOf(2415020);
  EXPECT_EQ(y1899.day, 31);
  EXPECT_EQ(y1899.month, 12);
  EXPECT_EQ(y1899.year, 1899);
  EXPECT_EQ(y1899.weekDay, 1);  // Sunday
  const CalendarDate reform = DateOf(2299161);
  EXPECT_EQ(reform.day, 15);
  EXPECT_EQ(reform.month, 10);
  EXPECT_EQ(reform.year, 1582);
  const CalendarDate lastJulian = DateOf(2299160);
  EXPECT_EQ(lastJulian.day, 4);
  EXPECT_EQ(lastJulian.month, 10);
  EXPECT_EQ(DateOf(2446132).weekDay, 5);  // 7 March 1985, a Thursday
}

TEST(CalendarDate, GetDateInvertsSetDateAcrossCenturiesAndReform) {
  // Every day from 1 January 1500 to 31 December 2100, and negative day numbers.
  for (int32_t j = DateTime(1, 1, 1500).julianDay; j <= DateTime(31, 12, 2100).julianDay; ++j) {
    const CalendarDate d = DateOf(j);
    DateTimeRecord back;
    ASSERT_EQ(SetDate(d.day, d.month, d.year, back), 0) << j;
    ASSERT_EQ(back.julianDay, j);
  }
  // Around year 0: get date yields astronomical years, set date takes historical ones.
  for (int32_t j = 1721058 - 800; j < 1721058 + 800; ++j) {
    const CalendarDate d = DateOf(j);
    const int32_t historicalYear = d.year <= 0 ? d.year - 1 : d.year;
    DateTimeRecord back;
    ASSERT_EQ(SetDate(d.day, d.month, historicalYear, back), 0) << j;
    ASSERT_EQ(back.julianDay, j);
  }
  // Consecutive numbers are consecutive dates around the reform.
  const CalendarDate before = DateOf(2299160);
  const CalendarDate after = DateOf(2299161);
  EXPECT_EQ(after.weekDay, before.weekDay % 7 + 1);
  EXPECT_EQ(DateOf(2299160 + 365 - 10).year, 1583);  // 1582 has 355 days
}

TEST(CalendarDate, LeapYearsAndInvalidDates) {
  DateTimeRecord r;
  EXPECT_EQ(SetDate(29, 2, 2000, r), 0);
  EXPECT_EQ(SetDate(29, 2, 1500, r), 0);  // Julian rule before the reform
  const DateTimeRecord kept = r;
  EXPECT_EQ(SetDate(29, 2, 2100, r), 1);
  EXPECT_EQ(SetDate(29, 2, 1900, r), 1);
  EXPECT_EQ(SetDate(31, 4, 1990, r), 1);
  EXPECT_EQ(SetDate(0, 1, 1990, r), 1);
  EXPECT_EQ(SetDate(1, 13, 1990, r), 2);
  EXPECT_EQ(SetDate(40, 0, 1990, r), 2);  // the month is checked first
  EXPECT_EQ(r.julianDay, kept.julianDay);
}

TEST(CalendarDate, NegativeYearsAreHistorical) {
  // 1 BC is the astronomical year 0, which directly precedes year 1.
  EXPECT_EQ(DateTime(1, 1, 1).julianDay - DateTime(31, 12, -1).julianDay, 1);
  EXPECT_EQ(DateTime(29, 2, -1).julianDay + 1, DateTime(1, 3, -1).julianDay);  // year 0 is leap
}

TEST(CalendarTime, SetAndGetTime) {
  DateTimeRecord r;
  EXPECT_EQ(SetTime(23, 59, 59, r), 0);
  EXPECT_EQ(r.secondsOfDay, 86399);
  EXPECT_EQ(r.referenceSecondsOfDay, 86399);
  EXPECT_EQ(r.timeKind, 2);
  EXPECT_EQ(SetTime(5, 7, kMissingTimePart, r), 0);
  EXPECT_EQ(r.secondsOfDay, 5 * 3600 + 7 * 60);
  EXPECT_EQ(r.timeKind, 1);
  ClockTime t;
  EXPECT_EQ(GetTime(r, t), 0);
  EXPECT_EQ(t.hour, 5);
  EXPECT_EQ(t.minute, 7);
  EXPECT_EQ(t.second, 0);

  const DateTimeRecord kept = r;
  EXPECT_EQ(SetTime(24, 0, 0, r), 1);
  EXPECT_EQ(SetTime(24, 60, 0, r), 2);   // the minute is checked before the hour
  EXPECT_EQ(SetTime(24, 60, 60, r), 3);  // the second first of all
  EXPECT_EQ(r.secondsOfDay, kept.secondsOfDay);
  EXPECT_EQ(r.timeKind, kept.timeKind);

  EXPECT_EQ(SetTime(kNoTimeOfDay, 0, 0, r), 0);
  EXPECT_EQ(r.timeKind, 0);
  EXPECT_EQ(r.secondsOfDay, 0);
  EXPECT_EQ(r.referenceSecondsOfDay, kept.referenceSecondsOfDay);
}

TEST(CalendarDayNumber, UniversalTimeScale) {
  EXPECT_EQ(DayNumber(DateTimeRecord{}), 0.0);
  EXPECT_EQ(DayNumber(DateTime(1, 1, 1900, 0, 0, 0)), 1.0);
  // 01:00 at zone 3 is 22:00 UT the day before.
  EXPECT_DOUBLE_EQ(DayNumber(DateTime(1, 1, 1900, 1, 0, 0, 3)), 1.0 - 7200.0 / 86400.0);
  // Without a time of day the moment stands at local noon.
  EXPECT_EQ(DayNumber(DateTime(1, 1, 1900)), 1.5);
}

TEST(CalendarDayNumberDeathTest, OutOfRangeJulianDayEndsWith255) {
  DateTimeRecord r;
  r.dateGiven = 1;
  r.julianDay = 3182031;
  EXPECT_EXIT(DayNumber(r), testing::ExitedWithCode(255), "");
  r.julianDay = -1000001;
  EXPECT_EXIT(DayNumber(r), testing::ExitedWithCode(255), "");
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
  EXPECT_EQ(noTime.secondsOfDay, 0);
}

TEST(CalendarArithmetic, AddTimeTruncatesToWholeSeconds) {
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
  EXPECT_EQ(movedBy(2.5), 2 * 86400 + 43200);

  DateTimeRecord noon = DateTime(1, 1, 2000);
  AddTime(noon, 0.4);
  EXPECT_EQ(noon.julianDay, 2451545);
  AddTime(noon, 1.4);
  EXPECT_EQ(noon.julianDay, 2451546);
  EXPECT_EQ(noon.secondsOfDay, 0);
}

TEST(CalendarArithmetic, NormaliseSeconds) {
  EXPECT_EQ(NormaliseSeconds(0), 0);
  EXPECT_EQ(NormaliseSeconds(86400), 0);
  EXPECT_EQ(NormaliseSeconds(-1), 86399);
  EXPECT_EQ(NormaliseSeconds(-86400), 0);
  EXPECT_EQ(NormaliseSeconds(200000), 200000 - 2 * 86400);
}

MomentRecord Moment(const DateTimeRecord& dt, int32_t latitude, int32_t longitude) {
  MomentRecord m;
  InitMoment(m);
  m.dateTime = dt;
  m.place = {2, 2, latitude, longitude};
  return m;
}

TEST(CalendarMoments, MidpointHalvesTheIntervalAndKeepsThePlace) {
  const MomentRecord a = Moment(DateTime(1, 1, 2000, 0, 0, 0, 3), 200000, -100001);
  const MomentRecord b = Moment(DateTime(2, 1, 2000, 6, 0, 0, 3), 200000, -100001);
  const MomentRecord mid = Midpoint(a, b);
  EXPECT_EQ(mid.dateTime.julianDay, 2451545);
  EXPECT_EQ(mid.dateTime.secondsOfDay, 15 * 3600);
  EXPECT_EQ(mid.dateTime.referenceSecondsOfDay, 15 * 3600);
  EXPECT_EQ(mid.dateTime.timeKind, 2);
  EXPECT_EQ(mid.place.latitude, 200000);
  EXPECT_EQ(mid.place.longitude, -100001);
  EXPECT_EQ(mid.place.latitudeKind, 1);
  EXPECT_EQ(mid.place.longitudeKind, 1);

  MomentRecord noTime = b;
  noTime.dateTime.timeKind = 0;
  EXPECT_EQ(Completeness(Midpoint(a, noTime)), 0);
}

TEST(CalendarMoments, ProgressedDayStandsForAYear) {
  const MomentRecord birth = Moment(DateTime(7, 3, 1985, 5, 7, 0, 3), 0, 0);
  EXPECT_EQ(Progressed(birth, birth).dateTime.julianDay, birth.dateTime.julianDay);
  MomentRecord later = birth;
  AddDays(later.dateTime, 10);
  const MomentRecord p = Progressed(birth, later);
  CalendarDate d;
  ASSERT_EQ(GetDate(p.dateTime, d), 0);
  EXPECT_EQ(d.year, 1995);
  EXPECT_EQ(d.month, 3);
  EXPECT_NEAR(p.dateTime.julianDay - birth.dateTime.julianDay, 3652, 1);
  EXPECT_EQ(p.place.latitudeKind, 2);  // the birth's coordinates stay as they were
}

TEST(CalendarMoments, Completeness) {
  MomentRecord m;
  InitMoment(m);
  EXPECT_EQ(m.kind, 3);
  EXPECT_EQ(Completeness(m), 0);
  SetDate(1, 1, 2000, m.dateTime);
  EXPECT_EQ(Completeness(m), 1);
  SetTime(1, 0, 0, m.dateTime);
  EXPECT_EQ(Completeness(m), 2);
  m.place.longitudeKind = 1;
  EXPECT_EQ(Completeness(m), 3);
  m.place.latitudeKind = 1;
  EXPECT_EQ(Completeness(m), 4);
}

}  // namespace
}  // namespace moon
