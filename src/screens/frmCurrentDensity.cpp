#include "screens/frmCurrentDensity.h"

#include "ui_frmCurrentDensity.h"

namespace qiro {

frmCurrentDensity::frmCurrentDensity(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmCurrentDensity>()) {
  ui->setupUi(this);
  setObjectName(QStringLiteral("frmCurrentDensity"));
  // A fixed dialog: no resizing, no help button.
  setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                 ~Qt::WindowContextHelpButtonHint);
}

frmCurrentDensity::~frmCurrentDensity() = default;

}  // namespace qiro
