#pragma once
// Reading the toroid calculator's inputs from its field texts before a design is evaluated.
// The same reading serves the silent refresh and the "计算" button: a refusal names the
// first input that cannot be evaluated, and only the button turns it into a message.
#include <cstdint>
#include <string>
#include <variant>

namespace qiro {

struct ToroidInputTexts {
  std::string averageCurrent;
  std::string peakCurrent;
  std::string rippleCurrent;
  std::string frequency;
  std::string wireDiameter;
  std::string strandCount;
  std::string turns;
  std::string coreCount;
  bool coreSelected = false;
};

// In the order the inputs are checked.
enum class ToroidInputFault {
  AverageCurrent,  // not above 0
  PeakCurrent,
  RippleCurrent,
  Frequency,
  Turns,           // not 1..400 once rounded to a whole count
  NoCore,
  StrandCount,     // more strands than a 16-bit count holds
  CoreCount,       // beyond the 32-bit float range
  WireDiameter,    // not above 0 (the wire list offers none such)
  // A positive number that a 32-bit float cannot hold (too large, or so small it would be
  // stored as 0): the user did type a number, so the message names the range instead.
  AverageCurrentRange,
  PeakCurrentRange,
  RippleCurrentRange,
  FrequencyRange,
};

struct ToroidInputs {
  float averageCurrent = 0;
  float peakCurrent = 0;
  float rippleCurrent = 0;
  float frequencyKHz = 0;
  float wireDiameter = 0;
  std::int16_t strandCount = 0;
  std::int16_t turns = 0;
  float coreCount = 0;
  // A strand count or core count that reads as 0 or less is taken as 1, and the screen
  // writes "1" back into the field.
  bool strandCountReplaced = false;
  bool coreCountReplaced = false;
};

inline constexpr std::int16_t kMostTurns = 400;

std::variant<ToroidInputs, ToroidInputFault> ReadToroidInputs(const ToroidInputTexts& texts);

}  // namespace qiro
