// Closing a screen, or the whole program, while one of its modal boxes is open: assistive
// technology reaches the menus past a modal box. Real boxes here, not the test sink; a timer
// inside the box's own event loop does the closing, as the user would.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "screens/MDIMain.h"
#include "screens/frmAbout.h"
#include "qt-support/platform.h"
#include "screens/screen_test_support.h"

using namespace qiro;
using qiro::testing::Find;

namespace {

// What the box showed when the closing action ran, and whether it ran at all.
struct Seen {
  bool acted = false;
  QString boxText;
  QString boxClass;
};

// Waits inside the nested loop until a modal box is up, notes it, then runs the action.
void WhileModalIsUp(Seen& seen, std::function<void()> action) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    poll->stop();
    poll->deleteLater();
    seen.boxClass = QString::fromLatin1(modal->metaObject()->className());
    if (auto* box = qobject_cast<QMessageBox*>(modal)) seen.boxText = box->text();
    seen.acted = true;
    action();
  });
  poll->start();
}

// Deferred deletes posted from inside the nested loop run before the test looks.
void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

QAction* MenuAction(MDIMain& window, const char* name) {
  return Find<QAction>(&window, name);
}

QMdiSubWindow* SubWindowOf(QWidget* screen) {
  return qobject_cast<QMdiSubWindow*>(screen->parentWidget());
}

}  // namespace

class ModalCloseTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { SetMessageSink({}); }

  // The case as it was reported: "计算" with empty fields, then 文件 > 退出(X).
  void exitWhileToroidMessageIsOpen() {
    MDIMain window;
    window.show();
    QPointer<QWidget> screen = window.findChild<QWidget*>(QStringLiteral("frmDiangan"));
    QVERIFY(screen);
    Seen seen;
    WhileModalIsUp(seen, [&window] { MenuAction(window, "meuExit")->trigger(); });
    QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    Settle();
    QVERIFY(seen.acted);
    QCOMPARE(seen.boxText, QStringLiteral("请输入“平均”电流！单位为安培"));
    QVERIFY(!screen);
    QVERIFY(!window.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
  }

  void closeOnlyTheToroidScreenWhileItsMessageIsOpen() {
    MDIMain window;
    window.show();
    QPointer<QWidget> screen = window.findChild<QWidget*>(QStringLiteral("frmDiangan"));
    QVERIFY(screen);
    Seen seen;
    WhileModalIsUp(seen, [&screen] { SubWindowOf(screen)->close(); });
    QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    Settle();
    QVERIFY(seen.acted);
    QVERIFY(!screen);
    QVERIFY(window.isVisible());
    // The program goes on: the screen opens again from its initial contents.
    MenuAction(window, "menToroidalL")->trigger();
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("frmDiangan")));
  }

  void exitWhileSelectionMessageIsOpen() {
    MDIMain window;
    window.show();
    MenuAction(window, "meuChoise")->trigger();
    QPointer<QWidget> screen = window.findChild<QWidget*>(QStringLiteral("frmCoreChoise"));
    QVERIFY(screen);
    Seen seen;
    WhileModalIsUp(seen, [&window] { MenuAction(window, "meuExit")->trigger(); });
    QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    Settle();
    QVERIFY(seen.acted);
    QCOMPARE(seen.boxText, QStringLiteral("对不起，请输入电流！"));
    QVERIFY(!screen);
    QVERIFY(!window.isVisible());
  }

  // The low-current note is shown before the search: the search must not run on a
  // screen that went away under the note.
  void closeSelectionScreenUnderTheNoteBeforeTheSearch() {
    MDIMain window;
    window.show();
    MenuAction(window, "meuChoise")->trigger();
    QPointer<QWidget> screen = window.findChild<QWidget*>(QStringLiteral("frmCoreChoise"));
    QVERIFY(screen);
    Find<QLineEdit>(screen, "txtDianliu")->setText(QStringLiteral("0.01"));
    Find<QLineEdit>(screen, "txtDianganliang")->setText(QStringLiteral("100"));
    Seen seen;
    WhileModalIsUp(seen, [&screen] { SubWindowOf(screen)->close(); });
    QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    Settle();
    QVERIFY(seen.acted);
    QCOMPARE(seen.boxText, QStringLiteral("对不起，电流比较小，将按0.1电流安计算！"));
    QVERIFY(!screen);
  }

  void closeTopologyScreenWhileItsMessageIsOpen() {
    MDIMain window;
    window.show();
    MenuAction(window, "menuBuck")->trigger();
    QPointer<QWidget> screen = window.findChild<QWidget*>(QStringLiteral("frmTOPBUCK"));
    QVERIFY(screen);
    Seen seen;
    WhileModalIsUp(seen, [&screen] { SubWindowOf(screen)->close(); });
    QTest::mouseClick(Find<QPushButton>(screen, "cmdCal"), Qt::LeftButton);
    Settle();
    QVERIFY(seen.acted);
    QCOMPARE(seen.boxText, QStringLiteral("请输入“输出电流Iout”！单位为安培（A）"));
    QVERIFY(!screen);
  }

  void exitWhileAboutBoxIsOpen() {
    MDIMain window;
    window.show();
    Seen seen;
    WhileModalIsUp(seen, [&window] { MenuAction(window, "meuExit")->trigger(); });
    MenuAction(window, "meuAbout")->trigger();
    Settle();
    QVERIFY(seen.acted);
    QCOMPARE(seen.boxClass, QStringLiteral("qiro::frmAbout"));
    QVERIFY(!window.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window.findChildren<frmAbout*>().isEmpty());
  }

  // The box must not outlive a message whose screen stays: it is gone once closed.
  void boxesDoNotPileUp() {
    MDIMain window;
    window.show();
    QWidget* screen = window.findChild<QWidget*>(QStringLiteral("frmDiangan"));
    for (int i = 0; i < 3; ++i) {
      Seen seen;
      WhileModalIsUp(seen, [] { QApplication::activeModalWidget()->close(); });
      QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
      QVERIFY(seen.acted);
    }
    Settle();
    QVERIFY(window.findChildren<QMessageBox*>().isEmpty());
  }

  void showMessageSaysWhetherItsParentSurvived() {
    auto* parent = new QWidget;
    parent->show();
    Seen deleted;
    WhileModalIsUp(deleted, [parent] { delete parent; });
    QVERIFY(!ShowMessage(parent, QStringLiteral("x")));
    QVERIFY(deleted.acted);
    auto* kept = new QWidget;
    Seen seen;
    WhileModalIsUp(seen, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(ShowMessage(kept, QStringLiteral("y")));
    delete kept;
    Seen orphan;
    WhileModalIsUp(orphan, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(ShowMessage(nullptr, QStringLiteral("z")));
  }
};

QTEST_MAIN(ModalCloseTest)
#include "modal_close_test.moc"
