// Runs that cannot produce a complete table, and places where the Ascendant
// no longer runs through the whole circle every day.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lunar_table.h"
#include "moon_process.h"

namespace moon::testing {
namespace {

const std::string kLoaded = "Load parameters from file p.in - OK\n";

std::vector<std::string> Minsk(const std::string& date, const std::string& months,
                               const std::string& output) {
  return {"Autocreated", date, "14:30", "3", "", "53.54", "27.34", months, "a", output};
}

TEST(FailuresTest, ParameterErrorsEndWith100AndNoTable) {
  {
    ScratchDirectory dir;
    const ProgramRun run = RunMoon(dir.path(), {});
    EXPECT_EQ(run.exitCode, 100);
    EXPECT_EQ(run.console, "File MD.IN not found.\n");
  }
  {
    ScratchDirectory dir;
    WriteFile(dir / "p.in", ParameterFile(Minsk("31.4.1990", "2", "out.txt")));
    const ProgramRun run = RunMoon(dir.path(), {"p.in"});
    EXPECT_EQ(run.exitCode, 100);
    EXPECT_EQ(run.console, "Error in file p.in: bad DATE defined in line 2\n");
    EXPECT_FALSE(ReadFile(dir / "out.txt").has_value());
  }
}

// A parameter file is ten short lines. An input that never ends a line must
// end the run with the read error, not be read for ever or taken cut short.
TEST(FailuresTest, EndlessLineEndsWithTheReadError) {
  ScratchDirectory dir;
  const ProgramRun endless = RunMoon(dir.path(), {"/dev/zero"});
  EXPECT_EQ(endless.exitCode, 100);
  EXPECT_EQ(endless.console.rfind("Error read file /dev/zero. Error code = ", 0), 0u)
      << endless.console;

  // A megabyte of output path: cut to 255 characters it would name another
  // file, so the run stops before writing any table.
  const std::string longPath = std::string(255, 'o') + std::string(1 << 20, 'x');
  WriteFile(dir / "p.in", ParameterFile(Minsk("17.5.1990", "2", longPath)));
  const ProgramRun overlong = RunMoon(dir.path(), {"p.in"});
  EXPECT_EQ(overlong.exitCode, 100);
  EXPECT_EQ(overlong.console.rfind("Error read file p.in. Error code = ", 0), 0u)
      << overlong.console;
  EXPECT_FALSE(ReadFile(dir / longPath.substr(0, 255)).has_value());
}

TEST(FailuresTest, UncreatableTableSilencesTheRun) {
  ScratchDirectory dir;
  WriteFile(dir / "p.in", ParameterFile(Minsk("17.5.1990", "2", "missing/out.txt")));
  const ProgramRun run = RunMoon(dir.path(), {"p.in"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.console, kLoaded);  // no day counter, no "All done OK"
  EXPECT_FALSE(ReadFile(dir / "missing/out.txt").has_value());
}

TEST(FailuresTest, DayNumberOutOfRangeEndsWith255OffStandardOutput) {
  ScratchDirectory dir;
  WriteFile(dir / "p.in", ParameterFile(Minsk("17.5.5000", "2", "out.txt")));
  const ProgramRun run = RunMoon(dir.path(), {"p.in"});
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_EQ(run.console, kLoaded);
  EXPECT_NE(run.errors.find("Bad JDay"), std::string::npos);

  // A run that walks past 1 January 4000 keeps the rows it wrote before.
  WriteFile(dir / "p.in", ParameterFile(Minsk("20.12.3999", "2", "out.txt")));
  const ProgramRun late = RunMoon(dir.path(), {"p.in"});
  EXPECT_EQ(late.exitCode, 255);
  EXPECT_EQ(late.console.find("All done OK"), std::string::npos);
  const LunarTable table = ParseTable(ReadFile(dir / "out.txt").value_or(""));
  EXPECT_TRUE(table.crlfOnly);
  ASSERT_EQ(table.header.size(), 3u);
  ASSERT_FALSE(table.rows.empty());
  EXPECT_EQ(table.rows[0].lunarDay, 1);
  EXPECT_LE(table.rows.back().year, 4000);
}

// Beyond the polar circles and at the poles the run still ends with a table
// whose lunar days count up from each new moon.
TEST(FailuresTest, PolarLatitudesFinish) {
  for (const std::string latitude : {"66", "-66", "80", "-80", "90", "-90"}) {
    SCOPED_TRACE(latitude);
    ScratchDirectory dir;
    WriteFile(dir / "p.in", ParameterFile({"Autocreated", "17.5.1990", "14:30", "3", "", latitude,
                                           "27.34", "2", "a", "out.txt"}));
    const ProgramRun run = RunMoon(dir.path(), {"p.in"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.console.find("\nAll done OK\n"), std::string::npos);
    const LunarTable table = ParseTable(ReadFile(dir / "out.txt").value_or(""));
    ASSERT_GE(table.rows.size(), 2u);
    int lunations = 0;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
      const TableRow& row = table.rows[i];
      EXPECT_EQ(row.text.size(), 55u);
      if (row.lunarDay == 1) {
        ++lunations;
      } else {
        EXPECT_EQ(row.lunarDay, table.rows[i - 1].lunarDay + 1);
      }
    }
    EXPECT_EQ(lunations, 2);
  }
}

}  // namespace
}  // namespace moon::testing
