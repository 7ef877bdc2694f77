#include "design/exchange/spice_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "magnetics/formulas.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

// Each term of the written λ is one breakpoint, and a segment can span at most a 0.4 %
// change of L, so the count is set by how far L falls over the range. Segments are chosen
// to 0.19 %: close to the promised 0.2 % for few terms, with room for the rounding of the
// written numbers and the spacing of the sampled currents.
constexpr double kChosenTolerance = 0.0019;
// Even: Simpson's rule over the same samples. Within a segment L changes by a few per mille
// at most, so sixteen intervals integrate it far below the tolerance.
constexpr int kSamplesPerSegment = 16;
constexpr std::size_t kMaxPoints = 20000;

// Current (A) of the 3 Oe where the bias fits start, by FieldStrengthOe's own constant.
double ThreeOeCurrent(const InductorEvaluation& e) {
  return 3.0 * static_cast<double>(e.Core.PathLength) / (1.25664 * static_cast<double>(e.Turns));
}

double BiasModel(const InductorEvaluation& e, double current) {
  return static_cast<double>(InductanceAtCurrent(e.Turns, e.Core, ToFloat32(current))) *
         static_cast<double>(e.CoreCount);
}

// Shortest text that reads back to the same float: the report's own numbers.
std::string FloatText(float v) { return ShortestText(v); }

// Twelve significant digits: far below the 0.2 % the table keeps, and short enough to read.
std::string ModelNumber(double v) {
  if (v == 0) v = 0;  // no "-0"
  return PrintfGeneralText(v, 12);
}

// Comment text: printable ASCII only, so every SPICE reads the header.
std::string CommentText(std::string_view text) {
  std::string out;
  for (unsigned char c : text) out += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
  return out;
}

struct Segment {
  bool fits = false;
  bool valid = true;   // every inductance sampled was positive and finite
  double mean = 0;     // μH: the segment's slope dλ/di
};

Segment CheckSegment(const InductorEvaluation& e, double a, double b) {
  std::array<double, kSamplesPerSegment + 1> l{};
  const double h = (b - a) / kSamplesPerSegment;
  for (int j = 0; j <= kSamplesPerSegment; ++j) {
    const double current = j == kSamplesPerSegment ? b : a + h * j;
    const double value = SpiceModelInductance(e, current);
    if (!(std::isfinite(value) && value > 0)) return {false, false, 0};
    l[static_cast<std::size_t>(j)] = value;
  }
  double sum = l.front() + l.back();
  for (int j = 1; j < kSamplesPerSegment; ++j) sum += (j % 2 ? 4 : 2) * l[static_cast<std::size_t>(j)];
  Segment s;
  s.mean = sum / (3.0 * kSamplesPerSegment);
  s.fits = std::all_of(l.begin(), l.end(), [&](double v) {
    return std::fabs(s.mean - v) <= kChosenTolerance * v;
  });
  return s;
}

}  // namespace

std::string SpiceSubcircuitName(const InductorEvaluation& e) {
  std::string name = "QIRO_";
  for (unsigned char c : e.Core.PartNumber) {
    if ((c & 0xC0) == 0x80) continue;  // a UTF-8 continuation byte: its character is written
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    name += plain ? static_cast<char>(c) : '_';
  }
  name += "_" + std::to_string(e.Turns) + "T_";
  for (char c : FloatText(e.CoreCount)) name += (c >= '0' && c <= '9') ? c : '_';
  return name;
}

double SpiceModelRange(const InductorEvaluation& e) {
  return 3.0 * std::max(std::fabs(static_cast<double>(e.PeakCurrent)),
                        std::fabs(static_cast<double>(e.AverageCurrent)));
}

double SpiceModelInductance(const InductorEvaluation& e, double Current) {
  const double x = std::min(std::fabs(Current), SpiceModelRange(e));
  const double i3 = ThreeOeCurrent(e);
  if (x >= i3) return BiasModel(e, x);
  // The fits start at 3 Oe; the unbiased L@0A is the report's. A straight line joins them.
  const double l0 = static_cast<double>(e.InductanceAtZero);
  return l0 + (BiasModel(e, i3) - l0) * (x / i3);
}

Outcome<std::vector<FluxPoint>> SpiceFluxTable(const InductorEvaluation& e) {
  using Result = Outcome<std::vector<FluxPoint>>;
  if (e.Turns < 1) return Result::Fail("Turns must be at least 1");
  if (!(std::isfinite(e.CoreCount) && e.CoreCount > 0))
    return Result::Fail("CoreCount must be above 0");
  if (!(e.Core.PathLength > 0 && std::isfinite(e.Core.PathLength)))
    return Result::Fail("Core has no path length");
  if (!(std::isfinite(e.InductanceAtZero) && e.InductanceAtZero > 0))
    return Result::Fail("InductanceAtZero must be above 0");
  const double range = SpiceModelRange(e);
  if (!(range > 0 && FitsFloat32(range)))
    return Result::Fail("the peak or average current must be above 0 (and within the float range)");
  const double lEnd = SpiceModelInductance(e, range);
  if (!(std::isfinite(lEnd) && lEnd > 0))
    return Result::Fail("the core material has no DC-bias curve for " + e.Core.Series + " " +
                        std::to_string(e.Core.Permeability));

  // The straight line below 3 Oe meets the bias model at a corner of L(I): a breakpoint
  // there keeps the corner off the inside of a segment, where the samples could miss it.
  const double i3 = ThreeOeCurrent(e);
  std::vector<FluxPoint> table{{0.0, 0.0}};
  double a = 0;
  double length = range / 64;
  while (a < range) {
    // Neighbouring segments are about as long: try a little longer than the last one, grow
    // or shrink by a quarter until the fit changes, then narrow down between the two.
    const double end = a < i3 && i3 < range ? i3 : range;
    double good = a;
    double goodMean = 0;
    double bad = end;
    bool haveBad = false;
    double b = std::min(a + 1.25 * length, end);
    for (int tries = 0;; ++tries) {
      if (tries > 200) return Result::Fail("the inductance cannot be tabulated to 0.2 %");
      const Segment s = CheckSegment(e, a, b);
      if (!s.valid) return Result::Fail("the inductance is not positive over the model's range");
      if (s.fits) {
        good = b;
        goodMean = s.mean;
        if (b >= end || haveBad) break;
        b = std::min(a + 1.25 * (b - a), end);
      } else {
        bad = b;
        haveBad = true;
        if (good > a) break;
        b = a + 0.8 * (b - a);
      }
    }
    for (int i = 0; haveBad && good < end && i < 6; ++i) {
      const double mid = good + (bad - good) / 2;
      const Segment s = CheckSegment(e, a, mid);
      if (!s.valid) return Result::Fail("the inductance is not positive over the model's range");
      if (s.fits) {
        good = mid;
        goodMean = s.mean;
      } else {
        bad = mid;
      }
    }
    if (!(good - a > range * 1e-9))
      return Result::Fail("the inductance changes too fast to be tabulated to 0.2 %");
    table.push_back({good, table.back().FluxLinkage + goodMean * (good - a)});
    if (table.size() > kMaxPoints) return Result::Fail("the flux-linkage table would be too long");
    length = good - a;
    a = good;
  }
  return Result::Ok(std::move(table));
}

Outcome<SpiceModel> MakeSpiceModel(const InductorEvaluation& e, std::string_view ProgramVersion) {
  using Result = Outcome<SpiceModel>;
  const auto table = SpiceFluxTable(e);
  if (!table) return Result::Fail(table.error());
  const double resistance = static_cast<double>(e.DcResistance) / 1000;  // mΩ → Ω
  if (!(std::isfinite(resistance) && resistance > 0))
    return Result::Fail("DcResistance must be above 0");
  for (float v : {e.AverageCurrent, e.PeakCurrent, e.InductanceAtPeak, e.InductanceAtAverage,
                  e.WireDiameter})
    if (!std::isfinite(v)) return Result::Fail("the design has a quantity that is not finite");

  const double range = SpiceModelRange(e);
  const double lEnd = SpiceModelInductance(e, range);
  const double i3 = ThreeOeCurrent(e);

  // λ(i) = lEnd·i + Σ c_k·(|i − x_k| − |i + x_k|). Each term is odd, with slope −2·c_k
  // for |i| < x_k and flat outside, so the sum is the table's piecewise-linear λ exactly:
  // symmetric, smooth through 0 A, and with slope lEnd beyond the last breakpoint (the range).
  // abs() is in every behavioural source, unlike table functions.
  std::vector<std::pair<double, double>> terms;  // (c_k, x_k)
  const auto& points = *table;
  terms.reserve(points.size());
  for (std::size_t k = 1; k < points.size(); ++k) {
    const auto slope = [&](std::size_t j) {  // of segment j (ending at point j), less lEnd
      if (j >= points.size()) return 0.0;
      return (points[j].FluxLinkage - points[j - 1].FluxLinkage) /
                 (points[j].Current - points[j - 1].Current) -
             lEnd;
    };
    const double c = (slope(k + 1) - slope(k)) / 2;
    if (!(std::isfinite(c) && std::isfinite(points[k].Current)))
      return Result::Fail("the flux-linkage table leaves the number range");
    if (c != 0) terms.emplace_back(c, points[k].Current);
  }
  SpiceModel model;
  model.SubcircuitName = SpiceSubcircuitName(e);
  const std::string& name = model.SubcircuitName;
  const std::string series = CommentText(e.Core.Series);
  std::string& t = model.Text;
  t += "* " + name + ": SPICE model of an inductor designed with QIROMagnetic " +
       CommentText(ProgramVersion) + "\n";
  t += "* Core " + CommentText(e.Core.PartNumber) + " (" + series + ", permeability " +
       std::to_string(e.Core.Permeability) + ") x " + FloatText(e.CoreCount) + ", " +
       std::to_string(e.Turns) + " turns of " + FloatText(e.WireDiameter) + " mm wire, " +
       std::to_string(e.StrandCount) + " strand(s)\n";
  t += "* Design currents: average " + FloatText(e.AverageCurrent) + " A, peak " +
       FloatText(e.PeakCurrent) + " A\n";
  t += "* Report: L@0A " + FloatText(e.InductanceAtZero) + " uH, L@average " +
       FloatText(e.InductanceAtAverage) + " uH, L@peak " + FloatText(e.InductanceAtPeak) +
       " uH, DC resistance " + FloatText(e.DcResistance) + " mOhm\n";
  t += "*\n";
  t += "* Pins 1 and 2. The DC resistance in series with an inductance L(I) that follows the\n";
  t += "* material's DC-bias model, symmetric in I, within 0.2 % for\n";
  t += "* -" + ModelNumber(range) + " A <= I <= " + ModelNumber(range) +
       " A (3 x the larger of peak and average current).\n";
  t += "* Beyond that range L stays at " + ModelNumber(lEnd) + " uH.\n";
  t += "* The bias model holds from 3 Oe (" + ModelNumber(i3) +
       " A) on; below it L goes linearly from L@0A to the\n";
  t += "* model's value at 3 Oe, so the model has no step at 0 A.\n";
  t += "* Not in the model: core loss, AC resistance of the winding, self-capacitance, temperature.\n";
  t += "*\n";
  t += "* How it works: node flux carries the flux linkage lambda(i) in uWb, written exactly as\n";
  t += "* the piecewise-linear lambda = " + ModelNumber(lEnd) +
       " * i + sum of c * (abs(i - x) - abs(i + x)),\n";
  t += "* one term per breakpoint x; 1 uF turns d(lambda)/dt into a current, which a CCVS puts\n";
  t += "* across the pins. Uses only R, C, V, H and a B source V = expression with abs() and i(), so it\n";
  t += "* runs in ngspice and other SPICE programs with behavioural sources. Driven by voltages,\n";
  t += "* as in a converter, any integration method does. A current source with sharp corners\n";
  t += "* forcing the current makes trapezoidal integration ring; method=gear damps that.\n";
  t += ".subckt " + name + " 1 2\n";
  t += "Rdc 1 3 " + ModelNumber(resistance) + "\n";
  t += "Vsense 3 4 0\n";
  t += "Bflux flux 0 V = " + ModelNumber(lEnd) + " * i(Vsense)\n";
  for (const auto& [c, x] : terms) {
    const std::string at = ModelNumber(x);
    t += std::string("+ ") + (c < 0 ? "- " : "+ ") + ModelNumber(std::fabs(c)) +
         " * (abs(i(Vsense) - " + at + ") - abs(i(Vsense) + " + at + "))\n";
  }
  t += "Cdiff flux sense 1e-06\n";
  t += "Vdiff sense 0 0\n";
  t += "Hpins 4 2 Vdiff 1\n";
  t += ".ends " + name + "\n";
  return Result::Ok(std::move(model));
}

}  // namespace qiro
