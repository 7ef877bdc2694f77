#include "magnetics/formulas.h"

#include <cmath>

#include "magnetics/bias_permeability.h"
#include "text/float_range.h"

namespace qiro {

// Every operand is promoted to double before the formula: float × float would round each
// intermediate product and change the stored result in the last bit.

float FieldStrengthOe(std::int16_t Turns, float Current, const CoreRecord& Core) {
  return ToFloat32(static_cast<double>(Turns) * 1.25664 * static_cast<double>(Current) /
                   static_cast<double>(Core.PathLength));
}

float InductanceAtCurrent(std::int16_t Turns, const CoreRecord& Core, float Current) {
  const double n = static_cast<double>(static_cast<float>(Turns));
  const double al = static_cast<double>(Core.InductanceFactor);
  if (Current == 0.0f) return ToFloat32(n * al * n / 1000);
  const float h = FieldStrengthOe(Turns, Current, Core);
  const double p = static_cast<double>(BiasPermeability(Core.Permeability, Core.Series, h));
  return ToFloat32(n * al * n * p / 100000);
}

float BareWireDiameter(float Current) {
  const float a = ToFloat32(static_cast<double>(Current) / 8);
  return ToFloat32(2 * std::sqrt(static_cast<double>(a) / 3.1416));
}

float EnamelThickness(float WireDiameter) {
  return ToFloat32(static_cast<double>(WireDiameter) * 0.045 + 0.007);
}

}  // namespace qiro
