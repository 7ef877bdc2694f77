// Drives the real qiro-batch executable: requests in, replies out, exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core-data/catalogue.h"
#include "design/analysis/design_adviser.h"
#include "design/analysis/design_assessment.h"
#include "magnetics/formulas.h"

namespace {

struct RunResult {
  std::string out;
  int status = -1;
};

// Runs the tool with the given standard input (written to a temporary file).
RunResult RunBatch(const std::string& input, const std::string& options = {}) {
  char path[] = "/tmp/qiro-batch-input-XXXXXX";
  const int fd = mkstemp(path);
  EXPECT_GE(fd, 0);
  FILE* file = fdopen(fd, "w");
  std::fwrite(input.data(), 1, input.size(), file);
  std::fclose(file);
  const std::string command = std::string(QIRO_BATCH) + " " + options + " < " + path;
  FILE* pipe = popen(command.c_str(), "r");
  RunResult result;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::remove(path);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Every operation and every kind of bad input, against replies checked by hand once.
TEST(Batch, RepliesMatchTheGoldenFile) {
  const std::string requests = ReadFile(std::string(QIRO_TEST_DATA) + "/batch_requests.jsonl");
  const std::string expected = ReadFile(std::string(QIRO_TEST_DATA) + "/batch_replies.jsonl");
  const RunResult run = RunBatch(requests);
  EXPECT_EQ(run.status, 1);  // the file holds bad requests too
  const auto got = Lines(run.out);
  const auto want = Lines(expected);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], want[i]) << "reply " << i + 1;
}

TEST(Batch, ExitStatus) {
  EXPECT_EQ(RunBatch("{\"id\":1,\"op\":\"IsNumberText\",\"args\":{\"text\":\"5\"}}\n\n").status, 0);
  EXPECT_EQ(RunBatch("").status, 0);
  EXPECT_EQ(RunBatch("{\"id\":1,\"op\":\"Nope\"}\n").status, 1);
  EXPECT_EQ(RunBatch("", "--help").status, 0);
  EXPECT_NE(RunBatch("", "--help").out.find("EvaluateInductor("), std::string::npos);
  // A directory as standard input cannot be read at all.
  FILE* pipe = popen((std::string(QIRO_BATCH) + " < /").c_str(), "r");
  const int status = pclose(pipe);
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

TEST(Batch, OversizedLineIsRefusedAndTheNextStillAnswered) {
  std::string input = "{\"id\":1,\"op\":\"IsNumberText\",\"args\":{\"text\":\"";
  input += std::string(1024 * 1024, '7');
  input += "\"}}\n{\"id\":2,\"op\":\"IsNumberText\",\"args\":{\"text\":\"7\"}}\n";
  const auto lines = Lines(RunBatch(input).out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("longer than 1 MB"), std::string::npos);
  EXPECT_EQ(lines[1], "{\"id\":2,\"ok\":true,\"result\":true}");
}

// Results read back to the same float the program computed.
TEST(Batch, FloatsRoundTrip) {
  const auto lines = Lines(
      RunBatch("{\"id\":1,\"op\":\"BareWireDiameter\",\"args\":{\"Current\":8}}\n"
               "{\"id\":2,\"op\":\"LeadingNumber\",\"args\":{\"text\":\"0.1\"}}\n")
          .out);
  ASSERT_EQ(lines.size(), 2u);
  const auto first = nlohmann::json::parse(lines[0]);
  EXPECT_EQ(static_cast<float>(first["result"].get<double>()), qiro::BareWireDiameter(8));
  EXPECT_EQ(lines[0], "{\"id\":1,\"ok\":true,\"result\":1.1283778}");
  EXPECT_EQ(lines[1], "{\"id\":2,\"ok\":true,\"result\":0.1}");
  // 7.038531e-26 is this float's shortest form, but read as a double it rounds to the next
  // float: the reply gives its exact value, which a script (or this tool) reads back exactly.
  const std::string tie = "7.038530691851209e-26";
  const auto echoed = nlohmann::json::parse(Lines(RunBatch(
      "{\"id\":3,\"op\":\"EvaluateInductor\",\"args\":{\"Core\":\"KMA157060\",\"CoreCount\":1,"
      "\"FrequencyKHz\":100,\"AverageCurrent\":" + tie + ",\"PeakCurrent\":14.14,"
      "\"RippleCurrent\":2.828,\"WireDiameter\":1.0,\"StrandCount\":1,\"Turns\":37}}\n").out).at(0));
  ASSERT_TRUE(echoed.at("ok").get<bool>()) << echoed;
  EXPECT_EQ(echoed.at("result").at("AverageCurrent").dump(), tie);
}

}  // namespace

namespace {

// An error message that quotes the request must not carry its broken bytes into the reply.
TEST(Batch, RepliesStayValidJsonForBrokenUtf8) {
  const auto lines = Lines(RunBatch("{\"id\":7,\"op\":\"Gen\xd8\xff\"}\n\xff\xfe\n").out);
  ASSERT_EQ(lines.size(), 2u);
  for (const auto& line : lines) {
    const auto reply = nlohmann::json::parse(line, nullptr, false);
    ASSERT_FALSE(reply.is_discarded()) << line;
    EXPECT_FALSE(reply["ok"].get<bool>());
  }
}

}  // namespace

namespace {

// What users paste into fields, given to the tool as texts and as mistyped numbers.
TEST(Batch, HostileTextsGetAnswers) {
  const std::vector<std::string> hostile = {"",    "0",     "-0",     ".",  "..", "1.2.3", "1e39",
                                            "1e-45", "99999", "32768", "-32769", "+5", " 5 ",
                                            "５",  "1,5",   "NaN",    "inf", std::string(10000, '9'),
                                            "12\n34"};
  std::string input;
  int id = 0;
  for (const std::string& text : hostile) {
    const std::string quoted = nlohmann::json(text).dump();
    input += "{\"id\":" + std::to_string(++id) + ",\"op\":\"LeadingNumber\",\"args\":{\"text\":" + quoted + "}}\n";
    input += "{\"id\":" + std::to_string(++id) + ",\"op\":\"BareWireDiameter\",\"args\":{\"Current\":" + quoted + "}}\n";
  }
  const auto lines = Lines(RunBatch(input).out);
  ASSERT_EQ(lines.size(), hostile.size() * 2);
  for (std::size_t i = 0; i < hostile.size(); ++i) {
    const auto leading = nlohmann::json::parse(lines[2 * i]);
    const auto mistyped = nlohmann::json::parse(lines[2 * i + 1]);
    // A text's leading number is read, or refused when it leaves the double range.
    if (leading["ok"].get<bool>()) {
      EXPECT_TRUE(leading["result"].is_number()) << hostile[i];
    } else {
      EXPECT_NE(leading["error"].get<std::string>().find("64-bit"), std::string::npos);
    }
    EXPECT_FALSE(mistyped["ok"].get<bool>()) << hostile[i];
    EXPECT_NE(mistyped["error"].get<std::string>().find("\"Current\""), std::string::npos);
  }
}

}  // namespace

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"

namespace {

// The reply carries the assessment's own doubles, exactly, and its verdicts in words.
TEST(Batch, AssessDesignReply) {
  const std::string design =
      "\"Core\":\"KMA157060\",\"SecondCore\":\"KMA157060\",\"CoreCount\":1,\"SecondCoreCount\":0,"
      "\"FrequencyKHz\":100,\"AverageCurrent\":10,\"PeakCurrent\":14.14,\"RippleCurrent\":2.828,"
      "\"WireDiameter\":1.0,\"StrandCount\":1,";
  const auto lines = Lines(
      RunBatch("{\"id\":1,\"op\":\"AssessDesign\",\"args\":{" + design +
               "\"Turns\":37,\"AmbientTemperature\":25}}\n"
               "{\"id\":2,\"op\":\"AssessDesign\",\"args\":{" + design +
               "\"Turns\":381,\"AmbientTemperature\":25}}\n"
               "{\"id\":3,\"op\":\"AssessDesign\",\"args\":{" + design +
               "\"Turns\":37,\"AmbientTemperature\":\"0x7ff0000000000000\"}}\n")
          .out);
  ASSERT_EQ(lines.size(), 3u);
  qiro::InitCoreData();
  const qiro::CoreRecord core = qiro::FindCoreByPartNumber("KMA157060");
  const auto e = qiro::EvaluateInductor(core, core, 1, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37);
  const auto a = qiro::AssessDesign(*e, 25);
  ASSERT_TRUE(a.ok());
  const auto reply = nlohmann::json::parse(lines[0]);
  ASSERT_TRUE(reply["ok"].get<bool>()) << lines[0];
  const auto& r = reply["result"];
  EXPECT_EQ(r["Layers"].get<int>(), 1);
  EXPECT_EQ(r["SurfaceArea"].get<double>(), a->SurfaceArea);
  EXPECT_EQ(r["DowellFactor"].get<double>(), a->DowellFactor);
  EXPECT_EQ(r["CopperLossDc"].get<double>(), a->CopperLossDc);
  EXPECT_EQ(r["TemperatureRise"].get<double>(), a->TemperatureRise);
  EXPECT_EQ(r["InductanceRetention"].get<double>(), a->InductanceRetention);
  EXPECT_EQ(r["ThermalVerdict"].get<std::string>(), "过高");
  EXPECT_EQ(r["RetentionVerdict"].get<std::string>(), "正常");
  EXPECT_EQ(r["ThermalVerdictCode"].get<std::string>(), "TooHigh");
  EXPECT_EQ(lines[1], "{\"id\":2,\"ok\":false,\"error\":\"the winding does not fit the core's hole\"}");
  // An infinite ambient given by its bits is refused by the argument check, never assessed.
  EXPECT_NE(lines[2].find("\"ok\":false"), std::string::npos);
  EXPECT_NE(RunBatch("", "--help").out.find("AssessDesign(Core: part number"), std::string::npos);
}

// The adviser's reply: the count, the front and the best of each series, each design with
// the members of its full report in the library's own numbers.
TEST(Batch, AdviseDesignsReply) {
  const std::string request =
      "{\"id\":1,\"op\":\"AdviseDesigns\",\"args\":{\"RequiredInductance\":100,"
      "\"InductanceAt\":\"Zero\",\"InductanceTolerance\":0,\"AverageCurrent\":10,"
      "\"PeakCurrent\":11.5,\"RippleCurrent\":3,\"FrequencyKHz\":100,"
      "\"AmbientTemperature\":25,\"MaxTemperatureRise\":40,\"MaxWoundOuterDiameter\":0,"
      "\"MaxWoundHeight\":0,\"MinRetention\":0,\"MaxCoreCount\":2,\"MaxStrandCount\":2,"
      "\"Series\":[\"KMC-L\",\"KMAC\"]}}\n";
  const auto lines = Lines(RunBatch(request).out);
  ASSERT_EQ(lines.size(), 1u);
  const auto reply = nlohmann::json::parse(lines[0]);
  ASSERT_TRUE(reply["ok"].get<bool>()) << lines[0];
  const auto& r = reply["result"];

  qiro::InitCoreData();
  qiro::AdviserRequest q;
  q.RequiredInductance = 100;
  q.AverageCurrent = 10;
  q.PeakCurrent = 11.5;
  q.RippleCurrent = 3;
  q.FrequencyKHz = 100;
  q.MaxCoreCount = 2;
  q.MaxStrandCount = 2;
  q.Series = {false, false, false, true, true, false, false};
  const auto advice = qiro::AdviseDesigns(q);
  ASSERT_TRUE(advice.ok());
  EXPECT_EQ(r["FeasibleCount"].get<std::int64_t>(), advice->FeasibleCount);
  ASSERT_EQ(r["Front"].size(), advice->Front.size());
  const auto same = [&](const nlohmann::json& j, const qiro::AdvisedDesign& design) {
    const auto d = qiro::DescribeAdvisedDesign(q, design);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(j.size(), 18u);
    EXPECT_EQ(j["PartNumber"].get<std::string>(), d->PartNumber);
    EXPECT_EQ(j["CoreCount"].get<int>(), design.CoreCount);
    EXPECT_EQ(j["WireDiameter"].get<float>(), d->WireDiameter);
    EXPECT_EQ(j["StrandCount"].get<int>(), design.StrandCount);
    EXPECT_EQ(j["Turns"].get<int>(), design.Turns);
    EXPECT_EQ(j["InductanceAtZero"].get<float>(), d->Evaluation.InductanceAtZero);
    EXPECT_EQ(j["InductanceAtAverage"].get<float>(), d->Evaluation.InductanceAtAverage);
    EXPECT_EQ(j["InductanceAtPeak"].get<float>(), d->Evaluation.InductanceAtPeak);
    EXPECT_EQ(j["WindowFill"].get<float>(), d->Evaluation.WindowFill);
    EXPECT_EQ(j["WoundOuterDiameter"].get<double>(), d->Assessment.WoundOuterDiameter);
    EXPECT_EQ(j["WoundHeight"].get<double>(), d->Assessment.WoundHeight);
    EXPECT_EQ(j["WoundVolume"].get<double>(), design.WoundVolume);
    EXPECT_EQ(j["CoreLoss"].get<double>(), d->Assessment.CoreLoss);
    EXPECT_EQ(j["CopperLossDc"].get<double>(), d->Assessment.CopperLossDc);
    EXPECT_EQ(j["CopperLossAc"].get<double>(), d->Assessment.CopperLossAc);
    EXPECT_EQ(j["TotalLoss"].get<double>(), design.TotalLoss);
    EXPECT_EQ(j["TemperatureRise"].get<double>(), d->Assessment.TemperatureRise);
    EXPECT_EQ(j["InductanceRetention"].get<double>(), d->Assessment.InductanceRetention);
  };
  for (std::size_t i = 0; i < advice->Front.size(); ++i) same(r["Front"][i], advice->Front[i]);
  // Only the included series, in catalogue order.
  const auto& best = r["BestPerSeries"];
  ASSERT_EQ(best.size(), 2u);
  EXPECT_EQ(best.begin().key(), "KMAC");
  for (const std::size_t s : {3u, 4u}) {
    const std::string code(qiro::kSeriesCodes[s]);
    ASSERT_TRUE(best.contains(code));
    if (advice->BestPerSeries[s]) {
      same(best[code], *advice->BestPerSeries[s]);
    } else {
      EXPECT_TRUE(best[code].is_null());
    }
  }
  EXPECT_NE(RunBatch("", "--help").out.find("AdviseDesigns(RequiredInductance: float64"),
            std::string::npos);
  EXPECT_NE(RunBatch("", "--help").out.find("Series: string array"), std::string::npos);
}

// A bad argument gets the usual refusal naming it.
TEST(Batch, AdviseDesignsRefusalsNameTheArgument) {
  const std::vector<std::pair<std::string, std::string>> good = {
      {"RequiredInductance", "100"}, {"InductanceAt", "\"Zero\""},
      {"InductanceTolerance", "0"},  {"AverageCurrent", "10"},
      {"PeakCurrent", "11.5"},       {"RippleCurrent", "3"},
      {"FrequencyKHz", "100"},       {"AmbientTemperature", "25"},
      {"MaxTemperatureRise", "40"},  {"MaxWoundOuterDiameter", "0"},
      {"MaxWoundHeight", "0"},       {"MinRetention", "0"},
      {"MaxCoreCount", "1"},         {"MaxStrandCount", "1"},
      {"Series", "[\"KMD\"]"}};
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"RequiredInductance", "-1"}, {"InductanceAt", "\"zero\""},
      {"InductanceTolerance", "51"}, {"AverageCurrent", "-0.5"},
      {"PeakCurrent", "0"},          {"RippleCurrent", "-1"},
      {"FrequencyKHz", "-1"},        {"AmbientTemperature", "-61"},
      {"MaxTemperatureRise", "0"},   {"MaxWoundOuterDiameter", "-1"},
      {"MaxWoundHeight", "-1"},      {"MinRetention", "101"},
      {"MaxCoreCount", "0"},         {"MaxStrandCount", "101"},
      {"Series", "[]"},              {"Series", "[\"KMA\", 3]"}};
  std::string input;
  for (const auto& [name, value] : bad) {
    std::string args;
    for (const auto& [n, v] : good) args += (args.empty() ? "" : ",") + ("\"" + n + "\":") + (n == name ? value : v);
    input += "{\"op\":\"AdviseDesigns\",\"args\":{" + args + "}}\n";
  }
  const RunResult run = RunBatch(input);
  EXPECT_EQ(run.status, 1);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), bad.size());
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_NE(lines[i].find("\"ok\":false"), std::string::npos) << lines[i];
    EXPECT_NE(lines[i].find("argument \\\"" + bad[i].first + "\\\""), std::string::npos) << lines[i];
  }
}

// Overloaded designs whose winding would climb past 500 °C are refused as runaways, never
// answered with millions of degrees; a cold ambient is taken as it is.
TEST(Batch, AssessDesignRefusesARunaway) {
  const std::string design =
      "\"Core\":\"KMC185160\",\"SecondCore\":\"KMC185160\",\"CoreCount\":1,\"SecondCoreCount\":0,"
      "\"FrequencyKHz\":50,\"WireDiameter\":0.45,\"StrandCount\":3,"
      "\"Turns\":382,";
  const auto lines = Lines(
      RunBatch("{\"id\":1,\"op\":\"AssessDesign\",\"args\":{" + design +
               "\"AverageCurrent\":50,\"PeakCurrent\":55,\"RippleCurrent\":10,\"AmbientTemperature\":25}}\n"
               "{\"id\":2,\"op\":\"AssessDesign\",\"args\":{" + design +
               "\"AverageCurrent\":2,\"PeakCurrent\":2.25,\"RippleCurrent\":0.5,\"AmbientTemperature\":-40}}\n")
          .out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "{\"id\":1,\"ok\":false,\"error\":\"the winding would pass 500 °C: no steady temperature\"}");
  const auto cold = nlohmann::json::parse(lines[1]);
  ASSERT_TRUE(cold["ok"].get<bool>()) << lines[1];
  const double winding = cold["result"]["WindingTemperature"].get<double>();
  EXPECT_LE(winding, qiro::kHottestWinding);
  EXPECT_DOUBLE_EQ(winding, -40 + cold["result"]["TemperatureRise"].get<double>());
}

TEST(Batch, SpiceModelRepliesWithTheSubcircuitOrARefusal) {
  const std::string args =
      "\"Core\":\"KMA157060\",\"SecondCore\":\"KMA157060\",\"CoreCount\":2,"
      "\"SecondCoreCount\":0,\"FrequencyKHz\":100,\"RippleCurrent\":2.828,\"WireDiameter\":1.0,"
      "\"StrandCount\":1,\"Turns\":26";
  const auto lines = Lines(RunBatch(
      "{\"id\":1,\"op\":\"SpiceModel\",\"args\":{" + args +
      ",\"AverageCurrent\":10,\"PeakCurrent\":14.14}}\n"
      "{\"id\":2,\"op\":\"SpiceModel\",\"args\":{" + args +
      ",\"AverageCurrent\":0,\"PeakCurrent\":0}}\n").out);
  ASSERT_EQ(lines.size(), 2u);
  const auto reply = nlohmann::json::parse(lines[0]);
  ASSERT_TRUE(reply.at("ok").get<bool>()) << lines[0];
  EXPECT_EQ(reply.at("result").at("SubcircuitName"), "QIRO_KMA157060_26T_2");
  const std::string text = reply.at("result").at("Text");
  EXPECT_EQ(text.rfind("* QIRO_KMA157060_26T_2: SPICE model of an inductor designed with "
                       "QIROMagnetic ", 0), 0u);
  EXPECT_NE(text.find("\n.ends QIRO_KMA157060_26T_2\n"), std::string::npos);
  const auto refused = nlohmann::json::parse(lines[1]);
  EXPECT_FALSE(refused.at("ok").get<bool>());
  EXPECT_NE(refused.at("error").get<std::string>().find("current"), std::string::npos);
  EXPECT_NE(RunBatch("", "--help").out.find("SpiceModel("), std::string::npos);
}

}  // namespace

#include "design/exchange/design_document.h"

namespace {

std::string Request(int id, const std::string& op, const nlohmann::json& args) {
  return nlohmann::json{{"id", id}, {"op", op}, {"args", args}}.dump() + "\n";
}

// A script checks a design file as the program opens it, and passes its design on as it is.
TEST(Batch, ReadDesignFileRepliesTheDesignThatAssessDesignTakes) {
  qiro::InitCoreData();
  qiro::DesignDocument d;
  d.Core = "KMA157060";
  d.Turns = 37;
  d.AmbientTemperature = 31.5;
  d.Note = "两片 🧲\n";
  const std::string file = qiro::WriteDesignDocument(d);
  const auto read = Lines(RunBatch(Request(1, "ReadDesignFile", {{"Text", file}})).out);
  ASSERT_EQ(read.size(), 1u);
  const auto reply = nlohmann::ordered_json::parse(read[0]);
  ASSERT_TRUE(reply.at("ok").get<bool>()) << read[0];
  auto design = reply.at("result");
  EXPECT_EQ(design.at("Note"), d.Note);
  EXPECT_EQ(design.at("PeakCurrent").get<float>(), 14.14f);
  EXPECT_EQ(design.at("AmbientTemperature").get<double>(), 31.5);
  design.erase("Note");
  // Member for member the file's own design object, in its order.
  EXPECT_EQ(design, nlohmann::ordered_json::parse(file).at("design"));

  auto evaluateArgs = design;
  evaluateArgs.erase("AmbientTemperature");
  const auto lines = Lines(RunBatch(Request(2, "AssessDesign", design) +
                                    Request(3, "EvaluateInductor", evaluateArgs)).out);
  ASSERT_EQ(lines.size(), 2u);
  const qiro::CoreRecord core = qiro::FindCoreByPartNumber("KMA157060");
  const auto e = qiro::EvaluateInductor(core, core, 1, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37);
  const auto a = qiro::AssessDesign(*e, 31.5);
  ASSERT_TRUE(a.ok());
  const auto assessed = nlohmann::json::parse(lines[0]);
  ASSERT_TRUE(assessed.at("ok").get<bool>()) << lines[0];
  EXPECT_EQ(assessed.at("result").at("TemperatureRise").get<double>(), a->TemperatureRise);
  const auto evaluated = nlohmann::json::parse(lines[1]);
  ASSERT_TRUE(evaluated.at("ok").get<bool>()) << lines[1];
  EXPECT_EQ(evaluated.at("result").at("SecondCoreCount").get<float>(), 0.0f);
  EXPECT_EQ(evaluated.at("result").at("InductanceAtPeak").get<float>(), e->InductanceAtPeak);
}

// The refusal is the one the program shows in English, and the reply says which field.
TEST(Batch, ReadDesignFileRefusesAsTheProgramDoes) {
  qiro::InitCoreData();
  qiro::DesignDocument d;
  d.Core = "KMA157060";
  const std::string good = qiro::WriteDesignDocument(d);
  const auto with = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::string texts[] = {
      "not json",
      with("\"Turns\": 1", "\"Turns\": 0"),
      with("\"version\": 1", "\"version\": 7"),
      with("\"AverageCurrent\": 10", "\"AverageCurrent\": \"NaN\""),
      with("KMA157060", "KMA000000"),
      with("\"WireDiameter\": 1", "\"WireDiameter\": 1.25"),
  };
  std::string requests;
  for (std::size_t i = 0; i < std::size(texts); ++i)
    requests += Request(static_cast<int>(i), "ReadDesignFile", {{"Text", texts[i]}});
  requests += "{\"id\":99,\"op\":\"ReadDesignFile\",\"args\":{}}\n";
  const RunResult run = RunBatch(requests);
  EXPECT_EQ(run.status, 1);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), std::size(texts) + 1);
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    const auto reply = nlohmann::json::parse(lines[i]);
    EXPECT_FALSE(reply.at("ok").get<bool>()) << lines[i];
    const auto read = qiro::ReadDesignDocument(texts[i]);
    ASSERT_TRUE(std::holds_alternative<qiro::DesignFileRefusal>(read)) << i;
    EXPECT_EQ(reply.at("error").get<std::string>(),
              "Cannot open the design file: " +
                  qiro::DesignFileReasonEnglish(std::get<qiro::DesignFileRefusal>(read)));
  }
  EXPECT_EQ(nlohmann::json::parse(lines[1]).at("error"),
            "Cannot open the design file: \"design.Turns\" (Turns) is out of range: it must be from 1 "
            "to 400");
  EXPECT_EQ(lines.back(), "{\"id\":99,\"ok\":false,\"error\":\"missing argument \\\"Text\\\"\"}");
  const std::string help = RunBatch("", "--help").out;
  EXPECT_NE(help.find("ReadDesignFile(Text: string)"), std::string::npos);
  EXPECT_NE(help.find("AssessDesign(Core: part number, SecondCore?: part number, CoreCount: float32, "
                      "SecondCoreCount?: float32,"),
            std::string::npos);
}

// Left out, the second core is the first with none of it; given, it is checked as before.
TEST(Batch, SecondCoreMayBeLeftOut) {
  const std::string common =
      "\"Core\":\"KMA157060\",\"CoreCount\":2,\"FrequencyKHz\":100,\"AverageCurrent\":10,"
      "\"PeakCurrent\":14.14,\"RippleCurrent\":2.828,\"WireDiameter\":1.0,\"StrandCount\":1,"
      "\"Turns\":26";
  const auto lines = Lines(RunBatch(
      "{\"id\":1,\"op\":\"EvaluateInductor\",\"args\":{" + common + "}}\n"
      "{\"id\":1,\"op\":\"EvaluateInductor\",\"args\":{" + common +
      ",\"SecondCore\":\"KMA157060\",\"SecondCoreCount\":0}}\n"
      "{\"id\":2,\"op\":\"EvaluateInductor\",\"args\":{" + common +
      ",\"SecondCore\":\"KMB157060\",\"SecondCoreCount\":1}}\n"
      "{\"id\":3,\"op\":\"EvaluateInductor\",\"args\":{" + common + ",\"SecondCore\":\"nope\"}}\n")
                               .out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_NE(lines[2].find("SecondCoreCount must be 0"), std::string::npos) << lines[2];
  EXPECT_NE(lines[3].find("unknown part number \\\"nope\\\""), std::string::npos) << lines[3];
}

}  // namespace
