#include "screens/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qiro {
namespace {

// The platform default may lack Chinese glyphs; pick an installed CJK family if so.
void ChooseChineseFont(QApplication& app) {
  const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  if (families.contains(app.font().family())) return;
  for (const char* preferred : {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei"}) {
    if (families.contains(QString::fromLatin1(preferred))) {
      QFont font = app.font();
      font.setFamily(QString::fromLatin1(preferred));
      app.setFont(font);
      return;
    }
  }
}

}  // namespace

void PrepareApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("qiromagnetic"));
  QApplication::setApplicationDisplayName(QStringLiteral("QIROMagnetic"));
  QApplication::setDesktopFileName(QStringLiteral("org.qiromagnetics.QIROMagnetic"));
  ChooseChineseFont(app);
  // Standard buttons and context menus speak the screens' language.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace qiro
