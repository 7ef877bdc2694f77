#pragma once
#include <cstdint>
#include <string_view>

namespace qiro {

// Core loss per volume (mW/cm³) at a frequency (kHz) and a flux density swing (gauss).
// A series/permeability pair without a formula gives 0. The "KME" polynomial turns
// negative outside about 0.44..316 kHz; the value is returned as computed and callers
// decide how to show it.
float CoreLossDensity(std::int16_t Permeability, std::string_view Series, float FrequencyKHz,
                      float FluxSwing);

}  // namespace qiro
