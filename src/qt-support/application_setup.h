#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QApplication;

namespace qiro {

enum class Language { Chinese, English };

// Reads one environment variable; std::nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<QString>(const char* name)>;

// The language the screens speak, chosen as Linux programs choose theirs: the first of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set (and not empty) decides; a value starting
// with "en" gives English, anything else (C, POSIX, zh_CN…) Chinese, as does none at all.
// "--language en|zh" (or "--language=en|zh") among the arguments overrides the environment;
// another value there is ignored.
Language ChooseLanguage(const EnvironmentLookup& environment, const QStringList& arguments);

// The design file named on the command line ("qiromagnetic FILE"): the first argument after
// the program's name that is neither an option nor the value of "--language"; empty if none.
QString DesignFileArgument(const QStringList& arguments);

// The language installed by the last PrepareApplication/InstallLanguage (Chinese before).
Language CurrentLanguage();

// Loads the screens' translation and Qt's own for `language`, replacing any installed before.
void InstallLanguage(QApplication& app, Language language);

// The first installed Simplified Chinese family the program prefers, if any.
std::optional<QString> PreferredChineseFamily();

// Names, a font with Chinese glyphs and the language chosen from the process's environment
// and arguments, before any window.
void PrepareApplication(QApplication& app);

}  // namespace qiro
