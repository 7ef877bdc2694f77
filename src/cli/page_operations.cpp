// What a page of the calculators needs besides the numbers: the assessment's lines with their
// verdicts, the converter screens' checks and hand-over, the converter's one-line summary and
// design files read into field texts and written from them. Each composes what the Qt screens
// compose, so the page formats and decides nothing itself.
#include <cmath>
#include <string>
#include <variant>

#include "cli/batch.h"
#include "design/analysis/assessment_text.h"
#include "design/analysis/converter_operation.h"
#include "design/calculators/toroid_core_list.h"
#include "design/calculators/toroid_inputs.h"
#include "design/calculators/toroid_reading.h"
#include "design/calculators/topology_calculators.h"
#include "core-data/catalogue.h"
#include "text/float_range.h"
#include "text/key_rules.h"
#include "design/exchange/design_document.h"
#include "text/number_text.h"

namespace qiro::batch {
namespace {

const char* LevelName(AssessmentLevel level) {
  switch (level) {
    case AssessmentLevel::Plain: return "Plain";
    case AssessmentLevel::Normal: return "Normal";
    case AssessmentLevel::High: return "High";
    case AssessmentLevel::TooHigh: return "TooHigh";
  }
  return "";
}

const char* QuantityName(TopologyQuantity quantity) {
  switch (quantity) {
    case TopologyQuantity::DutyCycle: return "DutyCycle";
    case TopologyQuantity::Power: return "Power";
    case TopologyQuantity::OutputCurrent: return "OutputCurrent";
    case TopologyQuantity::InductorCurrent: return "InductorCurrent";
    case TopologyQuantity::InductorRmsCurrent: return "InductorRmsCurrent";
    case TopologyQuantity::Ripple: return "Ripple";
    case TopologyQuantity::PeakCurrent: return "PeakCurrent";
    case TopologyQuantity::Inductance: return "Inductance";
  }
  return "";
}

void WriteLines(JsonWriter& w, const std::vector<AssessmentLine>& lines, int column) {
  for (const AssessmentLine& line : lines) {
    w.BeginObject();
    w.Key("Text").String(line.Text);
    w.Key("Level").String(LevelName(line.Level));
    w.Key("Column").Integer(column);
    w.EndObject();
  }
}

// The assessment panel's lines: the assessment at the report's currents, and with a converter
// the assessment in it beside that, each under its heading.
void AssessmentLines(const Args& a, JsonWriter& w) {
  const auto e = Evaluate(a);
  if (!e) throw Refusal{e.error()};
  const double ambient = a.f64("AmbientTemperature");
  AssessmentRefusal refusal = AssessmentRefusal::None;
  const auto assessed = AssessDesign(*e, ambient, refusal);
  w.BeginArray();
  if (a.has("Converter")) WriteLines(w, {{DirectCurrentHeading(), AssessmentLevel::Plain}}, 0);
  if (assessed) {
    WriteLines(w, AssessmentText(*assessed, false), 0);
  } else {
    WriteLines(w, {{AssessmentRefusalText(refusal), AssessmentLevel::Plain}}, 0);
  }
  if (a.has("Converter")) {
    const Converter& converter = a.converter("Converter");
    const auto op = OperateConverter(converter);
    AssessmentRefusal inRefusal = AssessmentRefusal::InvalidInput;
    const auto in = op ? AssessInConverter(*op, e->Core, e->CoreCount, e->WireDiameter, e->StrandCount,
                                           e->Turns, ambient, inRefusal)
                       : Outcome<ConverterAssessment>::Fail(op.error());
    WriteLines(w,
               ConverterAssessmentText(converter, in ? &in->Assessment : nullptr, in ? &in->Load : nullptr,
                                       inRefusal),
               1);
  }
  w.EndArray();
}

Topology TopologyArg(const Args& a) {
  const auto topology = TopologyFromName(a.text("Topology"));
  if (!topology) throw Refusal{"argument \"Topology\": unknown topology \"" + a.text("Topology") + "\""};
  return *topology;
}

// The topology's input tests in field order, as its screen checks them.
std::vector<TopologyTest> InputTests(Topology topology) {
  std::vector<TopologyTest> tests(ConverterInputNames(topology).size(), TopologyTest::Positive);
  if (topology == Topology::Pfc) tests[4] = TopologyTest::Efficiency;  // P Vin Vout f eta gamma
  if (topology == Topology::Forward || topology == Topology::PushPull || topology == Topology::FullBridge)
    tests[3] = TopologyTest::DutyCycle;  // Vout f Iout D gamma
  return tests;
}

const std::vector<std::string>& InputTexts(const Args& a, Topology topology) {
  const auto& texts = a.texts("Inputs");
  if (texts.size() != ConverterInputNames(topology).size())
    throw Refusal{"argument \"Inputs\" must hold " + std::to_string(ConverterInputNames(topology).size()) +
                  " texts for " + a.text("Topology")};
  return texts;
}

// The first input whose check fails, if any.
std::optional<std::size_t> FailedInput(Topology topology, const std::vector<std::string>& texts) {
  const auto tests = InputTests(topology);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (!PassesTopologyTest(tests[i], texts[i])) return i;
  }
  return std::nullopt;
}

Converter ConverterOf(Topology topology, const std::vector<std::string>& texts) {
  Converter converter;
  converter.Kind = topology;
  for (std::size_t i = 0; i < texts.size(); ++i) converter.Inputs[i] = TopologyInputValue(texts[i]);
  return converter;
}

void ConverterScreen(const Args& a, JsonWriter& w) {
  const Topology topology = TopologyArg(a);
  const auto& texts = InputTexts(a, topology);
  const auto failed = FailedInput(topology, texts);
  w.BeginObject();
  if (failed) {
    w.Key("Failed").Integer(static_cast<std::int64_t>(*failed));
    w.Key("BeyondRange").Bool(BeyondTopologyRange(InputTests(topology)[*failed], texts[*failed]));
    w.Key("Results").Raw("null");
    w.EndObject();
    return;
  }
  w.Key("Failed").Raw("null").Key("BeyondRange").Bool(false);
  std::vector<float> values;
  for (const std::string& text : texts) values.push_back(TopologyInputValue(text));
  const auto outcome = CalcTopology(topology, values);
  w.Key("Results");
  if (!outcome) {
    w.Raw("null");
  } else {
    w.BeginArray();
    for (const TopologyValue& value : *outcome) {
      w.BeginObject().Key("Quantity").String(QuantityName(value.quantity));
      w.Key("Text").String(TopologyValueText(value)).EndObject();
    }
    w.EndArray();
  }
  w.EndObject();
}

// "设计电感…": the requirement the result fields hand to the adviser, as the screen reads them,
// or why they cannot (Refusal: NoResults, Inductance, Currents).
void ConverterHandOver(const Args& a, JsonWriter& w) {
  const Topology topology = TopologyArg(a);
  const auto& texts = InputTexts(a, topology);
  w.BeginObject();
  auto refuse = [&w](const char* why) {
    w.Key("Refusal").String(why);
    w.EndObject();
  };
  const std::string& inductanceText = a.text("Inductance");
  if (inductanceText.find_first_not_of(" \t") == std::string::npos) return refuse("NoResults");
  const double inductance = LeadingNumber(inductanceText);
  const double peak = LeadingNumber(a.text("PeakCurrent"));
  const double ripple = LeadingNumber(a.text("RippleCurrent"));
  const double average = peak - ripple / 2;
  // The output choke of a push-pull or full bridge sees twice the switching frequency.
  const bool doubled = topology == Topology::PushPull || topology == Topology::FullBridge;
  const double frequency = LeadingNumber(a.text("FrequencyKHz")) * (doubled ? 2 : 1);
  if (!(inductance > 0) || !std::isfinite(inductance)) return refuse("Inductance");
  if (!(peak > 0) || !(average >= 0) || !(ripple >= 0) || !std::isfinite(frequency) || !std::isfinite(peak) ||
      !std::isfinite(ripple))
    return refuse("Currents");
  w.Key("Refusal").Raw("null");
  w.Key("InductanceAt").Float64(inductance);
  w.Key("AverageCurrent").Float64(average);
  w.Key("PeakCurrent").Float64(peak);
  w.Key("RippleCurrent").Float64(ripple);
  w.Key("FrequencyKHz").Float64(frequency);
  // Inputs that run the converter go along: the designs are then judged in it.
  w.Key("Converter");
  if (!FailedInput(topology, texts)) {
    const Converter converter = ConverterOf(topology, texts);
    if (OperateConverter(converter)) {
      WriteConverter(w, converter);
      w.Key("Summary").String(ConverterSummary(converter));
      w.EndObject();
      return;
    }
  }
  w.Raw("null");
  w.EndObject();
}

}  // namespace

// A design as the calculator's fields take it: the texts that hold its values exactly.
void WriteFieldTexts(JsonWriter& w, const DesignDocument& d) {
  w.Key("Core").String(d.Core);
  w.Key("CoreCount").String(RoundTripText(d.CoreCount));
  w.Key("WireDiameter").String(IsListedWireDiameter(d.WireDiameter) ? WireListText(d.WireDiameter)
                                                                    : RoundTripText(d.WireDiameter));
  w.Key("StrandCount").String(std::to_string(d.StrandCount));
  w.Key("Turns").String(std::to_string(d.Turns));
  w.Key("AverageCurrent").String(RoundTripText(d.AverageCurrent));
  w.Key("PeakCurrent").String(RoundTripText(d.PeakCurrent));
  w.Key("RippleCurrent").String(RoundTripText(d.RippleCurrent));
  w.Key("FrequencyKHz").String(RoundTripText(d.FrequencyKHz));
  w.Key("AmbientTemperature").String(RoundTripText(d.AmbientTemperature));
  w.Key("Note").String(d.Note);
  if (d.InConverter) {
    WriteConverter(w.Key("Converter"), *d.InConverter);
    w.Key("Summary").String(ConverterSummary(*d.InConverter));
  }
}

namespace {

// A design file's design as the calculator's fields take it, or the message it shows.
void OpenDesignFile(const Args& a, JsonWriter& w) {
  const bool english = a.has("English") && a.boolean("English");
  const auto read = ReadDesignDocument(a.text("Text"));
  w.BeginObject();
  if (const auto* refusal = std::get_if<DesignFileRefusal>(&read)) {
    w.Key("Message").String(english
                                ? std::string(kOpenDesignRefusedEnglish) + DesignFileReasonEnglish(*refusal)
                                : std::string(kOpenDesignRefusedChinese) + DesignFileReasonChinese(*refusal));
    w.EndObject();
    return;
  }
  w.Key("Message").Raw("null");
  WriteFieldTexts(w, std::get<DesignDocument>(read));
  w.EndObject();
}

DesignDocument DocumentOf(const Args& a) {
  DesignDocument d;
  d.Core = a.core("Core").PartNumber;
  d.CoreCount = a.f32("CoreCount");
  d.FrequencyKHz = a.f32("FrequencyKHz");
  d.AverageCurrent = a.f32("AverageCurrent");
  d.PeakCurrent = a.f32("PeakCurrent");
  d.RippleCurrent = a.f32("RippleCurrent");
  d.WireDiameter = a.f32("WireDiameter");
  d.StrandCount = a.i16("StrandCount");
  d.Turns = a.i16("Turns");
  d.AmbientTemperature = a.f64("AmbientTemperature");
  if (a.has("Note")) d.Note = a.text("Note");
  if (a.has("Converter")) d.InConverter = a.converter("Converter");
  return d;
}

void WriteDesignFile(const Args& a, JsonWriter& w) {
  const DesignDocument d = DocumentOf(a);
  if (const auto refusal = CheckDesignDocument(d)) throw Refusal{DesignFileReasonEnglish(*refusal)};
  w.String(WriteDesignDocument(d));
}

void WriteText(JsonWriter& w, const std::optional<std::string>& text) {
  if (text) {
    w.String(*text);
  } else {
    w.Raw("null");
  }
}

// The toroid calculator's focus rules: the text a field takes when the focus comes to it or
// leaves it (null: it keeps its own), and for the turns field the scroll bar's new value.
void ToroidFieldRule(const Args& a, JsonWriter& w) {
  const std::string& field = a.text("Field");
  const std::string& event = a.text("Event");
  const std::string& text = a.text("Text");
  const std::string average = a.has("AverageText") ? a.text("AverageText") : std::string();
  const std::string peak = a.has("PeakText") ? a.text("PeakText") : std::string();
  const double number = LeadingNumber(text);
  std::optional<std::string> result;
  if (event == "GotFocus") {
    if (field == "txtdI") {
      if (number == 0) result = "";
    } else if (field == "txtIrms" || field == "txtIpeak" || field == "txtF" || field == "txtCopperPcs") {
      if (text == "0") result = "";
    }
  } else if (event == "LostFocus") {
    if (field == "txtIrms" || field == "txtF") {
      if (number == 0) result = "0";
    } else if (field == "txtIpeak") {
      std::string now = text;
      if ((now == "0" || now.empty()) && !average.empty()) {
        if (auto written = PeakFromAverage(average)) now = *written;
      }
      // The peak cannot be left at or below the average.
      if (LeadingNumber(average) >= LeadingNumber(now)) {
        if (auto written = PeakFromAverage(average)) now = *written;
      }
      if (now != text) result = now;
    } else if (field == "txtdI") {
      if (number == 0) result = RippleFromPeak(peak, 0.2);
    } else if (field == "txtCopperPcs") {
      if (number == 0 || text == "0") result = "1";
    } else if (field == "txtTurns") {
      std::string now = (number == 0 || text == "0") ? std::string("1") : text;
      if (LeadingNumber(now) > kMostTurns) now = "400";
      if (now != text) result = now;
    }
  } else if (event == "Changed" && field == "txtTurns") {
    w.BeginObject().Key("Text").Raw("null").Key("ScrollValue");
    if (number > 0 && !(number > kMostTurns)) {
      const auto count = ToInteger16(number);
      if (count && *count >= 1) {
        w.Integer(*count).EndObject();
        return;
      }
    }
    w.Raw("null").EndObject();
    return;
  } else {
    throw Refusal{"argument \"Event\" must be GotFocus, LostFocus or Changed (txtTurns)"};
  }
  w.BeginObject().Key("Text");
  WriteText(w, result);
  w.Key("ScrollValue").Raw("null").EndObject();
}

}  // namespace

void RegisterPageOperations(Batch& batch) {
  batch.Register(
      "AssessmentLines",
      {"the assessment panel's lines of an evaluated design (the EvaluateInductor arguments) at "
       "an ambient temperature (°C), and in its Converter when one is given: each line's Text, "
       "Level (Plain, Normal, High, TooHigh) and Column (0, or 1 for the assessment in the converter)",
       WithArg(WithArg(EvaluateArgs(), {"AmbientTemperature", ArgType::Float64}),
               {"Converter", ArgType::Converter, true}),
       AssessmentLines});
  batch.Register("AmbientFromText",
                 {"the ambient temperature (°C) the assessment takes from its field's text, or null "
                  "when the text is no number from -60 to 200",
                  {{"Text", ArgType::Text}},
                  [](const Args& a, JsonWriter& w) {
                    const std::string& text = a.text("Text");
                    const double ambient = IsNumberText(text) ? LeadingNumber(text) : NAN;
                    if (ambient >= kLowestAmbient && ambient <= kHighestAmbient) {
                      w.Float64(ambient);
                    } else {
                      w.Raw("null");
                    }
                  }});
  batch.Register("ConverterSummary",
                 {"the operating condition of a converter in one line (工作条件：…)",
                  {{"Converter", ArgType::Converter}},
                  [](const Args& a, JsonWriter& w) { w.String(ConverterSummary(a.converter("Converter"))); }});
  batch.Register(
      "ConverterScreen",
      {"a converter calculator's input texts (Inputs, in its Calc* argument order) as its screen "
       "takes them: Failed (the first input its check refuses, or null) and BeyondRange (that "
       "input is a number the calculation cannot hold), else Results (each Quantity with its "
       "field Text), null when a result would leave the number range",
       {{"Topology", ArgType::Text}, {"Inputs", ArgType::TextList}},
       ConverterScreen});
  batch.Register(
      "ConverterHandOver",
      {"what a converter calculator's result field texts hand to the adviser: Refusal (null, "
       "NoResults, Inductance or Currents), else the adviser's InductanceAt, currents and "
       "FrequencyKHz, and Converter with its Summary when the Inputs run it (else null)",
       {{"Topology", ArgType::Text},
        {"Inputs", ArgType::TextList},
        {"Inductance", ArgType::Text},
        {"PeakCurrent", ArgType::Text},
        {"RippleCurrent", ArgType::Text},
        {"FrequencyKHz", ArgType::Text}},
       ConverterHandOver});
  batch.Register(
      "OpenDesignFile",
      {"a design file's text as the toroid calculator opens it: Message (the refusal it shows, "
       "in English when English is true, or null), else the field texts of the design (Core, "
       "CoreCount, WireDiameter, StrandCount, Turns, the currents, FrequencyKHz, "
       "AmbientTemperature), Note and Converter",
       {{"Text", ArgType::Text}, {"English", ArgType::Boolean, true}},
       OpenDesignFile});
  batch.Register("ToroidFieldRule",
                 {"the toroid calculator's rule when the focus comes to a field or leaves it (Event "
                  "GotFocus or LostFocus; AverageText and PeakText for the current fields) or its "
                  "turns field changes (Changed): the field's new Text (null: kept) and the turns "
                  "scroll bar's ScrollValue (null: kept)",
                  {{"Field", ArgType::Text},
                   {"Event", ArgType::Text},
                   {"Text", ArgType::Text},
                   {"AverageText", ArgType::Text, true},
                   {"PeakText", ArgType::Text, true}},
                  ToroidFieldRule});
  batch.Register("CoreListMatching",
                 {"the part numbers the toroid calculator's core list holds for a search text, in "
                  "catalogue order (all for an empty one)",
                  {{"SearchText", ArgType::Text}},
                  [](const Args& a, JsonWriter& w) {
                    w.BeginArray();
                    for (int slot : SlotsMatching(a.text("SearchText"))) w.String(CatalogueSlot(slot).PartNumber);
                    w.EndArray();
                  }});
  batch.Register("KeyPasses",
                 {"whether a field's key filter lets a typed character (Key, its code) through: "
                  "Rule Numeric (digits, point, backspace) or Integer (digits, backspace)",
                  {{"Rule", ArgType::Text}, {"Key", ArgType::Integer16}},
                  [](const Args& a, JsonWriter& w) {
                    const std::string& rule = a.text("Rule");
                    if (rule == "Numeric") {
                      w.Bool(NumericKeyFilter(a.i16("Key")));
                    } else if (rule == "Integer") {
                      w.Bool(IntegerKeyFilter(a.i16("Key")));
                    } else {
                      throw Refusal{"argument \"Rule\" must be Numeric or Integer"};
                    }
                  }});
  const std::vector<ArgSpec> design{{"Core", ArgType::Core},
        {"CoreCount", ArgType::Float32},
        {"FrequencyKHz", ArgType::Float32},
        {"AverageCurrent", ArgType::Float32},
        {"PeakCurrent", ArgType::Float32},
        {"RippleCurrent", ArgType::Float32},
        {"WireDiameter", ArgType::Float32},
        {"StrandCount", ArgType::Integer16},
        {"Turns", ArgType::Integer16},
        {"AmbientTemperature", ArgType::Float64},
        {"Note", ArgType::Text, true},
        {"Converter", ArgType::Converter, true}};
  batch.Register("WriteDesignFile",
                 {"the design file's text of a design (the EvaluateInductor arguments, "
                  "AmbientTemperature, Note and Converter), refused as opening it would refuse it",
                  design, WriteDesignFile});
  batch.Register("DesignFieldTexts",
                 {"a design (WriteDesignFile's arguments) as the toroid calculator's field texts, "
                  "as OpenDesignFile gives them",
                  design, [](const Args& a, JsonWriter& w) {
                    w.BeginObject();
                    WriteFieldTexts(w, DocumentOf(a));
                    w.EndObject();
                  }});
}

}  // namespace qiro::batch
