#pragma once
// Reading numbers from field texts and writing them back, identically under every
// locale: nothing here consults setlocale, so a user's "," decimal separator never leaks in.
// Every number text of the program, desktop and WebAssembly alike, is read and written here.
#include <cstdint>
#include <string>
#include <string_view>

namespace qiro {

// The value of the decimal number at the start of the text: leading blanks, an optional
// sign, digits with at most one ".", an optional exponent ("E" or "e", sign, digits).
// Reading stops at the first character that cannot continue the number; no number gives 0.
// A magnitude beyond the double range gives an infinity of that sign; callers that store
// the value check its range.
double LeadingNumber(std::string_view text);

// Whether the text, trimmed of blanks at both ends, is exactly one such number.
bool IsNumberText(std::string_view text);

// 7 significant digits for a float, 15 for a double, trailing zeros and a trailing point
// removed, exponent form ("1.234568E+07") exactly where C's %G would switch to it.
// -0 is written "0". Callers never pass an infinity or NaN.
std::string GeneralNumberText(float value);
std::string GeneralNumberText(double value);
std::string GeneralNumberText(std::int64_t value);
inline std::string GeneralNumberText(std::int16_t value) {
  return GeneralNumberText(static_cast<std::int64_t>(value));
}
inline std::string GeneralNumberText(int value) {
  return GeneralNumberText(static_cast<std::int64_t>(value));
}

// The value with the pattern's fixed number of decimals ("0.0", "0.00", "0.000"), rounding
// the exact binary value as C's %.Nf does. A negative value that rounds to zero is written
// without its sign.
std::string PatternText(double value, std::string_view pattern);

// The shortest text that reads back to the same value, in C++'s std::to_chars(value) form:
// plain or exponent notation, whichever is shorter, plain on a tie ("0.1", "1e+15",
// "1.5e-07", "123456789012345683968"); "inf", "-inf", "nan" for the values without digits.
std::string ShortestText(float value);
std::string ShortestText(double value);

// C's %.<digits>g in the "C" locale: the value rounded to that many significant digits,
// trailing zeros removed, "e" and at least two exponent digits where %g switches to them.
std::string PrintfGeneralText(double value, int digits);

}  // namespace qiro
