// The toroid calculator driven as a user drives it: typing, Tab, clicks, the scroll bar,
// the core search and "计算"; read back from what the screen shows.
#include "screens/frmDiangan.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "core-data/catalogue.h"
#include "curves_test_support.h"
#include "magnetics/evaluate_inductor.h"
#include "screens/screen_test_support.h"
#include "text/number_text.h"

namespace qiro {

using testing::Find;
using testing::Retype;

class FrmDianganTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::Sinks> sinks_;
  frmDiangan* screen_ = nullptr;

  QLineEdit* Field(const char* name) { return Find<QLineEdit>(screen_, name); }
  QComboBox* Combo(const char* name) { return Find<QComboBox>(screen_, name); }
  QListWidget* List() { return Find<QListWidget>(screen_, "lstCoreList"); }
  QScrollBar* Turns() { return Find<QScrollBar>(screen_, "hcrollTurns"); }
  QString Label(const char* name) { return Find<QLabel>(screen_, name)->text(); }
  bool Warned() { return Find<QLabel>(screen_, "labMsg")->isVisible(); }
  QString Report() { return Find<QPlainTextEdit>(screen_, "txtShow")->toPlainText(); }
  QString CoreText() { return Find<QPlainTextEdit>(screen_, "txtShowCore")->toPlainText(); }
  QStringList Listed() {
    QStringList names;
    for (int row = 0; row < List()->count(); ++row) names << List()->item(row)->text();
    return names;
  }

  // Focus as a click does, then type; the field's focus rule runs first.
  void TypeInto(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (!field->text().isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }
  // Types into a field that does not have the focus.
  void Put(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
  }
  void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  void Search(const QString& text) { TypeInto("txtSearch", text); }
  void ClickCore(const QString& partNumber) {
    const auto found = List()->findItems(partNumber, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(partNumber));
    List()->scrollToItem(found.first());
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                      List()->visualItemRect(found.first()).center());
  }
  void PickWire(const QString& size) {
    QComboBox* wire = Combo("cmbWinding");
    const int index = wire->findText(size);
    QVERIFY(index >= 0);
    wire->setCurrentIndex(index);
    emit wire->activated(index);  // what choosing the entry in the popup emits
  }
  void TypeCoreCount(const QString& text) {
    QComboBox* count = Combo("cmbCoreCount");
    count->setFocus(Qt::MouseFocusReason);
    count->lineEdit()->selectAll();
    QTest::keyClick(count, Qt::Key_Backspace);
    QTest::keyClicks(count, text);
  }
  void SetTurns(int turns) { Turns()->setSliderPosition(turns); }
  void Calculate() { QTest::mouseClick(Find<QPushButton>(screen_, "cmdJiSuan"), Qt::LeftButton); }
  QString LastMessage() {
    return sinks_->messages.isEmpty() ? QString() : sinks_->messages.last().text;
  }
  // The worked example: 10 A, 100 kHz, wire 1.0, one strand, 10 turns, KMA157060.
  void EnterWorkedExample() {
    TypeInto("txtIrms", QStringLiteral("10"));
    TypeInto("txtF", QStringLiteral("100"));
    SetTurns(10);
    Search(QStringLiteral("kma157"));
    ClickCore(QStringLiteral("KMA157060"));
  }
  void Press(const char* name) { QTest::mouseClick(Find<QPushButton>(screen_, name), Qt::LeftButton); }
  DesignCurves* OpenCurves() {
    Press("cmdCurves");
    return testing::CurvesOf(screen_);
  }
  static QString Two(double value) { return QString::fromStdString(PatternText(value, "0.00")); }
  static QString Golden(const char* name) {
    QFile file(QStringLiteral(QIRO_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    // The report's CR LF pairs are single line breaks once shown in the text box.
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

 private slots:
  void initTestCase() { InitCoreData(); }

  void init() {
    sinks_ = std::make_unique<testing::Sinks>();
    screen_ = new frmDiangan();
    screen_->show();
    QApplication::setActiveWindow(screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
  }

  void cleanup() {
    delete screen_;
    screen_ = nullptr;
    sinks_.reset();
  }

  void opensWithItsInitialContents() {
    QCOMPARE(screen_->objectName(), QStringLiteral("frmDiangan"));
    QCOMPARE(screen_->windowTitle(), QStringLiteral("环形磁芯电感计算"));
    QCOMPARE(Field("txtIrms")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtF")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtCopperPcs")->text(), QStringLiteral("1"));
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("1"));
    QCOMPARE(Turns()->value(), 1);
    QCOMPARE(Turns()->minimum(), 1);
    QCOMPARE(Turns()->maximum(), 400);
    QCOMPARE(Turns()->singleStep(), 1);
    QCOMPARE(Turns()->pageStep(), 5);
    QCOMPARE(Combo("cmbWinding")->currentText(), QStringLiteral("1.0"));
    QCOMPARE(Combo("cmbWinding")->count(), 30);
    QCOMPARE(Combo("cmbWinding")->itemText(0), QStringLiteral("3.0"));
    QCOMPARE(Combo("cmbWinding")->itemText(28), QStringLiteral("0.2"));
    QCOMPARE(Combo("cmbWinding")->itemText(29), QStringLiteral("0.1"));
    QVERIFY(!Combo("cmbWinding")->isEditable());
    QCOMPARE(Combo("cmbCoreCount")->currentText(), QStringLiteral("1"));
    QCOMPARE(Combo("cmbCoreCount")->count(), 6);
    QCOMPARE(Combo("cmbCoreCount")->itemText(5), QStringLiteral("6"));
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=0"));
    QVERIFY(!Warned());
    QVERIFY(!Find<QPushButton>(screen_, "cmdCurrentDensity")->isEnabled());
    QCOMPARE(Find<QPushButton>(screen_, "cmdCurrentDensity")->text(), QStringLiteral("＞"));
    QCOMPARE(Find<QPushButton>(screen_, "cmdJiSuan")->text(), QStringLiteral("计算"));
    QCOMPARE(Field("txtSearch")->text(), QString());
    QCOMPARE(CoreText(), QStringLiteral("请在列表中选择磁芯料号"));
    QCOMPARE(Report(), QString());
    QCOMPARE(List()->count(), 754);
    QCOMPARE(Listed().mid(0, 3),
             (QStringList{"KMA038026", "KMA038040", "KMA038060"}));
    QCOMPARE(Listed().last(), QStringLiteral("KME401125"));
    QVERIFY(List()->selectedItems().isEmpty());
    // Screen readers announce each field by its caption.
    QCOMPARE(Find<QLabel>(screen_, "Label2")->buddy(), Field("txtIrms"));
    QCOMPARE(Find<QLabel>(screen_, "labRaoxian")->buddy(), Field("txtTurns"));
    QCOMPARE(Find<QLabel>(screen_, "Label8")->buddy(), Combo("cmbCoreCount"));
  }

  void tabVisitsTheFieldsInOrder() {
    Field("txtIrms")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
      Tab();
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"txtIpeak", "txtdI", "txtF", "cmbWinding", "txtCopperPcs",
                                   "txtTurns", "hcrollTurns", "cmbCoreCount", "cmdJiSuan",
                                   "txtSearch", "lstCoreList", "txtShowCore"}));
  }

  void typingTheAverageCurrentFillsPeakRippleAndDensity() {
    TypeInto("txtIrms", QStringLiteral("10"));
    QCOMPARE(Field("txtIrms")->text(), QStringLiteral("10"));
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("14.14"));
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("2.828"));
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=12.73"));
    // Nothing to report yet: no core is picked, and no message is ever shown silently.
    QCOMPARE(Report(), QString());
    QVERIFY(sinks_->messages.isEmpty());
  }

  void placeholderZerosClearOnEntryAndComeBackOnLeaving() {
    Field("txtSearch")->setFocus(Qt::MouseFocusReason);
    Field("txtIrms")->setFocus(Qt::TabFocusReason);
    QCOMPARE(Field("txtIrms")->text(), QString());
    Tab();  // into txtIpeak: "0" cleared; back to "0" on leaving with two zero currents
    QCOMPARE(Field("txtIrms")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtIpeak")->text(), QString());
    Tab();
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtdI")->text(), QString());
    Tab();
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("0"));
    QCOMPARE(Field("txtF")->text(), QString());
    QTest::keyClicks(Field("txtF"), QStringLiteral(".."));  // reads as 0
    Tab();
    QCOMPARE(Field("txtF")->text(), QStringLiteral("0"));
    // A ripple that reads as 0 ("0.0") is also cleared on entry and recomputed on leaving.
    TypeInto("txtIrms", QStringLiteral("10"));
    Retype(Field("txtdI"), QStringLiteral("0.0"));
    Tab();
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("2.828"));
    Field("txtdI")->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("2.828"));
  }

  void rippleShortcutsAndDoubleClicks() {
    TypeInto("txtIrms", QStringLiteral("10"));
    QLineEdit* ripple = Field("txtdI");
    ripple->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(ripple, Qt::Key_Space);
    QCOMPARE(ripple->text(), QStringLiteral("2.121"));
    QTest::keyClick(ripple, Qt::Key_Return);
    QCOMPARE(ripple->text(), QStringLiteral("1.414"));
    QTest::mouseDClick(ripple, Qt::LeftButton);
    QCOMPARE(ripple->text(), QStringLiteral("2.828"));
    // The peak's double-click recomputes it from the average.
    Retype(Field("txtIpeak"), QStringLiteral("20"));
    QCOMPARE(ripple->text(), QStringLiteral("4"));
    QTest::mouseDClick(Field("txtIpeak"), Qt::LeftButton);
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("14.14"));
    QCOMPARE(ripple->text(), QStringLiteral("2.828"));
  }

  void peakCannotBeLeftAtOrBelowTheAverage() {
    TypeInto("txtIrms", QStringLiteral("10"));
    TypeInto("txtIpeak", QStringLiteral("5"));
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("1"));
    Tab();
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("14.14"));
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("2.828"));
    TypeInto("txtIpeak", QStringLiteral("10"));  // equal is not enough either
    Tab();
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("14.14"));
    TypeInto("txtIpeak", QString());
    Tab();
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("14.14"));
    TypeInto("txtIpeak", QStringLiteral("16"));  // above the average: kept
    Tab();
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("16"));
    QCOMPARE(Field("txtdI")->text(), QStringLiteral("3.2"));
  }

  void leavingTheScreenRewritesNothing() {
    TypeInto("txtIrms", QStringLiteral("10"));
    TypeInto("txtIpeak", QStringLiteral("5"));
    // Another window takes over (a message box, a menu, another screen).
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("5"));
    QApplication::setActiveWindow(screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("5"));
  }

  void keysThatFieldsRefuse() {
    TypeInto("txtIrms", QStringLiteral("1a-,2 "));
    QCOMPARE(Field("txtIrms")->text(), QStringLiteral("12"));
    TypeInto("txtCopperPcs", QStringLiteral("2.5x"));
    QCOMPARE(Field("txtCopperPcs")->text(), QStringLiteral("25"));
    TypeInto("txtF", QStringLiteral("1.2.3"));  // points pass; the reading stops at the second
    QCOMPARE(Field("txtF")->text(), QStringLiteral("1.2.3"));
    // The turns and the wire take no keys at all.
    Field("txtTurns")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Field("txtTurns"), QStringLiteral("0.3"));
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("1"));
    Combo("cmbWinding")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Combo("cmbWinding"), QStringLiteral("02"));
    QCOMPARE(Combo("cmbWinding")->currentText(), QStringLiteral("1.0"));
    Combo("cmbCoreCount")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Combo("cmbCoreCount"), Qt::Key_A);
    QCOMPARE(Combo("cmbCoreCount")->currentText(), QStringLiteral("1"));
    // Letters are every key the search needs.
    TypeInto("txtSearch", QStringLiteral("kMc-l"));
    QCOMPARE(Field("txtSearch")->text(), QStringLiteral("kMc-l"));
  }

  void pastedTextIsReadByItsLeadingNumber() {
    QClipboard* clipboard = QApplication::clipboard();
    const struct {
      const char* pasted;
      const char* peak;
    } cases[] = {{"12.5.3", "17.675"}, {"3abc", "4.242"}, {"1,5", "1.414"},
                 {"１０", "0"},       {"2e1", "28.28"},  {"abc", "0"}};
    for (const auto& c : cases) {
      clipboard->setText(QString::fromUtf8(c.pasted));
      QLineEdit* average = Field("txtIrms");
      average->setFocus(Qt::MouseFocusReason);
      average->selectAll();
      QTest::keyClick(average, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(average->text(), QString::fromUtf8(c.pasted));
      QCOMPARE(Field("txtIpeak")->text(), QString::fromLatin1(c.peak));
    }
    // Nothing can be pasted into the turns.
    clipboard->setText(QStringLiteral("0.3"));
    Field("txtTurns")->setFocus(Qt::MouseFocusReason);
    Field("txtTurns")->selectAll();
    QTest::keyClick(Field("txtTurns"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("1"));
  }

  void strandsAndCurrentDensity() {
    TypeInto("txtIrms", QStringLiteral("10"));
    TypeInto("txtCopperPcs", QStringLiteral("2"));
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=6.37"));
    TypeInto("txtCopperPcs", QString());
    QCOMPARE(Field("txtCopperPcs")->text(), QString());
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=6.37"));
    QTest::keyClicks(Field("txtCopperPcs"), QStringLiteral("0"));
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=0.00"));
    Tab();
    QCOMPARE(Field("txtCopperPcs")->text(), QStringLiteral("1"));
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=12.73"));
    PickWire(QStringLiteral("2.0"));
    QCOMPARE(Label("labCurrentDensity"), QStringLiteral("电流密度=3.18"));
  }

  void scrollBarSetsTheTurns() {
    SetTurns(37);
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("37"));
    Turns()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("42"));
    Turns()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Turns(), Qt::Key_Left);  // fewer turns to the left, as drawn
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("41"));
    QTest::keyClick(Turns(), Qt::Key_Right);
    QTest::keyClick(Turns(), Qt::Key_Right);
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("43"));
    SetTurns(1);
    Turns()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("1"));
    SetTurns(400);
    Turns()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("400"));
    Field("txtTurns")->setFocus(Qt::MouseFocusReason);
    Tab();
    QCOMPARE(Field("txtTurns")->text(), QStringLiteral("400"));
  }

  void searchingTheCoreList() {
    Search(QStringLiteral("kma157"));
    QCOMPARE(Listed(), (QStringList{"KMA157026", "KMA157040", "KMA157060", "KMA157075",
                                    "KMA157090", "KMA157060C"}));
    Search(QStringLiteral("157"));
    QCOMPARE(List()->count(), 26);
    Search(QStringLiteral("-L"));
    QCOMPARE(List()->count(), 29);
    QVERIFY(Listed().first().endsWith(QLatin1String("-L")));
    Search(QStringLiteral("   "));
    QCOMPARE(List()->count(), 754);
    Search(QString());
    QCOMPARE(List()->count(), 754);
  }

  void pickingACoreShowsItsData() {
    Search(QStringLiteral("kma157"));
    ClickCore(QStringLiteral("KMA157060"));
    QCOMPARE(CoreText(), QStringLiteral("磁芯料号：KMA157060\n"
                                        "涂层前尺寸：外径×内径×高度=39.88×24.13×14.48 mm\n"
                                        "涂层后尺寸：外径×内径×高度=40.7×23.3×15.37 mm\n"
                                        "电感系数：81 nH \n"
                                        "有效磁路长度：9.840 cm\n"
                                        "磁芯截面积：1.072 cm×cm\n"
                                        "磁芯体积：10.5485 CC"));
    // Arrow keys pick too.
    QTest::keyClick(List(), Qt::Key_Down);
    QVERIFY(CoreText().startsWith(QStringLiteral("磁芯料号：KMA157075\n")));
    // A search that finds nothing empties the list but keeps what is shown.
    const QString shown = CoreText();
    Search(QStringLiteral("xyz"));
    QCOMPARE(List()->count(), 0);
    QCOMPARE(CoreText(), shown);
  }

  void tabbingIntoTheListPicksNothing() {
    Field("txtSearch")->setFocus(Qt::TabFocusReason);
    Tab();
    QCOMPARE(QApplication::focusWidget(), List());
    QVERIFY(List()->selectedItems().isEmpty());
    QCOMPARE(CoreText(), QStringLiteral("请在列表中选择磁芯料号"));
    QCOMPARE(Report(), QString());
  }

  void fullReportMatchesTheGoldenFile() {
    EnterWorkedExample();
    const QString golden = Golden("toroid_report_KMA157060.txt");
    QVERIFY(!golden.isEmpty());
    QCOMPARE(Report().toUtf8(), golden.toUtf8());
    QCOMPARE(Report().count(QLatin1Char('\n')), 17);
    QVERIFY(!Warned());
    QVERIFY(sinks_->messages.isEmpty());
    // "计算" with the same inputs writes the same report and says nothing.
    Calculate();
    QCOMPARE(Report().toUtf8(), golden.toUtf8());
    QVERIFY(sinks_->messages.isEmpty());
  }

  void reportFollowsEachChange() {
    EnterWorkedExample();
    SetTurns(20);
    QVERIFY(Report().contains(QStringLiteral("L@0A：32.4μH\n")));
    TypeInto("txtCopperPcs", QStringLiteral("3"));
    QVERIFY(Report().contains(QStringLiteral("铜线线径：1mm×3Pcs\n")));
    PickWire(QStringLiteral("0.5"));
    QVERIFY(Report().contains(QStringLiteral("铜线线径：0.5mm×3Pcs\n")));
    // A typed core count waits for the next refresh.
    TypeCoreCount(QStringLiteral("2"));
    QVERIFY(Report().contains(QStringLiteral("磁芯个数：1\n")));
    Calculate();
    QVERIFY(Report().contains(QStringLiteral("磁芯个数：2\n")));
    QVERIFY(Report().contains(QStringLiteral("L@0A：64.8μH\n")));
    // Choosing a count from the list refreshes at once.
    QComboBox* cores = Combo("cmbCoreCount");
    cores->setCurrentIndex(2);
    emit cores->activated(2);
    QVERIFY(Report().contains(QStringLiteral("磁芯个数：3\n")));
  }

  void countsBelowOneBecomeOne() {
    EnterWorkedExample();
    TypeCoreCount(QStringLiteral("0"));
    TypeInto("txtCopperPcs", QString());  // an emptied field triggers nothing …
    QCOMPARE(Field("txtCopperPcs")->text(), QString());
    QCOMPARE(Combo("cmbCoreCount")->currentText(), QStringLiteral("0"));
    SetTurns(10 + 1);  // … until the next refresh, here from the scroll bar
    QCOMPARE(Field("txtCopperPcs")->text(), QStringLiteral("1"));
    QCOMPARE(Combo("cmbCoreCount")->currentText(), QStringLiteral("1"));
    QVERIFY(Report().contains(QStringLiteral("铜线线径：1mm×1Pcs\n")));
    QVERIFY(Report().contains(QStringLiteral("磁芯个数：1\n")));
    QVERIFY(Report().contains(QStringLiteral("L@0A：9.801μH\n")));  // 11² × 81 nH
    QCOMPARE(QApplication::focusWidget(), Field("txtCopperPcs"));
    QVERIFY(sinks_->messages.isEmpty());
  }

  void windingWarning() {
    EnterWorkedExample();
    // 3.0 mm × 10 strands × 10 turns fills 165 % of KMA157060's window (4.27 cm²).
    PickWire(QStringLiteral("3.0"));
    TypeInto("txtCopperPcs", QStringLiteral("10"));
    QVERIFY(Warned());
    QCOMPARE(Label("labMsg"), QStringLiteral("注意：绕线困难！"));
    // 3 turns fill 49.6 %, 2 turns 33.1 %.
    SetTurns(3);
    QVERIFY(Warned());
    SetTurns(2);
    QVERIFY(!Warned());
    SetTurns(3);
    QVERIFY(Warned());
    // A refused input hides the warning and keeps the report.
    const QString report = Report();
    TypeInto("txtF", QString());
    QVERIFY(!Warned());
    QCOMPARE(Report(), report);
    QVERIFY(sinks_->messages.isEmpty());
  }

  void lossOutsideTheModelIsNamed() {
    TypeInto("txtIrms", QStringLiteral("10"));
    TypeInto("txtF", QStringLiteral("350"));
    SetTurns(10);
    Search(QStringLiteral("KME157060"));
    ClickCore(QStringLiteral("KME157060"));
    const QStringList lines = Report().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines[14], QStringLiteral("磁损：超出损耗模型范围"));
    QCOMPARE(lines[16], QStringLiteral("总损耗：超出损耗模型范围"));
    QVERIFY(!Report().contains(QLatin1Char('-')));
  }

  void calculateNamesTheFirstMissingInput_data() {
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("peak");
    QTest::addColumn<QString>("ripple");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("strands");
    QTest::addColumn<bool>("coreListed");
    QTest::addColumn<QString>("message");
    const QString huge = QStringLiteral("1") + QString(39, QLatin1Char('0'));  // 1E+39
    const QString big = QStringLiteral("1") + QString(38, QLatin1Char('0'));   // 1E+38
    const QString bigger = QStringLiteral("2") + QString(38, QLatin1Char('0'));
    QTest::newRow("everything empty") << "" << "" << "" << "" << "" << false
                                      << "请输入“平均”电流！单位为安培";
    QTest::newRow("no peak") << "10" << "0" << "0" << "100" << "1" << true
                             << "请输入“峰值”电流！单位为安培";
    QTest::newRow("no ripple") << "10" << "14" << "0" << "100" << "1" << true
                               << "请输入“纹波”电流！单位为安培";
    QTest::newRow("no frequency") << "10" << "14" << "2" << "" << "1" << true
                                  << "请输入“频率”，注意单位为千赫兹！";
    QTest::newRow("frequency of points") << "10" << "14" << "2" << "..5" << "1" << true
                                         << "请输入“频率”，注意单位为千赫兹！";
    QTest::newRow("no core") << "10" << "14" << "2" << "100" << "1" << false
                             << "没有选择任何磁芯，请从列表中选择需要的磁芯！";
    QTest::newRow("40000 strands") << "10" << "14" << "2" << "100" << "40000" << true
                                   << "铜线根数超出范围！最多为32767根";
    QTest::newRow("average beyond float") << huge << "14" << "2" << "100" << "1" << true
                                          << "平均电流超出数值范围！";
    QTest::newRow("peak beyond float") << "10" << huge << "2" << "100" << "1" << true
                                       << "峰值电流超出数值范围！";
    QTest::newRow("ripple beyond float") << "10" << "14" << huge << "100" << "1" << true
                                         << "纹波电流超出数值范围！";
    QTest::newRow("ripple stored as 0") << "10" << "14" << QStringLiteral("0.") + QString(50, QLatin1Char('0')) + "1" << "100" << "1" << true
                                        << "纹波电流超出数值范围！";
    QTest::newRow("frequency beyond float") << "10" << "14" << "2" << huge << "1" << true
                                            << "频率超出数值范围！";
    QTest::newRow("design beyond float") << big << bigger << "1" << "100" << "1" << true
                                         << "计算结果超出数值范围！请检查输入的数值";
  }

  // Texts put into the fields with keys while the focus stays in the search field, so no
  // focus rule mends them before "计算".
  void calculateNamesTheFirstMissingInput() {
    QFETCH(QString, average);
    QFETCH(QString, peak);
    QFETCH(QString, ripple);
    QFETCH(QString, frequency);
    QFETCH(QString, strands);
    QFETCH(bool, coreListed);
    QFETCH(QString, message);
    EnterWorkedExample();
    Search(coreListed ? QStringLiteral("kma157") : QStringLiteral("xyz"));
    if (coreListed) ClickCore(QStringLiteral("KMA157060"));
    Field("txtSearch")->setFocus(Qt::MouseFocusReason);
    Put("txtIrms", average);
    Put("txtIpeak", peak);
    Put("txtdI", ripple);
    Put("txtF", frequency);
    Put("txtCopperPcs", strands);
    QVERIFY(sinks_->messages.isEmpty());  // refreshes stay silent
    // What the last valid keystroke showed stays; the refused input never reaches it.
    const QString report = Report();
    QVERIFY(!report.isEmpty());
    for (const char* refused : {"E+39", "E+38", "40000", "1.#", "inf", "nan"}) {
      QVERIFY2(!report.contains(QLatin1String(refused), Qt::CaseInsensitive), refused);
    }
    QVERIFY(!Warned());
    Calculate();
    QCOMPARE(sinks_->messages.size(), 1);
    QCOMPARE(LastMessage(), message);
    QCOMPARE(sinks_->messages.last().title, QStringLiteral("错误提示(QIRO Magnetic)"));
    QCOMPARE(sinks_->messages.last().icon, QMessageBox::Information);
    QCOMPARE(Report(), report);
    QVERIFY(!Label("labCurrentDensity").contains(QLatin1String("inf")));
  }

  void calculateWithoutTurnsOrCoreOnAFreshScreen() {
    Calculate();
    QCOMPARE(LastMessage(), QStringLiteral("请输入“平均”电流！单位为安培"));
    TypeInto("txtIrms", QStringLiteral("10"));
    TypeInto("txtF", QStringLiteral("100"));
    Calculate();
    QCOMPARE(LastMessage(), QStringLiteral("没有选择任何磁芯，请从列表中选择需要的磁芯！"));
    QCOMPARE(sinks_->messages.size(), 2);
    QCOMPARE(Report(), QString());
  }

  void pastedStrandOverflowIsRefusedNotWrapped() {
    EnterWorkedExample();
    const QString report = Report();
    QApplication::clipboard()->setText(QStringLiteral("99999"));
    QLineEdit* strands = Field("txtCopperPcs");
    strands->setFocus(Qt::MouseFocusReason);
    strands->selectAll();
    QTest::keyClick(strands, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(strands->text(), QStringLiteral("99999"));
    QCOMPARE(Report(), report);
    QVERIFY(sinks_->messages.isEmpty());
    Calculate();
    QCOMPARE(LastMessage(), QStringLiteral("铜线根数超出范围！最多为32767根"));
    // The largest count that fits is evaluated.
    TypeInto("txtCopperPcs", QStringLiteral("32767"));
    QVERIFY(Report().contains(QStringLiteral("×32767Pcs\n")));
  }

  void hugeAverageNeverShowsInf() {
    TypeInto("txtIrms", QStringLiteral("10"));
    QTest::keyClicks(Field("txtIrms"), QString(40, QLatin1Char('0')));
    QCOMPARE(Field("txtIpeak")->text(), QStringLiteral("1.414E+41"));
    for (const char* name : {"txtIpeak", "txtdI"}) {
      QVERIFY2(!Field(name)->text().contains(QLatin1String("inf"), Qt::CaseInsensitive), name);
    }
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QString(400, QLatin1Char('9')));
    Field("txtIrms")->selectAll();
    QTest::keyClick(Field("txtIrms"), Qt::Key_V, Qt::ControlModifier);
    for (const char* name : {"txtIpeak", "txtdI"}) {
      QVERIFY2(!Field(name)->text().contains(QLatin1String("inf"), Qt::CaseInsensitive), name);
    }
    QVERIFY(!Label("labCurrentDensity").contains(QLatin1String("inf")));
  }

  // As the main window holds it: closing the window while a field is being edited runs
  // no focus rule on half-destroyed widgets.
  void closingInsideTheMainWindowWhileEditing() {
    QMdiArea area;
    auto* hosted = new frmDiangan();
    hosted->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = area.addSubWindow(hosted);
    window->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    QApplication::setActiveWindow(&area);
    QVERIFY(QTest::qWaitForWindowActive(&area));
    QPointer<frmDiangan> alive = hosted;
    auto* average = hosted->findChild<QLineEdit*>(QStringLiteral("txtIrms"));
    auto* peak = hosted->findChild<QLineEdit*>(QStringLiteral("txtIpeak"));
    average->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(average, QStringLiteral("10"));
    auto* list = hosted->findChild<QListWidget*>(QStringLiteral("lstCoreList"));
    list->setCurrentRow(5);
    QVERIFY(!list->selectedItems().isEmpty());
    peak->setFocus(Qt::MouseFocusReason);
    peak->selectAll();
    QTest::keyClicks(peak, QStringLiteral("5"));
    QVERIFY(window->close());
    QTRY_VERIFY(alive.isNull());
    QVERIFY(sinks_->messages.isEmpty());
  }

  // ---- Curves and copying the report --------------------------------------------------

  void curvesShowTheReportedDesign() {
    EnterWorkedExample();
    DesignCurves* curves = OpenCurves();
    QVERIFY(curves && curves->isVisible() && curves->isWindow());
    QCOMPARE(curves->windowTitle(), QStringLiteral("设计曲线 - KMA157060"));
    QCOMPARE(testing::WindowNote(curves), QString());
    // The markers are the report's: L@0A：8.1μH, L@10.00A：7.93μH, L@14.14A：7.87μH.
    const QPointF zero = testing::PointsOf(curves, "chartInductance", "seriesInductanceZero").value(0);
    const QPointF average = testing::PointsOf(curves, "chartInductance", "seriesInductanceAverage").value(0);
    const QPointF peak = testing::PointsOf(curves, "chartInductance", "seriesInductancePeak").value(0);
    QCOMPARE(zero, QPointF(0, static_cast<double>(8.1f)));
    QCOMPARE(average.x(), 10.0);
    QCOMPARE(Two(average.y()), QStringLiteral("7.93"));
    QCOMPARE(peak.x(), static_cast<double>(14.14f));
    QCOMPARE(Two(peak.y()), QStringLiteral("7.87"));
    // Each point of the curve is the design evaluated at that current.
    const CoreRecord core = FindCoreByPartNumber("KMA157060");
    const QList<QPointF> points = testing::PointsOf(curves, "chartInductance", "seriesInductance");
    QVERIFY(points.size() > 100);
    for (const qsizetype i : {qsizetype{0}, qsizetype{40}, points.size() - 1}) {
      const auto e = EvaluateInductor(core, core, 1, 0, 100, static_cast<float>(points[i].x()),
                                      14.14f, 2.828f, 1.0f, 1, 10);
      QVERIFY(e.ok());
      QCOMPARE(points[i].y(), static_cast<double>(e->InductanceAtAverage));
    }
    QCOMPARE(points.last().x(), static_cast<double>(2 * 14.14f));
    // The loss chart passes through the report's "磁损：0.3903546 W".
    QCOMPARE(testing::ChartNote(curves, "stkLoss"), QString());
    QVERIFY(testing::LabelText(curves, "labLossPoints").endsWith(QStringLiteral("磁损 0.3903546W")));
  }

  void curvesFollowEachChange() {
    EnterWorkedExample();
    DesignCurves* curves = OpenCurves();
    QApplication::setActiveWindow(screen_);
    TypeInto("txtIrms", QStringLiteral("5"));  // peak 7.07, ripple 1.414
    QCOMPARE(testing::PointsOf(curves, "chartInductance", "seriesInductanceAverage").value(0).x(), 5.0);
    QCOMPARE(testing::PointsOf(curves, "chartInductance", "seriesInductancePeak").value(0).x(),
             static_cast<double>(7.07f));
    SetTurns(20);
    QVERIFY(testing::LabelText(curves, "labInductancePoints").startsWith(QStringLiteral("L@0A：32.4μH；")));
    Search(QStringLiteral("kmc157"));
    ClickCore(QStringLiteral("KMC157060"));
    QCOMPARE(curves->windowTitle(), QStringLiteral("设计曲线 - KMC157060"));
    QCOMPARE(testing::SeriesIn(curves, "chartPermeability", "seriesPermeability")->name(),
             QStringLiteral("KMC μ60"));
    // Inputs that cannot be evaluated give a note; the charts come back with the input.
    TypeInto("txtF", QString());
    QCOMPARE(testing::WindowNote(curves),
             QStringLiteral("当前输入无法计算：请输入“频率”，注意单位为千赫兹！"));
    TypeInto("txtF", QStringLiteral("100"));
    QCOMPARE(testing::WindowNote(curves), QString());
    QVERIFY(sinks_->messages.isEmpty());
  }

  void curvesBeforeAnyDesignShowANote() {
    DesignCurves* curves = OpenCurves();
    QVERIFY(testing::WindowNote(curves).startsWith(QStringLiteral("尚未计算任何设计")));
    QApplication::setActiveWindow(screen_);
    EnterWorkedExample();
    QCOMPARE(testing::WindowNote(curves), QString());
    QCOMPARE(curves->windowTitle(), QStringLiteral("设计曲线 - KMA157060"));
  }

  void oneCurvesWindowWhichGoesWithTheScreen() {
    EnterWorkedExample();
    OpenCurves();
    OpenCurves();
    QCOMPARE(screen_->findChildren<DesignCurves*>().size(), 1);
    QPointer<DesignCurves> curves(testing::CurvesOf(screen_));
    QVERIFY(curves->close());
    QTRY_VERIFY(curves.isNull());
    // Opened again, it shows the design as it is now.
    SetTurns(20);
    QPointer<DesignCurves> again(OpenCurves());
    QVERIFY(testing::LabelText(again, "labInductancePoints").startsWith(QStringLiteral("L@0A：32.4μH；")));
    delete screen_;
    screen_ = nullptr;
    QVERIFY(again.isNull());
  }

  void copyButtonPutsTheReportOnTheClipboard() {
    QPushButton* copy = Find<QPushButton>(screen_, "cmdCopyReport");
    QCOMPARE(copy->text(), QStringLiteral("复制报告"));
    QCOMPARE(Find<QPushButton>(screen_, "cmdCurves")->text(), QStringLiteral("曲线"));
    QVERIFY(!copy->isEnabled());  // nothing to copy yet
    EnterWorkedExample();
    QVERIFY(copy->isEnabled());
    QApplication::clipboard()->clear();
    QTest::mouseClick(copy, Qt::LeftButton);
    // The report exactly, with this desktop's line breaks.
    QCOMPARE(testing::Clipboard().toUtf8(), Golden("toroid_report_KMA157060.txt").toUtf8());
    QVERIFY(!testing::Clipboard().contains(QLatin1Char('\r')));
  }

  void ctrlCAndTheContextMenuCopyTheReport() {
    auto* report = Find<QPlainTextEdit>(screen_, "txtShow");
    QApplication::clipboard()->setText(QStringLiteral("before"));
    // Nothing to copy yet: the entry is unavailable and Ctrl+C leaves the clipboard alone.
    QVERIFY(!testing::CopyThroughContextMenu(report));
    report->setFocus();
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(testing::Clipboard(), QStringLiteral("before"));

    EnterWorkedExample();
    const QString golden = Golden("toroid_report_KMA157060.txt");
    report->setFocus();
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(testing::Clipboard(), golden);
    QApplication::clipboard()->clear();
    QVERIFY(testing::CopyThroughContextMenu(report));
    QCOMPARE(testing::Clipboard(), golden);
    // With a selection, Ctrl+C copies just that, as in any text.
    QTextCursor cursor = report->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    report->setTextCursor(cursor);
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(testing::Clipboard(), QStringLiteral("磁芯型号：KMA157060"));
    // What the user types into the report field stays theirs; the report is what is copied.
    QVERIFY(!report->document()->isModified());
    report->moveCursor(QTextCursor::End);
    QTest::keyClicks(report, QStringLiteral("note"));
    QVERIFY(report->document()->isModified());  // the monkey test tells typed text by this
    Press("cmdCopyReport");
    QCOMPARE(testing::Clipboard(), golden);
    SetTurns(20);
    QVERIFY(!report->document()->isModified());
  }

  void currentDensityButtonCannotBePressed() {
    QPushButton* button = Find<QPushButton>(screen_, "cmdCurrentDensity");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(screen_->findChildren<QDialog*>().isEmpty());
  }
};

}  // namespace qiro

QTEST_MAIN(qiro::FrmDianganTest)
#include "frmDiangan_test.moc"
