// The design adviser: every design of the catalogue for a requirement, its front and the best
// of each series.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "cli/batch.h"
#include "core-data/catalogue.h"
#include "design/analysis/converter_operation.h"
#include "design/analysis/design_adviser.h"
#include "design/calculators/toroid_report.h"
#include "design/exchange/design_document.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro::batch {
namespace {

void WriteDesign(JsonWriter& w, const AdviserRequest& request, const AdvisedDesign& design) {
  const auto d = DescribeAdvisedDesign(request, design);
  if (!d) throw Refusal{d.error()};  // cannot happen: the search assessed it the same way
  const InductorEvaluation& e = d->Evaluation;
  const DesignAssessment& a = d->Assessment;
  w.BeginObject();
  w.Key("PartNumber").String(d->PartNumber);
  w.Key("CoreCount").Integer(d->CoreCount);
  w.Key("WireDiameter").Float32(d->WireDiameter);
  w.Key("StrandCount").Integer(d->StrandCount);
  w.Key("Turns").Integer(d->Turns);
  w.Key("InductanceAtZero").Float32(e.InductanceAtZero);
  w.Key("InductanceAtAverage").Float32(e.InductanceAtAverage);
  w.Key("InductanceAtPeak").Float32(e.InductanceAtPeak);
  w.Key("WindowFill").Float32(e.WindowFill);
  const std::pair<const char*, double> members[] = {
      {"WoundOuterDiameter", a.WoundOuterDiameter},
      {"WoundHeight", a.WoundHeight},
      {"WoundVolume", d->WoundVolume},
      {"CoreLoss", a.CoreLoss},
      {"CopperLossDc", a.CopperLossDc},
      {"CopperLossAc", a.CopperLossAc},
      {"TotalLoss", a.TotalLoss},
      {"TemperatureRise", a.TemperatureRise},
      {"InductanceRetention", a.InductanceRetention},
  };
  for (const auto& [name, value] : members) w.Key(name).Float64(value);
  if (d->InConverter) {
    w.Key("HighestCurrent").Float64(d->InConverter->HighestCurrent);
    w.Key("LargestRipple").Float64(d->InConverter->LargestRipple);
  }
  w.EndObject();
}

// Arguments that a Converter replaces, and that are required without one.
constexpr const char* kOperatingPoint[] = {"InductanceAt", "AverageCurrent", "PeakCurrent",
                                           "RippleCurrent", "FrequencyKHz"};

AdviserRequest ReadRequest(const Args& a) {
  AdviserRequest r;
  if (a.has("Converter")) {
    for (const char* name : kOperatingPoint) {
      if (a.has(name))
        throw Refusal{"argument \"" + std::string(name) +
                      "\" is replaced by \"Converter\": give one or the other"};
    }
    r.InConverter = a.converter("Converter");
    if (a.has("RequiredInductance")) {
      r.RequiredInductance = a.f64("RequiredInductance");
      // 0 asks for the converter's own inductance, which a script asks for by leaving it out.
      if (r.RequiredInductance == 0)
        throw Refusal{"argument \"RequiredInductance\" must be above 0 μH"};
    }
  } else {
    for (const char* name : {"RequiredInductance", "InductanceAt", "AverageCurrent", "PeakCurrent",
                             "RippleCurrent", "FrequencyKHz"}) {
      if (!a.has(name)) throw Refusal{"missing argument \"" + std::string(name) + "\""};
    }
    r.RequiredInductance = a.f64("RequiredInductance");
    const std::string& where = a.text("InductanceAt");
    if (where == "Zero") {
      r.Where = InductanceAt::Zero;
    } else if (where == "Average") {
      r.Where = InductanceAt::Average;
    } else {
      throw Refusal{"argument \"InductanceAt\" must be \"Zero\" or \"Average\""};
    }
    r.AverageCurrent = a.f64("AverageCurrent");
    r.PeakCurrent = a.f64("PeakCurrent");
    r.RippleCurrent = a.f64("RippleCurrent");
    r.FrequencyKHz = a.f64("FrequencyKHz");
  }
  r.InductanceTolerance = a.f64("InductanceTolerance");
  r.AmbientTemperature = a.f64("AmbientTemperature");
  r.MaxTemperatureRise = a.f64("MaxTemperatureRise");
  r.MaxWoundOuterDiameter = a.f64("MaxWoundOuterDiameter");
  r.MaxWoundHeight = a.f64("MaxWoundHeight");
  r.MinRetention = a.f64("MinRetention");
  r.MaxCoreCount = a.i16("MaxCoreCount");
  r.MaxStrandCount = a.i16("MaxStrandCount");
  r.Series = {};
  for (const std::string& code : a.texts("Series")) {
    bool known = false;
    for (std::size_t s = 0; s < kSeriesCodes.size(); ++s) {
      if (code == kSeriesCodes[s]) {
        r.Series[s] = true;
        known = true;
      }
    }
    if (!known) throw Refusal{"argument \"Series\": unknown series \"" + code + "\""};
  }
  if (const auto bad = CheckAdviserRequest(r); bad != AdviserArgument::None) {
    // The adviser's refusal names the argument first and then words its range.
    const std::string name = AdviserArgumentName(bad);
    const std::string reason = AdviseDesigns(r).error();
    if (bad == AdviserArgument::Converter)
      throw Refusal{"argument \"Converter\"" + reason.substr(reason.find(':'))};
    throw Refusal{"argument \"" + name + "\"" + reason.substr(name.size())};
  }
  return r;
}

// ---- What the adviser's screen shows besides the designs ----------------------------------

// Why no design was found: the rejection that ruled out every design, or the most; cores
// that never reach the inductance only when no design was there to be ruled out.
void WriteNoDesign(JsonWriter& w, const AdviserRejections& r) {
  const std::pair<const char*, std::int64_t> reasons[] = {
      {"WindowFill", r.WindowFill},          {"NotAssessable", r.NotAssessable},
      {"TemperatureRise", r.TemperatureRise}, {"WoundOuterDiameter", r.WoundOuterDiameter},
      {"WoundHeight", r.WoundHeight},         {"Retention", r.Retention},
  };
  std::int64_t total = 0;
  const auto* top = &reasons[0];
  for (const auto& reason : reasons) {
    total += reason.second;
    if (reason.second > top->second) top = &reason;
  }
  w.BeginObject();
  if (total == 0) {
    w.Key("Reason").String(r.NoTurns > 0 ? "NoTurns" : "None").Key("All").Bool(true);
  } else {
    w.Key("Reason").String(top->first).Key("All").Bool(top->second == total);
  }
  w.EndObject();
}

// The front table's cells as the screen writes them, column by column.
void WriteRowTexts(JsonWriter& w, const AdviserRequest& request, const AdvisedDesign& design) {
  const auto d = DescribeAdvisedDesign(request, design);
  if (!d) throw Refusal{d.error()};
  const InductorEvaluation& e = d->Evaluation;
  const DesignAssessment& a = d->Assessment;
  w.BeginArray();
  w.String(d->PartNumber).String(std::to_string(d->CoreCount));
  w.String(PatternText(static_cast<double>(d->WireDiameter), "0.0"));
  w.String(std::to_string(d->StrandCount)).String(std::to_string(d->Turns));
  for (const double value : {static_cast<double>(e.InductanceAtZero), static_cast<double>(e.InductanceAtAverage),
                             static_cast<double>(e.InductanceAtPeak), static_cast<double>(e.WindowFill)})
    w.String(PatternText(value, "0.0"));
  for (const double value : {a.WoundOuterDiameter, a.WoundHeight, d->WoundVolume})
    w.String(PatternText(value, "0.00"));
  for (const double value : {a.CoreLoss, a.CopperLossDc, a.CopperLossAc, a.TotalLoss})
    w.String(PatternText(value, "0.000"));
  w.String(PatternText(a.TemperatureRise, "0.0")).String(PatternText(a.InductanceRetention, "0.0"));
  w.EndArray();
}

void WriteScreen(JsonWriter& w, const AdviserRequest& request, const AdviserResult& result) {
  const auto drawn = DesignsToDraw(result);
  const bool thinned = drawn && drawn->Thinned;
  w.Key("Drawn").BeginArray();
  for (std::size_t s = 0; drawn && s < drawn->PerSeries.size(); ++s) {
    for (std::size_t index : drawn->PerSeries[s]) {
      const AdvisedDesign& d = result.Feasible[index];
      w.BeginObject();
      w.Key("Series").String(kSeriesCodes[s]);
      w.Key("PartNumber").String(CatalogueSlot(d.Slot).PartNumber);
      w.Key("CoreCount").Integer(d.CoreCount);
      w.Key("WireDiameter").Float32(AdviserWireDiameter(d.WireIndex));
      w.Key("StrandCount").Integer(d.StrandCount);
      w.Key("Turns").Integer(d.Turns);
      w.Key("WoundVolume").Float64(d.WoundVolume);
      w.Key("TotalLoss").Float64(d.TotalLoss);
      w.EndObject();
    }
  }
  w.EndArray();
  w.Key("Thinned").Bool(thinned);
  w.Key("Rows").BeginArray();
  for (const AdvisedDesign& d : result.Front) WriteRowTexts(w, request, d);
  w.EndArray();
  // The best list's lines: series, part number, cores, wire, strands, turns, volume, loss.
  w.Key("BestTexts").BeginObject();
  for (std::size_t s = 0; s < kSeriesCodes.size(); ++s) {
    if (!request.Series[s]) continue;
    w.Key(kSeriesCodes[s]);
    const auto& best = result.BestPerSeries[s];
    if (!best) {
      w.Raw("null");
      continue;
    }
    w.BeginArray();
    w.String(CatalogueSlot(best->Slot).PartNumber).String(std::to_string(best->CoreCount));
    w.String(PatternText(static_cast<double>(AdviserWireDiameter(best->WireIndex)), "0.0"));
    w.String(std::to_string(best->StrandCount)).String(std::to_string(best->Turns));
    w.String(PatternText(best->WoundVolume, "0.00")).String(PatternText(best->TotalLoss, "0.000"));
    w.EndArray();
  }
  w.EndObject();
  w.Key("NoDesign");
  if (result.FeasibleCount == 0) {
    WriteNoDesign(w, result.Rejections);
  } else {
    w.Raw("null");
  }
}

// ---- The adviser's fields, read as its screen reads them -----------------------------------

// A field's text as a number: empty when it is not one number a float can hold.
// The fields in the order the screen shows them; the first one that cannot be used is named,
// as the range check names it. The request as AdviseDesigns takes it otherwise.
void ReadAdviserFields(const Args& a, JsonWriter& w) {
  const bool inConverter = a.has("Converter");
  const bool atZero = a.text("InductanceAt") == "Zero";
  if (!atZero && a.text("InductanceAt") != "Average")
    throw Refusal{"argument \"InductanceAt\" must be \"Zero\" or \"Average\""};
  AdviserFieldTexts fields;
  const std::pair<const char*, std::string*> texts[] = {
      {"RequiredInductance", &fields.RequiredInductance},
      {"InductanceTolerance", &fields.InductanceTolerance},
      {"AverageCurrent", &fields.AverageCurrent},
      {"PeakCurrent", &fields.PeakCurrent},
      {"RippleCurrent", &fields.RippleCurrent},
      {"FrequencyKHz", &fields.FrequencyKHz},
      {"AmbientTemperature", &fields.AmbientTemperature},
      {"MaxTemperatureRise", &fields.MaxTemperatureRise},
      {"MaxWoundOuterDiameter", &fields.MaxWoundOuterDiameter},
      {"MaxWoundHeight", &fields.MaxWoundHeight},
      {"MinRetention", &fields.MinRetention},
      {"MaxCoreCount", &fields.MaxCoreCount},
      {"MaxStrandCount", &fields.MaxStrandCount},
  };
  for (const auto& [name, text] : texts) {
    if (a.has(name)) {
      *text = a.text(name);
    } else if (!inConverter) {  // the operating point's four are optional only then
      throw Refusal{"missing argument \"" + std::string(name) + "\""};
    }
  }
  fields.AtZero = atZero;
  for (const std::string& code : a.texts("Series")) {
    const auto known = std::find(kSeriesCodes.begin(), kSeriesCodes.end(), code);
    if (known == kSeriesCodes.end()) throw Refusal{"argument \"Series\": unknown series \"" + code + "\""};
    fields.Series[static_cast<std::size_t>(known - kSeriesCodes.begin())] = true;
  }
  if (inConverter) fields.InConverter = a.converter("Converter");
  const auto read = qiro::ReadAdviserFields(fields);
  if (const auto* bad = std::get_if<AdviserArgument>(&read)) {
    w.BeginObject().Key("Argument").String(AdviserArgumentName(*bad)).Key("Request").Raw("null").EndObject();
    return;
  }
  const AdviserRequest& request = std::get<AdviserRequest>(read);
  // The request as AdviseDesigns takes it.
  w.BeginObject().Key("Argument").Raw("null").Key("Request").BeginObject();
  w.Key("RequiredInductance").Float64(request.RequiredInductance);
  if (inConverter) {
    WriteConverter(w.Key("Converter"), *request.InConverter);
  } else {
    w.Key("InductanceAt").String(atZero ? "Zero" : "Average");
    w.Key("AverageCurrent").Float64(request.AverageCurrent);
    w.Key("PeakCurrent").Float64(request.PeakCurrent);
    w.Key("RippleCurrent").Float64(request.RippleCurrent);
    w.Key("FrequencyKHz").Float64(request.FrequencyKHz);
  }
  w.Key("InductanceTolerance").Float64(request.InductanceTolerance);
  w.Key("AmbientTemperature").Float64(request.AmbientTemperature);
  w.Key("MaxTemperatureRise").Float64(request.MaxTemperatureRise);
  w.Key("MaxWoundOuterDiameter").Float64(request.MaxWoundOuterDiameter);
  w.Key("MaxWoundHeight").Float64(request.MaxWoundHeight);
  w.Key("MinRetention").Float64(request.MinRetention);
  w.Key("MaxCoreCount").Integer(request.MaxCoreCount);
  w.Key("MaxStrandCount").Integer(request.MaxStrandCount);
  w.Key("Series").BeginArray();
  for (std::size_t s = 0; s < kSeriesCodes.size(); ++s) {
    if (request.Series[s]) w.String(kSeriesCodes[s]);
  }
  w.EndArray().EndObject().EndObject();
}

// "在环形计算器中打开": a design of the adviser's as the calculator takes it over, with the
// request's currents (or its converter's, and the converter), and the design's report.
void OpenAdvisedDesign(const Args& a, JsonWriter& w) {
  const AdviserRequest request = ReadRequest(a);
  AdvisedDesign design;
  const auto slot = FindSlotByPartNumber(a.core("Core").PartNumber);
  const double wireIndex = std::round(static_cast<double>(a.f32("WireDiameter")) * 10) - 1;
  const auto fits8 = [](double v) { return v >= 0 && v <= 127; };
  if (!slot || !fits8(a.i16("CoreCount")) || !fits8(wireIndex) || !fits8(a.i16("StrandCount")) ||
      AdviserWireDiameter(static_cast<int>(wireIndex)) != a.f32("WireDiameter"))
    throw Refusal{"the design is not one of the adviser's"};
  design.Slot = static_cast<std::int16_t>(*slot);
  design.CoreCount = static_cast<std::int8_t>(a.i16("CoreCount"));
  design.WireIndex = static_cast<std::int8_t>(wireIndex);
  design.StrandCount = static_cast<std::int8_t>(a.i16("StrandCount"));
  design.Turns = a.i16("Turns");
  const auto details = DescribeAdvisedDesign(request, design);
  if (!details) throw Refusal{details.error()};
  DesignDocument d;
  d.Core = details->PartNumber;
  d.CoreCount = static_cast<float>(design.CoreCount);
  d.WireDiameter = AdviserWireDiameter(design.WireIndex);
  d.StrandCount = design.StrandCount;
  d.Turns = design.Turns;
  d.AverageCurrent = static_cast<float>(request.AverageCurrent);
  d.PeakCurrent = static_cast<float>(request.PeakCurrent);
  d.RippleCurrent = static_cast<float>(request.RippleCurrent);
  d.FrequencyKHz = static_cast<float>(request.FrequencyKHz);
  if (request.InConverter) {
    // The converter's numbers as its screen hands them over, and the converter with them.
    const auto op = OperateConverter(*request.InConverter);
    if (!op) throw Refusal{op.error()};
    d.PeakCurrent = static_cast<float>(op->PeakCurrent);
    d.RippleCurrent = static_cast<float>(op->RippleCurrent);
    d.AverageCurrent = static_cast<float>(ToFloat32(op->PeakCurrent) - ToFloat32(op->RippleCurrent) / 2.0);
    d.FrequencyKHz = static_cast<float>(op->RippleFrequencyKHz);
    d.InConverter = request.InConverter;
  }
  d.AmbientTemperature = request.AmbientTemperature;
  w.BeginObject();
  WriteFieldTexts(w, d);
  w.Key("Report").String(ReportText(details->Evaluation));
  w.EndObject();
}

}  // namespace

// AdviseDesigns' arguments, shared by the operations that take its request.
std::vector<ArgSpec> AdviserArgs() {
  return {{"RequiredInductance", ArgType::Float64, true},
          {"InductanceAt", ArgType::Text, true},
          {"InductanceTolerance", ArgType::Float64},
          {"AverageCurrent", ArgType::Float64, true},
          {"PeakCurrent", ArgType::Float64, true},
          {"RippleCurrent", ArgType::Float64, true},
          {"FrequencyKHz", ArgType::Float64, true},
          {"Converter", ArgType::Converter, true},
          {"AmbientTemperature", ArgType::Float64},
          {"MaxTemperatureRise", ArgType::Float64},
          {"MaxWoundOuterDiameter", ArgType::Float64},
          {"MaxWoundHeight", ArgType::Float64},
          {"MinRetention", ArgType::Float64},
          {"MaxCoreCount", ArgType::Integer16},
          {"MaxStrandCount", ArgType::Integer16},
          {"Series", ArgType::TextList}};
}

void RegisterAdviserOperations(Batch& batch) {
  batch.Register(
      "AdviseDesigns",
      {"every design of the included series (cores, stacks up to MaxCoreCount, wires 0.1…3.0 "
       "mm, strands up to MaxStrandCount, the fewest turns that reach RequiredInductance (μH) "
       "at InductanceAt \"Zero\" or \"Average\" less InductanceTolerance %) assessed at the "
       "ambient (°C); feasible when the window fill is at most 44 %, the rise at most "
       "MaxTemperatureRise (°C), the wound size within MaxWoundOuterDiameter and "
       "MaxWoundHeight (mm, 0 no limit) and the retention at least MinRetention (%). Replies "
       "FeasibleCount, Front (wound volume against total loss, by volume) and BestPerSeries "
       "(each included series code: its smallest feasible design, or null). With Converter (as "
       "AssessInConverter takes it) in place of InductanceAt, the currents and the frequency, "
       "the inductance (RequiredInductance, by default the converter's L) is met at the "
       "converter's own current and every design is assessed in the converter; its designs "
       "then also carry HighestCurrent and LargestRipple. ForScreen true adds what the adviser's "
       "screen shows: Drawn (the feasible designs a chart draws, each with its Series, thinned "
       "per series on a grid of the log axes beyond 4000), Thinned, Rows (the front table's cell "
       "texts), BestTexts (per included series the best list's texts, or null) and NoDesign "
       "(when none is feasible: the Reason and whether it ruled out All)",
       WithArg(AdviserArgs(), {"ForScreen", ArgType::Boolean, true}),
       [&batch](const Args& a, JsonWriter& w) {
         const AdviserRequest request = ReadRequest(a);
         const auto result = AdviseDesigns(request, batch.adviserControl());
         if (!result) throw Refusal{result.error()};
         if (result->Stopped) throw Refusal{"the search was stopped"};
         w.BeginObject();
         w.Key("FeasibleCount").Integer(result->FeasibleCount);
         w.Key("Front").BeginArray();
         for (const AdvisedDesign& d : result->Front) WriteDesign(w, request, d);
         w.EndArray();
         w.Key("BestPerSeries").BeginObject();
         for (std::size_t s = 0; s < kSeriesCodes.size(); ++s) {
           if (!request.Series[s]) continue;
           w.Key(kSeriesCodes[s]);
           if (result->BestPerSeries[s]) {
             WriteDesign(w, request, *result->BestPerSeries[s]);
           } else {
             w.Raw("null");
           }
         }
         w.EndObject();
         if (a.has("ForScreen") && a.boolean("ForScreen")) WriteScreen(w, request, *result);
         w.EndObject();
       }});
  batch.Register(
      "ReadAdviserFields",
      {"the adviser screen's field texts (AdviseDesigns' numbers by name, as typed; the four of "
       "the operating point left out with a Converter) as the screen reads them, in its order: "
       "Argument (the first that cannot be used, named as AdviseDesigns names it, or null) and "
       "Request (AdviseDesigns' arguments, or null)",
       {{"RequiredInductance", ArgType::Text},
        {"InductanceAt", ArgType::Text},
        {"InductanceTolerance", ArgType::Text},
        {"AverageCurrent", ArgType::Text, true},
        {"PeakCurrent", ArgType::Text, true},
        {"RippleCurrent", ArgType::Text, true},
        {"FrequencyKHz", ArgType::Text, true},
        {"Converter", ArgType::Converter, true},
        {"AmbientTemperature", ArgType::Text},
        {"MaxTemperatureRise", ArgType::Text},
        {"MaxWoundOuterDiameter", ArgType::Text},
        {"MaxWoundHeight", ArgType::Text},
        {"MinRetention", ArgType::Text},
        {"MaxCoreCount", ArgType::Text},
        {"MaxStrandCount", ArgType::Text},
        {"Series", ArgType::TextList}},
       ReadAdviserFields});
  std::vector<ArgSpec> open = AdviserArgs();
  for (ArgSpec more : {ArgSpec{"Core", ArgType::Core}, ArgSpec{"CoreCount", ArgType::Integer16},
                       ArgSpec{"WireDiameter", ArgType::Float32}, ArgSpec{"StrandCount", ArgType::Integer16},
                       ArgSpec{"Turns", ArgType::Integer16}})
    open.push_back(more);
  batch.Register(
      "OpenAdvisedDesign",
      {"a design of AdviseDesigns' (Core, CoreCount, WireDiameter, StrandCount, Turns) for its "
       "request, as the toroid calculator takes it over: the field texts (as OpenDesignFile gives "
       "them) with the request's currents and ambient, or the converter's currents and the "
       "Converter, and Report, the design's report",
       open, OpenAdvisedDesign});
}

}  // namespace qiro::batch
