#include "clicker/text_number.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace clicker {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

size_t SkipSpace(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  return i;
}

size_t SkipDigits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

bool IsBlank(std::string_view text) {
  return SkipSpace(text) == text.size();
}

double TextToReal(std::string_view text) {
  const size_t start = SkipSpace(text);
  size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t intStart = i;
  i = SkipDigits(text, i);
  size_t digits = i - intStart;
  if (i < text.size() && text[i] == '.') {
    const size_t fracStart = i + 1;
    const size_t fracEnd = SkipDigits(text, fracStart);
    digits += fracEnd - fracStart;
    i = fracEnd;
  }
  if (digits == 0) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t e = i + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const size_t expEnd = SkipDigits(text, e);
    if (expEnd > e) i = expEnd;  // an "e" without digits is not part of the number
  }
  // Only the matched decimal form reaches strtod, so it never sees hex,
  // "inf" or "nan", and rounding is the C library's correct rounding.
  const std::string number(text.substr(start, i - start));
  return std::strtod(number.c_str(), nullptr);
}

int64_t TextToInt64(std::string_view text) {
  size_t i = SkipSpace(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulate as a negative number: its range is one larger.
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  int64_t value = 0;
  bool saturated = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const int digit = text[i] - '0';
    if (value < (kMin + digit) / 10) {
      saturated = true;
      break;
    }
    value = value * 10 - digit;
  }
  if (negative) return saturated ? kMin : value;
  if (saturated || value == kMin) return std::numeric_limits<int64_t>::max();
  return -value;
}

int32_t TextToInt(std::string_view text) {
  const int64_t value = TextToInt64(text);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int32_t TruncateToInt32(double value) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  int64_t whole = std::numeric_limits<int64_t>::min();
  if (value >= -kTwoTo63 && value < kTwoTo63) whole = static_cast<int64_t>(value);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

int32_t TruncateSaturated(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace clicker
