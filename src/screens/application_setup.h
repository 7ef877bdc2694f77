#pragma once
class QApplication;

namespace qiro {

// Names, a font with Chinese glyphs and Qt's own Chinese translation, before any window.
void PrepareApplication(QApplication& app);

}  // namespace qiro
