// The curves window on its own, at 200 % scale: what each chart draws, its axes and legend,
// and the notes shown where a design or a curve cannot be drawn.
#include "workbench/DesignCurves.h"

#include <QAbstractAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QScrollArea>
#include <QScrollBar>
#include <QValueAxis>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

#include "core-data/catalogue.h"
#include "design/analysis/design_assessment.h"
#include "curves_test_support.h"
#include "screens/monkey.h"

namespace qiro {

using namespace testing;

class DesignCurvesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<DesignCurves> window_;

  // The toroid calculator's worked design with 37 turns on KMA157060.
  static CurveDesign Worked() {
    CurveDesign d;
    d.Core = FindCoreByPartNumber("KMA157060");
    d.FrequencyKHz = 100;
    d.AverageCurrent = 10;
    d.PeakCurrent = 14.14f;
    d.RippleCurrent = 2.828f;
    d.WireDiameter = 1.0f;
    d.Turns = 37;
    return d;
  }

  static void CompareSeries(QWidget* window, const char* chart, const char* series,
                            const std::vector<CurvePoint>& expected) {
    const QList<QPointF> shown = PointsOf(window, chart, series);
    QCOMPARE(shown.size(), static_cast<qsizetype>(expected.size()));
    for (qsizetype i = 0; i < shown.size(); ++i) {
      const CurvePoint& p = expected[static_cast<std::size_t>(i)];
      QVERIFY2(shown[i] == QPointF(p.X, p.Y), qPrintable(QStringLiteral("%1 point %2").arg(series).arg(i)));
    }
  }

  // The temperature-rise curve the window should draw for the design at that ambient.
  static TemperatureCurve ExpectedRise(const CurveDesign& design, double ambient) {
    const auto set = MakeDesignCurves(design);
    if (!set.ok()) qFatal("the design cannot be evaluated");
    return TemperatureRiseCurve(set->Evaluation, ambient, DesignCurves::kTemperaturePoints);
  }

  static QStringList AxisTitles(QWidget* window, const char* chart) {
    QStringList titles;
    auto* view = window->findChild<QChartView*>(QString::fromLatin1(chart));
    for (QAbstractAxis* axis : view->chart()->axes()) titles << axis->titleText();
    return titles;
  }

  static QStringList LegendLabels(QWidget* window, const char* chart) {
    QStringList labels;
    auto* view = window->findChild<QChartView*>(QString::fromLatin1(chart));
    for (QLegendMarker* marker : view->chart()->legend()->markers()) {
      if (marker->isVisible()) labels << marker->label();
    }
    return labels;
  }

 private slots:
  void initTestCase() { InitCoreData(); }

  void init() {
    window_ = std::make_unique<DesignCurves>(nullptr);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void drawsTheThreeCurvesOfTheDesign() {
    const CurveDesign design = Worked();
    window_->Follow(design);
    const auto set = MakeDesignCurves(design);
    QVERIFY(set.ok());
    QCOMPARE(WindowNote(window_.get()), QString());
    QCOMPARE(window_->windowTitle(), QStringLiteral("设计曲线 - KMA157060"));
    CompareSeries(window_.get(), "chartInductance", "seriesInductance", set->Inductance.Points);
    CompareSeries(window_.get(), "chartPermeability", "seriesPermeability", set->Permeability.Points);
    CompareSeries(window_.get(), "chartLoss", "seriesLoss", set->Loss.Points);
    CompareSeries(window_.get(), "chartInductance", "seriesInductanceZero", {set->Inductance.Zero});
    CompareSeries(window_.get(), "chartInductance", "seriesInductanceAverage", {set->Inductance.Average});
    CompareSeries(window_.get(), "chartInductance", "seriesInductancePeak", {set->Inductance.Peak});
    CompareSeries(window_.get(), "chartPermeability", "seriesPermeabilityPeak", {set->Permeability.Peak});
    CompareSeries(window_.get(), "chartLoss", "seriesLossDesign", {*set->Loss.Design});
    // The operating points in words, in the report's number forms.
    QCOMPARE(LabelText(window_.get(), "labInductancePoints"),
             QStringLiteral("L@0A：110.889μH；平均电流 10.00A：100.98μH；峰值电流 14.14A：94.72μH"));
    QCOMPARE(LabelText(window_.get(), "labPermeabilityPoints"),
             QStringLiteral("平均电流：H=47.25Oe，剩余磁导率 91.1%；峰值电流：H=66.81Oe，剩余磁导率 85.4%"));
    QCOMPARE(LabelText(window_.get(), "labLossPoints"),
             QStringLiteral("磁通密度摆幅 ΔB=675.3Gs；工作频率 100kHz：磁损 5.611663W"));
    QCOMPARE(LabelText(window_.get(), "labDesign"),
             QStringLiteral("磁芯 KMA157060 ×1，37 圈，线径 1mm×1Pcs；平均电流 10 A，峰值电流 14.14 A，"
                            "纹波电流 2.828 A，频率 100 kHz"));
  }

  void axesCarryUnitsAndTheLegendNamesEachSeries() {
    window_->Follow(Worked());
    QCOMPARE(AxisTitles(window_.get(), "chartInductance"),
             (QStringList{"直流电流 (A)", "电感量 (μH)"}));
    QCOMPARE(AxisTitles(window_.get(), "chartPermeability"),
             (QStringList{"磁场强度 H (Oe)", "剩余磁导率 (%)"}));
    QCOMPARE(AxisTitles(window_.get(), "chartLoss"), (QStringList{"频率 (kHz)", "磁芯损耗 (W)"}));
    QCOMPARE(AxisTitles(window_.get(), "chartTemperature"),
             (QStringList{"平均直流电流(A)", "温升(°C)"}));
    QCOMPARE(LegendLabels(window_.get(), "chartInductance"),
             (QStringList{"电感量 L(I)", "L@0A", "平均电流", "峰值电流"}));
    QCOMPARE(LegendLabels(window_.get(), "chartPermeability"),
             (QStringList{"KMA μ60", "平均电流", "峰值电流"}));
    QCOMPARE(LegendLabels(window_.get(), "chartLoss"), (QStringList{"磁芯损耗", "工作频率"}));
    QCOMPARE(LegendLabels(window_.get(), "chartTemperature"),
             (QStringList{"温升 ΔT(I)", "平均电流"}));
    for (const char* name : {"chartInductance", "chartPermeability", "chartLoss", "chartTemperature"}) {
      QChart* chart = window_->findChild<QChartView*>(QString::fromLatin1(name))->chart();
      QVERIFY(chart->legend()->isVisible());
      QVERIFY(!chart->title().isEmpty());
    }
  }

  void readableAtTwiceTheScale() {
    // This program runs at QT_SCALE_FACTOR=2 (see main below), on a screen of 400×300
    // device-independent pixels: the window opens smaller than the charts need and scrolls.
    // Here it gets the room of a 2560×1600 screen at 200 %.
    window_->Follow(Worked());
    window_->resize(1200, 760);
    QCoreApplication::processEvents();
    QCOMPARE(window_->devicePixelRatioF(), 2.0);
    const QPixmap picture = window_->grab();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.width(), 2 * window_->width());
    // Each plot keeps a useful size inside its chart: titles, axes and legend leave room.
    for (const char* name : {"chartInductance", "chartPermeability", "chartLoss", "chartTemperature"}) {
      QChart* chart = window_->findChild<QChartView*>(QString::fromLatin1(name))->chart();
      QVERIFY2(chart->plotArea().width() > 200 && chart->plotArea().height() > 120,
               qPrintable(QStringLiteral("%1: %2 x %3 in %4 x %5").arg(name).arg(chart->plotArea().width()).arg(chart->plotArea().height()).arg(chart->size().width()).arg(chart->size().height())));
    }
  }

  void drawsTheTemperatureRiseAgainstTheAverageCurrent() {
    const CurveDesign design = Worked();
    window_->Follow(design);
    const TemperatureCurve expected = ExpectedRise(design, 25);
    // Towards twice the peak current the winding would pass 500 °C: those currents are left
    // out, and only those.
    QVERIFY(expected.Design && expected.RunawayFrom && !expected.OtherGaps);
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"), QString());
    CompareSeries(window_.get(), "chartTemperature", "seriesTemperature", expected.Points);
    // From no current up to the runaway. Without DC the ripple's core and AC copper loss
    // still heat the part; towards the runaway the DC copper loss dominates.
    const QList<QPointF> shown = PointsOf(window_.get(), "chartTemperature", "seriesTemperature");
    QVERIFY(shown.size() > DesignCurves::kTemperaturePoints / 2);
    QVERIFY(shown.size() < DesignCurves::kTemperaturePoints);
    QCOMPARE(shown.front().x(), 0.0);
    QVERIFY(shown.back().x() < *expected.RunawayFrom);
    QVERIFY(shown.front().y() > 0);
    QVERIFY(shown.back().y() > 3 * expected.Design->Y);
    QVERIFY(shown.back().y() <= kHottestWinding - 25);
    // The design's own point: its average current and the rise its assessment gives.
    const auto set = MakeDesignCurves(design);
    const auto own = AssessDesign(set->Evaluation, 25);
    QVERIFY(own.ok());
    const QList<QPointF> marked = PointsOf(window_.get(), "chartTemperature", "seriesTemperatureDesign");
    QCOMPARE(marked, (QList<QPointF>{QPointF(10.0, own->TemperatureRise)}));
    QVERIFY(SeriesIn(window_.get(), "chartTemperature", "seriesTemperatureDesign")->isVisible());
    // About 90 °C over 25 °C: the README's worked design runs too hot.
    QVERIFY(own->TemperatureRise > 85 && own->TemperatureRise < 95);
    QCOMPARE(LabelText(window_.get(), "labTemperaturePoints"),
             QStringLiteral("环境温度 25°C；平均电流 10.00A：温升 %1°C（过高），绕组温度 %2°C"
                            "；自平均电流 %3A 起，绕组温度将超过500 °C的电流未绘出")
                 .arg(QString::number(own->TemperatureRise, 'f', 1),
                      QString::number(25 + own->TemperatureRise, 'f', 1),
                      QString::number(*expected.RunawayFrom, 'f', 2)));
    // The point sits on the curve's range, inside the axes.
    auto* view = window_->findChild<QChartView*>(QStringLiteral("chartTemperature"));
    const auto axes = view->chart()->axes();
    QVERIFY(static_cast<QValueAxis*>(axes[0])->max() >= shown.back().x());
    QVERIFY(static_cast<QValueAxis*>(axes[1])->max() >= shown.back().y());
  }

  void theTemperatureChartFollowsTheAmbient() {
    const CurveDesign design = Worked();
    window_->Follow(design);
    QCOMPARE(window_->AmbientTemperature(), 25.0);
    QVERIFY(window_->SetAmbientTemperature(60));
    CompareSeries(window_.get(), "chartTemperature", "seriesTemperature", ExpectedRise(design, 60).Points);
    QVERIFY(LabelText(window_.get(), "labTemperaturePoints").startsWith(QStringLiteral("环境温度 60°C；")));
    // Hotter copper loses more, so the same design rises further.
    const auto atRoomTemperature = ExpectedRise(design, 25).Design;
    QVERIFY(atRoomTemperature);
    QVERIFY(PointsOf(window_.get(), "chartTemperature", "seriesTemperatureDesign")[0].y() >
            atRoomTemperature->Y);
    // What an ambient field refuses leaves the chart as it was.
    const QList<QPointF> before = PointsOf(window_.get(), "chartTemperature", "seriesTemperature");
    for (const double refused : {std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity(), -60.5, 200.5}) {
      QVERIFY(!window_->SetAmbientTemperature(refused));
      QCOMPARE(window_->AmbientTemperature(), 60.0);
      QCOMPARE(PointsOf(window_.get(), "chartTemperature", "seriesTemperature"), before);
    }
    QVERIFY(window_->SetAmbientTemperature(-60));
    QVERIFY(window_->SetAmbientTemperature(200));
    QVERIFY(LabelText(window_.get(), "labTemperaturePoints").startsWith(QStringLiteral("环境温度 200°C；")));
    // Set while no design is shown, the ambient holds for the next design.
    window_->Follow(QStringLiteral("当前输入无法计算"));
    QVERIFY(window_->SetAmbientTemperature(-20.5));
    CurveDesign next = design;
    next.Turns = 30;
    window_->Follow(next);
    CompareSeries(window_.get(), "chartTemperature", "seriesTemperature", ExpectedRise(next, -20.5).Points);
    QVERIFY(LabelText(window_.get(), "labTemperaturePoints").startsWith(QStringLiteral("环境温度 -20.5°C；")));
    QCOMPARE(FalseShownText(window_.get(), {}), QString());
  }

  void aWindingThatDoesNotFitIsANoteInsteadOfTheTemperatureChart() {
    CurveDesign design = Worked();
    design.Turns = 381;  // 1 mm wire: more than the hole of KMA157060 holds
    window_->Follow(design);
    QCOMPARE(WindowNote(window_.get()), QString());
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"),
             QStringLiteral("绕组放不进磁芯内孔，无法估算温升"));
    QVERIFY(!window_->findChild<QChartView*>(QStringLiteral("chartTemperature"))->isVisible());
    // The other charts do not depend on the winding's room.
    QCOMPARE(ChartNote(window_.get(), "stkInductance"), QString());
    QCOMPARE(ChartNote(window_.get(), "stkLoss"), QString());
    // A new ambient does not bring back a chart of a design that cannot be assessed.
    QVERIFY(window_->SetAmbientTemperature(40));
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"),
             QStringLiteral("绕组放不进磁芯内孔，无法估算温升"));
    QCOMPARE(FalseShownText(window_.get(), {}), QString());
    window_->Follow(Worked());
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"), QString());
    CompareSeries(window_.get(), "chartTemperature", "seriesTemperature", ExpectedRise(Worked(), 40).Points);
  }

  void fitsASmallScreenAndScrollsAtTwiceTheScale() {
    window_->Follow(Worked());
    QCoreApplication::processEvents();
    // At 100 % the four charts fit a 1280×720 screen (with room for the window's frame and a
    // panel) without scrolling: their least size, in device-independent pixels, is the same
    // at every scale.
    auto* content = window_->findChild<QWidget*>(QStringLiteral("screenContent"));
    QVERIFY(content);
    const QSize least = content->minimumSizeHint();
    QVERIFY2(least.width() <= 1260 && least.height() <= 640,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
    // At 200 % that screen is 640×360: the window still fits, and the charts scroll.
    const QSize windowLeast = window_->minimumSizeHint().expandedTo(window_->minimumSize());
    QVERIFY(windowLeast.width() <= 620 && windowLeast.height() <= 330);
    window_->resize(620, 330);
    QCoreApplication::processEvents();
    auto* scroll = window_->findChild<QScrollArea*>(QStringLiteral("screenScroll"));
    QVERIFY(scroll);
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    // Nothing is squeezed below its least size: it scrolls instead, and each plot keeps
    // several lines of height inside its chart.
    QVERIFY(content->height() >= least.height() && content->width() >= least.width());
    const int line = window_->fontMetrics().lineSpacing();
    for (const char* name : {"chartInductance", "chartPermeability", "chartLoss", "chartTemperature"}) {
      QChart* chart = window_->findChild<QChartView*>(QString::fromLatin1(name))->chart();
      QVERIFY2(chart->plotArea().width() > 20 * line && chart->plotArea().height() > 5 * line,
               qPrintable(QStringLiteral("%1: %2 x %3, line %4").arg(name).arg(chart->plotArea().width()).arg(chart->plotArea().height()).arg(line)));
    }
  }

  void aNoteInsteadOfChartsWithoutADesign() {
    window_->Follow(Worked());
    window_->Follow(QStringLiteral("当前输入无法计算：请输入“频率”，注意单位为千赫兹！"));
    QCOMPARE(WindowNote(window_.get()), QStringLiteral("当前输入无法计算：请输入“频率”，注意单位为千赫兹！"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("设计曲线"));
    // And back to the charts once there is a design again.
    window_->Follow(Worked());
    QCOMPARE(WindowNote(window_.get()), QString());
  }

  void aDesignThatCannotBeEvaluatedIsANote() {
    CurveDesign design = Worked();
    design.PeakCurrent = 3e38f;  // its field leaves the float range
    window_->Follow(design);
    QVERIFY(WindowNote(window_.get()).startsWith(QStringLiteral("该设计无法计算")));
    QCOMPARE(FalseShownText(window_.get(), {}), QString());
  }

  void withoutRippleOnlyTheLossChartIsANote() {
    CurveDesign design = Worked();
    design.FrequencyKHz = 0;
    design.RippleCurrent = 0;
    window_->Follow(design);
    QCOMPARE(WindowNote(window_.get()), QString());
    QVERIFY(ChartNote(window_.get(), "stkLoss").contains(QStringLiteral("没有损耗曲线")));
    QCOMPARE(ChartNote(window_.get(), "stkInductance"), QString());
    QCOMPARE(ChartNote(window_.get(), "stkPermeability"), QString());
    // A proposal of the selection screen carries neither: the copper's DC loss still heats it.
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"), QString());
    QVERIFY(LabelText(window_.get(), "labTemperaturePoints")
                .startsWith(QStringLiteral("（方案不含频率和纹波：仅直流铜损）环境温度 25°C；")));
    CompareSeries(window_.get(), "chartTemperature", "seriesTemperature", ExpectedRise(design, 25).Points);
    const auto set = MakeDesignCurves(design);
    const auto own = AssessDesign(set->Evaluation, 25);
    QCOMPARE(own->CoreLoss, 0.0);
    QCOMPARE(own->CopperLossAc, 0.0);
    QCOMPARE(PointsOf(window_.get(), "chartTemperature", "seriesTemperatureDesign"),
             (QList<QPointF>{QPointF(10.0, own->TemperatureRise)}));
    // A later design with ripple brings the loss chart back.
    window_->Follow(Worked());
    QCOMPARE(ChartNote(window_.get(), "stkLoss"), QString());
  }

  void materialWithoutABiasModelIsANote() {
    CurveDesign design = Worked();
    design.Core.Series = "KMX";
    window_->Follow(design);
    QCOMPARE(ChartNote(window_.get(), "stkPermeability"),
             QStringLiteral("KMX μ60 材料没有直流偏置模型，无法绘制磁导率曲线。"));
  }

  // KMC185160 with 382 turns of 0.45 mm × 3 at 50 A: the winding would climb past 500 °C
  // (to 4.7e9 °C, had nothing stopped it).
  void aRunawayIsANoteInsteadOfTheTemperatureChart() {
    CurveDesign design;
    design.Core = FindCoreByPartNumber("KMC185160");
    design.FrequencyKHz = 50;
    design.AverageCurrent = 50;
    design.PeakCurrent = 55;
    design.RippleCurrent = 10;
    design.WireDiameter = 0.45f;
    design.StrandCount = 3;
    design.Turns = 382;
    window_->Follow(design);
    QCOMPARE(WindowNote(window_.get()), QString());
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"),
             QStringLiteral("绕组温度将超过500 °C，无稳定温度，无法估算温升"));
    QCOMPARE(ChartNote(window_.get(), "stkInductance"), QString());
    QCOMPARE(FalseShownText(window_.get(), {}), QString());
    // At a tenth of the current it settles, and the chart is back.
    design.AverageCurrent = 5;
    design.PeakCurrent = 5.5f;
    design.RippleCurrent = 1;
    window_->Follow(design);
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"), QString());
    CompareSeries(window_.get(), "chartTemperature", "seriesTemperature", ExpectedRise(design, 25).Points);
  }

  void lossModelLimitsAreNamed() {
    CurveDesign design = Worked();
    design.Core = FindCoreByPartNumber("KME106060");
    window_->Follow(design);
    QVERIFY(LabelText(window_.get(), "labLossPoints").endsWith(QStringLiteral("这些频率未绘出")));
    QVERIFY(SeriesIn(window_.get(), "chartLoss", "seriesLossDesign")->isVisible());
    // At 350 kHz the model gives a negative loss: no point for the design frequency.
    design.FrequencyKHz = 350;
    window_->Follow(design);
    QVERIFY(LabelText(window_.get(), "labLossPoints").contains(QStringLiteral("工作频率 350kHz 不在损耗模型范围内")));
    QVERIFY(!SeriesIn(window_.get(), "chartLoss", "seriesLossDesign")->isVisible());
    // A negative core loss heats nothing: the rise cannot be estimated.
    QCOMPARE(ChartNote(window_.get(), "stkTemperature"),
             QStringLiteral("磁损超出损耗模型范围，无法估算温升"));
    QCOMPARE(FalseShownText(window_.get(), {}), QString());
  }

  void extremeDesignsShowNothingFalse() {
    for (const float current : {1e-30f, 1e-6f, 1e6f, 1e30f}) {
      CurveDesign design = Worked();
      design.AverageCurrent = current;
      design.PeakCurrent = current;
      design.RippleCurrent = current;
      window_->Follow(design);
      QCOMPARE(FalseShownText(window_.get(), {}), QString());
      for (const char* chart : {"chartInductance", "chartPermeability", "chartLoss", "chartTemperature"}) {
        auto* view = window_->findChild<QChartView*>(QString::fromLatin1(chart));
        for (QAbstractSeries* s : view->chart()->series()) {
          for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) {
            QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
          }
        }
      }
    }
  }
};

}  // namespace qiro

// The window is checked at 200 %: the scale is set before the application starts.
int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  QTEST_SET_MAIN_SOURCE_PATH
  qiro::DesignCurvesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "DesignCurves_test.moc"
