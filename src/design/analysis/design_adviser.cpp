#include "design/analysis/design_adviser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <numbers>
#include <system_error>
#include <thread>

#include "core-data/catalogue.h"
#include "magnetics/bias_permeability.h"
#include "text/float_range.h"
#include "text/number_text.h"

namespace qiro {
namespace {

constexpr int kWireCount = 30;

double D(float v) { return static_cast<double>(v); }

bool Finite(double v) { return std::isfinite(v); }

bool InFloat(double v) { return FitsFloat32(v); }

// The turns of one (core, stack): the smallest N whose inductance, less the tolerance, reaches
// the requirement. The permeability under the average current depends on N and the core only,
// so it is kept across the stacks of a core.
class TurnsFinder {
 public:
  TurnsFinder(const CoreRecord& core, const AdviserRequest& request)
      : core_(core),
        where_(request.Where),
        average_(ToFloat32(request.AverageCurrent)),
        required_(D(ToFloat32(request.RequiredInductance))),
        keep_(1 - request.InductanceTolerance / 100) {}

  int Find(int stack) {
    const float count = static_cast<float>(stack);
    for (int turns = 1; turns <= MaxTurns; ++turns) {
      const auto N = static_cast<std::int16_t>(turns);
      float inductance = StackInductanceAtZero(core_, count, N);
      if (where_ == InductanceAt::Average) inductance = InductanceUnderBias(inductance, Permeability(turns));
      if (D(inductance) * keep_ >= required_) return turns;
    }
    return 0;
  }

 private:
  float Permeability(int turns) {
    while (static_cast<int>(permeability_.size()) < turns) {
      const auto N = static_cast<std::int16_t>(permeability_.size() + 1);
      permeability_.push_back(BiasPermeability(core_.Permeability, core_.Series,
                                                WindingField(core_, N, average_)));
    }
    return permeability_[static_cast<std::size_t>(turns - 1)];
  }

  const CoreRecord& core_;
  InductanceAt where_;
  float average_;
  double required_;
  double keep_;
  std::vector<float> permeability_;
};

struct SlotResult {
  std::vector<AdvisedDesign> feasible;
  AdviserRejections rejections;
};

void Add(AdviserRejections& to, const AdviserRejections& from) {
  to.NoTurns += from.NoTurns;
  to.WindowFill += from.WindowFill;
  to.NotAssessable += from.NotAssessable;
  to.TemperatureRise += from.TemperatureRise;
  to.WoundOuterDiameter += from.WoundOuterDiameter;
  to.WoundHeight += from.WoundHeight;
  to.Retention += from.Retention;
}

class Search {
 public:
  Search(const AdviserRequest& request, const ConverterOperation* converter,
         const AdviserControl& control)
      : request_(request), converter_(converter), control_(control) {
    for (int slot = 1; slot <= CatalogueSize; ++slot) {
      const std::string& series = CoreCatalogue[static_cast<std::size_t>(slot - 1)].Series;
      for (std::size_t s = 0; s < kSeriesCodes.size(); ++s) {
        if (request.Series[s] && series == kSeriesCodes[s]) slots_.push_back(slot);
      }
    }
    results_.resize(slots_.size());
  }

  // False when stopped.
  bool Run() {
    int threads = control_.Threads > 0 ? control_.Threads
                                       : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, std::max(1, static_cast<int>(slots_.size())));
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(threads - 1));
    for (int i = 1; i < threads; ++i) {
      try {
        helpers.emplace_back([this] { Work(); });
      } catch (const std::system_error&) {
        break;  // no more threads to be had: the others share the work
      }
    }
    Work();
    for (std::thread& t : helpers) t.join();
    return !Stopped();
  }

  void Collect(AdviserResult& result) {
    std::size_t total = 0;
    for (const SlotResult& r : results_) total += r.feasible.size();
    result.Feasible.reserve(total);
    for (SlotResult& r : results_) {
      result.Feasible.insert(result.Feasible.end(), r.feasible.begin(), r.feasible.end());
      Add(result.Rejections, r.rejections);
      r = {};
    }
  }

 private:
  bool Stopped() const {
    return control_.Stop != nullptr && control_.Stop->load(std::memory_order_relaxed);
  }

  // Threads take the next slot until none is left; each slot's result has its own place, so
  // who took it does not matter.
  void Work() {
    for (;;) {
      if (Stopped()) return;
      const std::size_t i = next_.fetch_add(1);
      if (i >= slots_.size()) return;
      if (!Slot(slots_[i], results_[i])) return;
      Report(done_.fetch_add(1) + 1);
    }
  }

  void Report(std::size_t done) {
    if (!control_.Progress) return;
    const int percent = static_cast<int>(done * 100 / slots_.size());
    std::lock_guard lock(progressMutex_);
    if (percent <= reported_) return;
    reported_ = percent;
    control_.Progress(static_cast<double>(done) / static_cast<double>(slots_.size()));
  }

  Outcome<InductorEvaluation> Evaluate(const CoreRecord& core, int stack, int wire, int strands,
                                       std::int16_t turns) const {
    const AdviserRequest& r = request_;
    if (converter_ != nullptr)
      return EvaluateForConverter(*converter_, core, static_cast<float>(stack),
                                  AdviserWireDiameter(wire), static_cast<std::int16_t>(strands),
                                  turns);
    return EvaluateInductor(core, core, static_cast<float>(stack), 0, ToFloat32(r.FrequencyKHz),
                            ToFloat32(r.AverageCurrent), ToFloat32(r.PeakCurrent),
                            ToFloat32(r.RippleCurrent), AdviserWireDiameter(wire),
                            static_cast<std::int16_t>(strands), turns);
  }

  bool Slot(int slot, SlotResult& out) {
    const CoreRecord& core = CoreCatalogue[static_cast<std::size_t>(slot - 1)];
    const AdviserRequest& r = request_;
    const int strands = r.MaxStrandCount;
    TurnsFinder turnsFinder(core, r);
    AdviserRejections& no = out.rejections;
    for (int stack = 1; stack <= r.MaxCoreCount; ++stack) {
      const int turns = turnsFinder.Find(stack);
      if (turns == 0) {
        ++no.NoTurns;
        continue;
      }
      const auto N = static_cast<std::int16_t>(turns);
      // In a converter, what the stack sees does not depend on the wire: once per stack.
      std::optional<Outcome<ConverterLoad>> load;
      std::optional<WindingHeat> heat;
      if (converter_ != nullptr) {
        load = ConverterStack(*converter_, core, static_cast<float>(stack), N).Load();
        if (*load) heat = HeatOf(**load, *converter_);
      }
      std::optional<bool> retentionFails;  // the same for every wire: known at the first
      // Strand counts past `limit` overfill the window: a thinner wire did with as many.
      int limit = strands;
      for (int wire = 0; wire < kWireCount; ++wire) {
        no.WindowFill += strands - limit;
        for (int k = 1; k <= limit; ++k) {
          if (Stopped()) return false;
          const auto e = Evaluate(core, stack, wire, k, N);
          if (!e) {
            ++no.NotAssessable;
            continue;
          }
          if (!(D(e->WindowFill) <= kAdviserMostWindowFill)) {
            // The fill grows with the strands and the wire (the turns fixed): more strands,
            // and thicker wires with at least as many, overfill it too.
            no.WindowFill += limit - k + 1;
            limit = k - 1;
            break;
          }
          if (!retentionFails) {
            // As the assessment computes it, from inductances that do not depend on the wire;
            // a converter's load that cannot be computed leaves it to the assessment's refusal.
            const double retention = heat ? heat->Retention
                                          : D(e->InductanceAtPeak) / D(e->InductanceAtZero) * 100;
            retentionFails = !(load && !heat) && r.MinRetention > 0 && !(retention >= r.MinRetention);
          }
          if (*retentionFails) {
            ++no.Retention;
            continue;
          }
          const auto laid = LayWinding(*e);
          if (!laid) {
            ++no.NotAssessable;
            continue;
          }
          if (r.MaxWoundOuterDiameter > 0 && !(laid->WoundOuterDiameter <= r.MaxWoundOuterDiameter)) {
            ++no.WoundOuterDiameter;
            continue;
          }
          if (r.MaxWoundHeight > 0 && !(laid->WoundHeight <= r.MaxWoundHeight)) {
            ++no.WoundHeight;
            continue;
          }
          if (load && !heat) {  // the converter's load could not be computed
            ++no.NotAssessable;
            continue;
          }
          const bool tooHot =
              heat ? SurelyTooHot(*e, *laid, heat->CoreLoss, heat->MeanSquareCurrent)
                   : SurelyTooHot(*e, *laid, D(e->CoreLoss), D(e->AverageCurrent) * D(e->AverageCurrent));
          if (tooHot) {
            ++no.TemperatureRise;
            continue;
          }
          AssessmentRefusal refusal;
          const auto a = heat ? AssessWindingUnder(*e, *heat, r.AmbientTemperature, refusal)
                              : AssessDesign(*e, r.AmbientTemperature, refusal);
          if (!a) {
            ++(refusal == AssessmentRefusal::NoSteadyTemperature ? no.TemperatureRise
                                                                 : no.NotAssessable);
          } else if (!(a->TemperatureRise <= r.MaxTemperatureRise)) {
            ++no.TemperatureRise;
          } else {
            AdvisedDesign d;
            d.Slot = static_cast<std::int16_t>(slot);
            d.CoreCount = static_cast<std::int8_t>(stack);
            d.WireIndex = static_cast<std::int8_t>(wire);
            d.StrandCount = static_cast<std::int8_t>(k);
            d.Turns = N;
            d.WoundVolume = WoundVolume(a->WoundOuterDiameter, a->WoundHeight);
            d.TotalLoss = a->TotalLoss;
            out.feasible.push_back(d);
          }
        }
      }
    }
    return true;
  }

  // True when the rise surely exceeds the limit, from the DC copper loss alone: the
  // assessment's rounds T ← Ta + ((Pcore + Pdc(T) + Pac(T)) / S)^0.833 start at the ambient,
  // and with Pac ≥ 0 and Pdc growing with T, round k is at least the k-th round of the same
  // iteration without Pac. The first such round above the limit (and above the settling
  // tolerance) means the assessment takes a second round, so the second bounds its result;
  // the margin covers the rounding of pow and of the sums. Designs whose core loss the
  // assessment would refuse are left to it.
  bool SurelyTooHot(const InductorEvaluation& e, const LaidWinding& laid, double coreLoss,
                    double meanSquare) const {
    if (!(coreLoss >= 0 && laid.SurfaceArea > 0)) return false;
    if (converter_ == nullptr && !(e.CoreLossPerVolume >= 0)) return false;
    const double ambient = request_.AmbientTemperature;
    const double limit = request_.MaxTemperatureRise;
    const double r20 = D(e.DcResistance) / 1000;
    const auto round = [&](double t) {
      const double resistance =
          r20 * (1 + kCopperTemperatureCoefficient * (t - kResistanceReferenceTemperature));
      return ambient + std::pow(1000 * (coreLoss + meanSquare * resistance) / laid.SurfaceArea,
                                kRiseExponent);
    };
    const double first = round(ambient);
    if (!(first - ambient > limit && first - ambient > 1e-6)) return false;
    const double second = round(first);
    return second - ambient > limit + 1e-6 * (1 + limit);
  }

  const AdviserRequest& request_;
  const ConverterOperation* converter_;  // null: the currents of the request
  const AdviserControl& control_;
  std::vector<int> slots_;
  std::vector<SlotResult> results_;
  std::atomic<std::size_t> next_{0};
  std::atomic<std::size_t> done_{0};
  std::mutex progressMutex_;
  int reported_ = -1;
};

// Wound volume, then total loss, then enumeration order (the designs come in that order).
bool Before(const AdvisedDesign& a, const AdvisedDesign& b) {
  if (a.WoundVolume != b.WoundVolume) return a.WoundVolume < b.WoundVolume;
  return a.TotalLoss < b.TotalLoss;
}

int SeriesIndex(int slot) {
  const std::string& series = CoreCatalogue[static_cast<std::size_t>(slot - 1)].Series;
  for (std::size_t s = 0; s < kSeriesCodes.size(); ++s) {
    if (series == kSeriesCodes[s]) return static_cast<int>(s);
  }
  return -1;
}

}  // namespace

float AdviserWireDiameter(int wireIndex) { return ToFloat32((wireIndex + 1) / 10.0); }

double WoundVolume(double woundOuterDiameter, double woundHeight) {
  return std::numbers::pi / 4 * woundOuterDiameter * woundOuterDiameter * woundHeight / 1000;
}

namespace {

// The ranges of a request whose currents, ripple and frequency are its own.
AdviserArgument CheckCurrents(const AdviserRequest& r) {
  using enum AdviserArgument;
  if (!(InFloat(r.RequiredInductance) && ToFloat32(r.RequiredInductance) > 0))
    return RequiredInductance;
  if (!(Finite(r.InductanceTolerance) && r.InductanceTolerance >= 0 &&
        r.InductanceTolerance <= kAdviserMostTolerance))
    return InductanceTolerance;
  if (!(InFloat(r.AverageCurrent) && r.AverageCurrent >= 0)) return AverageCurrent;
  if (!(InFloat(r.PeakCurrent) && ToFloat32(r.PeakCurrent) > 0)) return PeakCurrent;
  if (!(InFloat(r.RippleCurrent) && r.RippleCurrent >= 0)) return RippleCurrent;
  if (!(InFloat(r.FrequencyKHz) && r.FrequencyKHz >= 0)) return FrequencyKHz;
  if (!(Finite(r.AmbientTemperature) && r.AmbientTemperature >= kLowestAmbient &&
        r.AmbientTemperature <= kHighestAmbient))
    return AmbientTemperature;
  if (!(Finite(r.MaxTemperatureRise) && r.MaxTemperatureRise > 0)) return MaxTemperatureRise;
  if (!(Finite(r.MaxWoundOuterDiameter) && r.MaxWoundOuterDiameter >= 0))
    return MaxWoundOuterDiameter;
  if (!(Finite(r.MaxWoundHeight) && r.MaxWoundHeight >= 0)) return MaxWoundHeight;
  if (!(Finite(r.MinRetention) && r.MinRetention >= 0 && r.MinRetention <= 100))
    return MinRetention;
  if (!(r.MaxCoreCount >= 1 && r.MaxCoreCount <= kAdviserMostCoreCount)) return MaxCoreCount;
  if (!(r.MaxStrandCount >= 1 && r.MaxStrandCount <= kAdviserMostStrandCount))
    return MaxStrandCount;
  if (std::none_of(r.Series.begin(), r.Series.end(), [](bool on) { return on; })) return Series;
  return None;
}

// A request in a converter becomes one at the converter's own current, ripple and frequency.
struct Resolved {
  AdviserRequest Request;
  std::optional<ConverterOperation> Operation;
  AdviserArgument Bad = AdviserArgument::None;
  std::string Reason;
};

Resolved Resolve(const AdviserRequest& request) {
  Resolved out{request, std::nullopt, AdviserArgument::None, {}};
  if (request.InConverter) {
    const AdviserRequest plain;
    if (request.AverageCurrent != plain.AverageCurrent || request.PeakCurrent != plain.PeakCurrent ||
        request.RippleCurrent != plain.RippleCurrent || request.FrequencyKHz != plain.FrequencyKHz ||
        request.Where != plain.Where) {
      out.Bad = AdviserArgument::Converter;
      out.Reason = "Converter replaces AverageCurrent, PeakCurrent, RippleCurrent, FrequencyKHz "
                   "and InductanceAt: give one or the other";
      return out;
    }
    auto op = OperateConverter(*request.InConverter);
    if (!op) {
      out.Bad = AdviserArgument::Converter;
      out.Reason = "Converter: " + op.error();
      return out;
    }
    AdviserRequest& r = out.Request;
    r.Where = InductanceAt::Average;
    r.AverageCurrent = op->DesignCurrent;
    r.PeakCurrent = op->PeakCurrent;
    r.RippleCurrent = op->RippleCurrent;
    r.FrequencyKHz = op->RippleFrequencyKHz;
    if (r.RequiredInductance == 0) r.RequiredInductance = op->RequiredInductance;
    out.Operation = std::move(*op);
  }
  out.Bad = CheckCurrents(out.Request);
  return out;
}

}  // namespace

AdviserArgument CheckAdviserRequest(const AdviserRequest& request) {
  return Resolve(request).Bad;
}

const char* AdviserArgumentName(AdviserArgument argument) {
  switch (argument) {
    case AdviserArgument::None: return "";
    case AdviserArgument::RequiredInductance: return "RequiredInductance";
    case AdviserArgument::InductanceTolerance: return "InductanceTolerance";
    case AdviserArgument::AverageCurrent: return "AverageCurrent";
    case AdviserArgument::PeakCurrent: return "PeakCurrent";
    case AdviserArgument::RippleCurrent: return "RippleCurrent";
    case AdviserArgument::FrequencyKHz: return "FrequencyKHz";
    case AdviserArgument::AmbientTemperature: return "AmbientTemperature";
    case AdviserArgument::MaxTemperatureRise: return "MaxTemperatureRise";
    case AdviserArgument::MaxWoundOuterDiameter: return "MaxWoundOuterDiameter";
    case AdviserArgument::MaxWoundHeight: return "MaxWoundHeight";
    case AdviserArgument::MinRetention: return "MinRetention";
    case AdviserArgument::MaxCoreCount: return "MaxCoreCount";
    case AdviserArgument::MaxStrandCount: return "MaxStrandCount";
    case AdviserArgument::Series: return "Series";
    case AdviserArgument::Converter: return "Converter";
  }
  return "";
}

namespace {

std::string RangeText(AdviserArgument argument) {
  using enum AdviserArgument;
  switch (argument) {
    case RequiredInductance: return "must be above 0 μH";
    case InductanceTolerance: return "must be from 0 to 50 %";
    case AverageCurrent: return "must be 0 A or more";
    case PeakCurrent: return "must be above 0 A";
    case RippleCurrent: return "must be 0 A or more";
    case FrequencyKHz: return "must be 0 kHz or more";
    case AmbientTemperature: return "must be from -60 to 200 °C";
    case MaxTemperatureRise: return "must be above 0 °C";
    case MaxWoundOuterDiameter: return "must be 0 mm (no limit) or more";
    case MaxWoundHeight: return "must be 0 mm (no limit) or more";
    case MinRetention: return "must be from 0 to 100 %";
    case MaxCoreCount: return "must be from 1 to 6";
    case MaxStrandCount: return "must be from 1 to 100";
    case Series: return "must include at least one series";
    case Converter:
    case None: return "";
  }
  return "";
}

std::string Refusal(const Resolved& resolved) {
  if (!resolved.Reason.empty()) return resolved.Reason;
  return std::string(AdviserArgumentName(resolved.Bad)) + " " + RangeText(resolved.Bad);
}

}  // namespace

Outcome<AdviserResult> AdviseDesigns(const AdviserRequest& original,
                                     const AdviserControl& control) {
  using Result = Outcome<AdviserResult>;
  const Resolved resolved = Resolve(original);
  if (resolved.Bad != AdviserArgument::None) return Result::Fail(Refusal(resolved));
  const AdviserRequest& request = resolved.Request;

  AdviserResult result;
  {
    Search search(request, resolved.Operation ? &*resolved.Operation : nullptr, control);
    if (!search.Run()) {
      result.Stopped = true;
      return Result::Ok(std::move(result));
    }
    search.Collect(result);
  }
  result.FeasibleCount = static_cast<std::int64_t>(result.Feasible.size());

  std::vector<std::size_t> order(result.Feasible.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return Before(result.Feasible[a], result.Feasible[b]);
  });
  for (const std::size_t i : order) {
    const AdvisedDesign& d = result.Feasible[i];
    if (result.Front.empty() || d.TotalLoss < result.Front.back().TotalLoss)
      result.Front.push_back(d);
    const int s = SeriesIndex(d.Slot);
    if (s >= 0 && !result.BestPerSeries[static_cast<std::size_t>(s)])
      result.BestPerSeries[static_cast<std::size_t>(s)] = d;
  }
  if (control.Progress) control.Progress(1.0);
  return Result::Ok(std::move(result));
}

Outcome<AdvisedDesignDetails> DescribeAdvisedDesign(const AdviserRequest& original,
                                                    const AdvisedDesign& design) {
  using Result = Outcome<AdvisedDesignDetails>;
  const Resolved resolved = Resolve(original);
  if (resolved.Bad != AdviserArgument::None) return Result::Fail(Refusal(resolved));
  const AdviserRequest& request = resolved.Request;
  if (!(design.Slot >= 1 && design.Slot <= CatalogueSize && design.CoreCount >= 1 &&
        design.WireIndex >= 0 && design.WireIndex < kWireCount && design.StrandCount >= 1 &&
        design.Turns >= 1))
    return Result::Fail("the design is not one of the adviser's");
  const CoreRecord& core = CoreCatalogue[static_cast<std::size_t>(design.Slot - 1)];
  AdvisedDesignDetails details;
  if (resolved.Operation) {
    AssessmentRefusal refusal;
    const auto in = AssessInConverter(*resolved.Operation, core, static_cast<float>(design.CoreCount),
                                      AdviserWireDiameter(design.WireIndex), design.StrandCount,
                                      design.Turns, request.AmbientTemperature, refusal);
    if (!in) return Result::Fail(in.error());
    const auto e = EvaluateForConverter(*resolved.Operation, core,
                                        static_cast<float>(design.CoreCount),
                                        AdviserWireDiameter(design.WireIndex), design.StrandCount,
                                        design.Turns);
    details.Evaluation = *e;
    details.Assessment = in->Assessment;
    details.InConverter = in->Load;
  } else {
    const auto e = EvaluateInductor(core, core, static_cast<float>(design.CoreCount), 0,
                                    ToFloat32(request.FrequencyKHz),
                                    ToFloat32(request.AverageCurrent),
                                    ToFloat32(request.PeakCurrent),
                                    ToFloat32(request.RippleCurrent),
                                    AdviserWireDiameter(design.WireIndex), design.StrandCount,
                                    design.Turns);
    if (!e) return Result::Fail(e.error());
    const auto a = AssessDesign(*e, request.AmbientTemperature);
    if (!a) return Result::Fail(a.error());
    details.Evaluation = *e;
    details.Assessment = *a;
  }
  details.PartNumber = core.PartNumber;
  details.CoreCount = design.CoreCount;
  details.WireDiameter = details.Evaluation.WireDiameter;
  details.StrandCount = design.StrandCount;
  details.Turns = design.Turns;
  details.WoundVolume =
      WoundVolume(details.Assessment.WoundOuterDiameter, details.Assessment.WoundHeight);
  return Result::Ok(std::move(details));
}

std::optional<DrawnDesigns> DesignsToDraw(const AdviserResult& result) {
  DrawnDesigns drawn;
  drawn.LowVolume = drawn.LowLoss = std::numeric_limits<double>::infinity();
  for (const AdvisedDesign& d : result.Feasible) {
    drawn.LowVolume = std::min(drawn.LowVolume, d.WoundVolume);
    drawn.HighVolume = std::max(drawn.HighVolume, d.WoundVolume);
    drawn.LowLoss = std::min(drawn.LowLoss, d.TotalLoss);
    drawn.HighLoss = std::max(drawn.HighLoss, d.TotalLoss);
  }
  if (!(drawn.LowVolume > 0 && drawn.LowLoss > 0)) return std::nullopt;
  drawn.Thinned = result.Feasible.size() > kMostDrawnDesigns;
  const double volumeSpan = std::max(std::log(drawn.HighVolume / drawn.LowVolume), 1e-9);
  const double lossSpan = std::max(std::log(drawn.HighLoss / drawn.LowLoss), 1e-9);
  std::array<std::map<int, std::size_t>, 7> cells;
  for (std::size_t i = 0; i < result.Feasible.size(); ++i) {
    const AdvisedDesign& d = result.Feasible[i];
    const auto series = static_cast<std::size_t>(std::max(SeriesIndex(d.Slot), 0));
    if (!drawn.Thinned) {
      drawn.PerSeries[series].push_back(i);
      continue;
    }
    const int cx = static_cast<int>(std::log(d.WoundVolume / drawn.LowVolume) / volumeSpan * kThinningCells);
    const int cy = static_cast<int>(std::log(d.TotalLoss / drawn.LowLoss) / lossSpan * kThinningCells);
    cells[series].try_emplace(cx * (kThinningCells + 1) + cy, i);
  }
  if (drawn.Thinned) {
    for (std::size_t s = 0; s < cells.size(); ++s) {
      for (const auto& [cell, index] : cells[s]) drawn.PerSeries[s].push_back(index);
    }
  }
  return drawn;
}

namespace {

// A field's number: its text without surrounding white space, a number text whose value a
// float holds.
std::optional<double> FieldNumber(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n\f\v");
  text = first == std::string_view::npos
             ? std::string_view()
             : text.substr(first, text.find_last_not_of(" \t\r\n\f\v") - first + 1);
  if (!IsNumberText(text)) return std::nullopt;
  const double value = LeadingNumber(text);
  if (!FitsFloat32(value)) return std::nullopt;
  return value;
}

}  // namespace

std::variant<AdviserRequest, AdviserArgument> ReadAdviserFields(const AdviserFieldTexts& f) {
  using enum AdviserArgument;
  AdviserRequest request;
  request.InConverter = f.InConverter;
  const struct {
    const std::string& text;
    double AdviserRequest::*member;
    AdviserArgument argument;
  } numbers[] = {
      {f.RequiredInductance, &AdviserRequest::RequiredInductance, RequiredInductance},
      {f.InductanceTolerance, &AdviserRequest::InductanceTolerance, InductanceTolerance},
      {f.AverageCurrent, &AdviserRequest::AverageCurrent, AverageCurrent},
      {f.PeakCurrent, &AdviserRequest::PeakCurrent, PeakCurrent},
      {f.RippleCurrent, &AdviserRequest::RippleCurrent, RippleCurrent},
      {f.FrequencyKHz, &AdviserRequest::FrequencyKHz, FrequencyKHz},
      {f.AmbientTemperature, &AdviserRequest::AmbientTemperature, AmbientTemperature},
      {f.MaxTemperatureRise, &AdviserRequest::MaxTemperatureRise, MaxTemperatureRise},
      {f.MaxWoundOuterDiameter, &AdviserRequest::MaxWoundOuterDiameter, MaxWoundOuterDiameter},
      {f.MaxWoundHeight, &AdviserRequest::MaxWoundHeight, MaxWoundHeight},
      {f.MinRetention, &AdviserRequest::MinRetention, MinRetention},
  };
  for (const auto& n : numbers) {
    if (f.InConverter && (n.argument == AverageCurrent || n.argument == PeakCurrent ||
                          n.argument == RippleCurrent || n.argument == FrequencyKHz))
      continue;  // the converter's own
    const auto value = FieldNumber(n.text);
    if (!value) return n.argument;
    request.*n.member = *value;
    if (n.argument == RequiredInductance && !f.InConverter)
      request.Where = f.AtZero ? InductanceAt::Zero : InductanceAt::Average;
    if (CheckAdviserRequest(request) == n.argument) return n.argument;
  }
  // Counts: whole numbers within their ranges.
  const auto count = [](const std::string& text, int most) -> std::optional<int> {
    const auto value = FieldNumber(text);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > most) return std::nullopt;
    return static_cast<int>(*value);
  };
  const auto cores = count(f.MaxCoreCount, kAdviserMostCoreCount);
  if (!cores) return MaxCoreCount;
  request.MaxCoreCount = *cores;
  const auto strands = count(f.MaxStrandCount, kAdviserMostStrandCount);
  if (!strands) return MaxStrandCount;
  request.MaxStrandCount = *strands;
  request.Series = f.Series;
  if (const AdviserArgument bad = CheckAdviserRequest(request); bad != None) return bad;
  return request;
}

}  // namespace qiro
