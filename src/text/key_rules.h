#pragma once
// Which typed characters reach a numeric field. Key codes are character codes:
// backspace 8, Enter 13, space 32, "-" 45, "." 46, digits 48 to 57.
#include <cstddef>
#include <string_view>

namespace qiro {

constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeySpace = 32;
constexpr int kKeyMinus = 45;

// Digits, the decimal point and backspace.
constexpr bool NumericKeyFilter(int key) {
  return (key >= '0' && key <= '9') || key == '.' || key == kKeyBackspace;
}

// The numeric filter and one minus sign, where it leads the number: typed at the start of the
// text, or over a selection that starts there, with no other minus left after it. `text` is
// the field's text before the key, `position` where the key goes in (the selection's start
// when there is one) and `selected` the length of the selection it replaces.
constexpr bool SignedNumericKeyFilter(int key, std::u16string_view text, std::size_t position,
                                      std::size_t selected) {
  if (key != kKeyMinus) return NumericKeyFilter(key);
  if (position != 0) return false;
  const std::u16string_view kept = selected < text.size() ? text.substr(selected) : std::u16string_view{};
  return kept.find(u'-') == std::u16string_view::npos;
}

// Digits and backspace.
constexpr bool IntegerKeyFilter(int key) {
  return (key >= '0' && key <= '9') || key == kKeyBackspace;
}

}  // namespace qiro
