// Development helper for docs/screenshots: opens every screen through its menu entry (also
// the entries created unavailable) and saves a picture of the main window with it.
// Usage: qiro_screenshots <output folder> [scale]     (run by scripts/screenshots)
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdio>

#include "screens/MDIMain.h"
#include "screens/frmAbout.h"
#include "screens/application_setup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qiro::PrepareApplication(app);
  if (argc < 2) {
    std::fprintf(stderr, "usage: qiro_screenshots <output folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  qiro::MDIMain window;
  window.resize(1280, 860);
  window.show();
  const char* entries[] = {"menToroidalL", "meuChoise",     "meuCoreChoise", "menuPFC",
                           "menuBoost",    "menuBuck",      "menuBuckBoost", "menuNibianLC",
                           "menuQuanqiao", "menuZhengji",   "menuTuiwan",    "menuURdanlirao",
                           "menTest"};
  int saved = 0;
  for (const char* name : entries) {
    window.mdiArea()->closeAllSubWindows();
    QApplication::processEvents();
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    action->setEnabled(true);
    action->trigger();
    QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
    if (!sub) continue;  // the entry has no screen yet
    sub->move(0, 0);
    sub->resize(sub->sizeHint().expandedTo(sub->size()));
    // The main window grows to show the whole screen.
    const QSize chrome = window.size() - window.mdiArea()->viewport()->size();
    window.resize(window.size().expandedTo(sub->size() + chrome));
    QApplication::processEvents();
    const QString file = out.filePath(sub->widget()->objectName() + QStringLiteral(".png"));
    if (window.grab().save(file)) ++saved;
  }
  // The About box is modal: shown on its own.
  qiro::frmAbout about(&window);
  about.show();
  QApplication::processEvents();
  if (about.grab().save(out.filePath(QStringLiteral("frmAbout.png")))) ++saved;
  std::printf("%d screenshots in %s\n", saved, argv[1]);
  return saved > 0 ? 0 : 1;
}
