#include "magnetics/winding_search.h"

#include <cmath>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

// Round half to even at one decimal.
double RoundOneDecimal(double value) { return RoundHalfEven(value * 10) / 10; }

float ReadBack(double value, const char* pattern) {
  return ToFloat32(LeadingNumber(PatternText(value, pattern)));
}

}  // namespace

Outcome<WindingChoice> WindingSearch(float Current, float TargetDensity) {
  using Result = Outcome<WindingChoice>;
  if (!(std::isfinite(Current) && Current > 0)) return Result::Fail("Current must be above 0");
  if (!(std::isfinite(TargetDensity) && TargetDensity > 0))
    return Result::Fail("TargetDensity must be above 0");

  const double current = static_cast<double>(Current);
  const double target = static_cast<double>(TargetDensity);
  const float required = ToFloat32(std::pow(4 * current / (3.1415926 * target), 0.5));
  float diameter = 2.0f;
  WindingChoice choice;
  for (int attempt = 1; attempt <= 18; ++attempt) {
    const double dd = static_cast<double>(diameter);
    const float estimate =
        ToFloat32(std::pow(static_cast<double>(required), 2) / std::pow(dd, 2));
    const auto rounded = ToInteger16(static_cast<double>(estimate));
    if (!rounded) return Result::Fail("Current needs more strands than a 16-bit count holds");
    const std::int16_t strands = *rounded == 0 ? std::int16_t{1} : *rounded;
    const double density = ((current * 4 / 3.1415926) / std::pow(dd, 2)) / strands;
    const double excess = density - target;
    choice.Current = Current;
    choice.CurrentDensity = ReadBack(density, "0.00");
    choice.WireDiameter = ReadBack(dd, "0.0");
    choice.StrandCount = strands;
    if (!std::isfinite(choice.CurrentDensity))
      return Result::Fail("Current gives a density beyond the 32-bit float range");
    if (excess > 0 && excess <= 0.15) break;
    diameter = ToFloat32(RoundOneDecimal(dd) - 0.1);
  }
  return Result::Ok(choice);
}

}  // namespace qiro
