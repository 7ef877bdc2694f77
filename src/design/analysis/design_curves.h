#pragma once
// The points of a design's curves: inductance against DC current, the permeability left
// under a DC field, and core loss against frequency. Every point comes from the functions
// the design report uses (EvaluateInductor, BiasPermeability), so each curve passes
// through the numbers the report shows.
#include <cstdint>
#include <optional>
#include <vector>

#include "core-data/core_record.h"
#include "design/calculators/converter.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"

namespace qiro {

// One stack of identical cores with its winding at an operating point: what the screens
// pass to EvaluateInductor for their reports.
struct CurveDesign {
  CoreRecord Core;
  float CoreCount = 1;
  float FrequencyKHz = 0;
  float AverageCurrent = 0;  // A
  float PeakCurrent = 0;     // A
  float RippleCurrent = 0;   // A, peak to peak
  float WireDiameter = 0;    // mm, one strand
  std::int16_t StrandCount = 1;
  std::int16_t Turns = 1;
  // The converter the design was found for: PFC and inverter chokes add the quarter line cycle.
  std::optional<Converter> InConverter;

  bool operator==(const CurveDesign&) const = default;
};

struct CurvePoint {
  double X = 0;
  double Y = 0;

  bool operator==(const CurvePoint&) const = default;
};

// Why a chart has no curve to draw.
enum class CurveGap {
  None,
  NoCurrent,     // neither current is above 0: there is no current range to sweep
  NoBiasModel,   // the material has no DC-bias curve (every value is 0)
  NoFluxSwing,   // no ripple, so the flux does not swing and the core loses nothing
  NoLossModel,   // the loss model gives no positive loss anywhere in the range
};

inline constexpr int kCurvePoints = 161;

// Lower ends of the swept ranges: a logarithmic axis needs a positive start, and fields or
// frequencies below these are not worth a decade of their own.
inline constexpr double kLowestField = 0.01;        // Oe
inline constexpr double kLowestFrequency = 0.01;    // kHz

// L (μH) against DC current (A) up to twice the larger of the peak and average current: the
// report's inductance at each current. At exactly 0 A the model drops the bias altogether
// (the report's "L@0A"), so that point stands apart from the curve.
struct InductanceCurve {
  std::vector<CurvePoint> Points;
  CurvePoint Zero;     // 0 A and the report's "L@0A"
  CurvePoint Average;  // the report's L at the average current
  CurvePoint Peak;     // and at the peak current
  CurveGap Gap = CurveGap::None;
};

// Permeability left (%) against field strength (Oe), over the model's 3..800 Oe widened to
// the design's own fields (the model holds its end values outside that range).
struct PermeabilityCurve {
  std::vector<CurvePoint> Points;
  CurvePoint Average;  // the design's field and permeability at the average current
  CurvePoint Peak;     // and at the peak current
  CurveGap Gap = CurveGap::None;
};

// Core loss of the whole stack (W) against frequency (kHz) at the design's flux swing,
// logarithmically from 1 kHz (or half the design frequency) to 1 MHz (or twice it).
// Frequencies where the loss model gives no positive loss are left out.
struct LossCurve {
  std::vector<CurvePoint> Points;
  std::optional<CurvePoint> Design;  // the report's core loss at the design frequency
  float FluxSwing = 0;               // gauss, peak to peak
  bool OutsideModel = false;         // some frequencies of the range were left out
  CurveGap Gap = CurveGap::None;
};

struct DesignCurveSet {
  InductorEvaluation Evaluation;  // the design itself, as its report shows it
  InductanceCurve Inductance;
  PermeabilityCurve Permeability;
  LossCurve Loss;
};

// The design evaluated as its report evaluates it.
Outcome<InductorEvaluation> EvaluateCurveDesign(const CurveDesign& design);

// Refused (with EvaluateInductor's reason) when the design itself cannot be evaluated.
// Single points that leave the float range are left out of their curve.
Outcome<DesignCurveSet> MakeDesignCurves(const CurveDesign& design, int points = kCurvePoints);

// `count` values from `from` to `to` (both included), evenly spaced on a logarithmic scale.
// Both ends must be positive.
std::vector<double> LogSpaced(double from, double to, int count);

}  // namespace qiro
