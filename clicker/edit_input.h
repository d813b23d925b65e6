#pragma once

#include <string>
#include <string_view>

namespace clicker {

// How an edit box treats what the user types; fixed when the box is made.
enum class EditMode {
  Plain,
  ReadOnly,
  Integer,  // coordinates: control characters, "-" and digits
  Decimal,  // count, interval, frequency: also "."
};

// Whether a typed character (as WM_CHAR delivers it) goes into a box of the mode.
bool AcceptsTypedChar(EditMode mode, unsigned char c);

// A character that reached a box through an input method (WM_IME_CHAR), as a
// code-page 936 code: a single byte, or a double-byte character with its lead
// byte in bits 8..15. Returns the character the box takes: the same rule as
// for typed characters, with the full-width digits, minus and point taken as
// their ASCII twins; 0 when the box drops it.
char ImeCharForBox(EditMode mode, unsigned code);

// What a box takes of a composition result (code-page 936 text), by the same rule.
std::string ComposedTextForBox(EditMode mode, std::string_view text);

// What a box takes of pasted text (code-page 936): the rule of composed text,
// up to the first line break and without control characters; a decimal box
// keeps the exponent of a number ("3e+009", as it writes it), an integer box
// ends the number there. So "1,000" goes in as 1000, not as a number the box
// would read as 1.
std::string PastedTextForBox(EditMode mode, std::string_view text);

// The "%.6g" form of a value, with the exponent written with at least three
// digits whatever C runtime is linked: 1234567 gives "1.23457e+006".
std::string FormatG6(double value);

// What a numeric box holds after it loses the focus. Integer: the text's
// leading integer clamped to 32 bits, in decimal. Decimal: the text's value
// rounded to single precision, in "%.6g" form. A result of "0" becomes empty.
// Other modes keep their text.
std::string NormaliseEditText(EditMode mode, std::string_view text);

}  // namespace clicker
