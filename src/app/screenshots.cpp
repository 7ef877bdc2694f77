// Development helper for docs/screenshots: opens every screen through its menu entry (also
// the entries created unavailable) and saves a picture of the main window with it.
// Usage: qiro_screenshots <output folder> [scale]     (run by scripts/screenshots)
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <string>
#include <vector>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QEventLoop>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "screens/MDIMain.h"
#include "screens/frmAbout.h"
#include "workbench/DesignAdviser.h"
#include "qt-support/platform.h"
#include "qt-support/application_setup.h"

namespace {

// A worked example on a screen, so that the picture shows results: texts set as typed,
// a scroll-bar value, buttons pressed, a list row picked.
struct Scene {
  const char* entry;
  std::vector<std::pair<const char*, const char*>> texts;
  std::vector<std::pair<const char*, int>> sliders;
  std::vector<const char*> clicks;
  std::pair<const char*, int> pick{nullptr, 0};
};

const std::vector<std::pair<const char*, const char*>> kPower = {
    {"txtP", "100"}, {"txtVin", "12"}, {"txtVout", "24"}, {"txtF", "100"}};
const std::vector<std::pair<const char*, const char*>> kBridge = {
    {"txtVout", "12"}, {"txtF", "100"}, {"txtIout", "10"}};

const std::vector<Scene>& Scenes() {
  static const std::vector<Scene> scenes = {
      {"menToroidalL", {{"txtIrms", "10"}, {"txtF", "100"}}, {{"hcrollTurns", 37}}, {}, {"lstCoreList", 77}},
      {"meuChoise", {{"txtDianliu", "5"}, {"txtDianganliang", "100"}}, {}, {"cmdJiSuan"}, {"lstResut", 0}},
      {"meuCoreChoise", {{"txtDianliu", "5"}, {"txtDianganliang", "100"}}, {}, {"cmdJiSuan"}, {}},
      {"menuPFC", {{"txtP", "500"}, {"txtVin", "220"}, {"txtVout", "400"}, {"txtF", "65"}}, {}, {"cmdCal"}, {}},
      {"menuBoost", kPower, {}, {"cmdCal"}, {}},
      {"menuBuck", {{"txtIout", "5"}, {"txtVin", "12"}, {"txtVout", "5"}, {"txtF", "100"}}, {}, {"cmdCal"}, {}},
      {"menuBuckBoost", kPower, {}, {"cmdCal"}, {}},
      {"menuNibianLC", {{"txtP", "1000"}, {"txtVin", "400"}, {"txtVout", "220"}, {"txtF", "20"}}, {}, {"cmdCal"}, {}},
      {"menuQuanqiao", kBridge, {}, {"cmdCal"}, {}},
      {"menuZhengji", kBridge, {}, {"cmdCal"}, {}},
      {"menuTuiwan", kBridge, {}, {"cmdCal"}, {}},
      {"menuURdanlirao", {}, {}, {}, {"lstCore", 2}},
      {"menTest", {}, {}, {"cmdTest"}, {}},
  };
  return scenes;
}

void Play(const Scene& scene, QWidget* screen) {
  for (const auto& [name, text] : scene.texts) {
    if (auto* field = screen->findChild<QLineEdit*>(QString::fromLatin1(name))) {
      field->setText(QString::fromUtf8(text));
    }
  }
  for (const auto& [name, value] : scene.sliders) {
    if (auto* bar = screen->findChild<QScrollBar*>(QString::fromLatin1(name))) bar->setValue(value);
  }
  for (const char* name : scene.clicks) {
    if (auto* button = screen->findChild<QAbstractButton*>(QString::fromLatin1(name))) button->click();
  }
  if (scene.pick.first) {
    auto* list = screen->findChild<QListWidget*>(QString::fromLatin1(scene.pick.first));
    if (list && list->count() > scene.pick.second) list->setCurrentRow(scene.pick.second);
  }
}

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

// Runs the adviser's search, picks the front's row at 1/`part` of it and shows the adviser
// whole in the main window.
void SearchAndPick(qiro::MDIMain& window, qiro::DesignAdviser* adviser, int part) {
  QEventLoop loop;
  QObject::connect(adviser, &qiro::DesignAdviser::searchFinished, &loop, &QEventLoop::quit);
  QTimer::singleShot(180000, &loop, &QEventLoop::quit);
  Child<QAbstractButton>(adviser, "cmdStart")->click();
  loop.exec();
  auto* table = Child<QTableView>(adviser, "tblFront");
  if (table && table->model()->rowCount() > 0) table->selectRow(table->model()->rowCount() / part);
  // The pick fills the report and the assessment: their room counts in the size asked for.
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
  sub->move(0, 0);
  sub->resize(sub->sizeHint().expandedTo(sub->size()));
  const QSize chrome = window.size() - window.mdiArea()->viewport()->size();
  window.resize(window.size().expandedTo(sub->size() + chrome));
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qiro::PrepareApplication(app);
  // The folder is the one argument that is not the language option or its value.
  QString folder;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--language")) {
      ++i;
    } else if (!arguments[i].startsWith(QLatin1String("--language="))) {
      folder = arguments[i];
    }
  }
  if (folder.isEmpty()) {
    std::fprintf(stderr, "usage: qiro_screenshots [--language en|zh] <output folder>\n");
    return 2;
  }
  const QDir out(folder);
  // A message box would wait for a click that never comes.
  qiro::SetMessageSink([](const qiro::ShownMessage& m) {
    std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
  });
  qiro::MDIMain window;
  window.resize(1280, 860);
  window.show();
  const qreal ratio = window.devicePixelRatioF();
  const QString suffix = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
  int saved = 0;
  for (const Scene& scene : Scenes()) {
    const char* name = scene.entry;
    window.mdiArea()->closeAllSubWindows();
    QApplication::processEvents();
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    action->setEnabled(true);
    action->trigger();
    QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
    if (!sub) continue;  // the entry has no screen yet
    Play(scene, sub->widget());
    sub->move(0, 0);
    sub->resize(sub->sizeHint().expandedTo(sub->size()));
    // The main window grows to show the whole screen.
    const QSize chrome = window.size() - window.mdiArea()->viewport()->size();
    window.resize(window.size().expandedTo(sub->size() + chrome));
    QApplication::processEvents();
    const QString file = out.filePath(sub->widget()->objectName() + suffix + QStringLiteral(".png"));
    if (window.grab().save(file)) ++saved;
  }
  // The adviser after a search on its default requirement, a design of the front picked.
  if (auto* adviser = qobject_cast<qiro::DesignAdviser*>(OpenScreen(window, "menAdviser"))) {
    SearchAndPick(window, adviser, 2);
    if (window.grab().save(out.filePath(QStringLiteral("DesignAdviser") + suffix + QStringLiteral(".png"))))
      ++saved;
  }
  for (const Scene& scene : Scenes()) {
    const std::string entry = scene.entry;
    if (entry != "menToroidalL" && entry != "meuChoise") continue;
    QWidget* screen = OpenScreen(window, scene.entry);
    if (!screen) continue;
    Play(scene, screen);
    QApplication::processEvents();
    const QString name = entry == "menToroidalL" ? QStringLiteral("DesignCurves")
                                                 : QStringLiteral("DesignCurves-selection");
    if (SaveCurves(screen, out.filePath(name + suffix + QStringLiteral(".png")))) ++saved;
  }
  // The comparison window of the selection's proposals.
  for (const Scene& scene : Scenes()) {
    if (std::string(scene.entry) != "meuChoise") continue;
    QWidget* screen = OpenScreen(window, scene.entry);
    if (!screen) break;
    Play(scene, screen);
    Child<QAbstractButton>(screen, "cmdCompare")->click();
    if (QWidget* compare = Child<QWidget>(screen, "ProposalComparison")) {
      // With a ripple, so that core loss and AC copper loss enter.
      Child<QLineEdit>(compare, "txtCompareFrequency")->setText(QStringLiteral("100"));
      Child<QLineEdit>(compare, "txtCompareRipple")->setText(QStringLiteral("1"));
      compare->resize(compare->sizeHint().expandedTo(QSize(1340, 600)));
      for (int i = 0; i < 5; ++i) QApplication::processEvents();
      if (compare->grab().save(out.filePath(QStringLiteral("ProposalComparison") + suffix +
                                            QStringLiteral(".png")))) {
        ++saved;
      }
      compare->close();
    }
  }
  // The design sheet of the worked design, as "导出PDF…" writes it (scripts/screenshots
  // turns its pages into pictures).
  if (suffix.isEmpty()) {
    if (QWidget* screen = OpenScreen(window, Scenes().front().entry)) {
      Play(Scenes().front(), screen);
      QApplication::processEvents();
      const QString sheet = out.filePath(QStringLiteral("DesignSheet.pdf"));
      qiro::SetSaveFileSink([&sheet](const QString&) { return sheet; });
      if (auto* entry = screen->findChild<QAction*>(QStringLiteral("actExportPdf"))) entry->trigger();
      qiro::SetSaveFileSink({});
    }
  }
  // The PFC worked example travels as its converter: the adviser's search over the whole
  // default space in it, a design of the front opened in the calculator, its curves with the
  // quarter line cycle and its design sheet.
  window.mdiArea()->closeAllSubWindows();
  QApplication::processEvents();
  if (QWidget* pfc = OpenScreen(window, "menuPFC")) {
    for (const Scene& scene : Scenes()) {
      if (std::string(scene.entry) == "menuPFC") Play(scene, pfc);
    }
    Child<QAbstractButton>(pfc, "cmdDesignInductor")->click();
    if (auto* adviser = qobject_cast<qiro::DesignAdviser*>(
            window.findChild<QWidget*>(QStringLiteral("DesignAdviser")))) {
      SearchAndPick(window, adviser, 3);
      if (window.grab().save(out.filePath(QStringLiteral("ConverterAdviser") + suffix + QStringLiteral(".png"))))
        ++saved;
      Child<QAbstractButton>(adviser, "cmdOpenInCalculator")->click();
      QApplication::processEvents();
      adviser->parentWidget()->close();  // its subwindow: the calculator stands alone
      QApplication::processEvents();
      QWidget* calculator = window.findChild<QWidget*>(QStringLiteral("frmDiangan"));
      if (QMdiSubWindow* calc = calculator ? qobject_cast<QMdiSubWindow*>(calculator->parentWidget()) : nullptr) {
        calc->move(0, 0);
        calc->resize(calc->sizeHint().expandedTo(calc->size()));
        const QSize chrome = window.size() - window.mdiArea()->viewport()->size();
        window.resize(window.size().expandedTo(calc->size() + chrome));
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        if (window.grab().save(out.filePath(QStringLiteral("ConverterCalculator") + suffix +
                                            QStringLiteral(".png"))))
          ++saved;
        if (SaveCurves(calculator, out.filePath(QStringLiteral("ConverterCurves") + suffix +
                                                QStringLiteral(".png"))))
          ++saved;
        if (suffix.isEmpty()) {
          const QString sheet = out.filePath(QStringLiteral("ConverterSheet.pdf"));
          qiro::SetSaveFileSink([&sheet](const QString&) { return sheet; });
          if (auto* entry = calculator->findChild<QAction*>(QStringLiteral("actExportPdf"))) entry->trigger();
          qiro::SetSaveFileSink({});
        }
      }
    }
  }
  // The user guide, as the help entry opens it where no help file lies beside the program.
  window.mdiArea()->closeAllSubWindows();
  QApplication::processEvents();
  if (auto* help = window.findChild<QAction*>(QStringLiteral("meuHelpMain"))) {
    help->trigger();
    if (QMdiSubWindow* sub = window.mdiArea()->activeSubWindow()) {
      sub->move(0, 0);
      sub->resize(900, 720);
      for (int i = 0; i < 5; ++i) QApplication::processEvents();
      if (sub->grab().save(out.filePath(QStringLiteral("UserGuide") + suffix + QStringLiteral(".png"))))
        ++saved;
    }
  }
  // The About box is modal: shown on its own.
  qiro::frmAbout about(&window);
  about.show();
  QApplication::processEvents();
  if (about.grab().save(out.filePath(QStringLiteral("frmAbout") + suffix + QStringLiteral(".png")))) ++saved;
  std::printf("%d screenshots in %s\n", saved, qPrintable(folder));
  return saved > 0 ? 0 : 1;
}
