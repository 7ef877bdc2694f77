// The assessment in a converter fed arbitrary converters (any topology, any inputs) and
// arbitrary wound designs: either a refusal (the converter cannot run, or the assessment's
// own kinds), or a result that is finite and physical: losses not negative, the winding no
// hotter than 500 °C, its temperature the one its losses give, the highest current at least
// the converter's own, the ripple's harmonics adding up to no more than the ripple's power.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "core-data/catalogue.h"
#include "design/analysis/converter_operation.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qiro;
  static const bool built = (InitCoreData(), true);
  (void)built;
  Reader in{data, size};
  Converter converter;
  converter.Kind = static_cast<Topology>(in.Take<std::uint8_t>() % 8);
  for (float& input : converter.Inputs) input = in.Take<float>();
  const CoreRecord& core = CatalogueSlot(static_cast<int>(in.Take<std::uint16_t>() % CatalogueSize) + 1);
  const float count = in.Take<float>();
  const float wire = in.Take<float>();
  const auto strands = in.Take<std::int16_t>();
  const auto turns = in.Take<std::int16_t>();
  const double ambient = kLowestAmbient + (kHighestAmbient - kLowestAmbient) *
                                              (in.Take<std::uint16_t>() / 65535.0);

  const auto op = OperateConverter(converter);
  if (!op) {
    Check(!op.error().empty(), "a converter refused without a reason");
    return 0;
  }
  Check(op->DesignCurrent > 0 && std::isfinite(op->DesignCurrent), "a design current that is not positive");
  Check(op->RippleFrequencyKHz > 0, "no ripple frequency");
  AssessmentRefusal kind = AssessmentRefusal::None;
  const auto a = AssessInConverter(*op, core, count, wire, strands, turns, ambient, kind);
  if (!a) {
    Check(!a.error().empty(), "refusal without a reason");
    Check(kind != AssessmentRefusal::None, "refused with the kind None");
    if (kind == AssessmentRefusal::NoSteadyTemperature)
      Check(a.error() == "the winding would pass 500 °C: no steady temperature",
            "a temperature that neither settles nor runs away");
    return 0;
  }
  const DesignAssessment& s = a->Assessment;
  const ConverterLoad& l = a->Load;
  for (double v : {s.CopperLossDc, s.CopperLossAc, s.CoreLoss, s.TotalLoss, s.TemperatureRise,
                   s.WindingTemperature, s.InductanceRetention, l.HighestCurrent, l.LargestRipple,
                   l.MeanSquareCurrent, l.CoreLossDensity}) {
    Check(std::isfinite(v), "a non-finite result");
  }
  Check(s.CopperLossAc >= 0 && s.CopperLossDc >= 0 && s.CoreLoss >= 0, "a negative loss");
  Check(s.WindingTemperature <= kHottestWinding, "a winding above 500 °C");
  const double rise = std::pow(1000 * s.TotalLoss / s.SurfaceArea, kRiseExponent);
  Check(std::abs(ambient + rise - s.WindingTemperature) <= kTemperatureJitter,
        "the temperature does not reproduce itself");
  Check(l.HighestCurrent >= op->DesignCurrent * (1 - 1e-9), "a highest current below the converter's");
  Check(l.LargestRipple >= 0, "a negative ripple");
  // Parseval: a triangle of peak-to-peak ΔI carries ΔI²/12 in its AC part, its harmonics
  // no more than that (the largest ripple bounds every instant's).
  double harmonics = 0;
  for (const double h : l.HarmonicSquares) harmonics += h;
  Check(harmonics <= l.LargestRipple * l.LargestRipple / 12 * (1 + 1e-9) + 1e-300,
        "the harmonics carry more than the ripple");
  return 0;
}
