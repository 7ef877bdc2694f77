#include "design/calculators/toroid_inputs.h"

#include <gtest/gtest.h>

#include <string>

namespace qiro {
namespace {

TEST(ToroidInputs, PeakAndRippleTexts) {
  EXPECT_EQ(PeakFromAverage("10"), "14.14");
  EXPECT_EQ(RippleFromAverage("10"), "2.828");
  EXPECT_EQ(RippleFromPeak("14.14", 0.2), "2.828");
  EXPECT_EQ(RippleFromPeak("14.14", 0.15), "2.121");
  EXPECT_EQ(RippleFromPeak("14.14", 0.1), "1.414");
  EXPECT_EQ(PeakFromAverage(""), "0");
  EXPECT_EQ(PeakFromAverage("abc"), "0");
  EXPECT_EQ(PeakFromAverage("1.2.3"), "1.6968");
  EXPECT_EQ(PeakFromAverage("1e39"), "1.414E+39");  // a double: the float check comes later
}

TEST(ToroidInputs, ResultsBeyondTheRangeAreNotWritten) {
  EXPECT_FALSE(PeakFromAverage("1.5e308"));
  EXPECT_FALSE(PeakFromAverage(std::string(400, '9')));
  EXPECT_FALSE(RippleFromPeak("1e400", 0.2));
}

TEST(ToroidInputs, CurrentDensityCaption) {
  EXPECT_EQ(CurrentDensityCaption("10", "1.0", "1"), "电流密度=12.73");
  EXPECT_EQ(CurrentDensityCaption("10", "1.0", "2"), "电流密度=6.37");
  EXPECT_EQ(CurrentDensityCaption("0", "1.0", "1"), "电流密度=0.00");
  EXPECT_EQ(CurrentDensityCaption("10", "1.0", "0"), "电流密度=0.00");
  EXPECT_EQ(CurrentDensityCaption("10", "1.0", ""), "电流密度=0.00");
  EXPECT_FALSE(CurrentDensityCaption("1e39", "1.0", "1"));
  EXPECT_FALSE(CurrentDensityCaption("10", "1.0", "1e39"));
  EXPECT_FALSE(CurrentDensityCaption("3e38", "0.1", "1"));  // the density itself overflows
}

}  // namespace
}  // namespace qiro
