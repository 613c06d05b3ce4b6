// Offsets from the system's time-zone database at a local clock time. The
// expected values follow from the zones' history: the USSR's summer time from
// 1981 (+4 in Moscow and Kyiv), Belarus without it in 1990, Russia's change of
// clocks on the last Sundays of March and October at 2:00 standard time, and
// its permanent +4 from 27 March 2011 to 26 October 2014.
#include "frontend/places/local_zone_time.h"

#include <gtest/gtest.h>

namespace frontend {
namespace {

constexpr int32_t kHour = 3600;

QTimeZone Zone(const char* name) {
  QTimeZone zone(name);
  EXPECT_TRUE(zone.isValid()) << name;
  return zone;
}

LocalZoneTime At(const char* zone, QDate date, QTime time) {
  return ZoneAtLocalTime(Zone(zone), date, time);
}

TEST(ZoneAtLocalTime, OffsetsInForceAtTheDate) {
  const QTime afternoon(14, 30);
  const LocalZoneTime moscowSummer = At("Europe/Moscow", QDate(1990, 7, 17), afternoon);
  EXPECT_EQ(moscowSummer.offsetSeconds, 4 * kHour);
  EXPECT_EQ(moscowSummer.kind, ZoneTimeKind::kSummer);
  EXPECT_EQ(moscowSummer.clock, LocalClock::kOnce);
  const LocalZoneTime moscowWinter = At("Europe/Moscow", QDate(1990, 1, 17), afternoon);
  EXPECT_EQ(moscowWinter.offsetSeconds, 3 * kHour);
  EXPECT_EQ(moscowWinter.kind, ZoneTimeKind::kStandard);
  EXPECT_EQ(At("Europe/Minsk", QDate(1990, 5, 17), afternoon).offsetSeconds, 3 * kHour);
  const QTimeZone kyiv =
      QTimeZone("Europe/Kyiv").isValid() ? QTimeZone("Europe/Kyiv") : Zone("Europe/Kiev");
  EXPECT_EQ(ZoneAtLocalTime(kyiv, QDate(1989, 5, 17), afternoon).offsetSeconds, 4 * kHour);
  EXPECT_EQ(At("America/New_York", QDate(2000, 7, 4), afternoon).offsetSeconds, -4 * kHour);
  EXPECT_EQ(At("Asia/Kolkata", QDate(2000, 1, 1), afternoon).offsetSeconds, 5 * kHour + 1800);
  EXPECT_EQ(At("Asia/Kathmandu", QDate(2000, 1, 1), afternoon).offsetSeconds, 5 * kHour + 2700);
}

TEST(ZoneAtLocalTime, HourSkippedInSpringIsTakenAsSummerTime) {
  // 27 March 2005: at 2:00 Moscow's clocks went to 3:00.
  const QDate spring(2005, 3, 27);
  const LocalZoneTime skipped = At("Europe/Moscow", spring, QTime(2, 30));
  EXPECT_EQ(skipped.clock, LocalClock::kSkipped);
  EXPECT_EQ(skipped.offsetSeconds, 4 * kHour);
  EXPECT_EQ(skipped.kind, ZoneTimeKind::kSummer);
  EXPECT_EQ(skipped.changeFrom, QTime(2, 0));
  EXPECT_EQ(skipped.changeTo, QTime(3, 0));
  // The minutes either side of the gap were shown once.
  const LocalZoneTime before = At("Europe/Moscow", spring, QTime(1, 59, 59));
  EXPECT_EQ(before.clock, LocalClock::kOnce);
  EXPECT_EQ(before.offsetSeconds, 3 * kHour);
  const LocalZoneTime after = At("Europe/Moscow", spring, QTime(3, 0));
  EXPECT_EQ(after.clock, LocalClock::kOnce);
  EXPECT_EQ(after.offsetSeconds, 4 * kHour);
  // 27 March 2011: the same hour skipped into +4 that was standard time.
  const LocalZoneTime permanent = At("Europe/Moscow", QDate(2011, 3, 27), QTime(2, 30));
  EXPECT_EQ(permanent.clock, LocalClock::kSkipped);
  EXPECT_EQ(permanent.offsetSeconds, 4 * kHour);
}

TEST(ZoneAtLocalTime, HourRepeatedInAutumnIsTakenFirstTime) {
  // 30 October 2005: at 3:00 summer time the clocks went back to 2:00, so
  // 2:30 came first at +4 and an hour later at +3.
  const LocalZoneTime repeated = At("Europe/Moscow", QDate(2005, 10, 30), QTime(2, 30));
  EXPECT_EQ(repeated.clock, LocalClock::kRepeated);
  EXPECT_EQ(repeated.offsetSeconds, 4 * kHour);
  EXPECT_EQ(repeated.kind, ZoneTimeKind::kSummer);
  EXPECT_EQ(repeated.changeFrom, QTime(2, 0));
  EXPECT_EQ(repeated.changeTo, QTime(3, 0));
  EXPECT_EQ(At("Europe/Moscow", QDate(2005, 10, 30), QTime(3, 0)).clock, LocalClock::kOnce);
  // 26 October 2014: from +4 back to +3 at 2:00, so 1:00 to 2:00 came twice.
  const LocalZoneTime lastChange = At("Europe/Moscow", QDate(2014, 10, 26), QTime(1, 30));
  EXPECT_EQ(lastChange.clock, LocalClock::kRepeated);
  EXPECT_EQ(lastChange.offsetSeconds, 4 * kHour);
  EXPECT_EQ(lastChange.kind, ZoneTimeKind::kStandard);
}

TEST(ZoneAtLocalTime, BeforeStandardTimeIsLocalMeanTime) {
  // In 1870 Moscow kept its mean solar time, 2:30:17 ahead of Greenwich.
  const LocalZoneTime moscow = At("Europe/Moscow", QDate(1870, 3, 1), QTime(12, 0));
  EXPECT_EQ(moscow.offsetSeconds, 2 * kHour + 30 * 60 + 17);
  EXPECT_EQ(moscow.kind, ZoneTimeKind::kLocalMean);
  // Greenwich Mean Time is no local mean time.
  EXPECT_EQ(At("Europe/London", QDate(1990, 1, 17), QTime(12, 0)).kind, ZoneTimeKind::kStandard);
}

}  // namespace
}  // namespace frontend
