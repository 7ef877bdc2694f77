// The inductor in its converter: a design assessed under the current its converter drives.
#include "cli/batch.h"
#include "design/analysis/converter_operation.h"

namespace qiro::batch {

void WriteConverter(JsonWriter& w, const Converter& converter) {
  w.BeginObject();
  w.Key("Topology").String(TopologyName(converter.Kind));
  const auto names = ConverterInputNames(converter.Kind);
  for (std::size_t i = 0; i < names.size(); ++i) w.Key(names[i]).Float32(converter.Inputs[i]);
  w.EndObject();
}

void RegisterConverterOperations(Batch& batch) {
  batch.Register(
      "AssessInConverter",
      {"the design (Core, CoreCount stacked, WireDiameter mm × StrandCount, Turns) assessed at "
       "AmbientTemperature (°C) under the current its Converter drives ({\"Topology\": Buck, "
       "Boost, BuckBoost, Pfc, InverterLc, Forward, PushPull or FullBridge, and that topology's "
       "Calc* arguments by name}): volt-seconds set the flux swing, iGSE the core loss, the "
       "ripple's harmonics the AC copper loss, PFC and inverter chokes averaged over the quarter "
       "line cycle. The AssessDesign members plus HighestCurrent and LargestRipple (A)",
       {{"Core", ArgType::Core},
        {"CoreCount", ArgType::Float32},
        {"WireDiameter", ArgType::Float32},
        {"StrandCount", ArgType::Integer16},
        {"Turns", ArgType::Integer16},
        {"AmbientTemperature", ArgType::Float64},
        {"Converter", ArgType::Converter}},
       [](const Args& a, JsonWriter& w) {
         const auto op = OperateConverter(a.converter("Converter"));
         if (!op) throw Refusal{"argument \"Converter\": " + op.error()};
         AssessmentRefusal refusal;
         const auto r = AssessInConverter(*op, a.core("Core"), a.f32("CoreCount"),
                                          a.f32("WireDiameter"), a.i16("StrandCount"),
                                          a.i16("Turns"), a.f64("AmbientTemperature"), refusal);
         if (!r) throw Refusal{r.error()};
         w.BeginObject();
         WriteAssessmentMembers(w, r->Assessment);
         w.Key("HighestCurrent").Float64(r->Load.HighestCurrent);
         w.Key("LargestRipple").Float64(r->Load.LargestRipple);
         w.EndObject();
       }});
}

}  // namespace qiro::batch
