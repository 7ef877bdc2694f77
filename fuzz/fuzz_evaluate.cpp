// Evaluation and winding search fed arbitrary arguments: either a refusal, or every
// quantity finite.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core-data/catalogue.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_design.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/formulas.h"
#include "magnetics/winding_search.h"
#include "design/calculators/catalogue_fit_search.h"
#include "design/calculators/grouped_core_search.h"
#include "design/calculators/candidate_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qiro;
  static const bool built = (InitCoreData(), true);
  (void)built;
  Reader in{data, size};
  const FuzzDesign design = FuzzDesign::Take(in);
  const auto e = design.Evaluate();
  if (e) {
    for (float v : {e->WindowFill, e->CurrentDensity, e->DcResistance, e->FieldAtPeak,
                    e->InductanceAtZero, e->InductanceAtPeak, e->InductanceAtAverage, e->FluxSwing,
                    e->CoreLoss, e->CopperLoss, e->CopperWeight, e->WireLength}) {
      Check(std::isfinite(v), "EvaluateInductor reported a non-finite quantity");
    }
  } else {
    Check(!e.error().empty(), "refusal without a reason");
  }
  const auto w = WindingSearch(design.average, design.frequency);
  if (w) {
    Check(w->StrandCount >= 1, "no strands");
    Check(std::isfinite(w->CurrentDensity) && std::isfinite(w->WireDiameter), "non-finite winding");
  }
  const float l = InductanceAtCurrent(design.turns, *design.core, design.average);
  (void)l;

  // The searches: every proposal they keep must evaluate to finite numbers.
  const auto grouped = GroupedCoreSearch(MakeGroupedRequest(
      design.average, (design.strands & 1) != 0, (design.strands & 2) != 0, design.peak,
      design.turns,
      static_cast<std::int16_t>(static_cast<std::uint16_t>(design.strands) % 12)));
  if (grouped) {
    for (const SelectionCandidate& candidate : grouped->Candidates) {
      const auto e2 = EvaluateCandidate(candidate);
      Check(!e2 || std::isfinite(e2->InductanceAtPeak), "proposal evaluates to a non-finite value");
      Check(!GroupedResultLine(candidate).empty(), "empty proposal line");
    }
  }
  const auto fit =
      CatalogueFitSearch(design.turns, design.ripple, static_cast<double>(design.wire) * 1000);
  if (fit) Check(fit->size() <= static_cast<std::size_t>(CatalogueSize), "more lines than cores");
  return 0;
}
