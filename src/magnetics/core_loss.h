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

// The exponent α of frequency in the loss at a frequency (kHz): the power law's own, or for
// the "KME" polynomial f·g′(f)/g(f), limited to 1…2 (outside that range the polynomial is no
// power law). 1 for a pair without a formula, whose loss is 0 anyway.
double CoreLossFrequencyExponent(std::int16_t Permeability, std::string_view Series,
                                 float FrequencyKHz);

}  // namespace qiro
