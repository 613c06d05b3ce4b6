// Published runs of the calculator, checked row by row and byte by byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/calendar.h"
#include "lunar_table.h"
#include "moon_process.h"

namespace moon::testing {
namespace {

struct TableRun {
  ProgramRun run;
  LunarTable table;
};

TableRun RunWith(const std::vector<std::string>& lines) {
  ScratchDirectory dir;
  WriteFile(dir / "p.in", ParameterFile(lines));
  TableRun result;
  result.run = RunMoon(dir.path(), {"p.in"});
  result.table = ParseTable(ReadFile(dir / "out.txt").value_or(""));
  return result;
}

// "  25.04.1990 We    7:27:23          1": the row up to its Moon text.
std::string RowStart(const std::string& date, const std::string& time, int lunarDay) {
  char day[3];
  std::snprintf(day, sizeof day, "%2d", lunarDay);
  return "  " + date + "   " + time + std::string(9, ' ') + day + std::string(12, ' ');
}

std::string ExpectedConsole(std::size_t rows) {
  std::string console = "Load parameters from file p.in - OK\n";
  for (std::size_t i = 1; i <= rows; ++i) console += "\rDay " + std::to_string(i) + "           ";
  return console + "\nAll done OK\n";
}

std::vector<int> LunarDays(const LunarTable& table) {
  std::vector<int> days;
  for (const TableRow& row : table.rows) days.push_back(row.lunarDay);
  return days;
}

std::vector<int> OneToN(int n) {
  std::vector<int> days;
  for (int d = 1; d <= n; ++d) days.push_back(d);
  return days;
}

TEST(WorkedRunsTest, MinskTwoLunations) {
  const TableRun r = RunWith(
      {"Autocreated", "17.5.1990", "14:30", "3", "", "53.54", "27.34", "2", "a", "out.txt"});
  ASSERT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(r.run.console, ExpectedConsole(r.table.rows.size()));
  EXPECT_TRUE(r.table.crlfOnly);
  ASSERT_EQ(r.table.header.size(), 3u);
  // The header as written from the loaded file; its format is checked in table_format_test.
  EXPECT_EQ(r.table.header[1], std::string(11, ' ') +
                                   "  53\xF8"
                                   "54'/27\xF8"
                                   "34', Time_zone = 3");

  // The first lunation ends with day 29: the next moonrise follows the new moon.
  ASSERT_GE(r.table.rows.size(), 31u);
  std::vector<int> expectedDays = OneToN(29);
  const std::vector<int> days = LunarDays(r.table);
  EXPECT_EQ(std::vector<int>(days.begin(), days.begin() + 29), expectedDays);
  const auto& rows = r.table.rows;
  EXPECT_EQ(rows[0].text.substr(0, 49), RowStart("25.04.1990 We", " 7:27:23", 1));
  EXPECT_EQ(rows[1].text.substr(0, 49), RowStart("26.04.1990 Th", " 6:18:44", 2));
  EXPECT_EQ(rows[21].text.substr(0, 49), RowStart("17.05.1990 Th", " 2:18:01", 22));
  EXPECT_EQ(rows[28].text.substr(0, 49), RowStart("24.05.1990 Th", " 4:45:56", 29));
  EXPECT_EQ(rows[29].text.substr(0, 49), RowStart("24.05.1990 Th", "14:47:38", 1));
  EXPECT_EQ(rows[30].text.substr(0, 49), RowStart("25.05.1990 Fr", " 5:26:52", 2));
  for (const TableRow& row : rows) EXPECT_EQ(row.text.size(), 55u) << row.text;
}

TEST(WorkedRunsTest, BirthJustAfterANewMoonStartsOneLunationEarlier) {
  // 43 minutes after the new moon of 24 May, less than 1 degree of elongation.
  const TableRun r = RunWith(
      {"Autocreated", "24.5.1990", "15:30", "3", "", "53.54", "27.34", "1", "a", "out.txt"});
  ASSERT_EQ(r.run.exitCode, 0);
  ASSERT_EQ(r.table.rows.size(), 29u);
  EXPECT_EQ(r.table.rows[0].text.substr(0, 21), "  25.04.1990 We    7:");
  EXPECT_EQ(r.table.rows[0].minute, 27);
  // With one lunation the table ends before the birth.
  EXPECT_EQ(r.table.rows[28].text.substr(0, 49), RowStart("24.05.1990 Th", " 4:45:56", 29));
}

TEST(WorkedRunsTest, Greenwich2000MonthOfThirtyDays) {
  const TableRun r =
      RunWith({"Autocreated", "1.1.2000", "0:0", "0", "", "0.0", "0.0", "1", "a", "out.txt"});
  ASSERT_EQ(r.run.exitCode, 0);
  EXPECT_EQ(LunarDays(r.table), OneToN(30));  // stops at 30 though the new moon is ahead
  ASSERT_EQ(r.table.rows.size(), 30u);
  EXPECT_EQ(r.table.rows[0].text.substr(0, 49), RowStart(" 7.12.1999 Tu", "22:32:19", 1));
  EXPECT_EQ(r.table.rows[29].text.substr(0, 49), RowStart(" 6.01.2000 Th", " 5:40:51", 30));
}

TEST(WorkedRunsTest, ProgressedModeAddsTheProgressedDate) {
  const TableRun r = RunWith(
      {"Autocreated", "17.5.1990", "14:30", "3", "Minsk", "53.54", "27.34", "1", "P", "out.txt"});
  ASSERT_EQ(r.run.exitCode, 0);
  EXPECT_TRUE(r.table.header[0].ends_with(", 17.05.1990 Th, 14:30(3)"));
  ASSERT_EQ(r.table.rows.size(), 29u);

  // One day after the birth stands for 365.2425 days of life.
  MomentRecord birth;
  InitMoment(birth);
  SetDate(17, 5, 1990, birth.dateTime);
  SetTime(14, 30, 0, birth.dateTime);
  for (const TableRow& row : r.table.rows) {
    ASSERT_EQ(row.text.size(), 75u);
    EXPECT_EQ(row.text.substr(55, 7), std::string(7, ' '));
    const MomentRecord start = RowMoment(row, 3, {});
    const double elapsedDays = SecondsBetween(birth, start) / 86400.0;
    const double progressedJulianDay =
        birth.dateTime.julianDay + (14.5 / 24 + elapsedDays * 365.2425);
    MomentRecord shown;
    InitMoment(shown);
    ASSERT_EQ(SetDate(std::stoi(row.progressedDate.substr(0, 2)),
                      std::stoi(row.progressedDate.substr(3, 2)),
                      std::stoi(row.progressedDate.substr(6, 4)), shown.dateTime),
              0)
        << row.text;
    EXPECT_NEAR(shown.dateTime.julianDay, progressedJulianDay, 1.0) << row.text;
  }
}

}  // namespace
}  // namespace moon::testing
