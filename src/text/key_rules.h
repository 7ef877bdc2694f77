#pragma once
// Which typed characters reach a numeric field. Key codes are character codes:
// backspace 8, Enter 13, space 32, "." 46, digits 48 to 57.

namespace qiro {

constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeySpace = 32;

// Digits, the decimal point and backspace.
constexpr bool NumericKeyFilter(int key) {
  return (key >= '0' && key <= '9') || key == '.' || key == kKeyBackspace;
}

// Digits and backspace.
constexpr bool IntegerKeyFilter(int key) {
  return (key >= '0' && key <= '9') || key == kKeyBackspace;
}

}  // namespace qiro
