#pragma once
#include <QWidget>
#include <memory>

#include "design/calculators/selection_inputs.h"

namespace Ui {
class frmChoise;
}

namespace qiro {

// Toroidal core selection: every catalogue core that reaches the inductance per core at
// the peak current, with its turns and an 8 A/mm² wire.
class frmChoise final : public QWidget {
  Q_OBJECT

 public:
  explicit frmChoise(QWidget* parent = nullptr);
  ~frmChoise() override;
  frmChoise(const frmChoise&) = delete;
  frmChoise& operator=(const frmChoise&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void cmdJiSuan_Click();
  void cmdRequestSample_Click();
  void labURL_Click();
  void txtDianliu_GotFocus();

  void ShowInputProblem(FitInputProblem problem);
  void AlignHeadings();

  std::unique_ptr<Ui::frmChoise> ui_;
};

}  // namespace qiro
