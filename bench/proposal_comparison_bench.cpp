// Filling the proposal comparison window with the 18 proposals of a typical search
// (5 A, 100 μH), offscreen: each proposal evaluated, re-evaluated and assessed, the table
// model refilled and its columns fitted; once without and once with frequency and ripple,
// and once more with the window painted.
//   build/release/bench/proposal_comparison_bench
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <vector>

#include "core-data/catalogue.h"
#include "design/calculators/grouped_core_search.h"
#include "workbench/ProposalComparison.h"
#include "screens/frmCoreChoise.h"
#include "screen_bench_main.h"
#include "qt-support/platform.h"

namespace {

qiro::frmCoreChoise* screen = nullptr;
qiro::ProposalComparison* comparison = nullptr;
std::vector<qiro::SelectionCandidate> proposals;

template <class T>
T* Child(QWidget* root, const char* name) {
  T* child = root->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no widget named %s", name);
  return child;
}

void OpenComparison() {
  proposals = qiro::GroupedCoreSearch(qiro::MakeGroupedRequest(5, false, false, 100, 1, 3))->Candidates;
  if (proposals.size() != 18) qFatal("expected 18 proposals");
  screen = new qiro::frmCoreChoise();
  screen->show();
  Child<QLineEdit>(screen, "txtDianliu")->setText(QStringLiteral("5"));
  Child<QLineEdit>(screen, "txtDianganliang")->setText(QStringLiteral("100"));
  Child<QAbstractButton>(screen, "cmdJiSuan")->click();
  Child<QAbstractButton>(screen, "cmdCompare")->click();
  comparison = screen->findChild<qiro::ProposalComparison*>();
  if (!comparison) qFatal("no comparison window");
  comparison->resize(1100, 560);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

int Rows() { return Child<QTableView>(comparison, "tblCompare")->model()->rowCount(); }

void SetConditions(const char* frequency, const char* ripple) {
  Child<QLineEdit>(comparison, "txtCompareFrequency")->setText(QString::fromLatin1(frequency));
  Child<QLineEdit>(comparison, "txtCompareRipple")->setText(QString::fromLatin1(ripple));
}

void Fill(benchmark::State& state, bool paint) {
  for (auto _ : state) {
    comparison->Follow(proposals);
    if (paint) {
      QCoreApplication::sendPostedEvents();
      comparison->repaint();
    }
  }
  state.counters["rows"] = Rows();
}

// The proposals as the search gives them: DC copper loss only.
void BM_FollowEighteenProposals(benchmark::State& state) {
  SetConditions("", "");
  Fill(state, false);
}

// 100 kHz, 2 A ripple: every proposal re-evaluated with core loss and AC copper loss.
void BM_FollowEighteenWithRipple(benchmark::State& state) {
  SetConditions("100", "2");
  Fill(state, false);
  SetConditions("", "");
}

// Filled and painted: what the user waits for after a search.
void BM_FollowEighteenAndPaint(benchmark::State& state) {
  SetConditions("100", "2");
  Fill(state, true);
  SetConditions("", "");
}

BENCHMARK(BM_FollowEighteenProposals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FollowEighteenWithRipple)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FollowEighteenAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunScreenBenchmarks(argc, argv, FailOnMessage, OpenComparison, [] { delete screen; });
}
