// The eight converter calculators.
#include <initializer_list>
#include <utility>

#include "cli/batch.h"
#include "design/calculators/topology_calculators.h"

namespace qiro::batch {
namespace {

using Members = std::initializer_list<std::pair<const char*, float>>;

void WriteMembers(JsonWriter& w, Members members) {
  w.BeginObject();
  for (const auto& [name, value] : members) w.Key(name).Float32(value);
  w.EndObject();
}

// A copy: callers hold the result past the temporary outcome it came in.
template <class Result>
Result Checked(const Outcome<Result>& outcome) {
  if (!outcome) throw Refusal{outcome.error()};
  return *outcome;
}

std::vector<ArgSpec> Floats(std::initializer_list<const char*> names) {
  std::vector<ArgSpec> specs;
  for (const char* name : names) specs.push_back({name, ArgType::Float32});
  return specs;
}

void WriteBoost(JsonWriter& w, const BoostResult& r) {
  WriteMembers(w, {{"D", r.D}, {"Io", r.Io}, {"IL", r.IL}, {"dI", r.dI}, {"ILpk", r.ILpk}, {"L", r.L}});
}

void WriteIsolated(JsonWriter& w, const IsolatedResult& r) {
  WriteMembers(w, {{"dI", r.dI}, {"ILpk", r.ILpk}, {"L", r.L}});
}

}  // namespace

void RegisterTopologyOperations(Batch& batch) {
  batch.Register("CalcBuck", {"BUCK: duty cycle, power, ripple, peak current, inductance (μH)",
                              Floats({"Iout", "Vin", "Vout", "f", "gamma"}),
                              [](const Args& a, JsonWriter& w) {
                                const auto r = Checked(CalcBuck(a.f32("Iout"), a.f32("Vin"), a.f32("Vout"),
                                                                 a.f32("f"), a.f32("gamma")));
                                WriteMembers(w, {{"D", r.D}, {"Po", r.Po}, {"dI", r.dI}, {"ILpk", r.ILpk}, {"L", r.L}});
                              }});
  const auto power = Floats({"P", "Vin", "Vout", "f", "gamma"});
  batch.Register("CalcBoost", {"BOOST: duty cycle, currents, ripple, inductance (μH)", power,
                               [](const Args& a, JsonWriter& w) {
                                 WriteBoost(w, Checked(CalcBoost(a.f32("P"), a.f32("Vin"), a.f32("Vout"),
                                                                 a.f32("f"), a.f32("gamma"))));
                               }});
  batch.Register("CalcBuckBoost", {"BUCK-BOOST: duty cycle, currents, ripple, inductance (μH)", power,
                                   [](const Args& a, JsonWriter& w) {
                                     WriteBoost(w, Checked(CalcBuckBoost(a.f32("P"), a.f32("Vin"), a.f32("Vout"),
                                                                         a.f32("f"), a.f32("gamma"))));
                                   }});
  batch.Register("CalcPfc", {"PFC: duty cycle, peak and RMS current, ripple, inductance (μH)",
                             Floats({"P", "Vin", "Vout", "f", "eta", "gamma"}),
                             [](const Args& a, JsonWriter& w) {
                               const auto r = Checked(CalcPfc(a.f32("P"), a.f32("Vin"), a.f32("Vout"),
                                                               a.f32("f"), a.f32("eta"), a.f32("gamma")));
                               w.BeginObject()
                                   .Key("D").Float32(r.D)
                                   .Key("ILpk").Float32(r.ILpk)
                                   .Key("ILrms").Float64(r.ILrms)
                                   .Key("Io").Float32(r.Io)
                                   .Key("dI").Float32(r.dI)
                                   .Key("L").Float32(r.L)
                                   .EndObject();
                             }});
  batch.Register("CalcInverterLc", {"inverter LC: duty cycle, currents, ripple, inductance (μH)",
                                    Floats({"P", "Vdc", "Vout", "f", "gamma"}),
                                    [](const Args& a, JsonWriter& w) {
                                      const auto r = Checked(CalcInverterLc(a.f32("P"), a.f32("Vdc"), a.f32("Vout"),
                                                                             a.f32("f"), a.f32("gamma")));
                                      WriteMembers(w, {{"D", r.D}, {"Iout", r.Iout}, {"IL", r.IL},
                                                       {"dI", r.dI}, {"ILpk", r.ILpk}, {"L", r.L}});
                                    }});
  const auto isolated = Floats({"Vout", "f", "Iout", "D", "gamma"});
  const std::pair<const char*, Outcome<IsolatedResult> (*)(float, float, float, float, float)> bridges[] = {
      {"CalcForward", &CalcForward}, {"CalcPushPull", &CalcPushPull}, {"CalcFullBridge", &CalcFullBridge}};
  for (const auto& [name, calc] : bridges) {
    batch.Register(name, {"ripple, peak current and inductance (μH) of the output choke", isolated,
                          [calc = calc](const Args& a, JsonWriter& w) {
                            WriteIsolated(w, Checked(calc(a.f32("Vout"), a.f32("f"), a.f32("Iout"),
                                                          a.f32("D"), a.f32("gamma"))));
                          }});
  }
}

}  // namespace qiro::batch
