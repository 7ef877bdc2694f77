#pragma once
#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class Form1;
}

namespace qiro {

// A check of the bias model from the running program: the time and one permeability value.
class Form1 final : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

 private:
  void cmdTest_Click();

  std::unique_ptr<Ui::Form1> ui_;
  QTimer* Timer1_ = nullptr;  // present on the form, never started
};

}  // namespace qiro
