#include "design/calculators/toroid_core_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core-data/catalogue.h"

namespace qiro {
namespace {

std::vector<std::string> PartNumbers(const std::vector<int>& slots) {
  std::vector<std::string> names;
  for (int slot : slots) names.push_back(CatalogueSlot(slot).PartNumber);
  return names;
}

class CoreSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

TEST_F(CoreSearch, FindsPartNumbersInCatalogueOrderWhateverTheCase) {
  const std::vector<std::string> kma157 = {"KMA157026", "KMA157040", "KMA157060",
                                           "KMA157075", "KMA157090", "KMA157060C"};
  EXPECT_EQ(PartNumbers(SlotsMatching("kma157")), kma157);
  EXPECT_EQ(PartNumbers(SlotsMatching("KMA157")), kma157);
  EXPECT_EQ(PartNumbers(SlotsMatching("  Kma157 ")), kma157);
}

TEST_F(CoreSearch, CountsOfTypicalSearches) {
  const struct {
    const char* text;
    std::size_t count;
  } cases[] = {
      {"157", 26}, {"-L", 29}, {"-l", 29}, {"", 754}, {"   ", 754}, {"-18", 26},
      {"KMC", 232 + 29}, {"xyz", 0}, {"KMA157060C", 1}, {"1 57", 0}, {"ｋｍａ", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SlotsMatching(c.text).size(), c.count) << '"' << c.text << '"';
  }
}

TEST_F(CoreSearch, EmptySearchListsTheWholeCatalogueInSlotOrder) {
  const auto slots = SlotsMatching("");
  ASSERT_EQ(slots.size(), 754u);
  for (std::size_t i = 0; i < slots.size(); ++i) EXPECT_EQ(slots[i], static_cast<int>(i) + 1);
}

}  // namespace
}  // namespace qiro
