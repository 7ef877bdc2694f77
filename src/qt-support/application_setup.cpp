#include "qt-support/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

namespace qiro {
namespace {

Language current = Language::Chinese;
QTranslator* screensTranslator = nullptr;
QTranslator* qtTranslator = nullptr;

// The platform default may lack Chinese glyphs; pick an installed CJK family if so.
void ChooseChineseFont(QApplication& app) {
  const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  if (families.contains(app.font().family())) return;
  if (const auto family = PreferredChineseFamily()) {
    QFont font = app.font();
    font.setFamily(*family);
    app.setFont(font);
  }
}

std::optional<Language> FromName(const QString& value) {
  if (value.startsWith(QLatin1String("en"))) return Language::English;
  if (value.startsWith(QLatin1String("zh"))) return Language::Chinese;
  return std::nullopt;
}

void Remove(QTranslator*& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
  translator = nullptr;
}

}  // namespace

std::optional<QString> PreferredChineseFamily() {
  const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const char* preferred : {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei"}) {
    if (families.contains(QString::fromLatin1(preferred))) return QString::fromLatin1(preferred);
  }
  return std::nullopt;
}

Language ChooseLanguage(const EnvironmentLookup& environment, const QStringList& arguments) {
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    std::optional<QString> value;
    if (argument == QLatin1String("--language") && i + 1 < arguments.size()) {
      value = arguments[i + 1];
    } else if (argument.startsWith(QLatin1String("--language="))) {
      value = argument.mid(11);
    }
    if (value) {
      if (const std::optional<Language> chosen = FromName(*value)) return *chosen;
    }
  }
  // An empty variable counts as unset, as the C library treats it.
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::optional<QString> value = environment(name);
    if (!value || value->isEmpty()) continue;
    return value->startsWith(QLatin1String("en")) ? Language::English : Language::Chinese;
  }
  return Language::Chinese;
}

Language CurrentLanguage() { return current; }

QString DesignFileArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--language")) {
      ++i;  // its value
      continue;
    }
    if (argument == QLatin1String("--")) return i + 1 < arguments.size() ? arguments[i + 1] : QString();
    if (argument.startsWith(QLatin1Char('-'))) continue;
    return argument;
  }
  return {};
}

void InstallLanguage(QApplication& app, Language language) {
  Remove(screensTranslator);
  Remove(qtTranslator);
  current = language;
  if (language == Language::English) {
    // The screens are written in Chinese; English is their translation. Qt's own texts are
    // English without one.
    screensTranslator = new QTranslator(&app);
    if (screensTranslator->load(QStringLiteral(":/i18n/qiromagnetic_en.qm"))) {
      QApplication::installTranslator(screensTranslator);
    }
    return;
  }
  // Standard buttons and context menus speak the screens' language.
  qtTranslator = new QTranslator(&app);
  if (qtTranslator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(qtTranslator);
  }
}

void PrepareApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("qiromagnetic"));
  QApplication::setApplicationDisplayName(QStringLiteral("QIROMagnetic"));
  QApplication::setDesktopFileName(QStringLiteral("org.qiromagnetics.QIROMagnetic"));
  ChooseChineseFont(app);
  const Language language = ChooseLanguage(
      [](const char* name) -> std::optional<QString> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return QString::fromLocal8Bit(value);
      },
      QApplication::arguments());
  InstallLanguage(app, language);
}

}  // namespace qiro
