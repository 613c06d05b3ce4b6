// Which lunar days fall on which date, from stored tables, without running
// the calculator; the calendar the calculator writes its dates in.
#include "frontend/lunar_calendar/lunar_month.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/birth/civil_calendar.h"
#include "frontend/lunar_calendar/lunar_day_texts.h"
#include "frontend/lunar_calendar/unfavourable_days.h"
#include "frontend/lunar_calendar/zoned_month.h"

namespace frontend {
namespace {

LocalMoment At(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
               int32_t second = 0) {
  return {year, month, day, (hour * 60 + minute) * 60 + second};
}

// The rows around December 2026 that the calculator wrote for Минск (53°54' N,
// 27°34' E, zone 3), from a run of 3 lunations started on 1 December 00:00.
const std::vector<std::string> kMinskDecember2026 = {
    "          Autocreated",
    "    Date            Time         Moon day        Moon",
    "  29.11.2026 Su   22:34:45         21            19Le12",
    "  30.11.2026 Mo   23:57:06         22             3Vi50",
    "   2.12.2026 We    1:16:33         23            18Vi02",
    "   3.12.2026 Th    2:33:23         24             1Li52",
    "   4.12.2026 Fr    3:48:29         25            15Li23",
    "   5.12.2026 Sa    5:02:31         26            28Li39",
    "   6.12.2026 Su    6:15:31         27            11Sc43",
    "   7.12.2026 Mo    7:26:51         28            24Sc35",
    "   8.12.2026 Tu    8:34:30         29             7Sg16",
    "   9.12.2026 We    3:53:38          1            16Sg56",
    "   9.12.2026 We    9:35:55          2            19Sg47",
    "  10.12.2026 Th   10:28:31          3             2Cp07",
    "  11.12.2026 Fr   11:11:23          4            14Cp18",
    "  12.12.2026 Sa   11:45:09          5            26Cp22",
    "  13.12.2026 Su   12:11:40          6             8Aq23",
    "  14.12.2026 Mo   12:33:00          7            20Aq27",
    "  15.12.2026 Tu   12:50:56          8             2Pi38",
    "  16.12.2026 We   13:06:53          9            15Pi01",
    "  17.12.2026 Th   13:22:06         10            27Pi44",
    "  18.12.2026 Fr   13:37:43         11            10Ar51",
    "  19.12.2026 Sa   13:55:12         12            24Ar28",
    "  20.12.2026 Su   14:16:11         13             8Ta38",
    "  21.12.2026 Mo   14:43:24         14            23Ta22",
    "  22.12.2026 Tu   15:20:31         15             8Ge39",
    "  23.12.2026 We   16:11:56         16            24Ge23",
    "  24.12.2026 Th   17:19:55         17            10Cn25",
    "  25.12.2026 Fr   18:41:12         18            26Cn30",
    "  26.12.2026 Sa   20:08:28         19            12Le22",
    "  27.12.2026 Su   21:35:31         20            27Le49",
    "  28.12.2026 Mo   22:59:23         21            12Vi45",
    "  30.12.2026 We    0:19:37         22            27Vi08",
    "  31.12.2026 Th    1:36:49         23            11Li02",
    "   1.01.2027 Fr    2:52:01         24            24Li31",
};

std::vector<LunarDayStart> Rows(const std::vector<std::string>& table) {
  const auto rows = ReadLunarDayStarts(table);
  EXPECT_TRUE(rows.has_value());
  return rows.value_or(std::vector<LunarDayStart>());
}

// The table's zone, +3, for every date.
const CalendarZone kZoneThree = CalendarZone::Fixed(3 * 60);

std::vector<LunarDayInstant> Instants(const std::vector<LunarDayStart>& rows) {
  std::vector<LunarDayInstant> instants;
  for (const LunarDayStart& row : rows) {
    instants.push_back({UtcSecondsOf(row.start) - 3 * 3600, std::stoi(row.lunarDay)});
  }
  return instants;
}

std::optional<LunarMonth> LunarMonthFrom(const std::vector<LunarDayStart>& rows,
                                         const YearMonth& month) {
  return LunarMonthOn(kZoneThree, Instants(rows), month);
}

std::vector<YearMonth> MonthsCoveredBy(const std::vector<LunarDayStart>& rows) {
  return MonthsCoveredOn(kZoneThree, Instants(rows));
}

std::vector<int32_t> Numbers(const CalendarDay& day) {
  std::vector<int32_t> numbers;
  for (const LunarDaySpan& lunarDay : day.lunarDays) numbers.push_back(lunarDay.number);
  return numbers;
}

const CalendarDay& DateOf(const LunarMonth& month, int32_t day) {
  for (const CalendarDay& date : month.days) {
    if (date.date.day == day) return date;
  }
  ADD_FAILURE() << "no date " << day;
  return month.days.front();
}

TEST(CivilCalendar, FollowsTheCalculatorsReformOf1582) {
  // 4 October 1582, a Thursday, was followed by Friday 15 October.
  const YearMonth october{1582, 10};
  EXPECT_EQ(FirstDayAfter(october) - FirstDayOf(october), 21);
  const int64_t fourth = DayNumberOf({1582, 10, 4});
  EXPECT_EQ(WeekDayOf(fourth), 4);
  EXPECT_EQ(CivilDateOf(fourth + 1), (CivilDate{1582, 10, 15}));
  EXPECT_EQ(WeekDayOf(fourth + 1), 5);
  // Julian leap years before the reform, Gregorian ones after it.
  EXPECT_EQ(FirstDayAfter({1500, 2}) - FirstDayOf({1500, 2}), 29);
  EXPECT_EQ(FirstDayAfter({1700, 2}) - FirstDayOf({1700, 2}), 28);
  EXPECT_EQ(FirstDayAfter({2028, 2}) - FirstDayOf({2028, 2}), 29);
  EXPECT_EQ(WeekDayOf(DayNumberOf({2028, 2, 29})), 2);  // a Tuesday
  EXPECT_EQ(AddMonths({2026, 12}, 1), (YearMonth{2027, 1}));
  EXPECT_EQ(AddMonths({100, 1}, -1), (YearMonth{99, 12}));
}

TEST(LunarMonth, ALunarDayBegunInTheMonthBeforeRunsIntoTheFirst) {
  const auto december = LunarMonthFrom(Rows(kMinskDecember2026), {2026, 12});
  ASSERT_TRUE(december.has_value());
  ASSERT_EQ(december->days.size(), 31u);
  // No row on 1 December: the 22nd lunar day, begun on 30 November, holds all day.
  const CalendarDay& first = december->days.front();
  EXPECT_EQ(first.weekDay, 2);  // a Tuesday
  ASSERT_EQ(Numbers(first), std::vector<int32_t>{22});
  EXPECT_FALSE(first.Begins(first.lunarDays[0]));
  EXPECT_EQ(first.lunarDays[0].start.local(), At(2026, 11, 30, 23, 57, 6));
  EXPECT_EQ(first.lunarDays[0].end.local(), At(2026, 12, 2, 1, 16, 33));
  // 2 December: the 22nd until 1:16, then the 23rd.
  EXPECT_EQ(Numbers(DateOf(*december, 2)), (std::vector<int32_t>{22, 23}));
}

TEST(LunarMonth, TheNewMoonStartsLunarDayOneOnItsDate) {
  const auto december = LunarMonthFrom(Rows(kMinskDecember2026), {2026, 12});
  ASSERT_TRUE(december.has_value());
  // 9 December: the 29th until the new moon at 3:53, the 1st until moonrise, then the 2nd.
  const CalendarDay& ninth = DateOf(*december, 9);
  ASSERT_EQ(Numbers(ninth), (std::vector<int32_t>{29, 1, 2}));
  EXPECT_FALSE(ninth.Begins(ninth.lunarDays[0]));
  EXPECT_TRUE(ninth.lunarDays[1].newMoon());
  EXPECT_TRUE(ninth.Begins(ninth.lunarDays[1]));
  EXPECT_EQ(ninth.lunarDays[1].start.local(), At(2026, 12, 9, 3, 53, 38));
  EXPECT_EQ(ninth.lunarDays[1].end.local(), At(2026, 12, 9, 9, 35, 55));
  EXPECT_EQ(ninth.lunarDays[2].start.local(), At(2026, 12, 9, 9, 35, 55));
  // The last date ends in the 23rd lunar day, which ends in January.
  const CalendarDay& last = december->days.back();
  EXPECT_EQ(Numbers(last), (std::vector<int32_t>{22, 23}));
  EXPECT_EQ(last.lunarDays[1].end.local(), At(2027, 1, 1, 2, 52, 1));
}

TEST(LunarMonth, EveryDateHasTheLunarDaysOfItsRowsAndNoneTwice) {
  const auto december = LunarMonthFrom(Rows(kMinskDecember2026), {2026, 12});
  ASSERT_TRUE(december.has_value());
  std::size_t begun = 0;
  for (const CalendarDay& date : december->days) {
    EXPECT_FALSE(date.lunarDays.empty()) << date.date.day;
    for (std::size_t i = 0; i < date.lunarDays.size(); ++i) {
      const LunarDaySpan& day = date.lunarDays[i];
      // Only the first may have begun before the date; each ends where the next begins.
      if (i > 0) {
        EXPECT_TRUE(date.Begins(day)) << date.date.day;
      }
      if (i + 1 < date.lunarDays.size()) {
        EXPECT_EQ(day.end, date.lunarDays[i + 1].start);
      }
      if (date.Begins(day)) ++begun;
    }
  }
  // The rows from 2 to 31 December: 9 December has two, 1 and 29 December none.
  EXPECT_EQ(begun, 30u);
}

TEST(LunarMonth, ARowAtMidnightBeginsItsDateAndEndsTheDayBefore) {
  const std::vector<std::string> table = {
      "  28.02.2028 Mo   23:10:00          4            1Ar00",
      "  29.02.2028 Tu    0:00:00          5            1Ar00",
      "   1.03.2028 We    0:00:00          6            1Ar00",
      "   2.03.2028 Th    0:30:00          7            1Ar00",
      "   1.04.2028 Sa    0:30:00          8            1Ar00",
  };
  const auto february = LunarMonthFrom(Rows(table), {2028, 2});
  EXPECT_FALSE(february.has_value());  // nothing known of 1 February
  const auto march = LunarMonthFrom(Rows(table), {2028, 3});
  ASSERT_TRUE(march.has_value());
  const CalendarDay& first = march->days.front();
  ASSERT_EQ(Numbers(first), std::vector<int32_t>{6});
  EXPECT_TRUE(first.Begins(first.lunarDays[0]));
  // A lunar day of a whole month, as near the poles.
  EXPECT_EQ(Numbers(DateOf(*march, 15)), std::vector<int32_t>{7});
  EXPECT_EQ(Numbers(march->days.back()), std::vector<int32_t>{7});
}

TEST(LunarMonth, IsRefusedWhenTheTableDoesNotReachBothMidnights) {
  std::vector<std::string> late = kMinskDecember2026;
  late.erase(late.begin() + 2, late.begin() + 4);  // no row before 1 December
  EXPECT_FALSE(LunarMonthFrom(Rows(late), {2026, 12}).has_value());
  std::vector<std::string> early = kMinskDecember2026;
  early.pop_back();  // the 23rd lunar day has no end
  EXPECT_FALSE(LunarMonthFrom(Rows(early), {2026, 12}).has_value());
  EXPECT_TRUE(MonthsCoveredBy(Rows(early)).empty());
  EXPECT_EQ(MonthsCoveredBy(Rows(kMinskDecember2026)), std::vector<YearMonth>({{2026, 12}}));
}

TEST(LunarMonth, ATableOutOfOrderOrWithAnImpossibleNumberIsNotRead) {
  EXPECT_FALSE(ReadLunarDayStarts({"   9.12.2026 We    9:35:55          2            19Sg47",
                                   "   9.12.2026 We    3:53:38          1            16Sg56"}));
  EXPECT_FALSE(ReadLunarDayStarts({"   9.12.2026 We    3:53:38         31            16Sg56"}));
  EXPECT_FALSE(ReadLunarDayStarts({"   9.12.2026 We    3:53:38          0            16Sg56"}));
}

TEST(LunarDayKinds, EvilWhereverTheDayIsEvilAtAll) {
  EXPECT_EQ(KindOfDay({"с утра зол"}), DayKind::kEvil);
  EXPECT_EQ(KindOfDay({"29-й в час дня зол"}), DayKind::kEvil);
  EXPECT_EQ(KindOfDay({"весь добр"}), DayKind::kGood);
  EXPECT_EQ(KindOfDay({"кто поклянется, в беду попадет"}), DayKind::kUnknown);
  EXPECT_EQ(KindOfDay({}), DayKind::kUnknown);
}

TEST(UnfavourableDays, AreTheDaysOfTheTableForTheMonth) {
  EXPECT_EQ(UnfavourableDays(1), QList<int>({1, 2, 9, 15, 26, 30}));
  EXPECT_EQ(UnfavourableDays(9), QList<int>({2, 3, 4, 8, 21, 24}));
  EXPECT_EQ(UnfavourableDays(12), QList<int>({2, 3, 8, 21, 22, 24}));
  EXPECT_TRUE(UnfavourableDays(13).isEmpty());
}

}  // namespace
}  // namespace frontend
