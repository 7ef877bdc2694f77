#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class frmCurrentDensity;
}

namespace qiro {

// The current density choice, opened modally from the toroid calculator. It holds only
// its two buttons, which do nothing yet; the window's close box (or Esc) closes it and
// it returns nothing.
class frmCurrentDensity final : public QDialog {
  Q_OBJECT

 public:
  explicit frmCurrentDensity(QWidget* parent = nullptr);
  ~frmCurrentDensity() override;
  frmCurrentDensity(const frmCurrentDensity&) = delete;
  frmCurrentDensity& operator=(const frmCurrentDensity&) = delete;

 private:
  std::unique_ptr<Ui::frmCurrentDensity> ui;
};

}  // namespace qiro
