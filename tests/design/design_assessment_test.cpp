#include "design/analysis/design_assessment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "core-data/catalogue.h"

namespace qiro {
namespace {

class DesignAssessmentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }

  static InductorEvaluation Evaluate(const char* part, std::int16_t turns, float frequency = 100,
                                     float average = 10, float peak = 14.14f,
                                     float ripple = 2.828f, float wire = 1.0f,
                                     std::int16_t strands = 1, float cores = 1) {
    const CoreRecord core = FindCoreByPartNumber(part);
    const auto e = EvaluateInductor(core, core, cores, 0, frequency, average, peak, ripple, wire,
                                    strands, turns);
    EXPECT_TRUE(e.ok()) << e.error();
    return e.value();
  }

  // The README's worked design: KMA157060, 37 turns of 1 mm × 1, 10 A, 14.14 A, 2.828 A, 100 kHz.
  static InductorEvaluation Worked() { return Evaluate("KMA157060", 37); }

  static DesignAssessment Assess(const InductorEvaluation& e, double ambient = 25) {
    const auto a = AssessDesign(e, ambient);
    EXPECT_TRUE(a.ok()) << a.error();
    return a.value();
  }

  static AssessmentRefusal RefusalOf(const InductorEvaluation& e, double ambient = 25) {
    AssessmentRefusal kind = AssessmentRefusal::None;
    const auto a = AssessDesign(e, ambient, kind);
    EXPECT_EQ(a.ok(), kind == AssessmentRefusal::None);
    if (!a.ok()) {
      EXPECT_FALSE(a.error().empty());
    }
    return kind;
  }
};

// The formula as written, with the library's functions: the reference for Δ up to ~300.
double DirectDowell(double delta, int m) {
  const double skin = (std::sinh(2 * delta) + std::sin(2 * delta)) /
                      (std::cosh(2 * delta) - std::cos(2 * delta));
  const double proximity = (std::sinh(delta) - std::sin(delta)) / (std::cosh(delta) + std::cos(delta));
  return delta * (skin + 2.0 * (m * m - 1) / 3 * proximity);
}

TEST(DowellFactor, MatchesValuesWorkedByHand) {
  const struct {
    double delta;
    int layers;
    double expected;
  } cases[] = {
      {1, 1, 1.0856357047503278},  // (sinh 2 + sin 2)/(cosh 2 − cos 2)
      {1, 3, 1.9399646964915156},  // + 16/3 · (sinh 1 − sin 1)/(cosh 1 + cos 1)
      {2, 2, 5.146489414846242},
      {0.5, 1, 1.005542361774591},
      {5, 4, 55.448084507678786},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(DowellFactor(c.delta, c.layers), c.expected, 1e-14 * c.expected)
        << "Δ " << c.delta << " m " << c.layers;
  }
  // Below 1e-4 the conductor is thin: no skin or proximity effect at all.
  EXPECT_EQ(DowellFactor(0.99e-4, 1), 1.0);
  EXPECT_EQ(DowellFactor(0.0, 7), 1.0);
  EXPECT_EQ(DowellFactor(std::numeric_limits<double>::quiet_NaN(), 2), 1.0);
  // Just above it the factor is 1 within the formula's own cancellation.
  EXPECT_NEAR(DowellFactor(1e-4, 1), 1.0, 1e-7);
}

TEST(DowellFactor, AgreesWithTheLibraryFunctionsAndStaysFiniteForThickConductors) {
  for (int m : {1, 2, 5, 40}) {
    for (double delta = 1e-3; delta < 300; delta *= 1.07) {
      const double direct = DirectDowell(delta, m);
      // cosh 2Δ − cos 2Δ ≈ 4Δ² cancels, in either form, below Δ ≈ 0.1.
      const double cancellation = 4 * std::numeric_limits<double>::epsilon() / (delta * delta);
      EXPECT_NEAR(DowellFactor(delta, m), direct, (2e-13 + cancellation) * direct)
          << "Δ " << delta << " m " << m;
    }
  }
  // Where cosh 2Δ overflows the formula as written gives nan; the factor stays Δ·(1 + 2(m²−1)/3).
  EXPECT_TRUE(std::isnan(DirectDowell(400, 1)));
  EXPECT_DOUBLE_EQ(DowellFactor(400, 1), 400);
  EXPECT_DOUBLE_EQ(DowellFactor(1e6, 2), 1e6 * 3);
}

TEST_F(DesignAssessmentTest, WorkedDesignOfTheReadme) {
  const InductorEvaluation e = Worked();
  const DesignAssessment a = Assess(e);
  EXPECT_EQ(a.Layers, 1);
  EXPECT_NEAR(a.BuildThickness, 1.052, 1e-6);  // 1 mm + 0.052 mm enamel
  EXPECT_NEAR(a.WoundOuterDiameter, 40.7 + 2 * 1.052, 1e-5);
  EXPECT_NEAR(a.WoundHeight, 15.37 + 2 * 1.052, 1e-5);
  EXPECT_NEAR(a.SurfaceArea, 52.28, 0.01);
  EXPECT_NEAR(a.DowellFactor, 3.348, 0.001);
  EXPECT_NEAR(a.CopperLossDc, 5.904, 0.001);
  EXPECT_NEAR(a.CopperLossAc, 0.1333, 0.0001);
  EXPECT_EQ(a.CoreLoss, static_cast<double>(e.CoreLoss));
  EXPECT_NEAR(a.TotalLoss, 11.649, 0.001);
  EXPECT_NEAR(a.TemperatureRise, 90.33, 0.01);
  EXPECT_DOUBLE_EQ(a.WindingTemperature, 25 + a.TemperatureRise);
  EXPECT_NEAR(a.InductanceRetention, 85.42, 0.01);
  EXPECT_EQ(a.ThermalVerdict, ThermalRating::TooHigh);
  EXPECT_EQ(VerdictWord(a.ThermalVerdict), "过高");
  EXPECT_EQ(a.RetentionVerdict, RetentionRating::Normal);
  EXPECT_EQ(VerdictWord(a.RetentionVerdict), "正常");
}

TEST_F(DesignAssessmentTest, TemperatureReproducesItself) {
  for (const InductorEvaluation& e :
       {Worked(), Evaluate("KMA157060", 200, 50, 3, 4, 1), Evaluate("KMC157125", 12, 300, 20, 30, 8)}) {
    const DesignAssessment a = Assess(e, 40);
    const double rise = std::pow(1000 * a.TotalLoss / a.SurfaceArea, kRiseExponent);
    EXPECT_NEAR(40 + rise, a.WindingTemperature, 1e-8);
    const double hot = static_cast<double>(e.DcResistance) / 1000 *
                       (1 + 0.00393 * (a.WindingTemperature - 20));
    const double average = e.AverageCurrent;
    EXPECT_NEAR(a.CopperLossDc, average * average * hot, 1e-12 * a.CopperLossDc);
    EXPECT_DOUBLE_EQ(a.TotalLoss, a.CoreLoss + a.CopperLossDc + a.CopperLossAc);
    EXPECT_LE(a.TemperatureRounds, kMostTemperatureRounds);
  }
}

TEST_F(DesignAssessmentTest, NoRippleOrFrequencyMeansNoAcLoss) {
  for (const InductorEvaluation& e : {Evaluate("KMA157060", 37, 0), Evaluate("KMA157060", 37, 100, 10, 14.14f, 0)}) {
    const DesignAssessment a = Assess(e);
    EXPECT_EQ(a.CopperLossAc, 0);
    EXPECT_GT(a.CopperLossDc, 0);
  }
}

// Layer j holds floor(π·(23.3 − (2j − 1)·1.052) / 1.052) conductors of 1 mm: 66, 60, 53, 47,
// 41, 35, 28, 22, 16, 9 and 3 (380 in all); a twelfth layer would hold none.
TEST_F(DesignAssessmentTest, LayersAtTheirExactBoundaries) {
  const struct {
    std::int16_t turns;
    std::int16_t strands;
    int layers;
  } cases[] = {
      {1, 1, 1}, {66, 1, 1}, {67, 1, 2}, {126, 1, 2}, {127, 1, 3},
      {33, 2, 1}, {34, 2, 2},  // strands count as conductors
      {377, 1, 10}, {378, 1, 11}, {380, 1, 11},
  };
  // At 1 A: at 10 A the fuller windings would run away past 500 °C.
  for (const auto& c : cases) {
    const auto e = Evaluate("KMA157060", c.turns, 100, 1, 1.414f, 0.2828f, 1.0f, c.strands);
    EXPECT_EQ(Assess(e).Layers, c.layers) << c.turns << " × " << c.strands;
  }
  EXPECT_EQ(RefusalOf(Evaluate("KMA157060", 381)), AssessmentRefusal::WindingDoesNotFit);
  EXPECT_EQ(RefusalOf(Evaluate("KMA157060", 191, 100, 10, 14.14f, 2.828f, 1.0f, 2)),
            AssessmentRefusal::WindingDoesNotFit);
  // More layers: a thicker build, a larger wound part and a proximity effect that grows.
  const DesignAssessment one = Assess(Evaluate("KMA157060", 66));
  const DesignAssessment two = Assess(Evaluate("KMA157060", 67));
  EXPECT_NEAR(two.BuildThickness, 2 * one.BuildThickness, 1e-12);
  EXPECT_GT(two.SurfaceArea, one.SurfaceArea);
  EXPECT_GT(two.DowellFactor, one.DowellFactor);
}

TEST_F(DesignAssessmentTest, Refusals) {
  // The KME fit turns negative above about 316 kHz: the report says "超出损耗模型范围".
  const InductorEvaluation kme = Evaluate("KME157060", 37, 1000);
  ASSERT_LT(kme.CoreLoss, 0);
  EXPECT_EQ(RefusalOf(kme), AssessmentRefusal::LossOutsideModel);

  InductorEvaluation e = Worked();
  e.Turns = 0;
  EXPECT_EQ(RefusalOf(e), AssessmentRefusal::InvalidInput);
  e = Worked();
  e.StrandCount = 0;
  EXPECT_EQ(RefusalOf(e), AssessmentRefusal::InvalidInput);
  e = Worked();
  e.RippleCurrent = -1;
  EXPECT_EQ(RefusalOf(e), AssessmentRefusal::InvalidInput);
  e = Worked();
  e.InductanceAtZero = 0;
  EXPECT_EQ(RefusalOf(e), AssessmentRefusal::InvalidInput);
  e = Worked();
  e.Core.CoatedInnerDiameter = 0;
  EXPECT_EQ(RefusalOf(e), AssessmentRefusal::InvalidInput);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double ambient : {-60.001, 200.001, nan, inf, -inf}) {
    EXPECT_EQ(RefusalOf(Worked(), ambient), AssessmentRefusal::InvalidInput) << ambient;
  }
  EXPECT_EQ(RefusalOf(Worked(), -60), AssessmentRefusal::None);
  EXPECT_EQ(RefusalOf(Worked(), 200), AssessmentRefusal::None);
}

// KMC185160 with 382 turns of 0.45 mm × 3 at 50 A and 50 kHz: without the limit the
// iteration climbed to 4.7e9 °C and called that the rise.
TEST_F(DesignAssessmentTest, RunawayWindingsAreRefused) {
  const InductorEvaluation absurd =
      Evaluate("KMC185160", 382, 50, 50, 55, 10, 0.45f, 3);
  EXPECT_EQ(RefusalOf(absurd), AssessmentRefusal::NoSteadyTemperature);
  EXPECT_EQ(AssessDesign(absurd, 25).error(), "the winding would pass 500 °C: no steady temperature");
  const TemperatureCurve curve = TemperatureRiseCurve(absurd, 25, 11);
  EXPECT_EQ(curve.DesignRefusal, AssessmentRefusal::NoSteadyTemperature);
  EXPECT_FALSE(curve.Design.has_value());
  const auto row = MakeProposalComparisonRow(absurd, 25);
  ASSERT_TRUE(row.ok());
  EXPECT_EQ(row->Refusal, AssessmentRefusal::NoSteadyTemperature);
  EXPECT_FALSE(row->TemperatureRise.has_value());

  // The worked design's current raised in small steps: the winding climbs up to the limit
  // and every current past it is refused, never one below.
  double hottest = 0;
  bool refusedBefore = false;
  for (float current = 10; current < 40; current += 0.05f) {
    const InductorEvaluation e = Evaluate("KMA157060", 37, 100, current, current + 4.14f);
    AssessmentRefusal kind = AssessmentRefusal::None;
    const auto a = AssessDesign(e, 25, kind);
    if (a) {
      ASSERT_FALSE(refusedBefore) << current;
      EXPECT_LE(a->WindingTemperature, kHottestWinding);
      EXPECT_LT(a->TemperatureRounds, kMostTemperatureRounds);
      hottest = std::max(hottest, a->WindingTemperature);
    } else {
      ASSERT_EQ(kind, AssessmentRefusal::NoSteadyTemperature) << current;
      refusedBefore = true;
    }
  }
  EXPECT_TRUE(refusedBefore);
  EXPECT_GT(hottest, kHottestWinding - 5);
  // A hotter ambient reaches the limit with less loss.
  const InductorEvaluation warm = Evaluate("KMA157060", 37, 100, 20, 24.14f);
  EXPECT_EQ(RefusalOf(warm, 25), AssessmentRefusal::None);
  EXPECT_EQ(RefusalOf(warm, 200), AssessmentRefusal::NoSteadyTemperature);
}

// Found by the fuzz target: a 10 A ripple at 0.00048 Hz puts the harmonics' Δ near 1e-4,
// where Dowell's factor carries rounding noise; the rounds then alternate 6e-8 °C apart at
// about 36.6 °C for ever. Before, this steady winding was refused as not settling.
TEST_F(DesignAssessmentTest, RoundingNoiseIsASteadyTemperature) {
  const CoreRecord core = FindCoreByPartNumber("KMC185160");
  const auto e = EvaluateInductor(core, core, 1, 0, std::bit_cast<float>(0x35000000u),
                                  std::bit_cast<float>(0x2500013fu), std::bit_cast<float>(0x0053b100u),
                                  std::bit_cast<float>(0x41200400u), 0.45f, 3, 350);
  ASSERT_TRUE(e.ok()) << e.error();
  const DesignAssessment a = Assess(*e, 0);
  EXPECT_EQ(a.TemperatureRounds, kMostTemperatureRounds);
  EXPECT_NEAR(a.WindingTemperature, 36.558035, 1e-5);
  const double rise = std::pow(1000 * a.TotalLoss / a.SurfaceArea, kRiseExponent);
  EXPECT_NEAR(rise, a.WindingTemperature, kTemperatureJitter);
}

TEST(Verdicts, ThresholdsAndWords) {
  EXPECT_EQ(RateTemperatureRise(0), ThermalRating::Normal);
  EXPECT_EQ(RateTemperatureRise(40), ThermalRating::Normal);
  EXPECT_EQ(RateTemperatureRise(40.0001), ThermalRating::High);
  EXPECT_EQ(RateTemperatureRise(60), ThermalRating::High);
  EXPECT_EQ(RateTemperatureRise(60.0001), ThermalRating::TooHigh);
  EXPECT_EQ(RateRetention(100), RetentionRating::Normal);
  EXPECT_EQ(RateRetention(80), RetentionRating::Normal);
  EXPECT_EQ(RateRetention(79.999), RetentionRating::Low);
  EXPECT_EQ(RateRetention(50), RetentionRating::Low);
  EXPECT_EQ(RateRetention(49.999), RetentionRating::TooLow);
  EXPECT_EQ(VerdictWord(ThermalRating::Normal), "正常");
  EXPECT_EQ(VerdictWord(ThermalRating::High), "偏高");
  EXPECT_EQ(VerdictWord(ThermalRating::TooHigh), "过高");
  EXPECT_EQ(VerdictWord(RetentionRating::Normal), "正常");
  EXPECT_EQ(VerdictWord(RetentionRating::Low), "偏低");
  EXPECT_EQ(VerdictWord(RetentionRating::TooLow), "过低");
  EXPECT_EQ(VerdictCode(ThermalRating::TooHigh), "TooHigh");
  EXPECT_EQ(VerdictCode(RetentionRating::Low), "Low");
}

// Extreme but evaluable designs: every assessment is refused or finite.
TEST_F(DesignAssessmentTest, NeverInfinityOrNan) {
  const char* parts[] = {"KMA038060", "KMA157060", "KMC157125", "KME400125", "KMA092090"};
  const float wires[] = {1e-3f, 0.2f, 1.0f, 5.0f, 60.0f};
  const float frequencies[] = {0, 0.001f, 50, 100, 316, 1e4f, 3e38f};
  const float currents[] = {0, 1, 100, 1e6f};
  const std::int16_t turns[] = {1, 10, 1000, 32767};
  int assessed = 0;
  for (const char* part : parts) {
    const CoreRecord core = FindCoreByPartNumber(part);
    for (float wire : wires)
      for (float frequency : frequencies)
        for (float current : currents)
          for (std::int16_t n : turns)
            for (std::int16_t strands : {std::int16_t{1}, std::int16_t{32767}}) {
              const auto e = EvaluateInductor(core, core, 2, 0, frequency, current, current * 1.4f,
                                              current * 0.3f, wire, strands, n);
              if (!e) continue;
              for (double ambient : {-60.0, 25.0, 200.0}) {
                const auto a = AssessDesign(*e, ambient);
                if (!a) continue;
                ++assessed;
                for (double v : {a->BuildThickness, a->WoundOuterDiameter, a->WoundHeight,
                                 a->SurfaceArea, a->DowellFactor, a->CopperLossDc,
                                 a->CopperLossAc, a->CoreLoss, a->TotalLoss,
                                 a->TemperatureRise, a->WindingTemperature,
                                 a->InductanceRetention}) {
                  ASSERT_TRUE(std::isfinite(v)) << part << " " << wire << " " << frequency << " "
                                                << current << " " << n << " " << strands;
                }
                EXPECT_GE(a->TemperatureRise, 0);
                EXPECT_LE(a->WindingTemperature, kHottestWinding);
              }
            }
  }
  EXPECT_GT(assessed, 100);
}

TEST_F(DesignAssessmentTest, TemperatureCurvePassesThroughTheDesign) {
  const InductorEvaluation e = Worked();
  const TemperatureCurve curve = TemperatureRiseCurve(e, 25);
  // Towards twice the peak current the winding would pass 500 °C: the top currents are left
  // out as runaways, and nothing else is.
  const std::size_t drawn = curve.Points.size();
  ASSERT_GT(drawn, static_cast<std::size_t>(kCurvePoints) * 3 / 4);
  ASSERT_LT(drawn, static_cast<std::size_t>(kCurvePoints));
  EXPECT_TRUE(curve.Incomplete);
  EXPECT_FALSE(curve.OtherGaps);
  ASSERT_TRUE(curve.RunawayFrom.has_value());
  const double step = static_cast<double>(2 * 14.14f) / (kCurvePoints - 1);
  EXPECT_FLOAT_EQ(static_cast<float>(*curve.RunawayFrom), static_cast<float>(step * drawn));
  EXPECT_LE(curve.Points.back().Y, kHottestWinding - 25);
  EXPECT_GT(curve.Points.back().Y, 300);
  EXPECT_EQ(curve.Gap, CurveGap::None);
  EXPECT_EQ(curve.Points.front().X, 0);
  ASSERT_TRUE(curve.Design.has_value());
  EXPECT_EQ(curve.Design->X, 10);
  EXPECT_EQ(curve.Design->Y, Assess(e).TemperatureRise);
  // Each point is the design re-evaluated at its current with the peak 4.14 A above it.
  for (std::size_t i : {std::size_t{0}, std::size_t{40}, std::size_t{100}, drawn - 1}) {
    const CurvePoint p = curve.Points[i];
    const float current = static_cast<float>(p.X);
    const float peak = static_cast<float>(p.X + (14.14f - 10.0));
    EXPECT_EQ(p.Y, Assess(Evaluate("KMA157060", 37, 100, current, peak)).TemperatureRise) << i;
  }
  // The neighbours around 10 A bracket the design's own rise.
  for (std::size_t i = 1; i < curve.Points.size(); ++i) {
    const CurvePoint a = curve.Points[i - 1], b = curve.Points[i];
    if (a.X <= 10 && b.X >= 10) {
      const double between = a.Y + (b.Y - a.Y) * (10 - a.X) / (b.X - a.X);
      EXPECT_NEAR(between, curve.Design->Y, 0.05);
    }
  }
}

TEST_F(DesignAssessmentTest, TemperatureCurveGaps) {
  const TemperatureCurve none = TemperatureRiseCurve(Evaluate("KMA157060", 37, 100, 0, 0), 25);
  EXPECT_EQ(none.Gap, CurveGap::NoCurrent);
  EXPECT_TRUE(none.Points.empty());
  // Outside the loss model no point can be assessed, and the design's refusal says why.
  const TemperatureCurve kme = TemperatureRiseCurve(Evaluate("KME157060", 37, 1000), 25, 11);
  EXPECT_TRUE(kme.Points.empty());
  EXPECT_TRUE(kme.Incomplete);
  EXPECT_FALSE(kme.Design.has_value());
  EXPECT_EQ(kme.DesignRefusal, AssessmentRefusal::LossOutsideModel);
}

TEST_F(DesignAssessmentTest, ComparisonRow) {
  // A proposal carries no frequency or ripple: only the DC copper loss heats it.
  const InductorEvaluation proposal = Evaluate("KMA157060", 37, 0, 10, 14.14f, 0);
  const auto plain = MakeProposalComparisonRow(proposal, 25);
  ASSERT_TRUE(plain.ok()) << plain.error();
  EXPECT_EQ(plain->PartNumber, "KMA157060");
  EXPECT_EQ(plain->Turns, 37);
  EXPECT_EQ(plain->WireDiameter, 1.0);
  EXPECT_EQ(plain->StrandCount, 1);
  EXPECT_EQ(plain->InductanceAtZero, static_cast<double>(proposal.InductanceAtZero));
  EXPECT_NEAR(plain->InductanceRetention, 85.42, 0.01);
  EXPECT_EQ(plain->DcResistance, static_cast<double>(proposal.DcResistance));
  EXPECT_EQ(plain->CopperWeight, static_cast<double>(proposal.CopperWeight));
  EXPECT_EQ(plain->CoreVolume, static_cast<double>(proposal.CoreVolume));
  ASSERT_TRUE(plain->CoreLoss && plain->CopperLoss && plain->TemperatureRise);
  EXPECT_EQ(*plain->CoreLoss, 0);
  EXPECT_EQ(*plain->CopperLoss, Assess(proposal).CopperLossDc);

  // With frequency and ripple the row is the worked design's.
  const auto loaded = MakeProposalComparisonRow(proposal, 25, 100.0, 2.828);
  ASSERT_TRUE(loaded.ok()) << loaded.error();
  const DesignAssessment worked = Assess(Worked());
  EXPECT_EQ(*loaded->TemperatureRise, worked.TemperatureRise);
  EXPECT_EQ(*loaded->CopperLoss, worked.CopperLossDc + worked.CopperLossAc);
  EXPECT_EQ(*loaded->WoundOuterDiameter, worked.WoundOuterDiameter);
  EXPECT_EQ(*loaded->WoundHeight, worked.WoundHeight);
  EXPECT_EQ(loaded->ThermalVerdict, ThermalRating::TooHigh);

  // A row that cannot be assessed still lists the proposal, without the assessed columns.
  const auto kme = MakeProposalComparisonRow(Evaluate("KME157060", 37, 0, 10, 14.14f, 0), 25, 1000.0, 2.0);
  ASSERT_TRUE(kme.ok());
  EXPECT_EQ(kme->Refusal, AssessmentRefusal::LossOutsideModel);
  EXPECT_FALSE(kme->TemperatureRise.has_value());
  EXPECT_FALSE(kme->CopperLoss.has_value());
  EXPECT_GT(kme->InductanceAtZero, 0);

  EXPECT_FALSE(MakeProposalComparisonRow(proposal, 25, -1.0, 2.0).ok());
  EXPECT_FALSE(MakeProposalComparisonRow(proposal, 25, 100.0, std::nan("")).ok());
}

}  // namespace
}  // namespace qiro
