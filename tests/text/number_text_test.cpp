#include "text/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "text/float_range.h"
#include "text/key_rules.h"

namespace qiro {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},         {".", 0},          {"abc", 0},      {"-", 0},       {"0.5", 0.5},
      {".5", 0.5},     {"12.5.3", 12.5},  {"1.2.3", 1.2},  {"3abc", 3},    {"  5", 5},
      {"+5", 5},       {"-2.5", -2.5},    {"1e3", 1000},   {"1E3", 1000},  {"2E-2", 0.02},
      {"1e", 1},       {"1e+", 1},        {"7.", 7},       {"1,5", 1},     {"５", 0},
      {"10\n20", 10},  {"0x10", 0},       {"-0", -0.0},    {"1e-400", 0},  {"..5", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(LeadingNumber, BeyondTheDoubleRangeIsInfinite) {
  EXPECT_EQ(LeadingNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber(std::string(10000, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("0.0000e99999999999999999"), 0.0);
  EXPECT_EQ(LeadingNumber("0.001e-400"), 0.0);
  EXPECT_EQ(LeadingNumber("1e39"), 1e39);
}

TEST(IsNumberText, WholeTextMustBeOneNumber) {
  const struct {
    const char* text;
    bool number;
  } cases[] = {
      {"12", true},   {"1.5", true},  {"-2", true},  {" 7 ", true}, {"+5", true},
      {".5", true},   {"1e5", true},  {"5.", true},  {"", false},   {"1.2.3", false},
      {"abc", false}, {"1a", false},  {".", false},  {"1e", false}, {"  ", false},
      {"1 2", false}, {"1,5", false}, {"NaN", false}, {"inf", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNumberText(c.text), c.number) << '"' << c.text << '"';
  }
}

TEST(ToInteger16, RoundsHalfToEvenAndRefusesOutOfRange) {
  const struct {
    double value;
    int expected;
  } cases[] = {{0.5, 0},   {1.5, 2},     {2.5, 2},         {3.5, 4},        {-2.5, -2},
               {0.4, 0},   {-0.5, 0},    {32767, 32767},   {-32768, -32768}, {32767.4, 32767},
               {-32768.5, -32768},       {2.6, 3}};
  for (const auto& c : cases) {
    const auto result = ToInteger16(c.value);
    ASSERT_TRUE(result.has_value()) << c.value;
    EXPECT_EQ(*result, c.expected) << c.value;
  }
  for (double bad : {32767.5, 32768.0, -32769.0, 99999.0, 1e300,
                     std::numeric_limits<double>::infinity(), std::nan("")}) {
    EXPECT_FALSE(ToInteger16(bad).has_value()) << bad;
  }
}

TEST(ToFloat32, NarrowsWithoutUndefinedBehaviour) {
  EXPECT_EQ(ToFloat32(1.5), 1.5f);
  EXPECT_TRUE(std::isinf(ToFloat32(1e39)));
  EXPECT_TRUE(std::isinf(ToFloat32(-1e39)));
  EXPECT_EQ(ToFloat32(3.4028235e38), std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isnan(ToFloat32(std::nan(""))));
  EXPECT_FALSE(FitsFloat32(1e39));
  EXPECT_TRUE(FitsFloat32(1e38));
  EXPECT_EQ(ToFloat32(1e-46), 0.0f);
}

TEST(GeneralNumberText, FloatsShowSevenDigits) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {29.166667f, "29.16667"},      {25.0f, "25"},          {2.0f, "2"},
      {3.30f, "3.3"},                {5.0f / 12.0f, "0.4166667"}, {0.5f, "0.5"},
      {12345678.0f, "1.234568E+07"}, {-1.5f, "-1.5"},        {-0.0f, "0"},
      {0.0001f, "0.0001"},           {0.00001f, "1E-05"},    {1234567.0f, "1234567"},
      {3.3f, "3.3"},                 {1e-40f, "9.999946E-41"}, {3.4028235e38f, "3.402823E+38"},
  };
  for (const auto& c : cases) EXPECT_EQ(GeneralNumberText(c.value), c.text) << c.text;
}

TEST(GeneralNumberText, DoublesShowFifteenDigits) {
  EXPECT_EQ(GeneralNumberText(10 * 1.414), "14.14");
  EXPECT_EQ(GeneralNumberText(10 * 1.414 * 0.2), "2.828");
  EXPECT_EQ(GeneralNumberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(GeneralNumberText(1e15), "1E+15");
  EXPECT_EQ(GeneralNumberText(123456789012345.0), "123456789012345");
  EXPECT_EQ(GeneralNumberText(1e-5), "1E-05");
  EXPECT_EQ(GeneralNumberText(1e100), "1E+100");
  EXPECT_EQ(GeneralNumberText(static_cast<double>(static_cast<float>(95.26))), "95.2600021362305");
}

TEST(GeneralNumberText, IntegersArePlain) {
  EXPECT_EQ(GeneralNumberText(std::int16_t{37}), "37");
  EXPECT_EQ(GeneralNumberText(std::int16_t{-32768}), "-32768");
  EXPECT_EQ(GeneralNumberText(0), "0");
}

TEST(PatternText, FixedDecimals) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      {12.7324, "0.00", "12.73"}, {0, "0.00", "0.00"},    {9.84, "0.000", "9.840"},
      {0.5, "0.00", "0.50"},      {2.675, "0.00", "2.67"}, {-1.25, "0.0", "-1.2"},
      {-0.001, "0.00", "0.00"},   {1234.5678, "0.0", "1234.6"}, {0.05, "0.0", "0.1"},
      {static_cast<double>(9.84f), "0.000", "9.840"},
  };
  for (const auto& c : cases) EXPECT_EQ(PatternText(c.value, c.pattern), c.text) << c.text;
}

// The number text is written by its own code in every build. Where the C++ library has the
// floating-point std::to_chars and std::from_chars (the desktop's), their texts and values
// are the reference, over values drawn from every part of both float ranges.
template <class T>
std::string StdText(T value) {
  char buffer[400];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}
std::string StdText(double value, std::chars_format format, int precision) {
  char buffer[400];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr);
}

template <class T, class Bits>
T FiniteFrom(std::mt19937_64& random) {
  for (;;) {
    const auto bits = static_cast<Bits>(random());
    T value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) return value;
  }
}

TEST(NumberText, WritesAndReadsAsTheStandardLibrary) {
  std::mt19937_64 random(27);
  std::vector<double> doubles = {0.0, -0.0, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                                 1e15, 1e16, 1e22, 1e23, 9007199254740993.0, 123456789012345680000.0,
                                 0.0001, 0.001, 1e-5, 0.3, 2.675, 14.14, 1.0 / 3.0};
  std::vector<float> floats = {0.0f, -0.0f, 1e-45f, 1.17549435e-38f, 3.4028235e38f, 16777216.0f,
                               16777217.0f, 12345678848.0f, 1e10f, 0.1f, 7.038531e-26f, 29.166667f};
  for (int i = 0; i < 40000; ++i) {
    doubles.push_back(FiniteFrom<double, std::uint64_t>(random));
    floats.push_back(FiniteFrom<float, std::uint32_t>(random));
    // Values a user types: a few digits at a power of ten.
    const double typed = static_cast<double>(random() % 100000) *
                         std::pow(10.0, static_cast<int>(random() % 40) - 20);
    doubles.push_back(typed);
    floats.push_back(static_cast<float>(typed));
    doubles.push_back(static_cast<double>(floats.back()));
  }
  for (double d : doubles) {
    ASSERT_EQ(ShortestText(d), StdText(d)) << StdText(d);
    const int digits = 1 + static_cast<int>(random() % 17);
    ASSERT_EQ(PrintfGeneralText(d, digits), StdText(d, std::chars_format::general, digits)) << StdText(d);
    const int decimals = static_cast<int>(random() % 4);
    if (std::fabs(d) < 1e30) {
      const std::string fixed = StdText(d, std::chars_format::fixed, decimals);
      const std::string pattern = decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
      const std::string shown = PatternText(d, pattern);
      ASSERT_TRUE(shown == fixed || "-" + shown == fixed) << fixed;
    }
    // Every text the program writes reads back to its value, and reads as the library reads it.
    for (const std::string& text : {StdText(d), StdText(d, std::chars_format::scientific, 25),
                                    StdText(d, std::chars_format::general, 9)}) {
      double expected = 0;
      std::from_chars(text.data(), text.data() + text.size(), expected);
      ASSERT_EQ(LeadingNumber(text), expected) << text;
    }
    ASSERT_EQ(LeadingNumber(ShortestText(d)), d) << StdText(d);
  }
  for (float f : floats) ASSERT_EQ(ShortestText(f), StdText(f)) << StdText(f);
  EXPECT_EQ(ShortestText(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(ShortestText(-std::numeric_limits<float>::infinity()), "-inf");
}

// A user whose locale writes "," as the decimal point sees the same texts.
TEST(NumberText, SameUnderACommaLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
    GTEST_SKIP() << "locale de_DE.UTF-8 is not generated on this machine";
  }
  EXPECT_EQ(GeneralNumberText(29.166667f), "29.16667");
  EXPECT_EQ(PatternText(12.7324, "0.00"), "12.73");
  EXPECT_EQ(ShortestText(0.1), "0.1");
  EXPECT_EQ(ShortestText(1.5e-7f), "1.5e-07");
  EXPECT_EQ(PrintfGeneralText(1234.5678, 6), "1234.57");
  EXPECT_EQ(LeadingNumber("1.5"), 1.5);
  EXPECT_EQ(LeadingNumber("1,5"), 1.0);
  EXPECT_TRUE(IsNumberText("2.5"));
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(KeyFilters, NumericAndInteger) {
  for (int key = 0; key < 128; ++key) {
    const bool digit = key >= '0' && key <= '9';
    EXPECT_EQ(NumericKeyFilter(key), digit || key == '.' || key == 8) << key;
    EXPECT_EQ(IntegerKeyFilter(key), digit || key == 8) << key;
  }
}

TEST(KeyFilters, SignedNumericTakesOneLeadingMinus) {
  // Every other key is judged as the numeric filter judges it, wherever it goes.
  for (int key = 0; key < 128; ++key) {
    if (key == '-') continue;
    EXPECT_EQ(SignedNumericKeyFilter(key, u"-40", 0, 0), NumericKeyFilter(key)) << key;
    EXPECT_EQ(SignedNumericKeyFilter(key, u"40", 1, 1), NumericKeyFilter(key)) << key;
  }
  const struct {
    std::u16string_view text;
    std::size_t position;
    std::size_t selected;
    bool taken;
  } cases[] = {
      {u"", 0, 0, true},       // the first key of the field
      {u"40", 0, 0, true},     // typed in front of the number
      {u"40", 1, 0, false},    // "4-0"
      {u"40", 2, 0, false},    // "40-"
      {u"-40", 0, 0, false},   // a second minus
      {u"-40", 1, 0, false},
      {u"-40", 0, 1, true},    // over the old minus
      {u"-40", 0, 3, true},    // over everything
      {u"40", 0, 2, true},
      {u"40", 0, 7, true},     // a selection longer than the text takes all of it
      {u"-40", 1, 2, false},   // a selection that does not start at the beginning
      {u"4-0", 0, 1, false},   // a pasted minus would stay behind it
      {u"4-0", 0, 2, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SignedNumericKeyFilter('-', c.text, c.position, c.selected), c.taken)
        << std::string(c.text.begin(), c.text.end()) << " at " << c.position << " over "
        << c.selected;
  }
}

}  // namespace
}  // namespace qiro
