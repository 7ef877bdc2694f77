// Core selection: the grouped search with its proposals' reports, and the catalogue fit.
#include "cli/batch.h"
#include "design/calculators/candidate_report.h"
#include "design/calculators/catalogue_fit_search.h"
#include "design/calculators/grouped_core_search.h"

namespace qiro::batch {

void RegisterSelectionOperations(Batch& batch) {
  batch.Register(
      "GroupedCoreSearch",
      {"smallest core of each material group: the list lines and each proposal's report",
       {{"Current", ArgType::Float32}, {"PeakCurrent", ArgType::Float32},
        {"AverageCurrent", ArgType::Float32}, {"TargetAtZero", ArgType::Boolean},
        {"Inductance", ArgType::Float32}, {"CoreCount", ArgType::Integer16},
        {"DensityChoice", ArgType::Integer16}},
       [](const Args& a, JsonWriter& w) {
         GroupedSearchRequest request;
         request.Current = a.f32("Current");
         request.PeakCurrent = a.f32("PeakCurrent");
         request.AverageCurrent = a.f32("AverageCurrent");
         request.TargetAtZero = a.boolean("TargetAtZero");
         request.Inductance = a.f32("Inductance");
         request.CoreCount = a.i16("CoreCount");
         request.DensityChoice = a.i16("DensityChoice");
         const auto found = GroupedCoreSearch(request);
         if (!found) throw Refusal{found.error()};
         w.BeginObject().Key("Winding");
         WriteWinding(w, found->Winding);
         w.Key("WindingMissesDensity").Bool(WindingMissesDensity(request.DensityChoice, found->Winding));
         w.Key("Candidates").BeginArray();
         for (const SelectionCandidate& candidate : found->Candidates) {
           w.BeginObject().Key("Line").String(GroupedResultLine(candidate));
           const auto evaluation = EvaluateCandidate(candidate);
           w.Key("DescribeCandidate");
           if (evaluation) {
             w.String(DescribeCandidate(*evaluation));
           } else {
             w.Raw("null").Key("error").String(evaluation.error());
           }
           w.EndObject();
         }
         w.EndArray().EndObject();
       }});
  batch.Register("DescribeCandidate",
                 {"the fourteen-line report of one proposed design (no frequency, no ripple)",
                  {{"Core", ArgType::Core}, {"CoreCount", ArgType::Float32},
                   {"AverageCurrent", ArgType::Float32}, {"PeakCurrent", ArgType::Float32},
                   {"WireDiameter", ArgType::Float32}, {"StrandCount", ArgType::Integer16},
                   {"Turns", ArgType::Integer16}},
                  [](const Args& a, JsonWriter& w) {
                    SelectionCandidate candidate;
                    candidate.Core = a.core("Core");
                    candidate.SecondCore = a.core("Core");
                    candidate.CoreCount = a.f32("CoreCount");
                    candidate.AverageCurrent = a.f32("AverageCurrent");
                    candidate.PeakCurrent = a.f32("PeakCurrent");
                    candidate.WireDiameter = a.f32("WireDiameter");
                    candidate.StrandCount = a.i16("StrandCount");
                    candidate.Turns = a.i16("Turns");
                    const auto evaluation = EvaluateCandidate(candidate);
                    if (!evaluation) throw Refusal{evaluation.error()};
                    w.String(DescribeCandidate(*evaluation));
                  }});
  batch.Register("CatalogueFitSearch",
                 {"every catalogue core that reaches the inductance per core at 8 A/mm² (list lines)",
                  {{"coreCount", ArgType::Integer16}, {"current", ArgType::Float32}, {"inductance", ArgType::Float64}},
                  [](const Args& a, JsonWriter& w) {
                    const auto lines = CatalogueFitSearch(a.i16("coreCount"), a.f32("current"), a.f64("inductance"));
                    if (!lines) throw Refusal{lines.error()};
                    w.BeginArray();
                    for (const std::string& line : *lines) w.String(line);
                    w.EndArray();
                  }});
}

}  // namespace qiro::batch
