#include "screens/frmCoreChoise.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "core-data/catalogue.h"
#include "curves_test_support.h"
#include "design/calculators/candidate_report.h"
#include "screen_test_support.h"
#include "screens/MDIMain.h"
#include "text/web_site.h"

using namespace qiro;
using namespace qiro::testing;

namespace {

const QString kError = QStringLiteral("错误");
const QString kWarning = QStringLiteral("警告");
const QString kLowCurrent = QStringLiteral("对不起，电流比较小，将按0.1电流安计算！");
const QString kWindingWarning =
    QStringLiteral("未找到满足您的电流密度常用铜线规格，您可以使用推荐线径或特殊规格铜线！");
const QString kNothingFound =
    QStringLiteral("对不起，没有满足您需求的磁芯，请改变您的电感设计条件或增加磁芯个数！");

QString Golden(const char* name) {
  QFile file(QStringLiteral(QIRO_TEST_DATA "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QStringList Texts(const QList<ShownMessage>& messages) {
  QStringList texts;
  for (const auto& m : messages) texts << m.text + QLatin1Char('|') + m.title;
  return texts;
}

}  // namespace

class frmCoreChoiseTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmCoreChoise> screen;
  std::unique_ptr<Sinks> sinks;

  QLineEdit* current() { return Find<QLineEdit>(screen.get(), "txtDianliu"); }
  QLineEdit* inductance() { return Find<QLineEdit>(screen.get(), "txtDianganliang"); }
  QComboBox* coreCount() { return Find<QComboBox>(screen.get(), "cmbCoreCount"); }
  QComboBox* density() { return Find<QComboBox>(screen.get(), "cmbCurrentDensity"); }
  QListWidget* list() { return Find<QListWidget>(screen.get(), "lstResut"); }
  QPlainTextEdit* details() { return Find<QPlainTextEdit>(screen.get(), "txtShow"); }

  void Search() { QTest::mouseClick(Find<QPushButton>(screen.get(), "cmdJiSuan"), Qt::LeftButton); }


  void ClickLine(int row) {
    QListWidget* l = list();
    const QRect rect = l->visualItemRect(l->item(row));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
  }

 private slots:
  void initTestCase() { InitCoreData(); }

  void init() {
    sinks = std::make_unique<Sinks>();
    screen = std::make_unique<frmCoreChoise>();
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
  }

  void cleanup() {
    screen.reset();
    sinks.reset();
  }

  void opensWithItsInitialContents() {
    QCOMPARE(screen->objectName(), QStringLiteral("frmCoreChoise"));
    QCOMPARE(screen->windowTitle(), QStringLiteral("磁芯选型"));
    QVERIFY(current()->text().isEmpty());
    QVERIFY(inductance()->text().isEmpty());
    QVERIFY(Find<QRadioButton>(screen.get(), "optIrms")->isChecked());
    QVERIFY(Find<QRadioButton>(screen.get(), "optAtCurrent")->isChecked());
    QCOMPARE(coreCount()->currentText(), QStringLiteral("1"));
    QCOMPARE(coreCount()->count(), 6);
    QCOMPARE(density()->currentText(), QStringLiteral("3"));
    QCOMPARE(density()->count(), 10);
    QVERIFY(!density()->isEditable());
    QVERIFY(!Find<QPushButton>(screen.get(), "cmdGaoji")->isEnabled());
    QCOMPARE(Find<QPushButton>(screen.get(), "cmdJiSuan")->text(), QStringLiteral("选型(&C)"));
    QCOMPARE(Find<QLabel>(screen.get(), "labURL")->text(),
             QStringLiteral("更多磁芯选型技巧及资料资料请登陆 ") +
                 QString::fromLatin1(kWebSiteAddress.data()));
    QCOMPARE(Find<QLabel>(screen.get(), "labDianliu")->buddy(), current());
    QCOMPARE(Find<QLabel>(screen.get(), "Label3")->buddy(), density());
    QCOMPARE(list()->count(), 0);
  }

  void listsOneProposalPerGroup() {
    Retype(current(), QStringLiteral("5"));
    Retype(inductance(), QStringLiteral("100"));
    Search();
    QVERIFY(sinks->messages.isEmpty());
    QCOMPARE(list()->count(), 18);
    QCOMPARE(list()->item(0)->text(),
             QStringLiteral("KMA092090  电流密度=3.25；线径=1.4；绕线根数=1；绕线圈数=39"));
    QCOMPARE(list()->item(17)->text(),
             QStringLiteral("KMD130040  电流密度=3.25；线径=1.4；绕线根数=1；绕线圈数=51"));
    QVERIFY(screen->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
  }

  void selectingALineShowsItsDesign() {
    Retype(current(), QStringLiteral("5"));
    Retype(inductance(), QStringLiteral("100"));
    Search();
    QVERIFY(details()->toPlainText().isEmpty());
    ClickLine(0);
    const QString first = Golden("candidate_report_KMA092090.txt");
    QVERIFY(!first.isEmpty());
    QCOMPARE(details()->toPlainText(), first);
    QCOMPARE(details()->document()->blockCount(), 14);

    // The arrow keys move the selection and the report follows.
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QVERIFY(details()->toPlainText().startsWith(QStringLiteral("磁芯型号：KMA106060\n")));
    QTest::keyClick(list(), Qt::Key_Up);
    QCOMPARE(details()->toPlainText(), first);
    // Clicking the selected line again shows the same report.
    ClickLine(0);
    QCOMPARE(details()->toPlainText(), first);

    // A new search keeps the report of the last clicked line.
    Retype(inductance(), QStringLiteral("47"));
    Search();
    QVERIFY(list()->count() > 0);
    QCOMPARE(details()->toPlainText(), first);
  }

  // ---- Curves and copying the details ----------------------------------------------

  void curvesFollowTheSelectedProposal() {
    auto* curvesButton = Find<QPushButton>(screen.get(), "cmdCurves");
    QCOMPARE(curvesButton->text(), QStringLiteral("曲线"));
    // Before a proposal is picked the window says what to do.
    QTest::mouseClick(curvesButton, Qt::LeftButton);
    DesignCurves* curves = CurvesOf(screen.get());
    QVERIFY(curves && curves->isVisible() && curves->isWindow());
    QVERIFY(WindowNote(curves).startsWith(QStringLiteral("尚未选择方案")));

    QApplication::setActiveWindow(screen.get());
    Retype(current(), QStringLiteral("5"));
    Retype(inductance(), QStringLiteral("100"));
    Search();
    ClickLine(0);
    QCOMPARE(WindowNote(curves), QString());
    QCOMPARE(curves->windowTitle(), QStringLiteral("设计曲线 - KMA092090"));
    // The markers are the details' own numbers (L@5.00A：100.64μH, L@7.07A：89.25μH).
    const QStringList lines = details()->toPlainText().split(QLatin1Char('\n'));
    const QPointF average = PointsOf(curves, "chartInductance", "seriesInductanceAverage").value(0);
    QCOMPARE(QStringLiteral("L@%1A：%2μH").arg(average.x(), 0, 'f', 2).arg(average.y(), 0, 'f', 2),
             lines[12].section(QStringLiteral(" （"), 0, 0));
    const QPointF peak = PointsOf(curves, "chartInductance", "seriesInductancePeak").value(0);
    QCOMPARE(QStringLiteral("L@%1A：%2μH").arg(peak.x(), 0, 'f', 2).arg(peak.y(), 0, 'f', 2),
             lines[13].section(QStringLiteral(" （"), 0, 0));
    // Proposals carry no frequency or ripple: no loss curve, and the window says why.
    QVERIFY(ChartNote(curves, "stkLoss").contains(QStringLiteral("没有损耗曲线")));
    QCOMPARE(ChartNote(curves, "stkPermeability"), QString());

    // Another line, another design; a new search keeps the shown one, as the details do.
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(curves->windowTitle(), QStringLiteral("设计曲线 - KMA106060"));
    Retype(inductance(), QStringLiteral("47"));
    Search();
    QCOMPARE(curves->windowTitle(), QStringLiteral("设计曲线 - KMA106060"));
    QCOMPARE(screen->findChildren<DesignCurves*>().size(), 1);
  }

  void copyingTheDetails() {
    auto* copy = Find<QPushButton>(screen.get(), "cmdCopyReport");
    QCOMPARE(copy->text(), QStringLiteral("复制报告"));
    QVERIFY(!copy->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QVERIFY(!CopyThroughContextMenu(details()));
    Retype(current(), QStringLiteral("5"));
    Retype(inductance(), QStringLiteral("100"));
    Search();
    ClickLine(0);
    QVERIFY(copy->isEnabled());
    const QString golden = Golden("candidate_report_KMA092090.txt");
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(Clipboard(), golden);
    QApplication::clipboard()->clear();
    details()->setFocus();
    QTest::keyClick(details(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), golden);
    QApplication::clipboard()->clear();
    QVERIFY(CopyThroughContextMenu(details()));
    QCOMPARE(Clipboard(), golden);
    // The copy is the details' text with line feeds only, no line break after the last.
    QVERIFY(!Clipboard().contains(QLatin1Char('\r')));
    QVERIFY(Clipboard().endsWith(QStringLiteral("Oe）")));
  }

  void stackedPeakEntryAtZeroCurrent() {
    Retype(current(), QStringLiteral("40"));
    Find<QRadioButton>(screen.get(), "optIpeak")->click();
    Retype(inductance(), QStringLiteral("33"));
    Find<QRadioButton>(screen.get(), "optStatic")->click();
    coreCount()->setFocus();
    coreCount()->lineEdit()->selectAll();
    QTest::keyClicks(coreCount(), QStringLiteral("2"));
    density()->setCurrentIndex(4);
    Search();
    QVERIFY(list()->count() >= 2);
    ClickLine(1);
    QCOMPARE(details()->toPlainText(), Golden("candidate_report_stacked.txt"));
  }

  void inputMessages_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("listed");
    const auto e = [](const char* text) { return QString::fromUtf8(text) + QStringLiteral("|错误"); };
    QTest::newRow("current empty") << "" << "100" << "1" << QStringList{e("对不起，请输入电流！")} << false;
    QTest::newRow("current pasted letters")
        << "abc" << "100" << "1" << QStringList{e("对不起，电流大小为数字！")} << false;
    QTest::newRow("current two points")
        << "1.2.3" << "100" << "1" << QStringList{e("对不起，电流大小为数字！")} << false;
    QTest::newRow("current 0 is raised")
        << "0" << "100" << "1"
        << QStringList{kLowCurrent + QStringLiteral("|错误"), kWindingWarning + QStringLiteral("|警告")}
        << true;
    QTest::newRow("current 0.1 is enough")
        << "0.1" << "100" << "1" << QStringList{kWindingWarning + QStringLiteral("|警告")} << true;
    QTest::newRow("current 300 accepted") << "300" << "5" << "1" << QStringList{} << true;
    QTest::newRow("current above 300")
        << "300.5" << "100" << "1"
        << QStringList{e("对不起，电流过大，超出磁环设计，请使用KMG系列磁芯！")} << false;
    QTest::newRow("current beyond float")
        << "1E39" << "100" << "1" << QStringList{e("电流超出数值范围！")} << false;
    QTest::newRow("low current, then inductance empty")
        << "0.05" << "" << "1"
        << QStringList{kLowCurrent + QStringLiteral("|错误"), e("对不起，请输入电感量的大小！")}
        << false;
    QTest::newRow("inductance pasted letters")
        << "5" << "x1" << "1" << QStringList{e("对不起，电感量大小为数字，请重新输入！")} << false;
    QTest::newRow("inductance 0")
        << "5" << "0" << "1" << QStringList{e("对不起，请输入正确的电感值！")} << false;
    QTest::newRow("inductance above 70000")
        << "5" << "70001" << "1" << QStringList{e("对不起，请输入正确的电感值！")} << false;
    QTest::newRow("inductance beyond float")
        << "5" << "1E39" << "1" << QStringList{e("电感量超出数值范围！")} << false;
    QTest::newRow("negative inductance beyond float")
        << "5" << "-1E39" << "1" << QStringList{e("对不起，请输入正确的电感值！")} << false;
    QTest::newRow("core count beyond 16 bits")
        << "5" << "100" << "70000" << QStringList{e("对不起，磁芯个数超出范围！")} << false;
    QTest::newRow("no cores") << "5" << "100" << "0" << QStringList{kNothingFound + QStringLiteral("|错误")}
                              << false;
    QTest::newRow("warning, then nothing found")
        << "0.1" << "70000" << "1"
        << QStringList{kWindingWarning + QStringLiteral("|警告"), kNothingFound + QStringLiteral("|错误")}
        << false;
  }

  void inputMessages() {
    QFETCH(QString, current);
    QFETCH(QString, inductance);
    QFETCH(QString, count);
    QFETCH(QStringList, messages);
    QFETCH(bool, listed);
    // A list from an earlier search must not survive a refused one.
    Retype(this->current(), QStringLiteral("5"));
    Retype(this->inductance(), QStringLiteral("100"));
    Search();
    QCOMPARE(list()->count(), 18);
    sinks->messages.clear();

    // Pasted texts bypass the key filters, as a user's paste does.
    this->current()->setText(current);
    this->inductance()->setText(inductance);
    coreCount()->setEditText(count);
    Search();
    QCOMPARE(Texts(sinks->messages), messages);
    for (const auto& m : sinks->messages) QCOMPARE(m.icon, QMessageBox::Information);
    QCOMPARE(list()->count() > 0, listed);
    QVERIFY(screen->isEnabled());
  }

  void keysTheFieldsRefuse() {
    QTest::keyClicks(current(), QStringLiteral("a-,1 .5"));
    QCOMPARE(current()->text(), QStringLiteral("1.5"));
    QTest::keyClicks(inductance(), QStringLiteral("4e7"));
    QCOMPARE(inductance()->text(), QStringLiteral("47"));
    // The core count takes any key; the density only changes through its list.
    coreCount()->lineEdit()->selectAll();
    QTest::keyClicks(coreCount(), QStringLiteral("x2"));
    QCOMPARE(coreCount()->currentText(), QStringLiteral("x2"));
    density()->setFocus();
    QTest::keyClicks(density(), QStringLiteral("7"));
    QCOMPARE(density()->currentText(), QStringLiteral("3"));
    QTest::keyClick(density(), Qt::Key_Down);
    QCOMPARE(density()->currentText(), QStringLiteral("4"));
  }

  void zeroCurrentIsClearedOnEntry() {
    current()->setText(QStringLiteral("0"));
    inductance()->setFocus();
    QTest::mouseClick(current(), Qt::LeftButton);
    QVERIFY(current()->hasFocus());
    QCOMPARE(current()->text(), QString());
    current()->setText(QStringLiteral("0.5"));
    inductance()->setFocus();
    current()->setFocus();
    QCOMPARE(current()->text(), QStringLiteral("0.5"));
  }

  void linksOpenTheMakersPages() {
    Find<QToolButton>(screen.get(), "picLogo")->click();
    QTest::mouseClick(Find<QPushButton>(screen.get(), "cmdRequestSample"), Qt::LeftButton);
    QCOMPARE(sinks->opened.size(), 2);
    const QString site = QString::fromLatin1(kWebSiteAddress.data());
    QCOMPARE(sinks->opened[0].toString(), site + QStringLiteral("/"));
    QCOMPARE(sinks->opened[1].toString(), site + QStringLiteral("/request-sample.asp"));
    QVERIFY(sinks->messages.isEmpty());
  }

  void disabledAndBusyWhileSearching() {
    screen->SetRepaintInterval(std::chrono::milliseconds(0));
    Retype(current(), QStringLiteral("0.1"));
    Retype(inductance(), QStringLiteral("70000"));
    bool seen = false, enabled = true, searching = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer::singleShot(0, screen.get(), [&] {
      seen = true;
      enabled = screen->isEnabled();
      searching = screen->IsSearching();
      if (QApplication::overrideCursor()) cursor = QApplication::overrideCursor()->shape();
      // A second press while the first search runs starts nothing.
      Find<QPushButton>(screen.get(), "cmdJiSuan")->click();
    });
    Search();
    QVERIFY(seen);
    QVERIFY(!enabled);
    QVERIFY(searching);
    QCOMPARE(cursor, Qt::WaitCursor);
    QVERIFY(screen->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(Texts(sinks->messages),
             (QStringList{kWindingWarning + QStringLiteral("|警告"), kNothingFound + QStringLiteral("|错误")}));
  }

  void closingTheScreenMidSearchStopsIt() {
    screen.reset();
    MDIMain main;
    main.show();
    QPointer<QWidget> opened = main.OpenChild(QStringLiteral("frmCoreChoise"),
                                              [] { return new frmCoreChoise(); });
    auto* choice = qobject_cast<frmCoreChoise*>(opened.data());
    QVERIFY(choice);
    choice->SetRepaintInterval(std::chrono::milliseconds(0));
    // Finished, this search would show the winding warning and the empty-result message.
    Find<QLineEdit>(choice, "txtDianliu")->setText(QStringLiteral("0.1"));
    Find<QLineEdit>(choice, "txtDianganliang")->setText(QStringLiteral("70000"));
    QPointer<QMdiSubWindow> sub = qobject_cast<QMdiSubWindow*>(choice->parentWidget());
    QVERIFY(sub);
    QTimer::singleShot(0, sub.data(), [sub] { sub->close(); });
    QTest::mouseClick(Find<QPushButton>(choice, "cmdJiSuan"), Qt::LeftButton);
    // The results were dropped: no list, no message, and the window goes away.
    QVERIFY(sinks->messages.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(opened.isNull());
    QVERIFY(sub.isNull());
    // Opening it again gives a fresh screen.
    QWidget* again = main.OpenChild(QStringLiteral("frmCoreChoise"),
                                    [] { return new frmCoreChoise(); });
    QVERIFY(again);
    QCOMPARE(Find<QListWidget>(again, "lstResut")->count(), 0);
  }

  void closingTheMainWindowMidSearchStopsIt() {
    screen.reset();
    auto main = std::make_unique<MDIMain>();
    main->show();
    QPointer<QWidget> opened = main->OpenChild(QStringLiteral("frmCoreChoise"),
                                               [] { return new frmCoreChoise(); });
    auto* choice = qobject_cast<frmCoreChoise*>(opened.data());
    QVERIFY(choice);
    choice->SetRepaintInterval(std::chrono::milliseconds(0));
    Find<QLineEdit>(choice, "txtDianliu")->setText(QStringLiteral("0.1"));
    Find<QLineEdit>(choice, "txtDianganliang")->setText(QStringLiteral("70000"));
    QMdiArea* area = main->mdiArea();
    QTimer::singleShot(0, main.get(), [&main] { main->close(); });
    QTest::mouseClick(Find<QPushButton>(choice, "cmdJiSuan"), Qt::LeftButton);
    QVERIFY(sinks->messages.isEmpty());
    QVERIFY(!main->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(opened.isNull());
    QVERIFY(area->subWindowList().isEmpty());
    main.reset();
  }
};

QTEST_MAIN(frmCoreChoiseTest)
#include "frmCoreChoise_test.moc"
