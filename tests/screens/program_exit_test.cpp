// An exit chosen while the program is busy (a search processing events, a box of the search
// up) must end the program: the application's own event loop returns, with status 0, as
// main() would see it. Each case runs QApplication::exec() as the program does; a watchdog
// ends a loop that would otherwise run on with no window.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>

#include "design/exchange/design_document.h"
#include "qt-support/platform.h"
#include "screens/MDIMain.h"
#include "screens/frmCoreChoise.h"
#include "screens/screen_test_support.h"

using namespace qiro;
using qiro::testing::Find;

namespace {

constexpr int kWatchdogStatus = 99;

// Runs the program's event loop after `start` is queued; returns exec()'s status, or the
// watchdog's when the loop did not end on its own within `patience` ms.
int RunProgramLoop(const std::function<void()>& start, int patience = 30000) {
  QTimer::singleShot(0, start);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kWatchdogStatus); });
  watchdog.start(patience);
  return QApplication::exec();
}

// Fills the grouped selection with a requirement that walks every core to its turn limit.
QWidget* OpenLongSearch(MDIMain& window) {
  Find<QAction>(&window, "meuChoise")->trigger();
  QWidget* screen = window.findChild<QWidget*>(QStringLiteral("frmCoreChoise"));
  Find<QRadioButton>(screen, "optIpeak")->click();
  Find<QRadioButton>(screen, "optStatic")->click();
  Find<QLineEdit>(screen, "txtDianliu")->setText(QStringLiteral("0.1"));
  Find<QLineEdit>(screen, "txtDianganliang")->setText(QStringLiteral("70000"));
  return screen;
}

// Presses a window's button once a modal box is up inside some nested loop.
void WhenModalIsUp(const std::function<void(QWidget* modal)>& action) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    poll->stop();
    poll->deleteLater();
    action(modal);
  });
  poll->start();
}

}  // namespace

class ProgramExitTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { SetMessageSink({}); }

  // The search processes events as it goes; 文件 > 退出(X) chosen meanwhile ends the program
  // and abandons the search.
  void exitDuringTheGroupedSearch() {
    auto* window = new MDIMain;
    QPointer<MDIMain> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QPointer<QWidget> screen = OpenLongSearch(*window);
    // Events are let through before every core, so the exit lands early in the walk.
    qobject_cast<frmCoreChoise*>(screen.data())->SetRepaintInterval(std::chrono::milliseconds(0));
    bool searching = false;
    int boxes = 0;
    const int status = RunProgramLoop([&] {
      auto* poll = new QTimer(window);
      poll->setInterval(0);
      QObject::connect(poll, &QTimer::timeout, window, [&, poll] {
        if (QApplication::activeModalWidget()) ++boxes;
        if (!screen || screen->isEnabled()) return;
        poll->stop();
        searching = true;
        Find<QAction>(window, "meuExit")->trigger();
      });
      poll->start();
      QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    });
    if (alive) delete alive.data();
    QCOMPARE(status, 0);
    QVERIFY2(searching, "the exit was meant to arrive while the search ran");
    QCOMPARE(boxes, 0);  // abandoned: no warning and no "not found" after it
  }

  // Exit while the winding warning after the search is up.
  void exitUnderTheWindingWarning() {
    auto* window = new MDIMain;
    QPointer<MDIMain> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QPointer<QWidget> screen = OpenLongSearch(*window);
    QString shown;
    const int status = RunProgramLoop([&] {
      WhenModalIsUp([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) shown = box->text();
        Find<QAction>(window, "meuExit")->trigger();
      });
      QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    });
    if (alive) delete alive.data();
    QCOMPARE(status, 0);
    QCOMPARE(shown, QStringLiteral("未找到满足您的电流密度常用铜线规格，您可以使用推荐线径或特殊规格铜线！"));
  }

  // Exit while the box before the search is up: the search never starts, the program ends.
  void exitUnderTheNoteBeforeTheSearch() {
    auto* window = new MDIMain;
    QPointer<MDIMain> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QWidget* screen = OpenLongSearch(*window);
    Find<QLineEdit>(screen, "txtDianliu")->setText(QStringLiteral("0.05"));
    QString shown;
    const int status = RunProgramLoop([&] {
      WhenModalIsUp([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) shown = box->text();
        Find<QAction>(window, "meuExit")->trigger();
      });
      QTest::mouseClick(Find<QPushButton>(screen, "cmdJiSuan"), Qt::LeftButton);
    });
    if (alive) delete alive.data();
    QCOMPARE(status, 0);
    QCOMPARE(shown, QStringLiteral("对不起，电流比较小，将按0.1电流安计算！"));
  }

  // Exit under the box of "计算" on the toroid calculator and on a converter screen.
  void exitUnderTheBoxesOfTheCalculators_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::newRow("toroid") << "menToroidalL" << "frmDiangan" << "cmdJiSuan";
    QTest::newRow("buck") << "menuBuck" << "frmTOPBUCK" << "cmdCal";
    QTest::newRow("converter hand-over") << "menuBuck" << "frmTOPBUCK" << "cmdDesignInductor";
  }
  void exitUnderTheBoxesOfTheCalculators() {
    QFETCH(QString, entry);
    QFETCH(QString, screen);
    QFETCH(QString, button);
    auto* window = new MDIMain;
    QPointer<MDIMain> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->findChild<QAction*>(entry)->trigger();
    QWidget* form = window->findChild<QWidget*>(screen);
    QVERIFY(form);
    // Empty inputs: "计算" (or the hand-over without results) answers with a box.
    for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
      if (field->objectName() == QLatin1String("txtIrms") || field->objectName() == QLatin1String("txtIout"))
        field->clear();
    }
    bool boxSeen = false;
    const int status = RunProgramLoop([&] {
      WhenModalIsUp([&](QWidget*) {
        boxSeen = true;
        Find<QAction>(window, "meuExit")->trigger();
      });
      QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
    });
    if (alive) delete alive.data();
    QCOMPARE(status, 0);
    QVERIFY(boxSeen);
  }

  // Exit while the note box of "保存设计…" is up: nothing is written, the program ends.
  void exitUnderTheSaveDesignNote() {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("in.qiro"));
    {
      QFile file(source);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(WriteDesignDocument(
          DesignDocument{"KMA157060", 1, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37, 25, "", std::nullopt})));
    }
    auto* window = new MDIMain;
    QPointer<MDIMain> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(window->OpenDesignFile(source));
    bool asked = false;
    SetSaveFileSink([&](const QString&) {
      asked = true;
      return dir.filePath(QStringLiteral("out.qiro"));
    });
    const int status = RunProgramLoop([&] {
      WhenModalIsUp([&](QWidget*) { Find<QAction>(window, "meuExit")->trigger(); });
      Find<QAction>(window, "meuSaveDesign")->trigger();
    });
    SetSaveFileSink({});
    if (alive) delete alive.data();
    QCOMPARE(status, 0);
    QVERIFY(!asked);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.qiro"))));
  }

  // Exit while the About box (a dialog's own loop) is up.
  void exitWhileAboutIsUp() {
    auto* window = new MDIMain;
    QPointer<MDIMain> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    const int status = RunProgramLoop([window] {
      WhenModalIsUp([window](QWidget*) { Find<QAction>(window, "meuExit")->trigger(); });
      Find<QAction>(window, "meuAbout")->trigger();
    });
    if (alive) delete alive.data();
    QCOMPARE(status, 0);
  }
};

QTEST_MAIN(ProgramExitTest)
#include "program_exit_test.moc"
