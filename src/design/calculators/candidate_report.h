#pragma once
// The details of one proposed design: evaluated in full, described in fourteen lines.
#include <string>

#include "design/calculators/grouped_core_search.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"

namespace qiro {

// The candidate's core stack and winding at its currents, without frequency or ripple.
Outcome<InductorEvaluation> EvaluateCandidate(const SelectionCandidate& candidate);

// Fourteen lines joined by CR LF, none after the last: core, dimensions, AL, path,
// cross-section, an empty line, wire, turns, density, resistance, copper loss and the
// inductance at 0 A, at the average and at the peak current.
std::string DescribeCandidate(const InductorEvaluation& evaluation);

}  // namespace qiro
