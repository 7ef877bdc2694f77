#include "design/calculators/toroid_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace qiro {
namespace {

// The worked example as the screen would hold it after typing 10 A, 100 kHz and 10 turns.
ToroidInputTexts Example() {
  ToroidInputTexts t;
  t.averageCurrent = "10";
  t.peakCurrent = "14.14";
  t.rippleCurrent = "2.828";
  t.frequency = "100";
  t.wireDiameter = "1.0";
  t.strandCount = "1";
  t.turns = "10";
  t.coreCount = "1";
  t.coreSelected = true;
  return t;
}

TEST(ReadToroidInputs, ReadsTheWorkedExample) {
  const auto read = ReadToroidInputs(Example());
  ASSERT_TRUE(std::holds_alternative<ToroidInputs>(read));
  const auto& in = std::get<ToroidInputs>(read);
  EXPECT_EQ(in.averageCurrent, 10.0f);
  EXPECT_EQ(in.peakCurrent, 14.14f);
  EXPECT_EQ(in.rippleCurrent, 2.828f);
  EXPECT_EQ(in.frequencyKHz, 100.0f);
  EXPECT_EQ(in.wireDiameter, 1.0f);
  EXPECT_EQ(in.strandCount, 1);
  EXPECT_EQ(in.turns, 10);
  EXPECT_EQ(in.coreCount, 1.0f);
  EXPECT_FALSE(in.strandCountReplaced);
  EXPECT_FALSE(in.coreCountReplaced);
}

TEST(ReadToroidInputs, RefusesTheFirstInputThatCannotBeEvaluated) {
  using F = ToroidInputFault;
  const std::string huge(40, '9');  // beyond the 32-bit float range
  const struct {
    const char* what;
    void (*change)(ToroidInputTexts&, const std::string&);
    std::string text;
    F fault;
  } cases[] = {
      {"empty average", [](ToroidInputTexts& t, const std::string& s) { t.averageCurrent = s; }, "", F::AverageCurrent},
      {"zero average", [](ToroidInputTexts& t, const std::string& s) { t.averageCurrent = s; }, "0.0", F::AverageCurrent},
      {"letters", [](ToroidInputTexts& t, const std::string& s) { t.averageCurrent = s; }, "abc", F::AverageCurrent},
      {"full-width digits", [](ToroidInputTexts& t, const std::string& s) { t.averageCurrent = s; }, "１０", F::AverageCurrent},
      {"huge average", [](ToroidInputTexts& t, const std::string& s) { t.averageCurrent = s; }, huge, F::AverageCurrentRange},
      {"underflowing average", [](ToroidInputTexts& t, const std::string& s) { t.averageCurrent = s; }, "1e-50", F::AverageCurrentRange},
      {"zero peak", [](ToroidInputTexts& t, const std::string& s) { t.peakCurrent = s; }, "0", F::PeakCurrent},
      {"huge peak", [](ToroidInputTexts& t, const std::string& s) { t.peakCurrent = s; }, huge, F::PeakCurrentRange},
      {"lone point ripple", [](ToroidInputTexts& t, const std::string& s) { t.rippleCurrent = s; }, ".", F::RippleCurrent},
      {"empty frequency", [](ToroidInputTexts& t, const std::string& s) { t.frequency = s; }, "", F::Frequency},
      {"huge frequency", [](ToroidInputTexts& t, const std::string& s) { t.frequency = s; }, huge, F::FrequencyRange},
      {"zero turns", [](ToroidInputTexts& t, const std::string& s) { t.turns = s; }, "0", F::Turns},
      {"turns rounding to 0", [](ToroidInputTexts& t, const std::string& s) { t.turns = s; }, "0.4", F::Turns},
      {"half a turn is 0", [](ToroidInputTexts& t, const std::string& s) { t.turns = s; }, "0.5", F::Turns},
      {"401 turns", [](ToroidInputTexts& t, const std::string& s) { t.turns = s; }, "401", F::Turns},
      {"1000 turns", [](ToroidInputTexts& t, const std::string& s) { t.turns = s; }, "1000", F::Turns},
      {"99999 turns", [](ToroidInputTexts& t, const std::string& s) { t.turns = s; }, "99999", F::Turns},
      {"32768 strands", [](ToroidInputTexts& t, const std::string& s) { t.strandCount = s; }, "32768", F::StrandCount},
      {"40000 strands", [](ToroidInputTexts& t, const std::string& s) { t.strandCount = s; }, "40000", F::StrandCount},
      {"99999 strands", [](ToroidInputTexts& t, const std::string& s) { t.strandCount = s; }, "99999", F::StrandCount},
      {"huge core count", [](ToroidInputTexts& t, const std::string& s) { t.coreCount = s; }, huge, F::CoreCount},
      {"zero wire", [](ToroidInputTexts& t, const std::string& s) { t.wireDiameter = s; }, "0", F::WireDiameter},
  };
  for (const auto& c : cases) {
    ToroidInputTexts texts = Example();
    c.change(texts, c.text);
    const auto read = ReadToroidInputs(texts);
    ASSERT_TRUE(std::holds_alternative<ToroidInputFault>(read)) << c.what;
    EXPECT_EQ(std::get<ToroidInputFault>(read), c.fault) << c.what;
  }

  ToroidInputTexts none = Example();
  none.coreSelected = false;
  EXPECT_EQ(std::get<ToroidInputFault>(ReadToroidInputs(none)), F::NoCore);
}

TEST(ReadToroidInputs, ChecksInTheOrderOfTheMessages) {
  ToroidInputTexts empty;  // every field empty, nothing selected
  EXPECT_EQ(std::get<ToroidInputFault>(ReadToroidInputs(empty)), ToroidInputFault::AverageCurrent);
  ToroidInputTexts t = Example();
  t.frequency = "0";
  t.turns = "0";
  t.coreSelected = false;
  EXPECT_EQ(std::get<ToroidInputFault>(ReadToroidInputs(t)), ToroidInputFault::Frequency);
  t.frequency = "100";
  EXPECT_EQ(std::get<ToroidInputFault>(ReadToroidInputs(t)), ToroidInputFault::Turns);
  t.turns = "400";
  EXPECT_EQ(std::get<ToroidInputFault>(ReadToroidInputs(t)), ToroidInputFault::NoCore);
}

TEST(ReadToroidInputs, CountsBelowOneBecomeOne) {
  const struct {
    const char* strands;
    const char* cores;
    std::int16_t strandCount;
    float coreCount;
    bool strandsReplaced;
    bool coresReplaced;
  } cases[] = {
      {"", "", 1, 1, true, true},
      {"0", "0", 1, 1, true, true},
      {"0.4", "1e-60", 1, 1, true, true},  // 0 strands once rounded; a stack that stores as 0
      {"-5", "-2", 1, 1, true, true},
      {"-99999", "abc", 1, 1, true, true},
      {"2.5", "1.5", 2, 1.5f, false, false},  // halves go to the even count
      {"3.5", "2.", 4, 2, false, false},
      {"32767", "6", 32767, 6, false, false},
      {"12abc", "3.3.3", 12, 3.3f, false, false},
  };
  for (const auto& c : cases) {
    ToroidInputTexts texts = Example();
    texts.strandCount = c.strands;
    texts.coreCount = c.cores;
    const auto read = ReadToroidInputs(texts);
    ASSERT_TRUE(std::holds_alternative<ToroidInputs>(read)) << c.strands << " / " << c.cores;
    const auto& in = std::get<ToroidInputs>(read);
    EXPECT_EQ(in.strandCount, c.strandCount) << c.strands;
    EXPECT_EQ(in.coreCount, c.coreCount) << c.cores;
    EXPECT_EQ(in.strandCountReplaced, c.strandsReplaced) << c.strands;
    EXPECT_EQ(in.coreCountReplaced, c.coresReplaced) << c.cores;
  }
}

TEST(ReadToroidInputs, TurnsAreWholeCountsUpTo400) {
  for (const auto& [text, turns] : {std::pair{"1", 1}, {"0.6", 1}, {"1.5", 2}, {"2.5", 2},
                                    {"37", 37}, {"400", 400}, {"400.4", 400}}) {
    ToroidInputTexts texts = Example();
    texts.turns = text;
    const auto read = ReadToroidInputs(texts);
    ASSERT_TRUE(std::holds_alternative<ToroidInputs>(read)) << text;
    EXPECT_EQ(std::get<ToroidInputs>(read).turns, turns) << text;
  }
}

// A number the user typed that a float cannot hold is told apart from a missing one.
TEST(ReadToroidInputs, NumbersBeyondTheFloatRangeAreNamedAsSuch) {
  using F = ToroidInputFault;
  const std::string huge = "1" + std::string(39, '0');
  const std::string tiny = "1e-50";
  const struct {
    std::string ToroidInputTexts::*field;
    std::string text;
    F fault;
  } cases[] = {
      {&ToroidInputTexts::averageCurrent, huge, F::AverageCurrentRange},
      {&ToroidInputTexts::peakCurrent, "1E39", F::PeakCurrentRange},
      {&ToroidInputTexts::rippleCurrent, tiny, F::RippleCurrentRange},
      {&ToroidInputTexts::frequency, huge, F::FrequencyRange},
      {&ToroidInputTexts::averageCurrent, "-1E39", F::AverageCurrent},
      {&ToroidInputTexts::frequency, "0", F::Frequency},
  };
  for (const auto& c : cases) {
    ToroidInputTexts t = Example();
    t.*c.field = c.text;
    EXPECT_EQ(std::get<ToroidInputFault>(ReadToroidInputs(t)), c.fault) << c.text;
  }
}

}  // namespace
}  // namespace qiro
