#include "design/calculators/grouped_core_search.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core-data/catalogue.h"
#include "design/calculators/turn_bounds.h"
#include "magnetics/formulas.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

constexpr int kGroupCount = 18;
constexpr double kFieldLimitOe = 500;
constexpr int kTurnLimit = 300;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Turns of m strands of diameter d that fill 41 % (small cores) or 44.5 % of the window.
int TurnLimit(const CoreRecord& core, const WindingChoice& winding) {
  const double fill = core.OuterDiameter <= 30.0f ? 41 : 44.5;
  const double d = static_cast<double>(winding.WireDiameter);
  const double turns = ((static_cast<double>(core.WindowArea) * 4 * fill) / (d * d) / 3.1415926) /
                       static_cast<double>(winding.StrandCount);
  if (!(turns < kTurnLimit)) return kTurnLimit;
  return static_cast<int>(std::floor(turns));
}

}  // namespace

GroupedSearchRequest MakeGroupedRequest(float current, bool enteredAsPeak, bool targetAtZero,
                                        float inductance, std::int16_t coreCount,
                                        std::int16_t densityChoice) {
  GroupedSearchRequest r;
  r.Current = current;
  const double root2 = std::sqrt(2.0);
  if (enteredAsPeak) {
    r.PeakCurrent = current;
    r.AverageCurrent = ToFloat32(static_cast<double>(current) / root2);
  } else {
    r.AverageCurrent = current;
    r.PeakCurrent = ToFloat32(static_cast<double>(current) * root2);
  }
  r.TargetAtZero = targetAtZero;
  r.Inductance = inductance;
  r.CoreCount = coreCount;
  r.DensityChoice = densityChoice;
  return r;
}

std::optional<std::string_view> GroupKey(const CoreRecord& core) {
  static constexpr std::array<std::string_view, 5> kKma = {"KMA26", "KMA40", "KMA60", "KMA75",
                                                           "KMA90"};
  static constexpr std::array<std::string_view, 5> kKmb = {"KMB26", "KMB40", "KMB60", "KMB75",
                                                           "KMB90"};
  static constexpr std::array<std::int16_t, 5> kKmaMu = {26, 40, 60, 75, 90};
  static constexpr std::array<std::int16_t, 5> kKmcMu = {26, 60, 75, 90, 125};
  static constexpr std::array<std::string_view, 5> kKmc = {"KMC26", "KMC60", "KMC75", "KMC90",
                                                           "KMC125"};
  const std::string_view series = Trimmed(core.Series);
  const auto pick = [&](const auto& mus, const auto& keys) -> std::optional<std::string_view> {
    for (std::size_t i = 0; i < mus.size(); ++i) {
      if (mus[i] == core.Permeability) return keys[i];
    }
    return std::nullopt;
  };
  if (series == "KMA") return pick(kKmaMu, kKma);
  if (series == "KMB") return pick(kKmaMu, kKmb);
  if (series == "KMC") return pick(kKmcMu, kKmc);
  if (series == "KMAC") return std::string_view("KMAC60");
  if (series == "KMC-L") return std::string_view("KMCL60");
  if (series == "KMD") return std::string_view("KMD40");
  return std::nullopt;
}

Outcome<GroupedSearchResult> GroupedCoreSearch(const GroupedSearchRequest& request,
                                               const KeepGoing& keepGoing) {
  using Result = Outcome<GroupedSearchResult>;
  const auto winding =
      WindingSearch(request.AverageCurrent,
                    ToFloat32(static_cast<double>(request.DensityChoice) + 0.2));
  if (!winding) return Result::Fail(winding.error());

  GroupedSearchResult result;
  result.Winding = *winding;
  const float target = request.Inductance;
  const double count = static_cast<double>(static_cast<float>(request.CoreCount));
  const float inductionCurrent = request.TargetAtZero ? 0.0f : request.Current;
  const double current = static_cast<double>(request.Current);

  // Every bias curve stays positive, so a stack of no cores or a negative count never
  // reaches a positive target: the literal walk would keep nothing.
  const bool nothingCanFit = target > 0 && request.CoreCount <= 0;
  std::vector<std::string_view> found;
  const int size = CatalogueSize;
  for (int slot = 1; slot <= size; ++slot) {
    if (nothingCanFit || found.size() == static_cast<std::size_t>(kGroupCount)) break;
    const CoreRecord& core = CatalogueSlot(slot);
    if (core.Permeability >= 147) continue;
    // A core outside the groups, or of a group already found, can keep nothing.
    const auto key = GroupKey(core);
    if (!key || std::find(found.begin(), found.end(), *key) != found.end()) continue;
    if (core.Height > 18.0f && request.CoreCount > 4) continue;
    if (keepGoing && !keepGoing()) {
      result.Stopped = true;
      return Result::Ok(std::move(result));
    }

    const int turnLimit = TurnLimit(core, result.Winding);
    const double pathLength = static_cast<double>(core.PathLength);
    for (int turns = 1; turns <= turnLimit; ++turns) {
      if (static_cast<double>(turns) * 1.2566370400000002 * current / pathLength > kFieldLimitOe)
        break;
      const auto n = static_cast<std::int16_t>(turns);
      if (count > 0 && ToFloat32(static_cast<double>(InductanceCeiling(n, core)) * count) < target)
        continue;
      const float single = InductanceAtCurrent(n, core, inductionCurrent);
      const float total = ToFloat32(static_cast<double>(single) * count);
      if (total < target) continue;
      SelectionCandidate c;
      c.Core = core;
      c.CoreCount = static_cast<float>(request.CoreCount);
      c.Turns = n;
      c.PeakCurrent = request.PeakCurrent;
      c.AverageCurrent = request.AverageCurrent;
      c.WireDiameter = result.Winding.WireDiameter;
      c.StrandCount = result.Winding.StrandCount;
      c.CurrentDensity = result.Winding.CurrentDensity;
      result.Candidates.push_back(std::move(c));
      found.push_back(*key);
      break;
    }
  }
  return Result::Ok(std::move(result));
}

std::string GroupedResultLine(const SelectionCandidate& candidate) {
  std::string line = candidate.Core.PartNumber;
  line += "  电流密度=";
  line += GeneralNumberText(candidate.CurrentDensity);
  line += "；线径=";
  line += GeneralNumberText(candidate.WireDiameter);
  line += "；绕线根数=";
  line += GeneralNumberText(candidate.StrandCount);
  line += "；绕线圈数=";
  line += GeneralNumberText(candidate.Turns);
  return line;
}

bool WindingMissesDensity(std::int16_t densityChoice, const WindingChoice& winding) {
  const double asked = static_cast<double>(static_cast<float>(densityChoice));
  return std::fabs(asked - static_cast<double>(winding.CurrentDensity)) > 1;
}

}  // namespace qiro
