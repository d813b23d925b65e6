#include "clicker/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace clicker {
namespace {

TEST(TextToReal, ReadsTheLeadingDecimalNumberOnly) {
  EXPECT_DOUBLE_EQ(TextToReal("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(TextToReal(" \t-3.25abc"), -3.25);
  EXPECT_DOUBLE_EQ(TextToReal("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(TextToReal("7."), 7.0);
  EXPECT_DOUBLE_EQ(TextToReal("1.5e3x"), 1500.0);
  EXPECT_DOUBLE_EQ(TextToReal("2E-2"), 0.02);
  EXPECT_DOUBLE_EQ(TextToReal("1.23457e+006"), 1234570.0);
  // An "e" without digits ends the number before it.
  EXPECT_DOUBLE_EQ(TextToReal("4e"), 4.0);
  EXPECT_DOUBLE_EQ(TextToReal("4e+"), 4.0);
}

TEST(TextToReal, TextWithoutALeadingNumberIsZero) {
  for (const char* text : {"", " ", "-", ".", "-.e5", "abc", "e5", "inf", "nan", "x1"}) {
    EXPECT_EQ(TextToReal(text), 0.0) << text;
  }
  // Hex is not a decimal number: only the leading 0 counts.
  EXPECT_EQ(TextToReal("0x1A"), 0.0);
  EXPECT_EQ(TextToReal("1e999"), std::numeric_limits<double>::infinity());
}

TEST(TextToInt, ReadsSignAndDigitsAndSaturates) {
  EXPECT_EQ(TextToInt("42"), 42);
  EXPECT_EQ(TextToInt("  -17px"), -17);
  EXPECT_EQ(TextToInt("+8"), 8);
  EXPECT_EQ(TextToInt("2.9"), 2);
  EXPECT_EQ(TextToInt("1e3"), 1);
  EXPECT_EQ(TextToInt("- 5"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("2147483648"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(TextToInt("-99999999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(TextToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(TextToInt64("9223372036854775808"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(TextToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(TextToInt64("-9223372036854775809"), std::numeric_limits<int64_t>::min());
}

TEST(TruncateToInt32, TruncatesTowardZeroAndKeepsTheLowHalf) {
  EXPECT_EQ(TruncateToInt32(2.9), 2);
  EXPECT_EQ(TruncateToInt32(-2.9), -2);
  EXPECT_EQ(TruncateToInt32(-0.5), 0);
  EXPECT_EQ(TruncateToInt32(2147483648.0), -2147483647 - 1);
  EXPECT_EQ(TruncateToInt32(4294967297.0), 1);
  EXPECT_EQ(TruncateToInt32(-4294967297.0), -1);
  // No 64-bit integer: the indefinite value, whose low half is 0.
  EXPECT_EQ(TruncateToInt32(1e300), 0);
  EXPECT_EQ(TruncateToInt32(-1e300), 0);
  EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
  EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::infinity()), 0);
}

TEST(IsBlank, EmptyOrWhiteSpaceOnly) {
  for (const char* text : {"", " ", "   ", " \t", "\r\n"}) EXPECT_TRUE(IsBlank(text)) << text;
  for (const char* text : {"0", " 1", "-", "1 ", "x"}) EXPECT_FALSE(IsBlank(text)) << text;
}

TEST(TruncateSaturated, TruncatesTowardZeroAndStopsAtTheEndsOfTheRange) {
  EXPECT_EQ(TruncateSaturated(2.9), 2);
  EXPECT_EQ(TruncateSaturated(-2.9), -2);
  EXPECT_EQ(TruncateSaturated(1e6), 1000000);
  EXPECT_EQ(TruncateSaturated(2147483647.9), 2147483647);
  EXPECT_EQ(TruncateSaturated(2147483648.0), 2147483647);
  EXPECT_EQ(TruncateSaturated(3e9), 2147483647);
  EXPECT_EQ(TruncateSaturated(-2147483648.9), -2147483647 - 1);
  EXPECT_EQ(TruncateSaturated(-1e300), -2147483647 - 1);
  EXPECT_EQ(TruncateSaturated(std::numeric_limits<double>::infinity()), 2147483647);
  EXPECT_EQ(TruncateSaturated(std::nan("")), 0);
}

}  // namespace
}  // namespace clicker
