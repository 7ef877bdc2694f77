// The domain functions every screen calls on each keystroke.
#include <benchmark/benchmark.h>

#include "core-data/catalogue.h"
#include "magnetics/bias_permeability.h"
#include "magnetics/core_loss.h"
#include "magnetics/evaluate_inductor.h"
#include "magnetics/formulas.h"
#include "magnetics/winding_search.h"

namespace {

using namespace qiro;

void BM_InitCoreData(benchmark::State& state) {
  for (auto _ : state) {
    InitCoreData();
    benchmark::DoNotOptimize(CoreCatalogue.data());
  }
}
BENCHMARK(BM_InitCoreData)->Unit(benchmark::kMicrosecond);

void BM_BiasPermeability(benchmark::State& state) {
  float field = 3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BiasPermeability(173, "KMC", field));
    field = field > 800 ? 3 : field + 1.7f;
  }
}
BENCHMARK(BM_BiasPermeability);

void BM_CoreLossDensity(benchmark::State& state) {
  float f = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CoreLossDensity(60, "KME", f, 1200));
    f = f > 300 ? 10 : f + 3.1f;
  }
}
BENCHMARK(BM_CoreLossDensity);

void BM_InductanceAtCurrent(benchmark::State& state) {
  InitCoreData();
  const CoreRecord core = FindCoreByPartNumber("KMC157125");
  std::int16_t turns = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(InductanceAtCurrent(turns, core, 10));
    turns = turns == 350 ? 1 : static_cast<std::int16_t>(turns + 1);
  }
}
BENCHMARK(BM_InductanceAtCurrent);

void BM_EvaluateInductor(benchmark::State& state) {
  InitCoreData();
  const CoreRecord core = FindCoreByPartNumber("KMA157060");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        EvaluateInductor(core, core, 1, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37));
  }
}
BENCHMARK(BM_EvaluateInductor);

void BM_WindingSearch(benchmark::State& state) {
  float current = 0.1f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WindingSearch(current, 8.2f));
    current = current > 300 ? 0.1f : current * 1.3f;
  }
}
BENCHMARK(BM_WindingSearch);

}  // namespace

BENCHMARK_MAIN();
