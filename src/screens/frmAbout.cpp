#include "screens/frmAbout.h"

#include "qt-support/platform.h"
#include "text/web_site.h"
#include "ui_frmAbout.h"

namespace qiro {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::frmAbout>()) {
  ui_->setupUi(this);
  ui_->picIcon->setIcon(QIcon(QStringLiteral(":/icon.svg")));
  connect(ui_->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(ui_->picIcon, &QToolButton::clicked, this, &frmAbout::picIcon_Click);
  Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
  ui_->lblTitle->setText(tr("关于磁芯选型计算工具"));
  ui_->lblDescription->setText(
      tr("本工具用于环形磁芯的选型、计算电感量辅助电感设计，如果对计算或选型有任何问题请访问：") +
      QString::fromLatin1(kWebSiteAddress.data(), static_cast<qsizetype>(kWebSiteAddress.size())));
  // Qt breaks label lines at "\n"; a carriage return would show as a stray glyph.
  ui_->labMsg->setText(ui_->labMsg->text() + QStringLiteral("\n") +
                       tr("电话：见 QIRO 网站“联系我们”页面") + QStringLiteral("\n") +
                       tr("邮箱：sales@qiro-magnetics.example"));
  ui_->lblDisclaimer->setText(ui_->lblDisclaimer->text() + QStringLiteral("\n") +
                              tr("技术支持：QIRO 应用工程部（联系方式见网站）"));
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::picIcon_Click() { OpenWebPage(this, kHomePagePath); }

}  // namespace qiro
