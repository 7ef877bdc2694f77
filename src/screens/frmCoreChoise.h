#pragma once
#include <optional>
#include "design/calculators/calculator_design.h"
#include <QPointer>
#include <QString>
#include <QWidget>
#include <chrono>
#include <memory>
#include <vector>

#include "design/calculators/grouped_core_search.h"
#include "design/calculators/selection_inputs.h"
#include "workbench/DesignCurves.h"
#include "workbench/ProposalComparison.h"

namespace Ui {
class frmCoreChoise;
}

namespace qiro {

class AssessmentPanel;

// Core selection by material group: one proposal per group, and the full design of the
// proposal the user selects.
class frmCoreChoise final : public QWidget {
  Q_OBJECT

 public:
  explicit frmCoreChoise(QWidget* parent = nullptr);
  ~frmCoreChoise() override;
  frmCoreChoise(const frmCoreChoise&) = delete;
  frmCoreChoise& operator=(const frmCoreChoise&) = delete;

  // How often a running search lets the window repaint. Tests set 0 so that their events
  // reach the screen between every two catalogue slots.
  void SetRepaintInterval(std::chrono::milliseconds interval) { repaintInterval_ = interval; }
  bool IsSearching() const { return searching_; }

 signals:
  // "在环形计算器中打开": the main window opens the calculator with the shown proposal.
  void OpenInCalculator(const qiro::CalculatorDesign& design);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void cmdJiSuan_Click();
  void cmdGaoji_Click();
  void cmdRequestSample_Click();
  void picLogo_Click();
  void lstResut_Click();
  void cmdCurves_Click();
  void cmdCopyReport_Click();
  void cmdCompare_Click();
  void cmdOpenInCalculator_Click();
  void txtDianliu_GotFocus();

  void FitResultWidths();
  void ShowInputProblem(GroupedInputProblem problem);
  bool ShowError(const QString& text);

  std::unique_ptr<Ui::frmCoreChoise> ui_;
  // The proposals of the last search, one per list line.
  std::vector<SelectionCandidate> SelectionResults;
  // The details shown: their report as DescribeCandidate gave it, and their design, which
  // the curves window follows.
  QString report_;
  std::optional<SelectionCandidate> shown_;
  CurveSubject curveSubject_;
  QPointer<DesignCurves> curves_;
  AssessmentPanel* assessment_ = nullptr;
  bool searching_ = false;
  bool stopRequested_ = false;
  std::chrono::milliseconds repaintInterval_{16};
  // The comparison of the listed proposals, refilled by every search while it is open.
  QPointer<ProposalComparison> compare_;
};

}  // namespace qiro
