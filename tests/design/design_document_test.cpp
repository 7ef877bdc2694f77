#include "design/exchange/design_document.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"
#include "magnetics/evaluate_inductor.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

class DesignDocumentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

DesignDocument WorkedDesign() {
  DesignDocument d;
  d.Core = "KMA157060";
  d.CoreCount = 1;
  d.FrequencyKHz = 100;
  d.AverageCurrent = 10;
  d.PeakCurrent = 14.14f;
  d.RippleCurrent = 2.828f;
  d.WireDiameter = 1.0f;
  d.StrandCount = 1;
  d.Turns = 37;
  d.AmbientTemperature = 25;
  d.Note = "示例：BUCK 输出电感";
  return d;
}

const char* const kWorkedText =
    "{\n"
    "  \"format\": \"qiromagnetic-design\",\n"
    "  \"version\": 1,\n"
    "  \"design\": {\n"
    "    \"Core\": \"KMA157060\",\n"
    "    \"CoreCount\": 1,\n"
    "    \"FrequencyKHz\": 100,\n"
    "    \"AverageCurrent\": 10,\n"
    "    \"PeakCurrent\": 14.14,\n"
    "    \"RippleCurrent\": 2.828,\n"
    "    \"WireDiameter\": 1,\n"
    "    \"StrandCount\": 1,\n"
    "    \"Turns\": 37,\n"
    "    \"AmbientTemperature\": 25\n"
    "  },\n"
    "  \"note\": \"示例：BUCK 输出电感\"\n"
    "}\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Same float or double, bit for bit (0 and -0 differ, as a file could tell them apart).
template <class T>
bool SameBits(T a, T b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectSameValues(const DesignDocument& a, const DesignDocument& b) {
  EXPECT_EQ(a.Core, b.Core);
  EXPECT_TRUE(SameBits(a.CoreCount, b.CoreCount)) << a.CoreCount << " " << b.CoreCount;
  EXPECT_TRUE(SameBits(a.FrequencyKHz, b.FrequencyKHz)) << a.FrequencyKHz;
  EXPECT_TRUE(SameBits(a.AverageCurrent, b.AverageCurrent)) << a.AverageCurrent;
  EXPECT_TRUE(SameBits(a.PeakCurrent, b.PeakCurrent)) << a.PeakCurrent;
  EXPECT_TRUE(SameBits(a.RippleCurrent, b.RippleCurrent)) << a.RippleCurrent;
  EXPECT_TRUE(SameBits(a.WireDiameter, b.WireDiameter)) << a.WireDiameter;
  EXPECT_EQ(a.StrandCount, b.StrandCount);
  EXPECT_EQ(a.Turns, b.Turns);
  EXPECT_TRUE(SameBits(a.AmbientTemperature + 0.0, b.AmbientTemperature + 0.0)) << a.AmbientTemperature;
  EXPECT_EQ(a.Note, b.Note);
}

// The assessment a design gets in the calculator and in AssessDesign: refusal text or values.
std::string AssessmentOf(const DesignDocument& d) {
  const CoreRecord core = FindCoreByPartNumber(d.Core);
  const auto e = EvaluateInductor(core, core, d.CoreCount, 0, d.FrequencyKHz, d.AverageCurrent,
                                  d.PeakCurrent, d.RippleCurrent, d.WireDiameter, d.StrandCount,
                                  d.Turns);
  if (!e) return "evaluation refused: " + e.error();
  const auto a = AssessDesign(*e, d.AmbientTemperature);
  if (!a) return "assessment refused: " + a.error();
  std::string bits;
  for (double v : {a->TotalLoss, a->TemperatureRise, a->WindingTemperature, a->DowellFactor,
                   a->CopperLossAc, a->InductanceRetention, static_cast<double>(e->InductanceAtPeak)}) {
    bits += std::to_string(std::bit_cast<std::uint64_t>(v)) + " ";
  }
  return bits;
}

TEST_F(DesignDocumentTest, WritesTheWorkedDesignByteForByte) {
  EXPECT_EQ(WriteDesignDocument(WorkedDesign()), kWorkedText);
  const auto read = ReadDesignDocument(kWorkedText);
  ASSERT_TRUE(std::holds_alternative<DesignDocument>(read));
  ExpectSameValues(std::get<DesignDocument>(read), WorkedDesign());
  // The design object is exactly AssessDesign's arguments for one core type.
  const auto parsed = nlohmann::ordered_json::parse(kWorkedText);
  std::vector<std::string> members;
  for (const auto& [key, value] : parsed.at("design").items()) members.push_back(key);
  EXPECT_EQ(members, (std::vector<std::string>{"Core", "CoreCount", "FrequencyKHz", "AverageCurrent",
                                               "PeakCurrent", "RippleCurrent", "WireDiameter",
                                               "StrandCount", "Turns", "AmbientTemperature"}));
}

// Random designs over the whole range the calculator holds, with notes of every kind of
// character: read back bit for bit, written again byte for byte, assessed alike.
TEST_F(DesignDocumentTest, RandomDesignsRoundTrip) {
  std::mt19937_64 random(20261209);
  const auto pick = [&random](auto low, auto high) {
    return std::uniform_int_distribution<long long>(low, high)(random);
  };
  const auto anyPositiveFloat = [&] {
    return std::bit_cast<float>(static_cast<std::uint32_t>(pick(1, 0x7F7FFFFF)));
  };
  const auto usualFloat = [&](double low, double high) {
    return static_cast<float>(std::uniform_real_distribution<double>(low, high)(random));
  };
  const char* const pieces[] = {"备注", "环形电感🧲", "\n", "\r\n", "\t", "\x01", "\x7f",
                                "\xC2\x85", "\xE2\x80\xA8", "\"", "\\", "abc ", "/", "é", "\x1f"};
  for (int i = 0; i < 400; ++i) {
    DesignDocument d;
    d.Core = CatalogueSlot(static_cast<int>(pick(1, CatalogueSize))).PartNumber;
    const bool wild = i % 4 == 0;  // every positive float, subnormals and the largest included
    d.CoreCount = wild ? anyPositiveFloat() : (i % 3 ? static_cast<float>(pick(1, 6)) : usualFloat(0.5, 8));
    d.FrequencyKHz = wild ? anyPositiveFloat() : usualFloat(1, 1000);
    d.AverageCurrent = wild ? anyPositiveFloat() : usualFloat(0.01, 100);
    d.PeakCurrent = wild ? anyPositiveFloat() : static_cast<float>(d.AverageCurrent * 1.414);
    d.RippleCurrent = wild ? anyPositiveFloat() : static_cast<float>(d.PeakCurrent * 0.2);
    d.WireDiameter = static_cast<float>(pick(1, 30) / 10.0);
    d.StrandCount = static_cast<std::int16_t>(i % 5 ? pick(1, 20) : pick(1, 32767));
    d.Turns = static_cast<std::int16_t>(pick(1, 400));
    d.AmbientTemperature = i == 1 ? -60.0 : i == 2 ? 200.0
                                          : std::uniform_real_distribution<double>(-60, 200)(random);
    for (long long n = pick(0, 6); n > 0; --n) d.Note += pieces[pick(0, std::size(pieces) - 1)];
    ASSERT_FALSE(CheckDesignDocument(d)) << i;

    const std::string text = WriteDesignDocument(d);
    const auto read = ReadDesignDocument(text);
    ASSERT_TRUE(std::holds_alternative<DesignDocument>(read))
        << DesignFileReasonEnglish(std::get<DesignFileRefusal>(read)) << "\n" << text;
    const DesignDocument& back = std::get<DesignDocument>(read);
    ExpectSameValues(back, d);
    EXPECT_EQ(WriteDesignDocument(back), text);
    if (!wild) {
      EXPECT_EQ(AssessmentOf(back), AssessmentOf(d));
    }
  }
}

// A float whose shortest text, read through a double as the calculator and the batch tool
// read numbers, lands on a tie and rounds to its neighbour: written by its exact value.
TEST_F(DesignDocumentTest, FloatsThatShortestTextWouldLose) {
  const float tie = std::bit_cast<float>(std::uint32_t{0x15ae43fd});
  EXPECT_EQ(RoundTripText(tie), "7.038530691851209e-26");
  EXPECT_EQ(RoundTripText(14.14f), "14.14");
  EXPECT_EQ(RoundTripText(0.1f), "0.1");
  EXPECT_EQ(RoundTripText(std::numeric_limits<float>::max()), "3.4028235e+38");
  EXPECT_EQ(RoundTripText(std::numeric_limits<float>::denorm_min()), "1e-45");
  // Typed into a calculator field, the text gives the same float.
  EXPECT_EQ(ToFloat32(LeadingNumber(RoundTripText(tie))), tie);
  EXPECT_NE(ToFloat32(LeadingNumber("7.038531e-26")), tie);
  DesignDocument d = WorkedDesign();
  d.AverageCurrent = tie;
  const std::string text = WriteDesignDocument(d);
  EXPECT_NE(text.find("\"AverageCurrent\": 7.038530691851209e-26,"), std::string::npos) << text;
  const auto read = ReadDesignDocument(text);
  ASSERT_TRUE(std::holds_alternative<DesignDocument>(read));
  EXPECT_EQ(std::bit_cast<std::uint32_t>(std::get<DesignDocument>(read).AverageCurrent), 0x15ae43fdu);
}

TEST_F(DesignDocumentTest, NotesKeepTheirCharactersAndEscapeControls) {
  struct Case {
    const char* note;
    const char* written;  // as it appears in the file, between the quotes
  };
  const Case cases[] = {
      {"", ""},
      {"中文备注：两片叠用", "中文备注：两片叠用"},
      {"emoji 🧲⚡", "emoji 🧲⚡"},
      {"line\nnext\r\ttab", "line\\nnext\\r\\ttab"},
      {"quote \" and \\ slash /", "quote \\\" and \\\\ slash /"},
      {"\x01\x1f\x7f", "\\u0001\\u001f\\u007f"},
      {"C1 \xC2\x85 and \xE2\x80\xA8\xE2\x80\xA9", "C1 \\u0085 and \\u2028\\u2029"},
      {"\b\f", "\\b\\f"},
  };
  for (const Case& c : cases) {
    DesignDocument d = WorkedDesign();
    d.Note = c.note;
    const std::string text = WriteDesignDocument(d);
    EXPECT_NE(text.find(std::string("\"note\": \"") + c.written + "\"\n}"), std::string::npos) << text;
    const auto read = ReadDesignDocument(text);
    ASSERT_TRUE(std::holds_alternative<DesignDocument>(read)) << c.note;
    EXPECT_EQ(std::get<DesignDocument>(read).Note, c.note);
  }
  // A note that is not UTF-8 is refused before saving, and even written it stays JSON.
  DesignDocument broken = WorkedDesign();
  broken.Note = "bad \xFF\xC0 end";
  const auto refusal = CheckDesignDocument(broken);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->Kind, DesignFileFault::InvalidText);
  EXPECT_EQ(refusal->Field, "note");
  const auto read = ReadDesignDocument(WriteDesignDocument(broken));
  ASSERT_TRUE(std::holds_alternative<DesignDocument>(read));
  EXPECT_EQ(std::get<DesignDocument>(read).Note, "bad \xEF\xBF\xBD\xEF\xBF\xBD end");
}

DesignFileRefusal R(DesignFileFault kind, std::string field = {}, std::string value = {},
                    std::size_t line = 0, std::size_t column = 0) {
  DesignFileRefusal r;
  r.Kind = kind;
  r.Field = std::move(field);
  r.Value = std::move(value);
  r.Line = line;
  r.Column = column;
  return r;
}

struct BadFile {
  const char* what;
  std::string text;
  DesignFileFault kind;
  std::string field;
};

std::string WithDesign(const std::string& from, const std::string& to) {
  return Replaced(kWorkedText, from, to);
}

std::string Without(const std::string& line) { return WithDesign(line, ""); }

std::vector<BadFile> BadFiles() {
  using F = DesignFileFault;
  std::string huge = kWorkedText;
  huge.insert(huge.find("示例"), std::string(kMaxDesignFileBytes, 'x'));
  std::vector<BadFile> cases = {
      {"over 1 MB", huge, F::TooLarge, ""},
      {"empty", "", F::NotJson, ""},
      {"cut short", std::string(kWorkedText).substr(0, 100), F::NotJson, ""},
      {"plain text", "设计：KMA157060, 37 turns", F::NotJson, ""},
      {"NaN unquoted", WithDesign("\"AverageCurrent\": 10", "\"AverageCurrent\": NaN"), F::NotJson, ""},
      {"trailing comma", WithDesign("\"Turns\": 37,", "\"Turns\": 37,,"), F::NotJson, ""},
      {"note not UTF-8", WithDesign("示例", "\xFF"), F::NotJson, ""},
      {"two documents", std::string(kWorkedText) + kWorkedText, F::NotJson, ""},
      {"an array", "[1, 2]", F::NotDesignFile, "format"},
      {"another format", WithDesign("qiromagnetic-design", "qiromagnetic-sheet"), F::NotDesignFile, "format"},
      {"no format", Without("\"format\": \"qiromagnetic-design\",\n"), F::NotDesignFile, "format"},
      {"format not text", WithDesign("\"qiromagnetic-design\"", "1"), F::NotDesignFile, "format"},
      {"newer version", WithDesign("\"version\": 1", "\"version\": 2"), F::NewerVersion, "version"},
      {"version as text", WithDesign("\"version\": 1", "\"version\": \"1\""), F::WrongType, "version"},
      {"version 1.0", WithDesign("\"version\": 1", "\"version\": 1.0"), F::WrongType, "version"},
      {"version 0", WithDesign("\"version\": 1", "\"version\": 0"), F::OutOfRange, "version"},
      {"version -1", WithDesign("\"version\": 1", "\"version\": -1"), F::OutOfRange, "version"},
      {"no version", Without("  \"version\": 1,\n"), F::MissingField, "version"},
      {"design misspelt", WithDesign("\"design\"", "\"designs\""), F::UnknownField, "designs"},
      {"no design", "{\"format\": \"qiromagnetic-design\", \"version\": 1}", F::MissingField, "design"},
      {"design is a list", "{\"format\": \"qiromagnetic-design\", \"version\": 1, \"design\": [1]}",
       F::WrongType, "design"},
      {"unknown top member", WithDesign("  \"note\"", "  \"author\": \"王工\",\n  \"note\""),
       F::UnknownField, "author"},
      {"second core", WithDesign("\"CoreCount\": 1,", "\"CoreCount\": 1, \"SecondCore\": \"KMA157060\","),
       F::UnknownField, "design.SecondCore"},
      {"Turns given twice", WithDesign("\"Turns\": 37,", "\"Turns\": 37, \"Turns\": 38,"),
       F::DuplicateField, "design.Turns"},
      {"note given twice", WithDesign("  \"note\"", "  \"note\": \"a\",\n  \"note\""),
       F::DuplicateField, "note"},
      {"note a number", WithDesign("\"示例：BUCK 输出电感\"", "5"), F::WrongType, "note"},
      {"Core a number", WithDesign("\"KMA157060\"", "157060"), F::WrongType, "design.Core"},
      {"first fault first", "{\"format\": \"qiromagnetic-design\", \"version\": 1, \"design\": {\"Core\": []}}",
       F::WrongType, "design.Core"},
      {"unknown part number", WithDesign("KMA157060", "KMA999999"), F::UnknownPartNumber, "design.Core"},
      {"part number in lower case", WithDesign("KMA157060", "kma157060"), F::UnknownPartNumber, "design.Core"},
      {"empty part number", WithDesign("\"KMA157060\"", "\"\""), F::UnknownPartNumber, "design.Core"},
      {"turns as text", WithDesign("\"Turns\": 37", "\"Turns\": \"37\""), F::WrongType, "design.Turns"},
      {"turns 37.0", WithDesign("\"Turns\": 37", "\"Turns\": 37.0"), F::WrongType, "design.Turns"},
      {"turns 0", WithDesign("\"Turns\": 37", "\"Turns\": 0"), F::OutOfRange, "design.Turns"},
      {"turns 401", WithDesign("\"Turns\": 37", "\"Turns\": 401"), F::OutOfRange, "design.Turns"},
      {"turns 32768", WithDesign("\"Turns\": 37", "\"Turns\": 32768"), F::OutOfRange, "design.Turns"},
      {"turns -37", WithDesign("\"Turns\": 37", "\"Turns\": -37"), F::OutOfRange, "design.Turns"},
      {"turns beyond 64 bits", WithDesign("\"Turns\": 37", "\"Turns\": 99999999999999999999"),
       F::OutOfRange, "design.Turns"},
      {"strands 0", WithDesign("\"StrandCount\": 1", "\"StrandCount\": 0"), F::OutOfRange, "design.StrandCount"},
      {"strands 32768", WithDesign("\"StrandCount\": 1", "\"StrandCount\": 32768"), F::OutOfRange,
       "design.StrandCount"},
      {"negative current", WithDesign("\"AverageCurrent\": 10", "\"AverageCurrent\": -10"), F::OutOfRange,
       "design.AverageCurrent"},
      {"zero peak", WithDesign("\"PeakCurrent\": 14.14", "\"PeakCurrent\": 0"), F::OutOfRange,
       "design.PeakCurrent"},
      {"ripple beyond float", WithDesign("\"RippleCurrent\": 2.828", "\"RippleCurrent\": 1e39"),
       F::OutOfRange, "design.RippleCurrent"},
      {"ripple stored as 0", WithDesign("\"RippleCurrent\": 2.828", "\"RippleCurrent\": 1e-50"),
       F::OutOfRange, "design.RippleCurrent"},
      {"current beyond double", WithDesign("\"AverageCurrent\": 10", "\"AverageCurrent\": 1e400"),
       F::OutOfRange, "design.AverageCurrent"},
      {"NaN as text", WithDesign("\"AverageCurrent\": 10", "\"AverageCurrent\": \"NaN\""), F::WrongType,
       "design.AverageCurrent"},
      {"Infinity as text", WithDesign("\"FrequencyKHz\": 100", "\"FrequencyKHz\": \"Infinity\""),
       F::WrongType, "design.FrequencyKHz"},
      {"current null", WithDesign("\"PeakCurrent\": 14.14", "\"PeakCurrent\": null"), F::WrongType,
       "design.PeakCurrent"},
      {"frequency negative", WithDesign("\"FrequencyKHz\": 100", "\"FrequencyKHz\": -100"), F::OutOfRange,
       "design.FrequencyKHz"},
      {"no cores", WithDesign("\"CoreCount\": 1", "\"CoreCount\": 0"), F::OutOfRange, "design.CoreCount"},
      {"cores beyond float", WithDesign("\"CoreCount\": 1", "\"CoreCount\": 4e38"), F::OutOfRange,
       "design.CoreCount"},
      {"wire 0.15", WithDesign("\"WireDiameter\": 1", "\"WireDiameter\": 0.15"), F::WireNotInList,
       "design.WireDiameter"},
      {"wire 3.1", WithDesign("\"WireDiameter\": 1", "\"WireDiameter\": 3.1"), F::WireNotInList,
       "design.WireDiameter"},
      {"wire 0", WithDesign("\"WireDiameter\": 1", "\"WireDiameter\": 0"), F::WireNotInList,
       "design.WireDiameter"},
      {"wire as text", WithDesign("\"WireDiameter\": 1", "\"WireDiameter\": \"1.0\""), F::WrongType,
       "design.WireDiameter"},
      {"ambient -60.5", WithDesign("\"AmbientTemperature\": 25", "\"AmbientTemperature\": -60.5"),
       F::OutOfRange, "design.AmbientTemperature"},
      {"ambient 200.01", WithDesign("\"AmbientTemperature\": 25", "\"AmbientTemperature\": 200.01"),
       F::OutOfRange, "design.AmbientTemperature"},
      {"ambient as bits", WithDesign("\"AmbientTemperature\": 25",
                                     "\"AmbientTemperature\": \"0x4039000000000000\""),
       F::WrongType, "design.AmbientTemperature"},
      {"ambient beyond double", WithDesign("\"AmbientTemperature\": 25", "\"AmbientTemperature\": -1e999"),
       F::OutOfRange, "design.AmbientTemperature"},
  };
  // Each of the design's members missing in turn.
  for (const char* member : {"Core", "CoreCount", "FrequencyKHz", "AverageCurrent", "PeakCurrent",
                             "RippleCurrent", "WireDiameter", "StrandCount", "Turns"}) {
    const std::string text = kWorkedText;
    const auto from = text.find(std::string("    \"") + member + "\"");
    const auto to = text.find('\n', from) + 1;
    cases.push_back({"missing member", std::string(text).erase(from, to - from), F::MissingField,
                     std::string("design.") + member});
  }
  cases.push_back({"missing ambient",
                   WithDesign(",\n    \"AmbientTemperature\": 25", ""), F::MissingField,
                   "design.AmbientTemperature"});
  return cases;
}

TEST_F(DesignDocumentTest, RefusesEveryBadFileNamingTheField) {
  for (const BadFile& bad : BadFiles()) {
    const auto read = ReadDesignDocument(bad.text);
    ASSERT_TRUE(std::holds_alternative<DesignFileRefusal>(read)) << bad.what;
    const DesignFileRefusal& r = std::get<DesignFileRefusal>(read);
    EXPECT_EQ(r.Kind, bad.kind) << bad.what << ": " << DesignFileReasonEnglish(r);
    EXPECT_EQ(r.Field, bad.field) << bad.what;
    // Every refusal is worded in both languages, naming the field when there is one.
    const std::string chinese = DesignFileReasonChinese(r);
    const std::string english = DesignFileReasonEnglish(r);
    if (!r.Field.empty() && r.Kind != DesignFileFault::NotDesignFile &&
        r.Kind != DesignFileFault::NewerVersion) {
      EXPECT_NE(chinese.find("“" + r.Field + "”"), std::string::npos) << chinese;
      EXPECT_NE(english.find("\"" + r.Field + "\""), std::string::npos) << english;
    }
  }
}

TEST_F(DesignDocumentTest, AcceptsWhatTheCalculatorCanHold) {
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"exactly 1 MB", [] {
         std::string text = kWorkedText;
         text.insert(text.find("示例"), kMaxDesignFileBytes - text.size(), 'x');
         return text;
       }()},
      {"byte order mark", "\xEF\xBB\xBF" + std::string(kWorkedText)},
      {"CRLF line ends and no indent", [] {
         std::string text;
         for (char c : std::string(kWorkedText)) {
           if (c == '\n') text += "\r\n";
           else if (c != ' ' || text.empty() || text.back() != ' ') text += c;
         }
         return text;
       }()},
      {"no note", WithDesign(",\n  \"note\": \"示例：BUCK 输出电感\"", "")},
      {"members in another order", WithDesign("\"Turns\": 37,", "\"Turns\": 37, \"Core\": \"KMA157060\",")
                                       .erase(std::string(kWorkedText).find("    \"Core\""), 25)},
      {"wire written 1.0", WithDesign("\"WireDiameter\": 1", "\"WireDiameter\": 1.0")},
      {"ambient at both ends", WithDesign("\"AmbientTemperature\": 25", "\"AmbientTemperature\": -60")},
      {"turns 400", WithDesign("\"Turns\": 37", "\"Turns\": 400")},
      {"fractional cores", WithDesign("\"CoreCount\": 1", "\"CoreCount\": 1.5")},
  };
  for (const auto& c : cases) {
    const auto read = ReadDesignDocument(c.text);
    EXPECT_TRUE(std::holds_alternative<DesignDocument>(read))
        << c.what << ": " << DesignFileReasonEnglish(std::get<DesignFileRefusal>(read));
  }
  // A number is taken as the calculator holds it: the nearest float to what is written.
  const auto read = ReadDesignDocument(WithDesign("\"WireDiameter\": 1", "\"WireDiameter\": 0.30000001"));
  ASSERT_TRUE(std::holds_alternative<DesignDocument>(read));
  EXPECT_EQ(std::get<DesignDocument>(read).WireDiameter, 0.3f);
  EXPECT_NE(WriteDesignDocument(std::get<DesignDocument>(read)).find("\"WireDiameter\": 0.3,"),
            std::string::npos);
}

TEST_F(DesignDocumentTest, ChecksWhatTheScreenWouldSave) {
  using F = DesignFileFault;
  const struct {
    const char* what;
    void (*change)(DesignDocument&);
    F kind;
    const char* field;
  } cases[] = {
      {"no core chosen", [](DesignDocument& d) { d.Core.clear(); }, F::UnknownPartNumber, "design.Core"},
      {"infinite current", [](DesignDocument& d) { d.PeakCurrent = std::numeric_limits<float>::infinity(); },
       F::OutOfRange, "design.PeakCurrent"},
      {"NaN frequency", [](DesignDocument& d) { d.FrequencyKHz = std::numeric_limits<float>::quiet_NaN(); },
       F::OutOfRange, "design.FrequencyKHz"},
      {"wire off the list", [](DesignDocument& d) { d.WireDiameter = 1.05f; }, F::WireNotInList,
       "design.WireDiameter"},
      {"no strands", [](DesignDocument& d) { d.StrandCount = 0; }, F::OutOfRange, "design.StrandCount"},
      {"turns 401", [](DesignDocument& d) { d.Turns = 401; }, F::OutOfRange, "design.Turns"},
      {"ambient NaN", [](DesignDocument& d) { d.AmbientTemperature = std::nan(""); }, F::OutOfRange,
       "design.AmbientTemperature"},
  };
  EXPECT_FALSE(CheckDesignDocument(WorkedDesign()));
  for (const auto& c : cases) {
    DesignDocument d = WorkedDesign();
    c.change(d);
    const auto refusal = CheckDesignDocument(d);
    ASSERT_TRUE(refusal) << c.what;
    EXPECT_EQ(refusal->Kind, c.kind) << c.what;
    EXPECT_EQ(refusal->Field, c.field) << c.what;
    // Written anyway, the file is still JSON (never "inf" or "nan") and opening it names the field.
    const std::string text = WriteDesignDocument(d);
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    const auto read = ReadDesignDocument(text);
    ASSERT_TRUE(std::holds_alternative<DesignFileRefusal>(read)) << c.what;
    EXPECT_EQ(std::get<DesignFileRefusal>(read).Field, c.field) << c.what;
  }
}

TEST_F(DesignDocumentTest, WireList) {
  for (int tenths = 1; tenths <= 30; ++tenths) {
    const float wire = static_cast<float>(tenths / 10.0);
    EXPECT_TRUE(IsListedWireDiameter(wire)) << tenths;
    EXPECT_EQ(WireListText(wire), std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
  }
  for (float wire : {0.0f, 0.05f, 0.15f, 3.1f, -1.0f, 0.1000001f, 10.0f}) {
    EXPECT_FALSE(IsListedWireDiameter(wire)) << wire;
    EXPECT_EQ(WireListText(wire), "");
  }
}

TEST_F(DesignDocumentTest, ReasonsInChineseAndEnglish) {
  using F = DesignFileFault;
  const struct {
    DesignFileRefusal refusal;
    const char* chinese;
    const char* english;
  } cases[] = {
      {R(F::OutOfRange, "design.Turns"), "“design.Turns”（绕线圈数）超出范围，应为1～400",
       "\"design.Turns\" (Turns) is out of range: it must be from 1 to 400"},
      {R(F::WrongType, "design.AverageCurrent"), "“design.AverageCurrent”（平均电流(A)）应为数值",
       "\"design.AverageCurrent\" (Average current (A)) must be a number"},
      {R(F::MissingField, "design.WireDiameter"), "缺少“design.WireDiameter”（线径(mm)）",
       "\"design.WireDiameter\" (Wire Ø (mm)) is missing"},
      {R(F::UnknownPartNumber, "design.Core", "KMX1"), "“design.Core”（磁芯型号）“KMX1”不在磁芯目录中",
       "\"design.Core\" (Core): \"KMX1\" is not a part number of the catalogue"},
      {R(F::NewerVersion, "version", "2"), "文件版本为2，需要更新的程序（本程序只能打开版本1）",
       "the file's version is 2, newer than this program opens (version 1): it needs a newer program"},
      {R(F::NotJson, "", "", 3, 14), "文件不是有效的JSON（第3行第14列）",
       "the file is not valid JSON (line 3, column 14)"},
      {R(F::UnknownField, "design.Extra"), "文件含有本程序不认识的成员“design.Extra”",
       "the file has a member this program does not know: \"design.Extra\""},
      {R(F::TooLarge), "文件大于1 MB", "the file is larger than 1 MB"},
      {R(F::Folder), "所选的是文件夹", "the path is a folder"},
      {R(F::Unreadable, "", "Permission denied"), "无法读取文件（Permission denied）",
       "the file cannot be read (Permission denied)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DesignFileReasonChinese(c.refusal), c.chinese);
    EXPECT_EQ(DesignFileReasonEnglish(c.refusal), c.english);
  }
  // A quoted value is cut short with its controls escaped; a cut never splits a character.
  DesignFileRefusal hostile = R(F::UnknownPartNumber, "design.Core", "KMA\n\x1b[31m" + std::string(100, 'x'));
  EXPECT_EQ(DesignFileReasonEnglish(hostile),
            "\"design.Core\" (Core): \"KMA\\u000a\\u001b[31m" + std::string(31, 'x') +
                "…\" is not a part number of the catalogue");
  hostile.Value = std::string(60, '\xE7');  // lead bytes with no continuation
  std::string replaced;
  for (int i = 0; i < 40; ++i) replaced += "\uFFFD";
  EXPECT_EQ(DesignFileReasonChinese(hostile), "“design.Core”（磁芯型号）“" + replaced + "…”不在磁芯目录中");
}

}  // namespace
}  // namespace qiro
