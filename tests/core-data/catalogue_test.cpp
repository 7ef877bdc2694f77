#include "core-data/catalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace qiro {
namespace {

class Catalogue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

float Decimal(const char* text) { return std::strtof(text, nullptr); }

TEST_F(Catalogue, SizesAndEverySlotFilled) {
  EXPECT_EQ(CatalogueSize, 754);
  EXPECT_EQ(MaxTurns, 350);
  std::set<std::string> seen;
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    const CoreRecord& core = CatalogueSlot(slot);
    EXPECT_FALSE(core.PartNumber.empty()) << slot;
    EXPECT_TRUE(seen.insert(core.PartNumber).second) << "duplicate " << core.PartNumber;
  }
}

TEST_F(Catalogue, SlotsOfTheGivenPartNumbers) {
  const std::map<int, std::string> expected = {
      {1, "KMA038026"},     {2, "KMA038040"},     {6, "KMA040026"},    {145, "KMA401090"},
      {146, "KMB038026"},   {291, "KMC038026"},   {292, "KMC038060"},  {298, "KMC038173"},
      {522, "KMC401173"},   {523, "KMA038060C"},  {552, "KMC038060-L"}, {581, "KMD038040"},
      {610, "KME038026"},   {754, "KME401125"},
  };
  for (const auto& [slot, part] : expected) EXPECT_EQ(CatalogueSlot(slot).PartNumber, part) << slot;
  EXPECT_TRUE(FindSlotByPartNumber("KMA250026-18"));
  EXPECT_TRUE(FindSlotByPartNumber("KMA250060-18C"));
  EXPECT_TRUE(FindSlotByPartNumber("KMC250060-18-L"));
}

TEST_F(Catalogue, SeriesCountsSlotsAndPartNumberPattern) {
  const struct {
    const char* series;
    int first, last;
    const char* pattern;
  } ranges[] = {
      {"KMA", 1, 145, "KMA\\d{3}(026|040|060|075|090)(-18)?"},
      {"KMB", 146, 290, "KMB\\d{3}(026|040|060|075|090)(-18)?"},
      {"KMC", 291, 522, "KMC\\d{3}(026|060|075|090|125|147|160|173)(-18)?"},
      {"KMAC", 523, 551, "KMA\\d{3}060(-18)?C"},
      {"KMC-L", 552, 580, "KMC\\d{3}060(-18)?-L"},
      {"KMD", 581, 609, "KMD\\d{3}040(-18)?"},
      {"KME", 610, 754, "KME\\d{3}(026|060|075|090|125)(-18)?"},
  };
  for (const auto& r : ranges) {
    const std::regex pattern(r.pattern);
    for (int slot = r.first; slot <= r.last; ++slot) {
      const CoreRecord& core = CatalogueSlot(slot);
      EXPECT_EQ(core.Series, r.series) << slot;
      EXPECT_TRUE(std::regex_match(core.PartNumber, pattern)) << core.PartNumber;
      EXPECT_EQ(core.PartNumber.substr(core.PartNumber.find_first_of("0123456789") + 3, 3),
                (core.Permeability < 100 ? "0" : "") + std::to_string(core.Permeability))
          << core.PartNumber;
    }
  }
}

// Slot = base + (size - 1) × codes offered + position of the code: size first, then permeability.
TEST_F(Catalogue, OrderInsideASeriesIsSizeThenPermeability) {
  const CoreRecord& a = CatalogueSlot(291 + 7);
  const CoreRecord& b = CatalogueSlot(291 + 8);
  EXPECT_EQ(a.PartNumber, "KMC038173");
  EXPECT_EQ(b.PartNumber, "KMC040026");
}

TEST_F(Catalogue, FirstSlotCopiesTheTable) {
  const CoreRecord& c = CatalogueSlot(1);
  EXPECT_EQ(c.OuterDiameter, 9.65f);
  EXPECT_EQ(c.InnerDiameter, 4.78f);
  EXPECT_EQ(c.Height, 3.96f);
  EXPECT_EQ(c.CoatedOuterDiameter, 10.29f);
  EXPECT_EQ(c.CoatedInnerDiameter, 4.27f);
  EXPECT_EQ(c.CoatedHeight, 4.57f);
  EXPECT_EQ(c.Volume, 0.206f);
  EXPECT_EQ(c.CrossSection, 0.0945f);
  EXPECT_EQ(c.PathLength, 2.177f);
  EXPECT_EQ(c.WindowArea, 0.1429f);
  EXPECT_EQ(c.InductanceFactor, 14.0f);
  EXPECT_EQ(c.Permeability, 26);
  EXPECT_EQ(c.Series, "KMA");
}

// The taller and wider variants hold the float nearest the decimal sum.
TEST_F(Catalogue, SeriesAdjustments) {
  const CoreRecord& kmac = CatalogueSlot(523);
  EXPECT_EQ(kmac.Height, Decimal("4.96"));
  EXPECT_EQ(kmac.CoatedHeight, Decimal("5.57"));
  EXPECT_EQ(kmac.OuterDiameter, 9.65f);
  EXPECT_EQ(kmac.InductanceFactor, 32.0f);
  EXPECT_EQ(kmac.Permeability, 60);
  const CoreRecord& kmd = CatalogueSlot(581);
  EXPECT_EQ(kmd.OuterDiameter, Decimal("9.85"));
  EXPECT_EQ(kmd.CoatedOuterDiameter, Decimal("10.49"));
  EXPECT_EQ(kmd.Height, 3.96f);
  EXPECT_EQ(kmd.InductanceFactor, 21.0f);
  EXPECT_EQ(kmd.Series, "KMD");
  // 7.11 + 1 and every other adjusted value: the decimal sum, never a float-sum neighbour.
  const CoreRecord& kmac065 = FindCoreByPartNumber("KMA065060C");
  EXPECT_EQ(kmac065.CoatedHeight, Decimal("8.11"));
  for (int slot = 523; slot <= 551; ++slot) {
    const CoreRecord& tall = CatalogueSlot(slot);
    const CoreRecord& plain = CatalogueSlot(3 + 5 * (slot - 523));  // KMA of the same size, 060
    ASSERT_EQ(plain.Permeability, 60);
    EXPECT_NEAR(tall.Height - plain.Height, 1.0f, 1e-5f) << tall.PartNumber;
    EXPECT_EQ(tall.InnerDiameter, plain.InnerDiameter);
  }
}

TEST_F(Catalogue, InductanceFactorDependsOnSizeAndPermeabilityOnly) {
  EXPECT_EQ(CatalogueSlot(522).InductanceFactor, 323.0f);
  EXPECT_EQ(CatalogueSlot(522).Permeability, 173);
  EXPECT_EQ(FindCoreByPartNumber("KMA106060").InductanceFactor, 75.0f);
  EXPECT_EQ(FindCoreByPartNumber("KME106060").InductanceFactor, 75.0f);
  std::map<std::pair<std::string, int>, float> bySizeAndMu;
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    const CoreRecord& c = CatalogueSlot(slot);
    const std::string size = c.PartNumber.substr(3, 3) + (c.PartNumber.find("-18") != std::string::npos ? "-18" : "");
    auto [it, inserted] = bySizeAndMu.emplace(std::make_pair(size, c.Permeability), c.InductanceFactor);
    if (!inserted) {
      EXPECT_EQ(it->second, c.InductanceFactor) << c.PartNumber;
    }
  }
  EXPECT_EQ(FindCoreByPartNumber("KMA045075").InductanceFactor, 32.0f);
  EXPECT_EQ(FindCoreByPartNumber("KMA045090").InductanceFactor, 39.9f);
  const CoreRecord& s131 = FindCoreByPartNumber("KMA131026");
  EXPECT_EQ(s131.Volume, 7.075f);
  EXPECT_EQ(s131.PathLength, 7.075f);
}

// Physically possible records only: positive dimensions, the hole inside the core,
// the coating adding material, a path length between the inner and outer circumference.
TEST_F(Catalogue, RecordsArePhysicallyPossible) {
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    const CoreRecord& c = CatalogueSlot(slot);
    EXPECT_GT(c.InnerDiameter, 0) << c.PartNumber;
    EXPECT_LT(c.InnerDiameter, c.OuterDiameter) << c.PartNumber;
    EXPECT_LT(c.CoatedInnerDiameter, c.InnerDiameter) << c.PartNumber;
    EXPECT_GT(c.CoatedOuterDiameter, c.OuterDiameter) << c.PartNumber;
    EXPECT_GT(c.CoatedHeight, c.Height) << c.PartNumber;
    EXPECT_GT(c.Volume, 0) << c.PartNumber;
    EXPECT_GT(c.CrossSection, 0) << c.PartNumber;
    EXPECT_GT(c.WindowArea, 0) << c.PartNumber;
    EXPECT_GT(c.InductanceFactor, 0) << c.PartNumber;
    const double pi = 3.14159265358979;
    EXPECT_GT(c.PathLength * 10, pi * c.InnerDiameter * 0.99) << c.PartNumber;
    EXPECT_LT(c.PathLength * 10, pi * c.OuterDiameter) << c.PartNumber;
  }
}

TEST_F(Catalogue, FindByPartNumberIsExact) {
  EXPECT_EQ(FindCoreByPartNumber("KMA157060").PartNumber, "KMA157060");
  EXPECT_EQ(FindCoreByPartNumber("kma157060"), CoreRecord{});
  EXPECT_EQ(FindCoreByPartNumber("KMA157060 "), CoreRecord{});
  EXPECT_EQ(FindCoreByPartNumber(""), CoreRecord{});
  EXPECT_THROW(CatalogueSlot(0), std::out_of_range);
  EXPECT_THROW(CatalogueSlot(755), std::out_of_range);
}

TEST_F(Catalogue, RebuildingGivesTheSameCatalogue) {
  const auto before = CoreCatalogue;
  InitCoreData();
  EXPECT_EQ(before, CoreCatalogue);
}

}  // namespace
}  // namespace qiro
