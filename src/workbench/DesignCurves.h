#pragma once
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <variant>

#include "design/analysis/design_assessment.h"
#include "design/analysis/design_curves.h"

namespace Ui {
class DesignCurves;
}

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QShowEvent;
class QStackedWidget;
class QValueAxis;

namespace qiro {

// What the curves window shows: a design, or a note saying why there is none.
using CurveSubject = std::variant<CurveDesign, QString>;

// The curves of one design in a window of its own. The screen that opens it owns it and
// hands it every change of its design, so the window always shows the screen's design.
class DesignCurves final : public QWidget {
  Q_OBJECT

 public:
  // The ambient the temperature-rise chart starts with, as the screens' ambient fields do.
  static constexpr double kDefaultAmbient = 25;  // °C
  // Each point of the temperature curve is a whole assessment (about 20 µs): 41 points draw
  // the smooth curve as well as 161 at a quarter of the cost of a keystroke.
  static constexpr int kTemperaturePoints = 41;

  // A top-level window owned by `owner`: deleted when closed, or with its owner.
  explicit DesignCurves(QWidget* owner);
  ~DesignCurves() override;
  DesignCurves(const DesignCurves&) = delete;
  DesignCurves& operator=(const DesignCurves&) = delete;

  void Follow(const CurveSubject& subject);

  // The ambient (°C) of the temperature-rise chart, 25 °C until set; redraws that chart.
  // A value that is not a number or lies outside −60…200 °C is refused (false) and the
  // chart keeps its ambient, as the screens' own ambient fields refuse it.
  bool SetAmbientTemperature(double celsius);
  double AmbientTemperature() const { return ambient_; }

 private:
  // One chart: its curve, two operating-point markers and its axes.
  struct Plot {
    QStackedWidget* stack = nullptr;
    QWidget* page = nullptr;   // the chart with its operating points in words
    QChartView* view = nullptr;
    QLabel* points = nullptr;
    QLabel* note = nullptr;    // shown instead when there is no curve
    QChart* chart = nullptr;
    QLineSeries* curve = nullptr;
    QScatterSeries* first = nullptr;
    QScatterSeries* second = nullptr;
  };

  // Charts in lines of the window's font: the least size keeps the four charts and their
  // lines of words within a 1280×720 screen at 100 %; where the screen has room the window
  // opens with the charts at their comfortable height.
  static constexpr int kChartWidthLines = 30;
  static constexpr int kChartLeastHeightLines = 15;
  static constexpr int kChartComfortableHeightLines = 19;

  void showEvent(QShowEvent* event) override;
  void FitToScreen();
  void BuildCharts();
  void ShowDesign(const CurveDesign& design);
  void ShowNote(const QString& note);
  void DrawInductance(const DesignCurveSet& set);
  void DrawPermeability(const DesignCurveSet& set);
  void DrawLoss(const DesignCurveSet& set);
  void DrawTemperature(const InductorEvaluation& design);
  void BuildLineCycleChart();
  void DrawLineCycle(const CurveDesign& design);
  static void ShowPlotNote(Plot& plot, const QString& note);
  QString DesignText(const CurveDesign& design) const;

  std::unique_ptr<Ui::DesignCurves> ui_;
  Plot inductance_;
  Plot permeability_;
  Plot loss_;
  Plot temperature_;
  QScatterSeries* inductanceAtZero_ = nullptr;
  QValueAxis* currentAxis_ = nullptr;
  QValueAxis* inductanceAxis_ = nullptr;
  QLogValueAxis* fieldAxis_ = nullptr;
  QValueAxis* permeabilityAxis_ = nullptr;
  QLogValueAxis* frequencyAxis_ = nullptr;
  QLogValueAxis* lossAxis_ = nullptr;
  QValueAxis* averageCurrentAxis_ = nullptr;
  QValueAxis* riseAxis_ = nullptr;
  double ambient_ = kDefaultAmbient;
  bool sized_ = false;
  std::optional<InductorEvaluation> evaluation_;  // the design drawn now, for a new ambient
  // The quarter line cycle of a PFC or inverter choke (shown only for one).
  QWidget* lineCycle_ = nullptr;
  QChart* lineCycleChart_ = nullptr;
  QLabel* lineCyclePoints_ = nullptr;
  QValueAxis* angleAxis_ = nullptr;
  QValueAxis* shareAxis_ = nullptr;
  std::optional<CurveSubject> shown_;  // what is drawn now; an equal subject draws nothing
};

}  // namespace qiro
