#pragma once
#include <cstdint>

#include "core-data/core_record.h"

namespace qiro {

// Field strength (Oe) a winding drives into a core: N × 1.25664 × I ÷ path length.
float FieldStrengthOe(std::int16_t Turns, float Current, const CoreRecord& Core);

// Inductance (μH) of a winding at a DC current, including the bias drop of the material.
float InductanceAtCurrent(std::int16_t Turns, const CoreRecord& Core, float Current);

// Copper diameter (mm) for a current at 8 A/mm².
float BareWireDiameter(float Current);

// Enamel allowance (mm) to add to a bare diameter.
float EnamelThickness(float WireDiameter);

}  // namespace qiro
