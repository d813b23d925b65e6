#include "clicker/edit_input.h"

#include <gtest/gtest.h>

#include <tuple>

namespace clicker {
namespace {

TEST(AcceptsTypedChar, FiltersByMode) {
  for (unsigned char c : {'0', '5', '9', '-', '\b', '\x01', '\r', '\x1f'}) {
    EXPECT_TRUE(AcceptsTypedChar(EditMode::Integer, c)) << int(c);
    EXPECT_TRUE(AcceptsTypedChar(EditMode::Decimal, c)) << int(c);
  }
  for (unsigned char c : {'a', 'e', '+', ' ', '/', ':', '\x7f', '\xb0', '\xc7'}) {
    EXPECT_FALSE(AcceptsTypedChar(EditMode::Integer, c)) << int(c);
    EXPECT_FALSE(AcceptsTypedChar(EditMode::Decimal, c)) << int(c);
  }
  EXPECT_FALSE(AcceptsTypedChar(EditMode::Integer, '.'));
  EXPECT_TRUE(AcceptsTypedChar(EditMode::Decimal, '.'));
  EXPECT_TRUE(AcceptsTypedChar(EditMode::Plain, 'a'));
}

TEST(NormaliseEditText, IntegerBoxesHoldACanonicalClampedInteger) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", ""},
      {"00012", "12"},
      {"-0", ""},
      {"99999999999", "2147483647"},
      {"-99999999999", "-2147483648"},
      {"12-3", "12"},
      {"-", ""},
      {" ", ""},
      {"", ""},
      {"-45", "-45"},
      {"99999999999999999999999", "2147483647"},
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(NormaliseEditText(EditMode::Integer, in), out) << in;
}

TEST(NormaliseEditText, DecimalBoxesHoldTheSinglePrecisionG6Form) {
  const std::pair<const char*, const char*> cases[] = {
      {"1234567", "1.23457e+006"},
      {"2.50", "2.5"},
      {"0", ""},
      {"0.000", ""},
      {".", ""},
      {"100", "100"},
      {"0.1", "0.1"},
      {"0.0000001", "1e-007"},
      {"-12.75", "-12.75"},
      {"16777217", "1.67772e+007"},
      {"123456", "123456"},
      // Pasted text can carry any number; beyond the single-precision range
      // the box holds the largest value it can.
      {"1e39", "3.40282e+038"},
      {"-1e39", "-3.40282e+038"},
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(NormaliseEditText(EditMode::Decimal, in), out) << in;
}

TEST(NormaliseEditText, OtherModesKeepTheirText) {
  EXPECT_EQ(NormaliseEditText(EditMode::ReadOnly, "0"), "0");
  EXPECT_EQ(NormaliseEditText(EditMode::Plain, " x "), " x ");
}

TEST(FormatG6, PadsTheExponentToThreeDigits) {
  EXPECT_EQ(FormatG6(1e10), "1e+010");
  EXPECT_EQ(FormatG6(1.5e-5), "1.5e-005");
  EXPECT_EQ(FormatG6(1e100), "1e+100");
  EXPECT_EQ(FormatG6(999999.0), "999999");
  EXPECT_EQ(FormatG6(9999995.0), "1e+007");
}

}  // namespace
}  // namespace clicker

namespace clicker {
namespace {

TEST(ImeCharForBox, TakesTheTypedRuleAndTheFullWidthTwins) {
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, '7'), '7');
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, 0xA3B0), '0');
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, 0xA3B9), '9');
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, 0xA3AD), '-');
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 0xA3AE), '.');
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 0xA1A3), '.');  // 。
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, 0xA1A3), 0);
  // The point is for decimal boxes only, letters and Chinese for none.
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, 0xA3AE), 0);
  EXPECT_EQ(ImeCharForBox(EditMode::Integer, '.'), 0);
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 'a'), 0);
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 0xA3C1), 0);  // full-width A
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 0xD6D0), 0);  // 中
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 0xA3), 0);    // half a character
  EXPECT_EQ(ImeCharForBox(EditMode::Decimal, 0xB0), 0);
}

TEST(ComposedTextForBox, KeepsOnlyWhatTheBoxTakes) {
  // "１２中.3ａ－" in code page 936
  const std::string composed = "\xA3\xB1\xA3\xB2\xD6\xD0.3\xA3\xE1\xA3\xAD";
  EXPECT_EQ(ComposedTextForBox(EditMode::Decimal, composed), "12.3-");
  EXPECT_EQ(ComposedTextForBox(EditMode::Integer, composed), "123-");
  EXPECT_EQ(ComposedTextForBox(EditMode::Integer, "\xA3"), "");  // a cut-off lead byte
}

TEST(PastedTextForBox, GoesInByTheTypedRuleUpToTheLineBreak) {
  const std::tuple<EditMode, const char*, const char*> cases[] = {
      {EditMode::Decimal, "1,000", "1000"},  // not a number read as 1
      {EditMode::Decimal, " 2.5 ms", "2.5"},
      {EditMode::Integer, "-1,920\t", "-1920"},
      {EditMode::Integer, "12\r\n34", "12"},
      {EditMode::Decimal, "\xA3\xB1\xA3\xB0", "10"},  // full-width 10
      {EditMode::Decimal, "3e+009", "3e+009"},        // as the box writes it back
      {EditMode::Decimal, "1.23457E-006x", "1.23457E-006"},
      {EditMode::Decimal, "Eve 5e", "5"},
      {EditMode::Integer, "3e+009", "3"},  // as the box reads it when it loses the focus
  };
  for (const auto& [mode, pasted, taken] : cases) EXPECT_EQ(PastedTextForBox(mode, pasted), taken);
}

}  // namespace
}  // namespace clicker
