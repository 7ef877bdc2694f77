// A sweep of designs across the catalogue, against the results recorded in
// tests/data/assessment_sweep.txt before the assessment refused windings past 500 °C: every
// design whose winding stayed at or below 500 °C keeps its result to the last bit; the ones
// that climbed past it are now refused as runaways.
//
// QIRO_UPDATE_GOLDEN=1 draws the sweep anew and records the current results; do that only
// when the model changes on purpose, since the file is the witness of the earlier results.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"
#include "golden.h"

namespace qiro {
namespace {

constexpr const char* kSweepFile = "assessment_sweep.txt";

struct SweepDesign {
  std::string part;
  float cores = 1;
  float frequency = 0;
  float average = 0;
  float peak = 0;
  float ripple = 0;
  float wire = 1;
  std::int16_t strands = 1;
  std::int16_t turns = 1;
  double ambient = 25;
};

Outcome<InductorEvaluation> Evaluate(const SweepDesign& d) {
  const CoreRecord core = FindCoreByPartNumber(d.part);
  return EvaluateInductor(core, core, d.cores, 0, d.frequency, d.average, d.peak, d.ripple,
                          d.wire, d.strands, d.turns);
}

std::string Hex(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a", v);
  return buffer;
}

double FromHex(const std::string& text) {
  double v = 0;
  const char* begin = text.data();
  // from_chars reads hex floats without their "0x".
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++begin;
  if (text.size() > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) begin += 2;
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), v, std::chars_format::hex);
  EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
  return negative ? -v : v;
}

// One line: the design's inputs (exact, in hex), then "ok <winding °C> <rounds>" or
// "refused <kind>".
std::string Record(const SweepDesign& d, const InductorEvaluation& e) {
  std::ostringstream line;
  line << d.part << ' ' << Hex(d.cores) << ' ' << Hex(d.frequency) << ' ' << Hex(d.average) << ' '
       << Hex(d.peak) << ' ' << Hex(d.ripple) << ' ' << Hex(d.wire) << ' ' << d.strands << ' '
       << d.turns << ' ' << Hex(d.ambient) << " | ";
  AssessmentRefusal kind = AssessmentRefusal::None;
  const auto a = AssessDesign(e, d.ambient, kind);
  if (a) {
    line << "ok " << Hex(a->WindingTemperature) << ' ' << a->TemperatureRounds;
  } else {
    line << "refused " << static_cast<int>(kind);
  }
  return line.str();
}

// Random evaluations over the whole catalogue, from light loads to gross overloads. The
// generator's raw output is the same everywhere; the standard distributions are not.
std::vector<SweepDesign> DrawSweep() {
  std::mt19937 random(20261209u);
  const auto uniform = [&random](double from, double to) {
    return from + (to - from) * (random() / 4294967296.0);
  };
  const auto logUniform = [&](double from, double to) {
    return from * std::pow(to / from, uniform(0, 1));
  };
  const float frequencies[] = {0, 10, 25, 50, 100, 200, 300};
  const double ambients[] = {-60, -20, 25, 40, 85, 150, 200};
  std::vector<SweepDesign> designs;
  while (designs.size() < 800) {
    SweepDesign d;
    d.part = CatalogueSlot(1 + static_cast<int>(random() % static_cast<unsigned>(CatalogueSize))).PartNumber;
    d.cores = static_cast<float>(1 + random() % 3);
    d.frequency = frequencies[random() % std::size(frequencies)];
    d.average = static_cast<float>(logUniform(0.05, 80));
    d.peak = static_cast<float>(d.average * uniform(1, 1.6));
    d.ripple = static_cast<float>(d.average * uniform(0, 0.6));
    d.wire = static_cast<float>(logUniform(0.1, 3));
    d.strands = static_cast<std::int16_t>(1 + random() % 4);
    d.turns = static_cast<std::int16_t>(logUniform(1, 500));
    d.ambient = ambients[random() % std::size(ambients)];
    const auto e = Evaluate(d);
    // Windings that cannot fit the hole say nothing about the temperature.
    if (!e) continue;
    AssessmentRefusal kind = AssessmentRefusal::None;
    (void)AssessDesign(*e, d.ambient, kind);
    if (kind == AssessmentRefusal::WindingDoesNotFit && random() % 4 != 0) continue;
    designs.push_back(d);
  }
  return designs;
}

std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST(AssessmentSweep, WindingsBelow500KeepTheirResultsAndTheRestAreRunaways) {
  InitCoreData();
  if (std::getenv("QIRO_UPDATE_GOLDEN")) {
    std::string text;
    for (const SweepDesign& d : DrawSweep()) text += Record(d, *Evaluate(d)) + "\n";
    std::ofstream(testing::GoldenPath(kSweepFile), std::ios::binary) << text;
  }
  std::ifstream in(testing::GoldenPath(kSweepFile));
  ASSERT_TRUE(in) << testing::GoldenPath(kSweepFile);
  int kept = 0, runaways = 0, melted = 0, otherRefusals = 0;
  for (std::string line; std::getline(in, line);) {
    const auto bar = line.find(" | ");
    ASSERT_NE(bar, std::string::npos) << line;
    const auto inputs = SplitWords(line.substr(0, bar));
    const auto recorded = SplitWords(line.substr(bar + 3));
    ASSERT_EQ(inputs.size(), 10u) << line;
    ASSERT_GE(recorded.size(), 2u) << line;
    SweepDesign d;
    d.part = inputs[0];
    d.cores = static_cast<float>(FromHex(inputs[1]));
    d.frequency = static_cast<float>(FromHex(inputs[2]));
    d.average = static_cast<float>(FromHex(inputs[3]));
    d.peak = static_cast<float>(FromHex(inputs[4]));
    d.ripple = static_cast<float>(FromHex(inputs[5]));
    d.wire = static_cast<float>(FromHex(inputs[6]));
    d.strands = static_cast<std::int16_t>(std::stoi(inputs[7]));
    d.turns = static_cast<std::int16_t>(std::stoi(inputs[8]));
    d.ambient = FromHex(inputs[9]);
    const auto e = Evaluate(d);
    ASSERT_TRUE(e.ok()) << line << ": " << e.error();
    AssessmentRefusal kind = AssessmentRefusal::None;
    const auto a = AssessDesign(*e, d.ambient, kind);
    if (recorded[0] == "ok") {
      ASSERT_EQ(recorded.size(), 3u) << line;
      const double winding = FromHex(recorded[1]);
      if (winding <= kHottestWinding) {
        ++kept;
        ASSERT_TRUE(a.ok()) << line << ": " << a.error();
        EXPECT_EQ(a->WindingTemperature, winding) << line;
        EXPECT_EQ(a->TemperatureRounds, std::stoi(recorded[2])) << line;
      } else {
        ++runaways;
        if (winding > 1085) ++melted;  // copper melts
        EXPECT_FALSE(a.ok()) << line;
        EXPECT_EQ(kind, AssessmentRefusal::NoSteadyTemperature) << line;
        EXPECT_EQ(a.error(), "the winding would pass 500 °C: no steady temperature") << line;
      }
    } else {
      ++otherRefusals;
      EXPECT_EQ(static_cast<int>(kind), std::stoi(recorded[1])) << line;
    }
  }
  // The sweep holds both sides of the limit, the absurd ones included.
  EXPECT_GT(kept, 300);
  EXPECT_GT(runaways, 20);
  EXPECT_GT(melted, 5);
  std::printf("sweep: %d kept, %d runaways (%d past copper's melting point), %d other refusals\n",
              kept, runaways, melted, otherRefusals);
}

}  // namespace
}  // namespace qiro
