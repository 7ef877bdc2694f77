// The two core searches, pruned as the program runs them and as plain step-by-step loops.
//   cmake --preset release -B build/release && cmake --build build/release --target core_selection_bench
//   build/release/bench/core_selection_bench
#include <benchmark/benchmark.h>

#include "core-data/catalogue.h"
#include "design/calculators/catalogue_fit_search.h"
#include "design/calculators/grouped_core_search.h"
#include "reference_searches.h"

namespace {

using qiro::MakeGroupedRequest;

struct GroupedCase {
  const char* name;
  float current, inductance;
  int coreCount, density;
  bool peak;
};

// Typical; nothing found with every core walked to its turn limit by the plain loop; and
// the requirement that leaves the pruned search the most turns to evaluate.
const GroupedCase kGrouped[] = {
    {"typical 5A 100uH", 5, 100, 1, 3, false},
    {"nothing found 0.1A 70000uH", 0.1f, 70000, 1, 3, false},
    {"hardest pruned 13.55A peak 7923uH x4 J10", 13.5525f, 7922.82f, 4, 10, true},
};

struct FitCase {
  const char* name;
  float current;
  double inductance;
  int coreCount;
};

const FitCase kFit[] = {
    {"typical 5A 100uH", 5, 100, 1},
    {"nothing found 40A 50000uH", 40, 50000, 1},
    {"hardest pruned 8.47A 2778uH", 8.47033f, 2778.37, 1},
};

void BM_GroupedCoreSearch(benchmark::State& state) {
  const GroupedCase& c = kGrouped[state.range(0)];
  const auto request = MakeGroupedRequest(c.current, c.peak, false, c.inductance,
                                          static_cast<std::int16_t>(c.coreCount),
                                          static_cast<std::int16_t>(c.density));
  for (auto _ : state) benchmark::DoNotOptimize(qiro::GroupedCoreSearch(request));
  state.SetLabel(c.name);
}

void BM_GroupedCoreSearchPlainLoop(benchmark::State& state) {
  const GroupedCase& c = kGrouped[state.range(0)];
  const auto request = MakeGroupedRequest(c.current, c.peak, false, c.inductance,
                                          static_cast<std::int16_t>(c.coreCount),
                                          static_cast<std::int16_t>(c.density));
  for (auto _ : state) benchmark::DoNotOptimize(qiro::reference::GroupedLines(request));
  state.SetLabel(c.name);
}

void BM_CatalogueFitSearch(benchmark::State& state) {
  const FitCase& c = kFit[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(qiro::CatalogueFitSearch(static_cast<std::int16_t>(c.coreCount),
                                                      c.current, c.inductance));
  }
  state.SetLabel(c.name);
}

void BM_CatalogueFitSearchPlainLoop(benchmark::State& state) {
  const FitCase& c = kFit[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(qiro::reference::FitLines(static_cast<std::int16_t>(c.coreCount),
                                                       c.current, c.inductance));
  }
  state.SetLabel(c.name);
}

BENCHMARK(BM_GroupedCoreSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupedCoreSearchPlainLoop)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueFitSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueFitSearchPlainLoop)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qiro::InitCoreData();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
