#pragma once
// The core selection by material group: one winding for the whole search, then the
// smallest core of each of 18 series/permeability groups that reaches the inductance.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core-data/core_record.h"
#include "magnetics/outcome.h"
#include "magnetics/winding_search.h"

namespace qiro {

// One proposed design. The search leaves SecondCore, SecondCoreCount, FrequencyKHz and
// RippleCurrent at zero: the details report evaluates the design without ripple.
struct SelectionCandidate {
  CoreRecord Core;
  CoreRecord SecondCore;
  float CoreCount = 0;
  float SecondCoreCount = 0;
  float FrequencyKHz = 0;
  float AverageCurrent = 0;  // A
  float PeakCurrent = 0;     // A
  float RippleCurrent = 0;   // A
  float WireDiameter = 0;    // mm, one strand
  std::int16_t StrandCount = 0;
  std::int16_t Turns = 0;
  float CurrentDensity = 0;  // A/mm² of the search's winding

  bool operator==(const SelectionCandidate&) const = default;
};

struct GroupedSearchRequest {
  float Current = 0;         // A as entered (0.1 A at least): drives the field limit and the bias
  float PeakCurrent = 0;     // A
  float AverageCurrent = 0;  // A: the winding is sized for it
  bool TargetAtZero = false; // the inductance is wanted without current
  float Inductance = 0;      // μH, of the whole stack
  std::int16_t CoreCount = 1;
  std::int16_t DensityChoice = 3;  // A/mm² picked by the user
};

// Peak and average current from the entered one: the other is × or ÷ √2.
GroupedSearchRequest MakeGroupedRequest(float current, bool enteredAsPeak, bool targetAtZero,
                                        float inductance, std::int16_t coreCount,
                                        std::int16_t densityChoice);

struct GroupedSearchResult {
  std::vector<SelectionCandidate> Candidates;  // in the order the groups were satisfied
  WindingChoice Winding;
  bool Stopped = false;  // the caller asked to stop: Candidates are incomplete
};

// The group key of a core ("KMA26" … "KMD40"), or nothing for cores outside the 18 groups.
std::optional<std::string_view> GroupKey(const CoreRecord& core);

// Asked before each core whose turns are walked; returning false stops the search there.
using KeepGoing = std::function<bool()>;

// Refused only when no winding can be chosen for the average current and density.
Outcome<GroupedSearchResult> GroupedCoreSearch(const GroupedSearchRequest& request,
                                               const KeepGoing& keepGoing = {});

// "KMA106060  电流密度=3.3；线径=2；绕线根数=4；绕线圈数=25"
std::string GroupedResultLine(const SelectionCandidate& candidate);

// Whether the winding's density is more than 1 A/mm² away from the density asked for.
bool WindingMissesDensity(std::int16_t densityChoice, const WindingChoice& winding);

}  // namespace qiro
