#include "clicker/edit_input.h"

#include <cfloat>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "clicker/text_number.h"

namespace clicker {

bool AcceptsTypedChar(EditMode mode, unsigned char c) {
  const bool common = c < 32 || c == '-' || (c >= '0' && c <= '9');
  switch (mode) {
    case EditMode::Integer:
      return common;
    case EditMode::Decimal:
      return common || c == '.';
    default:
      return true;
  }
}

char ImeCharForBox(EditMode mode, unsigned code) {
  // Full-width forms in code page 936: ０..９ A3B0..A3B9, － A3AD, ． A3AE;
  // and 。 A1A3, which a Chinese input method types for a point in its
  // Chinese punctuation mode.
  if (code >= 0xA3B0 && code <= 0xA3B9) code = '0' + (code - 0xA3B0);
  if (code == 0xA3AD) code = '-';
  if (code == 0xA3AE || code == 0xA1A3) code = '.';
  if (code > 0xFF) return 0;
  const unsigned char c = static_cast<unsigned char>(code);
  // Nothing but ASCII: a lone byte above 127 is half of a character.
  if (c >= 0x80 || c == 0 || !AcceptsTypedChar(mode, c)) return 0;
  return static_cast<char>(c);
}

std::string ComposedTextForBox(EditMode mode, std::string_view text) {
  std::string taken;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned code = static_cast<unsigned char>(text[i]);
    // A lead byte (0x81..0xFE) and its trail make one character.
    if (code >= 0x81 && code <= 0xFE && i + 1 < text.size()) {
      code = (code << 8) | static_cast<unsigned char>(text[++i]);
    }
    const char c = ImeCharForBox(mode, code);
    if (c != 0) taken.push_back(c);
  }
  return taken;
}

std::string PastedTextForBox(EditMode mode, std::string_view text) {
  // A box holds one line: a paste ends at the first line break, as the
  // system's one-line boxes end it.
  text = text.substr(0, text.find_first_of("\r\n"));
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::string taken;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned code = static_cast<unsigned char>(text[i]);
    if (code >= 0x81 && code <= 0xFE && i + 1 < text.size()) {
      code = (code << 8) | static_cast<unsigned char>(text[++i]);
    } else if ((code == 'e' || code == 'E') && !taken.empty() &&
               (isDigit(taken.back()) || taken.back() == '.')) {
      // The exponent a decimal box writes back itself ("3e+009") cannot be
      // typed, but a copy of the box's text must keep its value; an integer
      // box reads the number up to it, as it does when it loses the focus.
      const size_t sign = i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
      if (i + 1 + sign < text.size() && isDigit(text[i + 1 + sign])) {
        if (mode != EditMode::Decimal) break;
        taken.append(text.substr(i, 1 + sign));
        i += sign;
        continue;
      }
    }
    const char c = ImeCharForBox(mode, code);
    if (static_cast<unsigned char>(c) >= 32) taken.push_back(c);
  }
  return taken;
}

std::string FormatG6(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  std::string text(buffer);
  const size_t e = text.find_first_of("eE");
  if (e == std::string::npos) return text;
  size_t digits = e + 1;
  if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
  const size_t count = text.size() - digits;
  if (count < 3) text.insert(digits, 3 - count, '0');
  return text;
}

std::string NormaliseEditText(EditMode mode, std::string_view text) {
  std::string result;
  if (mode == EditMode::Integer) {
    int64_t value = TextToInt64(text);
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%" PRId64, value);
    result = buffer;
  } else if (mode == EditMode::Decimal) {
    double value = TextToReal(text);
    // Beyond the single-precision range the box keeps the largest value it can
    // hold rather than an infinity no reader would understand.
    if (value > FLT_MAX) value = FLT_MAX;
    if (value < -FLT_MAX) value = -FLT_MAX;
    result = FormatG6(static_cast<double>(static_cast<float>(value)));
  } else {
    return std::string(text);
  }
  if (result == "0") result.clear();
  return result;
}

}  // namespace clicker
