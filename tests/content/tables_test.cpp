#include "content/tables.h"

#include <gtest/gtest.h>

#include "cp1251_text.h"

namespace content {
namespace {

using content_test::W;

TEST(CutLines, AcceptsEveryLineBreakKind) {
  EXPECT_EQ(CutLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  // LF CR is two breaks, with an empty line between them.
  EXPECT_EQ(CutLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(CutLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

TEST(CutLines, FinalBreakAddsNoEmptyLine) {
  EXPECT_EQ(CutLines("#1\r\nx\r\n#"), (Lines{"#1", "x", "#"}));
  EXPECT_EQ(CutLines("#1\r\nx\r\n#\r\n"), (Lines{"#1", "x", "#"}));
  EXPECT_EQ(CutLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(CutLines("\r\n"), (Lines{""}));
  EXPECT_TRUE(CutLines("").empty());
}

TEST(CutLines, NulEndsTheText) {
  using namespace std::string_view_literals;
  EXPECT_EQ(CutLines("a\r\nb\0c\r\nd"sv), (Lines{"a", "b"}));
  EXPECT_TRUE(CutLines("\0abc"sv).empty());
}

TEST(CutLines, KeepsHighBytesAndBlanks) {
  const std::string line = W(" Ранение взглядом ");
  EXPECT_EQ(CutLines(line + "\r\n"), (Lines{line}));
}

TEST(SplitFields, DropsEmptyFieldsAndKeepsBlanks) {
  EXPECT_EQ(SplitFields(W("4\tПустота \t Ранение взглядом")),
            (Fields{"4", W("Пустота "), W(" Ранение взглядом")}));
  EXPECT_EQ(SplitFields("\ta\t\t\tb\t"), (Fields{"a", "b"}));
  EXPECT_TRUE(SplitFields("").empty());
  EXPECT_TRUE(SplitFields("\t\t").empty());
}

TEST(SplitFields, QuotesProtectTabsAndStayInTheField) {
  EXPECT_EQ(SplitFields("a\t\"b\tc\"\td"), (Fields{"a", "\"b\tc\"", "d"}));
  EXPECT_EQ(SplitFields("x'y\tz'\tw"), (Fields{"x'y\tz'", "w"}));
  // The other quote character does not close the stretch.
  EXPECT_EQ(SplitFields("'a\"\tb'\tc"), (Fields{"'a\"\tb'", "c"}));
  // An unclosed quote runs to the end of the row.
  EXPECT_EQ(SplitFields("a\t\"b\tc"), (Fields{"a", "\"b\tc"}));
}

TEST(FindRow, ScansFromTheLastRowAndFirstMatchWins) {
  const Lines table = {"k\tfirst", "x\tother", "k\tlast"};
  EXPECT_EQ(FindRow(table, "k", KeyForm::kColumn0), (Fields{"k", "last"}));
  EXPECT_EQ(FindRow(table, "x", KeyForm::kColumn0), (Fields{"x", "other"}));
  EXPECT_FALSE(FindRow(table, "K", KeyForm::kColumn0));
  EXPECT_FALSE(FindRow(table, "k ", KeyForm::kColumn0));
  EXPECT_FALSE(FindRow(table, "", KeyForm::kColumn0));
}

TEST(FindRow, StopsAtTheLowestRow) {
  const Lines table = {"1\theader", "2\tdata", "1\tdata"};
  EXPECT_EQ(FindRow(table, "2", KeyForm::kColumn0, 1), (Fields{"2", "data"}));
  EXPECT_FALSE(FindRow({"1\theader", "2\tdata"}, "1", KeyForm::kColumn0, 1));
  EXPECT_FALSE(FindRow(table, "2", KeyForm::kColumn0, 5));
}

TEST(FindRow, TwoColumnKey) {
  const Lines table = {"v\tv\tv\tPravi", "v\ts\ts\tYavi", "vs\tx\tbad"};
  EXPECT_EQ(FindRow(table, "vv", KeyForm::kColumn0And1), (Fields{"v", "v", "v", "Pravi"}));
  // Key "vs" is built from both rows' first two fields: "v"+"s" and "vs"+"x".
  EXPECT_EQ(FindRow(table, "vs", KeyForm::kColumn0And1), (Fields{"v", "s", "s", "Yavi"}));
  EXPECT_EQ(FindRow(table, "vsx", KeyForm::kColumn0And1), (Fields{"vs", "x", "bad"}));
  EXPECT_FALSE(FindRow(table, "v", KeyForm::kColumn0And1));
}

TEST(FindRow, RowsWithoutTheKeyFieldsNeverMatch) {
  const Lines table = {"", "\t\t", "v"};
  EXPECT_FALSE(FindRow(table, "", KeyForm::kColumn0));
  EXPECT_FALSE(FindRow(table, "v", KeyForm::kColumn0And1));
  EXPECT_EQ(FieldOrEmpty(Fields{"a"}, 1), "");
}

}  // namespace
}  // namespace content
