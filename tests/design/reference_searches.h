#pragma once
// The core searches and the design adviser written as plain, unpruned loops, step by step as
// the selection screens and the adviser's definition describe them. The pruned searches must
// give exactly the same results.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core-data/catalogue.h"
#include "design/calculators/catalogue_fit_search.h"
#include "design/analysis/converter_operation.h"
#include "design/analysis/design_assessment.h"
#include "design/analysis/design_adviser.h"
#include "design/calculators/grouped_core_search.h"
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

// The design adviser as the definition reads: every design evaluated and assessed, nothing
// skipped; the turns of a (core, stack) found with the evaluation itself.
struct PlainAdvice {
  std::vector<AdvisedDesign> Feasible;
  std::vector<AdvisedDesign> Front;
  std::array<std::optional<AdvisedDesign>, 7> BestPerSeries;
  AdviserRejections Rejections;
};

// In a converter: the inductance at the converter's own current, every design assessed in it
// from scratch (AssessInConverter), its retention at the highest current.
inline PlainAdvice AdvisedDesigns(const AdviserRequest& request) {
  PlainAdvice out;
  AdviserRequest r = request;
  std::optional<ConverterOperation> op;
  if (request.InConverter) {
    op = *OperateConverter(*request.InConverter);
    r.Where = InductanceAt::Average;
    r.AverageCurrent = op->DesignCurrent;
    r.PeakCurrent = op->PeakCurrent;
    r.RippleCurrent = op->RippleCurrent;
    r.FrequencyKHz = op->RippleFrequencyKHz;
    if (r.RequiredInductance == 0) r.RequiredInductance = op->RequiredInductance;
  }
  const float f = ToFloat32(r.FrequencyKHz);
  const float average = ToFloat32(r.AverageCurrent);
  const float peak = ToFloat32(r.PeakCurrent);
  const float ripple = ToFloat32(r.RippleCurrent);
  const double required = static_cast<float>(r.RequiredInductance);
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    const CoreRecord& c = CoreCatalogue[static_cast<std::size_t>(slot - 1)];
    int series = 0;
    while (kSeriesCodes[static_cast<std::size_t>(series)] != c.Series) ++series;
    if (!r.Series[static_cast<std::size_t>(series)]) continue;
    for (int n = 1; n <= r.MaxCoreCount; ++n) {
      int turns = 0;
      for (int N = 1; N <= 350 && turns == 0; ++N) {
        const auto e = EvaluateInductor(c, c, static_cast<float>(n), 0, f, average, peak, ripple,
                                        0.1f, 1, static_cast<std::int16_t>(N));
        if (!e) continue;
        const float l = r.Where == InductanceAt::Zero ? e->InductanceAtZero : e->InductanceAtAverage;
        if (static_cast<double>(l) * (1 - r.InductanceTolerance / 100) >= required) turns = N;
      }
      if (turns == 0) {
        ++out.Rejections.NoTurns;
        continue;
      }
      for (int w = 0; w < 30; ++w) {
        const float d = ToFloat32((w + 1) / 10.0);
        for (int k = 1; k <= r.MaxStrandCount; ++k) {
          const auto N = static_cast<std::int16_t>(turns);
          const auto e =
              op ? EvaluateForConverter(*op, c, static_cast<float>(n), d, static_cast<std::int16_t>(k), N)
                 : EvaluateInductor(c, c, static_cast<float>(n), 0, f, average, peak, ripple, d,
                                    static_cast<std::int16_t>(k), N);
          if (!e) {
            ++out.Rejections.NotAssessable;
            continue;
          }
          AssessmentRefusal refusal;
          std::optional<DesignAssessment> a;
          if (op) {
            const auto in = AssessInConverter(*op, c, static_cast<float>(n), d,
                                              static_cast<std::int16_t>(k), N,
                                              r.AmbientTemperature, refusal);
            if (in) a = in->Assessment;
          } else if (const auto plain = AssessDesign(*e, r.AmbientTemperature, refusal)) {
            a = *plain;
          }
          // The wound size is known before the temperature: it rules first.
          const auto laid = LayWinding(*e);
          if (a && !(laid && laid->WoundOuterDiameter == a->WoundOuterDiameter &&
                     laid->WoundHeight == a->WoundHeight)) {
            out.Feasible.push_back({});  // the two windings disagree: fails the comparison
            continue;
          }
          const double retention =
              op ? (r.MinRetention > 0 ? ConverterStack(*op, c, static_cast<float>(n), N).Load()->Retention : 0)
                 : static_cast<double>(e->InductanceAtPeak) /
                       static_cast<double>(e->InductanceAtZero) * 100;
          if (!(e->WindowFill <= 44)) {
            ++out.Rejections.WindowFill;
          } else if (r.MinRetention > 0 && !(retention >= r.MinRetention)) {
            ++out.Rejections.Retention;
          } else if (!laid) {
            ++out.Rejections.NotAssessable;
          } else if (r.MaxWoundOuterDiameter > 0 &&
                     !(laid->WoundOuterDiameter <= r.MaxWoundOuterDiameter)) {
            ++out.Rejections.WoundOuterDiameter;
          } else if (r.MaxWoundHeight > 0 && !(laid->WoundHeight <= r.MaxWoundHeight)) {
            ++out.Rejections.WoundHeight;
          } else if (!a && refusal != AssessmentRefusal::NoSteadyTemperature) {
            ++out.Rejections.NotAssessable;
          } else if (!a || !(a->TemperatureRise <= r.MaxTemperatureRise)) {
            ++out.Rejections.TemperatureRise;
          } else if (a->InductanceRetention >= r.MinRetention) {
            const double od = a->WoundOuterDiameter;
            out.Feasible.push_back({static_cast<std::int16_t>(slot), static_cast<std::int8_t>(n),
                                    static_cast<std::int8_t>(w), static_cast<std::int8_t>(k),
                                    static_cast<std::int16_t>(turns),
                                    3.141592653589793 / 4 * od * od * a->WoundHeight / 1000,
                                    a->TotalLoss});
          } else {
            out.Feasible.push_back({});  // the two retentions disagree: fails the comparison
          }
        }
      }
    }
  }
  // Volume, then loss, then enumeration order.
  std::vector<std::tuple<double, double, std::size_t>> order;
  for (std::size_t i = 0; i < out.Feasible.size(); ++i)
    order.emplace_back(out.Feasible[i].WoundVolume, out.Feasible[i].TotalLoss, i);
  std::sort(order.begin(), order.end());
  for (const auto& [volume, loss, i] : order) {
    bool below = true;
    for (const AdvisedDesign& f : out.Front) below = below && loss < f.TotalLoss;
    if (below) out.Front.push_back(out.Feasible[i]);
    const std::string& series = CoreCatalogue[static_cast<std::size_t>(out.Feasible[i].Slot - 1)].Series;
    for (std::size_t s = 0; s < 7; ++s) {
      if (kSeriesCodes[s] == series && !out.BestPerSeries[s]) out.BestPerSeries[s] = out.Feasible[i];
    }
  }
  return out;
}

}  // namespace qiro::reference
