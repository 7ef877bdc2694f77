#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <variant>

#include "design/calculators/calculator_design.h"
#include "design/calculators/toroid_reading.h"
#include "workbench/DesignCurves.h"

namespace Ui {
class frmDiangan;
}

namespace qiro {

class AssessmentPanel;
class frmCurrentDensity;

// The toroid inductor calculator: design inputs on the left, the catalogue's part numbers
// in the middle, the picked core's data and the design report on the right. Reads the
// core catalogue, which must be built (InitCoreData) before the screen is created.
class frmDiangan final : public QWidget {
  Q_OBJECT

 public:
  explicit frmDiangan(QWidget* parent = nullptr);
  ~frmDiangan() override;
  frmDiangan(const frmDiangan&) = delete;
  frmDiangan& operator=(const frmDiangan&) = delete;

  // Sets the inputs from a design handed over by another window, field by field as a user
  // would (the part number picked in the list, the wire in its list, the turns on the scroll
  // bar, then the currents in the order their rules cascade), so the report, the warning and
  // the assessment are the calculator's own. A part number not in the catalogue or a wire
  // not in the list leaves that input as it was.
  void ApplyDesign(const CalculatorDesign& design);
  // The design the inputs hold (with the assessment's ambient), or the message for the
  // first input that cannot be evaluated.
  std::variant<CalculatorDesign, QString> HeldDesign() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Field rules.
  void txtIrms_Change();
  void txtIrms_GotFocus();
  void txtIrms_LostFocus();
  void txtIpeak_Change();
  void txtIpeak_DblClick();
  void txtIpeak_GotFocus();
  void txtIpeak_LostFocus();
  void txtdI_Change();
  void txtdI_DblClick();
  bool txtdI_KeyPress(int key);
  void txtdI_GotFocus();
  void txtdI_LostFocus();
  void txtF_Change();
  void txtF_GotFocus();
  void txtF_LostFocus();
  void cmbWinding_Click();
  void txtCopperPcs_Change();
  void txtCopperPcs_GotFocus();
  void txtCopperPcs_LostFocus();
  void hcrollTurns_Change(int value);
  void txtTurns_Change();
  void txtTurns_LostFocus();
  void cmbCoreCount_Click();
  void cmdCurrentDensity_Click();
  // Core list.
  void txtSearch_Change();
  void lstCoreList_Click();
  void FilterCoreList(const QString& searchText);
  // Report, its curves and copying it.
  void cmdJiSuan_Click();
  void cmdCurves_Click();
  void cmdCopyReport_Click();
  void RefreshCurrentDensity();
  void RefreshReport();
  // Evaluates and shows the report; otherwise the message for the first input refused.
  std::optional<QString> UpdateReport();
  QString SelectedPartNumber() const;
  // The input fields' texts as the reading takes them.
  ToroidInputTexts InputTexts() const;
  static QString FaultMessage(ToroidInputFault fault);
  // The curves window, when open, follows every refresh.
  void FollowDesign(const CurveSubject& subject);

  void Form_Load();
  void ConnectHandlers();

  std::unique_ptr<Ui::frmDiangan> ui;
  QStringList partNumbers_;  // slot order, converted once for the search
  QPointer<frmCurrentDensity> currentDensityDialog_;
  QPointer<DesignCurves> curves_;
  AssessmentPanel* assessment_ = nullptr;
  CurveSubject curveSubject_;  // what the last refresh evaluated, or why it could not
  QString report_;             // the last report written, as ReportText gave it
};

}  // namespace qiro
