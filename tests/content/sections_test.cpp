#include "content/sections.h"

#include <gtest/gtest.h>

namespace content {
namespace {

const Lines kTable = {"#1", "one a", "one b", "", "stray", "#10", "ten", "#11", "#2", "two", "#"};

Lines Append(std::string_view key, const Lines& table = kTable) {
  Lines lines = {"kept"};
  AppendSection(key, table, lines);
  return lines;
}

TEST(AppendSection, CopiesTheBodyUpToAnEmptyLineOrAHashLine) {
  EXPECT_EQ(Append("#1"), (Lines{"kept", "one a", "one b"}));
  EXPECT_EQ(Append("#10"), (Lines{"kept", "ten"}));
  EXPECT_EQ(Append("#2"), (Lines{"kept", "two"}));
  // An empty section: the next line opens another one.
  EXPECT_EQ(Append("#11"), (Lines{"kept"}));
}

TEST(AppendSection, KeyMustEqualTheWholeLine) {
  for (const char* key : {"#3", "#01", "#1 ", " #1", "1", "#"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(Append(key, {"#1", "x", "#10", "y"}), (Lines{"kept"}));
  }
}

TEST(AppendSection, ClosingLineKeyAppendsNothing) {
  EXPECT_EQ(Append("#", {"#1", "x", "#"}), (Lines{"kept"}));
  EXPECT_EQ(Append("#"), (Lines{"kept"}));
}

TEST(AppendSection, FirstMatchFromTheTopWins) {
  EXPECT_EQ(Append("#1", {"#1", "first", "#1", "second"}), (Lines{"kept", "first"}));
}

TEST(AppendSection, UnclosedSectionRunsToTheLastLine) {
  EXPECT_EQ(Append("#5", {"#5", "a", "b"}), (Lines{"kept", "a", "b"}));
  EXPECT_EQ(Append("#5", {"#5"}), (Lines{"kept"}));
  EXPECT_EQ(Append("#5", {}), (Lines{"kept"}));
}

}  // namespace
}  // namespace content
