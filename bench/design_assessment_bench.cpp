// The design assessment runs on every refresh of the toroid calculator's report, and once
// per current on the temperature-rise curve.
#include <benchmark/benchmark.h>

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"

namespace {

using namespace qiro;

InductorEvaluation WorkedDesign(float frequencyKHz, float ripple) {
  InitCoreData();
  const CoreRecord core = FindCoreByPartNumber("KMA157060");
  return EvaluateInductor(core, core, 1, 0, frequencyKHz, 10, 14.14f, ripple, 1.0f, 1, 37).value();
}

// The README's worked design: one layer, fifty ripple harmonics, 13 temperature rounds.
void BM_AssessDesign(benchmark::State& state) {
  const InductorEvaluation e = WorkedDesign(100, 2.828f);
  for (auto _ : state) benchmark::DoNotOptimize(AssessDesign(e, 25));
}
BENCHMARK(BM_AssessDesign)->Unit(benchmark::kMicrosecond);

// Without ripple only the DC copper loss is iterated: the floor of the cost.
void BM_AssessDesignDcOnly(benchmark::State& state) {
  const InductorEvaluation e = WorkedDesign(0, 0);
  for (auto _ : state) benchmark::DoNotOptimize(AssessDesign(e, 25));
}
BENCHMARK(BM_AssessDesignDcOnly)->Unit(benchmark::kMicrosecond);

void BM_TemperatureRiseCurve(benchmark::State& state) {
  const InductorEvaluation e = WorkedDesign(100, 2.828f);
  for (auto _ : state) benchmark::DoNotOptimize(TemperatureRiseCurve(e, 25));
}
BENCHMARK(BM_TemperatureRiseCurve)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
