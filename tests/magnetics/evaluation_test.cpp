#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core-data/catalogue.h"
#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/formulas.h"
#include "magnetics/winding_search.h"

namespace qiro {
namespace {

class Magnetics : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

CoreRecord TestCore() {
  CoreRecord c;
  c.PartNumber = "TEST";
  c.CoatedOuterDiameter = 40;
  c.CoatedInnerDiameter = 20;
  c.CoatedHeight = 15;
  c.Volume = 10;
  c.CrossSection = 1;
  c.PathLength = 9;
  c.WindowArea = 3;
  c.InductanceFactor = 100;
  c.Permeability = 60;
  c.Series = "KMA";
  return c;
}

TEST_F(Magnetics, FieldStrengthAndInductanceAtCurrent) {
  const CoreRecord& core = FindCoreByPartNumber("KMA038060");
  EXPECT_NEAR(FieldStrengthOe(10, 5, core), 28.862, 0.0005);
  EXPECT_EQ(InductanceAtCurrent(10, core, 0), 3.2f);
  EXPECT_NEAR(InductanceAtCurrent(10, core, 5), 3.048, 0.0005);
  EXPECT_NEAR(BiasPermeability(60, "KMA", FieldStrengthOe(10, 5, core)), 95.26, 0.005);
  // A negative current uses the curve, whose clamp makes it the 3 Oe value.
  EXPECT_EQ(InductanceAtCurrent(10, core, -5),
            static_cast<float>(100.0 * 32 * BiasPermeability(60, "KMA", 3) / 100000));
}

TEST_F(Magnetics, WireDiameters) {
  EXPECT_NEAR(BareWireDiameter(8), 1.1284, 0.00005);
  EXPECT_NEAR(BareWireDiameter(2), 0.5642, 0.00005);
  EXPECT_NEAR(EnamelThickness(1.0f), 0.052, 1e-7);
  EXPECT_NEAR(BareWireDiameter(8) + EnamelThickness(BareWireDiameter(8)), 1.1862, 0.0001);
}

TEST_F(Magnetics, EvaluationWorkedExample) {
  const CoreRecord core = TestCore();
  const auto e = EvaluateInductor(core, core, 1, 0, 100, 5, 7, 1, 1.0f, 1, 10);
  ASSERT_TRUE(e) << e.error();
  EXPECT_NEAR(e->WireLength, 0.555, 1e-6);
  EXPECT_NEAR(e->DcResistance, 12.0554, 0.00005);
  EXPECT_NEAR(e->CopperWeight, 3.8795, 0.00005);
  EXPECT_NEAR(e->CopperLoss, 0.30139, 0.000005);
  EXPECT_NEAR(e->CurrentDensity, 6.3662, 0.00005);
  EXPECT_NEAR(e->WindowFill, 2.618, 0.0005);
  EXPECT_NEAR(e->FieldAtAverage, 6.9813, 0.00005);
  EXPECT_EQ(e->InductanceAtZero, 10.0f);
  EXPECT_EQ(e->PermeabilityAtAverage, BiasPermeability(60, "KMA", e->FieldAtAverage));
  EXPECT_EQ(e->InductanceAtPeak,
            static_cast<float>(10.0 / 100 * static_cast<double>(e->PermeabilityAtPeak)));
}

TEST_F(Magnetics, DoublingTheStack) {
  const CoreRecord& core = FindCoreByPartNumber("KMA157060");
  const auto one = EvaluateInductor(core, core, 1, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, 30);
  const auto two = EvaluateInductor(core, core, 2, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, 30);
  ASSERT_TRUE(one && two);
  EXPECT_FLOAT_EQ(two->InductanceAtZero, 2 * one->InductanceAtZero);
  EXPECT_FLOAT_EQ(two->InductanceAtPeak, 2 * one->InductanceAtPeak);
  EXPECT_FLOAT_EQ(two->InductanceAtAverage, 2 * one->InductanceAtAverage);
  EXPECT_FLOAT_EQ(two->CoreVolume, 2 * one->CoreVolume);
  EXPECT_FLOAT_EQ(two->CoreLoss, 2 * one->CoreLoss);
  EXPECT_EQ(two->FluxSwing, one->FluxSwing);
  EXPECT_EQ(two->WindowFill, one->WindowFill);
  EXPECT_EQ(two->FieldAtPeak, one->FieldAtPeak);
  EXPECT_EQ(two->PermeabilityAtAverage, one->PermeabilityAtAverage);
  EXPECT_GT(two->WireLength, one->WireLength);
}

TEST_F(Magnetics, ZeroFrequencyAndRippleGiveNoSwing) {
  const CoreRecord& core = FindCoreByPartNumber("KME157060");
  const auto e = EvaluateInductor(core, core, 1, 0, 0, 10, 10, 0, 1.0f, 1, 30);
  ASSERT_TRUE(e) << e.error();
  EXPECT_EQ(e->FluxSwing, 0.0f);
  EXPECT_EQ(e->CoreLossPerVolume, CoreLossDensity(60, "KME", 0, 0));
}

TEST_F(Magnetics, RefusesWhatCannotBeEvaluated) {
  const CoreRecord core = TestCore();
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float count, second, f, avg, peak, ripple, wire;
    int strands, turns;
  } bad[] = {
      {0, 0, 100, 5, 7, 1, 1, 1, 10},   {-1, 0, 100, 5, 7, 1, 1, 1, 10},
      {1, 1, 100, 5, 7, 1, 1, 1, 10},   {1, 0, -1, 5, 7, 1, 1, 1, 10},
      {1, 0, 100, 5, 7, 1, 0, 1, 10},   {1, 0, 100, 5, 7, 1, 1, 0, 10},
      {1, 0, 100, 5, 7, 1, 1, 1, 0},    {1, 0, 100, 5, 7, 1, 1, 1, -3},
      {nan, 0, 100, 5, 7, 1, 1, 1, 10}, {1, 0, inf, 5, 7, 1, 1, 1, 10},
      {1, 0, 100, inf, 7, 1, 1, 1, 10}, {1, 0, 100, 5, 7, -1, 1, 1, 10},
      {1, 0, 100, 3e38f, 7, 1, 1, 1, 10}, {1, 0, 100, 5, 7, 1, 1e-30f, 1, 10},
  };
  for (const auto& b : bad) {
    const auto e = EvaluateInductor(core, core, b.count, b.second, b.f, b.avg, b.peak, b.ripple,
                                    b.wire, static_cast<std::int16_t>(b.strands),
                                    static_cast<std::int16_t>(b.turns));
    EXPECT_FALSE(e) << b.count << ' ' << b.f << ' ' << b.avg << ' ' << b.wire << ' ' << b.turns;
    if (!e) {
      EXPECT_FALSE(e.error().empty());
    }
  }
}

TEST(WindingSearch, TriesThickestFirstAndAcceptsASmallExcess) {
  const auto w = WindingSearch(3.769911289215088f, 1.2f);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->WireDiameter, 2.0f);
  EXPECT_EQ(w->StrandCount, 1);
  EXPECT_EQ(w->Current, 3.769911289215088f);
  for (float current : {0.5f, 1.0f, 3.3f, 7.07f, 10.0f, 25.0f, 100.0f, 300.0f}) {
    for (float target : {1.2f, 3.2f, 5.2f, 8.2f, 10.2f}) {
      const auto r = WindingSearch(current, target);
      ASSERT_TRUE(r) << r.error();
      EXPECT_GE(r->StrandCount, 1);
      EXPECT_GE(r->WireDiameter, 0.3f - 1e-6f);
      EXPECT_LE(r->WireDiameter, 2.0f);
      const double tenths = static_cast<double>(r->WireDiameter) * 10;
      EXPECT_NEAR(tenths, std::round(tenths), 1e-4);
      if (r->WireDiameter > 0.31f) {  // accepted before the last try
        EXPECT_GT(r->CurrentDensity, target - 0.006f) << current << '@' << target;
        EXPECT_LE(r->CurrentDensity, target + 0.156f) << current << '@' << target;
      }
    }
  }
}

TEST(WindingSearch, NoAcceptedTryEndsAtTheThinnestWire) {
  const auto w = WindingSearch(0.07f, 1.2f);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->WireDiameter, 0.3f);
  EXPECT_EQ(w->StrandCount, 1);
  EXPECT_EQ(w->CurrentDensity, 0.99f);
}

TEST(WindingSearch, RefusesInputsItCannotUse) {
  EXPECT_FALSE(WindingSearch(0, 8));
  EXPECT_FALSE(WindingSearch(-1, 8));
  EXPECT_FALSE(WindingSearch(10, 0));
  EXPECT_FALSE(WindingSearch(std::numeric_limits<float>::infinity(), 8));
  EXPECT_FALSE(WindingSearch(std::numeric_limits<float>::quiet_NaN(), 8));
  EXPECT_FALSE(WindingSearch(1e7f, 1.2f));  // more strands than a 16-bit count holds
}

}  // namespace
}  // namespace qiro
