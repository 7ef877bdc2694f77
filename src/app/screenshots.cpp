// Development helper for docs/screenshots: opens every screen through its menu entry (also
// the entries created unavailable) and saves a picture of the main window with it; then the
// design curves window of a toroid design and of a selection proposal (named with "@2x"
// when the screen is scaled).
// Usage: qiro_screenshots <output folder> [scale]     (run by scripts/screenshots)
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdio>

#include "screens/MDIMain.h"
#include "screens/application_setup.h"

namespace {

// Opens a screen through its menu entry, with its window at the top left.
QWidget* OpenScreen(qiro::MDIMain& window, const char* entry) {
  window.mdiArea()->closeAllSubWindows();
  QApplication::processEvents();
  auto* action = window.findChild<QAction*>(QString::fromLatin1(entry));
  action->setEnabled(true);
  action->trigger();
  QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
  if (!sub) return nullptr;
  sub->move(0, 0);
  sub->resize(sub->sizeHint().expandedTo(sub->size()));
  QApplication::processEvents();
  return sub->widget();
}

template <class T>
T* Child(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

// Presses the screen's "曲线" and saves its curves window; false when nothing was saved.
bool SaveCurves(QWidget* screen, const QString& file) {
  Child<QAbstractButton>(screen, "cmdCurves")->click();
  QWidget* curves = Child<QWidget>(screen, "DesignCurves");
  if (!curves) return false;
  curves->resize(curves->sizeHint().expandedTo(QSize(1000, 720)));
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const bool saved = curves->grab().save(file);
  curves->close();
  return saved;
}

}  // namespace

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
    QApplication::processEvents();
    const QString file = out.filePath(sub->widget()->objectName() + QStringLiteral(".png"));
    if (window.grab().save(file)) ++saved;
  }
  const qreal ratio = window.devicePixelRatioF();
  const QString suffix = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
  if (QWidget* toroid = OpenScreen(window, "menToroidalL")) {
    // The toroid calculator's worked design: 10 A, 100 kHz, 37 turns on KMA157060.
    Child<QLineEdit>(toroid, "txtIrms")->setText(QStringLiteral("10"));
    Child<QLineEdit>(toroid, "txtF")->setText(QStringLiteral("100"));
    Child<QScrollBar>(toroid, "hcrollTurns")->setValue(37);
    Child<QLineEdit>(toroid, "txtSearch")->setText(QStringLiteral("KMA157060"));
    auto* cores = Child<QListWidget>(toroid, "lstCoreList");
    if (cores->count() > 0) cores->item(0)->setSelected(true);
    if (SaveCurves(toroid, out.filePath(QStringLiteral("DesignCurves") + suffix + QStringLiteral(".png")))) ++saved;
  }
  if (QWidget* selection = OpenScreen(window, "meuChoise")) {
    Child<QLineEdit>(selection, "txtDianliu")->setText(QStringLiteral("10"));
    Child<QLineEdit>(selection, "txtDianganliang")->setText(QStringLiteral("100"));
    Child<QAbstractButton>(selection, "cmdJiSuan")->click();
    auto* results = Child<QListWidget>(selection, "lstResut");
    if (results->count() > 0) results->item(0)->setSelected(true);
    QApplication::processEvents();
    if (window.grab().save(out.filePath(QStringLiteral("frmCoreChoise-details") + suffix + QStringLiteral(".png")))) ++saved;
    if (SaveCurves(selection, out.filePath(QStringLiteral("DesignCurves-selection") + suffix + QStringLiteral(".png")))) ++saved;
  }
  std::printf("%d screenshots in %s\n", saved, argv[1]);
  return saved > 0 ? 0 : 1;
}
