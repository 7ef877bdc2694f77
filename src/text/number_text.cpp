#include "text/number_text.h"

// Two of Debian's header-only libraries stand in for std::from_chars and std::to_chars,
// whose floating-point forms the WebAssembly toolchain's C++ library (libc++ 14) lacks, so
// that the desktop and the web page read and write every number with the same code.
// fast_float reads with correct rounding; it writes nothing. fmt writes the shortest digits
// that read back (Dragonbox) and rounds a fixed precision exactly; it reads nothing. Neither
// consults the C locale.
#include <algorithm>
#include <cmath>
#include <limits>

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

namespace qiro {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct NumberSpan {
  std::size_t begin = 0;       // first character of the number (sign included)
  std::size_t end = 0;         // one past the last character taken
  std::size_t mantissaEnd = 0; // one past the mantissa (exponent excluded)
  bool found = false;
};

// Scans the longest number starting at `pos`.
NumberSpan ScanNumber(std::string_view text, std::size_t pos) {
  NumberSpan span;
  span.begin = pos;
  std::size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  if (i < text.size() && text[i] == '.') {
    std::size_t j = i + 1;
    std::size_t fractionDigits = 0;
    while (j < text.size() && IsDigit(text[j])) { ++j; ++fractionDigits; }
    // A lone point is no number, but "5." is five.
    if (digits + fractionDigits > 0) { i = j; digits += fractionDigits; }
  }
  if (digits == 0) return span;
  span.found = true;
  span.mantissaEnd = i;
  span.end = i;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t firstExponentDigit = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > firstExponentDigit) span.end = j;
  }
  return span;
}

double ValueOf(std::string_view text, const NumberSpan& span) {
  std::string_view number = text.substr(span.begin, span.end - span.begin);
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  // The nearest double: beyond the double range an infinity, below it zero.
  double value = 0.0;
  fast_float::from_chars(number.data(), number.data() + number.size(), value);
  return negative ? -value : value;
}

std::string StripFraction(std::string mantissa) {
  if (mantissa.find('.') == std::string::npos) return mantissa;
  while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
  if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  return mantissa;
}

// %.<digits>g in the C locale. Writing into a plain array is the fast way with fmt (a
// bounded writer takes twice as long); 40 digits need at most 48 characters.
std::string PrintfGeneral(double value, int digits) {
  if (digits > 40) return fmt::format(FMT_COMPILE("{:.{}g}"), value, digits);
  char buffer[64];
  return std::string(buffer, fmt::format_to(buffer, FMT_COMPILE("{:.{}g}"), value, std::max(digits, 0)));
}

// %.<digits>G in the C locale, with trailing zeros and a trailing point removed.
std::string General(double value, int digits) {
  if (value == 0.0) return "0";  // also writes -0 as "0"
  const std::string text = PrintfGeneral(value, digits);
  const auto e = text.find('e');
  if (e == std::string::npos) return StripFraction(text);
  std::string mantissa = StripFraction(text.substr(0, e));
  std::string exponent = text.substr(e + 1);  // sign and at least two digits, as %G writes
  return mantissa + "E" + exponent;
}

// The shortest digits that read back (fmt's Dragonbox: the closest of the shortest), laid out
// in std::to_chars's choice of form: the digit count and the decimal power of the first digit
// decide the lengths of both. Dragonbox is reached in fmt's detail namespace: through fmt's
// own formatting and reading its text back, a float took 1.6 times the instructions of
// std::to_chars; this way as many (a reply writes dozens).
template <class Float>
std::string Shortest(Float value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char out[64];
  char* o = out;
  if (std::signbit(value)) *o++ = '-';
  if (value == 0) {
    *o++ = '0';
    return std::string(out, o);
  }
  const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(value));
  auto significand = decimal.significand;
  int exponent = decimal.exponent;
  while (significand % 10 == 0) {
    significand /= 10;
    ++exponent;
  }
  char digits[24];
  int n = 0;
  for (; significand != 0; significand /= 10) digits[n++] = static_cast<char>('0' + significand % 10);
  std::reverse(digits, digits + n);
  const int power = exponent + n - 1;  // of the first digit

  const int magnitude = power < 0 ? -power : power;
  const int scientificLength = n + (n > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
  const int plainLength = power >= n - 1 ? power + 1 : power >= 0 ? n + 1 : n + 1 - power;
  if (plainLength > scientificLength) {
    *o++ = digits[0];
    if (n > 1) {
      *o++ = '.';
      o = std::copy(digits + 1, digits + n, o);
    }
    *o++ = 'e';
    *o++ = power < 0 ? '-' : '+';
    if (magnitude >= 100) *o++ = static_cast<char>('0' + magnitude / 100);
    *o++ = static_cast<char>('0' + magnitude / 10 % 10);
    *o++ = static_cast<char>('0' + magnitude % 10);
  } else if (power >= n - 1) {
    // A whole number, written with its exact digits rather than the shortest ones padded
    // with zeros; at most 23 of them, or the exponent form would be shorter.
    o = fmt::format_to(o, FMT_COMPILE("{:.0f}"), std::fabs(static_cast<double>(value)));
  } else if (power >= 0) {
    o = std::copy(digits, digits + power + 1, o);
    *o++ = '.';
    o = std::copy(digits + power + 1, digits + n, o);
  } else {
    *o++ = '0';
    *o++ = '.';
    o = std::fill_n(o, -power - 1, '0');
    o = std::copy(digits, digits + n, o);
  }
  return std::string(out, o);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  const NumberSpan span = ScanNumber(text, pos);
  if (!span.found) return 0.0;
  return ValueOf(text, span);
}

bool IsNumberText(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  if (first == last) return false;
  const NumberSpan span = ScanNumber(text, first);
  return span.found && span.end == last;
}

std::string GeneralNumberText(float value) { return General(static_cast<double>(value), 7); }
std::string GeneralNumberText(double value) { return General(value, 15); }
std::string GeneralNumberText(std::int64_t value) { return std::to_string(value); }

std::string PatternText(double value, std::string_view pattern) {
  const auto point = pattern.find('.');
  const int decimals = point == std::string_view::npos
                           ? 0
                           : static_cast<int>(pattern.size() - point - 1);
  std::string text = fmt::format(FMT_COMPILE("{:.{}f}"), value, decimals);
  if (text.front() == '-' &&
      std::all_of(text.begin() + 1, text.end(), [](char c) { return c == '0' || c == '.'; })) {
    text.erase(0, 1);
  }
  return text;
}

std::string ShortestText(float value) { return Shortest(value); }
std::string ShortestText(double value) { return Shortest(value); }

std::string PrintfGeneralText(double value, int digits) { return PrintfGeneral(value, digits); }

}  // namespace qiro
