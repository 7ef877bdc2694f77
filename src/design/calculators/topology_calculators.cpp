#include "design/calculators/topology_calculators.h"

#include <cmath>
#include <initializer_list>

#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

using Q = TopologyQuantity;

// Every operand is promoted before a formula runs, so products of floats never round early.
constexpr double W(float x) { return static_cast<double>(x); }

const double kSqrt2 = std::sqrt(2.0);

bool Passes(TopologyTest test, double value) {
  switch (test) {
    case TopologyTest::Positive: return value > 0;
    case TopologyTest::DutyCycle: return value > 0 && value < 1;
    case TopologyTest::Efficiency: return value > 0 && value <= 1;
  }
  return false;
}

struct Argument {
  const char* name;
  float value;
  TopologyTest test = TopologyTest::Positive;
};

// The reason the first argument that fails its test is refused, or empty.
std::string Refusal(std::initializer_list<Argument> arguments) {
  for (const Argument& a : arguments) {
    if (!std::isfinite(a.value) || !Passes(a.test, W(a.value))) {
      return std::string(a.name) + " is out of its range";
    }
  }
  return {};
}

// Rounds each result once to its stored float and remembers the first that left the
// float range (an overflow, or a divisor that was stored as 0).
class Stored {
 public:
  float operator()(const char* name, double value) {
    const float stored = ToFloat32(value);
    if (!std::isfinite(stored) && failed_ == nullptr) failed_ = name;
    return stored;
  }

  template <class R>
  Outcome<R> Finish(const R& result) const {
    if (failed_ != nullptr) {
      return Outcome<R>::Fail(std::string(failed_) + " leaves the 32-bit float range");
    }
    return Outcome<R>::Ok(result);
  }

 private:
  const char* failed_ = nullptr;
};

// BOOST and BUCK-BOOST differ only in the duty cycle.
Outcome<BoostResult> BoostFamily(bool inverting, float P, float Vin, float Vout, float f,
                                 float gamma) {
  const std::string refused =
      Refusal({{"P", P}, {"Vin", Vin}, {"Vout", Vout}, {"f", f}, {"gamma", gamma}});
  if (!refused.empty()) return Outcome<BoostResult>::Fail(refused);
  Stored s;
  BoostResult r{};
  r.D = inverting ? s("D", W(Vout) / (W(Vin) + W(Vout))) : s("D", (W(Vout) - W(Vin)) / W(Vout));
  r.Io = s("Io", W(P) / W(Vout));
  r.IL = s("IL", W(r.Io) / (1 - W(r.D)));
  r.dI = s("dI", W(r.IL) * W(gamma));
  r.ILpk = s("ILpk", W(r.dI) / 2 + W(r.IL));
  r.L = s("L", W(r.D) * W(Vin) * (1 - W(r.D)) / W(gamma) / W(r.Io) / W(f) * 1000);
  return s.Finish(r);
}

// Forward uses (1 / D − 1), push-pull and full bridge (1 / 2 / D − 1), each evaluated in
// that form.
Outcome<IsolatedResult> IsolatedFamily(bool twoSwitchPhases, float Vout, float f, float Iout,
                                       float D, float gamma) {
  const std::string refused = Refusal({{"Vout", Vout},
                                       {"f", f},
                                       {"Iout", Iout},
                                       {"D", D, TopologyTest::DutyCycle},
                                       {"gamma", gamma}});
  if (!refused.empty()) return Outcome<IsolatedResult>::Fail(refused);
  Stored s;
  IsolatedResult r{};
  r.dI = s("dI", W(Iout) * W(gamma));
  r.ILpk = s("ILpk", W(r.dI) / 2 + W(Iout));
  const double offTime = twoSwitchPhases ? 1.0 / 2 / W(D) - 1 : 1.0 / W(D) - 1;
  r.L = s("L", offTime * W(Vout) * W(D) / W(gamma) / W(Iout) / W(f) * 1000);
  return s.Finish(r);
}

std::vector<TopologyValue> Listed(const BuckResult& r) {
  return {{Q::DutyCycle, r.D}, {Q::Power, r.Po}, {Q::Ripple, r.dI}, {Q::PeakCurrent, r.ILpk},
          {Q::Inductance, r.L}};
}

std::vector<TopologyValue> Listed(const BoostResult& r) {
  return {{Q::DutyCycle, r.D},  {Q::OutputCurrent, r.Io}, {Q::InductorCurrent, r.IL},
          {Q::Ripple, r.dI},    {Q::PeakCurrent, r.ILpk}, {Q::Inductance, r.L}};
}

std::vector<TopologyValue> Listed(const PfcResult& r) {
  return {{Q::DutyCycle, r.D},        {Q::PeakCurrent, r.ILpk},
          {Q::InductorRmsCurrent, r.ILrms, true},
          {Q::OutputCurrent, r.Io},   {Q::Ripple, r.dI},
          {Q::Inductance, r.L}};
}

std::vector<TopologyValue> Listed(const InverterLcResult& r) {
  return {{Q::DutyCycle, r.D}, {Q::OutputCurrent, r.Iout}, {Q::InductorCurrent, r.IL},
          {Q::Ripple, r.dI}, {Q::PeakCurrent, r.ILpk}, {Q::Inductance, r.L}};
}

std::vector<TopologyValue> Listed(const IsolatedResult& r) {
  return {{Q::Ripple, r.dI}, {Q::PeakCurrent, r.ILpk}, {Q::Inductance, r.L}};
}

template <class R>
Outcome<std::vector<TopologyValue>> AsValues(const Outcome<R>& outcome) {
  if (!outcome) return Outcome<std::vector<TopologyValue>>::Fail(outcome.error());
  return Outcome<std::vector<TopologyValue>>::Ok(Listed(*outcome));
}

}  // namespace

Outcome<BuckResult> CalcBuck(float Iout, float Vin, float Vout, float f, float gamma) {
  const std::string refused =
      Refusal({{"Iout", Iout}, {"Vin", Vin}, {"Vout", Vout}, {"f", f}, {"gamma", gamma}});
  if (!refused.empty()) return Outcome<BuckResult>::Fail(refused);
  Stored s;
  BuckResult r{};
  r.D = s("D", W(Vout) / W(Vin));
  r.Po = s("Po", W(Vout) * W(Iout));
  r.dI = s("dI", W(Iout) * W(gamma));
  r.ILpk = s("ILpk", W(r.dI) / 2 + W(Iout));
  r.L = s("L", (W(Vin) - W(Vout)) * W(r.D) / W(r.dI) / W(f) * 1000);
  return s.Finish(r);
}

Outcome<BoostResult> CalcBoost(float P, float Vin, float Vout, float f, float gamma) {
  return BoostFamily(false, P, Vin, Vout, f, gamma);
}

Outcome<BoostResult> CalcBuckBoost(float P, float Vin, float Vout, float f, float gamma) {
  return BoostFamily(true, P, Vin, Vout, f, gamma);
}

Outcome<PfcResult> CalcPfc(float P, float Vin, float Vout, float f, float eta, float gamma) {
  const std::string refused = Refusal({{"P", P},
                                       {"Vin", Vin},
                                       {"Vout", Vout},
                                       {"f", f},
                                       {"eta", eta, TopologyTest::Efficiency},
                                       {"gamma", gamma}});
  if (!refused.empty()) return Outcome<PfcResult>::Fail(refused);
  Stored s;
  PfcResult r{};
  r.D = s("D", (W(Vout) - W(Vin) * kSqrt2) / W(Vout));
  r.ILpk = s("ILpk", kSqrt2 * W(P) / W(Vin) / W(eta));
  r.ILrms = W(r.ILpk) / kSqrt2;
  r.Io = s("Io", W(P) / W(Vout));
  r.dI = s("dI", W(r.ILpk) * W(gamma));
  r.L = s("L", kSqrt2 * W(Vin) * W(r.D) / W(gamma) / W(r.ILpk) / W(f) * 1000);
  return s.Finish(r);
}

Outcome<InverterLcResult> CalcInverterLc(float P, float Vdc, float Vout, float f, float gamma) {
  const std::string refused =
      Refusal({{"P", P}, {"Vdc", Vdc}, {"Vout", Vout}, {"f", f}, {"gamma", gamma}});
  if (!refused.empty()) return Outcome<InverterLcResult>::Fail(refused);
  Stored s;
  InverterLcResult r{};
  r.D = s("D", W(Vout) / W(Vdc));
  r.Iout = s("Iout", W(P) / W(Vout));
  r.IL = s("IL", W(r.Iout) * kSqrt2);
  r.dI = s("dI", W(r.IL) * W(gamma));
  r.ILpk = s("ILpk", W(r.dI) / 2 + W(r.IL));
  r.L = s("L", (W(Vdc) - W(Vout)) * W(Vout) / W(gamma) / W(r.IL) / W(f) / W(Vdc) * 1000);
  return s.Finish(r);
}

Outcome<IsolatedResult> CalcForward(float Vout, float f, float Iout, float D, float gamma) {
  return IsolatedFamily(false, Vout, f, Iout, D, gamma);
}

Outcome<IsolatedResult> CalcPushPull(float Vout, float f, float Iout, float D, float gamma) {
  return IsolatedFamily(true, Vout, f, Iout, D, gamma);
}

// The full bridge's output inductor sees the same waveform as the push-pull's.
Outcome<IsolatedResult> CalcFullBridge(float Vout, float f, float Iout, float D, float gamma) {
  return IsolatedFamily(true, Vout, f, Iout, D, gamma);
}

bool PassesTopologyTest(TopologyTest test, std::string_view text) {
  const double read = LeadingNumber(text);
  const float stored = ToFloat32(read);
  return Passes(test, read) && std::isfinite(stored) && Passes(test, W(stored));
}

bool BeyondTopologyRange(TopologyTest test, std::string_view text) {
  const double read = LeadingNumber(text);
  const float stored = ToFloat32(read);
  return Passes(test, read) && (!std::isfinite(stored) || (read > 0 && stored == 0));
}

float TopologyInputValue(std::string_view text) { return ToFloat32(LeadingNumber(text)); }

std::string TopologyValueText(const TopologyValue& value) {
  if (value.wide) return GeneralNumberText(value.value);
  return GeneralNumberText(static_cast<float>(value.value));
}

Outcome<std::vector<TopologyValue>> CalcTopology(Topology topology,
                                                 std::span<const float> in) {
  const std::size_t needed = topology == Topology::Pfc ? 6 : 5;
  if (in.size() != needed) {
    return Outcome<std::vector<TopologyValue>>::Fail("wrong number of inputs");
  }
  switch (topology) {
    case Topology::Buck: return AsValues(CalcBuck(in[0], in[1], in[2], in[3], in[4]));
    case Topology::Boost: return AsValues(CalcBoost(in[0], in[1], in[2], in[3], in[4]));
    case Topology::BuckBoost: return AsValues(CalcBuckBoost(in[0], in[1], in[2], in[3], in[4]));
    case Topology::Pfc: return AsValues(CalcPfc(in[0], in[1], in[2], in[3], in[4], in[5]));
    case Topology::InverterLc: return AsValues(CalcInverterLc(in[0], in[1], in[2], in[3], in[4]));
    case Topology::Forward: return AsValues(CalcForward(in[0], in[1], in[2], in[3], in[4]));
    case Topology::PushPull: return AsValues(CalcPushPull(in[0], in[1], in[2], in[3], in[4]));
    case Topology::FullBridge: return AsValues(CalcFullBridge(in[0], in[1], in[2], in[3], in[4]));
  }
  return Outcome<std::vector<TopologyValue>>::Fail("unknown topology");
}

}  // namespace qiro
