// Random births, places, zones, modes and lengths: the table must hold
// together whatever the input.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calculator/events.h"
#include "calculator/table_format.h"
#include "lunar_table.h"
#include "moon_process.h"

namespace moon::testing {
namespace {

int32_t Signed(int32_t arcSeconds) {
  return arcSeconds >= kHalfCircle ? arcSeconds - kFullCircle : arcSeconds;
}

MomentRecord Shifted(MomentRecord m, int32_t seconds) {
  AddSeconds(m.dateTime, seconds);
  return m;
}

struct Case {
  int day, month, year, hour, minute, zone;
  int latitudeDegrees, latitudeMinutes, longitudeDegrees, longitudeMinutes;
  int months;
  bool progressed;

  std::vector<std::string> Lines() const {
    auto s = [](int v) { return std::to_string(v); };
    return {"Autocreated",
            s(day) + "." + s(month) + "." + s(year),
            s(hour) + ":" + s(minute),
            s(zone),
            "",
            s(latitudeDegrees) + "." + s(latitudeMinutes),
            s(longitudeDegrees) + "." + s(longitudeMinutes),
            s(months),
            progressed ? "p" : "a",
            "out.txt"};
  }

  MomentRecord Birth() const {
    MomentRecord m;
    InitMoment(m);
    SetDate(day, month, year, m.dateTime);
    SetTime(hour, minute, 0, m.dateTime);
    m.dateTime.timeZone = static_cast<int16_t>(zone);
    m.place.latitude = (std::abs(latitudeDegrees) * 60 + latitudeMinutes) * 60;
    if (latitudeDegrees < 0) m.place.latitude = -m.place.latitude;
    m.place.longitude = (std::abs(longitudeDegrees) * 60 + longitudeMinutes) * 60;
    if (longitudeDegrees < 0) m.place.longitude = -m.place.longitude;
    m.place.latitudeKind = m.place.longitudeKind = CoordinateKind::kPartial;
    return m;
  }
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
  for (const std::string& line : c.Lines()) os << line << " | ";
  return os;
}

void CheckTable(const Case& c, const ProgramRun& run, const LunarTable& table) {
  ASSERT_EQ(run.exitCode, 0);
  ASSERT_TRUE(run.console.ends_with("\nAll done OK\n"));
  EXPECT_TRUE(table.crlfOnly);
  const auto& rows = table.rows;
  ASSERT_FALSE(rows.empty());
  EXPECT_NE(run.console.find("\rDay " + std::to_string(rows.size()) + "           \n"),
            std::string::npos);

  const MomentRecord birth = c.Birth();
  const std::size_t rowLength = c.progressed ? 75 : 55;
  int lunations = 0;
  int rowsInLunation = 0;
  MomentRecord previous;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TableRow& row = rows[i];
    SCOPED_TRACE(row.text);
    ASSERT_EQ(row.text.size(), rowLength);
    const MomentRecord start = RowMoment(row, birth.dateTime.timeZone, birth.place);
    if (i > 0) {
      EXPECT_GT(SecondsBetween(previous, start), 0);  // time order
    }
    previous = start;

    const Evaluation here = Evaluate(start);
    EXPECT_EQ(row.moonText, MoonText(true, here.moon.longitude));
    if (row.lunarDay == 1) {
      if (lunations > 0) {  // a lunation spans at least 20 lunar days, at most 30
        EXPECT_GE(rowsInLunation, 20);
      }
      ++lunations;
      rowsInLunation = 1;
      // A new moon: the elongation passes 0 within seconds.
      EXPECT_LE(Signed(Evaluate(Shifted(start, -5)).elongation.longitude), 0);
      EXPECT_GE(Signed(Evaluate(Shifted(start, 5)).elongation.longitude), 0);
    } else {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(row.lunarDay, rows[i - 1].lunarDay + 1);
      ++rowsInLunation;
      // A moonrise: the Moon's longitude meets the Ascendant, which overtakes
      // it; the search settles a few seconds early.
      EXPECT_GE(Signed(Evaluate(Shifted(start, -5)).horizon.longitude), 0);
      EXPECT_LE(Signed(Evaluate(Shifted(start, 30)).horizon.longitude), 0);
    }
    EXPECT_LE(row.lunarDay, 30);
  }
  EXPECT_EQ(lunations, c.months);
  EXPECT_EQ(rows[0].lunarDay, 1);
  // The first lunation is the birth's (or, just after a new moon, the one before).
  const int64_t beforeBirth =
      SecondsBetween(RowMoment(rows[0], birth.dateTime.timeZone, birth.place), birth);
  EXPECT_GE(beforeBirth, 0);
  EXPECT_LE(beforeBirth, 61 * 86400);
  if (c.months >= 2) {
    EXPECT_LT(SecondsBetween(RowMoment(rows.back(), birth.dateTime.timeZone, birth.place), birth),
              0);
  }
}

TEST(PropertiesTest, RandomBirthsPlacesAndLengths) {
  std::mt19937 random(7031985);
  auto uniform = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  ScratchDirectory dir;
  for (int trial = 0; trial < 30; ++trial) {
    const Case c{uniform(1, 28),     uniform(1, 12),   uniform(1900, 2100), uniform(0, 23),
                 uniform(0, 59),     uniform(-12, 12), uniform(-65, 65),    uniform(0, 59),
                 uniform(-179, 179), uniform(0, 59),   uniform(1, 13),      uniform(0, 1) == 1};
    SCOPED_TRACE(::testing::Message() << c);
    WriteFile(dir / "p.in", ParameterFile(c.Lines()));
    const ProgramRun run = RunMoon(dir.path(), {"p.in"});
    CheckTable(c, run, ParseTable(ReadFile(dir / "out.txt").value_or("")));
  }
}

}  // namespace
}  // namespace moon::testing
