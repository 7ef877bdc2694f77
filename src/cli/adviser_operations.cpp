// The design adviser: every design of the catalogue for a requirement, its front and the best
// of each series.
#include <string>

#include "cli/batch.h"
#include "core-data/catalogue.h"
#include "design/analysis/design_adviser.h"

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

}  // namespace

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
       "then also carry HighestCurrent and LargestRipple",
       {{"RequiredInductance", ArgType::Float64, true},
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
        {"Series", ArgType::TextList}},
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
         w.EndObject();
       }});
}

}  // namespace qiro::batch
