// A zone with minutes reaches the calculator, which takes whole hours, as the
// same instant on a whole-hour zone; the birth is compared on the same clock.
#include <gtest/gtest.h>

#include "frontend/birth/birth_data.h"
#include "frontend/places/zone_offset.h"

namespace frontend {
namespace {

BirthData Birth(CivilDate date, QTime time, int32_t zoneMinutes) {
  BirthData birth;
  birth.date = date;
  birth.time = time;
  SetZoneOffsetMinutes(birth, zoneMinutes);
  birth.latitude = {false, 22, 34};
  birth.longitude = {false, 88, 22};
  return birth;
}

// Date, time and zone as the parameter file will carry them.
struct Handed {
  int32_t year, month, day, hour, minute, zone;
  bool operator==(const Handed&) const = default;
};

Handed HandedOf(const BirthData& birth) {
  const CalculatorInput input = CalculatorInputOf(birth);
  return {input.year, input.month, input.day, input.hour, input.minute, input.timeZone};
}

TEST(BirthZone, WholeHoursGoAsEntered) {
  // Минск, 17 May 1990, 14:30, zone 3.
  const BirthData minsk = Birth(CivilDate{1990, 5, 17}, QTime(14, 30, 45), 180);
  EXPECT_EQ(HandedOf(minsk), (Handed{1990, 5, 17, 14, 30, 3}));
  EXPECT_EQ(BirthMomentOf(minsk), (LocalMoment{1990, 5, 17, (14 * 60 + 30) * 60 + 45}));
  EXPECT_EQ(HandedOf(Birth(CivilDate{2000, 7, 4}, QTime(9, 0), -12 * 60)),
            (Handed{2000, 7, 4, 9, 0, -12}));
}

TEST(BirthZone, MinutesMoveTheClockToTheWholeHourZone) {
  // 14:30 at +5:30 is 09:00 UT, which is 14:00 at +5.
  const BirthData kolkata = Birth(CivilDate{2000, 1, 1}, QTime(14, 30, 20), 330);
  EXPECT_EQ(HandedOf(kolkata), (Handed{2000, 1, 1, 14, 0, 5}));
  EXPECT_EQ(BirthMomentOf(kolkata), (LocalMoment{2000, 1, 1, 14 * 3600 + 20}));
  // 00:10 at +5:45 is 18:25 UT the day before, 23:25 at +5: the date goes too.
  EXPECT_EQ(HandedOf(Birth(CivilDate{2000, 1, 1}, QTime(0, 10), 345)),
            (Handed{1999, 12, 31, 23, 25, 5}));
  // 23:50 on 31 December at -3:30 is 03:20 UT, 00:20 at -3 in the new year.
  const BirthData newfoundland = Birth(CivilDate{1999, 12, 31}, QTime(23, 50), -210);
  EXPECT_EQ(HandedOf(newfoundland), (Handed{2000, 1, 1, 0, 20, -3}));
  EXPECT_EQ(BirthMomentOf(newfoundland), (LocalMoment{2000, 1, 1, 20 * 60}));
  // Moscow's local mean time, +2:30:17 in the zone box as +2:30.
  EXPECT_EQ(HandedOf(Birth(CivilDate{1870, 3, 1}, QTime(12, 0), ZoneMinutesOf(9017))),
            (Handed{1870, 3, 1, 11, 30, 2}));
}

TEST(BirthZone, ZonesBeyondTwelveHoursGoOnPlusTwelve) {
  // Tonga's +13 and Kiribati's +14: 12:00 is 11:00 and 10:00 at +12.
  EXPECT_EQ(HandedOf(Birth(CivilDate{2010, 6, 1}, QTime(12, 0), 13 * 60)),
            (Handed{2010, 6, 1, 11, 0, 12}));
  EXPECT_EQ(HandedOf(Birth(CivilDate{2010, 6, 1}, QTime(1, 0), 14 * 60)),
            (Handed{2010, 5, 31, 23, 0, 12}));
}

TEST(BirthZone, FirstDateStaysOnItsDay) {
  // The calculator would read year 99 as 1999: 00:10 on 1 January 100 at
  // +5:30 goes forward to 00:40 at +6 rather than back into year 99.
  EXPECT_EQ(HandedOf(Birth(CivilDate{100, 1, 1}, QTime(0, 10), 330)),
            (Handed{100, 1, 1, 0, 40, 6}));
}

TEST(BirthZone, AClockMovedOverMidnightKeepsToTheCalculatorsCalendar) {
  // The calculator counts Julian dates before 15 October 1582: 1000 is a leap
  // year there, and the day before 15 October 1582 is 4 October.
  EXPECT_EQ(HandedOf(Birth(CivilDate{1000, 3, 1}, QTime(0, 10), 330)),
            (Handed{1000, 2, 29, 23, 40, 5}));
  EXPECT_EQ(HandedOf(Birth(CivilDate{1582, 10, 15}, QTime(0, 10), 330)),
            (Handed{1582, 10, 4, 23, 40, 5}));
}

TEST(BirthZone, OffsetKeepsItsSignInBothParts) {
  BirthData birth;
  SetZoneOffsetMinutes(birth, -210);
  EXPECT_EQ(birth.zoneHours, -3);
  EXPECT_EQ(birth.zoneMinutes, -30);
  SetZoneOffsetMinutes(birth, -30);
  EXPECT_EQ(birth.zoneHours, 0);
  EXPECT_EQ(ZoneOffsetMinutes(birth), -30);
}

TEST(ZoneOffsetText, ReadsHoursMinutesAndFractions) {
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("3")), 180);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("+3")), 180);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("-12")), -720);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("5:30")), 330);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("-3:30")), -210);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("-0:30")), -30);
  // "5,5" once read as -12, the box's minimum.
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("5,5")), 330);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("5.75")), 345);
  EXPECT_EQ(ReadZoneOffset(QStringLiteral("-3,5")), -210);
  for (const char* bad : {"", "-", "5:60", "5:", "abc", "3 4", "+-3", "123"}) {
    EXPECT_FALSE(ReadZoneOffset(QString::fromLatin1(bad))) << bad;
  }
  // What the box shows reads back as the same offset.
  for (const int32_t minutes : {-720, -210, -30, 0, 180, 330, 345, 840}) {
    EXPECT_EQ(ReadZoneOffset(ZoneOffsetText(minutes)), minutes) << minutes;
  }
  EXPECT_EQ(ZoneOffsetText(180), QStringLiteral("3"));  // whole hours as before
  EXPECT_EQ(ZoneMinutesOf(-2205), -37);                 // -0:36:45 to the nearest minute
}

}  // namespace
}  // namespace frontend
