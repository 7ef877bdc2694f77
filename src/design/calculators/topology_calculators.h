#pragma once
// The converter calculators: from a topology's electrical parameters to the duty cycle,
// currents and inductance its inductor must meet. Inputs and results are 32-bit floats
// (the PFC's RMS current alone is 64-bit); each formula runs left to right in double from
// the stored values and is rounded once. A refused input or a result that leaves the
// float range gives a reason instead of numbers, never inf or nan.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "magnetics/outcome.h"

namespace qiro {

struct BuckResult {
  float D, Po, dI, ILpk, L;
};
Outcome<BuckResult> CalcBuck(float Iout, float Vin, float Vout, float f, float gamma);

// BOOST and BUCK-BOOST: IL is the average inductor current, Io the output current.
struct BoostResult {
  float D, Io, IL, dI, ILpk, L;
};
Outcome<BoostResult> CalcBoost(float P, float Vin, float Vout, float f, float gamma);
Outcome<BoostResult> CalcBuckBoost(float P, float Vin, float Vout, float f, float gamma);

// Vin is the RMS line voltage; ILpk the crest of the input current without ripple.
struct PfcResult {
  float D, ILpk;
  double ILrms;
  float Io, dI, L;
};
Outcome<PfcResult> CalcPfc(float P, float Vin, float Vout, float f, float eta, float gamma);

// IL is the crest of the rated output current, ILpk that plus half the ripple.
struct InverterLcResult {
  float D, Iout, IL, dI, ILpk, L;
};
Outcome<InverterLcResult> CalcInverterLc(float P, float Vdc, float Vout, float f, float gamma);

// Forward, push-pull and full bridge: D is an input, strictly between 0 and 1.
struct IsolatedResult {
  float dI, ILpk, L;
};
Outcome<IsolatedResult> CalcForward(float Vout, float f, float Iout, float D, float gamma);
Outcome<IsolatedResult> CalcPushPull(float Vout, float f, float Iout, float D, float gamma);
Outcome<IsolatedResult> CalcFullBridge(float Vout, float f, float Iout, float D, float gamma);

// --- What the screens share: checking field texts and running a topology by name. ---

// The test an input must pass: above 0; strictly between 0 and 1 (duty cycle);
// above 0 and at most 1 (efficiency).
enum class TopologyTest { Positive, DutyCycle, Efficiency };

// Whether a field's text passes its test both as read (double) and as stored (the
// nearest 32-bit float, which must be finite). Checking both keeps the button and the
// live results agreeing: "0.99999999" is below 1 but is stored as 1.
bool PassesTopologyTest(TopologyTest test, std::string_view text);

// Whether a refused text is a number that passes the test as typed but that a 32-bit float
// cannot hold ("1E39", or a positive value so small it is stored as 0): the user did type a
// number, so the screen names the range rather than asking for one.
bool BeyondTopologyRange(TopologyTest test, std::string_view text);

// The field text as the calculators store it.
float TopologyInputValue(std::string_view text);

enum class Topology { Buck, Boost, BuckBoost, Pfc, InverterLc, Forward, PushPull, FullBridge };

enum class TopologyQuantity {
  DutyCycle,
  Power,
  OutputCurrent,
  InductorCurrent,
  InductorRmsCurrent,
  Ripple,
  PeakCurrent,
  Inductance,
};

// One result: a 32-bit value, or (wide) the 64-bit PFC RMS current.
struct TopologyValue {
  TopologyQuantity quantity;
  double value;
  bool wide = false;
};

// The value as a field shows it: 7 significant digits, 15 when wide.
std::string TopologyValueText(const TopologyValue& value);

// The topology's calculation on its inputs in field order (5, or 6 for PFC); the results
// in the order they are computed.
Outcome<std::vector<TopologyValue>> CalcTopology(Topology topology, std::span<const float> inputs);

}  // namespace qiro
