// The adviser skips designs it can rule out and splits the cores among threads; here it must
// give exactly what the plain loop over the whole definition gives, and keep the front's
// promises on requirements spread over the input range.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core-data/catalogue.h"
#include "design/analysis/design_adviser.h"
#include "reference_searches.h"

namespace qiro {

bool operator==(const AdvisedDesign& a, const AdvisedDesign& b) {
  return std::tie(a.Slot, a.CoreCount, a.WireIndex, a.StrandCount, a.Turns, a.WoundVolume,
                  a.TotalLoss) == std::tie(b.Slot, b.CoreCount, b.WireIndex, b.StrandCount,
                                           b.Turns, b.WoundVolume, b.TotalLoss);
}

namespace {

class AdviserTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

// One series of 29 cores, few stacks and strands: the plain loop stays quick.
AdviserRequest Small(int series) {
  AdviserRequest r;
  r.Series = {};
  r.Series[static_cast<std::size_t>(series)] = true;
  r.MaxCoreCount = 2;
  r.MaxStrandCount = 3;
  r.RequiredInductance = 100;
  r.AverageCurrent = 10;
  r.PeakCurrent = 11.5;
  r.RippleCurrent = 3;
  r.FrequencyKHz = 100;
  return r;
}

std::string Text(const AdvisedDesign& d) {
  return std::to_string(d.Slot) + "/" + std::to_string(d.CoreCount) + "/" +
         std::to_string(d.WireIndex) + "/" + std::to_string(d.StrandCount) + "/" +
         std::to_string(d.Turns);
}

// `feasible` counts the feasible designs.
void ExpectSameAsPlainLoop(const AdviserRequest& r, const std::string& label,
                           std::size_t* feasible = nullptr) {
  SCOPED_TRACE(label);
  const auto plain = reference::AdvisedDesigns(r);
  if (feasible != nullptr) *feasible = plain.Feasible.size();
  for (const int threads : {1, 2}) {
    AdviserControl control;
    control.Threads = threads;
    const auto fast = AdviseDesigns(r, control);
    ASSERT_TRUE(fast) << fast.error();
    EXPECT_FALSE(fast->Stopped);
    EXPECT_EQ(fast->FeasibleCount, static_cast<std::int64_t>(plain.Feasible.size()));
    ASSERT_EQ(fast->Feasible.size(), plain.Feasible.size());
    for (std::size_t i = 0; i < plain.Feasible.size(); ++i)
      ASSERT_EQ(fast->Feasible[i], plain.Feasible[i]) << i << " " << Text(plain.Feasible[i]);
    ASSERT_EQ(fast->Front.size(), plain.Front.size());
    for (std::size_t i = 0; i < plain.Front.size(); ++i) EXPECT_EQ(fast->Front[i], plain.Front[i]);
    EXPECT_EQ(fast->BestPerSeries, plain.BestPerSeries);
    const AdviserRejections& a = fast->Rejections;
    const AdviserRejections& b = plain.Rejections;
    EXPECT_EQ(std::tie(a.NoTurns, a.WindowFill, a.NotAssessable, a.TemperatureRise,
                       a.WoundOuterDiameter, a.WoundHeight, a.Retention),
              std::tie(b.NoTurns, b.WindowFill, b.NotAssessable, b.TemperatureRise,
                       b.WoundOuterDiameter, b.WoundHeight, b.Retention));
  }
}

TEST_F(AdviserTest, EqualsThePlainLoopOverTheDefinition) {
  struct Case {
    const char* label;
    void (*change)(AdviserRequest&);
    int series;
  };
  const Case cases[] = {
      {"default requirement", [](AdviserRequest&) {}, 3},
      {"at the average current", [](AdviserRequest& r) { r.Where = InductanceAt::Average; }, 4},
      {"tolerance and size limits",
       [](AdviserRequest& r) {
         r.InductanceTolerance = 8;
         r.MaxWoundOuterDiameter = 40;
         r.MaxWoundHeight = 25;
       },
       5},
      {"retention limit at the average current",
       [](AdviserRequest& r) {
         r.Where = InductanceAt::Average;
         r.MinRetention = 60;
         r.MaxTemperatureRise = 60;
       },
       3},
      {"no ripple, direct current, hot ambient",
       [](AdviserRequest& r) {
         r.RippleCurrent = 0;
         r.FrequencyKHz = 0;
         r.AmbientTemperature = 150;
         r.MaxStrandCount = 6;
       },
       4},
      {"small inductance, high frequency (KME's loss model turns negative past 316 kHz)",
       [](AdviserRequest& r) {
         r.RequiredInductance = 4.7;
         r.FrequencyKHz = 400;
         r.RippleCurrent = 8;
         r.MaxCoreCount = 3;
       },
       6},
      {"nothing reaches the inductance", [](AdviserRequest& r) { r.RequiredInductance = 1e6; }, 5},
      {"nothing runs cool enough",
       [](AdviserRequest& r) {
         r.AverageCurrent = 60;
         r.PeakCurrent = 70;
         r.MaxTemperatureRise = 5;
       },
       3},
      {"nothing keeps enough inductance",
       [](AdviserRequest& r) {
         r.AverageCurrent = 40;
         r.PeakCurrent = 45;
         r.MinRetention = 99;
       },
       4},
  };
  for (const Case& c : cases) {
    AdviserRequest r = Small(c.series);
    c.change(r);
    ExpectSameAsPlainLoop(r, c.label);
  }
}

// In a converter: the line-cycle chokes and DC converters at duties far from one half, with
// the constraints that read the converter's own numbers (retention at the highest current).
TEST_F(AdviserTest, InAConverterEqualsThePlainLoop) {
  const auto converter = [](Topology kind, std::initializer_list<float> inputs) {
    Converter c;
    c.Kind = kind;
    std::size_t i = 0;
    for (const float v : inputs) c.Inputs[i++] = v;
    return c;
  };
  struct Case {
    const char* label;
    Converter converter;
    double required, minRetention, maxRise;
    int series;
  };
  const Case cases[] = {
      {"PFC", converter(Topology::Pfc, {500, 220, 400, 65, 0.98f, 0.2f}), 0, 0, 40, 6},
      {"PFC, retention and a set inductance",
       converter(Topology::Pfc, {1500, 230, 400, 40, 0.98f, 0.3f}), 400, 40, 60, 0},
      {"inverter", converter(Topology::InverterLc, {2000, 400, 230, 20, 0.2f}), 0, 0, 50, 6},
      {"buck at D 0.1", converter(Topology::Buck, {10, 48, 5, 200, 0.3f}), 0, 30, 40, 2},
      {"full bridge", converter(Topology::FullBridge, {12, 100, 20, 0.3f, 0.2f}), 0, 0, 40, 1},
  };
  for (const Case& c : cases) {
    AdviserRequest r;
    r.Series = {};
    r.Series[static_cast<std::size_t>(c.series)] = true;
    r.MaxCoreCount = 1;
    r.MaxStrandCount = 2;
    r.InConverter = c.converter;
    r.RequiredInductance = c.required;
    r.MinRetention = c.minRetention;
    r.MaxTemperatureRise = c.maxRise;
    std::size_t feasible = 0;
    ExpectSameAsPlainLoop(r, c.label, &feasible);
    EXPECT_GT(feasible, 0u) << c.label;
  }
}

TEST_F(AdviserTest, CountsEveryDesignOnce) {
  AdviserRequest r = Small(3);
  r.MaxWoundHeight = 30;
  r.MinRetention = 70;
  const auto result = AdviseDesigns(r);
  ASSERT_TRUE(result);
  const AdviserRejections& no = result->Rejections;
  const std::int64_t pairs = 29 * r.MaxCoreCount;
  const std::int64_t designs = (pairs - no.NoTurns) * 30 * r.MaxStrandCount;
  EXPECT_EQ(result->FeasibleCount + no.WindowFill + no.Retention + no.NotAssessable +
                no.TemperatureRise + no.WoundOuterDiameter + no.WoundHeight,
            designs);
  EXPECT_GT(result->FeasibleCount, 0);
  EXPECT_GT(no.WindowFill, 0);
  EXPECT_GT(no.TemperatureRise, 0);
}

// Random requirements: no feasible design beats a front design on both counts, and every
// feasible design is matched or beaten by one on the front.
TEST_F(AdviserTest, FrontDominatesTheFeasibleDesigns) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int round = 0; round < 4; ++round) {
    AdviserRequest r = Small(3 + static_cast<int>(random() % 3));
    r.RequiredInductance = 5 + 400 * unit(random);
    r.AverageCurrent = 20 * unit(random);
    r.PeakCurrent = r.AverageCurrent + 0.1 + 5 * unit(random);
    r.RippleCurrent = 2 * (r.PeakCurrent - r.AverageCurrent);
    r.FrequencyKHz = 300 * unit(random);
    r.Where = round % 2 ? InductanceAt::Average : InductanceAt::Zero;
    r.MaxTemperatureRise = 20 + 60 * unit(random);
    r.MaxStrandCount = 3;
    SCOPED_TRACE(round);
    const auto result = AdviseDesigns(r);
    ASSERT_TRUE(result);
    for (std::size_t i = 1; i < result->Front.size(); ++i) {
      EXPECT_LE(result->Front[i - 1].WoundVolume, result->Front[i].WoundVolume);
      EXPECT_GT(result->Front[i - 1].TotalLoss, result->Front[i].TotalLoss);
    }
    for (const AdvisedDesign& d : result->Feasible) {
      bool covered = false;
      for (const AdvisedDesign& f : result->Front) {
        const bool beats = d.WoundVolume <= f.WoundVolume && d.TotalLoss <= f.TotalLoss &&
                           (d.WoundVolume < f.WoundVolume || d.TotalLoss < f.TotalLoss);
        EXPECT_FALSE(beats) << Text(d) << " beats " << Text(f);
        covered = covered || (f.WoundVolume <= d.WoundVolume && f.TotalLoss <= d.TotalLoss);
      }
      EXPECT_TRUE(covered) << Text(d);
    }
    for (std::size_t s = 0; s < 7; ++s) {
      if (!result->BestPerSeries[s]) continue;
      EXPECT_EQ(CatalogueSlot(result->BestPerSeries[s]->Slot).Series, kSeriesCodes[s]);
      for (const AdvisedDesign& d : result->Feasible)
        EXPECT_GE(d.WoundVolume, result->BestPerSeries[s]->WoundVolume);
    }
  }
}

std::set<std::tuple<int, int, int, int>> Keys(const AdviserResult& result) {
  std::set<std::tuple<int, int, int, int>> keys;
  for (const AdvisedDesign& d : result.Feasible)
    keys.emplace(d.Slot, d.CoreCount, d.WireIndex, d.StrandCount);
  return keys;
}

TEST_F(AdviserTest, LooseningAConstraintNeverShrinksTheFeasibleSet) {
  // Limits that a design in the middle of the front just meets.
  AdviserRequest tight = Small(3);
  const auto loose = AdviseDesigns(tight);
  ASSERT_TRUE(loose);
  ASSERT_FALSE(loose->Front.empty());
  const auto middle = DescribeAdvisedDesign(tight, loose->Front[loose->Front.size() / 2]);
  ASSERT_TRUE(middle);
  tight.MaxTemperatureRise = middle->Assessment.TemperatureRise;
  tight.MaxWoundOuterDiameter = middle->Assessment.WoundOuterDiameter;
  tight.MaxWoundHeight = middle->Assessment.WoundHeight;
  tight.MinRetention = middle->Assessment.InductanceRetention;
  const auto base = AdviseDesigns(tight);
  ASSERT_TRUE(base);
  const auto before = Keys(*base);
  ASSERT_FALSE(before.empty());
  const std::vector<std::pair<const char*, void (*)(AdviserRequest&)>> loosen = {
      {"rise", [](AdviserRequest& r) { r.MaxTemperatureRise = 45; }},
      {"outer diameter", [](AdviserRequest& r) { r.MaxWoundOuterDiameter = 0; }},
      {"height", [](AdviserRequest& r) { r.MaxWoundHeight = 0; }},
      {"retention", [](AdviserRequest& r) { r.MinRetention = 0; }},
  };
  for (const auto& [label, change] : loosen) {
    SCOPED_TRACE(label);
    AdviserRequest r = tight;
    change(r);
    const auto looser = AdviseDesigns(r);
    ASSERT_TRUE(looser);
    const auto after = Keys(*looser);
    for (const auto& key : before) EXPECT_TRUE(after.count(key));
    EXPECT_GE(after.size(), before.size());
  }
  // More stacks and strands add designs and keep the old ones (the turns of a stack stay).
  AdviserRequest wider = tight;
  wider.MaxCoreCount = 3;
  wider.MaxStrandCount = 6;
  const auto more = AdviseDesigns(wider);
  ASSERT_TRUE(more);
  const auto after = Keys(*more);
  for (const auto& key : before) EXPECT_TRUE(after.count(key));
}

TEST_F(AdviserTest, StopsWhenAsked) {
  AdviserRequest r = Small(2);  // 232 cores
  r.MaxCoreCount = 4;
  std::atomic<bool> stop{false};
  std::vector<double> seen;
  AdviserControl control;
  control.Stop = &stop;
  control.Threads = 2;
  control.Progress = [&](double fraction) {
    seen.push_back(fraction);
    if (fraction >= 0.02) stop = true;
  };
  const auto result = AdviseDesigns(r, control);
  ASSERT_TRUE(result);
  EXPECT_TRUE(result->Stopped);
  EXPECT_TRUE(result->Feasible.empty());
  ASSERT_FALSE(seen.empty());
  EXPECT_LT(seen.back(), 0.1);  // stopped soon after, not at the end
  for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_GT(seen[i], seen[i - 1]);

  stop = true;  // already set: nothing is searched
  const auto none = AdviseDesigns(r, control);
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->Stopped);
}

TEST_F(AdviserTest, ProgressEndsAtOne) {
  std::vector<double> seen;
  AdviserControl control;
  control.Progress = [&](double fraction) { seen.push_back(fraction); };
  ASSERT_TRUE(AdviseDesigns(Small(4), control));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 1.0);
  EXPECT_LE(seen.size(), 102u);
}

TEST_F(AdviserTest, RefusesEachArgumentOutOfRange) {
  using enum AdviserArgument;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    AdviserArgument argument;
    void (*change)(AdviserRequest&);
  };
  const Case cases[] = {
      {RequiredInductance, [](AdviserRequest& r) { r.RequiredInductance = 0; }},
      {RequiredInductance, [](AdviserRequest& r) { r.RequiredInductance = -1; }},
      {RequiredInductance, [](AdviserRequest& r) { r.RequiredInductance = 1e-50; }},
      {RequiredInductance, [](AdviserRequest& r) { r.RequiredInductance = 1e39; }},
      {InductanceTolerance, [](AdviserRequest& r) { r.InductanceTolerance = -0.1; }},
      {InductanceTolerance, [](AdviserRequest& r) { r.InductanceTolerance = 50.5; }},
      {AverageCurrent, [](AdviserRequest& r) { r.AverageCurrent = -1; }},
      {AverageCurrent, [](AdviserRequest& r) { r.AverageCurrent = 1e39; }},
      {PeakCurrent, [](AdviserRequest& r) { r.PeakCurrent = 0; }},
      {RippleCurrent, [](AdviserRequest& r) { r.RippleCurrent = -0.5; }},
      {FrequencyKHz, [](AdviserRequest& r) { r.FrequencyKHz = -1; }},
      {AmbientTemperature, [](AdviserRequest& r) { r.AmbientTemperature = -60.5; }},
      {AmbientTemperature, [](AdviserRequest& r) { r.AmbientTemperature = 201; }},
      {MaxTemperatureRise, [](AdviserRequest& r) { r.MaxTemperatureRise = 0; }},
      {MaxWoundOuterDiameter, [](AdviserRequest& r) { r.MaxWoundOuterDiameter = -1; }},
      {MaxWoundHeight, [](AdviserRequest& r) { r.MaxWoundHeight = -1; }},
      {MinRetention, [](AdviserRequest& r) { r.MinRetention = 100.5; }},
      {MaxCoreCount, [](AdviserRequest& r) { r.MaxCoreCount = 0; }},
      {MaxCoreCount, [](AdviserRequest& r) { r.MaxCoreCount = 7; }},
      {MaxStrandCount, [](AdviserRequest& r) { r.MaxStrandCount = 0; }},
      {MaxStrandCount, [](AdviserRequest& r) { r.MaxStrandCount = 101; }},
      {Series, [](AdviserRequest& r) { r.Series = {}; }},
  };
  const AdviserRequest good = Small(0);
  EXPECT_EQ(CheckAdviserRequest(good), None);
  for (const Case& c : cases) {
    AdviserRequest r = good;
    c.change(r);
    EXPECT_EQ(CheckAdviserRequest(r), c.argument) << AdviserArgumentName(c.argument);
    const auto refused = AdviseDesigns(r);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().rfind(AdviserArgumentName(c.argument), 0), 0u) << refused.error();
  }
  // Every number that is not finite is out of range.
  for (double AdviserRequest::*member :
       {&AdviserRequest::RequiredInductance, &AdviserRequest::InductanceTolerance,
        &AdviserRequest::AverageCurrent, &AdviserRequest::PeakCurrent,
        &AdviserRequest::RippleCurrent, &AdviserRequest::FrequencyKHz,
        &AdviserRequest::AmbientTemperature, &AdviserRequest::MaxTemperatureRise,
        &AdviserRequest::MaxWoundOuterDiameter, &AdviserRequest::MaxWoundHeight,
        &AdviserRequest::MinRetention}) {
    for (const double bad : {nan, inf}) {
      AdviserRequest r = good;
      r.*member = bad;
      EXPECT_NE(CheckAdviserRequest(r), None);
    }
  }
  // The edges themselves are in range.
  AdviserRequest edges = good;
  edges.InductanceTolerance = 50;
  edges.AverageCurrent = 0;
  edges.RippleCurrent = 0;
  edges.FrequencyKHz = 0;
  edges.AmbientTemperature = -60;
  edges.MinRetention = 100;
  edges.MaxCoreCount = 6;
  edges.MaxStrandCount = 100;
  EXPECT_EQ(CheckAdviserRequest(edges), None);
}

TEST_F(AdviserTest, DescribesADesignWithTheSearchsNumbers) {
  const AdviserRequest r = Small(3);
  const auto result = AdviseDesigns(r);
  ASSERT_TRUE(result);
  ASSERT_FALSE(result->Front.empty());
  for (const AdvisedDesign& d : result->Front) {
    const auto details = DescribeAdvisedDesign(r, d);
    ASSERT_TRUE(details) << details.error();
    EXPECT_EQ(details->PartNumber, CatalogueSlot(d.Slot).PartNumber);
    EXPECT_EQ(details->Turns, d.Turns);
    EXPECT_EQ(details->WireDiameter, AdviserWireDiameter(d.WireIndex));
    EXPECT_EQ(details->WoundVolume, d.WoundVolume);
    EXPECT_EQ(details->Assessment.TotalLoss, d.TotalLoss);
    EXPECT_LE(details->Evaluation.WindowFill, 44);
  }
  AdvisedDesign foreign = result->Front.front();
  foreign.WireIndex = 30;
  EXPECT_FALSE(DescribeAdvisedDesign(r, foreign));
  foreign.WireIndex = 0;
  foreign.Slot = 0;
  EXPECT_FALSE(DescribeAdvisedDesign(r, foreign));
}

TEST(AdviserWireTest, WiresAreTheCalculatorsList) {
  EXPECT_EQ(AdviserWireDiameter(0), 0.1f);
  EXPECT_EQ(AdviserWireDiameter(2), 0.3f);
  EXPECT_EQ(AdviserWireDiameter(29), 3.0f);
}

}  // namespace
}  // namespace qiro
