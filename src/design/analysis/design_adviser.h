#pragma once
// The design adviser: every design of the catalogue for a requirement, not a heuristic pick.
// For each included core (slot order), stack count, wire of the calculator's list and strand
// count it takes the fewest turns that reach the inductance, evaluates and assesses the
// design, keeps the feasible ones and returns the Pareto front of wound volume against total
// loss and the best (first feasible) design of each series.
//
// What is exact and how the search saves work:
// - The inductances of N turns depend on the core, the stack, N and the average current only,
//   so the turns are found once per (core, stack), scanning N = 1, 2, … (no monotony is
//   assumed); a design whose evaluation is then refused counts as not assessable.
// - The window fill grows with the wire diameter and with the strand count (the turns being
//   fixed), so once a design exceeds 44 %, its wire with more strands and every thicker wire
//   with at least as many strands exceed it too: they are counted, not evaluated.
// - The retention depends on the core, stack and turns only: below the minimum it rules out
//   the whole (core, stack) without an assessment. The wound size is known before the
//   temperature, and a rise that the DC copper loss alone already puts above the limit needs
//   no assessment either (see SurelyTooHot).
// The result equals a plain loop over every design, to the bit; threads share the cores and
// their results are put together in slot order, so any thread count gives the same result.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design/analysis/converter_operation.h"
#include "design/analysis/design_assessment.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/outcome.h"

namespace qiro {

enum class InductanceAt { Zero, Average };

inline constexpr int kAdviserMostCoreCount = 6;
inline constexpr int kAdviserMostStrandCount = 100;
inline constexpr double kAdviserMostTolerance = 50;  // %
// A window fill above this gets the calculator's "注意：绕线困难！".
inline constexpr double kAdviserMostWindowFill = 44;  // %

// Valid ranges (CheckAdviserRequest): RequiredInductance > 0 (also as a 32-bit float);
// InductanceTolerance 0…50; AverageCurrent ≥ 0; PeakCurrent > 0; RippleCurrent ≥ 0;
// FrequencyKHz ≥ 0 (currents and frequency within the 32-bit float range, as the evaluation
// takes them); AmbientTemperature kLowestAmbient…kHighestAmbient; MaxTemperatureRise > 0;
// MaxWoundOuterDiameter, MaxWoundHeight ≥ 0; MinRetention 0…100; MaxCoreCount 1…6;
// MaxStrandCount 1…100; at least one series. Every number finite.
// With InConverter the converter takes the place of the currents, ripple, frequency and Where
// (which then stay at their defaults): the inductance (RequiredInductance, or the converter's
// L when it is 0) is met at the converter's own current, and every design is assessed in the
// converter, its retention at the highest current.
struct AdviserRequest {
  double RequiredInductance = 0;  // μH
  InductanceAt Where = InductanceAt::Zero;
  double InductanceTolerance = 0;  // %, 0…50: the AL tolerance designed for
  double AverageCurrent = 0;       // A
  double PeakCurrent = 0;          // A
  double RippleCurrent = 0;        // A, peak to peak
  double FrequencyKHz = 0;
  double AmbientTemperature = 25;  // °C
  double MaxTemperatureRise = 40;  // °C
  double MaxWoundOuterDiameter = 0;  // mm, 0 = no limit
  double MaxWoundHeight = 0;         // mm, 0 = no limit
  double MinRetention = 0;           // %, 0 = no limit
  int MaxCoreCount = 4;              // 1…6
  int MaxStrandCount = 10;           // 1…100
  // Included series, indexed as kSeriesCodes; at least one.
  std::array<bool, 7> Series = {true, true, true, true, true, true, true};
  std::optional<Converter> InConverter;
};

// Which argument is wrong, for the screens' and the batch tool's messages.
enum class AdviserArgument {
  None,
  RequiredInductance,
  InductanceTolerance,
  AverageCurrent,
  PeakCurrent,
  RippleCurrent,
  FrequencyKHz,
  AmbientTemperature,
  MaxTemperatureRise,
  MaxWoundOuterDiameter,
  MaxWoundHeight,
  MinRetention,
  MaxCoreCount,
  MaxStrandCount,
  Series,
  Converter,
};

// The first argument outside its range (None when all are valid).
AdviserArgument CheckAdviserRequest(const AdviserRequest& request);

// The argument's name as the batch tool spells it ("RequiredInductance", …; "" for None).
const char* AdviserArgumentName(AdviserArgument argument);

// π/4 · D² · H / 1000: the room (cm³) a wound part of outer diameter D and height H (mm) takes.
double WoundVolume(double woundOuterDiameter, double woundHeight);

// One design, compactly: where it is in the catalogue and what the front and chart need.
struct AdvisedDesign {
  std::int16_t Slot = 0;         // catalogue slot 1…754
  std::int8_t CoreCount = 0;
  std::int8_t WireIndex = 0;     // 0…29: wire diameter (WireIndex + 1) / 10 mm
  std::int8_t StrandCount = 0;
  std::int16_t Turns = 0;
  double WoundVolume = 0;        // cm³
  double TotalLoss = 0;          // W
};

// The wire diameter of a list index, as the 32-bit float of its one-decimal text.
float AdviserWireDiameter(int wireIndex);

// Every member named in a full report of one design, re-created from its compact form.
struct AdvisedDesignDetails {
  std::string PartNumber;
  int CoreCount = 0;
  float WireDiameter = 0;
  int StrandCount = 0;
  int Turns = 0;
  InductorEvaluation Evaluation;
  DesignAssessment Assessment;
  double WoundVolume = 0;  // cm³
  std::optional<ConverterLoad> InConverter;  // the load it was assessed under, in a converter
};

// Re-evaluates a design of the result under the request (exactly the search's numbers).
Outcome<AdvisedDesignDetails> DescribeAdvisedDesign(const AdviserRequest& request,
                                                    const AdvisedDesign& design);

// Why designs were ruled out. NoTurns counts (core, stack) pairs; the others count designs
// of the pairs that had enough turns, each under the first rule it breaks in this order
// (cheapest first): window fill, retention, the winding does not fit the hole (not
// assessable), outer diameter, height, the assessment refuses (not assessable), temperature
// rise. Every design is counted once: FeasibleCount plus these equals the designs enumerated.
struct AdviserRejections {
  std::int64_t NoTurns = 0;           // (core, stack) pairs with no N up to 350
  std::int64_t WindowFill = 0;
  // The evaluation or the assessment refused: the winding does not fit the hole, the loss
  // model fails, a result is not finite.
  std::int64_t NotAssessable = 0;
  // Above MaxTemperatureRise, or a temperature that does not settle (the winding runs away).
  std::int64_t TemperatureRise = 0;
  std::int64_t WoundOuterDiameter = 0;
  std::int64_t WoundHeight = 0;
  std::int64_t Retention = 0;
};

struct AdviserResult {
  std::int64_t FeasibleCount = 0;
  std::vector<AdvisedDesign> Feasible;  // every feasible design in enumeration order
  std::vector<AdvisedDesign> Front;     // the Pareto front in volume order
  // Per series, indexed as kSeriesCodes: its first feasible design, if any.
  std::array<std::optional<AdvisedDesign>, 7> BestPerSeries;
  AdviserRejections Rejections;
  bool Stopped = false;  // the caller stopped it: the result is empty
};

struct AdviserControl {
  const std::atomic<bool>* Stop = nullptr;  // set from any thread to stop promptly
  // Fraction done 0…1, called now and then (at most about 100 times, rising, one call at a
  // time) from the searching threads, so it must be safe to call from any thread (may be empty).
  std::function<void(double)> Progress;
  int Threads = 0;  // 0 = the machine's cores
};

// The adviser window's fields as typed, read as the window reads them: in the order it shows
// them, each a number text within the float range (counts whole), the first that cannot be
// used named as its range check names it. The four fields of the operating point are not read
// when a converter sets them.
struct AdviserFieldTexts {
  std::string RequiredInductance, InductanceTolerance, AverageCurrent, PeakCurrent,
      RippleCurrent, FrequencyKHz, AmbientTemperature, MaxTemperatureRise,
      MaxWoundOuterDiameter, MaxWoundHeight, MinRetention, MaxCoreCount, MaxStrandCount;
  bool AtZero = false;  // "初始感量" rather than "平均电流下的感量"
  std::array<bool, 7> Series{};
  std::optional<Converter> InConverter;
};
std::variant<AdviserRequest, AdviserArgument> ReadAdviserFields(const AdviserFieldTexts& fields);

// What a chart of the feasible designs draws: per series (indexed as kSeriesCodes) the
// designs' indices into Feasible, all of them, or beyond kMostDrawnDesigns one per cell of a
// kThinningCells grid even on the log axes (the cloud keeps its shape; every design is still
// counted, and the front is drawn from the exact designs), with the range they span.
inline constexpr std::size_t kMostDrawnDesigns = 4000;
inline constexpr int kThinningCells = 60;
struct DrawnDesigns {
  std::array<std::vector<std::size_t>, 7> PerSeries;
  bool Thinned = false;
  double LowVolume = 0, HighVolume = 0;  // cm³
  double LowLoss = 0, HighLoss = 0;      // W
};
// Empty when a design has no positive volume or loss: a log chart cannot show it.
std::optional<DrawnDesigns> DesignsToDraw(const AdviserResult& result);

// Refused (naming the argument) when CheckAdviserRequest finds one out of range. A stopped
// search returns an empty result with Stopped set.
Outcome<AdviserResult> AdviseDesigns(const AdviserRequest& request,
                                     const AdviserControl& control = {});

}  // namespace qiro
