#pragma once
// The two core searches written as plain, unpruned loops, step by step as the selection
// screens describe them. The pruned searches must list exactly the same lines.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "design/catalogue_fit_search.h"
#include "design/grouped_core_search.h"
#include "magnetics/formulas.h"
#include "magnetics/winding_search.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro::reference {

inline std::vector<std::string> GroupedLines(const GroupedSearchRequest& r) {
  const auto winding = WindingSearch(r.AverageCurrent, ToFloat32(r.DensityChoice + 0.2));
  if (!winding) return {"refused"};
  const WindingChoice w = *winding;
  std::string keys;
  std::vector<std::string> lines;
  const int size = CatalogueSize;
  for (int k = 1; k <= size; ++k) {
    const CoreRecord& c = CoreCatalogue[k - 1];
    if (c.Permeability >= 147) continue;
    const double f = c.OuterDiameter <= 30.0f ? 41 : 44.5;
    const double d = w.WireDiameter;
    double nmax = std::floor(((c.WindowArea * 4.0 * f) / (d * d) / 3.1415926) / w.StrandCount);
    if (nmax > 300) nmax = 300;
    for (int N = 1; N <= static_cast<int>(nmax); ++N) {
      const double H = N * 1.2566370400000002 * static_cast<double>(r.Current) / c.PathLength;
      if (H > 500) break;
      if (c.Height > 18.0f && r.CoreCount > 4) break;
      const float l1 = r.TargetAtZero ? InductanceAtCurrent(static_cast<std::int16_t>(N), c, 0)
                                      : InductanceAtCurrent(static_cast<std::int16_t>(N), c,
                                                            r.Current);
      const float lt = ToFloat32(static_cast<double>(l1) * static_cast<float>(r.CoreCount));
      if (keys.size() >= 93) return lines;
      if (lt < r.Inductance) continue;
      const auto key = GroupKey(c);
      if (!key || keys.find(*key) != std::string::npos) continue;
      SelectionCandidate s;
      s.Core = c;
      s.CoreCount = r.CoreCount;
      s.Turns = static_cast<std::int16_t>(N);
      s.PeakCurrent = r.PeakCurrent;
      s.AverageCurrent = r.AverageCurrent;
      s.WireDiameter = w.WireDiameter;
      s.StrandCount = w.StrandCount;
      s.CurrentDensity = w.CurrentDensity;
      lines.push_back(GroupedResultLine(s));
      keys += *key;
    }
  }
  return lines;
}

inline std::vector<std::string> FitLines(std::int16_t n, float I, double L) {
  const float lc = ToFloat32(L / n);
  const float d0 = BareWireDiameter(I);
  const float d = ToFloat32(static_cast<double>(d0) + EnamelThickness(d0));
  std::string wire = PatternText(d0, "0.00");
  if (d0 >= 2.0f) wire += " 建议多股线";
  std::vector<std::string> lines;
  const int size = CatalogueSize;
  for (int k = 1; k <= size; ++k) {
    const CoreRecord& c = CoreCatalogue[k - 1];
    for (int N = 1; N <= MaxTurns; ++N) {
      const float lk = InductanceAtCurrent(static_cast<std::int16_t>(N), c, I);
      if (lk < lc) continue;
      const double C = static_cast<double>(c.CoatedInnerDiameter) * c.CoatedInnerDiameter * 0.55 /
                       (static_cast<double>(d) * d);
      if (C > N) {
        lines.push_back(c.PartNumber + "\t\t" + GeneralNumberText(c.CoatedOuterDiameter) + "\t\t" +
                        GeneralNumberText(c.CoatedInnerDiameter) + "\t\t" +
                        GeneralNumberText(c.CoatedHeight) + "\t\t" + std::to_string(N) +
                        "\t\t>" + wire);
        break;
      }
    }
  }
  return lines;
}

}  // namespace qiro::reference
