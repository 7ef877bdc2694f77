// The batch tool's EvaluateInductor reply and the reports the screens copy agree number for
// number: a report built from the reply's numbers is the report built from the evaluation.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core-data/catalogue.h"
#include "design/calculators/candidate_report.h"
#include "design/calculators/toroid_report.h"
#include "magnetics/evaluate_inductor.h"

namespace qiro {
namespace {

struct Design {
  const char* partNumber;
  float coreCount;
  float frequency;
  float average;
  float peak;
  float ripple;
  float wire;
  std::int16_t strands;
  std::int16_t turns;
};

const Design kDesigns[] = {
    {"KMA157060", 1, 100, 10, 14.14f, 2.828f, 1.0f, 1, 10},   // the calculator's worked design
    {"KMA157060", 1, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37},
    {"KMB106090", 2, 50, 3.3f, 4.7f, 0.94f, 0.6f, 3, 48},    // a stack of two
    {"KMC130125", 1.5f, 20, 0.25f, 0.3f, 0.1f, 0.2f, 1, 400},  // fractional stack, many turns
    {"KME106060", 1, 350, 5, 7.07f, 1.4f, 0.8f, 2, 30},       // loss outside the model
    {"KMA092090", 1, 0, 5, 7.07f, 0, 1.4f, 2, 41},            // a selection proposal
};

std::string Request(int id, const Design& d) {
  const nlohmann::json args = {
      {"Core", d.partNumber},        {"SecondCore", d.partNumber}, {"CoreCount", d.coreCount},
      {"SecondCoreCount", 0},        {"FrequencyKHz", d.frequency}, {"AverageCurrent", d.average},
      {"PeakCurrent", d.peak},       {"RippleCurrent", d.ripple},  {"WireDiameter", d.wire},
      {"StrandCount", d.strands},    {"Turns", d.turns}};
  return nlohmann::json{{"id", id}, {"op", "EvaluateInductor"}, {"args", args}}.dump() + "\n";
}

std::vector<nlohmann::json> RunBatch(const std::string& input) {
  char path[] = "/tmp/qiro-agreement-XXXXXX";
  const int fd = mkstemp(path);
  EXPECT_GE(fd, 0);
  FILE* file = fdopen(fd, "w");
  std::fwrite(input.data(), 1, input.size(), file);
  std::fclose(file);
  FILE* pipe = popen((std::string(QIRO_BATCH) + " < " + path).c_str(), "r");
  std::string out;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  std::remove(path);
  std::vector<nlohmann::json> replies;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) replies.push_back(nlohmann::json::parse(line));
  return replies;
}

CoreRecord CoreFrom(const nlohmann::json& j) {
  CoreRecord c;
  c.PartNumber = j.at("PartNumber").get<std::string>();
  c.OuterDiameter = j.at("OuterDiameter").get<float>();
  c.InnerDiameter = j.at("InnerDiameter").get<float>();
  c.Height = j.at("Height").get<float>();
  c.CoatedOuterDiameter = j.at("CoatedOuterDiameter").get<float>();
  c.CoatedInnerDiameter = j.at("CoatedInnerDiameter").get<float>();
  c.CoatedHeight = j.at("CoatedHeight").get<float>();
  c.Volume = j.at("Volume").get<float>();
  c.CrossSection = j.at("CrossSection").get<float>();
  c.PathLength = j.at("PathLength").get<float>();
  c.WindowArea = j.at("WindowArea").get<float>();
  c.InductanceFactor = j.at("InductanceFactor").get<float>();
  c.Permeability = j.at("Permeability").get<std::int16_t>();
  c.Series = j.at("Series").get<std::string>();
  return c;
}

// The evaluation as the batch tool tells it.
InductorEvaluation EvaluationFrom(const nlohmann::json& r) {
  InductorEvaluation e;
  e.Core = CoreFrom(r.at("Core"));
  e.SecondCore = CoreFrom(r.at("SecondCore"));
  const auto f = [&r](const char* name) { return r.at(name).get<float>(); };
  e.CoreCount = f("CoreCount");
  e.SecondCoreCount = f("SecondCoreCount");
  e.CoreVolume = f("CoreVolume");
  e.FrequencyKHz = f("FrequencyKHz");
  e.AverageCurrent = f("AverageCurrent");
  e.PeakCurrent = f("PeakCurrent");
  e.RippleCurrent = f("RippleCurrent");
  e.WireDiameter = f("WireDiameter");
  e.StrandCount = r.at("StrandCount").get<std::int16_t>();
  e.WindowFill = f("WindowFill");
  e.Turns = r.at("Turns").get<std::int16_t>();
  e.CurrentDensity = f("CurrentDensity");
  e.DcResistance = f("DcResistance");
  e.FieldAtPeak = f("FieldAtPeak");
  e.FieldAtAverage = f("FieldAtAverage");
  e.PermeabilityAtPeak = f("PermeabilityAtPeak");
  e.PermeabilityAtAverage = f("PermeabilityAtAverage");
  e.InductanceAtZero = f("InductanceAtZero");
  e.InductanceAtPeak = f("InductanceAtPeak");
  e.InductanceAtAverage = f("InductanceAtAverage");
  e.FluxSwing = f("FluxSwing");
  e.CoreLossPerVolume = f("CoreLossPerVolume");
  e.CoreLoss = f("CoreLoss");
  e.CopperLoss = f("CopperLoss");
  e.CopperWeight = f("CopperWeight");
  e.WireLength = f("WireLength");
  return e;
}

TEST(ReportAgreement, BatchReplyAndReportsAgreeNumberForNumber) {
  InitCoreData();
  std::string requests;
  int id = 0;
  for (const Design& d : kDesigns) requests += Request(++id, d);
  const auto replies = RunBatch(requests);
  ASSERT_EQ(replies.size(), std::size(kDesigns));
  for (std::size_t i = 0; i < replies.size(); ++i) {
    const Design& d = kDesigns[i];
    SCOPED_TRACE(std::string(d.partNumber) + " with " + std::to_string(d.turns) + " turns");
    ASSERT_TRUE(replies[i].at("ok").get<bool>()) << replies[i].dump();
    const InductorEvaluation told = EvaluationFrom(replies[i].at("result"));
    const CoreRecord core = FindCoreByPartNumber(d.partNumber);
    const auto own = EvaluateInductor(core, core, d.coreCount, 0, d.frequency, d.average, d.peak,
                                      d.ripple, d.wire, d.strands, d.turns);
    ASSERT_TRUE(own.ok()) << own.error();
    EXPECT_EQ(ReportText(told), ReportText(*own));
    EXPECT_EQ(DescribeCandidate(told), DescribeCandidate(*own));
  }
}

}  // namespace
}  // namespace qiro
