#include "design/calculators/turn_bounds.h"

#include "text/float_range.h"

namespace qiro {

float InductanceCeiling(std::int16_t Turns, const CoreRecord& Core) {
  // Same operand order as InductanceAtCurrent, with the ceiling in place of the bias
  // percentage: every step is monotonic, so the rounded results keep their order.
  const double n = static_cast<double>(static_cast<float>(Turns));
  return ToFloat32(n * static_cast<double>(Core.InductanceFactor) * n *
                   kBiasPermeabilityCeiling / 100000);
}

}  // namespace qiro
