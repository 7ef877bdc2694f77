#include "design/calculators/selection_inputs.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

TEST(ReadGroupedInputs, ChecksInTheOrderTheUserIsTold) {
  using P = GroupedInputProblem;
  const struct {
    const char *current, *inductance, *count;
    P problem;
    bool raised;
  } cases[] = {
      {"5", "100", "1", P::None, false},
      {"", "", "1", P::CurrentEmpty, false},
      {"abc", "100", "1", P::CurrentNotNumeric, false},
      {"1.2.3", "100", "1", P::CurrentNotNumeric, false},
      {"0", "100", "1", P::None, true},
      {"0.05", "100", "1", P::None, true},
      {"0.1", "100", "1", P::None, false},
      {"0", "", "1", P::InductanceEmpty, true},  // the low-current note comes first
      {"300", "100", "1", P::None, false},
      {"300.01", "100", "1", P::CurrentTooLarge, false},
      {"1E39", "100", "1", P::CurrentBeyondRange, false},
      {"5", "", "1", P::InductanceEmpty, false},
      {"5", "1..", "1", P::InductanceNotNumeric, false},
      {"5", "0", "1", P::InductanceOutOfRange, false},
      {"5", "70000", "1", P::None, false},
      {"5", "70000.01", "1", P::InductanceOutOfRange, false},
      {"5", "1E39", "1", P::InductanceBeyondRange, false},
      {"5", "-1E39", "1", P::InductanceOutOfRange, false},
      {"5", "100", "70000", P::CoreCountOutOfRange, false},
      {"", "", "1E39", P::CoreCountOutOfRange, false},
      {"5", "100", "0", P::None, false},
      {"5", "100", "abc", P::None, false},
  };
  for (const auto& c : cases) {
    const auto in = ReadGroupedInputs(c.current, c.inductance, c.count, "3");
    EXPECT_EQ(in.Problem, c.problem) << c.current << " | " << c.inductance << " | " << c.count;
    EXPECT_EQ(in.CurrentRaised, c.raised) << c.current;
  }
}

TEST(ReadGroupedInputs, ReadsTheValues) {
  const auto low = ReadGroupedInputs("0", "47.5", "2.5", "10");
  EXPECT_EQ(low.Current, 0.1f);
  EXPECT_EQ(low.Inductance, 47.5f);
  EXPECT_EQ(low.CoreCount, 2);  // halves to even
  EXPECT_EQ(low.DensityChoice, 10);
  EXPECT_EQ(ReadGroupedInputs("5", "1", "3.5", "3").CoreCount, 4);
  EXPECT_EQ(ReadGroupedInputs("5", "1", "-3", "3").CoreCount, -3);
  EXPECT_EQ(ReadGroupedInputs("5", "1", "", "3").CoreCount, 0);
}

TEST(ReadFitInputs, ChecksInTheOrderTheUserIsTold) {
  using P = FitInputProblem;
  const struct {
    const char *current, *inductance, *count;
    P problem;
  } cases[] = {
      {"5", "100", "1", P::None},
      {"5", "100", "0", P::CoreCountMissing},
      {"5", "100", "", P::CoreCountMissing},
      {"5", "100", "0.5", P::CoreCountMissing},  // halves to even: 0
      {"5", "100", "70000", P::CoreCountOutOfRange},
      {"", "", "1", P::CurrentEmpty},
      {"abc", "100", "1", P::CurrentNotNumeric},
      {"0", "100", "1", P::CurrentNotPositive},
      {"1E39", "100", "1", P::CurrentBeyondRange},
      {"1E-50", "100", "1", P::CurrentBeyondRange},
      {"-1E39", "100", "1", P::CurrentNotPositive},
      {"5", "", "1", P::InductanceEmpty},
      {"5", "x", "1", P::InductanceNotNumeric},
      {"5", "0", "1", P::InductanceNotPositive},
      {"5", "1E39", "1", P::InductanceBeyondRange},
      {"5", "-1E39", "1", P::InductanceNotPositive},
      {"5", "3E38", "1", P::None},
      {"5", "1E300", "7", P::InductanceBeyondRange},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadFitInputs(c.current, c.inductance, c.count).Problem, c.problem)
        << c.current << " | " << c.inductance << " | " << c.count;
  }
  const auto in = ReadFitInputs("2.5", "330", "1.5");
  EXPECT_EQ(in.CoreCount, 2);
  EXPECT_EQ(in.Current, 2.5f);
  EXPECT_EQ(in.Inductance, 330.0);
}

}  // namespace
}  // namespace qiro
