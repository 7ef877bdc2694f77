#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "design/calculators/calculator_design.h"
#include "design/analysis/design_adviser.h"
#include "magnetics/outcome.h"

class QItemSelection;
class QLabel;
class QPushButton;
class QLineEdit;
class QPointF;
class QLineSeries;
class QScatterSeries;
class QSortFilterProxyModel;
class QTimer;

namespace Ui {
class DesignAdviser;
}

namespace qiro {

class AssessmentPanel;
class DesignAdviserModel;

// "电感优化设计": every design of the catalogue for a requirement, searched off the GUI
// thread, shown as a chart of wound volume against total loss, the Pareto front as a table
// and the best design of each series; the picked design's report and assessment below.
class DesignAdviser final : public QWidget {
  Q_OBJECT

 public:
  explicit DesignAdviser(QWidget* parent = nullptr);
  // Stops a search in progress and waits for it: nothing of it outlives the window.
  ~DesignAdviser() override;
  DesignAdviser(const DesignAdviser&) = delete;
  DesignAdviser& operator=(const DesignAdviser&) = delete;

  // Fills the requirement fields from another screen's results (nothing is searched):
  // the inductance, meant at the average current or at zero current, the currents (A) and
  // the frequency (kHz) the inductor's ripple runs at.
  void SetRequirement(double inductance, InductanceAt where, double averageCurrent,
                      double peakCurrent, double rippleCurrent, double frequencyKHz);

  // The converter the requirement comes from: the search then judges every design in it
  // and its fields for the currents and the frequency give way to "工作条件：…"; none goes
  // back to the requirement typed by hand.
  void SetConverter(const std::optional<Converter>& converter);

  // Whether a search is running.
  bool Searching() const { return static_cast<bool>(run_); }
  // The report of the picked design, as shown (empty when none is picked).
  QString PickedReport() const { return report_; }

 signals:
  // "在环形计算器中打开": the main window opens the calculator with this design.
  void OpenInCalculator(const qiro::CalculatorDesign& design);
  // A search ended (completed, stopped or refused) and its result, if current, is shown.
  void searchFinished();
  // From the searching thread; delivered queued to the window.
  void runEnded(quint64 run);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // One search: its stop flag, its progress and, once ended, its result.
  struct Run {
    quint64 Id = 0;
    AdviserRequest Request;
    std::atomic<bool> Stop{false};
    std::atomic<double> Progress{0};
    std::optional<Outcome<AdviserResult>> Result;  // written by the worker before runEnded
    std::jthread Worker;
  };

  void cmdStart_Click();
  void cmdStop_Click();
  void cmdCopyTable_Click();
  void cmdOpenInCalculator_Click();
  // Reads the fields; the message for the first field out of its range otherwise.
  std::optional<QString> ReadRequest(AdviserRequest& request) const;
  static QString ArgumentMessage(AdviserArgument argument);
  void StopAll();
  void ReapFinished();
  void OnRunEnded(quint64 run);
  void ShowProgress();
  void ShowResult(const AdviserRequest& request, AdviserResult result);
  void ClearResults();
  QString NoDesignText(const AdviserResult& result, const AdviserRequest& request) const;
  void FillChart();
  void FillBestList();
  // Picking: from the table, the chart or the best list; each selects the others.
  void Pick(const AdvisedDesign& design);
  void tblFront_SelectionChanged();
  void lstBest_SelectionChanged();
  void ChartPointClicked(const QScatterSeries* series, const QPointF& point);

  std::unique_ptr<Ui::DesignAdviser> ui_;
  DesignAdviserModel* model_ = nullptr;
  QSortFilterProxyModel* sorted_ = nullptr;
  AssessmentPanel* assessment_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  std::unique_ptr<Run> run_;                 // the search in progress
  std::vector<std::unique_ptr<Run>> retired_;  // stopped, still ending
  quint64 nextRun_ = 1;

  // The shown result and the request it answers.
  AdviserRequest shownRequest_;
  AdviserResult shown_;
  // Per series, which feasible designs (indices into shown_.Feasible) the chart draws.
  std::vector<std::vector<std::size_t>> drawn_;
  std::vector<QScatterSeries*> scatter_;
  QLineSeries* frontLine_ = nullptr;
  QScatterSeries* frontPoints_ = nullptr;
  QScatterSeries* picked_ = nullptr;
  std::optional<AdvisedDesign> pickedDesign_;
  QString report_;
  std::optional<Converter> converter_;
  QLabel* labCondition_ = nullptr;
  QPushButton* cmdTypedRequirement_ = nullptr;
  bool picking_ = false;  // a pick under way selects the others without picking again
};

}  // namespace qiro
