#include "screens/Form1.h"
#include "qt-support/scrolled_screen.h"

#include <QDateTime>
#include <QLocale>
#include <QTimer>

#include "magnetics/bias_permeability.h"
#include "text/number_text.h"
#include "ui_Form1.h"

namespace qiro {

Form1::Form1(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::Form1>()) {
  SetUpScrolled(this, *ui_);
  Timer1_ = new QTimer(this);
  Timer1_->setObjectName(QStringLiteral("Timer1"));
  connect(ui_->cmdTest, &QPushButton::clicked, this, &Form1::cmdTest_Click);
}

Form1::~Form1() = default;

void Form1::cmdTest_Click() {
  ui_->Label1->setText(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  const double percent = static_cast<double>(BiasPermeability(60, "KMA", 200));
  ui_->Label3->setText(QStringLiteral("DC=") + QString::fromStdString(GeneralNumberText(percent)));
}

}  // namespace qiro
