#include "design/analysis/converter_operation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

using std::numbers::pi;

constexpr double W(float v) { return static_cast<double>(v); }
const double kSqrt2 = std::sqrt(2.0);

// Gauss–Legendre nodes and weights on (0, 1), weights adding up to 1.
constexpr int kLineNodes = 24;  // per panel
struct Quadrature {
  std::array<double, kLineNodes> u{};
  std::array<double, kLineNodes> w{};
};

const Quadrature& LineQuadrature() {
  static const Quadrature q = [] {
    Quadrature r;
    const int n = kLineNodes;
    for (int i = 0; i < n; ++i) {
      // Newton on the Legendre polynomial from Tricomi's first guess.
      double x = std::cos(pi * (i + 0.75) / (n + 0.5));
      double derivative = 1;
      for (int round = 0; round < 100; ++round) {
        double p0 = 1, p1 = x;
        for (int k = 2; k <= n; ++k) {
          const double p2 = ((2.0 * k - 1) * x * p1 - (k - 1.0) * p0) / k;
          p0 = p1;
          p1 = p2;
        }
        derivative = n * (x * p1 - p0) / (x * x - 1);
        const double step = p1 / derivative;
        x -= step;
        if (std::abs(step) < 1e-16) break;
      }
      const auto at = static_cast<std::size_t>(n - 1 - i);  // ascending u
      r.u[at] = (1 + x) / 2;
      r.w[at] = 1 / ((1 - x * x) * derivative * derivative);  // (2/…)/2 on (0, 1)
    }
    return r;
  }();
  return q;
}

Outcome<ConverterOperation> Refuse(const std::string& reason) {
  return Outcome<ConverterOperation>::Fail(reason);
}

template <class R>
Outcome<ConverterOperation> Refused(const Outcome<R>& outcome) {
  return Refuse(outcome.error());
}

// The largest of f over [0, π/2], given its values at the ascending angles `thetas` (π/2
// among them): golden-section search between the neighbours of the best, where the curve is
// smooth.
template <class F>
double LargestOverQuarter(const std::vector<double>& thetas, const std::vector<double>& values, F f) {
  std::size_t best = 0;
  for (std::size_t k = 1; k < values.size(); ++k) {
    if (values[k] > values[best]) best = k;
  }
  double a = best > 0 ? thetas[best - 1] : 0;
  double b = best + 1 < thetas.size() ? thetas[best + 1] : thetas[best];
  constexpr double kGolden = 0.6180339887498949;
  double c = b - kGolden * (b - a), d = a + kGolden * (b - a);
  double fc = f(c), fd = f(d);
  while (b - a > 1e-9) {
    if (fc > fd) {
      b = d, d = c, fd = fc;
      c = b - kGolden * (b - a);
      fc = f(c);
    } else {
      a = c, c = d, fc = fd;
      d = a + kGolden * (b - a);
      fd = f(d);
    }
  }
  return std::max({values[best], fc, fd});
}

}  // namespace

Outcome<ConverterOperation> OperateConverter(const Converter& converter) {
  ConverterOperation op;
  op.Source = converter;
  const auto results = ConverterResults(converter);
  if (!results) return Refused(results);
  op.Results = *results;
  const auto& in = converter.Inputs;
  const double f = W(in[converter.Kind == Topology::Forward || converter.Kind == Topology::PushPull ||
                                converter.Kind == Topology::FullBridge
                            ? 1
                            : 3]);
  op.RippleFrequencyKHz = f;
  ConverterInstant one;
  switch (converter.Kind) {
    case Topology::Buck: {
      const float Iout = in[0], Vin = in[1], Vout = in[2];
      if (!(Vout < Vin)) return Refuse("Vout must be below Vin");
      const auto r = CalcBuck(Iout, Vin, Vout, in[3], in[4]);
      one = {0, W(Iout), W(r->D), (W(Vin) - W(Vout)) * W(r->D) / f * 1000, 1};
      op.DesignCurrent = W(Iout);
      op.RequiredInductance = W(r->L), op.PeakCurrent = W(r->ILpk), op.RippleCurrent = W(r->dI);
      break;
    }
    case Topology::Boost:
    case Topology::BuckBoost: {
      const float Vin = in[1], Vout = in[2];
      const bool boost = converter.Kind == Topology::Boost;
      if (boost && !(Vout > Vin)) return Refuse("Vout must be above Vin");
      const auto r = boost ? CalcBoost(in[0], Vin, Vout, in[3], in[4])
                           : CalcBuckBoost(in[0], Vin, Vout, in[3], in[4]);
      one = {0, W(r->IL), W(r->D), W(Vin) * W(r->D) / f * 1000, 1};
      op.DesignCurrent = W(r->IL);
      op.RequiredInductance = W(r->L), op.PeakCurrent = W(r->ILpk), op.RippleCurrent = W(r->dI);
      break;
    }
    case Topology::Forward:
    case Topology::PushPull:
    case Topology::FullBridge: {
      const float Vout = in[0], Iout = in[2], Duty = in[3];
      const bool bridge = converter.Kind != Topology::Forward;
      if (bridge && !(Duty < 0.5f)) return Refuse("D must be below 0.5");
      const auto r = converter.Kind == Topology::Forward ? CalcForward(Vout, in[1], Iout, Duty, in[4])
                                                         : CalcPushPull(Vout, in[1], Iout, Duty, in[4]);
      if (bridge) {
        // Two pulses per switching period: the choke's ripple runs at twice the frequency.
        op.RippleFrequencyKHz = 2 * f;
        one = {0, W(Iout), 2 * W(Duty), W(Vout) * (0.5 - W(Duty)) / f * 1000, 1};
      } else {
        one = {0, W(Iout), W(Duty), W(Vout) * (1 - W(Duty)) / f * 1000, 1};
      }
      op.DesignCurrent = W(Iout);
      op.RequiredInductance = W(r->L), op.PeakCurrent = W(r->ILpk), op.RippleCurrent = W(r->dI);
      break;
    }
    case Topology::Pfc: {
      if (!(kSqrt2 * W(in[1]) < W(in[2]))) return Refuse("Vout must be above √2·Vin");
      const auto r = CalcPfc(in[0], in[1], in[2], in[3], in[4], in[5]);
      op.LineCycle = true;
      op.DesignCurrent = W(r->ILpk);
      op.RequiredInductance = W(r->L), op.PeakCurrent = W(r->ILpk), op.RippleCurrent = W(r->dI);
      break;
    }
    case Topology::InverterLc: {
      if (!(kSqrt2 * W(in[2]) < W(in[1]))) return Refuse("Vdc must be above √2·Vout");
      const auto r = CalcInverterLc(in[0], in[1], in[2], in[3], in[4]);
      op.LineCycle = true;
      op.DesignCurrent = W(r->IL);
      op.RequiredInductance = W(r->L), op.PeakCurrent = W(r->ILpk), op.RippleCurrent = W(r->dI);
      break;
    }
  }
  if (!op.LineCycle) {
    // A duty cycle stored as a float can round onto 0 or 1 at the very edge of the inputs.
    if (!(one.RiseFraction > 0 && one.RiseFraction < 1 && one.VoltSeconds > 0 &&
          std::isfinite(one.VoltSeconds)))
      return Refuse("the duty cycle leaves 0…1");
    op.Instants.push_back(one);
    return Outcome<ConverterOperation>::Ok(std::move(op));
  }
  // The quarter line cycle is integrated per wound stack, which knows where its bias curve
  // bends; here only that the converter runs at every angle is checked.
  for (int k = 1; k < 64; ++k) {
    const ConverterInstant instant = InstantAt(op, pi / 2 * k / 64);
    if (!(instant.RiseFraction > 0 && instant.RiseFraction < 1 && instant.VoltSeconds > 0 &&
          std::isfinite(instant.Current)))
      return Refuse("the duty cycle leaves 0…1");
  }
  return Outcome<ConverterOperation>::Ok(std::move(op));
}

ConverterInstant InstantAt(const ConverterOperation& op, double theta) {
  if (!op.LineCycle) return op.Instants.empty() ? ConverterInstant{} : op.Instants.front();
  const auto& in = op.Source.Inputs;
  const double s = std::sin(theta);
  ConverterInstant i;
  i.Theta = theta;
  i.Current = op.DesignCurrent * s;
  const double f = W(in[3]);
  if (op.Source.Kind == Topology::Pfc) {
    const double v = kSqrt2 * W(in[1]) * s;
    i.RiseFraction = 1 - v / W(in[2]);
    i.VoltSeconds = v * i.RiseFraction / f * 1000;
  } else {
    const double vdc = W(in[1]);
    const double v = kSqrt2 * W(in[2]) * s;
    i.RiseFraction = v / vdc;
    i.VoltSeconds = (vdc - v) * v / vdc / f * 1000;
  }
  return i;
}

ConverterStack::ConverterStack(const ConverterOperation& operation, const CoreRecord& core,
                               float coreCount, std::int16_t turns)
    : operation_(operation), core_(core), coreCount_(coreCount), turns_(turns) {
  inductanceAtZero_ = StackInductanceAtZero(core, coreCount, turns);
  alpha_ = CoreLossFrequencyExponent(core.Permeability, core.Series,
                                     ToFloat32(operation.RippleFrequencyKHz));
  igseScale_ = 1 / std::pow(2.0, alpha_);
  if (!operation.LineCycle) {
    instants_ = operation.Instants;
    return;
  }
  // The bias curve is flat below 3 Oe and above 800 Oe: the quarter cycle is cut where the
  // current crosses those fields, so each panel's integrand is smooth. The first panel takes
  // θ = θ₁·u³ (dθ = 3θ₁u² du), which smooths the θ^p behaviour of the loss at the zero
  // crossing; the others are mapped linearly.
  std::vector<double> cuts{0};
  if (turns > 0 && core.PathLength > 0 && operation.DesignCurrent > 0) {
    for (const double field : {3.0, 800.0}) {
      const double current = field * W(core.PathLength) / (1.2566370400000002 * turns);
      if (current < operation.DesignCurrent) cuts.push_back(std::asin(current / operation.DesignCurrent));
    }
  }
  cuts.push_back(pi / 2);
  const Quadrature& q = LineQuadrature();
  for (std::size_t p = 0; p + 1 < cuts.size(); ++p) {
    const double from = cuts[p], width = cuts[p + 1] - cuts[p];
    if (!(width > 0)) continue;
    for (std::size_t k = 0; k < q.u.size(); ++k) {
      const double u = q.u[k];
      const bool first = p == 0;
      ConverterInstant instant =
          InstantAt(operation, first ? width * u * u * u : from + width * u);
      instant.Weight = q.w[k] * width / (pi / 2) * (first ? 3 * u * u : 1);
      instants_.push_back(instant);
    }
  }
}

double ConverterStack::InductanceAt(double current) const {
  const float field = WindingField(core_, turns_, ToFloat32(current));
  return W(InductanceUnderBias(inductanceAtZero_,
                               BiasPermeability(core_.Permeability, core_.Series, field)));
}

InstantLoad ConverterStack::At(const ConverterInstant& instant) const {
  InstantLoad l;
  l.Current = instant.Current;
  l.RiseFraction = instant.RiseFraction;
  l.Inductance = InductanceAt(instant.Current);
  l.Ripple = instant.VoltSeconds / l.Inductance;
  l.FluxSwing = 100 * instant.VoltSeconds /
                (W(core_.CrossSection) * W(coreCount_) * static_cast<double>(turns_));
  const double d = instant.RiseFraction;
  const double igse =
      (std::pow(d, 1 - alpha_) + std::pow(1 - d, 1 - alpha_)) * igseScale_;
  l.CoreLossDensity = W(CoreLossDensity(core_.Permeability, core_.Series,
                                        ToFloat32(operation_.RippleFrequencyKHz),
                                        ToFloat32(l.FluxSwing))) *
                      igse;
  return l;
}

Outcome<ConverterLoad> ConverterStack::Load() const {
  using Result = Outcome<ConverterLoad>;
  if (turns_ < 1) return Result::Fail("Turns must be at least 1");
  if (!(std::isfinite(coreCount_) && coreCount_ > 0)) return Result::Fail("CoreCount must be above 0");
  if (!(core_.PathLength > 0 && core_.CrossSection > 0 && core_.Volume > 0))
    return Result::Fail("Core has no path length, cross-section or volume");
  if (!(inductanceAtZero_ > 0 && std::isfinite(inductanceAtZero_)))
    return Result::Fail("the inductance at 0 A must be above 0");
  ConverterLoad load;
  load.InductanceAtZero = W(inductanceAtZero_);
  load.CoreLossExponent = alpha_;
  std::vector<double> thetas, highest, ripples;
  thetas.reserve(instants_.size() + 1);
  highest.reserve(instants_.size() + 1);
  ripples.reserve(instants_.size() + 1);
  for (const ConverterInstant& instant : instants_) {
    const InstantLoad l = At(instant);
    const double w = instant.Weight;
    load.CoreLossDensity += w * l.CoreLossDensity;
    load.MeanSquareCurrent += w * l.Current * l.Current;
    // sin(πhD) by the recurrence sin((h+1)x) = 2·cos x·sin(hx) − sin((h−1)x).
    const double d = l.RiseFraction;
    const double x = pi * d;
    const double twoCos = 2 * std::cos(x);
    const double scale = l.Ripple / (kSqrt2 * pi * pi * d * (1 - d));
    double before = 0, sinH = std::sin(x);
    for (int h = 1; h <= kHighestRippleHarmonic; ++h) {
      const double rms = scale * sinH / (static_cast<double>(h) * h);
      load.HarmonicSquares[static_cast<std::size_t>(h - 1)] += w * rms * rms;
      const double next = twoCos * sinH - before;
      before = sinH;
      sinH = next;
    }
    thetas.push_back(instant.Theta);
    highest.push_back(l.Current + l.Ripple / 2);
    ripples.push_back(l.Ripple);
  }
  if (operation_.LineCycle) {
    // The crest closes the grid; the maxima are then found between its points.
    const ConverterInstant crest = InstantAt(operation_, pi / 2);
    const double crestRipple = crest.VoltSeconds / InductanceAt(crest.Current);
    thetas.push_back(pi / 2);
    highest.push_back(crest.Current + crestRipple / 2);
    ripples.push_back(crestRipple);
    const auto rippleAt = [&](double theta) {
      const ConverterInstant i = InstantAt(operation_, theta);
      return i.VoltSeconds / InductanceAt(i.Current);
    };
    load.HighestCurrent = LargestOverQuarter(thetas, highest, [&](double theta) {
      return operation_.DesignCurrent * std::sin(theta) + rippleAt(theta) / 2;
    });
    load.LargestRipple = LargestOverQuarter(thetas, ripples, rippleAt);
  } else if (!highest.empty()) {
    load.HighestCurrent = highest.front();
    load.LargestRipple = ripples.front();
  }
  const float volume = ToFloat32(W(core_.Volume) * W(coreCount_));  // as the evaluation's
  load.CoreLoss = load.CoreLossDensity * W(volume) / 1000;
  load.InductanceAtHighest = InductanceAt(load.HighestCurrent);
  load.Retention = load.InductanceAtHighest / load.InductanceAtZero * 100;
  for (const double v : {load.CoreLossDensity, load.CoreLoss, load.MeanSquareCurrent,
                         load.HighestCurrent, load.LargestRipple, load.Retention}) {
    if (!std::isfinite(v)) return Result::Fail("the converter's load leaves the double range");
  }
  return Result::Ok(load);
}

WindingHeat HeatOf(const ConverterLoad& load, const ConverterOperation& operation) {
  WindingHeat heat;
  heat.CoreLoss = load.CoreLoss;
  heat.MeanSquareCurrent = load.MeanSquareCurrent;
  heat.FrequencyKHz = operation.RippleFrequencyKHz;
  heat.HarmonicSquares = load.HarmonicSquares;
  heat.Retention = load.Retention;
  return heat;
}

Outcome<InductorEvaluation> EvaluateForConverter(const ConverterOperation& op,
                                                 const CoreRecord& core, float coreCount,
                                                 float wireDiameter, std::int16_t strandCount,
                                                 std::int16_t turns) {
  const float peak = ToFloat32(op.PeakCurrent);
  const float ripple = ToFloat32(op.RippleCurrent);
  const float average = ToFloat32(W(peak) - W(ripple) / 2);
  return EvaluateInductor(core, core, coreCount, 0, ToFloat32(op.RippleFrequencyKHz), average,
                          peak, ripple, wireDiameter, strandCount, turns);
}

Outcome<ConverterAssessment> AssessInConverter(const ConverterOperation& op,
                                               const CoreRecord& core, float coreCount,
                                               float wireDiameter, std::int16_t strandCount,
                                               std::int16_t turns, double ambient,
                                               AssessmentRefusal& refusal) {
  using Result = Outcome<ConverterAssessment>;
  refusal = AssessmentRefusal::InvalidInput;
  const auto e = EvaluateForConverter(op, core, coreCount, wireDiameter, strandCount, turns);
  if (!e) return Result::Fail(e.error());
  const auto load = ConverterStack(op, core, coreCount, turns).Load();
  if (!load) return Result::Fail(load.error());
  const auto a = AssessWindingUnder(*e, HeatOf(*load, op), ambient, refusal);
  if (!a) return Result::Fail(a.error());
  return Result::Ok({*a, *load});
}

std::vector<LineCyclePoint> LineCycleCurve(const ConverterOperation& op, const CoreRecord& core,
                                           float coreCount, std::int16_t turns, int points) {
  std::vector<LineCyclePoint> curve;
  const ConverterStack stack(op, core, coreCount, turns);
  if (!op.LineCycle || !stack.Load() || points < 1) return curve;
  curve.reserve(static_cast<std::size_t>(points));
  for (int k = 0; k < points; ++k) {
    const double degrees = 90.0 * (k + 0.5) / points;
    const InstantLoad l = stack.At(InstantAt(op, degrees * pi / 180));
    curve.push_back({degrees, l.Current, l.Inductance, l.Ripple, l.CoreLossDensity});
  }
  return curve;
}

std::string ConverterSummary(const Converter& c) {
  const auto& in = c.Inputs;
  const auto n = [](float v) { return GeneralNumberText(v); };
  const auto volts = [&](float from, float to) { return n(from) + " V → " + n(to) + " V"; };
  const auto kHz = [&](float f) { return n(f) + " kHz"; };
  switch (c.Kind) {
    case Topology::Buck:
      return "BUCK，" + n(in[0]) + " A，" + volts(in[1], in[2]) + "，" + kHz(in[3]);
    case Topology::Boost:
      return "BOOST，" + n(in[0]) + " W，" + volts(in[1], in[2]) + "，" + kHz(in[3]);
    case Topology::BuckBoost:
      return "BUCK-BOOST，" + n(in[0]) + " W，" + volts(in[1], in[2]) + "，" + kHz(in[3]);
    case Topology::Pfc:
      return "PFC，" + n(in[0]) + " W，" + volts(in[1], in[2]) + "，" + kHz(in[3]);
    case Topology::InverterLc:
      return "逆变LC，" + n(in[0]) + " W，" + volts(in[1], in[2]) + "，" + kHz(in[3]);
    case Topology::Forward:
    case Topology::PushPull:
    case Topology::FullBridge: {
      const char* name = c.Kind == Topology::Forward ? "正激" : c.Kind == Topology::PushPull ? "推挽" : "全桥";
      return std::string(name) + "，" + n(in[0]) + " V，" + n(in[2]) + " A，D " + n(in[3]) + "，" +
             kHz(in[1]);
    }
  }
  return {};
}

}  // namespace qiro
