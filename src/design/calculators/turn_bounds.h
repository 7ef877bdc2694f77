#pragma once
// Cheap upper bounds that let the core searches skip turn counts whose inductance cannot
// reach the target, without calling the bias model. Skipping must never change a result,
// so the bound is only ever compared with "below the target".
#include <cstdint>

#include "core-data/core_record.h"

namespace qiro {

// No bias curve of the catalogue's materials exceeds 100.1 % anywhere on its 3..800 Oe
// range (the design tests sample every curve densely); 105 % leaves a wide margin.
inline constexpr double kBiasPermeabilityCeiling = 105.0;

// At least InductanceAtCurrent(Turns, Core, any current) for every catalogue core.
float InductanceCeiling(std::int16_t Turns, const CoreRecord& Core);

}  // namespace qiro
