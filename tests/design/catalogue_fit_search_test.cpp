#include "design/calculators/catalogue_fit_search.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core-data/catalogue.h"
#include "magnetics/formulas.h"

namespace qiro {
namespace {

class CatalogueFitSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

TEST_F(CatalogueFitSearchTest, WireTextShowsTheBareDiameter) {
  const struct {
    float diameter;
    const char* text;
  } cases[] = {
      {1.26f, "1.26"}, {2.15f, "2.15 建议多股线"}, {2.0f, "2.00 建议多股线"},
      {1.999f, "2.00"}, {BareWireDiameter(8), "1.13"}, {BareWireDiameter(2), "0.56"},
  };
  for (const auto& c : cases) EXPECT_EQ(FitWireText(c.diameter), c.text) << c.diameter;
}

TEST_F(CatalogueFitSearchTest, ListsEveryFittingCoreAsText) {
  const auto lines = CatalogueFitSearch(1, 5, 100);
  ASSERT_TRUE(lines.ok());
  ASSERT_EQ(lines->size(), 595u);
  EXPECT_EQ(lines->front(), "KMA065090\t\t17.4\t\t9.53\t\t7.11\t\t56\t\t>0.89");
  // Catalogue order: no sorting by size or turns.
  EXPECT_EQ((*lines)[1], "KMA068090\t\t18.03\t\t9.02\t\t7.11\t\t48\t\t>0.89");
  EXPECT_EQ(lines->back().substr(0, 9), "KME401125");

  // 1 μH at 1 A fits every core with a few turns.
  const auto all = CatalogueFitSearch(1, 1, 1);
  ASSERT_TRUE(all.ok());
  EXPECT_EQ(all->size(), 754u);
  EXPECT_EQ(all->front(), "KMA038026\t\t10.29\t\t4.27\t\t4.57\t\t9\t\t>0.40");
}

TEST_F(CatalogueFitSearchTest, ListedTurnsAreTheFewestAndFitTheHole) {
  const float current = 3;
  const float target = 220;
  const auto lines = CatalogueFitSearch(1, current, target);
  ASSERT_TRUE(lines.ok());
  ASSERT_FALSE(lines->empty());
  const float bare = BareWireDiameter(current);
  const double wire = static_cast<double>(bare) + static_cast<double>(EnamelThickness(bare));
  for (const auto& line : *lines) {
    const CoreRecord core = FindCoreByPartNumber(line.substr(0, line.find('\t')));
    const std::size_t turnsAt = line.rfind("\t\t>");
    const int turns = std::stoi(line.substr(line.rfind("\t\t", turnsAt - 1) + 2));
    EXPECT_GE(InductanceAtCurrent(static_cast<std::int16_t>(turns), core, current), target);
    EXPECT_LT(InductanceAtCurrent(static_cast<std::int16_t>(turns - 1), core, current), target);
    const double hole = core.CoatedInnerDiameter;
    EXPECT_GT(hole * hole * 0.55 / (static_cast<double>(static_cast<float>(wire)) *
                                    static_cast<float>(wire)),
              turns)
        << line;
  }
}

TEST_F(CatalogueFitSearchTest, ThickWireIsMarkedOnEveryLine) {
  for (const auto& [current, marked] : {std::pair{30.0f, true}, std::pair{25.0f, false}}) {
    const auto lines = CatalogueFitSearch(1, current, 5);
    ASSERT_TRUE(lines.ok());
    ASSERT_FALSE(lines->empty());
    for (const auto& line : *lines) {
      EXPECT_EQ(line.find(" 建议多股线") != std::string::npos, marked) << line;
    }
  }
}

TEST_F(CatalogueFitSearchTest, CoreCountDividesOnlyTheTarget) {
  EXPECT_EQ(*CatalogueFitSearch(2, 4, 200), *CatalogueFitSearch(1, 4, 100));
  EXPECT_EQ(*CatalogueFitSearch(4, 4, 400), *CatalogueFitSearch(1, 4, 100));
}

TEST_F(CatalogueFitSearchTest, NothingFitsAHugeTarget) {
  const auto lines = CatalogueFitSearch(1, 40, 50000);
  ASSERT_TRUE(lines.ok());
  EXPECT_TRUE(lines->empty());
}

TEST_F(CatalogueFitSearchTest, RefusesWhatCannotBeSearched) {
  constexpr float inf = std::numeric_limits<float>::infinity();
  const struct {
    int n;
    float current;
    double inductance;
  } cases[] = {
      {0, 5, 100}, {-1, 5, 100}, {1, 0, 100},   {1, -2, 100}, {1, inf, 100},
      {1, 5, 0},   {1, 5, -3},   {1, 5, 1e39},  {1, 5, 1e300},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(CatalogueFitSearch(static_cast<std::int16_t>(c.n), c.current, c.inductance).ok())
        << c.n << " " << c.current << " " << c.inductance;
  }
}

}  // namespace
}  // namespace qiro
