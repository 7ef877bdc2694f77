#pragma once
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace qiro {

inline const QString kHelpFileName = QStringLiteral("QIROHELP.HLP");

// Whether `folder` holds the help file.
bool HelpFileExists(const QString& folder);

// Hands the help file in `folder` to the desktop. No Linux viewer may know its format, so a
// missing file or a desktop that cannot open it is said in a message box.
void ShowHelpFile(QWidget* owner, const QString& folder);

// The program's own user guide, compiled into it, in the interface language: a table of
// contents and sections linked inside the guide; nothing is fetched from the network.
class UserGuide final : public QWidget {
  Q_OBJECT

 public:
  explicit UserGuide(QWidget* parent = nullptr);
  UserGuide(const UserGuide&) = delete;
  UserGuide& operator=(const UserGuide&) = delete;

  // The guide's page for the interface language ("qrc:/docs/guide/guide_zh.html" …).
  static QUrl PageFor(bool english);

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace qiro
