// The design assessment fed arbitrary evaluations (any catalogue core, count, currents,
// frequency, wire and turns, through EvaluateInductor) at an arbitrary ambient and at one
// inside −60…200 °C: either a refusal of a documented kind, or a result that is finite and
// physical, with the winding no hotter than 500 °C.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_design.h"
#include "magnetics/evaluate_inductor.h"

namespace {

void CheckAssessment(const qiro::InductorEvaluation& e, double ambient) {
  using namespace qiro;
  AssessmentRefusal kind = AssessmentRefusal::None;
  const auto a = AssessDesign(e, ambient, kind);
  const bool inRange = ambient >= kLowestAmbient && ambient <= kHighestAmbient;
  if (!a) {
    Check(!a.error().empty(), "refusal without a reason");
    switch (kind) {
      case AssessmentRefusal::InvalidInput:
      case AssessmentRefusal::WindingDoesNotFit:
      case AssessmentRefusal::LossOutsideModel:
        break;
      case AssessmentRefusal::NoSteadyTemperature:
        // Below the limit the iteration settles long before its last round.
        Check(a.error() == "the winding would pass 500 °C: no steady temperature",
              "a temperature that neither settles nor runs away");
        break;
      case AssessmentRefusal::None:
        Check(false, "refused with the kind None");
    }
    if (!inRange) Check(kind == AssessmentRefusal::InvalidInput, "ambient out of range not refused as input");
    return;
  }
  Check(inRange, "assessed at an ambient outside -60..200 °C");
  Check(kind == AssessmentRefusal::None, "an accepted result with a refusal kind");
  for (double v : {a->BuildThickness, a->WoundOuterDiameter, a->WoundHeight, a->SurfaceArea,
                   a->DowellFactor, a->CopperLossDc, a->CopperLossAc, a->CoreLoss, a->TotalLoss,
                   a->TemperatureRise, a->WindingTemperature, a->InductanceRetention}) {
    Check(std::isfinite(v), "a non-finite assessment");
  }
  Check(a->Layers >= 1, "fewer than one layer");
  Check(a->SurfaceArea > 0, "no surface");
  Check(a->TemperatureRise >= 0, "a negative rise");
  Check(a->WindingTemperature <= kHottestWinding, "a winding above 500 °C");
  Check(a->CopperLossAc >= 0 && a->CopperLossDc >= 0 && a->CoreLoss >= 0, "a negative loss");
  Check(a->DowellFactor >= 1 - 1e-6, "a Dowell factor below 1");
  Check(a->TemperatureRounds >= 1 && a->TemperatureRounds <= kMostTemperatureRounds,
        "rounds out of count");
  // The result is the fixed point: the rise its own losses give (within the rounding noise
  // the iteration may end in).
  const double rise = std::pow(1000 * a->TotalLoss / a->SurfaceArea, kRiseExponent);
  Check(std::abs(ambient + rise - a->WindingTemperature) <= kTemperatureJitter,
        "the temperature does not reproduce itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qiro;
  static const bool built = (InitCoreData(), true);
  (void)built;
  Reader in{data, size};
  const FuzzDesign design = FuzzDesign::Take(in);
  const auto scaled = in.Take<std::uint16_t>();
  const auto ambient = in.Take<double>();
  const auto e = design.Evaluate();
  if (!e) return 0;
  // Any double, and one spread over the range the assessment takes.
  CheckAssessment(*e, ambient);
  const double inside = kLowestAmbient + (kHighestAmbient - kLowestAmbient) * (scaled / 65535.0);
  CheckAssessment(*e, inside);

  // A few points of the temperature curve: each drawn rise keeps the winding below the limit.
  const TemperatureCurve curve = TemperatureRiseCurve(*e, inside, 3);
  for (const CurvePoint& p : curve.Points) {
    Check(std::isfinite(p.X) && std::isfinite(p.Y), "a non-finite curve point");
    Check(inside + p.Y <= kHottestWinding + 1e-9, "a curve point above 500 °C");
  }
  Check(curve.Incomplete == (curve.RunawayFrom.has_value() || curve.OtherGaps),
        "a gap in the curve without its reason");
  return 0;
}
