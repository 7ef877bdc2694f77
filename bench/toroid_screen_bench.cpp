// The toroid calculator's per-keystroke work, measured on the real screen offscreen:
// one key in the average current (the whole cascade: peak, ripple, current density and
// every report refresh it causes) and one key in the core search (all 754 part numbers
// filtered and the list refilled). Each is measured alone and with the repaint that
// follows it in the event loop.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "core-data/catalogue.h"
#include "screens/frmDiangan.h"
#include "screen_bench_main.h"
#include "qt-support/platform.h"

namespace {

qiro::frmDiangan* screen = nullptr;

template <class T>
T* Child(const char* name) {
  T* child = screen->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no widget named %s", name);
  return child;
}

// Starts from the worked example: 10 A, 100 kHz, 10 turns, KMA157060 picked.
void OpenWorkedExample() {
  screen = new qiro::frmDiangan();
  screen->resize(1000, 620);
  screen->show();
  QApplication::setActiveWindow(screen);
  if (!QTest::qWaitForWindowActive(screen)) qFatal("the screen never became active");
  auto* average = Child<QLineEdit>("txtIrms");
  average->selectAll();
  QTest::keyClicks(average, QStringLiteral("10"));
  auto* frequency = Child<QLineEdit>("txtF");
  frequency->selectAll();
  QTest::keyClicks(frequency, QStringLiteral("100"));
  Child<QScrollBar>("hcrollTurns")->setSliderPosition(10);
  auto* list = Child<QListWidget>("lstCoreList");
  list->setCurrentItem(list->findItems(QStringLiteral("KMA157060"), Qt::MatchExactly).first());
  if (Child<QPlainTextEdit>("txtShow")->toPlainText().count(QLatin1Char('\n')) != 17)
    qFatal("the worked example shows no report");
  QApplication::processEvents();
}

// Alternately types a digit and erases it: every iteration is one keystroke whose
// cascade ends in a report (10 A <-> 101 A).
void KeystrokeInAverageCurrent(benchmark::State& state, bool paint) {
  auto* average = Child<QLineEdit>("txtIrms");
  average->setCursorPosition(average->text().size());
  bool typed = false;
  for (auto _ : state) {
    QTest::keyClick(average, typed ? Qt::Key_Backspace : Qt::Key_1);
    if (paint) QApplication::processEvents();  // the repaint of what changed
    typed = !typed;
  }
  if (typed) QTest::keyClick(average, Qt::Key_Backspace);  // back to 10 A for the next run
  if (Child<QLineEdit>("txtIpeak")->text() != QLatin1String("14.14") ||
      !Child<QPlainTextEdit>("txtShow")->toPlainText().contains(QStringLiteral("平均电流：10 A")))
    state.SkipWithError("the cascade did not run");
}

// Alternately types "K" and erases it: both texts match all 754 part numbers, so every
// keystroke filters and refills the whole list.
void KeystrokeInCoreSearch(benchmark::State& state, bool paint) {
  auto* search = Child<QLineEdit>("txtSearch");
  auto* list = Child<QListWidget>("lstCoreList");
  bool typed = false;
  for (auto _ : state) {
    QTest::keyClick(search, typed ? Qt::Key_Backspace : Qt::Key_K);
    if (paint) QApplication::processEvents();  // the repaint of what changed
    typed = !typed;
  }
  if (typed) QTest::keyClick(search, Qt::Key_Backspace);
  if (list->count() != 754) state.SkipWithError("the search did not list every core");
}

void BM_AverageCurrentKeystroke(benchmark::State& state) { KeystrokeInAverageCurrent(state, false); }
void BM_AverageCurrentKeystrokePainted(benchmark::State& state) { KeystrokeInAverageCurrent(state, true); }
void BM_CoreSearchKeystroke(benchmark::State& state) { KeystrokeInCoreSearch(state, false); }
void BM_CoreSearchKeystrokePainted(benchmark::State& state) { KeystrokeInCoreSearch(state, true); }

BENCHMARK(BM_AverageCurrentKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AverageCurrentKeystrokePainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CoreSearchKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CoreSearchKeystrokePainted)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunScreenBenchmarks(argc, argv, FailOnMessage, OpenWorkedExample, [] { delete screen; });
}
