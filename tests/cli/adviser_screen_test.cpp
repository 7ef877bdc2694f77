// What the adviser's screen takes from the batch protocol: its fields read in the screen's
// order, the chart's designs and the table's texts beside AdviseDesigns' unchanged reply, and
// a picked design handed to the calculator.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "core-data/catalogue.h"
#include "design/analysis/converter_operation.h"
#include "design/analysis/design_adviser.h"
#include "text/float_range.h"

namespace {

using nlohmann::json;

json Ask(const qiro::batch::Batch& batch, const std::string& op, const json& args) {
  bool ok = false;
  const json reply = json::parse(batch.Reply(json{{"id", 1}, {"op", op}, {"args", args}}.dump(), ok));
  EXPECT_TRUE(ok) << op << ": " << reply;
  return reply.value("result", json());
}

// The window's defaults, as typed.
json Fields() {
  return {{"RequiredInductance", "100"}, {"InductanceAt", "Average"}, {"InductanceTolerance", "0"},
          {"AverageCurrent", "10"},      {"PeakCurrent", "11.5"},     {"RippleCurrent", "3"},
          {"FrequencyKHz", "100"},       {"AmbientTemperature", "25"}, {"MaxTemperatureRise", "40"},
          {"MaxWoundOuterDiameter", "0"}, {"MaxWoundHeight", "0"},    {"MinRetention", "0"},
          {"MaxCoreCount", "4"},         {"MaxStrandCount", "10"},     {"Series", {"KMA", "KME"}}};
}

const json kPfc = {{"Topology", "Pfc"}, {"P", 500}, {"Vin", 220}, {"Vout", 400}, {"f", 65}, {"eta", 0.98}, {"gamma", 0.2}};

TEST(AdviserScreen, FieldsAreReadInTheWindowsOrder) {
  const qiro::batch::Batch batch;
  // Each row spoils fields; the first one the window shows is named.
  const struct {
    json changes;
    const char* argument;
  } cases[] = {
      {{{"RequiredInductance", "abc"}}, "RequiredInductance"},
      {{{"RequiredInductance", "0"}, {"InductanceTolerance", "60"}}, "RequiredInductance"},
      {{{"InductanceTolerance", "50.5"}}, "InductanceTolerance"},
      {{{"AverageCurrent", ""}}, "AverageCurrent"},
      {{{"PeakCurrent", "1e39"}}, "PeakCurrent"},
      {{{"FrequencyKHz", "."}, {"AmbientTemperature", "300"}}, "FrequencyKHz"},
      {{{"AmbientTemperature", "-70"}}, "AmbientTemperature"},
      {{{"MaxTemperatureRise", "0"}}, "MaxTemperatureRise"},
      {{{"MaxWoundHeight", "x"}}, "MaxWoundHeight"},
      {{{"MinRetention", "101"}}, "MinRetention"},
      {{{"MaxCoreCount", "2.5"}}, "MaxCoreCount"},
      {{{"MaxCoreCount", "7"}}, "MaxCoreCount"},
      {{{"MaxStrandCount", "0"}}, "MaxStrandCount"},
      {{{"Series", json::array()}}, "Series"},
      // A converter sets the operating point: those fields are not read.
      {{{"AverageCurrent", "abc"}, {"FrequencyKHz", ""}, {"Converter", kPfc}}, nullptr},
      {{{"AmbientTemperature", " -20 "}}, nullptr},
  };
  for (const auto& c : cases) {
    json fields = Fields();
    fields.update(c.changes);
    const json read = Ask(batch, "ReadAdviserFields", fields);
    if (c.argument) {
      EXPECT_EQ(read["Argument"], c.argument) << c.changes;
      EXPECT_TRUE(read["Request"].is_null());
      continue;
    }
    ASSERT_TRUE(read["Argument"].is_null()) << c.changes << read;
    // What it reads, AdviseDesigns takes.
    json request = read["Request"];
    request["MaxCoreCount"] = 1;
    request["MaxStrandCount"] = 1;
    request["Series"] = {"KMA"};
    Ask(batch, "AdviseDesigns", request);
    EXPECT_EQ(read["Request"].contains("Converter"), fields.contains("Converter"));
  }
}

TEST(AdviserScreen, ScreenMembersComeBesideTheUnchangedReply) {
  const qiro::batch::Batch batch;
  json request = Ask(batch, "ReadAdviserFields", Fields())["Request"];
  // Few designs are all drawn, the front among them; beyond 4000 they are thinned.
  for (const int most : {1, 2}) {
    request["MaxCoreCount"] = most;
    request["MaxStrandCount"] = most;
    request.erase("ForScreen");
    const json plain = Ask(batch, "AdviseDesigns", request);
    request["ForScreen"] = true;
    json screen = Ask(batch, "AdviseDesigns", request);
    const json& drawn = screen["Drawn"];
    const auto feasible = screen["FeasibleCount"].get<std::size_t>();
    EXPECT_EQ(screen["Thinned"].get<bool>(), feasible > 4000) << feasible;
    if (screen["Thinned"].get<bool>()) {
      EXPECT_LT(drawn.size(), feasible / 2);
    } else {
      EXPECT_EQ(drawn.size(), feasible);
    }
    ASSERT_EQ(screen["Rows"].size(), screen["Front"].size());
    for (std::size_t i = 0; i < screen["Front"].size(); ++i) {
      const json& d = screen["Front"][i];
      EXPECT_EQ(screen["Rows"][i][0], d["PartNumber"]);
      EXPECT_EQ(screen["Rows"][i].size(), 18u);
      bool found = false;
      for (const json& p : drawn) {
        found |= p["PartNumber"] == d["PartNumber"] && p["CoreCount"] == d["CoreCount"] &&
                 p["WireDiameter"] == d["WireDiameter"] && p["StrandCount"] == d["StrandCount"] &&
                 p["Turns"] == d["Turns"] && p["WoundVolume"] == d["WoundVolume"] && p["TotalLoss"] == d["TotalLoss"];
      }
      EXPECT_TRUE(found || screen["Thinned"].get<bool>()) << d;
    }
    for (const char* series : {"KMA", "KME"}) {
      EXPECT_EQ(screen["BestTexts"][series][0], screen["BestPerSeries"][series]["PartNumber"]);
    }
    EXPECT_TRUE(screen["NoDesign"].is_null());
    for (const char* member : {"Drawn", "Thinned", "Rows", "BestTexts", "NoDesign"}) screen.erase(member);
    EXPECT_EQ(screen, plain);
  }

  // No design: the reason that ruled out the most, and whether it ruled out all.
  request["MaxTemperatureRise"] = 0.01;
  const json none = Ask(batch, "AdviseDesigns", request);
  EXPECT_EQ(none["Drawn"].size(), 0u);
  EXPECT_EQ(none["NoDesign"]["Reason"], "TemperatureRise");
  request["RequiredInductance"] = 1e7;
  EXPECT_EQ(Ask(batch, "AdviseDesigns", request)["NoDesign"], (json{{"Reason", "NoTurns"}, {"All", true}}));
}

TEST(AdviserScreen, APickedDesignInItsConverterGoesToTheCalculator) {
  const qiro::batch::Batch batch;
  json fields = Fields();
  fields.update({{"Converter", kPfc}, {"RequiredInductance", "1621.3"}, {"MaxCoreCount", "1"},
                 {"MaxStrandCount", "2"}, {"Series", {"KME"}}});
  const json request = Ask(batch, "ReadAdviserFields", fields)["Request"];
  const json result = Ask(batch, "AdviseDesigns", request);
  ASSERT_FALSE(result["Front"].empty());
  const json& d = result["Front"][0];
  json pick = request;
  for (const char* member : {"CoreCount", "WireDiameter", "StrandCount", "Turns"}) pick[member] = d[member];
  pick["Core"] = d["PartNumber"];
  const json opened = Ask(batch, "OpenAdvisedDesign", pick);
  EXPECT_EQ(opened["Core"], d["PartNumber"]);
  EXPECT_EQ(opened["Converter"], kPfc);
  EXPECT_EQ(opened["Summary"], "PFC，500 W，220 V → 400 V，65 kHz");
  // The converter's own currents and ripple frequency, as its screen hands them over.
  qiro::Converter c;
  c.Kind = qiro::Topology::Pfc;
  c.Inputs = {500, 220, 400, 65, 0.98f, 0.2f};
  const auto op = qiro::OperateConverter(c);
  ASSERT_TRUE(op);
  const json texts = Ask(batch, "DesignFieldTexts",
                         {{"Core", d["PartNumber"]}, {"CoreCount", 1}, {"FrequencyKHz", op->RippleFrequencyKHz},
                          {"AverageCurrent", qiro::ToFloat32(op->PeakCurrent) - qiro::ToFloat32(op->RippleCurrent) / 2.0},
                          {"PeakCurrent", op->PeakCurrent}, {"RippleCurrent", op->RippleCurrent},
                          {"WireDiameter", d["WireDiameter"]}, {"StrandCount", d["StrandCount"]},
                          {"Turns", d["Turns"]}, {"AmbientTemperature", 25}, {"Converter", kPfc}});
  for (const char* member : {"PeakCurrent", "RippleCurrent", "AverageCurrent", "FrequencyKHz", "WireDiameter", "Turns"})
    EXPECT_EQ(opened[member], texts[member]) << member;
  EXPECT_NE(opened["Report"].get<std::string>().find(d["PartNumber"].get<std::string>()), std::string::npos);
  // Not a design the adviser makes.
  pick["WireDiameter"] = 0.15;
  bool ok = true;
  batch.Reply(json{{"op", "OpenAdvisedDesign"}, {"args", pick}}.dump(), ok);
  EXPECT_FALSE(ok);
}

}  // namespace
