#include "design/calculators/ur_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/number_text.h"

namespace qiro {
namespace {

std::vector<std::string_view> Items(std::span<const std::string_view> list) {
  return {list.begin(), list.end()};
}

TEST(UrLists, HoldTheGivenItemsInTheGivenOrder) {
  using V = std::vector<std::string_view>;
  EXPECT_EQ(Items(UrCoreCodes()),
            (V{"R40-01", "R40-02", "R50-01", "R50-02", "R55-01", "R55-02", "R60-01", "R60-02",
               "R74-01", "R74-02", "R78-01", "R78-02", "R84-01", "R84-02", "R104-01",
               "R104-02"}));
  // Unsorted: "2×8" stays after "2×16".
  EXPECT_EQ(Items(FlatWireSizes()),
            (V{"0.8\u00d76", "1.3\u00d77", "1.5\u00d78", "1.6\u00d710", "1.8\u00d79",
               "2\u00d712", "2\u00d716", "2\u00d78", "2.5\u00d715", "2.8\u00d711", "3\u00d716",
               "3\u00d712", "3.5\u00d720", "4\u00d711.2", "4\u00d716", "4\u00d719", "4\u00d725",
               "5\u00d710", "5\u00d716", "5\u00d725", "5.5\u00d720", "6\u00d716"}));
  EXPECT_EQ(Items(UrMaterials()), (V{"KMA", "KMC", "KMD", "KMA-C"}));
  EXPECT_EQ(Items(UrPermeabilities()), (V{"26", "30", "40", "60", "75", "90", "125", "147", "160"}));
  EXPECT_EQ(Items(UrEffectiveDcChoices()),
            (V{"KMA19", "KMA26", "KMA22.5", "60", "75", "90", "125", "147", "160"}));
}

TEST(UrLists, PresetsNameItemsOfTheMaterialLists) {
  const struct {
    UrPreset preset;
    std::string_view caption, material, permeability;
  } cases[] = {{UrPreset::KMA, "KMA-60 μ", "KMA", "60"}, {UrPreset::KMC, "KMC-60 μ", "KMC", "60"}};
  for (const auto& c : cases) {
    const UrMaterialPreset p = UrMaterialPresetOf(c.preset);
    EXPECT_EQ(p.caption, c.caption);
    EXPECT_EQ(p.material, c.material);
    EXPECT_EQ(p.permeability, c.permeability);
    // A preset the lists cannot show would leave the combo box contradicting its list.
    EXPECT_NE(std::find(UrMaterials().begin(), UrMaterials().end(), p.material),
              UrMaterials().end());
    EXPECT_NE(std::find(UrPermeabilities().begin(), UrPermeabilities().end(), p.permeability),
              UrPermeabilities().end());
  }
}

TEST(UrCoreDimensions, GivesTheTabulatedCodesOnly) {
  const struct {
    std::string_view code, a, b, d, e;
  } rows[] = {
      {"R40-01", "120", "20", "40", "60"},
      {"R40-02", "110", "20", "40", "60"},
      {"R50-01", "140", "20", "50", "100"},
      {"R50-02", "150", "20", "50", "100"},
  };
  for (const auto& r : rows) {
    const auto dims = UrCoreDimensions(r.code);
    ASSERT_TRUE(dims) << r.code;
    EXPECT_EQ(dims->A, r.a);
    EXPECT_EQ(dims->B, r.b);
    EXPECT_EQ(dims->D, r.d);
    EXPECT_EQ(dims->E, r.e);
    // The code names the rod diameter.
    EXPECT_EQ(r.code.substr(1, 2), dims->D);
  }
  for (std::string_view other : {"R55-01", "R104-02", "", "r40-01", " R40-01", "R40-01 ", "R40"}) {
    EXPECT_FALSE(UrCoreDimensions(other)) << '"' << other << '"';
  }
}

TEST(FlatWireSize, ReadsEveryListItemAsThicknessAndWidth) {
  const struct {
    std::string_view thickness, width;
  } expected[] = {
      {"0.8", "6"},  {"1.3", "7"},  {"1.5", "8"},  {"1.6", "10"},  {"1.8", "9"},  {"2", "12"},
      {"2", "16"},   {"2", "8"},    {"2.5", "15"}, {"2.8", "11"},  {"3", "16"},   {"3", "12"},
      {"3.5", "20"}, {"4", "11.2"}, {"4", "16"},   {"4", "19"},    {"4", "25"},   {"5", "10"},
      {"5", "16"},   {"5", "25"},   {"5.5", "20"}, {"6", "16"},
  };
  ASSERT_EQ(FlatWireSizes().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const auto wire = FlatWireSize(FlatWireSizes()[i]);
    ASSERT_TRUE(wire) << FlatWireSizes()[i];
    EXPECT_EQ(GeneralNumberText(wire->thickness), expected[i].thickness) << FlatWireSizes()[i];
    EXPECT_EQ(GeneralNumberText(wire->width), expected[i].width) << FlatWireSizes()[i];
  }
}

TEST(FlatWireSize, TrimsBlanksAndSplitsAtTheFirstSign) {
  const struct {
    std::string_view item;
    double thickness, width;
  } cases[] = {
      {"  2\u00d78  ", 2, 8},
      {"\t4\u00d711.2", 4, 11.2},
      {"2 \u00d7 8", 2, 8},          // LeadingNumber skips the blank before 8
      {"2\u00d78\u00d79", 2, 8},     // the width stops at the second sign
      {"\u00d78", 0, 8},
      {"2\u00d7", 2, 0},
      {"abc\u00d7xyz", 0, 0},
  };
  for (const auto& c : cases) {
    const auto wire = FlatWireSize(c.item);
    ASSERT_TRUE(wire) << c.item;
    EXPECT_EQ(wire->thickness, c.thickness) << c.item;
    EXPECT_EQ(wire->width, c.width) << c.item;
  }
}

TEST(FlatWireSize, RefusesItemsThatAreNoSize) {
  // No separator (a plain "x" is not the multiplication sign) or a number beyond range:
  // nothing to write, rather than a crash or "inf" in a field.
  for (std::string_view item : {"", "2x8", "28", "1e400\u00d78", "2\u00d71e999"}) {
    EXPECT_FALSE(FlatWireSize(item)) << item;
  }
}

TEST(ParallelStructureAllowed, EvenCountsOnly) {
  const struct {
    std::int16_t wires;
    bool allowed;
  } cases[] = {{0, true},  {1, false},  {2, true},      {3, false},     {4, true},
               {-1, false}, {-2, true}, {32767, false}, {-32768, true}, {32766, true}};
  for (const auto& c : cases) EXPECT_EQ(ParallelStructureAllowed(c.wires), c.allowed) << c.wires;
}

TEST(WindingPcsCount, RoundsHalvesToEvenAndRefusesWhatOverflows) {
  const struct {
    std::string_view text;
    std::optional<std::int16_t> count;
  } cases[] = {
      {"", 0},          {"1", 1},           {"2", 2},         {"2.5", 2},
      {"3.5", 4},       {"0.5", 0},         {"32767", 32767}, {"32768", std::nullopt},
      {"40000", std::nullopt}, {"99999999999999999999", std::nullopt},
      {"1e400", std::nullopt}, {"abc", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(WindingPcsCount(c.text), c.count) << c.text;
}

TEST(WindingPcsTextAccepted, DigitsThatFitACountOnly) {
  for (std::string_view text : {"", "0", "1", "0007", "32767", "000000000032767"}) {
    EXPECT_TRUE(WindingPcsTextAccepted(text)) << text;
  }
  for (std::string_view text : {"32768", "40000", "4000000000", "1.5", "2e3", "-1", " 2", "abc",
                                "\u0662"}) {
    EXPECT_FALSE(WindingPcsTextAccepted(text)) << text;
  }
}

TEST(TurnsScrollPosition, TakesTheWholePartWithinTheRange) {
  const struct {
    std::string_view text;
    std::optional<int> position;
  } cases[] = {
      {"1", 1},           {"200", 200},          {"15", 15},           {"007", 7},
      {"1.9", 1},         {"199.99", 199},       {"0", std::nullopt},  {"", std::nullopt},
      {"0.9", std::nullopt}, {"201", std::nullopt}, {"250", std::nullopt},
      {"40000", std::nullopt}, {"1e400", std::nullopt}, {"-3", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TurnsScrollPosition(c.text, kUrTurnsMaximum), c.position) << c.text;
  }
}

}  // namespace
}  // namespace qiro
