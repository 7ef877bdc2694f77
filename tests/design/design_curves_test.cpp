#include "design/analysis/design_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core-data/catalogue.h"
#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"
#include "magnetics/formulas.h"

namespace qiro {
namespace {

class DesignCurvesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }

  // The toroid calculator's worked design: 10 A average, 14.14 A peak, 2.828 A ripple,
  // 100 kHz, one 1.0 mm strand.
  static CurveDesign Design(const char* partNumber, std::int16_t turns, float coreCount = 1) {
    CurveDesign d;
    d.Core = FindCoreByPartNumber(partNumber);
    d.CoreCount = coreCount;
    d.FrequencyKHz = 100;
    d.AverageCurrent = 10;
    d.PeakCurrent = 14.14f;
    d.RippleCurrent = 2.828f;
    d.WireDiameter = 1.0f;
    d.StrandCount = 1;
    d.Turns = turns;
    return d;
  }

  static InductorEvaluation Evaluate(const CurveDesign& d, float frequency, float average,
                                     float ripple) {
    const auto e = EvaluateInductor(d.Core, d.Core, d.CoreCount, 0, frequency, average,
                                    d.PeakCurrent, ripple, d.WireDiameter, d.StrandCount,
                                    d.Turns);
    EXPECT_TRUE(e.ok()) << e.error();
    return e.value();
  }

  static DesignCurveSet Curves(const CurveDesign& d, int points = kCurvePoints) {
    const auto set = MakeDesignCurves(d, points);
    EXPECT_TRUE(set.ok()) << set.error();
    return set.value();
  }
};

const int kSamples[] = {0, 1, 17, 80, 123, kCurvePoints - 1};

TEST_F(DesignCurvesTest, InductanceFollowsTheReportsEvaluationAtEachCurrent) {
  const CurveDesign d = Design("KMA157060", 37);
  const DesignCurveSet set = Curves(d);
  const auto& points = set.Inductance.Points;
  ASSERT_EQ(points.size(), static_cast<std::size_t>(kCurvePoints));
  EXPECT_EQ(set.Inductance.Gap, CurveGap::None);
  // 0 A is the report's "L@0A", without bias; the sweep ends at twice the peak current.
  EXPECT_EQ(set.Inductance.Zero, (CurvePoint{0.0, static_cast<double>(set.Evaluation.InductanceAtZero)}));
  EXPECT_GT(points.front().X, 0);
  EXPECT_LT(points.front().Y, set.Inductance.Zero.Y);
  EXPECT_FLOAT_EQ(static_cast<float>(points.back().X), 2 * 14.14f);
  for (int i : kSamples) {
    const CurvePoint p = points[static_cast<std::size_t>(i)];
    const float current = static_cast<float>(p.X);
    EXPECT_EQ(p.Y, Evaluate(d, 100, current, 2.828f).InductanceAtAverage) << "point " << i;
    // The selection screens' formula, with its 1.25664, agrees to the 5th digit.
    EXPECT_NEAR(p.Y, InductanceAtCurrent(37, d.Core, current), 1e-4 * p.Y) << "point " << i;
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    EXPECT_LT(points[i - 1].X, points[i].X);
    EXPECT_LE(points[i].Y, points[i - 1].Y) << "the powder core loses inductance with current";
  }
}

TEST_F(DesignCurvesTest, MarkersAreTheReportsNumbers) {
  const DesignCurveSet set = Curves(Design("KMA157060", 10));
  const InductorEvaluation& e = set.Evaluation;
  EXPECT_EQ(set.Inductance.Average, (CurvePoint{10.0, static_cast<double>(e.InductanceAtAverage)}));
  EXPECT_EQ(set.Inductance.Peak,
            (CurvePoint{static_cast<double>(14.14f), static_cast<double>(e.InductanceAtPeak)}));
  EXPECT_EQ(set.Permeability.Average.X, static_cast<double>(e.FieldAtAverage));
  EXPECT_EQ(set.Permeability.Average.Y, static_cast<double>(e.PermeabilityAtAverage));
  EXPECT_EQ(set.Permeability.Peak.Y, static_cast<double>(e.PermeabilityAtPeak));
  ASSERT_TRUE(set.Loss.Design.has_value());
  EXPECT_EQ(*set.Loss.Design, (CurvePoint{100.0, static_cast<double>(e.CoreLoss)}));
  EXPECT_EQ(set.Loss.FluxSwing, e.FluxSwing);
  // The numbers of this design's golden report: L@10.00A：7.93μH, L@14.14A：7.87μH.
  EXPECT_NEAR(e.InductanceAtAverage, 7.93, 0.005);
  EXPECT_NEAR(e.InductanceAtPeak, 7.87, 0.005);
}

TEST_F(DesignCurvesTest, PermeabilityIsTheBiasModelOverItsRange) {
  const CurveDesign d = Design("KMC130125", 20);
  const DesignCurveSet set = Curves(d);
  const auto& points = set.Permeability.Points;
  ASSERT_EQ(points.size(), static_cast<std::size_t>(kCurvePoints));
  EXPECT_DOUBLE_EQ(points.front().X, 3.0);
  EXPECT_DOUBLE_EQ(points.back().X, 800.0);
  for (int i : kSamples) {
    const CurvePoint p = points[static_cast<std::size_t>(i)];
    EXPECT_EQ(p.Y, BiasPermeability(125, "KMC", static_cast<float>(p.X))) << "point " << i;
  }
  // Evenly spaced on the logarithmic axis.
  EXPECT_NEAR(points[1].X / points[0].X, points[100].X / points[99].X, 1e-6);
  EXPECT_GT(points[0].Y, 90);
  EXPECT_LT(points.back().Y, 10);
}

TEST_F(DesignCurvesTest, FieldsOutsideTheModelWidenTheSweep) {
  // 150 turns at 14 A drive far beyond 800 Oe; 1 turn at 10 A stays under 3 Oe.
  CurveDesign strong = Design("KMA038060", 150);
  const DesignCurveSet high = Curves(strong);
  EXPECT_GT(high.Evaluation.FieldAtPeak, 800);
  EXPECT_FLOAT_EQ(static_cast<float>(high.Permeability.Points.back().X), high.Evaluation.FieldAtPeak);
  EXPECT_EQ(high.Permeability.Points.back().Y, BiasPermeability(60, "KMA", 800));
  EXPECT_EQ(high.Permeability.Peak.X, high.Permeability.Points.back().X);

  const DesignCurveSet low = Curves(Design("KMA157060", 1));
  EXPECT_LT(low.Evaluation.FieldAtAverage, 3);
  EXPECT_FLOAT_EQ(static_cast<float>(low.Permeability.Points.front().X), low.Evaluation.FieldAtAverage);
  EXPECT_EQ(low.Permeability.Points.front().Y, BiasPermeability(60, "KMA", 3));

  // A field too small for its own decades starts the sweep at the lowest field shown; the
  // marker sits there, where the model gives the same value.
  CurveDesign faint = Design("KMA157060", 1);
  faint.AverageCurrent = 1e-6f;
  faint.PeakCurrent = 2e-6f;
  const DesignCurveSet tiny = Curves(faint);
  EXPECT_FLOAT_EQ(static_cast<float>(tiny.Permeability.Points.front().X), kLowestField);
  EXPECT_EQ(tiny.Permeability.Average.X, tiny.Permeability.Points.front().X);
}

TEST_F(DesignCurvesTest, LossIsTheReportsCoreLossAtEachFrequency) {
  const CurveDesign d = Design("KMA157060", 37);
  const DesignCurveSet set = Curves(d);
  const auto& points = set.Loss.Points;
  ASSERT_EQ(points.size(), static_cast<std::size_t>(kCurvePoints));
  EXPECT_FALSE(set.Loss.OutsideModel);
  EXPECT_DOUBLE_EQ(points.front().X, 1.0);
  EXPECT_DOUBLE_EQ(points.back().X, 1000.0);
  const double volume = d.Core.Volume;
  for (int i : kSamples) {
    const CurvePoint p = points[static_cast<std::size_t>(i)];
    const float f = static_cast<float>(p.X);
    EXPECT_EQ(p.Y, Evaluate(d, f, 10, 2.828f).CoreLoss) << "point " << i;
    const double density = CoreLossDensity(60, "KMA", f, set.Evaluation.FluxSwing);
    EXPECT_NEAR(p.Y, volume * density / 1000, 1e-6 * p.Y) << "point " << i;
  }
}

TEST_F(DesignCurvesTest, FrequencyRangeReachesTheDesignFrequency) {
  CurveDesign d = Design("KMA157060", 37);
  d.FrequencyKHz = 0.2f;
  EXPECT_FLOAT_EQ(static_cast<float>(Curves(d).Loss.Points.front().X), 0.1f);
  d.FrequencyKHz = 3000;
  const DesignCurveSet set = Curves(d);
  EXPECT_DOUBLE_EQ(set.Loss.Points.back().X, 6000.0);
  EXPECT_EQ(set.Loss.Design->X, 3000.0);
}

TEST_F(DesignCurvesTest, StackedCoresScaleInductanceAndLossButNotPermeability) {
  const DesignCurveSet one = Curves(Design("KMB106090", 25, 1));
  const DesignCurveSet two = Curves(Design("KMB106090", 25, 2));
  for (int i : kSamples) {
    const auto k = static_cast<std::size_t>(i);
    EXPECT_NEAR(two.Inductance.Points[k].Y, 2 * one.Inductance.Points[k].Y, 1e-5 * two.Inductance.Points[k].Y);
    EXPECT_EQ(two.Permeability.Points[k], one.Permeability.Points[k]);
  }
  EXPECT_EQ(two.Loss.FluxSwing, one.Loss.FluxSwing);
  EXPECT_NEAR(two.Loss.Points[50].Y, 2 * one.Loss.Points[50].Y, 1e-5 * two.Loss.Points[50].Y);
}

TEST_F(DesignCurvesTest, WithoutRippleThereIsNoLossCurve) {
  // The selection details evaluate their proposals without frequency or ripple.
  CurveDesign d = Design("KMA106060", 30);
  d.FrequencyKHz = 0;
  d.RippleCurrent = 0;
  const DesignCurveSet set = Curves(d);
  EXPECT_EQ(set.Loss.Gap, CurveGap::NoFluxSwing);
  EXPECT_TRUE(set.Loss.Points.empty());
  EXPECT_FALSE(set.Loss.Design.has_value());
  EXPECT_EQ(set.Inductance.Gap, CurveGap::None);
  EXPECT_EQ(set.Permeability.Gap, CurveGap::None);
  EXPECT_FALSE(set.Inductance.Points.empty());
}

TEST_F(DesignCurvesTest, LossModelOutsideItsRangeLeavesFrequenciesOut) {
  // The "KME" polynomial turns negative above about 316 kHz.
  const DesignCurveSet set = Curves(Design("KME106060", 30));
  EXPECT_TRUE(set.Loss.OutsideModel);
  ASSERT_FALSE(set.Loss.Points.empty());
  EXPECT_LT(set.Loss.Points.back().X, 317);
  EXPECT_GT(set.Loss.Points.back().X, 250);
  for (const CurvePoint& p : set.Loss.Points) EXPECT_GT(p.Y, 0);
  ASSERT_TRUE(set.Loss.Design.has_value());
}

TEST_F(DesignCurvesTest, MaterialWithoutModelsSaysSo) {
  CurveDesign d = Design("KMA157060", 37);
  d.Core.Series = "kma";  // no curve for a lower-case code
  const DesignCurveSet set = Curves(d);
  EXPECT_EQ(set.Permeability.Gap, CurveGap::NoBiasModel);
  EXPECT_TRUE(set.Permeability.Points.empty());
  // Without permeability there is no inductance under current, hence no flux swing.
  EXPECT_EQ(set.Loss.Gap, CurveGap::NoFluxSwing);
}

TEST_F(DesignCurvesTest, UnevaluableDesignsAreRefused) {
  CurveDesign d = Design("KMA157060", 37);
  d.Turns = 0;
  EXPECT_FALSE(MakeDesignCurves(d).ok());
  d = Design("KMA157060", 37);
  d.CoreCount = 0;
  EXPECT_FALSE(MakeDesignCurves(d).ok());
  d = Design("KMA157060", 37);
  d.PeakCurrent = 3e38f;  // the field at the peak leaves the float range
  EXPECT_FALSE(MakeDesignCurves(d).ok());
}

TEST_F(DesignCurvesTest, NoCurrentNoInductanceSweep) {
  CurveDesign d = Design("KMA157060", 37);
  d.AverageCurrent = 0;
  d.PeakCurrent = 0;
  EXPECT_EQ(Curves(d).Inductance.Gap, CurveGap::NoCurrent);
  EXPECT_TRUE(Curves(d).Inductance.Points.empty());
}

TEST_F(DesignCurvesTest, ExtremeCurrentsGiveOnlyFinitePoints) {
  CurveDesign d = Design("KMA157060", 1);
  d.AverageCurrent = 1e30f;
  d.PeakCurrent = 1e30f;
  d.RippleCurrent = 1;
  const auto set = MakeDesignCurves(d);
  if (!set.ok()) return;  // refused as a whole is as good as finite
  for (const auto* points : {&set->Inductance.Points, &set->Permeability.Points, &set->Loss.Points}) {
    for (const CurvePoint& p : *points) {
      EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y)) << p.X << " " << p.Y;
    }
  }
}

// Every catalogue core under one ordinary winding: three finite curves, the loss curve
// in one piece, and each curve through its markers' values.
TEST_F(DesignCurvesTest, EveryCatalogueCoreHasThreeCurves) {
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    CurveDesign d;
    d.Core = CatalogueSlot(slot);
    d.FrequencyKHz = 50;
    d.AverageCurrent = 5;
    d.PeakCurrent = 7;
    d.RippleCurrent = 1;
    d.WireDiameter = 0.8f;
    d.Turns = 20;
    const auto set = MakeDesignCurves(d, 41);
    ASSERT_TRUE(set.ok()) << d.Core.PartNumber << ": " << set.error();
    SCOPED_TRACE(d.Core.PartNumber);
    EXPECT_EQ(set->Inductance.Gap, CurveGap::None);
    EXPECT_EQ(set->Permeability.Gap, CurveGap::None);
    EXPECT_EQ(set->Loss.Gap, CurveGap::None);
    for (const CurvePoint& p : set->Permeability.Points) {
      EXPECT_TRUE(p.Y > 0 && p.Y < 120) << p.X << " Oe: " << p.Y;
    }
    for (const CurvePoint& p : set->Inductance.Points) EXPECT_TRUE(std::isfinite(p.Y) && p.Y > 0);
    // The kept frequencies are one run of the sweep: no gap bridged by a straight line.
    const auto grid = LogSpaced(1, 1000, 41);
    const auto& loss = set->Loss.Points;
    ASSERT_FALSE(loss.empty());
    std::size_t first = 0;
    while (static_cast<float>(grid[first]) != static_cast<float>(loss.front().X)) ++first;
    for (std::size_t i = 0; i < loss.size(); ++i) {
      EXPECT_EQ(static_cast<float>(loss[i].X), static_cast<float>(grid[first + i]));
    }
  }
}

TEST(LogSpaced, EndsAreExactAndStepsEven) {
  const auto v = LogSpaced(3, 800, 5);
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(v.front(), 3.0);
  EXPECT_EQ(v.back(), 800.0);
  for (std::size_t i = 2; i < v.size(); ++i) EXPECT_NEAR(v[i] / v[i - 1], v[1] / v[0], 1e-12);
  EXPECT_EQ(LogSpaced(2, 5, 1), std::vector<double>{2.0});
  EXPECT_TRUE(LogSpaced(2, 5, 0).empty());
}

}  // namespace
}  // namespace qiro
