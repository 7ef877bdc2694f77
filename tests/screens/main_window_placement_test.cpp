// The frame on the display it starts on: the whole work area on first start, its last place
// on the next (unless that no longer fits), and the two busiest screens whole where the
// display has room. ctest runs this once per display (an offscreen display configured by a
// file in tests/data); settings go to a test folder, never the user's.
#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "screens/Form1.h"
#include "screens/MDIMain.h"
#include "screens/frmChoise.h"
#include "screens/frmDKURdanlirao.h"
#include "screens/screen_test_support.h"
#include "qt-support/application_setup.h"

using namespace qiro;

namespace {

QRect WorkArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Whether the screen's own scroll area shows a scroll bar.
bool Scrolls(QWidget* screen) {
  auto* scroll = screen->findChild<QScrollArea*>(QStringLiteral("screenScroll"));
  return scroll && (scroll->horizontalScrollBar()->isVisible() ||
                    scroll->verticalScrollBar()->isVisible());
}

}  // namespace

class MainWindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The program's own font: the CJK family sets the screens' sizes.
    PrepareApplication(*qApp);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("qiromagnetic-tests"));
    // One settings file per display: ctest runs the three displays side by side.
    const QSize display = QGuiApplication::primaryScreen()->size();
    QCoreApplication::setApplicationName(
        QStringLiteral("placement-%1x%2").arg(display.width()).arg(display.height()));
  }
  void init() { QSettings().clear(); }
  void cleanupTestCase() { QSettings().clear(); }

  void firstStartFillsTheWorkArea() {
    testing::Sinks sinks;
    MDIMain window;
    window.PlaceOnDisplay();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.isMaximized());
    QVERIFY(WorkArea().contains(window.geometry()));
    // Filled, less at most the frame a window manager draws.
    QVERIFY2(window.width() >= WorkArea().width() - 16 && window.height() >= WorkArea().height() - 48,
             qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(window.width()).arg(window.height())
                            .arg(WorkArea().width()).arg(WorkArea().height())));
  }

  // Where the display has room (1280 × 1024 and up) the toroid calculator and the core
  // selection open whole; on 1280 × 720 they scroll inside their windows.
  void busiestScreensOpenWholeWhereThereIsRoom() {
    testing::Sinks sinks;
    MDIMain window;
    window.PlaceOnDisplay();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("meuChoise"))->trigger();
    QCoreApplication::processEvents();
    const bool roomy = WorkArea().height() >= 1024;
    const QRect area = window.mdiArea()->viewport()->rect();
    for (const char* name : {"frmDiangan", "frmCoreChoise"}) {
      QWidget* screen = window.findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY(screen);
      auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
      QVERIFY(area.contains(sub->geometry()));
      const QString where = QStringLiteral("%1: %2x%3 in an area of %4x%5")
                                .arg(QLatin1String(name)).arg(sub->width()).arg(sub->height())
                                .arg(area.width()).arg(area.height());
      if (roomy) {
        QVERIFY2(!Scrolls(screen), qPrintable(where));
      } else {
        QVERIFY2(Scrolls(screen), qPrintable(where));
      }
    }
  }

  // Each screen opened after the calculator, as after start-up: where the area has room for
  // its natural size it opens whole, over the others if it must; only a screen larger than
  // the area scrolls inside its window. The area itself never needs scroll bars.
  void screensOpenWholeWhereTheyFit_data() {
    QTest::addColumn<QString>("opener");
    for (const char* opener : {"meuChoise", "menAdviser", "menuPFC", "menuBoost", "menuBuck",
                               "menuBuckBoost", "menuNibianLC", "menuQuanqiao", "menuZhengji",
                               "menuTuiwan", "meuHelpMain", "frmChoise", "frmDKURdanlirao", "Form1"}) {
      QTest::newRow(opener) << QString::fromLatin1(opener);
    }
  }
  void screensOpenWholeWhereTheyFit() {
    QFETCH(QString, opener);
    testing::Sinks sinks;
    MDIMain window;
    window.PlaceOnDisplay();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* screen = nullptr;
    // The screens behind unavailable entries open the way their entries would.
    if (opener == QLatin1String("frmChoise")) {
      screen = window.OpenChild(opener, [] { return new frmChoise; });
    } else if (opener == QLatin1String("frmDKURdanlirao")) {
      screen = window.OpenChild(opener, [] { return new frmDKURdanlirao; });
    } else if (opener == QLatin1String("Form1")) {
      screen = window.OpenChild(opener, [] { return new Form1; });
    } else {
      window.findChild<QAction*>(opener)->trigger();
      screen = window.mdiArea()->activeSubWindow()->widget();
    }
    QCoreApplication::processEvents();
    auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
    QVERIFY(sub);
    const QRect area = window.mdiArea()->viewport()->rect();
    const QSize natural = sub->sizeHint();
    const QString where = QStringLiteral("%1: %2,%3 %4x%5 (natural %6x%7) in an area of %8x%9")
                              .arg(screen->objectName()).arg(sub->x()).arg(sub->y())
                              .arg(sub->width()).arg(sub->height()).arg(natural.width())
                              .arg(natural.height()).arg(area.width()).arg(area.height());
    // Full HD and up hold every screen whole.
    if (WorkArea().width() >= 1920) {
      QVERIFY2(natural.width() <= area.width() && natural.height() <= area.height(), qPrintable(where));
    }
    QVERIFY2(area.contains(sub->geometry()), qPrintable(where));
    QVERIFY2(!window.mdiArea()->horizontalScrollBar()->isVisible() &&
                 !window.mdiArea()->verticalScrollBar()->isVisible(),
             qPrintable(where));
    // The screen scrolls only the way it is too large, a scroll bar's breadth included.
    auto* scroll = screen->findChild<QScrollArea*>(QStringLiteral("screenScroll"));
    if (!scroll) return;  // the guide scrolls its own page
    const int bar = scroll->verticalScrollBar()->sizeHint().width();
    if (scroll->horizontalScrollBar()->isVisible()) {
      QVERIFY2(natural.width() + bar > area.width(), qPrintable(where));
    }
    if (scroll->verticalScrollBar()->isVisible()) {
      QVERIFY2(natural.height() + bar > area.height(), qPrintable(where));
    }
    if (natural.width() <= area.width() && natural.height() <= area.height()) {
      QVERIFY2(!Scrolls(screen), qPrintable(where));
    }
  }

  void nextStartTakesTheLastPlace() {
    const QRect work = WorkArea();
    const QRect place(work.x() + 40, work.y() + 30, work.width() / 2, work.height() / 2);
    {
      testing::Sinks sinks;
      MDIMain window;
      window.PlaceOnDisplay();
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      window.showNormal();
      window.setGeometry(place);
      QCoreApplication::processEvents();
      window.close();
    }
    testing::Sinks sinks;
    MDIMain window;
    window.PlaceOnDisplay();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.geometry(), place);
  }

  // A place saved on a larger display is not taken: the frame fills this one instead.
  void aPlaceThatNoLongerFitsIsIgnored() {
    {
      testing::Sinks sinks;
      MDIMain window;
      window.PlaceOnDisplay();
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      window.showNormal();
      window.setGeometry(QRect(WorkArea().topLeft() + QPoint(100, 100), WorkArea().size() * 2));
      QCoreApplication::processEvents();
      window.close();
    }
    testing::Sinks sinks;
    MDIMain window;
    window.PlaceOnDisplay();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WorkArea().contains(window.geometry()));
    QVERIFY(window.isMaximized());
  }

  // Frames made without PlaceOnDisplay (the tests' own) leave the settings alone.
  void framesOfTestsKeepNothing() {
    {
      testing::Sinks sinks;
      MDIMain window;
      window.show();
      window.close();
    }
    QVERIFY(!QSettings().contains(QStringLiteral("MainWindow/geometry")));
  }
};

QTEST_MAIN(MainWindowPlacementTest)
#include "main_window_placement_test.moc"
