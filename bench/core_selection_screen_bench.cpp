// The selection screens from a press of the search button to the filled list, offscreen,
// next to the pure search they run.
//   build/release/bench/core_selection_screen_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "core-data/catalogue.h"
#include "design/calculators/catalogue_fit_search.h"
#include "design/calculators/grouped_core_search.h"
#include "screens/frmChoise.h"
#include "screens/frmCoreChoise.h"
#include "screen_bench_main.h"
#include "qt-support/platform.h"

namespace {

struct Case {
  const char* name;
  const char* current;
  const char* inductance;
};

const Case kGrouped[] = {{"typical 5A 100uH", "5", "100"},
                         {"nothing found 0.1A 70000uH", "0.1", "70000"}};
const Case kFit[] = {{"typical 5A 100uH", "5", "100"},
                     {"nothing found 40A 50000uH", "40", "50000"}};

template <class Screen>
void PressSearch(benchmark::State& state, const Case& c) {
  auto screen = std::make_unique<Screen>();
  screen->show();
  QCoreApplication::processEvents();
  screen->template findChild<QLineEdit*>(QStringLiteral("txtDianliu"))
      ->setText(QString::fromLatin1(c.current));
  screen->template findChild<QLineEdit*>(QStringLiteral("txtDianganliang"))
      ->setText(QString::fromLatin1(c.inductance));
  auto* button = screen->template findChild<QPushButton*>(QStringLiteral("cmdJiSuan"));
  auto* list = screen->template findChild<QListWidget*>(QStringLiteral("lstResut"));
  int lines = 0;
  for (auto _ : state) {
    button->click();
    lines = list->count();
  }
  state.counters["lines"] = lines;
  state.SetLabel(c.name);
}

void BM_frmCoreChoiseSearch(benchmark::State& state) {
  PressSearch<qiro::frmCoreChoise>(state, kGrouped[state.range(0)]);
}

void BM_GroupedCoreSearchAlone(benchmark::State& state) {
  const Case& c = kGrouped[state.range(0)];
  const auto request =
      qiro::MakeGroupedRequest(std::stof(c.current), false, false, std::stof(c.inductance), 1, 3);
  // The search with its lines as the list shows them.
  for (auto _ : state) {
    const auto result = qiro::GroupedCoreSearch(request);
    std::vector<std::string> lines;
    for (const auto& candidate : result->Candidates)
      lines.push_back(qiro::GroupedResultLine(candidate));
    benchmark::DoNotOptimize(lines);
  }
  state.SetLabel(c.name);
}

void BM_frmChoiseSearch(benchmark::State& state) {
  PressSearch<qiro::frmChoise>(state, kFit[state.range(0)]);
}

void BM_CatalogueFitSearchAlone(benchmark::State& state) {
  const Case& c = kFit[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        qiro::CatalogueFitSearch(1, std::stof(c.current), std::stod(c.inductance)));
  }
  state.SetLabel(c.name);
}

BENCHMARK(BM_GroupedCoreSearchAlone)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_frmCoreChoiseSearch)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueFitSearchAlone)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_frmChoiseSearch)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Messages (the empty result) go nowhere instead of waiting for a click.
  return RunScreenBenchmarks(argc, argv, [](const qiro::ShownMessage&) {});
}
