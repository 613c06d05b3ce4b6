#include "calculator/events.h"
#include "calculator/messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace moon {
namespace {

constexpr int32_t Arc(int32_t degrees, int32_t minutes) {
  const int32_t value = (std::abs(degrees) * 60 + minutes) * 60;
  return degrees < 0 ? -value : value;
}

MomentRecord Moment(int day, int month, int year, int hour, int minute, int zone, int32_t latitude,
                    int32_t longitude) {
  MomentRecord m;
  InitMoment(m);
  EXPECT_EQ(SetDate(day, month, year, m.dateTime), 0);
  EXPECT_EQ(SetTime(hour, minute, kMissingTimePart, m.dateTime), 0);
  m.dateTime.timeZone = static_cast<int16_t>(zone);
  m.place =
      CoordinateRecord{CoordinateKind::kPartial, CoordinateKind::kPartial, latitude, longitude};
  return m;
}

MomentRecord Minsk(int day, int month, int year, int hour, int minute) {
  return Moment(day, month, year, hour, minute, 3, Arc(53, 54), Arc(27, 34));
}

int64_t SecondsBetween(const MomentRecord& a, const MomentRecord& b) {
  return (int64_t{b.dateTime.julianDay} - a.dateTime.julianDay) * 86400 +
         (b.dateTime.secondsOfDay - a.dateTime.secondsOfDay);
}

MomentRecord Shifted(MomentRecord m, int32_t seconds) {
  AddSeconds(m.dateTime, seconds);
  return m;
}

// An angle in arc-seconds as -648000..647999.
int32_t Signed(int32_t arcSeconds) {
  return arcSeconds >= kHalfCircle ? arcSeconds - kFullCircle : arcSeconds;
}

// The local clock reading of a moment, for comparison with published times.
struct Stamp {
  int year, month, day, hour, minute, second;
  bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const MomentRecord& m) {
  CalendarDate date;
  ClockTime time;
  GetDate(m.dateTime, date);
  GetTime(m.dateTime, time);
  return {date.year, date.month, date.day, time.hour, time.minute, time.second};
}

std::ostream& operator<<(std::ostream& os, const Stamp& s) {
  return os << s.year << "-" << s.month << "-" << s.day << " " << s.hour << ":" << s.minute << ":"
            << s.second;
}

// The conjunction of the Sun and the Moon lies within `seconds` of `m`.
void ExpectConjunctionNear(const MomentRecord& m, int32_t seconds) {
  const int32_t earlier = Signed(Evaluate(Shifted(m, -seconds)).elongation.longitude);
  const int32_t later = Signed(Evaluate(Shifted(m, seconds)).elongation.longitude);
  EXPECT_LE(earlier, 0) << StampOf(m);
  EXPECT_GE(later, 0) << StampOf(m);
}

// The Moon's longitude crosses the Ascendant (the horizon difference falls
// through 0) between 5 s before `m` and 30 s after it: the search settles
// for a difference under 60 arc-seconds, which is a few seconds early where
// the ecliptic rises fast and longer where it rises slowly.
void ExpectMoonriseNear(const MomentRecord& m) {
  const int32_t earlier = Signed(Evaluate(Shifted(m, -5)).horizon.longitude);
  const int32_t later = Signed(Evaluate(Shifted(m, 30)).horizon.longitude);
  EXPECT_GE(earlier, 0) << StampOf(m);
  EXPECT_LE(later, 0) << StampOf(m);
}

TEST(NewMoonTest, BirthJustAfterANewMoonGoesOneLunationFurtherBack) {
  // 43 minutes after the new moon of 1990-05-24 14:47 the elongation is below 1 degree.
  MomentRecord m = Minsk(24, 5, 1990, 15, 30);
  ASSERT_EQ(FindNewMoon(m, true), SearchStatus::kFound);
  const Stamp s = StampOf(m);
  EXPECT_EQ((Stamp{s.year, s.month, s.day, s.hour, s.minute, 0}), (Stamp{1990, 4, 25, 7, 27, 0}));
  // Without the first-month rule the nearest conjunction is the one just passed.
  m = Minsk(24, 5, 1990, 15, 30);
  ASSERT_EQ(FindNewMoon(m, false), SearchStatus::kFound);
  EXPECT_NEAR(SecondsBetween(m, Minsk(24, 5, 1990, 14, 47)), 0, 60);
}

TEST(NewMoonTest, NearestConjunctionLaterInTheMonth) {
  // Half a day after the 30th lunar day of the 2000 run the next new moon lies ahead.
  MomentRecord m = Moment(6, 1, 2000, 17, 40, 0, 0, 0);
  ASSERT_EQ(FindNewMoon(m, false), SearchStatus::kFound);
  EXPECT_GT(SecondsBetween(Moment(6, 1, 2000, 17, 40, 0, 0, 0), m), 0);
  EXPECT_LT(SecondsBetween(Moment(6, 1, 2000, 17, 40, 0, 0, 0), m), 86400);
  ExpectConjunctionNear(m, 10);
}

TEST(NewMoonTest, WithoutADateNothingMoves) {
  MomentRecord m;
  InitMoment(m);
  EXPECT_EQ(FindNewMoon(m, true), SearchStatus::kFailed);
  EXPECT_FALSE(Evaluate(m).ok());
}

TEST(MoonriseTest, BracketAndBisectionOfLunarDayTwo) {
  MomentRecord current = Minsk(17, 5, 1990, 14, 30);
  ASSERT_EQ(FindNewMoon(current, true), SearchStatus::kFound);
  MoonriseBracket bracket;
  Evaluation last;
  ASSERT_EQ(FindMoonriseBracket(current, bracket, last), SearchStatus::kFound);
  EXPECT_EQ(SecondsBetween(bracket.before, bracket.after), 7199);
  EXPECT_EQ(SecondsBetween(bracket.after, current), 0);
  EXPECT_LT(Evaluate(bracket.before).horizon.longitude, kHalfCircle);
  EXPECT_GT(last.horizon.longitude, kHalfCircle);

  ASSERT_EQ(RefineMoonrise(bracket, current, last), SearchStatus::kFound);
  EXPECT_EQ(StampOf(current), (Stamp{1990, 4, 26, 6, 18, 44}));
  EXPECT_EQ(current.dateTime.timeKind, TimeKind::kFull);
  EXPECT_EQ(last.moon.longitude, Evaluate(current).moon.longitude);
  ExpectMoonriseNear(current);
}

TEST(MoonriseTest, WithoutCoordinatesTheSearchGivesUp) {
  // The horizon difference never becomes valid; the bound must end the search.
  MomentRecord m = Minsk(17, 5, 1990, 14, 30);
  m.place.latitudeKind = CoordinateKind::kNone;
  MoonriseBracket bracket;
  Evaluation last;
  EXPECT_EQ(FindMoonriseBracket(m, bracket, last), SearchStatus::kNotConverging);
}

TEST(MoonriseTest, PolesStillFindCrossings) {
  // At the poles the Ascendant stands still and the Moon's own motion makes
  // the crossing, once a sidereal month.
  for (const int32_t latitude : {Arc(90, 0), Arc(-90, 0), Arc(80, 0), Arc(-66, 0)}) {
    MomentRecord current = Moment(1, 6, 1995, 12, 0, 0, latitude, 0);
    MoonriseBracket bracket;
    Evaluation last;
    ASSERT_EQ(FindMoonriseBracket(current, bracket, last), SearchStatus::kFound) << latitude;
    ASSERT_EQ(RefineMoonrise(bracket, current, last), SearchStatus::kFound) << latitude;
    EXPECT_LE(SecondsBetween(Moment(1, 6, 1995, 12, 0, 0, latitude, 0), current), 30 * 86400);
  }
}

TEST(LunationEndTest, OnlyAWrapAfterDayTwentyEndsTheMonth) {
  const PositionRecord late{3, 1200000, 0};
  const PositionRecord wrapped{3, 20000, 0};
  EXPECT_FALSE(NewLunationBegun(20, late, wrapped));
  EXPECT_TRUE(NewLunationBegun(21, late, wrapped));
  EXPECT_TRUE(NewLunationBegun(30, late, wrapped));
  EXPECT_FALSE(NewLunationBegun(25, PositionRecord{3, 900000, 0}, late));
  EXPECT_FALSE(NewLunationBegun(25, late, PositionRecord{3, 1295999, 0}));
}

}  // namespace
}  // namespace moon
