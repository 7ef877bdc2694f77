#pragma once
#include <QString>

class QWidget;

namespace qiro {

inline const QString kHelpFileName = QStringLiteral("QIROHELP.HLP");

// Hands the help file in `folder` to the desktop. No Linux viewer may know its format, so a
// missing file or a desktop that cannot open it is said in a message box.
void ShowHelpFile(QWidget* owner, const QString& folder);

}  // namespace qiro
