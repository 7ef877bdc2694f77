// The design adviser on its default space: all seven series, up to 4 stacked cores and 10
// strands, 100 μH at 10 A average, 11.5 A peak, 3 A ripple, 100 kHz, 25 °C, rise ≤ 40 °C.
// Then the PFC worked example as a converter. Beside them the plain loop over the definition (every design evaluated and assessed).
#include <benchmark/benchmark.h>

#include "core-data/catalogue.h"
#include "design/analysis/design_adviser.h"
#include "reference_searches.h"

namespace {

using namespace qiro;

AdviserRequest DefaultRequest() {
  InitCoreData();
  AdviserRequest r;
  r.RequiredInductance = 100;
  r.AverageCurrent = 10;
  r.PeakCurrent = 11.5;
  r.RippleCurrent = 3;
  r.FrequencyKHz = 100;
  return r;
}

void BM_AdviseDesigns(benchmark::State& state) {
  const AdviserRequest r = DefaultRequest();
  AdviserControl control;
  control.Threads = static_cast<int>(state.range(0));
  std::int64_t feasible = 0;
  std::size_t front = 0;
  for (auto _ : state) {
    const auto result = AdviseDesigns(r, control);
    feasible = result->FeasibleCount;
    front = result->Front.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["feasible"] = static_cast<double>(feasible);
  state.counters["front"] = static_cast<double>(front);
}
BENCHMARK(BM_AdviseDesigns)->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(3);

// The PFC worked example (500 W, 220 V → 400 V, 65 kHz, η 0.98, γ 0.2) as the converter:
// every design assessed over the quarter line cycle.
void BM_AdviseDesignsPfc(benchmark::State& state) {
  InitCoreData();
  AdviserRequest r;
  Converter pfc;
  pfc.Kind = Topology::Pfc;
  pfc.Inputs = {500, 220, 400, 65, 0.98f, 0.2f};
  r.InConverter = pfc;
  AdviserControl control;
  control.Threads = static_cast<int>(state.range(0));
  std::int64_t feasible = 0;
  for (auto _ : state) {
    const auto result = AdviseDesigns(r, control);
    feasible = result->FeasibleCount;
    benchmark::DoNotOptimize(result);
  }
  state.counters["feasible"] = static_cast<double>(feasible);
}
BENCHMARK(BM_AdviseDesignsPfc)->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(3);

void BM_AdviseDesignsPlainLoop(benchmark::State& state) {
  const AdviserRequest r = DefaultRequest();
  std::size_t feasible = 0;
  for (auto _ : state) {
    const auto plain = reference::AdvisedDesigns(r);
    feasible = plain.Feasible.size();
    benchmark::DoNotOptimize(plain);
  }
  state.counters["feasible"] = static_cast<double>(feasible);
}
BENCHMARK(BM_AdviseDesignsPlainLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
