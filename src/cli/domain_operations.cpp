// Catalogue, material models, formulas, evaluation and winding search.
#include <cmath>
#include <string>
#include <unordered_map>
#include <utility>

#include "cli/batch.h"
#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"
#include "design/exchange/spice_model.h"
#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/formulas.h"
#include "magnetics/winding_search.h"

namespace qiro::batch {
namespace {

void WriteFloat(JsonWriter& w, float value) {
  if (!std::isfinite(value)) throw Refusal{"the result leaves the 32-bit float range"};
  w.Float32(value);
}

void WriteEvaluation(JsonWriter& w, const InductorEvaluation& e) {
  w.BeginObject();
  w.Key("Core");
  WriteCore(w, e.Core);
  w.Key("SecondCore");
  WriteCore(w, e.SecondCore);
  const std::pair<const char*, float> members[] = {
      {"CoreCount", e.CoreCount},
      {"SecondCoreCount", e.SecondCoreCount},
      {"CoreVolume", e.CoreVolume},
      {"FrequencyKHz", e.FrequencyKHz},
      {"AverageCurrent", e.AverageCurrent},
      {"PeakCurrent", e.PeakCurrent},
      {"RippleCurrent", e.RippleCurrent},
      {"WireDiameter", e.WireDiameter},
  };
  for (const auto& [name, value] : members) w.Key(name).Float32(value);
  w.Key("StrandCount").Integer(e.StrandCount);
  w.Key("WindowFill").Float32(e.WindowFill);
  w.Key("Turns").Integer(e.Turns);
  const std::pair<const char*, float> rest[] = {
      {"CurrentDensity", e.CurrentDensity},
      {"DcResistance", e.DcResistance},
      {"FieldAtPeak", e.FieldAtPeak},
      {"FieldAtAverage", e.FieldAtAverage},
      {"PermeabilityAtPeak", e.PermeabilityAtPeak},
      {"PermeabilityAtAverage", e.PermeabilityAtAverage},
      {"InductanceAtZero", e.InductanceAtZero},
      {"InductanceAtPeak", e.InductanceAtPeak},
      {"InductanceAtAverage", e.InductanceAtAverage},
      {"FluxSwing", e.FluxSwing},
      {"CoreLossPerVolume", e.CoreLossPerVolume},
      {"CoreLoss", e.CoreLoss},
      {"CopperLoss", e.CopperLoss},
      {"CopperWeight", e.CopperWeight},
      {"WireLength", e.WireLength},
  };
  for (const auto& [name, value] : rest) w.Key(name).Float32(value);
  w.EndObject();
}

}  // namespace

// EvaluateInductor's arguments, shared by the operations that start from an evaluation.
// A single core type needs no second core: left out, it is the first with a count of 0, as
// the toroid calculator evaluates (and as a design file's "design" holds it).
std::vector<ArgSpec> EvaluateArgs() {
  return {{"Core", ArgType::Core}, {"SecondCore", ArgType::Core, true}, {"CoreCount", ArgType::Float32},
          {"SecondCoreCount", ArgType::Float32, true}, {"FrequencyKHz", ArgType::Float32},
          {"AverageCurrent", ArgType::Float32}, {"PeakCurrent", ArgType::Float32},
          {"RippleCurrent", ArgType::Float32}, {"WireDiameter", ArgType::Float32},
          {"StrandCount", ArgType::Integer16}, {"Turns", ArgType::Integer16}};
}

std::vector<ArgSpec> WithArg(std::vector<ArgSpec> args, ArgSpec more) {
  args.push_back(std::move(more));
  return args;
}

Outcome<InductorEvaluation> Evaluate(const Args& a) {
  const CoreRecord& second = a.has("SecondCore") ? a.core("SecondCore") : a.core("Core");
  const float secondCount = a.has("SecondCoreCount") ? a.f32("SecondCoreCount") : 0.0f;
  return EvaluateInductor(a.core("Core"), second, a.f32("CoreCount"), secondCount,
                          a.f32("FrequencyKHz"), a.f32("AverageCurrent"),
                          a.f32("PeakCurrent"), a.f32("RippleCurrent"), a.f32("WireDiameter"),
                          a.i16("StrandCount"), a.i16("Turns"));
}

namespace {

void WriteCoreMembers(JsonWriter& w, const CoreRecord& c) {
  w.BeginObject();
  w.Key("PartNumber").String(c.PartNumber);
  const std::pair<const char*, float> members[] = {
      {"OuterDiameter", c.OuterDiameter},
      {"InnerDiameter", c.InnerDiameter},
      {"Height", c.Height},
      {"CoatedOuterDiameter", c.CoatedOuterDiameter},
      {"CoatedInnerDiameter", c.CoatedInnerDiameter},
      {"CoatedHeight", c.CoatedHeight},
      {"Volume", c.Volume},
      {"CrossSection", c.CrossSection},
      {"PathLength", c.PathLength},
      {"WindowArea", c.WindowArea},
      {"InductanceFactor", c.InductanceFactor},
  };
  for (const auto& [name, value] : members) w.Key(name).Float32(value);
  w.Key("Permeability").Integer(c.Permeability);
  w.Key("Series").String(c.Series);
  w.EndObject();
}

// The catalogue's records, written once: replies repeat them (an evaluation carries two).
const std::unordered_map<std::string, std::pair<CoreRecord, std::string>>& WrittenCatalogue() {
  static const auto written = [] {
    std::unordered_map<std::string, std::pair<CoreRecord, std::string>> texts;
    for (int slot = 1; slot <= CatalogueSize; ++slot) {
      const CoreRecord& core = CatalogueSlot(slot);
      JsonWriter w;
      WriteCoreMembers(w, core);
      texts.emplace(core.PartNumber, std::make_pair(core, w.take()));
    }
    return texts;
  }();
  return written;
}

}  // namespace

void WriteAssessment(JsonWriter& w, const DesignAssessment& a) {
  w.BeginObject();
  WriteAssessmentMembers(w, a);
  w.EndObject();
}

void WriteAssessmentMembers(JsonWriter& w, const DesignAssessment& a) {
  w.Key("Layers").Integer(a.Layers);
  const std::pair<const char*, double> members[] = {
      {"BuildThickness", a.BuildThickness},
      {"WoundOuterDiameter", a.WoundOuterDiameter},
      {"WoundHeight", a.WoundHeight},
      {"SurfaceArea", a.SurfaceArea},
      {"DowellFactor", a.DowellFactor},
      {"CopperLossDc", a.CopperLossDc},
      {"CopperLossAc", a.CopperLossAc},
      {"CoreLoss", a.CoreLoss},
      {"TotalLoss", a.TotalLoss},
      {"TemperatureRise", a.TemperatureRise},
      {"WindingTemperature", a.WindingTemperature},
      {"InductanceRetention", a.InductanceRetention},
  };
  for (const auto& [name, value] : members) w.Key(name).Float64(value);
  w.Key("ThermalVerdict").String(VerdictWord(a.ThermalVerdict));
  w.Key("ThermalVerdictCode").String(VerdictCode(a.ThermalVerdict));
  w.Key("RetentionVerdict").String(VerdictWord(a.RetentionVerdict));
  w.Key("RetentionVerdictCode").String(VerdictCode(a.RetentionVerdict));
}

void WriteWinding(JsonWriter& w, const WindingChoice& c) {
  w.BeginObject()
      .Key("Current").Float32(c.Current)
      .Key("CurrentDensity").Float32(c.CurrentDensity)
      .Key("WireDiameter").Float32(c.WireDiameter)
      .Key("StrandCount").Integer(c.StrandCount)
      .EndObject();
}

void WriteCore(JsonWriter& w, const CoreRecord& c) {
  const auto& written = WrittenCatalogue();
  const auto it = written.find(c.PartNumber);
  if (it != written.end() && it->second.first == c) {
    w.Raw(it->second.second);
  } else {
    WriteCoreMembers(w, c);
  }
}

void RegisterDomainOperations(Batch& batch) {
  batch.Register("InitCoreData", {"the 754 catalogue records in slot order, each with its Slot", {},
                                  [](const Args&, JsonWriter& w) {
                                    w.BeginArray();
                                    for (int slot = 1; slot <= CatalogueSize; ++slot) {
                                      // The slot first, then the record's own members.
                                      JsonWriter record;
                                      WriteCore(record, CatalogueSlot(slot));
                                      std::string text = record.take();
                                      text.insert(1, "\"Slot\":" + std::to_string(slot) + ",");
                                      w.Raw(text);
                                    }
                                    w.EndArray();
                                  }});
  batch.Register("BiasPermeability",
                 {"permeability left under a DC field, % of the initial permeability",
                  {{"Permeability", ArgType::Integer16}, {"Series", ArgType::Text}, {"FieldOe", ArgType::Float32}},
                  [](const Args& a, JsonWriter& w) {
                    WriteFloat(w, BiasPermeability(a.i16("Permeability"), a.text("Series"), a.f32("FieldOe")));
                  }});
  batch.Register("CoreLossDensity",
                 {"core loss per volume, mW/cm³ (frequency kHz, flux swing gauss)",
                  {{"Permeability", ArgType::Integer16}, {"Series", ArgType::Text},
                   {"FrequencyKHz", ArgType::Float32}, {"FluxSwing", ArgType::Float32}},
                  [](const Args& a, JsonWriter& w) {
                    WriteFloat(w, CoreLossDensity(a.i16("Permeability"), a.text("Series"),
                                                  a.f32("FrequencyKHz"), a.f32("FluxSwing")));
                  }});
  batch.Register("FieldStrengthOe",
                 {"field strength in Oe of a winding on a core",
                  {{"Turns", ArgType::Integer16}, {"Current", ArgType::Float32}, {"Core", ArgType::Core}},
                  [](const Args& a, JsonWriter& w) {
                    WriteFloat(w, FieldStrengthOe(a.i16("Turns"), a.f32("Current"), a.core("Core")));
                  }});
  batch.Register("InductanceAtCurrent",
                 {"inductance in μH of a winding at a DC current",
                  {{"Turns", ArgType::Integer16}, {"Core", ArgType::Core}, {"Current", ArgType::Float32}},
                  [](const Args& a, JsonWriter& w) {
                    WriteFloat(w, InductanceAtCurrent(a.i16("Turns"), a.core("Core"), a.f32("Current")));
                  }});
  batch.Register("BareWireDiameter", {"copper diameter in mm for a current at 8 A/mm²",
                                      {{"Current", ArgType::Float32}},
                                      [](const Args& a, JsonWriter& w) {
                                        if (!(a.f32("Current") >= 0))
                                          throw Refusal{"argument \"Current\" must not be negative"};
                                        WriteFloat(w, BareWireDiameter(a.f32("Current")));
                                      }});
  batch.Register("EnamelThickness", {"enamel allowance in mm for a bare wire diameter",
                                     {{"WireDiameter", ArgType::Float32}},
                                     [](const Args& a, JsonWriter& w) {
                                       WriteFloat(w, EnamelThickness(a.f32("WireDiameter")));
                                     }});
  batch.Register(
      "EvaluateInductor",
      {"every design quantity of a wound stack of cores (the InductorEvaluation record)",
       EvaluateArgs(),
       [](const Args& a, JsonWriter& w) {
         const auto e = Evaluate(a);
         if (!e) throw Refusal{e.error()};
         WriteEvaluation(w, *e);
       }});
  batch.Register(
      "AssessDesign",
      {"layers, wound size, hot DC and AC copper loss, temperature rise and retention of an "
       "evaluated design at an ambient temperature (°C)",
       WithArg(EvaluateArgs(), {"AmbientTemperature", ArgType::Float64}),
       [](const Args& a, JsonWriter& w) {
         const auto e = Evaluate(a);
         if (!e) throw Refusal{e.error()};
         const auto r = AssessDesign(*e, a.f64("AmbientTemperature"));
         if (!r) throw Refusal{r.error()};
         WriteAssessment(w, *r);
       }});
  batch.Register(
      "SpiceModel",
      {"SPICE subcircuit of the evaluated design (the EvaluateInductor arguments): "
       "SubcircuitName and Text",
       EvaluateArgs(),
       [](const Args& a, JsonWriter& w) {
         const auto e = Evaluate(a);
         if (!e) throw Refusal{e.error()};
         const auto model = MakeSpiceModel(*e, QIRO_VERSION);
         if (!model) throw Refusal{model.error()};
         w.BeginObject();
         w.Key("SubcircuitName").String(model->SubcircuitName);
         w.Key("Text").String(model->Text);
         w.EndObject();
       }});
  batch.Register("WindingSearch",
                 {"stranded winding for a current at a target density (the WindingChoice record)",
                  {{"Current", ArgType::Float32}, {"TargetDensity", ArgType::Float32}},
                  [](const Args& a, JsonWriter& w) {
                    const auto c = WindingSearch(a.f32("Current"), a.f32("TargetDensity"));
                    if (!c) throw Refusal{c.error()};
                    WriteWinding(w, *c);
                  }});
}

}  // namespace qiro::batch
