#pragma once
// Reading and checking what the user typed on the two core selection screens, in the
// order the screens report problems. The screens hold the message texts.
#include <cstdint>
#include <string_view>

namespace qiro {

enum class GroupedInputProblem {
  None,
  CoreCountOutOfRange,   // beyond a 16-bit count ("70000")
  CurrentEmpty,
  CurrentNotNumeric,
  CurrentTooLarge,       // above 300 A
  InductanceEmpty,
  InductanceNotNumeric,
  InductanceOutOfRange,  // not in (0, 70000] μH
  // A number beyond what a 32-bit float holds ("1E39"): the user did type a number.
  CurrentBeyondRange,
  InductanceBeyondRange,
};

struct GroupedInputs {
  GroupedInputProblem Problem = GroupedInputProblem::None;
  bool CurrentRaised = false;  // below 0.1 A: searched with 0.1 A after telling the user
  float Current = 0;           // A
  float Inductance = 0;        // μH
  std::int16_t CoreCount = 0;  // no range check: 0 or less simply finds nothing
  std::int16_t DensityChoice = 0;
};

// The smallest current the grouped search works with.
inline constexpr float kSmallestGroupedCurrent = 0.1f;

GroupedInputs ReadGroupedInputs(std::string_view currentText, std::string_view inductanceText,
                                std::string_view coreCountText, std::string_view densityText);

enum class FitInputProblem {
  None,
  CoreCountMissing,      // below 1
  CoreCountOutOfRange,   // beyond a 16-bit count
  CurrentEmpty,
  CurrentNotNumeric,
  CurrentNotPositive,
  InductanceEmpty,
  InductanceNotNumeric,
  InductanceNotPositive, // per core
  // A positive number that a 32-bit float cannot hold (too large, or stored as 0).
  CurrentBeyondRange,
  InductanceBeyondRange,  // per core
};

struct FitInputs {
  FitInputProblem Problem = FitInputProblem::None;
  std::int16_t CoreCount = 0;
  float Current = 0;       // A
  double Inductance = 0;   // μH, of the whole stack
};

FitInputs ReadFitInputs(std::string_view currentText, std::string_view inductanceText,
                        std::string_view coreCountText);

}  // namespace qiro
