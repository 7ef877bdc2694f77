#pragma once
// Conversions between the 64-bit values formulas produce and the 32-bit floats and
// 16-bit counts the program stores. A plain cast of an out-of-range double is undefined
// behaviour, so every narrowing goes through here.
#include <cstdint>
#include <limits>
#include <optional>

namespace qiro {

// The double rounded to the nearest float; beyond the float range it becomes an
// infinity of the same sign (never undefined behaviour), NaN stays NaN.
float ToFloat32(double value);

// True when the value is finite and, rounded to a float, still finite.
bool FitsFloat32(double value);

// The nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), as a double.
double RoundHalfEven(double value);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Empty when the rounded value lies outside -32768..32767 or the value is not finite.
std::optional<std::int16_t> ToInteger16(double value);

}  // namespace qiro
