#pragma once
#include <cstdint>
#include <string_view>

namespace qiro {

// Permeability left under a DC field, in percent of the initial permeability, for one
// material series and initial permeability. The field is clamped to 3..800 Oe, where every
// curve is finite; a series/permeability pair without a curve gives 0.
float BiasPermeability(std::int16_t Permeability, std::string_view Series, float FieldOe);

}  // namespace qiro
