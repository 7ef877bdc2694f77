#include "design/analysis/converter_operation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "core-data/catalogue.h"
#include "magnetics/core_loss.h"

namespace qiro {
namespace {

using std::numbers::pi;

Converter Make(Topology kind, std::initializer_list<float> inputs) {
  Converter c;
  c.Kind = kind;
  std::size_t i = 0;
  for (const float v : inputs) c.Inputs[i++] = v;
  return c;
}

class ConverterOperationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

struct Worked {
  const char* name;
  Converter converter;
  const char* part;
  float cores;
  float wire;
  std::int16_t strands;
  std::int16_t turns;
  const char *core, *dc, *ac, *rise, *highest, *ripple, *retention;
};

// The worked examples at 25 °C, to the digits they are given with.
TEST_F(ConverterOperationTest, WorkedExamples) {
  const Worked cases[] = {
      {"buck", Make(Topology::Buck, {10, 48, 5, 200, 0.3f}), "KMC065173", 1, 1.4f, 1, 14,
       "0.7194", "0.4531", "0.0277", "43.58", "11.489", "2.978", "31.63"},
      {"pfc", Make(Topology::Pfc, {500, 220, 400, 65, 0.98f, 0.2f}), "KME130075", 1, 0.4f, 4, 200,
       "1.2063", "1.7584", "0.1517", "33.03", "3.635", "0.8172", "44.96"},
      {"inverter", Make(Topology::InverterLc, {2000, 400, 230, 20, 0.2f}), "KME255125", 2, 1.6f, 2,
       94, "2.215", "4.988", "0.3466", "16.37", "13.06", "", "26.97"},
  };
  for (const Worked& w : cases) {
    SCOPED_TRACE(w.name);
    const auto op = OperateConverter(w.converter);
    ASSERT_TRUE(op.ok()) << op.error();
    AssessmentRefusal refusal;
    const auto a = AssessInConverter(*op, FindCoreByPartNumber(w.part), w.cores, w.wire,
                                     w.strands, w.turns, 25, refusal);
    ASSERT_TRUE(a.ok()) << a.error();
    // Within half a unit of the last digit given.
    const auto near = [](double got, std::string want) {
      if (want.empty()) return;
      const auto decimals = static_cast<int>(want.size() - want.find('.') - 1);
      EXPECT_NEAR(got, std::stod(want), 0.5 * std::pow(10, -decimals) + 1e-12) << want;
    };
    near(a->Assessment.CoreLoss, w.core);
    near(a->Assessment.CopperLossDc, w.dc);
    near(a->Assessment.CopperLossAc, w.ac);
    near(a->Assessment.TemperatureRise, w.rise);
    near(a->Load.HighestCurrent, w.highest);
    near(a->Load.LargestRipple, w.ripple);
    near(a->Assessment.InductanceRetention, w.retention);
  }
}

// The line-cycle means against a 20 000-point midpoint rule over the quarter cycle, on cores of
// every series and on both line-cycle converters, over a spread of turns.
TEST_F(ConverterOperationTest, LineCycleMeansMatchTheIntegral) {
  const Converter converters[] = {
      Make(Topology::Pfc, {500, 220, 400, 65, 0.98f, 0.2f}),
      Make(Topology::Pfc, {3000, 230, 400, 40, 0.98f, 0.3f}),
      Make(Topology::Pfc, {1000, 110, 390, 100, 0.95f, 0.2f}),
      Make(Topology::InverterLc, {2000, 400, 230, 20, 0.2f}),
      Make(Topology::InverterLc, {500, 380, 110, 50, 0.4f}),
  };
  const char* parts[] = {"KMA157060", "KME130075", "KMC065173", "KMB200026", "KMD106040",
                         "KME255125", "KMC-L080060"};
  int checked = 0;
  for (const Converter& c : converters) {
    const auto op = OperateConverter(c);
    ASSERT_TRUE(op.ok()) << op.error();
    for (const char* part : parts) {
      const CoreRecord core = FindCoreByPartNumber(part);
      if (core.PartNumber.empty()) continue;
      for (const std::int16_t turns : {std::int16_t{8}, std::int16_t{40}, std::int16_t{150}}) {
        SCOPED_TRACE(std::string(part) + " " + std::to_string(turns));
        const ConverterStack stack(*op, core, 1, turns);
        const auto load = stack.Load();
        ASSERT_TRUE(load.ok()) << load.error();
        constexpr int kPoints = 20000;
        double density = 0, square = 0, harmonic1 = 0, harmonic2 = 0;
        for (int k = 0; k < kPoints; ++k) {
          const double theta = pi / 2 * (k + 0.5) / kPoints;
          const InstantLoad l = stack.At(InstantAt(*op, theta));
          density += l.CoreLossDensity / kPoints;
          square += l.Current * l.Current / kPoints;
          const double d = l.RiseFraction;
          const auto rms = [&](int h) {
            return l.Ripple * std::sin(pi * h * d) / (std::sqrt(2.0) * pi * pi * h * h * d * (1 - d));
          };
          harmonic1 += rms(1) * rms(1) / kPoints;
          harmonic2 += rms(2) * rms(2) / kPoints;
        }
        EXPECT_NEAR(load->CoreLossDensity, density, 1e-4 * density);
        EXPECT_NEAR(load->MeanSquareCurrent, square, 1e-4 * square);
        EXPECT_NEAR(load->HarmonicSquares[0], harmonic1, 1e-4 * harmonic1);
        EXPECT_NEAR(load->HarmonicSquares[1], harmonic2, 1e-4 * harmonic2);
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 90);
}

// At D = 0.5 the spectrum is today's symmetric triangle: odd harmonics of 4ΔI/(√2π²h²), no even
// ones, and the iGSE factor is 1.
TEST_F(ConverterOperationTest, HalfDutyIsTheSymmetricTriangle) {
  // Forward at D 0.5: Vout (1 − D) volt-seconds, the rise fraction 0.5.
  const auto op = OperateConverter(Make(Topology::Forward, {12, 100, 10, 0.5f, 0.2f}));
  ASSERT_TRUE(op.ok()) << op.error();
  const CoreRecord core = FindCoreByPartNumber("KMA157060");
  const ConverterStack stack(*op, core, 1, 20);
  const auto load = stack.Load();
  ASSERT_TRUE(load.ok());
  const InstantLoad l = stack.At(op->Instants[0]);
  for (int h = 1; h <= 99; ++h) {
    const double want = h % 2 ? std::pow(4 * l.Ripple / (std::sqrt(2.0) * pi * pi * h * h), 2) : 0;
    EXPECT_NEAR(load->HarmonicSquares[static_cast<std::size_t>(h - 1)], want, 1e-12 * l.Ripple * l.Ripple) << h;
  }
  const double plain = CoreLossDensity(core.Permeability, core.Series, 100, static_cast<float>(l.FluxSwing));
  EXPECT_NEAR(l.CoreLossDensity, plain, 1e-12 * plain);
  // λ equals the screen's L × ΔI for the DC converters.
  EXPECT_NEAR(op->Instants[0].VoltSeconds, op->RequiredInductance * op->RippleCurrent, 1e-5 * op->Instants[0].VoltSeconds);
}

// Converters that cannot run are refused naming the input; the calculators' own refusals too.
TEST_F(ConverterOperationTest, RefusesConvertersThatCannotRun) {
  const struct {
    Converter c;
    const char* names;
  } cases[] = {
      {Make(Topology::Buck, {10, 5, 5, 100, 0.2f}), "Vin"},
      {Make(Topology::Boost, {100, 24, 12, 100, 0.2f}), "Vin"},
      {Make(Topology::PushPull, {12, 100, 10, 0.5f, 0.2f}), "D"},
      {Make(Topology::FullBridge, {12, 100, 10, 0.6f, 0.2f}), "D"},
      {Make(Topology::Pfc, {500, 300, 400, 65, 0.98f, 0.2f}), "Vin"},
      {Make(Topology::InverterLc, {2000, 300, 230, 20, 0.2f}), "Vdc"},
      {Make(Topology::Buck, {10, 48, 5, 200, 0}), "gamma"},
      {Make(Topology::Pfc, {500, 220, 400, 65, 1.5f, 0.2f}), "eta"},
  };
  for (const auto& c : cases) {
    const auto op = OperateConverter(c.c);
    ASSERT_FALSE(op.ok()) << TopologyName(c.c.Kind);
    EXPECT_NE(op.error().find(c.names), std::string::npos) << op.error();
  }
  // Every DC converter with valid inputs runs, with λ = L × ΔI.
  for (const Converter& c : {Make(Topology::Boost, {100, 12, 24, 100, 0.2f}),
                             Make(Topology::BuckBoost, {100, 12, 24, 100, 0.2f}),
                             Make(Topology::Buck, {5, 12, 5, 100, 0.2f}),
                             Make(Topology::FullBridge, {12, 100, 10, 0.4f, 0.2f})}) {
    const auto op = OperateConverter(c);
    ASSERT_TRUE(op.ok()) << op.error();
    EXPECT_NEAR(op->Instants[0].VoltSeconds, op->RequiredInductance * op->RippleCurrent,
                1e-5 * op->Instants[0].VoltSeconds);
  }
}

TEST_F(ConverterOperationTest, KmePolynomialExponentIsClamped) {
  for (const float f : {0.5f, 5.f, 20.f, 65.f, 150.f, 300.f, 400.f}) {
    const double alpha = CoreLossFrequencyExponent(60, "KME", f);
    EXPECT_GE(alpha, 1.0);
    EXPECT_LE(alpha, 2.0);
  }
  EXPECT_DOUBLE_EQ(CoreLossFrequencyExponent(60, "KMA", 100), 1.48592257983292);
  EXPECT_DOUBLE_EQ(CoreLossFrequencyExponent(40, "KMC", 100), 1.0);
}

}  // namespace
}  // namespace qiro
