#pragma once
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <variant>

#include "design/design_curves.h"

namespace Ui {
class DesignCurves;
}

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
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
  // A top-level window owned by `owner`: deleted when closed, or with its owner.
  explicit DesignCurves(QWidget* owner);
  ~DesignCurves() override;
  DesignCurves(const DesignCurves&) = delete;
  DesignCurves& operator=(const DesignCurves&) = delete;

  void Follow(const CurveSubject& subject);

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

  void BuildCharts();
  void ShowDesign(const CurveDesign& design);
  void ShowNote(const QString& note);
  void DrawInductance(const DesignCurveSet& set);
  void DrawPermeability(const DesignCurveSet& set);
  void DrawLoss(const DesignCurveSet& set);
  static void ShowPlotNote(Plot& plot, const QString& note);
  QString DesignText(const CurveDesign& design) const;

  std::unique_ptr<Ui::DesignCurves> ui_;
  Plot inductance_;
  Plot permeability_;
  Plot loss_;
  QScatterSeries* inductanceAtZero_ = nullptr;
  QValueAxis* currentAxis_ = nullptr;
  QValueAxis* inductanceAxis_ = nullptr;
  QLogValueAxis* fieldAxis_ = nullptr;
  QValueAxis* permeabilityAxis_ = nullptr;
  QLogValueAxis* frequencyAxis_ = nullptr;
  QLogValueAxis* lossAxis_ = nullptr;
  std::optional<CurveSubject> shown_;  // what is drawn now; an equal subject draws nothing
};

}  // namespace qiro
