// The toroid calculator's operations answer with exactly what the calculator shows: the
// domain functions' own texts, for designs and field texts from all over their ranges.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "core-data/catalogue.h"
#include "design/calculators/toroid_inputs.h"
#include "design/calculators/toroid_reading.h"
#include "design/calculators/toroid_report.h"
#include "text/number_text.h"

namespace {

using nlohmann::json;

json Ask(const qiro::batch::Batch& batch, const std::string& op, const json& args) {
  bool ok = false;
  const json reply = json::parse(batch.Reply(json{{"id", 1}, {"op", op}, {"args", args}}.dump(), ok));
  EXPECT_EQ(reply.at("ok").get<bool>(), ok);
  return reply;
}

TEST(ToroidOperations, ReportAndWarningAreTheCalculatorsOwn) {
  const qiro::batch::Batch batch;
  std::mt19937 random(27);
  int warned = 0;
  for (int i = 0; i < 300; ++i) {
    const qiro::CoreRecord& core = qiro::CatalogueSlot(1 + static_cast<int>(random() % qiro::CatalogueSize));
    const float wire = static_cast<float>(1 + random() % 30) / 10;
    const auto strands = static_cast<std::int16_t>(1 + random() % 6);
    const auto turns = static_cast<std::int16_t>(1 + random() % 150);
    const float average = static_cast<float>(random() % 200) / 10;
    const json args = {{"Core", core.PartNumber}, {"CoreCount", 1},      {"FrequencyKHz", 100},
                       {"AverageCurrent", average}, {"PeakCurrent", average * 1.2f}, {"RippleCurrent", 1},
                       {"WireDiameter", wire},   {"StrandCount", strands}, {"Turns", turns}};
    const json reply = Ask(batch, "ReportText", args);
    const auto e = qiro::EvaluateInductor(core, core, 1, 0, 100, average, average * 1.2f, 1, wire,
                                          strands, turns);
    ASSERT_EQ(reply.at("ok").get<bool>(), e.ok()) << reply;
    if (!e) {
      EXPECT_EQ(reply.at("error"), e.error());
      continue;
    }
    EXPECT_EQ(reply.at("result").at("Text"), qiro::ReportText(*e));
    const bool difficult = e->WindowFill > 44;
    warned += difficult;
    EXPECT_EQ(reply.at("result").at("WindingWarning"), difficult ? "注意：绕线困难！" : "") << e->WindowFill;
  }
  EXPECT_GT(warned, 0);
  EXPECT_EQ(Ask(batch, "CoreInfoText", {{"Core", "KMA157060"}}).at("result"),
            qiro::CoreInfoText(qiro::FindCoreByPartNumber("KMA157060")));
}

TEST(ToroidOperations, RulesAndReadingFollowTheFieldTexts) {
  const qiro::batch::Batch batch;
  const char* const texts[] = {"", "0", "10", "14.14", " 5 ", "1e39", "1e309", "1e-50", "abc",
                               "12.5.3", "-3", "0.4", "401", "1,5", "32768", "7.", "2.828"};
  const auto text = [](const std::optional<std::string>& t) { return t ? json(*t) : json(nullptr); };
  for (const char* a : texts) {
    EXPECT_EQ(Ask(batch, "PeakFromAverage", {{"AverageText", a}}).at("result"), text(qiro::PeakFromAverage(a))) << a;
    EXPECT_EQ(Ask(batch, "RippleFromAverage", {{"AverageText", a}}).at("result"), text(qiro::RippleFromAverage(a))) << a;
    for (double fraction : {0.2, 0.15, 0.1}) {
      EXPECT_EQ(Ask(batch, "RippleFromPeak", {{"PeakText", a}, {"Fraction", fraction}}).at("result"),
                text(qiro::RippleFromPeak(a, fraction))) << a;
    }
    for (const char* b : {"1.0", "0.1", ""}) {
      EXPECT_EQ(Ask(batch, "CurrentDensityCaption", {{"AverageText", a}, {"WireText", b}, {"StrandText", a}}).at("result"),
                text(qiro::CurrentDensityCaption(a, b, a))) << a << ' ' << b;
    }
    // Each field in turn holds the text, the others a design that reads.
    for (int field = 0; field < 8; ++field) {
      qiro::ToroidInputTexts in{"10", "14.14", "2.828", "100", "1.0", "1", "37", "1", true};
      std::string* const fields[] = {&in.averageCurrent, &in.peakCurrent, &in.rippleCurrent, &in.frequency,
                                     &in.wireDiameter,   &in.strandCount, &in.turns,         &in.coreCount};
      *fields[field] = a;
      const json reply = Ask(batch, "ReadToroidInputs",
                             {{"AverageCurrent", in.averageCurrent}, {"PeakCurrent", in.peakCurrent},
                              {"RippleCurrent", in.rippleCurrent}, {"FrequencyKHz", in.frequency},
                              {"WireDiameter", in.wireDiameter}, {"StrandCount", in.strandCount},
                              {"Turns", in.turns}, {"CoreCount", in.coreCount}, {"CoreSelected", true}});
      const auto read = qiro::ReadToroidInputs(in);
      const json& result = reply.at("result");
      ASSERT_EQ(result.at("Fault").is_null(), std::holds_alternative<qiro::ToroidInputs>(read)) << a << ' ' << field;
      if (const auto* inputs = std::get_if<qiro::ToroidInputs>(&read)) {
        EXPECT_EQ(result.at("AverageCurrent").get<float>(), inputs->averageCurrent);
        EXPECT_EQ(result.at("WireDiameter").get<float>(), inputs->wireDiameter);
        EXPECT_EQ(result.at("CoreCount").get<float>(), inputs->coreCount);
        EXPECT_EQ(result.at("StrandCount").get<int>(), inputs->strandCount);
        EXPECT_EQ(result.at("Turns").get<int>(), inputs->turns);
        EXPECT_EQ(result.at("StrandCountReplaced").get<bool>(), inputs->strandCountReplaced);
        EXPECT_EQ(result.at("CoreCountReplaced").get<bool>(), inputs->coreCountReplaced);
      }
    }
  }
}

}  // namespace
