#pragma once
// The inductor in its converter: what one of the eight converters drives through it, worked
// out from the converter's own inputs, and a wound design assessed under it.
//
// Method and assumptions:
// - Continuous conduction. Per ripple period the current rises for the fraction D while the
//   volt-seconds λ = V·D/f stand across the winding, so the swing ΔB = 100·λ/(Ae·n·N) gauss
//   does not depend on which inductance the calculator's ripple was computed with, and the
//   ripple is ΔI = λ / L(i), L(i) the inductance under the bias of the instant's current.
// - Core loss: the catalogue's loss stands for a symmetric triangle; a triangle rising for the
//   fraction D loses r(D) = (D^(1−α) + (1−D)^(1−α)) / 2^α times as much (the improved
//   generalised Steinmetz equation, iGSE), α the loss's exponent of frequency.
// - Copper: the line-frequency (or DC) current's mean square, plus the ripple's harmonics
//   h = 1 … 99, each of RMS ΔI·sin(πhD) / (√2·π²·h²·D·(1−D)), in Dowell's factor.
// - PFC and inverter chokes: averaged uniformly over the quarter line cycle θ in (0, π/2)
//   (Gauss–Legendre on panels cut where the bias curve bends, the first in u with θ ∝ u³,
//   which smooths the θ^p behaviour of the loss at the zero crossing). Core data do not depend on temperature; discontinuous conduction is
//   outside the model.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core-data/core_record.h"
#include "design/analysis/design_assessment.h"
#include "design/calculators/converter.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"

namespace qiro {

// One instant of the converter: the line angle θ (0 for the DC converters), the current
// through the inductor, the rise fraction D and the volt-seconds per ripple period.
struct ConverterInstant {
  double Theta = 0;        // rad
  double Current = 0;      // A
  double RiseFraction = 0; // D, 0 < D < 1
  double VoltSeconds = 0;  // V·µs
  double Weight = 1;       // share of the mean; the weights add up to 1
};

struct ConverterOperation {
  Converter Source;
  std::vector<TopologyValue> Results;  // the calculator's own results
  double RippleFrequencyKHz = 0;
  // Where the inductance is required: the average current of the DC converters, the crest of
  // the line current of PFC and inverter chokes (the screens' "L@Ipk" and "L@IL").
  double DesignCurrent = 0;       // A
  double RequiredInductance = 0;  // μH, the calculator's L
  double PeakCurrent = 0;         // A, the calculator's ILpk
  double RippleCurrent = 0;       // A, the calculator's ΔI
  bool LineCycle = false;
  std::vector<ConverterInstant> Instants;  // a DC converter's one instant
};

// The converter's operation; refused naming the input when the calculator refuses it or the
// converter cannot run (a buck whose Vout is not below Vin, a boost whose Vout is not above
// Vin, push-pull or full bridge with D ≥ 0.5, PFC with √2·Vin ≥ Vout, inverter with
// √2·Vout ≥ Vdc).
Outcome<ConverterOperation> OperateConverter(const Converter& converter);

// The instant at line angle θ (PFC and inverter chokes; for a DC converter its one instant).
ConverterInstant InstantAt(const ConverterOperation& operation, double theta);

// What the converter does to a wound stack at one instant.
struct InstantLoad {
  double Current = 0;          // A
  double Inductance = 0;       // μH, L(i)
  double Ripple = 0;           // A, peak to peak
  double FluxSwing = 0;        // gauss
  double CoreLossDensity = 0;  // mW/cm³, with the iGSE factor
  double RiseFraction = 0;
};

// A wound stack (core, stack count, turns) in the converter: all of it is independent of the
// wire, so searches compute it once per stack.
struct ConverterLoad {
  double InductanceAtZero = 0;      // μH
  double CoreLossExponent = 1;      // α at the ripple frequency
  double CoreLossDensity = 0;       // mW/cm³, mean over the instants
  double CoreLoss = 0;              // W
  double MeanSquareCurrent = 0;     // A²
  std::array<double, kHighestRippleHarmonic> HarmonicSquares{};  // A², h at h − 1
  double HighestCurrent = 0;        // A, the largest i + ΔI/2
  double LargestRipple = 0;         // A
  double InductanceAtHighest = 0;   // μH
  double Retention = 0;             // %, L at the highest current of L@0A
};

class ConverterStack {
 public:
  ConverterStack(const ConverterOperation& operation, const CoreRecord& core, float coreCount,
                 std::int16_t turns);
  InstantLoad At(const ConverterInstant& instant) const;
  // Refused for counts or a core that cannot be evaluated, or results that are not finite.
  Outcome<ConverterLoad> Load() const;

 private:
  double InductanceAt(double current) const;
  const ConverterOperation& operation_;
  const CoreRecord& core_;
  float coreCount_;
  std::int16_t turns_;
  float inductanceAtZero_ = 0;
  double alpha_ = 1;
  double igseScale_ = 1;  // 1 / 2^α
  std::vector<ConverterInstant> instants_;  // the quadrature's (one for a DC converter)
};

// The assessment in the converter, with the load it was made under.
struct ConverterAssessment {
  DesignAssessment Assessment;
  ConverterLoad Load;
};

// The winding's resistance and layout from the evaluation, the heat from the converter.
WindingHeat HeatOf(const ConverterLoad& load, const ConverterOperation& operation);

// A design (core, stack, wire, strands, turns) in the converter at an ambient: refused as
// AssessDesign refuses (a winding that does not fit, a loss outside the model, no steady
// temperature), or when the design cannot be evaluated.
Outcome<ConverterAssessment> AssessInConverter(const ConverterOperation& operation,
                                               const CoreRecord& core, float coreCount,
                                               float wireDiameter, std::int16_t strandCount,
                                               std::int16_t turns, double ambientTemperature,
                                               AssessmentRefusal& refusal);

// The evaluation the report shows for a design in the converter: the calculator's numbers
// as the hand-over gives them (average ILpk − ΔI/2, peak ILpk, ripple ΔI, the ripple
// frequency).
Outcome<InductorEvaluation> EvaluateForConverter(const ConverterOperation& operation,
                                                 const CoreRecord& core, float coreCount,
                                                 float wireDiameter, std::int16_t strandCount,
                                                 std::int16_t turns);

// The quarter line cycle of a PFC or inverter choke on a wound stack, for drawing: the current,
// L(i), the ripple and the core-loss density at `points` angles (degrees, at the middles of
// equal steps from 0° to 90°). Empty for a DC converter or a stack that cannot carry it.
struct LineCyclePoint {
  double Degrees = 0;
  double Current = 0;          // A
  double Inductance = 0;       // μH
  double Ripple = 0;           // A, peak to peak
  double CoreLossDensity = 0;  // mW/cm³
};
std::vector<LineCyclePoint> LineCycleCurve(const ConverterOperation& operation,
                                           const CoreRecord& core, float coreCount,
                                           std::int16_t turns, int points = 90);

// A short summary for the screens: "PFC，500 W，220 V → 400 V，65 kHz" and the like.
std::string ConverterSummary(const Converter& converter);

}  // namespace qiro
