#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

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
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value untouched here: decide between overflow and underflow
    // from the exponent of the leading significant digit.
    const std::string_view mantissa =
        text.substr(span.begin, span.mantissaEnd - span.begin);
    long long firstDigitPower = 0;  // decimal power of the first non-zero digit
    bool seenPoint = false, seenNonZero = false;
    long long integerDigits = 0, leadingZerosAfterPoint = 0;
    for (char c : mantissa) {
      if (c == '.') { seenPoint = true; continue; }
      if (!IsDigit(c)) continue;
      if (!seenNonZero && c == '0') {
        if (seenPoint) ++leadingZerosAfterPoint;
        continue;
      }
      if (!seenNonZero) seenNonZero = true;
      if (!seenPoint) ++integerDigits;
    }
    firstDigitPower = integerDigits > 0 ? integerDigits - 1 : -(leadingZerosAfterPoint + 1);
    long long exponent = 0;
    if (span.end > span.mantissaEnd) {
      std::size_t i = span.mantissaEnd + 1;
      bool negativeExponent = false;
      if (text[i] == '+' || text[i] == '-') { negativeExponent = text[i] == '-'; ++i; }
      for (; i < span.end; ++i) {
        exponent = std::min<long long>(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
      }
      if (negativeExponent) exponent = -exponent;
    }
    value = (firstDigitPower + exponent > 0) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  (void)ptr;
  return negative ? -value : value;
}

std::string StripFraction(std::string mantissa) {
  if (mantissa.find('.') == std::string::npos) return mantissa;
  while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
  if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  return mantissa;
}

// %.<digits>G in the C locale, with the exponent form's letter in upper case.
std::string General(double value, int digits) {
  if (value == 0.0) return "0";  // also writes -0 as "0"
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  const auto e = text.find('e');
  if (e == std::string::npos) return StripFraction(text);
  std::string mantissa = StripFraction(text.substr(0, e));
  std::string exponent = text.substr(e + 1);  // sign and at least two digits, as %G writes
  return mantissa + "E" + exponent;
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
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (text.front() == '-' &&
      std::all_of(text.begin() + 1, text.end(), [](char c) { return c == '0' || c == '.'; })) {
    text.erase(0, 1);
  }
  return text;
}

}  // namespace qiro
