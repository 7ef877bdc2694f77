#include "text/float_range.h"

#include <cmath>

namespace qiro {

float ToFloat32(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  // Values a little above FLT_MAX still round to it; only those beyond the
  // halfway point to the next (unrepresentable) power overflow.
  constexpr double kOverflow = kMax + 0x1p103;  // FLT_MAX + half an ulp
  if (value >= kOverflow) return std::numeric_limits<float>::infinity();
  if (value <= -kOverflow) return -std::numeric_limits<float>::infinity();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

bool FitsFloat32(double value) { return std::isfinite(ToFloat32(value)); }

double RoundHalfEven(double value) {
  const double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) return whole + 1.0;
  return whole;
}

std::optional<std::int16_t> ToInteger16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // Range first: the conversion of an out-of-range double is undefined.
  if (value < -32768.5 || value > 32767.5) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace qiro
