#pragma once
// A SPICE subcircuit of one designed inductor: the DC resistance in series with an
// inductance that falls with current as the core material's DC-bias model says.
#include <string>
#include <string_view>
#include <vector>

#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"

namespace qiro {

struct SpiceModel {
  std::string SubcircuitName;  // QIRO_<part number>_<turns>T_<cores>
  std::string Text;            // the whole .lib file: ASCII, LF line ends
};

// One point of the flux-linkage table λ(i) = ∫L di.
struct FluxPoint {
  double Current;       // A
  double FluxLinkage;   // μWb (μH × A)
};

// `QIRO_<part number>_<turns>T_<cores>` with every character outside A-Z, a-z, 0-9 and
// `_` (one UTF-8 character at a time) written as `_`: "KMC157060-L", 2 cores and 21 turns
// give QIRO_KMC157060_L_21T_2.
std::string SpiceSubcircuitName(const InductorEvaluation& e);

// The model's modelling range: ±3 × the larger of |peak| and |average| current (A).
double SpiceModelRange(const InductorEvaluation& e);

// The inductance (μH) the model follows at a current, symmetric in I: the bias model
// (InductanceAtCurrent × core count) from the current of 3 Oe on, below it a straight line
// from the report's L@0A to the bias model's value at 3 Oe. Flat beyond the range.
double SpiceModelInductance(const InductorEvaluation& e, double Current);

// λ(i) at 0 A and at breakpoints up to the range (ascending, first point 0 A, 0 μWb).
// Each segment's slope lies within 0.2 % of SpiceModelInductance at every current of it.
// Refuses designs whose inductance is not positive and finite over the range.
Outcome<std::vector<FluxPoint>> SpiceFluxTable(const InductorEvaluation& e);

// The subcircuit text. ProgramVersion goes into the header (non-ASCII and control
// characters are replaced). Refuses designs that cannot be modelled; never writes inf or nan.
Outcome<SpiceModel> MakeSpiceModel(const InductorEvaluation& e, std::string_view ProgramVersion);

}  // namespace qiro
