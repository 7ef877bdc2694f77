#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"

namespace qiro {
namespace {

TEST(BiasPermeability, SampleValuesOfEveryCurveFamily) {
  const struct {
    const char* series;
    int mu;
    float field;
    double percent;
  } cases[] = {
      {"KMA", 60, 100, 73.898},  {"KMB", 90, 50, 82.419},   {"KMC", 125, 50, 45.525},
      {"KMC", 173, 400, 0.816},  {"KMAC", 60, 100, 58.414}, {"KMC-L", 60, 100, 45.668},
      {"KMD", 40, 200, 49.064},  {"KME", 26, 3, 100.032},   {"KME", 75, 100, 49.660},
      {"KME", 60, 100, 60.930},  {"KME", 90, 100, 38.390},  {"KME", 125, 10, 93.194},
      {"KMA", 60, 0, 99.13},     {"KMA", 60, 1000, 7.99},
  };
  for (const auto& c : cases) {
    const float p = BiasPermeability(static_cast<std::int16_t>(c.mu), c.series, c.field);
    const double tolerance = c.percent == 99.13 || c.percent == 7.99 ? 0.005 : 0.0005;
    EXPECT_NEAR(p, c.percent, tolerance) << c.series << ' ' << c.mu << " @" << c.field;
  }
}

TEST(BiasPermeability, EveryCatalogueCurveIsPositiveAndFallsOverTheRange) {
  const struct {
    const char* series;
    std::initializer_list<int> mus;
  } families[] = {{"KMA", {26, 40, 60, 75, 90}},  {"KMB", {26, 40, 60, 75, 90}},
                  {"KMC", {26, 60, 75, 90, 125, 147, 160, 173}},
                  {"KMAC", {60}}, {"KMC-L", {60}}, {"KMD", {40}}, {"KME", {26, 60, 75, 90, 125}}};
  for (const auto& f : families) {
    for (int mu : f.mus) {
      const auto m = static_cast<std::int16_t>(mu);
      const float low = BiasPermeability(m, f.series, 3);
      const float high = BiasPermeability(m, f.series, 800);
      EXPECT_GT(low, 90) << f.series << mu;
      EXPECT_GT(high, 0) << f.series << mu;
      EXPECT_LT(high, low) << f.series << mu;
    }
  }
}

TEST(BiasPermeability, FieldIsClampedToTheFittedRange) {
  for (float below : {2.999f, 0.0f, -5.0f, -1e30f}) {
    EXPECT_EQ(BiasPermeability(60, "KMA", below), BiasPermeability(60, "KMA", 3)) << below;
  }
  for (float above : {800.001f, 1000.0f, 1e30f, std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(BiasPermeability(60, "KMA", above), BiasPermeability(60, "KMA", 800)) << above;
  }
  EXPECT_NE(BiasPermeability(60, "KMA", 3.001f), BiasPermeability(60, "KMA", 3));
}

TEST(BiasPermeability, PairsWithoutACurveGiveZero) {
  EXPECT_EQ(BiasPermeability(40, "KMC", 50), 0.0f);
  EXPECT_EQ(BiasPermeability(40, "KME", 50), 0.0f);
  EXPECT_EQ(BiasPermeability(125, "KMA", 50), 0.0f);
  EXPECT_EQ(BiasPermeability(60, "kma", 50), 0.0f);
  EXPECT_EQ(BiasPermeability(60, "", 50), 0.0f);
  EXPECT_EQ(BiasPermeability(26, "KMA", 77), BiasPermeability(26, "KMB", 77));
}

TEST(CoreLossDensity, PowerLawAndPolynomial) {
  EXPECT_NEAR(CoreLossDensity(60, "KMA", 100, 1000), 1291.8, 0.05);
  EXPECT_EQ(CoreLossDensity(26, "KMA", 50, 800), CoreLossDensity(40, "KMA", 50, 800));
  EXPECT_EQ(CoreLossDensity(60, "KMC", 50, 800), CoreLossDensity(173, "KMC", 50, 800));
  EXPECT_EQ(CoreLossDensity(40, "KMC", 50, 800), 0.0f);
  EXPECT_EQ(CoreLossDensity(40, "KME", 50, 800), 0.0f);
  EXPECT_EQ(CoreLossDensity(125, "KMA", 50, 800), 0.0f);
  EXPECT_EQ(CoreLossDensity(60, "XYZ", 50, 800), 0.0f);
  EXPECT_EQ(CoreLossDensity(60, "KMA", 0, 800), 0.0f);
  EXPECT_EQ(CoreLossDensity(60, "KMA", 100, 0), 0.0f);
  // B = 1 kG makes the polynomial's value visible directly.
  EXPECT_NEAR(CoreLossDensity(60, "KME", 250, 1000), 1929, 1);
  EXPECT_NEAR(CoreLossDensity(90, "KME", 300, 1000), 946, 1);
  EXPECT_NEAR(CoreLossDensity(125, "KME", 350, 1000), -3490.9, 0.1);
  EXPECT_LT(CoreLossDensity(75, "KME", 0.4f, 1000), 0.0f);
  EXPECT_GT(CoreLossDensity(75, "KME", 0.5f, 1000), 0.0f);
}

TEST(CoreLossDensity, FluxIsRoundedToAFloatBeforeThePower) {
  const double b = static_cast<double>(static_cast<float>(1234.5678f / 1000.0));
  const double expected = 1.37832664462702 * std::pow(b, 2.25993429725961) *
                          std::pow(100.0, 1.48592257983292);
  EXPECT_EQ(CoreLossDensity(60, "KMA", 100, 1234.5678f), static_cast<float>(expected));
}

}  // namespace
}  // namespace qiro
