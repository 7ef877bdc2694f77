#include "qt-support/design_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "qt-support/application_setup.h"

namespace qiro {

std::variant<DesignDocument, DesignFileRefusal> LoadDesignFile(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir()) return DesignFileRefusal{DesignFileFault::Folder, {}, {}, 0, 0};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return DesignFileRefusal{DesignFileFault::Unreadable, {}, file.errorString().toStdString(), 0, 0};
  }
  // One byte past the limit tells a file that is too large without reading all of it.
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxDesignFileBytes) + 1);
  if (file.error() != QFileDevice::NoError) {
    return DesignFileRefusal{DesignFileFault::Unreadable, {}, file.errorString().toStdString(), 0, 0};
  }
  if (static_cast<std::size_t>(bytes.size()) > kMaxDesignFileBytes) {
    return DesignFileRefusal{DesignFileFault::TooLarge, {}, {}, 0, 0};
  }
  return ReadDesignDocument(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString OpenDesignRefusalText(const DesignFileRefusal& refusal) {
  if (CurrentLanguage() == Language::English) {
    return QString::fromUtf8(kOpenDesignRefusedEnglish.data(),
                             static_cast<qsizetype>(kOpenDesignRefusedEnglish.size())) +
           QString::fromStdString(DesignFileReasonEnglish(refusal));
  }
  return QString::fromUtf8(kOpenDesignRefusedChinese.data(),
                           static_cast<qsizetype>(kOpenDesignRefusedChinese.size())) +
         QString::fromStdString(DesignFileReasonChinese(refusal));
}

QString DesignFileReasonText(const DesignFileRefusal& refusal) {
  return QString::fromStdString(CurrentLanguage() == Language::English
                                    ? DesignFileReasonEnglish(refusal)
                                    : DesignFileReasonChinese(refusal));
}

QString DesignFileFilter() {
  return QCoreApplication::translate("qiro::DesignFile", "电感设计 (*.qiro);;所有文件 (*)");
}

}  // namespace qiro
