// Redrawing the design curves after an input change, offscreen: the toroid calculator with
// its curves window open, one keystroke in the average current (the screen's whole cascade,
// the four curves recomputed and handed to the charts) and the window painted at once.
// Also the parts alone: the points of the curves, and drawing a new design in the window
// without the screen.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"
#include "design/analysis/design_curves.h"
#include "workbench/DesignCurves.h"
#include "screens/frmDiangan.h"
#include "screen_bench_main.h"
#include "qt-support/platform.h"

namespace {

qiro::frmDiangan* screen = nullptr;
qiro::DesignCurves* curves = nullptr;

template <class T>
T* Child(QWidget* root, const char* name) {
  T* child = root->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no widget named %s", name);
  return child;
}

// The worked example with 37 turns on KMA157060, and its curves window open at the size
// of the screenshots.
void OpenWorkedExampleWithCurves() {
  screen = new qiro::frmDiangan();
  screen->resize(1000, 620);
  screen->show();
  QApplication::setActiveWindow(screen);
  if (!QTest::qWaitForWindowActive(screen)) qFatal("the screen never became active");
  Child<QLineEdit>(screen, "txtIrms")->setText(QStringLiteral("10"));
  Child<QLineEdit>(screen, "txtF")->setText(QStringLiteral("100"));
  Child<QScrollBar>(screen, "hcrollTurns")->setSliderPosition(37);
  auto* list = Child<QListWidget>(screen, "lstCoreList");
  list->setCurrentItem(list->findItems(QStringLiteral("KMA157060"), Qt::MatchExactly).first());
  Child<QAbstractButton>(screen, "cmdCurves")->click();
  curves = screen->findChild<qiro::DesignCurves*>();
  if (!curves) qFatal("no curves window");
  curves->resize(1000, 720);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  if (curves->windowTitle() != QStringLiteral("设计曲线 - KMA157060")) qFatal("no design drawn");
}

qiro::CurveDesign WorkedDesign(float average) {
  qiro::CurveDesign d;
  d.Core = qiro::FindCoreByPartNumber("KMA157060");
  d.FrequencyKHz = 100;
  d.AverageCurrent = average;
  d.PeakCurrent = average * 1.414f;
  d.RippleCurrent = average * 0.2828f;
  d.WireDiameter = 1.0f;
  d.Turns = 37;
  return d;
}

// One keystroke (10 A <-> 101 A), then the posted layout and scene updates, then the
// window painted: what the user waits for before the charts show the new design.
void BM_InputChangeToRedrawnCurves(benchmark::State& state) {
  auto* average = Child<QLineEdit>(screen, "txtIrms");
  average->setCursorPosition(average->text().size());
  bool typed = false;
  for (auto _ : state) {
    QTest::keyClick(average, typed ? Qt::Key_Backspace : Qt::Key_1);
    QCoreApplication::sendPostedEvents();
    curves->repaint();
    typed = !typed;
  }
  if (typed) QTest::keyClick(average, Qt::Key_Backspace);
  if (Child<QLineEdit>(screen, "txtIpeak")->text() != QLatin1String("14.14"))
    state.SkipWithError("the cascade did not run");
}

// The same change without painting: the screen's cascade and the charts' new points.
void BM_InputChangeToCurvePoints(benchmark::State& state) {
  auto* average = Child<QLineEdit>(screen, "txtIrms");
  average->setCursorPosition(average->text().size());
  bool typed = false;
  for (auto _ : state) {
    QTest::keyClick(average, typed ? Qt::Key_Backspace : Qt::Key_1);
    typed = !typed;
  }
  if (typed) QTest::keyClick(average, Qt::Key_Backspace);
  QApplication::processEvents();
}

// The window alone: a new design drawn and painted.
void BM_FollowAndPaint(benchmark::State& state) {
  const qiro::CurveDesign designs[] = {WorkedDesign(10), WorkedDesign(11)};
  int i = 0;
  for (auto _ : state) {
    curves->Follow(designs[i++ % 2]);
    QCoreApplication::sendPostedEvents();
    curves->repaint();
  }
}

// The points of the three curves (3 × 161 evaluations), no Qt.
void BM_MakeDesignCurves(benchmark::State& state) {
  const qiro::CurveDesign design = WorkedDesign(10);
  for (auto _ : state) benchmark::DoNotOptimize(qiro::MakeDesignCurves(design));
}

// The temperature-rise chart's points as the window draws them, each a whole assessment.
void BM_TemperatureCurvePoints(benchmark::State& state) {
  const auto set = qiro::MakeDesignCurves(WorkedDesign(10));
  if (!set.ok()) qFatal("the worked design cannot be evaluated");
  const int points = static_cast<int>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(qiro::TemperatureRiseCurve(set->Evaluation, 25, points));
  }
}

BENCHMARK(BM_InputChangeToRedrawnCurves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InputChangeToCurvePoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FollowAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeDesignCurves)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TemperatureCurvePoints)
    ->Arg(qiro::DesignCurves::kTemperaturePoints)
    ->Arg(qiro::kCurvePoints)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunScreenBenchmarks(argc, argv, FailOnMessage, OpenWorkedExampleWithCurves, [] { delete screen; });
}
