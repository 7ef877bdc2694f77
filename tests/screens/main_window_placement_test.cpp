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

#include "screens/MDIMain.h"
#include "screens/screen_test_support.h"

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
