#pragma once
#include <cstdint>

#include "magnetics/outcome.h"

namespace qiro {

struct WindingChoice {
  float Current = 0;         // A, as passed in
  float CurrentDensity = 0;  // A/mm² of the chosen winding, to two decimals
  float WireDiameter = 0;    // mm per strand, to one decimal
  std::int16_t StrandCount = 0;
};

// The thickest standard wire (2.0 down to 0.3 mm) whose rounded strand count gives a
// density above the target by more than 0 and at most 0.15 A/mm². When no diameter is
// accepted the 0.3 mm candidate is returned; callers compare its density with the target.
// Refused: a current or target that is not positive and finite, or a winding needing more
// strands than a 16-bit count holds.
Outcome<WindingChoice> WindingSearch(float Current, float TargetDensity);

}  // namespace qiro
