#include "design/analysis/design_curves.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "magnetics/bias_permeability.h"
#include "text/float_range.h"

namespace qiro {
namespace {

// The model's own field range; outside it the curve keeps its end values.
constexpr double kModelFieldFrom = 3;
constexpr double kModelFieldTo = 800;
// Switching frequencies the loss chart always covers.
constexpr double kFrequencyFrom = 1;
constexpr double kFrequencyTo = 1000;

double D(float v) { return static_cast<double>(v); }

// The design with one argument changed, evaluated as the report evaluates it.
Outcome<InductorEvaluation> EvaluateAt(const CurveDesign& d, float frequencyKHz,
                                       float averageCurrent, float rippleCurrent) {
  return EvaluateInductor(d.Core, d.Core, d.CoreCount, 0.0f, frequencyKHz, averageCurrent,
                          d.PeakCurrent, rippleCurrent, d.WireDiameter, d.StrandCount, d.Turns);
}

}  // namespace

Outcome<InductorEvaluation> EvaluateCurveDesign(const CurveDesign& design) {
  return EvaluateAt(design, design.FrequencyKHz, design.AverageCurrent, design.RippleCurrent);
}

namespace {

InductanceCurve SweepCurrent(const CurveDesign& design, const InductorEvaluation& e,
                             int points) {
  InductanceCurve curve;
  curve.Zero = {0.0, D(e.InductanceAtZero)};
  curve.Average = {D(e.AverageCurrent), D(e.InductanceAtAverage)};
  curve.Peak = {D(e.PeakCurrent), D(e.InductanceAtPeak)};
  const double top = 2.0 * std::max(D(e.PeakCurrent), D(e.AverageCurrent));
  if (!(std::isfinite(top) && top > 0)) {
    curve.Gap = CurveGap::NoCurrent;
    return curve;
  }
  curve.Points.reserve(static_cast<std::size_t>(points));
  for (int i = 1; i <= points; ++i) {
    const double current = top * i / points;
    if (!FitsFloat32(current)) continue;
    const float at = ToFloat32(current);
    // Frequency and ripple play no part in the inductance; leaving them out keeps a large
    // current from failing on a loss it does not need.
    const auto point = EvaluateAt(design, 0.0f, at, 0.0f);
    if (point && std::isfinite(point->InductanceAtAverage)) {
      curve.Points.push_back({D(at), D(point->InductanceAtAverage)});
    }
  }
  return curve;
}

PermeabilityCurve SweepField(const InductorEvaluation& e, int points) {
  PermeabilityCurve curve;
  double from = kModelFieldFrom;
  double to = kModelFieldTo;
  for (const float field : {e.FieldAtAverage, e.FieldAtPeak}) {
    if (std::isfinite(field) && field > 0) {
      from = std::min(from, D(field));
      to = std::max(to, D(field));
    }
  }
  // The ends as the float fields the model is given, so markers clamped to them sit on
  // the curve's first and last points.
  from = D(ToFloat32(std::max(from, kLowestField)));
  to = D(ToFloat32(std::min(to, static_cast<double>(FLT_MAX))));
  const auto marker = [from, to](float field, float permeability) {
    // Below the sweep the model gives the value at its lower end, so the point sits there.
    return CurvePoint{std::clamp(D(field), from, to), D(permeability)};
  };
  curve.Average = marker(e.FieldAtAverage, e.PermeabilityAtAverage);
  curve.Peak = marker(e.FieldAtPeak, e.PermeabilityAtPeak);

  bool anyValue = false;
  curve.Points.reserve(static_cast<std::size_t>(points));
  for (const double h : LogSpaced(from, to, points)) {
    const float field = ToFloat32(h);
    const float permeability = BiasPermeability(e.Core.Permeability, e.Core.Series, field);
    anyValue = anyValue || permeability != 0;
    curve.Points.push_back({D(field), D(permeability)});
  }
  if (!anyValue) {
    curve.Points.clear();
    curve.Gap = CurveGap::NoBiasModel;
  }
  return curve;
}

LossCurve SweepFrequency(const CurveDesign& design, const InductorEvaluation& e, int points) {
  LossCurve curve;
  curve.FluxSwing = e.FluxSwing;
  if (!(e.FluxSwing > 0)) {
    curve.Gap = CurveGap::NoFluxSwing;
    return curve;
  }
  const double f = D(e.FrequencyKHz);
  const double from = std::max(f > 0 ? std::min(kFrequencyFrom, f / 2) : kFrequencyFrom,
                               kLowestFrequency);
  const double to = std::min(std::max(kFrequencyTo, 2 * f), static_cast<double>(FLT_MAX));
  curve.Points.reserve(static_cast<std::size_t>(points));
  for (const double x : LogSpaced(from, to, points)) {
    const float frequency = ToFloat32(x);
    const auto point = EvaluateAt(design, frequency, design.AverageCurrent, design.RippleCurrent);
    // A negative loss is the model outside its frequency range, not a loss.
    if (point && std::isfinite(point->CoreLoss) && point->CoreLoss > 0) {
      curve.Points.push_back({D(frequency), D(point->CoreLoss)});
    } else {
      curve.OutsideModel = true;
    }
  }
  if (f > 0 && std::isfinite(e.CoreLoss) && e.CoreLoss > 0) curve.Design = CurvePoint{f, D(e.CoreLoss)};
  if (curve.Points.empty()) {
    curve.Gap = CurveGap::NoLossModel;
    curve.OutsideModel = false;
  }
  return curve;
}

}  // namespace

std::vector<double> LogSpaced(double from, double to, int count) {
  std::vector<double> values;
  if (count <= 0) return values;
  values.reserve(static_cast<std::size_t>(count));
  values.push_back(from);
  const double low = std::log(from);
  const double span = std::log(to) - low;
  for (int i = 1; i < count - 1; ++i) values.push_back(std::exp(low + span * i / (count - 1)));
  if (count > 1) values.push_back(to);
  return values;
}

Outcome<DesignCurveSet> MakeDesignCurves(const CurveDesign& design, int points) {
  const auto evaluation = EvaluateCurveDesign(design);
  if (!evaluation) return Outcome<DesignCurveSet>::Fail(evaluation.error());
  points = std::max(points, 2);
  DesignCurveSet set;
  set.Evaluation = *evaluation;
  set.Inductance = SweepCurrent(design, set.Evaluation, points);
  set.Permeability = SweepField(set.Evaluation, points);
  set.Loss = SweepFrequency(design, set.Evaluation, points);
  return Outcome<DesignCurveSet>::Ok(std::move(set));
}

}  // namespace qiro
