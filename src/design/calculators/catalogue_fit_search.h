#pragma once
// The toroidal core selection: every catalogue core that reaches the inductance per core
// at the peak current with a winding of 8 A/mm² that fits 55 % of the core's hole.
#include <cstdint>
#include <string>
#include <vector>

#include "magnetics/outcome.h"

namespace qiro {

// The wire column: the bare diameter with two decimals, " 建议多股线" from 2 mm on.
std::string FitWireText(float bareDiameter);

// One line per fitting core, in catalogue order: part number, coated outer and inner
// diameter and height, turns and ">" with the wire text, separated by two TABs each.
// Refused: a core count below 1, a current that is not above 0 and finite, an inductance
// per core that is not above 0 or leaves the 32-bit float range.
Outcome<std::vector<std::string>> CatalogueFitSearch(std::int16_t coreCount, float current,
                                                     double inductance);

}  // namespace qiro
