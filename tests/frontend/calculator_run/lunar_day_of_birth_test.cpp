#include "frontend/calculator_run/lunar_day_of_birth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace frontend {
namespace {

LocalMoment At(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
               int32_t second = 0) {
  return {year, month, day, (hour * 60 + minute) * 60 + second};
}

// The calculator's three header lines, as written for Минск in normal mode.
const std::vector<std::string> kHeader = {
    "          Autocreated",
    "             53\xF8"
    "54'/27\xF8"
    "34', Time_zone = 3",
    "    Date            Time         Moon day        Moon",
};

std::vector<std::string> WithHeader(std::vector<std::string> rows) {
  std::vector<std::string> table = kHeader;
  table.insert(table.end(), rows.begin(), rows.end());
  return table;
}

TEST(ReadLunarDayRow, ReadsDateTimeAndNumberOfARow) {
  const auto row = ReadLunarDayRow("   7.03.1985 Th    5:07:00         14          15Ar07");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->start, At(1985, 3, 7, 5, 7));
  EXPECT_EQ(row->lunarDay, "14");
}

TEST(ReadLunarDayRow, RefusesHeaderLinesAndMalformedRows) {
  for (const std::string& line : kHeader) EXPECT_FALSE(ReadLunarDayRow(line)) << line;
  for (const char* row : {
           "",
           "   7.03.1985 Th    5:07:00",              // no lunar-day number
           "  31.13.1990 Th    5:07:00   14  1Ar00",  // month 13
           "   0.03.1990 Th    5:07:00   14  1Ar00",  // day 0
           "   7.03.1985 Th   24:00:00   14  1Ar00",  // hour 24
           "   7.03.1985 Th    5:60:00   14  1Ar00",  // minute 60
           "   7-03-1985 Th    5:07:00   14  1Ar00",  // not dots
           "   7.03.1985 Th    5.07.00   14  1Ar00",  // not colons
           "   7.03.1985 Th    5:07:00   xx  1Ar00",  // number is not a number
           "   7.03 Th    5:07:00   14  1Ar00",       // no year
       }) {
    EXPECT_FALSE(ReadLunarDayRow(row)) << row;
  }
}

TEST(LunarDayOfBirth, TakesTheRowWhoseStartPrecedesTheBirth) {
  const auto table = WithHeader({
      "   5.03.1985 Tu    3:10:00         13          10Cn11",
      "   6.03.1985 We    4:00:00         14          23Cn40",
      "   7.03.1985 Th    5:30:00         15           7Le02",
      "   8.03.1985 Fr    6:40:00         16          20Le30",
  });
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 7, 5, 7)), "14");
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 5, 23, 59, 59)), "13");
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 8, 0, 0)), "15");
}

TEST(LunarDayOfBirth, BirthExactlyAtAStart) {
  const auto table = WithHeader({
      "   6.03.1985 We    4:00:00         14          23Cn40",
      "   7.03.1985 Th    5:30:00         15           7Le02",
      "   8.03.1985 Fr    6:40:00         16          20Le30",
  });
  // The lunar day that begins at that moment counts...
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 7, 5, 30)), "15");
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 6, 4, 0)), "14");
  // ...except at the last row, which closes no pair of its own.
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 8, 6, 40)), "15");
}

TEST(LunarDayOfBirth, ComparesDatesBeforeTimesAcrossMonthsAndYears) {
  const auto table = WithHeader({
      "  31.12.1999 Fr   22:00:00         24           5Li10",
      "   1.01.2000 Sa    1:00:00         25          18Li40",
      "   2.02.2000 We    1:00:00          1           1Aq00",
  });
  // 1 January 00:30 lies after 31 December 22:00 though its hour is smaller.
  EXPECT_EQ(LunarDayOfBirth(table, At(2000, 1, 1, 0, 30)), "24");
  EXPECT_EQ(LunarDayOfBirth(table, At(2000, 1, 15, 12, 0)), "25");
}

TEST(LunarDayOfBirth, EmptyWhenTheTableDoesNotBracketTheBirth) {
  const auto table = WithHeader({
      "   6.03.1985 We    4:00:00         14          23Cn40",
      "   7.03.1985 Th    5:30:00         15           7Le02",
  });
  // Reaching the header lines on the way must not go wrong.
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 1, 0, 0)), "");
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 9, 0, 0)), "");
  EXPECT_EQ(LunarDayOfBirth(kHeader, At(1985, 3, 7, 5, 7)), "");
  EXPECT_EQ(LunarDayOfBirth({}, At(1985, 3, 7, 5, 7)), "");
  EXPECT_EQ(LunarDayOfBirth({"   6.03.1985 We    4:00:00         14          23Cn40"},
                            At(1985, 3, 6, 4, 0)),
            "");
}

TEST(LunarDayOfBirth, PassesOverRowsThatCannotBeRead) {
  const auto table = WithHeader({
      "   6.03.1985 We    4:00:00         14          23Cn40",
      "   7.03.1985 Th    5:30:00         15           7Le02",
      "   8.03.19",  // cut short while still being written
  });
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 7, 5, 7)), "14");
  EXPECT_EQ(LunarDayOfBirth(table, At(1985, 3, 7, 12, 0)), "");
}

}  // namespace
}  // namespace frontend
