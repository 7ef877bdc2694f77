#include "design/calculators/grouped_core_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "magnetics/formulas.h"
#include "text/float_range.h"

namespace qiro {
namespace {

class GroupedCoreSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }

  static GroupedSearchResult Run(float current, float inductance, int coreCount = 1,
                                 int density = 3, bool peak = false, bool atZero = false) {
    const auto result = GroupedCoreSearch(MakeGroupedRequest(
        current, peak, atZero, inductance, static_cast<std::int16_t>(coreCount),
        static_cast<std::int16_t>(density)));
    EXPECT_TRUE(result.ok()) << result.error();
    return result.ok() ? *result : GroupedSearchResult{};
  }

  static std::vector<std::string> Lines(const GroupedSearchResult& r) {
    std::vector<std::string> lines;
    for (const auto& c : r.Candidates) lines.push_back(GroupedResultLine(c));
    return lines;
  }
};

TEST_F(GroupedCoreSearchTest, GroupKeysFollowSeriesAndPermeability) {
  const struct {
    const char* part;
    const char* key;  // nullptr: no group
  } cases[] = {
      {"KMA038026", "KMA26"},   {"KMA401090", "KMA90"},  {"KMB106040", "KMB40"},
      {"KMC038125", "KMC125"},  {"KMC038147", nullptr},  {"KMC401173", nullptr},
      {"KMA106060C", "KMAC60"}, {"KMC250060-18-L", "KMCL60"}, {"KMD038040", "KMD40"},
      {"KME038026", nullptr},   {"KME106125", nullptr},
  };
  for (const auto& c : cases) {
    const auto key = GroupKey(FindCoreByPartNumber(c.part));
    if (c.key) {
      ASSERT_TRUE(key) << c.part;
      EXPECT_EQ(*key, c.key) << c.part;
    } else {
      EXPECT_FALSE(key) << c.part;
    }
  }
  // Blanks around the series do not change the group.
  CoreRecord padded = FindCoreByPartNumber("KMB106075");
  padded.Series = " KMB ";
  EXPECT_EQ(GroupKey(padded).value_or(""), "KMB75");

  std::vector<std::string> keys;
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    const auto key = GroupKey(CatalogueSlot(slot));
    if (key && CatalogueSlot(slot).Permeability < 147 &&
        std::find(keys.begin(), keys.end(), *key) == keys.end())
      keys.emplace_back(*key);
  }
  std::string joined;
  for (const auto& k : keys) joined += k;
  EXPECT_EQ(keys.size(), 18u);
  EXPECT_EQ(joined.size(), 93u);
}

TEST_F(GroupedCoreSearchTest, ListsOneLinePerGroupAsText) {
  const struct {
    float current, inductance;
    int coreCount;
    const char* first;
    const char* last;
    std::size_t count;
  } cases[] = {
      {5, 100, 1, "KMA092090  电流密度=3.25；线径=1.4；绕线根数=1；绕线圈数=39",
       "KMD130040  电流密度=3.25；线径=1.4；绕线根数=1；绕线圈数=51", 18},
      {20, 50, 1, "KMA157060  电流密度=3.32；线径=1.6；绕线根数=3；绕线圈数=27",
       "KMD184040  电流密度=3.32；线径=1.6；绕线根数=3；绕线圈数=25", 18},
      {1, 1, 1, "KMA038026  电流密度=3.54；线径=0.3；绕线根数=4；绕线圈数=9",
       "KMD038040  电流密度=3.54；线径=0.3；绕线根数=4；绕线圈数=7", 18},
  };
  for (const auto& c : cases) {
    const auto lines = Lines(Run(c.current, c.inductance, c.coreCount));
    ASSERT_EQ(lines.size(), c.count) << c.current << " A " << c.inductance << " uH";
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
  }
}

TEST_F(GroupedCoreSearchTest, KeptTurnsAreTheFewestThatReachTheTarget) {
  for (const float inductance : {10.0f, 100.0f, 680.0f}) {
    for (const bool atZero : {false, true}) {
      const float current = 5;
      const auto r = Run(current, inductance, 2, 3, false, atZero);
      ASSERT_FALSE(r.Candidates.empty());
      for (const auto& c : r.Candidates) {
        const float at = atZero ? 0.0f : current;
        const auto total = [&](int turns) {
          return ToFloat32(
              static_cast<double>(InductanceAtCurrent(static_cast<std::int16_t>(turns), c.Core, at)) *
              2.0);
        };
        EXPECT_GE(total(c.Turns), inductance) << c.Core.PartNumber;
        EXPECT_LT(total(c.Turns - 1), inductance) << c.Core.PartNumber;
      }
    }
  }
}

TEST_F(GroupedCoreSearchTest, GroupsComeInSeriesOrderAndNeverFromKme) {
  const auto r = Run(3, 47);
  ASSERT_EQ(r.Candidates.size(), 18u);
  const std::vector<std::string> order = {"KMA", "KMB", "KMC", "KMAC", "KMC-L", "KMD"};
  std::size_t last = 0;
  for (const auto& c : r.Candidates) {
    const auto at = std::find(order.begin(), order.end(), c.Core.Series);
    ASSERT_NE(at, order.end()) << c.Core.PartNumber;
    const auto index = static_cast<std::size_t>(at - order.begin());
    EXPECT_GE(index, last);
    last = index;
    // Every line carries the one winding of the search.
    EXPECT_EQ(c.WireDiameter, r.Winding.WireDiameter);
    EXPECT_EQ(c.StrandCount, r.Winding.StrandCount);
    EXPECT_EQ(c.CurrentDensity, r.Winding.CurrentDensity);
    EXPECT_EQ(c.FrequencyKHz, 0.0f);
    EXPECT_EQ(c.RippleCurrent, 0.0f);
  }
}

TEST_F(GroupedCoreSearchTest, RequirementsThatFindNothing) {
  const struct {
    float current, inductance;
    int coreCount, density;
  } cases[] = {
      {0.1f, 70000, 1, 3},  // far beyond every core's turn limit
      {300, 70000, 4, 10},  // the field limit stops every core early
      {5, 100, 0, 3},       // no cores in the stack
      {5, 100, -2, 3},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Run(c.current, c.inductance, c.coreCount, c.density).Candidates.empty())
        << c.current << " A " << c.inductance << " uH x" << c.coreCount;
  }
}

TEST_F(GroupedCoreSearchTest, StacksOfFiveOrMoreLeaveOutTallCores) {
  const auto four = Run(30, 200, 4);
  const auto five = Run(30, 200, 5);
  ASSERT_FALSE(five.Candidates.empty());
  for (const auto& c : five.Candidates) EXPECT_LE(c.Core.Height, 18.0f) << c.Core.PartNumber;
  EXPECT_TRUE(std::any_of(four.Candidates.begin(), four.Candidates.end(),
                          [](const SelectionCandidate& c) { return c.Core.Height > 18.0f; }));
}

TEST_F(GroupedCoreSearchTest, PeakAndAverageCurrentsFollowTheEntry) {
  const auto peak = MakeGroupedRequest(10, true, false, 100, 1, 3);
  EXPECT_EQ(peak.PeakCurrent, 10.0f);
  EXPECT_EQ(peak.AverageCurrent, ToFloat32(10 / std::sqrt(2.0)));
  const auto average = MakeGroupedRequest(10, false, false, 100, 1, 3);
  EXPECT_EQ(average.AverageCurrent, 10.0f);
  EXPECT_EQ(average.PeakCurrent, ToFloat32(10 * std::sqrt(2.0)));
  // The winding is sized for the average current either way.
  const auto r = Run(10, 100, 1, 3, true);
  EXPECT_EQ(r.Winding.Current, peak.AverageCurrent);
}

TEST_F(GroupedCoreSearchTest, WindingWarningWhenDensityIsFarFromTheChoice) {
  // 0.1 A: even one strand of 0.3 mm stays far below 3 A/mm².
  const auto small = Run(0.1f, 100);
  EXPECT_EQ(small.Winding.WireDiameter, 0.3f);
  EXPECT_TRUE(WindingMissesDensity(3, small.Winding));
  EXPECT_FALSE(WindingMissesDensity(3, Run(5, 100).Winding));

  const struct {
    float density;
    bool misses;
  } cases[] = {{4.0f, false}, {2.0f, false}, {4.01f, true}, {1.99f, true}, {3.35f, false}};
  for (const auto& c : cases) {
    WindingChoice w;
    w.CurrentDensity = c.density;
    EXPECT_EQ(WindingMissesDensity(3, w), c.misses) << c.density;
  }
}

TEST_F(GroupedCoreSearchTest, StopsWhenTheCallerSaysSo) {
  const auto request = MakeGroupedRequest(0.1f, false, false, 70000, 1, 3);
  int asked = 0;
  const auto all = GroupedCoreSearch(request, [&] { return ++asked > 0; });
  ASSERT_TRUE(all.ok());
  EXPECT_FALSE(all->Stopped);
  // Once per core that can still be kept: every slot but KME and permeability 147 up.
  EXPECT_EQ(asked, 754 - 145 - 3 * 29);

  asked = 0;
  const auto stopped = GroupedCoreSearch(MakeGroupedRequest(5, false, false, 100, 1, 3),
                                         [&] { return ++asked < 10; });
  ASSERT_TRUE(stopped.ok());
  EXPECT_TRUE(stopped->Stopped);
  EXPECT_EQ(asked, 10);
  EXPECT_LT(stopped->Candidates.size(), 18u);
}

TEST_F(GroupedCoreSearchTest, LargestCurrentIsStillSearched) {
  const auto r = Run(300, 5);
  EXPECT_GT(r.Winding.StrandCount, 1);
  EXPECT_FALSE(r.Candidates.empty());
}

}  // namespace
}  // namespace qiro
