#include "qt-support/help.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "qt-support/platform.h"

namespace qiro {

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

}  // namespace qiro
