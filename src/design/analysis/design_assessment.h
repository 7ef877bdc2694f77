#pragma once
// Will the inductor run cool? The winding's layers and wound size, the copper loss at DC and
// at the ripple frequency, and the temperature rise of one evaluated design.
//
// Methods and assumptions:
// - Layers: conductors are laid side by side at the enamelled pitch along the circumference
//   left in the coated hole, one layer inside the other (a toroid fills its hole first).
// - Hot copper: the report's DcResistance is taken at 20 °C and scaled with copper's
//   0.00393/°C; the resistivity (1.706e-8 Ω·m, as the DC resistance formula uses) likewise.
// - AC copper loss: the ripple is a symmetric triangle whose odd harmonics up to the 99th
//   each meet Dowell's one-dimensional resistance factor for round conductors (the round
//   wire turned into an equivalent foil of the same area, layers of infinite extent).
// - Temperature rise: natural convection from the wound part's outer cylinder and both end
//   faces, ΔT = (mW/cm²)^0.833, the surface rule powder-core makers publish. The copper's
//   temperature and its loss are solved together by fixed-point iteration.
// Everything is computed in double from the evaluation's float members.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/analysis/design_curves.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"

namespace qiro {

// Copper: resistance at T is R20·(1 + 0.00393·(T − 20)).
inline constexpr double kCopperResistivity = 1.706e-8;       // Ω·m at 20 °C
inline constexpr double kCopperTemperatureCoefficient = 0.00393;  // 1/°C
inline constexpr double kResistanceReferenceTemperature = 20;      // °C of DcResistance
inline constexpr int kHighestRippleHarmonic = 99;  // the rest carry < 2e-7 of the ripple power
inline constexpr double kRiseExponent = 0.833;     // natural-convection surface rule
inline constexpr double kTemperatureTolerance = 1e-9;  // °C between two rounds
inline constexpr int kMostTemperatureRounds = 200;
// Where a harmonic's Δ sits near 1e-4, Dowell's factor carries rounding noise of about 1e-7
// that can keep two rounds apart by more than the tolerance for ever, at a temperature that is
// plainly steady. By the last round the climb itself has settled (each round leaves at most
// 0.833 of the gap), so a last change below this is that noise, far below the 0.1 °C shown.
inline constexpr double kTemperatureJitter = 1e-3;  // °C
// Far past every magnet wire's insulation class (the highest is 240 °C), where copper anneals
// and the convection rule no longer describes anything: a winding that climbs past it has no
// steady temperature to report.
inline constexpr double kHottestWinding = 500;  // °C
// Ambient temperatures an electronic assembly meets, from arctic storage to hot engine bays.
inline constexpr double kLowestAmbient = -60;   // °C
inline constexpr double kHighestAmbient = 200;  // °C

// Verdict thresholds.
// A 40 °C rise is what power-supply designs commonly budget for a magnetic part in an enclosure.
inline constexpr double kNormalRiseLimit = 40;  // °C, up to it "正常"
// Past 60 °C a 40 °C ambient puts the winding above 100 °C, where insulation life shortens fast.
inline constexpr double kHighRiseLimit = 60;  // °C, up to it "偏高", above "过高"
// Powder-core makers size an inductor to keep at least 80 % of its inductance at full load.
inline constexpr double kNormalRetention = 80;  // %, from it "正常"
// Below half the inductance the ripple more than doubles and the peak current runs away.
inline constexpr double kLowRetention = 50;  // %, from it "偏低", below "过低"

enum class ThermalRating { Normal, High, TooHigh };
enum class RetentionRating { Normal, Low, TooLow };

// The verdict as the screens and the batch tool write it: "正常", "偏高", "过高".
std::string_view VerdictWord(ThermalRating rating);
// "正常", "偏低", "过低".
std::string_view VerdictWord(RetentionRating rating);
// "Normal", "High", "TooHigh" / "Normal", "Low", "TooLow": codes for scripts.
std::string_view VerdictCode(ThermalRating rating);
std::string_view VerdictCode(RetentionRating rating);

ThermalRating RateTemperatureRise(double rise);
RetentionRating RateRetention(double retention);

// Why a design could not be assessed: the screens word each kind in their own language.
enum class AssessmentRefusal {
  None,
  InvalidInput,         // ambient, counts or dimensions that cannot be assessed
  WindingDoesNotFit,    // the conductors do not fit the core's hole
  LossOutsideModel,     // the core loss model gives a negative loss at this frequency
  NoSteadyTemperature,  // the winding would pass kHottestWinding: a thermal runaway
};

struct DesignAssessment {
  int Layers = 0;
  double BuildThickness = 0;      // mm, layers × pitch
  double WoundOuterDiameter = 0;  // mm
  double WoundHeight = 0;         // mm
  double SurfaceArea = 0;         // cm², outer cylinder and both end faces
  double DowellFactor = 0;        // AC/DC resistance at the fundamental, at the final temperature
  double CopperLossDc = 0;        // W, average current in the hot copper
  double CopperLossAc = 0;        // W, ripple harmonics in the hot copper
  double CoreLoss = 0;            // W, the report's
  double TotalLoss = 0;           // W
  double TemperatureRise = 0;     // °C
  double WindingTemperature = 0;  // °C, ambient + rise
  double InductanceRetention = 0; // %, L at the peak current of L@0A
  ThermalRating ThermalVerdict = ThermalRating::Normal;
  RetentionRating RetentionVerdict = RetentionRating::Normal;
  int TemperatureRounds = 0;      // fixed-point rounds taken
};

// The winding laid in the core's hole as AssessDesign lays it; empty when it does not fit.
struct LaidWinding {
  int Layers = 0;
  double Pitch = 0;               // mm, enamelled wire
  double BuildThickness = 0;      // mm
  double WoundOuterDiameter = 0;  // mm
  double WoundHeight = 0;         // mm
  double SurfaceArea = 0;         // cm²
};
std::optional<LaidWinding> LayWinding(const InductorEvaluation& design);

// Refused (with an English reason) for an ambient outside −60…200 °C or not finite, counts
// below 1, dimensions that are not positive, a winding that does not fit the hole, a
// negative core loss, a winding temperature that would pass 500 °C (or that does not settle
// in 200 rounds), or any result that is not finite. An accepted winding temperature is at
// most 500 °C, and exactly what the iteration without the limit would give.
Outcome<DesignAssessment> AssessDesign(const InductorEvaluation& design,
                                       double ambientTemperature);
// The same, also telling which kind of refusal it was (None when assessed).
Outcome<DesignAssessment> AssessDesign(const InductorEvaluation& design,
                                       double ambientTemperature, AssessmentRefusal& refusal);

// What heats a wound design: the core loss, the current's mean square and the ripple's
// harmonics (RMS², A²) at the ripple frequency, with the inductance left at the highest
// current. AssessDesign is this with the report's core loss and a symmetric triangle.
struct WindingHeat {
  double CoreLoss = 0;           // W
  double MeanSquareCurrent = 0;  // A², of the line-frequency (or DC) current
  double FrequencyKHz = 0;       // of the ripple's fundamental
  // Harmonic h at index h − 1 (h = 1 … 99), or with OddHarmonicsOnly h = 2·index + 1.
  std::span<const double> HarmonicSquares;
  bool OddHarmonicsOnly = false;
  double Retention = 0;          // %, L at the highest current of L@0A
};

// The winding of `winding` (core, stack, wire, strands, turns, its DC resistance) assessed
// under `heat`, with AssessDesign's rules, surface and refusals.
Outcome<DesignAssessment> AssessWindingUnder(const InductorEvaluation& winding,
                                             const WindingHeat& heat, double ambientTemperature,
                                             AssessmentRefusal& refusal);

// Dowell's resistance factor of m layers of round conductors at Δ = equivalent foil
// thickness over skin depth; 1 for Δ below 1e-4 (and for Δ that is not a number above it).
double DowellFactor(double delta, int layers);

// Temperature rise (°C) against the average DC current (A) from 0 to twice the design's peak
// current, each point the design re-evaluated (EvaluateInductor) at that average current with
// its frequency, ripple and peak-minus-average offset kept, then assessed. Currents whose
// design cannot be evaluated or assessed are left out of the curve, and Incomplete says so.
struct TemperatureCurve {
  std::vector<CurvePoint> Points;
  std::optional<CurvePoint> Design;  // the design's own average current and rise
  bool Incomplete = false;
  // The lowest current left out because the winding would pass kHottestWinding there.
  std::optional<double> RunawayFrom;
  bool OtherGaps = false;  // currents left out for any other reason
  CurveGap Gap = CurveGap::None;     // NoCurrent: twice the peak current is not above 0
  // Why the design's own point could not be assessed (None when it was).
  AssessmentRefusal DesignRefusal = AssessmentRefusal::None;
};

TemperatureCurve TemperatureRiseCurve(const InductorEvaluation& design,
                                      double ambientTemperature, int points = kCurvePoints);

// One row of the proposal comparison. Values from the assessment are empty when the
// proposal cannot be assessed (Refusal says why).
struct ProposalComparisonRow {
  std::string PartNumber;
  double CoreCount = 0;
  int Turns = 0;
  double WireDiameter = 0;        // mm, one strand
  int StrandCount = 0;
  double InductanceAtZero = 0;    // μH
  double InductanceAtPeak = 0;    // μH
  double InductanceRetention = 0; // %
  RetentionRating RetentionVerdict = RetentionRating::Normal;
  double DcResistance = 0;        // mΩ, at 20 °C
  double CopperWeight = 0;        // g
  double CoreVolume = 0;          // cm³
  std::optional<double> CopperLoss;          // W, DC + AC in the hot copper
  std::optional<double> CoreLoss;            // W
  std::optional<double> TemperatureRise;     // °C
  std::optional<ThermalRating> ThermalVerdict;
  std::optional<double> WoundOuterDiameter;  // mm
  std::optional<double> WoundHeight;         // mm
  AssessmentRefusal Refusal = AssessmentRefusal::None;
};

// The proposal at its own currents; a given frequency (kHz) or ripple (A, peak to peak)
// replaces the proposal's own (the proposals carry none), so core and AC copper loss enter.
// Refused only when the proposal cannot be re-evaluated with them.
Outcome<ProposalComparisonRow> MakeProposalComparisonRow(
    const InductorEvaluation& proposal, double ambientTemperature,
    std::optional<double> frequencyKHz = std::nullopt,
    std::optional<double> rippleCurrent = std::nullopt);

}  // namespace qiro
