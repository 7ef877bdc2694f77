// Every screen opens inside the main window's area, on the smallest displays the program
// supports (1280 × 720 at 100 %; 1920 × 1080 at 200 %, which the second run of this test
// gets through QT_SCALE_FACTOR=2), and its contents are never squeezed below what they need
// to show their text: they scroll inside the window instead.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "screens/Form1.h"
#include "screens/MDIMain.h"
#include "screens/frmChoise.h"
#include "screens/frmDKURdanlirao.h"
#include "screens/screen_test_support.h"
#include "qt-support/application_setup.h"

using namespace qiro;

namespace {

// The main window's size on a display of this many device pixels, less a task bar and the
// window's frame, in the program's own (scaled) pixels.
QSize WindowOn(QSize display, qreal scale) {
  return QSize(static_cast<int>(display.width() / scale) - 16,
               static_cast<int>(display.height() / scale) - 48 - 40);
}

}  // namespace

class ScreenGeometryTest : public QObject {
  Q_OBJECT

 private slots:
  // The program's own font: the CJK family sets the screens' sizes.
  void initTestCase() { PrepareApplication(*qApp); }

  void screensOpenInsideTheArea_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QSize>("display");
    const char* const openers[] = {"menToroidalL", "meuChoise",   "menuPFC",      "menuBoost",
                                   "menuBuck",     "menuBuckBoost", "menuNibianLC", "menuQuanqiao",
                                   "menuZhengji",  "menuTuiwan",  "frmChoise",    "frmDKURdanlirao",
                                   "Form1",        "menAdviser"};
    const QSize displays[] = {{1280, 720}, {1280, 1024}, {1920, 1080}};
    for (const QSize& display : displays) {
      for (const char* opener : openers) {
        QTest::newRow(qPrintable(QStringLiteral("%1 %2x%3").arg(QLatin1String(opener))
                                     .arg(display.width()).arg(display.height())))
            << QString::fromLatin1(opener) << display;
      }
    }
  }

  void screensOpenInsideTheArea() {
    QFETCH(QString, opener);
    QFETCH(QSize, display);
    testing::Sinks sinks;
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    MDIMain window;
    window.resize(WindowOn(display, scale));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The screens reached through unavailable entries open the way the entry would.
    QWidget* screen = nullptr;
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
    QVERIFY(screen);
    QCoreApplication::processEvents();
    auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
    QVERIFY(sub);
    const QRect area = window.mdiArea()->viewport()->rect();
    QVERIFY2(area.contains(sub->geometry()),
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 in an area of %6x%7")
                            .arg(screen->objectName())
                            .arg(sub->x()).arg(sub->y()).arg(sub->width()).arg(sub->height())
                            .arg(area.width()).arg(area.height())));
    // The area itself needs no scroll bars.
    QVERIFY(!window.mdiArea()->horizontalScrollBar()->isVisible());
    QVERIFY(!window.mdiArea()->verticalScrollBar()->isVisible());
    // Nothing is squeezed: the contents keep at least the size their text needs.
    auto* scroll = screen->findChild<QScrollArea*>(QStringLiteral("screenScroll"));
    QVERIFY(scroll);
    QWidget* content = scroll->widget();
    const QSize needed = content->minimumSizeHint();
    QVERIFY2(content->width() >= needed.width() && content->height() >= needed.height(),
             qPrintable(QStringLiteral("contents %1x%2, need %3x%4")
                            .arg(content->width()).arg(content->height())
                            .arg(needed.width()).arg(needed.height())));
  }

  // Where there is room, a screen opens at its natural size, without scroll bars of its own.
  void roomyDisplayShowsWholeScreens() {
    testing::Sinks sinks;
    MDIMain window;
    window.resize(1900, 1000);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("meuChoise"))->trigger();
    QCoreApplication::processEvents();
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList()) {
      auto* scroll = sub->widget()->findChild<QScrollArea*>(QStringLiteral("screenScroll"));
      QVERIFY(scroll);
      QVERIFY2(!scroll->horizontalScrollBar()->isVisible() && !scroll->verticalScrollBar()->isVisible(),
               qPrintable(sub->widget()->objectName()));
    }
  }
};

QTEST_MAIN(ScreenGeometryTest)
#include "screen_geometry_test.moc"
