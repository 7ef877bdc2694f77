// Design files: a script checks a file exactly as the program opens it.
#include <string>
#include <variant>

#include "cli/batch.h"
#include "design/exchange/design_document.h"

namespace qiro::batch {

void RegisterDesignFileOperations(Batch& batch) {
  batch.Register(
      "ReadDesignFile",
      {"the checked design of a design file's text (its \"design\" members, which AssessDesign "
       "takes as they are, and Note; Converter too, as AssessInConverter takes it, when the "
       "file was saved from a design found for a converter), or the refusal the program shows when opening it",
       {{"Text", ArgType::Text}},
       [](const Args& a, JsonWriter& w) {
         const auto read = ReadDesignDocument(a.text("Text"));
         if (const auto* refusal = std::get_if<DesignFileRefusal>(&read)) {
           throw Refusal{std::string(kOpenDesignRefusedEnglish) + DesignFileReasonEnglish(*refusal)};
         }
         const DesignDocument& d = std::get<DesignDocument>(read);
         w.BeginObject();
         w.Key("Core").String(d.Core);
         const std::pair<const char*, float> floats[] = {
             {"CoreCount", d.CoreCount},         {"FrequencyKHz", d.FrequencyKHz},
             {"AverageCurrent", d.AverageCurrent}, {"PeakCurrent", d.PeakCurrent},
             {"RippleCurrent", d.RippleCurrent}, {"WireDiameter", d.WireDiameter},
         };
         for (const auto& [name, value] : floats) w.Key(name).Float32(value);
         w.Key("StrandCount").Integer(d.StrandCount);
         w.Key("Turns").Integer(d.Turns);
         w.Key("AmbientTemperature").Float64(d.AmbientTemperature);
         w.Key("Note").String(d.Note);
         if (d.InConverter) WriteConverter(w.Key("Converter"), *d.InConverter);
         w.EndObject();
       }});
}

}  // namespace qiro::batch
