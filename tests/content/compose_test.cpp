#include "content/compose.h"

#include <gtest/gtest.h>

#include <string>

#include "content/cp1251.h"
#include "content/table_files.h"

namespace content {
namespace {

// A sectioned table whose section n holds the single line "<name> n", so a test
// sees which section was copied; closed by "#" like the real tables.
Lines NumberedSections(const std::string& name, int count) {
  Lines lines;
  for (int n = 1; n <= count; ++n) {
    lines.push_back("#" + std::to_string(n));
    lines.push_back(name + " " + std::to_string(n));
  }
  lines.push_back("#");
  return lines;
}

// The keyed tables as shipped, decoded as the program loads them; prose tables replaced by numbered
// stand-ins so these tests check the composition, not the prose.
ReferenceTables Tables() {
  const std::string dir = VELUNOR_DATA_DIR;
  const auto read = [&dir](const char* name) {
    return CutLines(Utf8FromCp1251(ReadFileBytes(dir + "/" + name)));
  };
  ReferenceTables tables;
  tables.sunDays = read("sun_days.txt");
  tables.moonDays = read("moon_days.txt");
  tables.weekDays = read("week_days.txt");
  tables.moonDaysDescr = NumberedSections("verse", 30);
  tables.moonDaysDescr1 = NumberedSections("health", 29);
  tables.moonDaysDescr2 = read("moon_days_descr2.txt");
  tables.sunDaysDescr = NumberedSections("public", 108);
  tables.sunDaysDescr1 = NumberedSections("secret", 108);
  tables.worlds = read("worlds.txt");
  tables.key = read("key.txt");
  tables.knife = read("knife.txt");
  tables.restxt = NumberedSections("circle", 27);
  return tables;
}

class ComposeTest : public ::testing::Test {
 protected:
  Composition Run(int year, int month, int day, std::string_view lunarDay) {
    return Compose(tables_, BirthDate{year, month, day}, lunarDay, "<date>");
  }
  const ReferenceTables tables_ = Tables();
};

TEST_F(ComposeTest, WorkedExample) {
  // 6 December 2026 is a Sunday; sun letter v, circle 3, tree sign 88; lunar day 14 is v.
  const Composition c = Run(2026, 12, 6, "14");
  EXPECT_EQ(c.worldCircle, (Lines{std::string("Вы родились в 3-м круге мира Прави"), "circle 3"}));
  EXPECT_EQ(c.lunarDayCaption, std::string("Дата рождения приходится на 14-й лунный день"));
  EXPECT_EQ(c.lunarVerse, (Lines{"verse 14"}));
  EXPECT_EQ(c.health, (Lines{"health 14"}));
  EXPECT_EQ(c.goodOrEvil, (Lines{"добр"}));
  EXPECT_EQ(c.treeSignPublic, (Lines{"public 88"}));
  EXPECT_EQ(c.treeSignSecret, (Lines{"secret 88"}));
  EXPECT_EQ(c.knife, (Lines{"Боевое: Опустошительность ", "Магическое: Достижение райских мест"}));
  EXPECT_EQ(c.weekDay, (Lines{
                           "<date>, Неделя (воскресение)",
                           "",
                           "Бог:\t\tДажбог",
                           "Что делать:\tГулять ",
                           "качества:\tгулянка",
                           "Куда ходить: \tна веселье",
                           "Чихнешь натощак:\tК гостям",
                           "\t\tсвято",
                           "\t\tЖенский день",
                           "\t\tскаробный",
                           "Родившиеся в этот день :\tТе, кто вызывает к себе зависть.",
                           "Дни на масленицу :\tпроводы, прощанья, целовник",
                       }));
  EXPECT_EQ(c.monthPictureIndex, 11);
}

TEST_F(ComposeTest, EmptyLunarDayStillComposesTheSolarHalf) {
  const Composition c = Run(2026, 12, 6, "");
  EXPECT_EQ(c.worldCircle.size(), 2u);
  EXPECT_EQ(c.worldCircle.back(), "circle 3");
  EXPECT_EQ(c.lunarDayCaption, std::string("Лунный день рождения определить не удалось"));
  EXPECT_TRUE(c.lunarVerse.empty());
  EXPECT_TRUE(c.health.empty());
  EXPECT_TRUE(c.goodOrEvil.empty());
  EXPECT_TRUE(c.knife.empty());
  EXPECT_EQ(c.treeSignPublic, (Lines{"public 88"}));
  EXPECT_EQ(c.treeSignSecret, (Lines{"secret 88"}));
  EXPECT_EQ(c.weekDay.size(), 12u);
  EXPECT_EQ(c.monthPictureIndex, 11);
}

TEST_F(ComposeTest, LunarDayOutsideTheTableMatchesNothing) {
  for (const char* lunarDay : {"31", "0", "01", " 5", "#"}) {
    SCOPED_TRACE(lunarDay);
    const Composition c = Run(2026, 12, 6, lunarDay);
    EXPECT_NE(c.worldCircle.front().find("Мир рождения определить не удалось"), std::string::npos);
    EXPECT_EQ(c.lunarDayCaption,
              std::string("Дата рождения приходится на ") + lunarDay + "-й лунный день");
    EXPECT_TRUE(c.lunarVerse.empty());
    EXPECT_TRUE(c.health.empty());
    EXPECT_TRUE(c.goodOrEvil.empty());
    EXPECT_TRUE(c.knife.empty());
    EXPECT_EQ(c.treeSignPublic, (Lines{"public 88"}));
    EXPECT_EQ(c.weekDay.size(), 12u);
  }
}

// Without a world the line must not end where the world's name should stand:
// it says that the world is unknown, and why.
TEST_F(ComposeTest, MissingWorldIsSaidWithItsReason) {
  struct Case {
    const char* lunarDay;
    const char* reason;
  };
  const Case cases[] = {
      {"", "лунного дня"},
      {"31", "таблице миров"},
  };
  for (const Case& c : cases) {
    const std::string line = Run(2026, 12, 6, c.lunarDay).worldCircle.front();
    EXPECT_EQ(line.rfind("Вы родились в 3-м круге мира. Мир рождения определить не удалось", 0), 0u)
        << line;
    EXPECT_NE(line.find(c.reason), std::string::npos) << line;
  }
}

TEST_F(ComposeTest, FirstAndLastLunarDays) {
  const Composition first = Run(2026, 12, 6, "1");
  EXPECT_EQ(first.knife, (Lines{"Боевое: Острота ", "Магическое: Поклонение предкам"}));
  EXPECT_EQ(first.lunarVerse, (Lines{"verse 1"}));
  EXPECT_EQ(first.goodOrEvil, (Lines{"с утра зол"}));

  // The health table has no day 30.
  const Composition last = Run(2026, 12, 6, "30");
  EXPECT_TRUE(last.health.empty());
  EXPECT_EQ(last.lunarVerse, (Lines{"verse 30"}));
  EXPECT_EQ(last.goodOrEvil, (Lines{"весь добр"}));
  EXPECT_EQ(last.knife, (Lines{"Боевое: Гибкость ", "Магическое: Подчинение магических сил"}));
}

TEST_F(ComposeTest, WorldFollowsTheSunLetterAndTheLunarDaysLetter) {
  // 1, 2 and 3 January share circle 3 and have the sun letters v, s, n; lunar
  // days 2, 1 and 5 have the letters v, s, n. The nine pairs give the worlds
  // of the world table.
  const char* const worlds[3][3] = {{"Прави", "Яви", "Прави"},   // v + v, s, n
                                    {"Яви", "Яви", "Нави"},      // s + v, s, n
                                    {"Прави", "Нави", "Нави"}};  // n + v, s, n
  const char* const lunarDays[3] = {"2", "1", "5"};
  for (int sun = 0; sun < 3; ++sun) {
    for (int lunar = 0; lunar < 3; ++lunar) {
      SCOPED_TRACE(testing::Message() << sun + 1 << ".01, lunar day " << lunarDays[lunar]);
      EXPECT_EQ(Run(2026, 1, sun + 1, lunarDays[lunar]).worldCircle.front(),
                std::string("Вы родились в 3-м круге мира ") + worlds[sun][lunar]);
    }
  }
}

TEST_F(ComposeTest, WorldOfLunarDaysWhoseLetterDiffersFromTheirNeighbours) {
  // Worked out by hand from the letter tables: 01.12 has sun letter s (circle
  // 9), 06.12 sun letter v (circle 3); lunar days 11 s, 12 n, 16 v, 17 n,
  // 23 s, 24 v, 26 n, 30 s.
  struct Case {
    int day;
    const char* lunarDay;
    const char* world;
  };
  for (const Case& c :
       {Case{1, "11", "9-м круге мира Яви"}, Case{1, "12", "9-м круге мира Нави"},
        Case{1, "16", "9-м круге мира Яви"}, Case{1, "17", "9-м круге мира Нави"},
        Case{6, "23", "3-м круге мира Яви"}, Case{6, "24", "3-м круге мира Прави"},
        Case{6, "26", "3-м круге мира Прави"}, Case{6, "30", "3-м круге мира Яви"}}) {
    SCOPED_TRACE(testing::Message() << c.day << ".12, lunar day " << c.lunarDay);
    EXPECT_EQ(Run(2026, 12, c.day, c.lunarDay).worldCircle.front(),
              std::string("Вы родились в ") + c.world);
  }
}

TEST_F(ComposeTest, SaturdayWeekDay) {
  const Composition c = Run(2026, 12, 5, "14");
  ASSERT_EQ(c.weekDay.size(), 12u);
  EXPECT_EQ(c.weekDay[0], std::string("<date>, Суббота"));
  EXPECT_EQ(c.weekDay[2], std::string("Бог:\t\tМаланка"));
}

TEST(WeekDayNumber, CountsFromSunday) {
  EXPECT_EQ(WeekDayNumber({2026, 12, 6}), 1);  // Sunday
  EXPECT_EQ(WeekDayNumber({2026, 12, 7}), 2);
  EXPECT_EQ(WeekDayNumber({2000, 1, 1}), 7);   // Saturday
  EXPECT_EQ(WeekDayNumber({1970, 1, 1}), 5);   // Thursday
  EXPECT_EQ(WeekDayNumber({2024, 2, 29}), 5);  // Thursday
  EXPECT_EQ(WeekDayNumber({2024, 3, 1}), 6);
  EXPECT_EQ(WeekDayNumber({1900, 3, 1}), 5);    // 1900 is not a leap year
  EXPECT_EQ(WeekDayNumber({1582, 10, 15}), 6);  // first Gregorian day, a Friday
  EXPECT_EQ(WeekDayNumber({2026, 13, 1}), 0);
  EXPECT_EQ(WeekDayNumber({2026, 0, 1}), 0);
}

// Before 15 October 1582 the dates are Julian, as the calculator counts them;
// the week days follow from the calculator's own day numbers.
TEST(WeekDayNumber, IsJulianBeforeTheGregorianReform) {
  struct Case {
    BirthDate date;
    int weekDay;
  };
  const Case cases[] = {
      {{1582, 10, 4}, 5},  // Thursday, the last Julian day
      {{1500, 2, 29}, 7},  // a Julian leap day, Saturday
      {{1500, 3, 1}, 1},  {{1000, 7, 15}, 2},
      {{100, 1, 1}, 4},  // the first date the calculator takes, Wednesday
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WeekDayNumber(c.date), c.weekDay)
        << c.date.day << "." << c.date.month << "." << c.date.year;
  }
}

TEST(DateKey, IsDayDotMonthWithTwoDigitsEach) {
  EXPECT_EQ(DateKey({2026, 3, 5}), "05.03");
  EXPECT_EQ(DateKey({2028, 2, 29}), "29.02");
  EXPECT_EQ(DateKey({1999, 12, 31}), "31.12");
}

}  // namespace
}  // namespace content
