// Every screen under a seeded random user and under a table of hostile inputs: no crash,
// nothing false shown, and the screen still answers afterwards.
// Replay one seed: QIRO_MONKEY_SEED=<seed> monkey_test <test function>
// Print what each hostile input led to: QIRO_HOSTILE_REPORT=1 monkey_test -maxwarnings 0 hostileInputs
#include <QAbstractButton>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core-data/catalogue.h"
#include "screens/MDIMain.h"
#include "screens/Form1.h"
#include "screens/frmAbout.h"
#include "screens/frmCurrentDensity.h"
#include "screens/frmChoise.h"
#include "screens/frmCoreChoise.h"
#include "screens/frmDKURdanlirao.h"
#include "screens/frmDiangan.h"
#include "screens/frmTOPBOOST.h"
#include "screens/frmTOPBUCK.h"
#include "screens/frmTOPBUCKBOOST.h"
#include "screens/frmTOPNibianLC.h"
#include "screens/frmTOPPFC.h"
#include "screens/frmTOPQuanqiao.h"
#include "screens/frmTOPTuiwan.h"
#include "screens/frmTOPZhengji.h"
#include "screens/monkey.h"
#include "screens/screen_test_support.h"
#include "workbench/DesignAdviser.h"

using namespace qiro;
using qiro::testing::FalseShownText;
using qiro::testing::UserFields;

namespace {

struct ScreenMaker {
  const char* name;
  std::function<QWidget*()> make;
  // A valid input for each field, so that a hostile text in one field meets its own check.
  std::vector<std::pair<const char*, const char*>> valid;
};

const std::vector<std::pair<const char*, const char*>> kPowerInputs = {
    {"txtP", "100"}, {"txtVin", "12"}, {"txtVout", "24"}, {"txtF", "100"}, {"txtWenbolv", "0.2"}};
const std::vector<std::pair<const char*, const char*>> kBridgeInputs = {
    {"txtVout", "12"}, {"txtF", "100"}, {"txtIout", "10"}, {"txtD", "0.4"}, {"txtWenbolv", "0.2"}};

const std::vector<ScreenMaker>& Screens() {
  static const std::vector<ScreenMaker> screens = {
      {"frmTOPBUCK", [] { return new frmTOPBUCK; },
       {{"txtIout", "5"}, {"txtVin", "12"}, {"txtVout", "5"}, {"txtF", "100"}, {"txtWenbolv", "0.2"}}},
      {"frmTOPBOOST", [] { return new frmTOPBOOST; }, kPowerInputs},
      {"frmTOPBUCKBOOST", [] { return new frmTOPBUCKBOOST; }, kPowerInputs},
      {"frmTOPPFC", [] { return new frmTOPPFC; },
       {{"txtP", "500"}, {"txtVin", "220"}, {"txtVout", "400"}, {"txtF", "65"}, {"txtXiaolv", "0.98"},
        {"txtWenbolv", "0.2"}}},
      {"frmTOPNibianLC", [] { return new frmTOPNibianLC; },
       {{"txtP", "1000"}, {"txtVin", "400"}, {"txtVout", "220"}, {"txtF", "20"}, {"txtWenbolv", "0.2"}}},
      {"frmTOPZhengji", [] { return new frmTOPZhengji; }, kBridgeInputs},
      {"frmTOPTuiwan", [] { return new frmTOPTuiwan; }, kBridgeInputs},
      {"frmTOPQuanqiao", [] { return new frmTOPQuanqiao; }, kBridgeInputs},
      {"frmDiangan", [] { return new frmDiangan; },
       {{"txtIrms", "10"}, {"txtIpeak", "14.14"}, {"txtdI", "2.828"}, {"txtF", "100"}, {"txtCopperPcs", "1"}}},
      {"frmCoreChoise", [] { return new frmCoreChoise; }, {{"txtDianliu", "5"}, {"txtDianganliang", "100"}}},
      {"frmChoise", [] { return new frmChoise; }, {{"txtDianliu", "5"}, {"txtDianganliang", "100"}}},
      {"Form1", [] { return new Form1; }, {}},
      {"frmAbout", [] { return new frmAbout; }, {}},
      {"frmCurrentDensity", [] { return new frmCurrentDensity; }, {}},
      {"frmDKURdanlirao", [] { return new frmDKURdanlirao; }, {}},
      {"DesignAdviser",
       [] {
         auto* adviser = new DesignAdviser;
         testing::MakeAdviserSmall(adviser, 0);
         return adviser;
       },
       [] {
         auto valid = testing::ValidAdviserRequirement();
         valid.insert(valid.end(), {{"txtMaxCores", "1"}, {"txtMaxStrands", "2"}});
         return valid;
       }()},
  };
  return screens;
}

constexpr int kActions = 10000;

// The menu entries that open a screen in the main window.
const char* const kScreenEntries[] = {"menToroidalL", "meuChoise",  "menuPFC",      "menuBoost",
                                      "menuBuck",     "menuBuckBoost", "menuNibianLC", "menuQuanqiao",
                                      "menuZhengji",  "menuTuiwan", "meuAbout",     "menAdviser"};

// Every way a search can end happened at least once.
void VerifyAdviserTally(const testing::AdviserTally& t, unsigned seed) {
  qInfo("adviser: %d starts, %d finished, %d stopped, %d replaced, %d changed and %d closed while searching",
        t.starts, t.finished, t.stopped, t.replaced, t.changedDuringRun, t.closedDuringRun);
  QVERIFY2(t.finished > 0 && t.stopped > 0 && t.replaced > 0 && t.changedDuringRun > 0 &&
               t.closedDuringRun > 0,
           qPrintable(QStringLiteral("seed %1").arg(seed)));
}

// While a modal box or the grouped search runs its own event loop, assistive technology
// can still reach the menus: this timer answers the box as a user would, or closes the
// screen under it, or the whole program.
// What the program's event loop returns after a round that did not close the program, and
// when a closed program's loop failed to return by itself.
constexpr int kRoundDone = 7;
constexpr int kLoopHung = 99;

class Interloper final : public QObject {
 public:
  Interloper(std::mt19937& rng, QPointer<MDIMain>& window, testing::AdviserTally& tally)
      : rng_(rng), window_(window), tally_(tally) {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
  }
  int closedScreens = 0;
  int closedPrograms = 0;
  int answeredBoxes = 0;

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* busy = nullptr;
    if (!modal && window_) {
      // The grouped search disables its screen while it lets events through; the adviser
      // searches on while the user goes on.
      for (QMdiSubWindow* sub : window_->findChild<QMdiArea*>()->subWindowList()) {
        if (sub->widget() && !sub->widget()->isEnabled()) busy = sub->widget();
        if (auto* adviser = qobject_cast<DesignAdviser*>(sub->widget()); adviser && adviser->Searching())
          busy = adviser;
      }
    }
    if (!modal && !busy) return;
    // A search of the adviser runs for a while (tens of ticks), so that it also ends by itself.
    if (!modal && qobject_cast<DesignAdviser*>(busy) &&
        std::uniform_int_distribution<int>(0, 49)(rng_) != 0) {
      return;
    }
    const int choice = std::uniform_int_distribution<int>(0, 9)(rng_);
    if (choice < 6 && modal) {
      modal->close();
      ++answeredBoxes;
    } else if (choice < 8 && window_) {
      QMdiSubWindow* sub = busy ? qobject_cast<QMdiSubWindow*>(busy->parentWidget())
                                : window_->findChild<QMdiArea*>()->activeSubWindow();
      if (sub) {
        if (auto* adviser = qobject_cast<DesignAdviser*>(sub->widget()); adviser && adviser->Searching())
          ++tally_.closedDuringRun;
        sub->close();
        ++closedScreens;
      } else if (modal) {
        modal->close();
      }
    } else if (window_) {
      window_->findChild<QAction*>(QStringLiteral("meuExit"))->trigger();
      ++closedPrograms;
    } else if (modal) {
      modal->close();
    }
  }

  std::mt19937& rng_;
  QPointer<MDIMain>& window_;
  testing::AdviserTally& tally_;
  QTimer timer_;
};

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InitCoreData(); }

  void randomUser_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<unsigned>("seed");
    const QByteArray replay = qgetenv("QIRO_MONKEY_SEED");
    for (int i = 0; i < static_cast<int>(Screens().size()); ++i) {
      const unsigned seed = replay.isEmpty() ? 20261209u + static_cast<unsigned>(i) : replay.toUInt();
      QTest::newRow(Screens()[static_cast<std::size_t>(i)].name) << i << seed;
    }
  }

  void randomUser() {
    QFETCH(int, screen);
    QFETCH(unsigned, seed);
    testing::Sinks sinks;
    std::unique_ptr<QWidget> widget(Screens()[static_cast<std::size_t>(screen)].make());
    widget->show();
    QApplication::setActiveWindow(widget.get());
    const auto fields = UserFields(widget.get());
    testing::Monkey monkey(widget.get(), seed);
    // The adviser's user waits for searches now and then: fewer actions take as long.
    auto* adviser = qobject_cast<DesignAdviser*>(widget.get());
    testing::AdviserTally tally;
    std::unique_ptr<testing::AdviserUser> adviserUser;
    if (adviser) adviserUser = std::make_unique<testing::AdviserUser>(adviser, seed, tally);
    const int actions = adviser ? kActions / 5 : kActions;
    for (int action = 1; action <= actions; ++action) {
      // A dialog closed by its own button is opened again, as a user would.
      if (!widget->isVisible()) widget->show();
      if (adviserUser) {
        adviserUser->Act();
      } else {
        monkey.Act();
      }
      if (action % 250 == 0 || action == actions) {
        const QString shown = FalseShownText(widget.get(), fields);
        QVERIFY2(shown.isEmpty(), qPrintable(QStringLiteral("seed %1, action %2 shows: %3")
                                                 .arg(seed).arg(action).arg(shown.left(200))));
      }
    }
    if (!widget->isVisible()) widget->show();
    // Still answering: a field takes a digit.
    for (QLineEdit* field : fields) {
      if (!field->isVisible()) continue;
      field->setFocus();
      field->selectAll();
      QTest::keyClick(field, Qt::Key_Backspace);
      QTest::keyClick(field, Qt::Key_7);
      QVERIFY2(field->text().contains(QLatin1Char('7')),
               qPrintable(QStringLiteral("seed %1: %2 no longer takes keys").arg(seed).arg(field->objectName())));
      break;
    }
    QVERIFY(widget->isVisible());
    if (adviser) VerifyAdviserTally(tally, seed);
  }

  // The same user through the main window with real message boxes, closing a screen or the
  // whole program while a box or the search is up.
  void randomUserThroughMainWindow() {
    const QByteArray replay = qgetenv("QIRO_MONKEY_SEED");
    const unsigned seed = replay.isEmpty() ? 20261209u : replay.toUInt();
    std::mt19937 rng(seed);
    // Real boxes, but no browser.
    SetMessageSink({});
    SetDesktopSink([](const QUrl&) { return true; });
    QPointer<MDIMain> window;
    testing::AdviserTally tally;
    Interloper interloper(rng, window, tally);
    int actions = 0;
    for (int round = 0; round < 1000; ++round) {
      if (!window || !window->isVisible()) {
        delete window.data();
        window = new MDIMain;
        window->show();
      }
      const auto entry = kScreenEntries[std::uniform_int_distribution<int>(
          0, static_cast<int>(std::size(kScreenEntries)) - 1)(rng)];
      window->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
      if (!window) continue;
      QMdiSubWindow* sub = window->findChild<QMdiArea*>()->activeSubWindow();
      QPointer<QWidget> screen = sub ? sub->widget() : nullptr;
      if (!screen) continue;
      QApplication::setActiveWindow(window);
      testing::Monkey monkey(screen, rng());
      std::unique_ptr<testing::AdviserUser> adviserUser;
      if (auto* adviser = qobject_cast<DesignAdviser*>(screen.data())) {
        testing::MakeAdviserSmall(adviser, 0);
        adviserUser = std::make_unique<testing::AdviserUser>(adviser, rng(), tally);
      }
      // The round runs inside the program's own event loop, as main() runs it: when the
      // interloper closes the program, that loop must return by itself with status 0.
      QTimer::singleShot(0, [&] {
        for (int i = 0; i < 12 && screen && window && window->isVisible(); ++i, ++actions) {
          if (adviserUser) {
            adviserUser->Act();
          } else {
            monkey.Act();
          }
          QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (window && window->isVisible()) QCoreApplication::exit(kRoundDone);
      });
      QTimer watchdog;
      watchdog.setSingleShot(true);
      connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kLoopHung); });
      watchdog.start(120000);
      const int status = QApplication::exec();
      watchdog.stop();
      const bool closed = !window || !window->isVisible();
      QVERIFY2(status == (closed ? 0 : kRoundDone),
               qPrintable(QStringLiteral("seed %1, round %2: the program's loop returned %3")
                              .arg(seed).arg(round).arg(status)));
      if (screen && window) {
        const QString shown = FalseShownText(screen, UserFields(screen));
        QVERIFY2(shown.isEmpty(), qPrintable(QStringLiteral("seed %1, round %2 shows: %3")
                                                 .arg(seed).arg(round).arg(shown.left(200))));
      }
    }
    delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetDesktopSink({});
    qInfo("%d actions, %d boxes answered, %d screens and %d programs closed under a box or search",
          actions, interloper.answeredBoxes, interloper.closedScreens, interloper.closedPrograms);
    QVERIFY(interloper.closedScreens > 0);
    QVERIFY(interloper.closedPrograms > 0);
    VerifyAdviserTally(tally, seed);
  }

  // Each hostile text pasted into each field, then every button pressed.
  void hostileInputs_data() {
    QTest::addColumn<int>("screen");
    for (int i = 0; i < static_cast<int>(Screens().size()); ++i) {
      QTest::newRow(Screens()[static_cast<std::size_t>(i)].name) << i;
    }
  }

  void hostileInputs() {
    QFETCH(int, screen);
    const bool report = !qgetenv("QIRO_HOSTILE_REPORT").isEmpty();
    testing::Sinks sinks;
    const ScreenMaker& maker = Screens()[static_cast<std::size_t>(screen)];
    std::unique_ptr<QWidget> widget(maker.make());
    widget->show();
    const auto fields = UserFields(widget.get());
    auto fillValid = [&] {
      // A pick in every list that offers one (the core of the toroid calculator).
      for (auto* list : widget->findChildren<QListWidget*>()) {
        if (list->count() > 0 && list->selectedItems().isEmpty()) list->item(0)->setSelected(true);
      }
      for (const auto& [name, text] : maker.valid) {
        auto* field = widget->findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY2(field, name);
        field->setFocus();
        field->selectAll();
        testing::Paste(field, QString::fromLatin1(text));
      }
    };
    QList<QAbstractButton*> buttons;
    for (auto* b : widget->findChildren<QAbstractButton*>()) {
      // A button with a menu ("导出") offers files and printing, not a check of the inputs.
      if (testing::MenuOf(b)) continue;
      if (b->isEnabled() && b->objectName().startsWith(QLatin1String("cmd"))) buttons << b;
    }
    for (QLineEdit* field : fields) {
      fillValid();
      for (const QString& hostile : testing::HostileTexts()) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        testing::Paste(field, hostile);
        for (QAbstractButton* button : buttons) {
          sinks.messages.clear();
          QTest::mouseClick(button, Qt::LeftButton);
          // A search started: its result is what the check below reads.
          if (auto* adviser = qobject_cast<DesignAdviser*>(widget.get()); adviser && adviser->Searching()) {
            QSignalSpy ended(adviser, &DesignAdviser::searchFinished);
            QVERIFY(ended.wait(60000));
          }
          if (report) {
            qInfo().noquote() << widget->objectName() << field->objectName()
                              << QStringLiteral("\"%1\"").arg(QString(hostile.left(12)).replace(QLatin1Char('\n'), QStringLiteral("\\n"))) << "->"
                              << (sinks.messages.isEmpty() ? QStringLiteral("(no message)")
                                                           : sinks.messages.last().text);
          }
          const QString shown = FalseShownText(widget.get(), fields);
          QVERIFY2(shown.isEmpty(), qPrintable(QStringLiteral("%1 \"%2\" shows: %3")
                                                   .arg(field->objectName(), hostile.left(20),
                                                        shown.left(200))));
        }
      }
    }
  }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
