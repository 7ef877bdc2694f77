// The searches skip turn counts and cores that cannot be kept; here they must list exactly
// what the plain step-by-step loops list, on requirements spread over the whole input range.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core-data/catalogue.h"
#include "design/calculators/catalogue_fit_search.h"
#include "design/calculators/grouped_core_search.h"
#include "design/calculators/turn_bounds.h"
#include "magnetics/bias_permeability.h"
#include "magnetics/formulas.h"
#include "reference_searches.h"

namespace qiro {
namespace {

class PruningTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

// Log-uniform values between lo and hi, rounded to 3 significant digits as a user types them.
float Typed(std::mt19937& random, double lo, double hi) {
  std::uniform_real_distribution<double> exponent(std::log10(lo), std::log10(hi));
  const double v = std::pow(10.0, exponent(random));
  const double scale = std::pow(10.0, std::floor(std::log10(v)) - 2);
  return static_cast<float>(std::round(v / scale) * scale);
}

TEST_F(PruningTest, GroupedSearchListsWhatThePlainLoopLists) {
  std::mt19937 random(20261209);
  std::vector<GroupedSearchRequest> requests;
  // Edges: smallest and largest current and inductance, empty and tall stacks.
  for (const float current : {0.1f, 300.0f}) {
    for (const float inductance : {0.01f, 70000.0f}) {
      requests.push_back(MakeGroupedRequest(current, false, false, inductance, 1, 3));
    }
  }
  for (const int count : {0, -1, 5, 6}) {
    requests.push_back(MakeGroupedRequest(8, false, false, 150, static_cast<std::int16_t>(count), 3));
  }
  std::uniform_int_distribution<int> density(1, 10), stack(1, 6), flag(0, 1);
  while (requests.size() < 300) {
    requests.push_back(MakeGroupedRequest(
        Typed(random, 0.1, 300), flag(random) == 1, flag(random) == 1, Typed(random, 0.1, 70000),
        static_cast<std::int16_t>(stack(random)), static_cast<std::int16_t>(density(random))));
  }
  std::set<std::size_t> counts;
  for (const auto& r : requests) {
    const auto pruned = GroupedCoreSearch(r);
    ASSERT_TRUE(pruned.ok());
    std::vector<std::string> lines;
    for (const auto& c : pruned->Candidates) lines.push_back(GroupedResultLine(c));
    EXPECT_EQ(lines, reference::GroupedLines(r))
        << r.Current << " A (peak " << r.PeakCurrent << "), " << r.Inductance << " uH"
        << (r.TargetAtZero ? " at 0 A" : "") << ", x" << r.CoreCount << ", J " << r.DensityChoice;
    counts.insert(lines.size());
  }
  // The sample reaches both ends: nothing found and all 18 groups.
  EXPECT_TRUE(counts.count(0));
  EXPECT_TRUE(counts.count(18));
  EXPECT_GE(counts.size(), 5u);
}

TEST_F(PruningTest, FitSearchListsWhatThePlainLoopLists) {
  std::mt19937 random(7);
  std::vector<std::tuple<int, float, double>> requests = {
      {1, 0.01f, 0.01}, {1, 300, 70000}, {1, 25.2f, 10}, {3, 1, 20000}, {7, 5, 100}};
  std::uniform_int_distribution<int> stack(1, 8);
  while (requests.size() < 100) {
    requests.emplace_back(stack(random), Typed(random, 0.05, 200), Typed(random, 0.1, 50000));
  }
  std::set<std::size_t> counts;
  for (const auto& [n, current, inductance] : requests) {
    const auto pruned = CatalogueFitSearch(static_cast<std::int16_t>(n), current, inductance);
    ASSERT_TRUE(pruned.ok());
    EXPECT_EQ(*pruned, reference::FitLines(static_cast<std::int16_t>(n), current, inductance))
        << current << " A, " << inductance << " uH, x" << n;
    counts.insert(pruned->size());
  }
  EXPECT_TRUE(counts.count(0));
  EXPECT_TRUE(counts.count(754));
}

// The skipping rests on this: no bias curve of a catalogue material rises above the
// ceiling, and none falls to 0 or below (a stack of no cores then never fits).
TEST_F(PruningTest, BiasCurvesStayBelowTheCeilingAndAboveZero) {
  std::set<std::pair<std::string, int>> materials;
  for (int slot = 1; slot <= CatalogueSize; ++slot)
    materials.emplace(CatalogueSlot(slot).Series, CatalogueSlot(slot).Permeability);
  ASSERT_EQ(materials.size(), 26u);
  for (const auto& [series, mu] : materials) {
    float highest = 0, lowest = 1000;
    for (int i = 0; i <= 40000; ++i) {
      const float h = static_cast<float>(i * 0.02);  // 0 to 800 Oe, the clamp included
      const float p = BiasPermeability(static_cast<std::int16_t>(mu), series, h);
      highest = std::max(highest, p);
      lowest = std::min(lowest, p);
    }
    EXPECT_LT(highest, 100.1f) << series << mu;
    EXPECT_GT(lowest, 0.0f) << series << mu;
  }
  EXPECT_GE(kBiasPermeabilityCeiling, 100.1 * 1.04);
}

TEST_F(PruningTest, CeilingBoundsEveryInductance) {
  for (int slot = 1; slot <= CatalogueSize; slot += 7) {
    const CoreRecord& core = CatalogueSlot(slot);
    for (const int turns : {1, 2, 17, 100, 350}) {
      const auto n = static_cast<std::int16_t>(turns);
      for (const float current : {0.0f, 0.01f, 1.0f, 30.0f, 300.0f}) {
        EXPECT_GE(InductanceCeiling(n, core), InductanceAtCurrent(n, core, current))
            << core.PartNumber << " " << turns;
      }
    }
  }
}

}  // namespace
}  // namespace qiro
