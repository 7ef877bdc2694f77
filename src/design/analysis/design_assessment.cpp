#include "design/analysis/design_assessment.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <numbers>
#include <utility>

#include "magnetics/formulas.h"
#include "text/bit_cast.h"
#include "text/float_range.h"

namespace qiro {
namespace {

using std::numbers::pi;

constexpr double kMu0 = 4 * pi * 1e-7;  // H/m
constexpr int kHarmonicCount = (kHighestRippleHarmonic + 1) / 2;
// Past this Δ, e^−Δ is below half an ulp of 1: both of Dowell's ratios are exactly 1.
constexpr double kThickConductor = 40;

double D(float v) { return static_cast<double>(v); }

bool Positive(double v) { return std::isfinite(v) && v > 0; }

// √h of the harmonics h = 1 … 99: the skin depth shrinks with √h, so Δh = Δ1·√h.
const std::array<double, kHighestRippleHarmonic>& HarmonicRoots() {
  static const auto roots = [] {
    std::array<double, kHighestRippleHarmonic> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = std::sqrt(static_cast<double>(i + 1));
    return r;
  }();
  return roots;
}

// e^−Δ, sin Δ and cos Δ for 0 ≤ Δ ≤ kThickConductor, each within about an ulp: Cody and
// Waite's range reduction with the split constants of fdlibm, then Taylor series that end
// below 1e-17. The library's calls took two thirds of an assessment (fifty harmonics in
// every round of the temperature iteration); these are straight-line code that the compiler
// runs two harmonics at a time.
// Taylor coefficients, highest power first: e^r to r^13, sin t / t to t^16, cos t to t^18.
constexpr auto kExpTerms = [] {
  std::array<double, 14> c{};
  double factorial = 1;
  for (int k = 0; k <= 13; ++k) {
    if (k > 0) factorial *= k;
    c[static_cast<std::size_t>(13 - k)] = 1 / factorial;
  }
  return c;
}();
constexpr auto kSinTerms = [] {
  std::array<double, 9> c{};
  double factorial = 1;  // (2k+1)!
  for (int k = 0; k <= 8; ++k) {
    if (k > 0) factorial *= (2.0 * k) * (2.0 * k + 1);
    c[static_cast<std::size_t>(8 - k)] = (k % 2 ? -1 : 1) / factorial;
  }
  return c;
}();
constexpr auto kCosTerms = [] {
  std::array<double, 10> c{};
  double factorial = 1;  // (2k)!
  for (int k = 0; k <= 9; ++k) {
    if (k > 0) factorial *= (2.0 * k - 1) * (2.0 * k);
    c[static_cast<std::size_t>(9 - k)] = (k % 2 ? -1 : 1) / factorial;
  }
  return c;
}();

// A polynomial, highest power first, written out in full so the loop around it vectorises.
template <std::size_t N>
[[gnu::always_inline]] inline double Horner(const std::array<double, N>& terms, double x) {
  return [&]<std::size_t... K>(std::index_sequence<K...>) {
    double sum = terms[0];
    ((sum = sum * x + terms[K + 1]), ...);
    return sum;
  }(std::make_index_sequence<N - 1>{});
}

// Adding 1.5·2^52 to a double below 2^51 rounds it to a whole number (ties to even) that
// then stands in the low bits of the sum.
constexpr double kRoundingShift = 0x1.8p52;
const std::uint64_t kRoundingBits = BitCast<std::uint64_t>(kRoundingShift);

// Dowell's factor for 1e-4 ≤ Δ ≤ kThickConductor, written with x = e^−Δ: the sinh and cosh
// terms divided by e^Δ/2 (or e^2Δ/2), which neither overflow nor change the value.
[[gnu::always_inline]] inline double DowellKernel(double delta, double layerTerm) {
  constexpr double kLn2Hi = 6.93147180369123816490e-01;  // low 32 bits zero: n·kLn2Hi is exact
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  constexpr double kHalfPiHi = 1.57079632673412561417e+00;  // the first 33 bits of π/2
  constexpr double kHalfPiLo = 6.07710050650619224932e-11;
  // e^−Δ = 2^−n · e^r with r = n·ln2 − Δ in [−ln2/2, ln2/2].
  const double shiftedN = delta * 1.4426950408889634 + kRoundingShift;
  const double n = shiftedN - kRoundingShift;
  const double r = (n * kLn2Hi - delta) + n * kLn2Lo;
  const double e = Horner(kExpTerms, r);
  const std::uint64_t wholeN = BitCast<std::uint64_t>(shiftedN) - kRoundingBits;
  const double x = e * BitCast<double>((1023 - wholeN) << 52);
  // Δ = q·π/2 + t with t in [−π/4, π/4].
  const double shiftedQ = delta * 0.63661977236758134308 + kRoundingShift;
  const double q = shiftedQ - kRoundingShift;
  const double t = (delta - q * kHalfPiHi) - q * kHalfPiLo;
  const double t2 = t * t;
  const double sinT = Horner(kSinTerms, t2) * t;
  const double cosT = Horner(kCosTerms, t2);
  // The quadrant by bits: odd ones swap sine and cosine, the upper two flip both signs.
  const std::uint64_t quadrant = BitCast<std::uint64_t>(shiftedQ) - kRoundingBits;
  const std::uint64_t swap = 0 - (quadrant & 1);
  const std::uint64_t flip = (quadrant & 2) << 62;
  const std::uint64_t sinBits = BitCast<std::uint64_t>(sinT);
  const std::uint64_t cosBits = BitCast<std::uint64_t>(cosT);
  const double sin = BitCast<double>(((cosBits & swap) | (sinBits & ~swap)) ^ flip);
  const double cos = BitCast<double>(
      (((sinBits ^ (std::uint64_t{1} << 63)) & swap) | (cosBits & ~swap)) ^ flip);

  const double x2 = x * x;
  const double x4 = x2 * x2;
  const double sin2 = 2 * sin * cos;
  const double cos2 = (cos - sin) * (cos + sin);
  const double skin = (1 - x4 + 2 * x2 * sin2) / (1 + x4 - 2 * x2 * cos2);
  const double proximity = (1 - x2 - 2 * x * sin) / (1 + x2 + 2 * x * cos);
  return delta * (skin + layerTerm * proximity);
}

// The harmonics between the thin and the thick ones, in the widest vectors the machine has:
// the same IEEE operations in any width (contraction stays off), so the same results.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define QIRO_WIDEST_VECTORS [[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#else
#define QIRO_WIDEST_VECTORS
#endif
QIRO_WIDEST_VECTORS void DowellKernels(
    const double* roots, double delta1, double layerTerm, double* factors, std::size_t from,
    std::size_t to) {
  for (std::size_t i = from; i < to; ++i) factors[i] = DowellKernel(delta1 * roots[i], layerTerm);
}

double Dowell(double delta, double layerTerm) {
  if (!(delta >= 1e-4)) return 1.0;
  if (delta > kThickConductor) return delta * (1 + layerTerm);
  return DowellKernel(delta, layerTerm);
}

double LayerTerm(int layers) {
  const double m = layers;
  return 2 * (m * m - 1) / 3;
}

struct Refused {
  AssessmentRefusal kind;
  const char* reason;
};

// The copper's losses at one winding temperature.
struct CopperAt {
  double Dc = 0;
  double Ac = 0;
  double Fundamental = 1;  // Dowell factor at the fundamental
};

class CopperModel {
 public:
  CopperModel(const InductorEvaluation& e, const WindingHeat& heat, int layers, double pitch)
      : r20_(D(e.DcResistance) / 1000),
        meanSquare_(heat.MeanSquareCurrent),
        frequencyHz_(heat.FrequencyKHz * 1000),
        layerTerm_(LayerTerm(layers)),
        // (π/4)^0.75 · d · √(d/p), with d in mm: divided by the skin depth in mm gives Δ.
        foil_(std::pow(pi / 4, 0.75) * D(e.WireDiameter) * std::sqrt(D(e.WireDiameter) / pitch)) {
    const auto& roots = HarmonicRoots();
    const std::size_t step = heat.OddHarmonicsOnly ? 2 : 1;
    for (std::size_t i = 0; i < heat.HarmonicSquares.size() && count_ < roots.size(); ++i) {
      const std::size_t order = 1 + step * i;  // h
      if (order > roots.size()) break;
      roots_[count_] = roots[order - 1];
      squares_[count_] = heat.HarmonicSquares[i];
      ac_ = ac_ || squares_[count_] > 0;
      ++count_;
    }
    ac_ = ac_ && frequencyHz_ > 0;
  }

  CopperAt At(double temperature) const {
    const double scale = 1 + kCopperTemperatureCoefficient *
                                 (temperature - kResistanceReferenceTemperature);
    const double resistance = r20_ * scale;
    CopperAt at;
    at.Dc = meanSquare_ * resistance;
    if (!ac_) return at;
    const double rho = kCopperResistivity * scale;
    const double skinDepth = std::sqrt(rho / (pi * frequencyHz_ * kMu0)) * 1000;  // mm
    const double delta1 = foil_ / skinDepth;
    // Δ grows with the harmonic: the thin ones (Fr = 1) come first, the thick ones last, and
    // the kernel runs without a branch over those between.
    std::array<double, kHighestRippleHarmonic> factors;
    std::size_t from = 0;
    std::size_t to = count_;
    while (from < to && !(delta1 * roots_[from] >= 1e-4)) factors[from++] = 1.0;
    while (to > from && delta1 * roots_[to - 1] > kThickConductor) {
      --to;
      factors[to] = Dowell(delta1 * roots_[to], layerTerm_);
    }
    DowellKernels(roots_.data(), delta1, layerTerm_, factors.data(), from, to);
    double sum = 0;
    for (std::size_t i = 0; i < count_; ++i) sum += squares_[i] * factors[i];
    at.Ac = sum * resistance;
    at.Fundamental = Dowell(delta1, layerTerm_);
    return at;
  }

 private:
  double r20_;
  double meanSquare_;
  double frequencyHz_;
  double layerTerm_;
  double foil_;
  bool ac_ = false;
  std::size_t count_ = 0;
  std::array<double, kHighestRippleHarmonic> roots_{};    // √h
  std::array<double, kHighestRippleHarmonic> squares_{};  // A², RMS² of harmonic h
};

// The report's ripple as a symmetric triangle: its odd harmonics' RMS² (A²).
std::array<double, kHarmonicCount> TriangleHarmonics(double ripple) {
  std::array<double, kHarmonicCount> squares{};
  for (int i = 0; i < kHarmonicCount; ++i) {
    const double h = 2.0 * i + 1;
    const double rms = 4 * ripple / (std::sqrt(2.0) * pi * pi * h * h);
    squares[static_cast<std::size_t>(i)] = rms * rms;
  }
  return squares;
}

std::optional<Refused> CheckInput(const InductorEvaluation& e, double ambient) {
  using enum AssessmentRefusal;
  if (!(std::isfinite(ambient) && ambient >= kLowestAmbient && ambient <= kHighestAmbient))
    return Refused{InvalidInput, "the ambient temperature must be from -60 to 200 °C"};
  if (e.Turns < 1) return Refused{InvalidInput, "Turns must be at least 1"};
  if (e.StrandCount < 1) return Refused{InvalidInput, "StrandCount must be at least 1"};
  if (!Positive(e.WireDiameter)) return Refused{InvalidInput, "WireDiameter must be above 0"};
  if (!Positive(e.CoreCount)) return Refused{InvalidInput, "CoreCount must be above 0"};
  const CoreRecord& c = e.Core;
  if (!(Positive(c.CoatedInnerDiameter) && Positive(c.CoatedOuterDiameter) &&
        Positive(c.CoatedHeight)))
    return Refused{InvalidInput, "the core has no coated dimensions"};
  if (!(std::isfinite(e.FrequencyKHz) && e.FrequencyKHz >= 0))
    return Refused{InvalidInput, "FrequencyKHz must be 0 or more"};
  if (!(std::isfinite(e.RippleCurrent) && e.RippleCurrent >= 0))
    return Refused{InvalidInput, "RippleCurrent must be 0 or more"};
  if (!std::isfinite(e.AverageCurrent)) return Refused{InvalidInput, "AverageCurrent must be finite"};
  if (!(std::isfinite(e.DcResistance) && e.DcResistance >= 0))
    return Refused{InvalidInput, "DcResistance must be 0 or more"};
  if (!Positive(e.InductanceAtZero) || !std::isfinite(e.InductanceAtPeak))
    return Refused{InvalidInput, "the inductance at 0 A must be above 0"};
  return std::nullopt;
}

std::optional<Refused> CheckCoreLoss(double loss, double density) {
  using enum AssessmentRefusal;
  if (std::isnan(loss) || std::isnan(density))
    return Refused{InvalidInput, "the core loss is not a number"};
  if (loss < 0 || density < 0)
    return Refused{LossOutsideModel,
                   "the core loss model gives a negative loss at this frequency"};
  if (!std::isfinite(loss)) return Refused{InvalidInput, "the core loss is not finite"};
  return std::nullopt;
}

// The first layer count whose layers hold all the conductors; empty when a layer would hold
// less than one conductor before that.
std::optional<int> CountLayers(double innerDiameter, double pitch, double conductors) {
  double held = 0;
  for (int j = 1;; ++j) {
    const double circumference = pi * (innerDiameter - (2.0 * j - 1) * pitch);
    const double fits = std::floor(circumference / pitch);
    if (!(fits >= 1)) return std::nullopt;
    held += fits;
    if (held >= conductors) return j;
  }
}

}  // namespace

std::string_view VerdictWord(ThermalRating rating) {
  switch (rating) {
    case ThermalRating::Normal: return "正常";
    case ThermalRating::High: return "偏高";
    case ThermalRating::TooHigh: return "过高";
  }
  return "";
}

std::string_view VerdictWord(RetentionRating rating) {
  switch (rating) {
    case RetentionRating::Normal: return "正常";
    case RetentionRating::Low: return "偏低";
    case RetentionRating::TooLow: return "过低";
  }
  return "";
}

std::string_view VerdictCode(ThermalRating rating) {
  switch (rating) {
    case ThermalRating::Normal: return "Normal";
    case ThermalRating::High: return "High";
    case ThermalRating::TooHigh: return "TooHigh";
  }
  return "";
}

std::string_view VerdictCode(RetentionRating rating) {
  switch (rating) {
    case RetentionRating::Normal: return "Normal";
    case RetentionRating::Low: return "Low";
    case RetentionRating::TooLow: return "TooLow";
  }
  return "";
}

ThermalRating RateTemperatureRise(double rise) {
  if (rise <= kNormalRiseLimit) return ThermalRating::Normal;
  if (rise <= kHighRiseLimit) return ThermalRating::High;
  return ThermalRating::TooHigh;
}

RetentionRating RateRetention(double retention) {
  if (retention >= kNormalRetention) return RetentionRating::Normal;
  if (retention >= kLowRetention) return RetentionRating::Low;
  return RetentionRating::TooLow;
}

double DowellFactor(double delta, int layers) { return Dowell(delta, LayerTerm(layers)); }

std::optional<LaidWinding> LayWinding(const InductorEvaluation& e) {
  LaidWinding w;
  w.Pitch = D(e.WireDiameter) + D(EnamelThickness(e.WireDiameter));
  const double conductors = static_cast<double>(e.Turns) * static_cast<double>(e.StrandCount);
  const auto layers = CountLayers(D(e.Core.CoatedInnerDiameter), w.Pitch, conductors);
  if (!layers) return std::nullopt;
  w.Layers = *layers;
  w.BuildThickness = w.Layers * w.Pitch;
  w.WoundOuterDiameter = D(e.Core.CoatedOuterDiameter) + 2 * w.BuildThickness;
  w.WoundHeight = D(e.CoreCount) * D(e.Core.CoatedHeight) + 2 * w.BuildThickness;
  const double od = w.WoundOuterDiameter;
  w.SurfaceArea = (pi * od * w.WoundHeight + pi * od * od / 2) / 100;
  return w;
}

Outcome<DesignAssessment> AssessDesign(const InductorEvaluation& design,
                                       double ambientTemperature) {
  AssessmentRefusal ignored;
  return AssessDesign(design, ambientTemperature, ignored);
}

Outcome<DesignAssessment> AssessDesign(const InductorEvaluation& e, double ambient,
                                       AssessmentRefusal& refusal) {
  refusal = AssessmentRefusal::None;
  if (const auto bad = CheckCoreLoss(D(e.CoreLoss), D(e.CoreLossPerVolume))) {
    // The input's own faults come first, as they always have.
    if (const auto input = CheckInput(e, ambient)) {
      refusal = input->kind;
      return Outcome<DesignAssessment>::Fail(input->reason);
    }
    refusal = bad->kind;
    return Outcome<DesignAssessment>::Fail(bad->reason);
  }
  const auto squares = TriangleHarmonics(D(e.RippleCurrent));
  WindingHeat heat;
  heat.CoreLoss = D(e.CoreLoss);
  heat.MeanSquareCurrent = D(e.AverageCurrent) * D(e.AverageCurrent);
  heat.FrequencyKHz = D(e.FrequencyKHz);
  heat.HarmonicSquares = squares;
  heat.OddHarmonicsOnly = true;
  heat.Retention = D(e.InductanceAtPeak) / D(e.InductanceAtZero) * 100;
  return AssessWindingUnder(e, heat, ambient, refusal);
}

Outcome<DesignAssessment> AssessWindingUnder(const InductorEvaluation& e, const WindingHeat& heat,
                                             double ambient, AssessmentRefusal& refusal) {
  using Result = Outcome<DesignAssessment>;
  using enum AssessmentRefusal;
  refusal = None;
  const auto refuse = [&refusal](AssessmentRefusal kind, const char* reason) {
    refusal = kind;
    return Result::Fail(reason);
  };
  if (const auto bad = CheckInput(e, ambient)) return refuse(bad->kind, bad->reason);
  if (const auto bad = CheckCoreLoss(heat.CoreLoss, heat.CoreLoss))
    return refuse(bad->kind, bad->reason);
  if (!(std::isfinite(heat.MeanSquareCurrent) && heat.MeanSquareCurrent >= 0 &&
        std::isfinite(heat.FrequencyKHz) && heat.FrequencyKHz >= 0))
    return refuse(InvalidInput, "the current or its frequency cannot be assessed");
  for (const double s : heat.HarmonicSquares) {
    if (!(std::isfinite(s) && s >= 0)) return refuse(InvalidInput, "the ripple cannot be assessed");
  }

  DesignAssessment a;
  const auto laid = LayWinding(e);
  if (!laid) return refuse(WindingDoesNotFit, "the winding does not fit the core's hole");
  const double pitch = laid->Pitch;
  a.Layers = laid->Layers;
  a.BuildThickness = laid->BuildThickness;
  a.WoundOuterDiameter = laid->WoundOuterDiameter;
  a.WoundHeight = laid->WoundHeight;
  a.SurfaceArea = laid->SurfaceArea;
  a.CoreLoss = heat.CoreLoss;

  const CopperModel copper(e, heat, a.Layers, pitch);
  const auto riseAt = [&](const CopperAt& at) {
    return std::pow(1000 * (a.CoreLoss + at.Dc + at.Ac) / a.SurfaceArea, kRiseExponent);
  };
  // The copper loss grows with the copper's temperature: T ← Ta + ΔT(T) climbs from the
  // ambient to the lowest temperature where the rise reproduces itself. Such a point exists
  // for almost every design ((P/A)^0.833 grows more slowly than the copper's loss), but for an
  // overloaded one it lies at absurd temperatures: a round past the limit is a runaway. Since
  // the rounds only climb, a design whose lowest fixed point is below the limit never meets it.
  // Near that point a round leaves at most 0.833 of the gap (no loss grows faster than the
  // copper's resistance), so by the last round only rounding noise can be left.
  static_assert(kHottestWinding == 500, "the reason below names the limit");
  double temperature = ambient;
  bool settled = false;
  double change = 0;
  for (int round = 1; round <= kMostTemperatureRounds && !settled; ++round) {
    const double next = ambient + riseAt(copper.At(temperature));
    if (!(next <= kHottestWinding))
      return refuse(NoSteadyTemperature, "the winding would pass 500 °C: no steady temperature");
    change = std::abs(next - temperature);
    settled = change < kTemperatureTolerance;
    temperature = next;
    a.TemperatureRounds = round;
  }
  if (!settled && change < kTemperatureJitter) settled = true;
  if (!settled)
    return refuse(NoSteadyTemperature, "the winding temperature does not settle in 200 rounds");

  const CopperAt hot = copper.At(temperature);
  a.DowellFactor = hot.Fundamental;
  a.CopperLossDc = hot.Dc;
  a.CopperLossAc = hot.Ac;
  a.TotalLoss = a.CoreLoss + hot.Dc + hot.Ac;
  a.TemperatureRise = temperature - ambient;
  a.WindingTemperature = temperature;
  a.InductanceRetention = heat.Retention;
  a.ThermalVerdict = RateTemperatureRise(a.TemperatureRise);
  a.RetentionVerdict = RateRetention(a.InductanceRetention);

  for (const double v : {a.BuildThickness, a.WoundOuterDiameter, a.WoundHeight, a.SurfaceArea,
                         a.DowellFactor, a.CopperLossDc, a.CopperLossAc, a.TotalLoss,
                         a.TemperatureRise, a.WindingTemperature, a.InductanceRetention}) {
    if (!std::isfinite(v)) return refuse(InvalidInput, "the assessment leaves the double range");
  }
  if (!(a.SurfaceArea > 0)) return refuse(InvalidInput, "the wound part has no surface");
  return Result::Ok(a);
}

namespace {

Outcome<InductorEvaluation> Reevaluate(const InductorEvaluation& e, float frequencyKHz,
                                       float averageCurrent, float peakCurrent,
                                       float rippleCurrent) {
  return EvaluateInductor(e.Core, e.SecondCore, e.CoreCount, e.SecondCoreCount, frequencyKHz,
                          averageCurrent, peakCurrent, rippleCurrent, e.WireDiameter,
                          e.StrandCount, e.Turns);
}

}  // namespace

TemperatureCurve TemperatureRiseCurve(const InductorEvaluation& design, double ambient,
                                      int points) {
  TemperatureCurve curve;
  AssessmentRefusal refusal;
  if (const auto own = AssessDesign(design, ambient, refusal)) {
    curve.Design = CurvePoint{D(design.AverageCurrent), own->TemperatureRise};
  }
  curve.DesignRefusal = refusal;
  const double top = 2 * D(design.PeakCurrent);
  if (!(std::isfinite(top) && top > 0)) {
    curve.Gap = CurveGap::NoCurrent;
    return curve;
  }
  // Exact in double for any two floats, so the design's own current gets its own peak back.
  const double offset = D(design.PeakCurrent) - D(design.AverageCurrent);
  points = std::max(points, 2);
  curve.Points.reserve(static_cast<std::size_t>(points));
  for (int i = 0; i < points; ++i) {
    const float current = ToFloat32(top * i / (points - 1));
    const double peak = D(current) + offset;
    const auto e = FitsFloat32(peak) ? Reevaluate(design, design.FrequencyKHz, current,
                                                  ToFloat32(peak), design.RippleCurrent)
                                     : Outcome<InductorEvaluation>::Fail("peak out of range");
    AssessmentRefusal pointRefusal = AssessmentRefusal::InvalidInput;
    const auto a = e ? AssessDesign(*e, ambient, pointRefusal)
                     : Outcome<DesignAssessment>::Fail(e.error());
    if (a) {
      curve.Points.push_back({D(current), a->TemperatureRise});
      continue;
    }
    curve.Incomplete = true;
    if (pointRefusal == AssessmentRefusal::NoSteadyTemperature) {
      if (!curve.RunawayFrom) curve.RunawayFrom = D(current);
    } else {
      curve.OtherGaps = true;
    }
  }
  return curve;
}

Outcome<ProposalComparisonRow> MakeProposalComparisonRow(const InductorEvaluation& proposal,
                                                         double ambient,
                                                         std::optional<double> frequencyKHz,
                                                         std::optional<double> rippleCurrent) {
  using Result = Outcome<ProposalComparisonRow>;
  if (frequencyKHz && !(FitsFloat32(*frequencyKHz) && *frequencyKHz >= 0))
    return Result::Fail("the frequency must be 0 kHz or more");
  if (rippleCurrent && !(FitsFloat32(*rippleCurrent) && *rippleCurrent >= 0))
    return Result::Fail("the ripple current must be 0 A or more");
  const auto evaluated = Reevaluate(
      proposal, frequencyKHz ? ToFloat32(*frequencyKHz) : proposal.FrequencyKHz,
      proposal.AverageCurrent, proposal.PeakCurrent,
      rippleCurrent ? ToFloat32(*rippleCurrent) : proposal.RippleCurrent);
  if (!evaluated) return Result::Fail(evaluated.error());
  const InductorEvaluation& e = *evaluated;

  ProposalComparisonRow row;
  row.PartNumber = e.Core.PartNumber;
  row.CoreCount = D(e.CoreCount);
  row.Turns = e.Turns;
  row.WireDiameter = D(e.WireDiameter);
  row.StrandCount = e.StrandCount;
  row.InductanceAtZero = D(e.InductanceAtZero);
  row.InductanceAtPeak = D(e.InductanceAtPeak);
  row.InductanceRetention = e.InductanceAtZero > 0 ? row.InductanceAtPeak / row.InductanceAtZero * 100 : 0;
  row.RetentionVerdict = RateRetention(row.InductanceRetention);
  row.DcResistance = D(e.DcResistance);
  row.CopperWeight = D(e.CopperWeight);
  row.CoreVolume = D(e.CoreVolume);
  const auto a = AssessDesign(e, ambient, row.Refusal);
  if (a) {
    row.CopperLoss = a->CopperLossDc + a->CopperLossAc;
    row.CoreLoss = a->CoreLoss;
    row.TemperatureRise = a->TemperatureRise;
    row.ThermalVerdict = a->ThermalVerdict;
    row.WoundOuterDiameter = a->WoundOuterDiameter;
    row.WoundHeight = a->WoundHeight;
  }
  return Result::Ok(std::move(row));
}

}  // namespace qiro
