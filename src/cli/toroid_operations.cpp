// The toroid calculator's own texts and rules, so that a page showing the calculator
// formats nothing itself: its report and warning, the core's data, the current rules and
// the reading of its fields. A rule that leaves a field as it is replies null.
#include <optional>
#include <string>
#include <variant>

#include "cli/batch.h"
#include "design/calculators/toroid_inputs.h"
#include "design/calculators/toroid_reading.h"
#include "design/calculators/toroid_report.h"

namespace qiro::batch {
namespace {

void WriteRuleText(JsonWriter& w, const std::optional<std::string>& text) {
  if (text) {
    w.String(*text);
  } else {
    w.Raw("null");
  }
}

const char* FaultName(ToroidInputFault fault) {
  switch (fault) {
    case ToroidInputFault::AverageCurrent: return "AverageCurrent";
    case ToroidInputFault::PeakCurrent: return "PeakCurrent";
    case ToroidInputFault::RippleCurrent: return "RippleCurrent";
    case ToroidInputFault::Frequency: return "Frequency";
    case ToroidInputFault::Turns: return "Turns";
    case ToroidInputFault::NoCore: return "NoCore";
    case ToroidInputFault::StrandCount: return "StrandCount";
    case ToroidInputFault::CoreCount: return "CoreCount";
    case ToroidInputFault::WireDiameter: return "WireDiameter";
    case ToroidInputFault::AverageCurrentRange: return "AverageCurrentRange";
    case ToroidInputFault::PeakCurrentRange: return "PeakCurrentRange";
    case ToroidInputFault::RippleCurrentRange: return "RippleCurrentRange";
    case ToroidInputFault::FrequencyRange: return "FrequencyRange";
  }
  return "";
}

void ReadInputs(const Args& a, JsonWriter& w) {
  ToroidInputTexts texts;
  texts.averageCurrent = a.text("AverageCurrent");
  texts.peakCurrent = a.text("PeakCurrent");
  texts.rippleCurrent = a.text("RippleCurrent");
  texts.frequency = a.text("FrequencyKHz");
  texts.wireDiameter = a.text("WireDiameter");
  texts.strandCount = a.text("StrandCount");
  texts.turns = a.text("Turns");
  texts.coreCount = a.text("CoreCount");
  texts.coreSelected = a.boolean("CoreSelected");
  const auto read = ReadToroidInputs(texts);
  w.BeginObject();
  if (const auto* fault = std::get_if<ToroidInputFault>(&read)) {
    w.Key("Fault").String(FaultName(*fault));
    w.EndObject();
    return;
  }
  const ToroidInputs& in = std::get<ToroidInputs>(read);
  w.Key("Fault").Raw("null");
  // Named and typed as EvaluateInductor takes them.
  w.Key("CoreCount").Float32(in.coreCount);
  w.Key("FrequencyKHz").Float32(in.frequencyKHz);
  w.Key("AverageCurrent").Float32(in.averageCurrent);
  w.Key("PeakCurrent").Float32(in.peakCurrent);
  w.Key("RippleCurrent").Float32(in.rippleCurrent);
  w.Key("WireDiameter").Float32(in.wireDiameter);
  w.Key("StrandCount").Integer(in.strandCount);
  w.Key("Turns").Integer(in.turns);
  w.Key("StrandCountReplaced").Bool(in.strandCountReplaced);
  w.Key("CoreCountReplaced").Bool(in.coreCountReplaced);
  w.EndObject();
}

}  // namespace

void RegisterToroidOperations(Batch& batch) {
  batch.Register("ReportText",
                 {"the toroid calculator's seventeen report lines (CR LF) of the evaluated design "
                  "(the EvaluateInductor arguments) and its winding warning (\"\" when none): "
                  "Text and WindingWarning",
                  EvaluateArgs(),
                  [](const Args& a, JsonWriter& w) {
                    const auto e = Evaluate(a);
                    if (!e) throw Refusal{e.error()};
                    w.BeginObject();
                    w.Key("Text").String(ReportText(*e));
                    w.Key("WindingWarning").String(WindingWarning(*e));
                    w.EndObject();
                  }});
  batch.Register("CoreInfoText", {"the toroid calculator's seven lines (CR LF) of a core's data",
                                  {{"Core", ArgType::Core}},
                                  [](const Args& a, JsonWriter& w) { w.String(CoreInfoText(a.core("Core"))); }});
  batch.Register(
      "ReadToroidInputs",
      {"the toroid calculator's field texts read as it evaluates them: Fault (null, or the "
       "first input it refuses: AverageCurrent, PeakCurrent, RippleCurrent, Frequency, Turns, "
       "NoCore, StrandCount, CoreCount, WireDiameter, or one of the first four + \"Range\"), "
       "else the EvaluateInductor arguments and whether a strand or core count below 1 was "
       "taken as 1 (StrandCountReplaced, CoreCountReplaced)",
       {{"AverageCurrent", ArgType::Text},
        {"PeakCurrent", ArgType::Text},
        {"RippleCurrent", ArgType::Text},
        {"FrequencyKHz", ArgType::Text},
        {"WireDiameter", ArgType::Text},
        {"StrandCount", ArgType::Text},
        {"Turns", ArgType::Text},
        {"CoreCount", ArgType::Text},
        {"CoreSelected", ArgType::Boolean}},
       ReadInputs});
  batch.Register("PeakFromAverage",
                 {"the peak current field's text from the average's (× 1.414), or null",
                  {{"AverageText", ArgType::Text}},
                  [](const Args& a, JsonWriter& w) { WriteRuleText(w, PeakFromAverage(a.text("AverageText"))); }});
  batch.Register("RippleFromPeak",
                 {"the ripple field's text from the peak's × Fraction (0.2, or 0.15 and 0.1 for "
                  "Space and Enter), or null",
                  {{"PeakText", ArgType::Text}, {"Fraction", ArgType::Float64}},
                  [](const Args& a, JsonWriter& w) {
                    WriteRuleText(w, RippleFromPeak(a.text("PeakText"), a.f64("Fraction")));
                  }});
  batch.Register("RippleFromAverage",
                 {"the ripple field's text from the average's (× 1.414 × 0.2), or null",
                  {{"AverageText", ArgType::Text}},
                  [](const Args& a, JsonWriter& w) { WriteRuleText(w, RippleFromAverage(a.text("AverageText"))); }});
  batch.Register("CurrentDensityCaption",
                 {"the caption \"电流密度=\" with the density (A/mm², two decimals) of the average "
                  "current, wire and strand texts, or null",
                  {{"AverageText", ArgType::Text}, {"WireText", ArgType::Text}, {"StrandText", ArgType::Text}},
                  [](const Args& a, JsonWriter& w) {
                    WriteRuleText(w, CurrentDensityCaption(a.text("AverageText"), a.text("WireText"),
                                                           a.text("StrandText")));
                  }});
}

}  // namespace qiro::batch
