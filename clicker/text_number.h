#pragma once

#include <cstdint>
#include <string_view>

namespace clicker {

// Reads a leading decimal number: white space, an optional sign, digits, an
// optional fraction and an optional exponent. Reading stops at the first
// character that does not fit; text without a leading number gives 0.
double TextToReal(std::string_view text);

// Reads an optional sign and leading decimal digits into a 32-bit integer;
// values beyond the 32-bit range saturate at its ends.
int32_t TextToInt(std::string_view text);

// Reads an optional sign and leading decimal digits into a 64-bit integer;
// values beyond the 64-bit range saturate at its ends.
int64_t TextToInt64(std::string_view text);

// Whether the text is empty or holds nothing but white space: no number at
// all, as a box cleared with one space holds.
bool IsBlank(std::string_view text);

// Truncates toward zero to a 64-bit integer and keeps the low 32 bits. Values
// with no 64-bit integer (out of range, infinite, NaN) give the processor's
// "integer indefinite" 0x8000000000000000, whose low half is 0.
int32_t TruncateToInt32(double value);

// Truncates toward zero and stops at the ends of the 32-bit range, so that a
// value beyond it stays on its side; NaN gives 0.
int32_t TruncateSaturated(double value);

}  // namespace clicker
