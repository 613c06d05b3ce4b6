#include "calculator/number_scan.h"

#include <gtest/gtest.h>

namespace moon {
namespace {

TEST(NumberScanner, MinusStartsATokenOnlyWhenAllowedAndCounts) {
  NumberScanner scanner("-5.-30 -900");
  EXPECT_EQ(scanner.NextToken(NumberScanner::Minus::kSeparates, 2),
            "5");  // the leading "-" is a separator here
  EXPECT_EQ(scanner.NextToken(NumberScanner::Minus::kIsSign, 3), "-30");
  EXPECT_EQ(scanner.NextToken(NumberScanner::Minus::kIsSign, 3), std::nullopt);
}

TEST(WholeLineInteger, DecimalAndHexadecimalForms) {
  EXPECT_EQ(WholeLineInteger("120"), 120);
  EXPECT_EQ(WholeLineInteger("$78"), 120);
  EXPECT_EQ(WholeLineInteger("$7f"), 127);
  EXPECT_EQ(WholeLineInteger("  -5"), -5);
  EXPECT_EQ(WholeLineInteger("+3"), 3);
  EXPECT_EQ(WholeLineInteger("-$A"), -10);
  EXPECT_EQ(WholeLineInteger("2147483647"), 2147483647);
  EXPECT_EQ(WholeLineInteger("-2147483648"), INT32_MIN);
}

TEST(WholeLineInteger, RejectsAnythingElse) {
  for (const char* text : {"", " ", "3 ", "2x", "+", "-", "$", "$g", "1.5", "2147483648",
                           "-2147483649", "99999999999999999999", "$100000000", "\t3"}) {
    EXPECT_EQ(WholeLineInteger(text), std::nullopt) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace moon
