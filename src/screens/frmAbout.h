#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace qiro {

// The About box, shown modally; its texts are rebuilt on every opening.
class frmAbout final : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);
  ~frmAbout() override;
  frmAbout(const frmAbout&) = delete;
  frmAbout& operator=(const frmAbout&) = delete;

 private:
  void Form_Load();
  void cmdOK_Click();
  void picIcon_Click();

  std::unique_ptr<Ui::frmAbout> ui_;
};

}  // namespace qiro
