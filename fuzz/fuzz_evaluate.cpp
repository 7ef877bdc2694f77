// Evaluation and winding search fed arbitrary arguments: either a refusal, or every
// quantity finite.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core-data/catalogue.h"
#include "fuzz/fuzz_check.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/formulas.h"
#include "magnetics/winding_search.h"
#include "design/catalogue_fit_search.h"
#include "design/grouped_core_search.h"
#include "design/candidate_report.h"

namespace {

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  template <class T>
  T Take() {
    T value{};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qiro;
  static const bool built = (InitCoreData(), true);
  (void)built;
  Reader in{data, size};
  const auto slot = static_cast<int>(in.Take<std::uint16_t>() % CatalogueSize) + 1;
  const CoreRecord& core = CatalogueSlot(slot);
  const auto count = in.Take<float>();
  const auto frequency = in.Take<float>();
  const auto average = in.Take<float>();
  const auto peak = in.Take<float>();
  const auto ripple = in.Take<float>();
  const auto wire = in.Take<float>();
  const auto strands = in.Take<std::int16_t>();
  const auto turns = in.Take<std::int16_t>();
  const auto e = EvaluateInductor(core, core, count, 0, frequency, average, peak, ripple, wire,
                                  strands, turns);
  if (e) {
    for (float v : {e->WindowFill, e->CurrentDensity, e->DcResistance, e->FieldAtPeak,
                    e->InductanceAtZero, e->InductanceAtPeak, e->InductanceAtAverage, e->FluxSwing,
                    e->CoreLoss, e->CopperLoss, e->CopperWeight, e->WireLength}) {
      Check(std::isfinite(v), "EvaluateInductor reported a non-finite quantity");
    }
  } else {
    Check(!e.error().empty(), "refusal without a reason");
  }
  const auto w = WindingSearch(average, frequency);
  if (w) {
    Check(w->StrandCount >= 1, "no strands");
    Check(std::isfinite(w->CurrentDensity) && std::isfinite(w->WireDiameter), "non-finite winding");
  }
  const float l = InductanceAtCurrent(turns, core, average);
  (void)l;

  // The searches: every proposal they keep must evaluate to finite numbers.
  const auto grouped = GroupedCoreSearch(MakeGroupedRequest(
      average, (strands & 1) != 0, (strands & 2) != 0, peak, turns,
      static_cast<std::int16_t>(static_cast<std::uint16_t>(strands) % 12)));
  if (grouped) {
    for (const SelectionCandidate& candidate : grouped->Candidates) {
      const auto e2 = EvaluateCandidate(candidate);
      Check(!e2 || std::isfinite(e2->InductanceAtPeak), "proposal evaluates to a non-finite value");
      Check(!GroupedResultLine(candidate).empty(), "empty proposal line");
    }
  }
  const auto fit = CatalogueFitSearch(turns, ripple, static_cast<double>(wire) * 1000);
  if (fit) Check(fit->size() <= static_cast<std::size_t>(CatalogueSize), "more lines than cores");
  return 0;
}
