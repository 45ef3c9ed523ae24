#include "text/numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Numbers, StrictParseTakesOnlyAWholeDecimalNumber) {
  EXPECT_EQ(txt::parseNumber(" 5 "), 5.0);
  EXPECT_EQ(txt::parseNumber("-12"), -12.0);
  EXPECT_EQ(txt::parseNumber("2.5"), 2.5);
  EXPECT_EQ(txt::parseNumber(".5"), 0.5);
  for (const char* bad : {"", " ", "-", ".", "5x", "1 2", "ab", "1,2", "+-1"})
    EXPECT_FALSE(txt::parseNumber(bad).has_value()) << bad;
}

TEST(Numbers, LeadingValueStopsAtTheFirstForeignCharacter) {
  EXPECT_EQ(txt::leadingValue("  12abc"), 12.0);
  EXPECT_EQ(txt::leadingValue("abc"), 0.0);
  EXPECT_EQ(txt::leadingValue(""), 0.0);
  EXPECT_EQ(txt::leadingValue("-3.5kg"), -3.5);
  EXPECT_EQ(txt::leadingValue("1 2"), 1.0);
}

TEST(Numbers, WholeValueRoundsHalvesToEvenAndKeepsTheSign) {
  EXPECT_EQ(txt::wholeValue("2.5"), 2);
  EXPECT_EQ(txt::wholeValue("3.5"), 4);
  EXPECT_EQ(txt::wholeValue("-2.5"), -2);
  EXPECT_EQ(txt::wholeValue("12.4"), 12);
  EXPECT_EQ(txt::wholeValue("300"), 300);
  EXPECT_EQ(txt::wholeValue("-1"), -1);
  EXPECT_EQ(txt::wholeValue(""), 0);
  EXPECT_EQ(txt::wholeValue("99999999999999999999999999"), std::numeric_limits<long long>::max());
}

}  // namespace
