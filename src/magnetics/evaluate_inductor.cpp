#include "magnetics/evaluate_inductor.h"

#include <cmath>
#include <initializer_list>

#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"
#include "text/float_range.h"

namespace qiro {
namespace {

double D(float v) { return static_cast<double>(v); }

}  // namespace

float WindingField(const CoreRecord& Core, std::int16_t Turns, float Current) {
  const double N = Turns;
  return ToFloat32(N * 1.2566370400000002 * D(Current) / D(Core.PathLength));
}

float StackInductanceAtZero(const CoreRecord& Core, float CoreCount, std::int16_t Turns) {
  const double N = Turns;
  return ToFloat32(N * N * D(Core.InductanceFactor) / 1000 * D(CoreCount));
}

float InductanceUnderBias(float InductanceAtZero, float PermeabilityPercent) {
  return ToFloat32(D(InductanceAtZero) / 100 * D(PermeabilityPercent));
}

Outcome<InductorEvaluation> EvaluateInductor(const CoreRecord& Core, const CoreRecord& SecondCore,
                                             float CoreCount, float SecondCoreCount,
                                             float FrequencyKHz, float AverageCurrent,
                                             float PeakCurrent, float RippleCurrent,
                                             float WireDiameter, std::int16_t StrandCount,
                                             std::int16_t Turns) {
  using Result = Outcome<InductorEvaluation>;
  if (Turns < 1) return Result::Fail("Turns must be at least 1");
  if (StrandCount < 1) return Result::Fail("StrandCount must be at least 1");
  if (!(std::isfinite(CoreCount) && CoreCount > 0)) return Result::Fail("CoreCount must be above 0");
  if (SecondCoreCount != 0.0f)
    return Result::Fail("SecondCoreCount must be 0: a stack of two core types is not evaluated");
  if (!(std::isfinite(WireDiameter) && WireDiameter > 0))
    return Result::Fail("WireDiameter must be above 0");
  if (!(std::isfinite(FrequencyKHz) && FrequencyKHz >= 0))
    return Result::Fail("FrequencyKHz must be 0 or more");
  if (!std::isfinite(AverageCurrent)) return Result::Fail("AverageCurrent must be finite");
  if (!std::isfinite(PeakCurrent)) return Result::Fail("PeakCurrent must be finite");
  if (!std::isfinite(RippleCurrent)) return Result::Fail("RippleCurrent must be finite");
  if (!(Core.PathLength > 0 && Core.CrossSection > 0 && Core.WindowArea > 0))
    return Result::Fail("Core has no path length, cross-section or window area");

  InductorEvaluation e;
  e.Core = Core;
  e.SecondCore = SecondCore;
  e.CoreCount = CoreCount;
  e.SecondCoreCount = SecondCoreCount;
  e.FrequencyKHz = FrequencyKHz;
  e.AverageCurrent = AverageCurrent;
  e.PeakCurrent = PeakCurrent;
  e.RippleCurrent = RippleCurrent;
  e.WireDiameter = WireDiameter;
  e.StrandCount = StrandCount;
  e.Turns = Turns;

  const double N = Turns;
  const double k = StrandCount;
  const double d = D(WireDiameter);
  const double n = D(CoreCount);

  e.WindowFill = ToFloat32(((d * d * 0.78539815) * k * N) / D(Core.WindowArea));
  e.FieldAtPeak = WindingField(Core, Turns, PeakCurrent);
  e.FieldAtAverage = WindingField(Core, Turns, AverageCurrent);
  e.CurrentDensity = ToFloat32(D(AverageCurrent) / ((d * d * 0.78539815) * k));
  e.CoreVolume = ToFloat32(D(Core.Volume) * n);
  e.PermeabilityAtPeak = BiasPermeability(Core.Permeability, Core.Series, e.FieldAtPeak);
  e.PermeabilityAtAverage = BiasPermeability(Core.Permeability, Core.Series, e.FieldAtAverage);
  e.InductanceAtZero = StackInductanceAtZero(Core, CoreCount, Turns);
  e.InductanceAtPeak = InductanceUnderBias(e.InductanceAtZero, e.PermeabilityAtPeak);
  e.InductanceAtAverage = InductanceUnderBias(e.InductanceAtZero, e.PermeabilityAtAverage);
  e.FluxSwing = ToFloat32(D(e.InductanceAtPeak) * D(RippleCurrent) /
                          (D(Core.CrossSection) * n * N) * 100);
  e.CoreLossPerVolume =
      CoreLossDensity(Core.Permeability, Core.Series, FrequencyKHz, e.FluxSwing);
  e.CoreLoss = ToFloat32(D(Core.Volume) * D(e.CoreLossPerVolume) * n / 1000);
  e.WireLength = ToFloat32(((D(Core.CoatedHeight) + D(Core.CoatedHeight)) * n +
                            (D(Core.CoatedOuterDiameter) - D(Core.CoatedInnerDiameter))) *
                           N * 1.11 / 1000);
  e.DcResistance = ToFloat32(
      ((1.706e-8 * D(e.WireLength)) / (((d * d * 3.1415926) / 1000000) / 4) / k) * 1000);
  e.CopperWeight = ToFloat32(((d * d * (D(e.WireLength) * 3.1415926)) / 4) * 8.9 * k);
  e.CopperLoss = ToFloat32(D(AverageCurrent) * D(AverageCurrent) * D(e.DcResistance) / 1000);

  for (float v : {e.CoreVolume, e.WindowFill, e.CurrentDensity, e.DcResistance, e.FieldAtPeak,
                  e.FieldAtAverage, e.PermeabilityAtPeak, e.PermeabilityAtAverage,
                  e.InductanceAtZero, e.InductanceAtPeak, e.InductanceAtAverage, e.FluxSwing,
                  e.CoreLossPerVolume, e.CoreLoss, e.CopperLoss, e.CopperWeight, e.WireLength}) {
    if (!std::isfinite(v)) return Result::Fail("the design leaves the 32-bit float range");
  }
  return Result::Ok(std::move(e));
}

}  // namespace qiro
