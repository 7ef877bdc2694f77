#pragma once
#include <QWidget>
#include <memory>

#include "design/calculators/ur_core.h"

class QCheckBox;
namespace Ui {
class frmDKURdanlirao;
}

namespace qiro {

// Input screen for a reactor on a UR core (two round rods between two yokes, each rod
// wound edgewise in one layer of flat wire). It keeps its fields consistent and fills
// them from its lists; it computes nothing yet.
class frmDKURdanlirao final : public QWidget {
  Q_OBJECT

 public:
  explicit frmDKURdanlirao(QWidget* parent = nullptr);
  ~frmDKURdanlirao() override;
  frmDKURdanlirao(const frmDKURdanlirao&) = delete;
  frmDKURdanlirao& operator=(const frmDKURdanlirao&) = delete;

 private:
  void Form_Load();
  void lstCore_Click();
  void lstWinding_Click();
  void chkKMA_Click();
  void chkKMC_Click();
  void ApplyMaterialPreset(QCheckBox* clicked, QCheckBox* other, UrPreset preset);
  void hcrollTurns_Change(int value);
  void txtTurns_Change();
  void txtWindingPcs_Change();
  void cmdCal_Click();
  void CalcResult();

  std::unique_ptr<Ui::frmDKURdanlirao> ui_;
};

}  // namespace qiro
