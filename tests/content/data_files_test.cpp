// Checks of the shipped data files: exact sizes of the keyed tables and the
// structure of every sectioned table.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "content/cp1251.h"
#include "content/sections.h"
#include "content/table_files.h"
#include "content/tables.h"
#include "cp1251_text.h"

namespace content {
namespace {

using content_test::W;

std::string DataBytes(const std::string& name) {
  return ReadFileBytes(std::string(VELUNOR_DATA_DIR) + "/" + name);
}

TEST(KeyedTables, ExactSizesLineCountsAndEncoding) {
  struct Expected {
    const char* file;
    std::size_t bytes;
    std::size_t lines;
  };
  for (const Expected& e : {Expected{"sun_days.txt", 5123, 366}, Expected{"moon_days.txt", 171, 30},
                            Expected{"worlds.txt", 108, 9}, Expected{"key.txt", 571, 28},
                            Expected{"knife.txt", 1137, 30}, Expected{"week_days.txt", 1130, 8},
                            Expected{"moon_days_descr2.txt", 520, 61}}) {
    SCOPED_TRACE(e.file);
    const std::string bytes = DataBytes(e.file);
    EXPECT_EQ(bytes.size(), e.bytes);
    EXPECT_EQ(CutLines(bytes).size(), e.lines);
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
    // Every line break is CR LF.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "at byte " << i;
      }
      if (bytes[i] == '\r') {
        EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "at byte " << i;
      }
    }
  }
}

TEST(KeyedTables, SunDaysSampleRows) {
  const Lines table = CutLines(DataBytes("sun_days.txt"));
  ASSERT_EQ(table.size(), 366u);
  EXPECT_EQ(table.front(), "01.01\tv\t3\t13");
  EXPECT_EQ(table.back(), "31.12\tn\t3\t13");
  for (const char* row :
       {"04.01\ts\t3\t13", "05.01\tv\t8\t17", "28.02\ts\t9\t81", "29.02\tn\t9\t81",
        "01.03\tv\t9\t81", "21.03\ts\t2\t105", "22.03\ts\t5\t2", "22.06\tv\t5\t3", "22.09\ts\t5\t4",
        "21.12\tn\t2\t108", "22.12\tn\t5\t1", "28.12\ts\t9\t9", "30.12\tn\t9\t9"}) {
    EXPECT_EQ(FindRow(table, std::string_view(row).substr(0, 5), KeyForm::kColumn0),
              SplitFields(row));
  }
}

TEST(KeyedTables, SunDaysLetterCountsAndRuns) {
  const Lines table = CutLines(DataBytes("sun_days.txt"));
  std::map<std::string, int> letters;
  std::map<int, int> runsOfLength;  // run length in days -> number of runs
  std::string previous;
  int length = 0;
  for (const auto& row : table) {
    const Fields fields = SplitFields(row);
    ASSERT_EQ(fields.size(), 4u) << row;
    ++letters[fields[1]];
    const std::string circleAndTree = fields[2] + "/" + fields[3];
    if (circleAndTree != previous && length > 0) {
      ++runsOfLength[length];
      length = 0;
    }
    previous = circleAndTree;
    ++length;
  }
  ++runsOfLength[length];
  EXPECT_EQ(letters, (std::map<std::string, int>{{"v", 117}, {"s", 116}, {"n", 133}}));
  EXPECT_EQ(runsOfLength, (std::map<int, int>{{1, 1}, {2, 3}, {3, 74}, {4, 18}, {5, 13}}));
}

TEST(KeyedTables, RowsSplitIntoTheirColumns) {
  const Lines knife = CutLines(DataBytes("knife.txt"));
  EXPECT_EQ(FindRow(knife, "4", KeyForm::kColumn0),
            (Fields{"4", W("Пустота "), W(" Ранение взглядом")}));
  for (const auto& row : knife) EXPECT_EQ(SplitFields(row).size(), 3u);

  const Lines weekDays = CutLines(DataBytes("week_days.txt"));
  EXPECT_EQ(SplitFields(weekDays[0]).size(), 9u);  // three empty header cells dropped
  for (std::size_t i = 1; i < weekDays.size(); ++i) EXPECT_EQ(SplitFields(weekDays[i]).size(), 12u);

  const Lines key = CutLines(DataBytes("key.txt"));
  for (std::size_t i = 1; i < key.size(); ++i) EXPECT_EQ(SplitFields(key[i]).size(), 9u);
  EXPECT_EQ(FindRow(key, "s5", KeyForm::kColumn0And1),
            (Fields{"s", "5", "14", "6", "1", "8", "9", "7", "2"}));
  // The header stays in DOS Cyrillic: ";мир" is ';' 0xAC 0xA8 0xE0.
  EXPECT_TRUE(key[0].starts_with(";\xAC\xA8\xE0\t"));
}

TEST(KeyedTables, LunarDayLetters) {
  const Lines table = CutLines(DataBytes("moon_days.txt"));
  const std::string letters =
      "svvsnvvsss"
      "snsvvvnsvs"
      "vssvnnsvvs";  // days 1..30
  ASSERT_EQ(table.size(), letters.size());
  for (std::size_t day = 1; day <= letters.size(); ++day) {
    EXPECT_EQ(table[day - 1], std::to_string(day) + "\t" + letters[day - 1]);
  }
}

// Sectioned tables: "#1" .. "#N" in order, bodies of the stated length, empty
// lines only where stated, and the closing line "#" as the last line.
struct SectionedTable {
  const char* file;
  std::size_t lines;
  int sections;
  std::size_t usualBodyLines;  // 0: any number from 1 to 3
  std::map<int, std::size_t> otherBodyLines;
  int sectionFollowedByEmptyLine;  // 0: none
  bool closingLineBreak;
};

void CheckSectionedTable(const SectionedTable& t) {
  SCOPED_TRACE(t.file);
  const std::string bytes = DataBytes(t.file);
  EXPECT_TRUE(IsValidCp1251(bytes));
  EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
  EXPECT_EQ(bytes.ends_with("\r\n#\r\n"), t.closingLineBreak);
  EXPECT_EQ(bytes.ends_with("\r\n#"), !t.closingLineBreak);
  const std::string withoutCrLf = [&bytes] {
    std::string s;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        ++i;
        continue;
      }
      s += bytes[i];
    }
    return s;
  }();
  EXPECT_EQ(withoutCrLf.find_first_of("\r\n"), std::string::npos) << "line break other than CR LF";

  const Lines lines = CutLines(bytes);
  EXPECT_EQ(lines.size(), t.lines);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "#");

  std::size_t i = 0;
  for (int n = 1; n <= t.sections; ++n) {
    SCOPED_TRACE("section " + std::to_string(n));
    ASSERT_LT(i, lines.size());
    ASSERT_EQ(lines[i], "#" + std::to_string(n));
    Lines body;
    AppendSection(lines[i], lines, body);
    const auto other = t.otherBodyLines.find(n);
    if (other != t.otherBodyLines.end()) {
      EXPECT_EQ(body.size(), other->second);
    } else if (t.usualBodyLines != 0) {
      EXPECT_EQ(body.size(), t.usualBodyLines);
    } else {
      EXPECT_TRUE(body.size() >= 1 && body.size() <= 3) << body.size();
    }
    i += 1 + body.size();
    if (n == t.sectionFollowedByEmptyLine) {
      ASSERT_LT(i, lines.size());
      EXPECT_EQ(lines[i], "");
      ++i;
    }
  }
  EXPECT_EQ(i + 1, lines.size()) << "lines after the last section";
}

TEST(SectionedTables, SunDaysDescr) {
  CheckSectionedTable({"sun_days_descr.txt", 220, 108, 1, {{28, 2}, {33, 2}, {37, 2}}, 0, false});
}

TEST(SectionedTables, SunDaysDescr1) {
  CheckSectionedTable({"sun_days_descr1.txt", 220, 108, 1, {{15, 2}, {81, 2}, {101, 2}}, 0, false});
}

TEST(SectionedTables, MoonDaysDescr) {
  CheckSectionedTable({"moon_days_descr.txt", 153, 30, 4, {{11, 5}}, 10, false});
  // The closing line is found by the empty-number key and copies nothing.
  const Lines lines = CutLines(DataBytes("moon_days_descr.txt"));
  Lines body;
  AppendSection("#", lines, body);
  EXPECT_TRUE(body.empty());
}

TEST(SectionedTables, MoonDaysDescr1HasNoDay30) {
  CheckSectionedTable({"moon_days_descr1.txt", 59, 29, 1, {}, 0, true});
  Lines body;
  AppendSection("#30", CutLines(DataBytes("moon_days_descr1.txt")), body);
  EXPECT_TRUE(body.empty());
}

TEST(SectionedTables, MoonDaysDescr2) {
  CheckSectionedTable({"moon_days_descr2.txt", 61, 30, 1, {}, 0, false});
}

TEST(SectionedTables, Restxt) {
  CheckSectionedTable({"restxt.txt", 72, 27, 0, {}, 0, false});
}

}  // namespace
}  // namespace content
