#include "qt-support/help.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "qt-support/application_setup.h"
#include "qt-support/platform.h"

namespace qiro {

bool HelpFileExists(const QString& folder) {
  return QFileInfo(QDir(folder).filePath(kHelpFileName)).isFile();
}

void ShowHelpFile(QWidget* owner, const QString& folder) {
  const QString path = QDir(folder).filePath(kHelpFileName);
  if (!QFileInfo(path).isFile()) {
    ShowMessage(owner, QObject::tr("找不到帮助文件：%1").arg(QDir::toNativeSeparators(path)));
    return;
  }
  if (!OpenWithDesktop(QUrl::fromLocalFile(path))) {
    ShowMessage(owner, QObject::tr("无法打开帮助文件：%1\n系统中没有能显示该文件格式的程序。")
                           .arg(QDir::toNativeSeparators(path)));
  }
}

QUrl UserGuide::PageFor(bool english) {
  return QUrl(english ? QStringLiteral("qrc:/docs/guide/guide_en.html")
                      : QStringLiteral("qrc:/docs/guide/guide_zh.html"));
}

UserGuide::UserGuide(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("UserGuide"));
  setWindowTitle(tr("使用指南"));
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  auto* contents = new QPushButton(tr("目录"), this);
  contents->setObjectName(QStringLiteral("cmdContents"));
  auto* back = new QPushButton(tr("后退"), this);
  back->setObjectName(QStringLiteral("cmdBack"));
  back->setEnabled(false);
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("guideBrowser"));
  // Links inside the guide move within it; nothing leaves the program.
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);
  browser_->setSource(PageFor(CurrentLanguage() == Language::English));
  layout->addWidget(browser_, 1);
  const QUrl top = browser_->source();
  connect(contents, &QPushButton::clicked, browser_, [this, top] { browser_->setSource(top); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  // Room for the pictures (560 px wide) and the text beside the frame.
  resize(760, 640);
}

}  // namespace qiro
