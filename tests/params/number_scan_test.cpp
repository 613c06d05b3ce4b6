#include "calculator/number_scan.h"

#include <gtest/gtest.h>

namespace moon {
namespace {

TEST(NumberScanner, AnyNonDigitTextSeparatesNumbers) {
  NumberScanner scanner("born 7/3/1985 at noon");
  EXPECT_EQ(scanner.NextToken(false, 2), "7");
  EXPECT_EQ(scanner.NextToken(false, 2), "3");
  EXPECT_EQ(scanner.NextToken(true, 6), "1985");
  EXPECT_EQ(scanner.NextToken(false, 2), std::nullopt);
}

TEST(NumberScanner, MinusStartsATokenOnlyWhenAllowed) {
  NumberScanner scanner("-5.-30");
  EXPECT_EQ(scanner.NextToken(false, 2), "5");  // the leading "-" is a separator here
  EXPECT_EQ(scanner.NextToken(true, 3), "-30");
  NumberScanner lone("x - 4");
  EXPECT_EQ(lone.NextToken(true, 3), "-");
  EXPECT_EQ(TokenValue("-"), std::nullopt);
  EXPECT_EQ(TokenValue("-0"), 0);
  EXPECT_EQ(TokenValue("085"), 85);
}

TEST(NumberScanner, TooLongTokenFails) {
  NumberScanner scanner("123.4");
  EXPECT_EQ(scanner.NextToken(false, 2), std::nullopt);
  NumberScanner minusCounts("-900");
  EXPECT_EQ(minusCounts.NextToken(true, 3), std::nullopt);
  NumberScanner exact("-90");
  EXPECT_EQ(exact.NextToken(true, 3), "-90");
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
