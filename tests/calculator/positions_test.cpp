#include "calculator/positions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace moon {
namespace {

constexpr int32_t Arc(int32_t degrees, int32_t minutes) {
  const int32_t value = (std::abs(degrees) * 60 + minutes) * 60;
  return degrees < 0 ? -value : value;
}

// A moment with date, full time, zone and both coordinates.
MomentRecord Moment(int day, int month, int year, int hour, int minute, int second, int zone,
                    int32_t latitude, int32_t longitude) {
  MomentRecord m;
  InitMoment(m);
  EXPECT_EQ(SetDate(day, month, year, m.dateTime), 0);
  EXPECT_EQ(SetTime(hour, minute, second, m.dateTime), 0);
  m.dateTime.timeZone = static_cast<int16_t>(zone);
  m.place.latitude = latitude;
  m.place.longitude = longitude;
  m.place.latitudeKind = CoordinateKind::kFull;
  m.place.longitudeKind = CoordinateKind::kFull;
  return m;
}

struct Bodies {
  PositionRecord sun, moon, ascendant;
};

Bodies Evaluate(const MomentRecord& m) {
  Chart chart = MakeChart(m);
  return {EvaluateBody(chart, kSun), EvaluateBody(chart, kMoon), EvaluateBody(chart, kAscendant)};
}

TEST(PositionsTest, Year2000ExampleAtGreenwichMidnight) {
  Chart chart = MakeChart(Moment(1, 1, 2000, 0, 0, 0, 0, 0, 0));
  const PositionRecord sun = EvaluateBody(chart, kSun);
  const PositionRecord moonRecord = EvaluateBody(chart, kMoon);
  const PositionRecord ascendant = EvaluateBody(chart, kAscendant);
  EXPECT_DOUBLE_EQ(chart.dayNumber, 36525.0);
  EXPECT_NEAR(chart.t, 0.999986339, 5e-10);  // delta T applies just below T = 1
  EXPECT_EQ(sun.flags, kLongitudeValid | kMotionValid);
  EXPECT_EQ(sun.longitude, 1007521);
  EXPECT_EQ(sun.motion, 3669);
  EXPECT_EQ(moonRecord.longitude, 782277);
  EXPECT_EQ(ascendant.longitude, 687033);
}

TEST(PositionsTest, Minsk1990Example) {
  const Bodies b = Evaluate(Moment(17, 5, 1990, 14, 30, 0, 3, Arc(53, 54), Arc(27, 34)));
  EXPECT_EQ(b.sun.longitude, 202697);
  EXPECT_EQ(b.moon.longitude, 1159742);
  EXPECT_EQ(b.ascendant.longitude, 611039);
}

TEST(PositionsTest, London2010ExampleWithoutDeltaT) {
  Chart chart = MakeChart(Moment(15, 3, 2010, 6, 0, 0, 0, Arc(51, 30), -600));
  // 354.543176, 347.581775 and 342.486104 degrees, arc-seconds truncated.
  EXPECT_EQ(EvaluateBody(chart, kSun).longitude, 1276355);
  EXPECT_EQ(EvaluateBody(chart, kMoon).longitude, 1251294);
  EXPECT_EQ(EvaluateBody(chart, kAscendant).longitude, 1232949);
  EXPECT_NEAR(chart.t, 1.102005476, 5e-10);
}

TEST(PositionsTest, DeltaTStopsAtNoonOfFirstJanuary2000) {
  // T = 1 exactly at 2000-01-01 12:00 UT: no correction there or after, but
  // 90.464 s just before, so the Moon steps back by its motion in ~89.5 s
  // (about 0.55 arc-seconds per second).
  const Bodies before = Evaluate(Moment(1, 1, 2000, 11, 59, 59, 0, 0, 0));
  const Bodies at = Evaluate(Moment(1, 1, 2000, 12, 0, 0, 0, 0, 0));
  const Bodies after = Evaluate(Moment(1, 1, 2000, 12, 0, 1, 0, 0, 0));
  const int32_t jump = before.moon.longitude - at.moon.longitude;
  EXPECT_GE(jump, 40);
  EXPECT_LE(jump, 60);
  EXPECT_GE(after.moon.longitude - at.moon.longitude, 0);
  EXPECT_LE(after.moon.longitude - at.moon.longitude, 1);

  // T = 0 exactly (1900-01-00.5, i.e. 31 Dec 1899 12:00 UT) gets none either.
  Chart chart = MakeChart(Moment(31, 12, 1899, 12, 0, 0, 0, 0, 0));
  EvaluateBody(chart, kSun);
  EXPECT_EQ(chart.t, 0.0);
}

TEST(PositionsTest, FixedDailyMotions) {
  for (const MomentRecord& m : {Moment(1, 1, 2000, 0, 0, 0, 0, 0, 0),
                                Moment(29, 2, 1904, 23, 59, 59, -12, Arc(-66, 0), Arc(-179, 59)),
                                Moment(31, 12, 2099, 7, 30, 0, 12, Arc(45, 0), Arc(180, 0))}) {
    const Bodies b = Evaluate(m);
    EXPECT_EQ(b.moon.motion, 46800);
    EXPECT_EQ(b.ascendant.motion, kFullCircle);
    EXPECT_GT(b.sun.motion, 3500);  // about 1 degree a day
    EXPECT_LT(b.sun.motion, 3700);
    for (const PositionRecord& r : {b.sun, b.moon, b.ascendant}) {
      EXPECT_GE(r.longitude, 0);
      EXPECT_LT(r.longitude, kFullCircle);
    }
  }
}

TEST(PositionsTest, SiderealTimeFollowsTheCurrentClock) {
  // A moment moved by AddSeconds keeps a stale reference time; the Ascendant
  // must still be that of the moment it was moved to.
  MomentRecord moved = Moment(17, 5, 1990, 14, 30, 0, 3, Arc(53, 54), Arc(27, 34));
  AddSeconds(moved.dateTime, 2 * 3600 + 17);
  const MomentRecord direct = Moment(17, 5, 1990, 16, 30, 17, 3, Arc(53, 54), Arc(27, 34));
  ASSERT_NE(moved.dateTime.referenceSecondsOfDay, moved.dateTime.secondsOfDay);
  EXPECT_EQ(Evaluate(moved).ascendant.longitude, Evaluate(direct).ascendant.longitude);
  EXPECT_NE(
      Evaluate(moved).ascendant.longitude,
      Evaluate(Moment(17, 5, 1990, 14, 30, 0, 3, Arc(53, 54), Arc(27, 34))).ascendant.longitude);
}

TEST(PositionsTest, WestLongitudeLosesItsRemainderTowardZero) {
  auto localSidereal = [](int32_t longitude) {
    Chart chart = MakeChart(Moment(15, 3, 2010, 6, 0, 0, 0, Arc(51, 30), longitude));
    EvaluateBody(chart, kAscendant);
    return chart.localSiderealSeconds;
  };
  const int32_t greenwich = localSidereal(0);
  EXPECT_EQ(localSidereal(-600), NormaliseSeconds(greenwich - 40));
  EXPECT_EQ(localSidereal(-610), NormaliseSeconds(greenwich - 40));
  EXPECT_EQ(localSidereal(-615), NormaliseSeconds(greenwich - 41));
  EXPECT_EQ(localSidereal(610), NormaliseSeconds(greenwich + 40));
}

TEST(PositionsTest, AscendantNeedsTheWholePlace) {
  MomentRecord m = Moment(1, 1, 2000, 0, 0, 0, 0, 0, 0);
  m.place.latitudeKind = CoordinateKind::kNone;
  Bodies b = Evaluate(m);
  EXPECT_EQ(b.ascendant.flags, 0);
  EXPECT_EQ(b.ascendant.longitude, 0);
  EXPECT_EQ(b.sun.longitude, 1007521);  // Sun and Moon need the date only

  m.dateTime.timeKind = TimeKind::kNone;  // evaluated at local noon
  const Bodies noon = Evaluate(m);
  EXPECT_EQ(noon.sun.longitude, Evaluate(Moment(1, 1, 2000, 12, 0, 0, 0, 0, 0)).sun.longitude);

  m.dateTime.dateGiven = false;
  b = Evaluate(m);
  EXPECT_EQ(b.sun.flags, 0);
  EXPECT_EQ(b.moon.flags, 0);
}

TEST(PositionsTest, AscendantAtThePolesHardlyMoves) {
  // With cos(latitude) a rounding residue the Ascendant stays near 180 degrees
  // at the north pole and near 0 at the south pole, whatever the hour.
  for (int hour = 0; hour < 24; hour += 3) {
    const int32_t north =
        Evaluate(Moment(1, 6, 1995, hour, 0, 0, 0, Arc(90, 0), 0)).ascendant.longitude;
    const int32_t south =
        Evaluate(Moment(1, 6, 1995, hour, 0, 0, 0, Arc(-90, 0), 0)).ascendant.longitude;
    EXPECT_NEAR(north, kHalfCircle, 3600) << hour;
    EXPECT_TRUE(south < 3600 || south > kFullCircle - 3600) << hour << " " << south;
  }
}

TEST(PositionsTest, DifferenceAndComparison) {
  const PositionRecord a{3, 100, 46800};
  const PositionRecord b{3, 1295900, 3600};
  const PositionRecord d = Difference(a, b);
  EXPECT_EQ(d.flags, 3);
  EXPECT_EQ(d.longitude, 200);  // wraps through 0
  EXPECT_EQ(d.motion, 43200);
  EXPECT_EQ(Difference(b, a).longitude, 1295800);
  EXPECT_EQ(Difference(a, a).longitude, 0);

  const PositionRecord longitudeOnly{kLongitudeValid, 500, 99};
  const PositionRecord mixed = Difference(longitudeOnly, a);
  EXPECT_EQ(mixed.flags, kLongitudeValid);
  EXPECT_EQ(mixed.motion, 0);
  const PositionRecord empty = Difference(PositionRecord{}, a);
  EXPECT_EQ(empty.flags, 0);
  EXPECT_EQ(empty.longitude, 0);

  EXPECT_EQ(CompareLongitudes(a, PositionRecord{}), LongitudeOrder::kMissing);
  EXPECT_EQ(CompareLongitudes(kHalfCircleRecord, kHalfCircleRecord), LongitudeOrder::kEqual);
  EXPECT_EQ(CompareLongitudes(a, kHalfCircleRecord), LongitudeOrder::kLess);
  EXPECT_EQ(CompareLongitudes(b, kHalfCircleRecord), LongitudeOrder::kGreater);
  EXPECT_EQ(kHalfCircleRecord.longitude, 648000);
  EXPECT_EQ(kZeroDegreesRecord.longitude, 0);
}

}  // namespace
}  // namespace moon
