#include "design/calculators/topology_calculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "text/number_text.h"

namespace qiro {
namespace {

using Q = TopologyQuantity;

std::string Text(float v) { return GeneralNumberText(v); }

// The texts a screen would show, in computation order; empty when refused.
std::vector<std::string> Shown(Topology topology, std::vector<float> inputs) {
  const auto outcome = CalcTopology(topology, inputs);
  std::vector<std::string> texts;
  if (!outcome) return texts;
  for (const TopologyValue& v : *outcome) texts.push_back(TopologyValueText(v));
  return texts;
}

TEST(TopologyCalculators, WorkedExamples) {
  const struct {
    Topology topology;
    std::vector<float> inputs;
    std::vector<std::string> texts;
  } cases[] = {
      {Topology::Buck, {5, 12, 5, 100, 0.2f}, {"0.4166667", "25", "1", "5.5", "29.16667"}},
      {Topology::Boost,
       {100, 12, 24, 100, 0.2f},
       {"0.5", "4.166667", "8.333333", "1.666667", "9.166666", "36"}},
      {Topology::BuckBoost,
       {100, 12, 24, 100, 0.2f},
       {"0.6666667", "4.166667", "12.5", "2.5", "13.75", "32"}},
      {Topology::Pfc,
       {500, 220, 400, 65, 0.98f, 0.2f},
       {"0.2221825", "3.279716", "2.31910943447508", "1.25", "0.6559432", "1621.317"}},
      {Topology::InverterLc,
       {1000, 400, 220, 20, 0.2f},
       {"0.55", "4.545455", "6.428244", "1.285649", "7.071068", "3850.196"}},
      {Topology::Forward, {12, 100, 10, 0.4f, 0.2f}, {"2", "11", "36"}},
      {Topology::PushPull, {12, 100, 10, 0.4f, 0.2f}, {"2", "11", "6"}},
      {Topology::FullBridge, {12, 100, 10, 0.4f, 0.2f}, {"2", "11", "6"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(c.topology, c.inputs), c.texts) << static_cast<int>(c.topology);
  }
}

TEST(TopologyCalculators, ResultsComeInComputationOrder) {
  const struct {
    Topology topology;
    std::vector<Q> order;
  } cases[] = {
      {Topology::Buck, {Q::DutyCycle, Q::Power, Q::Ripple, Q::PeakCurrent, Q::Inductance}},
      {Topology::Boost,
       {Q::DutyCycle, Q::OutputCurrent, Q::InductorCurrent, Q::Ripple, Q::PeakCurrent,
        Q::Inductance}},
      {Topology::Pfc,
       {Q::DutyCycle, Q::PeakCurrent, Q::InductorRmsCurrent, Q::OutputCurrent, Q::Ripple,
        Q::Inductance}},
      {Topology::Forward, {Q::Ripple, Q::PeakCurrent, Q::Inductance}},
  };
  for (const auto& c : cases) {
    const std::vector<float> inputs(c.topology == Topology::Pfc ? 6 : 5, 0.5f);
    const auto outcome = CalcTopology(c.topology, inputs);
    ASSERT_TRUE(outcome) << outcome.error();
    std::vector<Q> order;
    for (const auto& v : *outcome) order.push_back(v.quantity);
    EXPECT_EQ(order, c.order);
  }
}

// Results outside the ordinary range are shown as computed, without refusal.
TEST(TopologyCalculators, UnusualButValidOperatingPoints) {
  const struct {
    const char* what;
    Topology topology;
    std::vector<float> inputs;
    std::vector<std::string> texts;
  } cases[] = {
      {"buck Vin = Vout", Topology::Buck, {5, 12, 12, 100, 0.2f}, {"1", "60", "1", "5.5", "0"}},
      {"buck Vout > Vin", Topology::Buck, {1, 10, 20, 100, 0.5f},
       {"2", "20", "0.5", "1.25", "-400"}},
      {"boost Vin = Vout", Topology::Boost, {100, 20, 20, 100, 0.2f},
       {"0", "5", "5", "1", "5.5", "0"}},
      {"boost Vin > Vout", Topology::Boost, {100, 40, 20, 100, 0.2f},
       {"-1", "5", "2.5", "0.5", "2.75", "-800"}},
      {"buck-boost Vin = Vout", Topology::BuckBoost, {100, 20, 20, 100, 0.2f},
       {"0.5", "5", "10", "2", "11", "50"}},
      {"inverter Vout = Vdc", Topology::InverterLc, {100, 50, 50, 20, 0.2f},
       {"1", "2", "2.828427", "0.5656855", "3.11127", "0"}},
      {"push-pull D = 0.5", Topology::PushPull, {12, 100, 10, 0.5f, 0.2f}, {"2", "11", "0"}},
      {"full bridge D > 0.5", Topology::FullBridge, {12, 100, 10, 0.75f, 0.2f},
       {"2", "11", "-15"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(c.topology, c.inputs), c.texts) << c.what;
  }
}

TEST(TopologyCalculators, PfcCrestEqualToOutputGivesZeroDutyAndInductance) {
  // The crest equals Vout only when √2 × Vin is exactly the stored Vout.
  const float vin = 100;
  const float vout = static_cast<float>(100 * std::sqrt(2.0));
  const auto r = CalcPfc(100, vin, vout, 50, 1, 0.2f);
  ASSERT_TRUE(r);
  EXPECT_NEAR(r->D, 0, 1e-7);
  EXPECT_NEAR(r->L, 0, 1e-3);
}

// Each formula runs from the stored 32-bit values of the earlier ones.
TEST(TopologyCalculators, LaterFormulasUseStoredValues) {
  const auto boost = CalcBoost(100, 12, 24, 100, 0.2f);
  ASSERT_TRUE(boost);
  EXPECT_EQ(Text(boost->ILpk), "9.166666");  // 1.666667 / 2 + 8.333333, not 9.166667
  EXPECT_EQ(boost->ILpk,
            static_cast<float>(static_cast<double>(boost->dI) / 2 + static_cast<double>(boost->IL)));
  const auto pfc = CalcPfc(500, 220, 400, 65, 0.98f, 0.2f);
  ASSERT_TRUE(pfc);
  EXPECT_EQ(pfc->ILrms, static_cast<double>(pfc->ILpk) / std::sqrt(2.0));
}

TEST(TopologyCalculators, RefuseInputsOutsideTheirTests) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    const char* what;
    Topology topology;
    std::vector<float> inputs;
  } cases[] = {
      {"buck Iout 0", Topology::Buck, {0, 12, 5, 100, 0.2f}},
      {"buck negative Vin", Topology::Buck, {5, -12, 5, 100, 0.2f}},
      {"buck gamma 0", Topology::Buck, {5, 12, 5, 100, 0}},
      {"boost P 0", Topology::Boost, {0, 12, 24, 100, 0.2f}},
      {"buck-boost f 0", Topology::BuckBoost, {100, 12, 24, 0, 0.2f}},
      {"pfc eta 0", Topology::Pfc, {500, 220, 400, 65, 0, 0.2f}},
      {"pfc eta above 1", Topology::Pfc, {500, 220, 400, 65, 1.01f, 0.2f}},
      {"inverter Vdc 0", Topology::InverterLc, {1000, 0, 220, 20, 0.2f}},
      {"forward D 0", Topology::Forward, {12, 100, 10, 0, 0.2f}},
      {"forward D 1", Topology::Forward, {12, 100, 10, 1, 0.2f}},
      {"push-pull D above 1", Topology::PushPull, {12, 100, 10, 1.5f, 0.2f}},
      {"full bridge Iout 0", Topology::FullBridge, {12, 100, 0, 0.4f, 0.2f}},
      {"infinite input", Topology::Buck, {inf, 12, 5, 100, 0.2f}},
      {"nan input", Topology::Boost, {100, nan, 24, 100, 0.2f}},
      {"too few inputs", Topology::Pfc, {500, 220, 400, 65, 0.98f}},
      {"too many inputs", Topology::Buck, {5, 12, 5, 100, 0.2f, 1}},
  };
  for (const auto& c : cases) {
    const auto outcome = CalcTopology(c.topology, c.inputs);
    EXPECT_FALSE(outcome) << c.what;
    EXPECT_FALSE(outcome.error().empty()) << c.what;
  }
  EXPECT_TRUE(CalcPfc(500, 220, 400, 65, 1, 0.2f)) << "an efficiency of 1 is accepted";
}

// Valid inputs whose results leave the float range are refused as a whole.
TEST(TopologyCalculators, RefuseResultsOutsideTheFloatRange) {
  const float big = 3e38f;
  const float tiny = std::numeric_limits<float>::denorm_min();
  const struct {
    const char* what;
    Topology topology;
    std::vector<float> inputs;
  } cases[] = {
      {"boost D rounds to 1", Topology::Boost, {100, 1, 40000000, 100, 0.2f}},
      {"buck-boost D rounds to 1", Topology::BuckBoost, {100, 1, 40000000, 100, 0.2f}},
      {"buck power overflows", Topology::Buck, {big, 12, 5, 100, 0.2f}},
      {"buck ripple rounds to 0", Topology::Buck, {tiny, 12, 5, 100, 0.2f}},
      {"boost L overflows", Topology::Boost, {100, 1e38f, 2e38f, 100, 0.2f}},
      {"pfc peak overflows", Topology::Pfc, {big, 1, 400, 65, tiny, 0.2f}},
      {"inverter L overflows", Topology::InverterLc, {tiny, 400, 220, 20, 0.2f}},
      {"forward L overflows", Topology::Forward, {big, tiny, 10, 0.4f, 0.2f}},
      {"push-pull ripple rounds to 0", Topology::PushPull, {12, 100, tiny, 0.4f, tiny}},
  };
  for (const auto& c : cases) {
    const auto outcome = CalcTopology(c.topology, c.inputs);
    EXPECT_FALSE(outcome) << c.what;
    if (!outcome) {
      EXPECT_NE(outcome.error().find("float range"), std::string::npos) << c.what;
    }
  }
}

TEST(TopologyInputs, TextPassesBothAsReadAndAsStored) {
  const struct {
    TopologyTest test;
    const char* text;
    bool passes;
  } cases[] = {
      {TopologyTest::Positive, "5", true},
      {TopologyTest::Positive, "12.5.3", true},
      {TopologyTest::Positive, "", false},
      {TopologyTest::Positive, ".", false},
      {TopologyTest::Positive, "0", false},
      {TopologyTest::Positive, "1e-46", false},  // positive, but stored as 0
      {TopologyTest::Positive, "1e-45", true},   // the smallest float
      {TopologyTest::Positive, "1e39", false},   // beyond the float range
      {TopologyTest::Positive, "3.4e38", true},
      {TopologyTest::Positive, "1e999", false},
      {TopologyTest::DutyCycle, "0.4", true},
      {TopologyTest::DutyCycle, "0", false},
      {TopologyTest::DutyCycle, "1", false},
      {TopologyTest::DutyCycle, "0.99999999", false},  // below 1, but stored as 1
      {TopologyTest::DutyCycle, "0.9999999", true},
      {TopologyTest::DutyCycle, "", false},
      {TopologyTest::Efficiency, "1", true},
      {TopologyTest::Efficiency, "0.98", true},
      {TopologyTest::Efficiency, "1.01", false},
      {TopologyTest::Efficiency, "1.00000001", false},  // above 1, though stored as 1
      {TopologyTest::Efficiency, "0", false},
      {TopologyTest::Efficiency, "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PassesTopologyTest(c.test, c.text), c.passes)
        << '"' << c.text << "\" test " << static_cast<int>(c.test);
  }
  EXPECT_EQ(TopologyInputValue("12.5.3"), 12.5f);
  EXPECT_EQ(TopologyInputValue("0.2"), 0.2f);
}

TEST(TopologyCalculators, BeyondTheRangeOnlyWhenTheTypedNumberPasses) {
  using T = TopologyTest;
  EXPECT_TRUE(BeyondTopologyRange(T::Positive, "1E39"));
  EXPECT_TRUE(BeyondTopologyRange(T::Positive, "1e-50"));
  EXPECT_FALSE(BeyondTopologyRange(T::Positive, "-1E39"));
  EXPECT_FALSE(BeyondTopologyRange(T::Positive, "5"));
  EXPECT_FALSE(BeyondTopologyRange(T::Positive, ""));
  // Stored as exactly 1: refused by the duty cycle's own rule, not a range.
  EXPECT_FALSE(BeyondTopologyRange(T::DutyCycle, "0.99999999"));
  EXPECT_FALSE(BeyondTopologyRange(T::Efficiency, "1E39"));
}

}  // namespace
}  // namespace qiro
