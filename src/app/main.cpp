#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "screens/MDIMain.h"

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

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qiromagnetic"));
  QApplication::setApplicationDisplayName(QStringLiteral("QIROMagnetic"));
  QApplication::setDesktopFileName(QStringLiteral("qiromagnetic"));
  ChooseChineseFont(app);
  // Standard buttons and context menus speak the screens' language.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTranslator);
  }
  qiro::MDIMain window;
  window.show();
  return QApplication::exec();
}
