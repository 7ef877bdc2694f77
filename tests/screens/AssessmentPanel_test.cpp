// The "设计评估" panel as a user meets it on the toroid calculator and the selection details:
// it follows the report, takes an ambient temperature, says why it cannot assess, and never
// shows junk.
#include "workbench/AssessmentPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core-data/catalogue.h"
#include "design/analysis/assessment_text.h"
#include "design/analysis/design_assessment.h"
#include "magnetics/evaluate_inductor.h"
#include "screens/frmCoreChoise.h"
#include "screens/frmDiangan.h"
#include "screens/monkey.h"
#include "screens/screen_test_support.h"

using namespace qiro;
using qiro::testing::Find;
using qiro::testing::Retype;

namespace {

QStringList Expected(const InductorEvaluation& e, double ambient, bool withoutRipple) {
  const auto a = AssessDesign(e, ambient);
  QStringList lines;
  if (!a) return lines;
  for (const AssessmentLine& line : AssessmentText(*a, withoutRipple)) {
    lines << QString::fromStdString(line.Text);
  }
  return lines;
}

InductorEvaluation Worked(std::int16_t turns) {
  const CoreRecord core = FindCoreByPartNumber("KMA157060");
  return *EvaluateInductor(core, core, 1, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, turns);
}

}  // namespace

class AssessmentPanelTest : public QObject {
  Q_OBJECT

  QWidget* screen_ = nullptr;
  std::unique_ptr<testing::Sinks> sinks_;

  AssessmentPanel* Panel() { return Find<AssessmentPanel>(screen_, "fraAssessment"); }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(screen_, name); }
  QListWidget* List(const char* name) { return Find<QListWidget>(screen_, name); }
  void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }
  void PickCore(const QString& partNumber) {
    Retype(Field("txtSearch"), partNumber);
    const auto found = List("lstCoreList")->findItems(partNumber, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    ClickRow(List("lstCoreList"), List("lstCoreList")->row(found.first()));
  }
  void SetTurns(int turns) { Find<QScrollBar>(screen_, "hcrollTurns")->setValue(turns); }
  void EnterWorkedDesign() {
    Retype(Field("txtIrms"), QStringLiteral("10"));
    Retype(Field("txtF"), QStringLiteral("100"));
    SetTurns(37);
    PickCore(QStringLiteral("KMA157060"));
  }

 private slots:
  void initTestCase() { InitCoreData(); }
  void init() {
    sinks_ = std::make_unique<testing::Sinks>();
    screen_ = new frmDiangan;
    screen_->show();
  }
  void cleanup() {
    delete screen_;
    sinks_.reset();
  }

  void waitsForADesign() {
    QCOMPARE(Panel()->title(), QStringLiteral("设计评估"));
    QCOMPARE(Panel()->Lines(), QStringList{QStringLiteral("尚无设计可评估")});
    QCOMPARE(Field("txtAmbient")->text(), QStringLiteral("25"));
  }

  // The worked design of the README at 37 turns: the report alone would let it pass.
  void followsTheReport() {
    EnterWorkedDesign();
    const QStringList lines = Panel()->Lines();
    QCOMPARE(lines, Expected(Worked(37), 25, false));
    QVERIFY(lines.contains(QStringLiteral("绕组层数：1层")));
    QVERIFY(lines.contains(QStringLiteral("散热面积：52.3 cm²")));
    QVERIFY(lines.contains(QStringLiteral("Dowell系数：3.35")));
    QVERIFY(lines.contains(QStringLiteral("温升：90.3 °C（过高）")));
    QVERIFY(lines.contains(QStringLiteral("峰值电感保持率：85.4 %（正常）")));
    // Another turn count: the panel follows every refresh.
    SetTurns(20);
    QCOMPARE(Panel()->Lines(), Expected(Worked(20), 25, false));
  }

  void ambientTemperatureChangesTheRise() {
    EnterWorkedDesign();
    Retype(Field("txtAmbient"), QStringLiteral("40"));
    QCOMPARE(Panel()->AmbientTemperature(), 40.0);
    QCOMPARE(Panel()->Lines(), Expected(Worked(37), 40, false));
    // Texts that are not an ambient it can use are refused silently: the last one stays.
    for (const char* refused : {"", ".", "201", "1e39", "abc"}) {
      Field("txtAmbient")->setText(QString::fromLatin1(refused));
      QCOMPARE(Panel()->AmbientTemperature(), 40.0);
      QCOMPARE(Panel()->Lines(), Expected(Worked(37), 40, false));
    }
    Field("txtAmbient")->setText(QStringLiteral("-60"));
    QCOMPARE(Panel()->AmbientTemperature(), -60.0);
    QVERIFY(sinks_->messages.isEmpty());
  }

  // A cold-climate ambient is typed with its minus sign, which only leads the number.
  void takesOneLeadingMinus() {
    EnterWorkedDesign();
    QLineEdit* ambient = Field("txtAmbient");
    Retype(ambient, QStringLiteral("-40"));
    QCOMPARE(ambient->text(), QStringLiteral("-40"));
    QCOMPARE(Panel()->AmbientTemperature(), -40.0);
    QCOMPARE(Panel()->Lines(), Expected(Worked(37), -40, false));
    // A second minus, in front or behind, goes nowhere.
    QTest::keyClick(ambient, Qt::Key_Home);
    QTest::keyClick(ambient, Qt::Key_Minus);
    QTest::keyClick(ambient, Qt::Key_End);
    QTest::keyClick(ambient, Qt::Key_Minus);
    QCOMPARE(ambient->text(), QStringLiteral("-40"));
    // Typed over a selection that starts at the front, it replaces the old sign.
    ambient->setSelection(0, 2);
    QTest::keyClicks(ambient, QStringLiteral("-2"));
    QCOMPARE(ambient->text(), QStringLiteral("-20"));
    QCOMPARE(Panel()->AmbientTemperature(), -20.0);
    // Inside the number it is refused: "4-0" arrives as 40.
    Retype(ambient, QStringLiteral("4-0"));
    QCOMPARE(ambient->text(), QStringLiteral("40"));
    QCOMPARE(Panel()->AmbientTemperature(), 40.0);
    // A selection that does not start at the front takes no minus either.
    ambient->setSelection(1, 1);
    QTest::keyClick(ambient, Qt::Key_Minus);
    QCOMPARE(ambient->text(), QStringLiteral("40"));
    // In front of the number, the number turns negative; nothing else beyond digits and ".".
    QTest::keyClick(ambient, Qt::Key_Home);
    QTest::keyClicks(ambient, QStringLiteral("-+e,"));
    QCOMPARE(ambient->text(), QStringLiteral("-40"));
    QCOMPARE(Panel()->AmbientTemperature(), -40.0);
    QVERIFY(sinks_->messages.isEmpty());
  }

  // Outside −60…200 °C the typed ambient is refused as every unusable text is: silently,
  // the panel keeping the last one it could use.
  void refusesAmbientsOutsideTheRangeSilently() {
    EnterWorkedDesign();
    QLineEdit* ambient = Field("txtAmbient");
    Retype(ambient, QStringLiteral("-61"));
    QCOMPARE(ambient->text(), QStringLiteral("-61"));
    QCOMPARE(Panel()->AmbientTemperature(), -6.0);
    QCOMPARE(Panel()->Lines(), Expected(Worked(37), -6, false));
    Retype(ambient, QStringLiteral("-60"));
    QCOMPARE(Panel()->AmbientTemperature(), -60.0);
    QCOMPARE(Panel()->Lines(), Expected(Worked(37), -60, false));
    Retype(ambient, QStringLiteral("-60.5"));
    QCOMPARE(Panel()->AmbientTemperature(), -60.0);
    Retype(ambient, QStringLiteral("201"));
    QCOMPARE(Panel()->AmbientTemperature(), 20.0);
    QCOMPARE(Panel()->Lines(), Expected(Worked(37), 20, false));
    Retype(ambient, QStringLiteral("200"));
    QCOMPARE(Panel()->AmbientTemperature(), 200.0);
    QVERIFY(sinks_->messages.isEmpty());
  }

  // An overloaded design would climb past 500 °C: the panel names the runaway instead of a
  // temperature of thousands of degrees.
  void namesTheThermalRunaway() {
    EnterWorkedDesign();
    Retype(Field("txtIrms"), QStringLiteral("40"));
    QCOMPARE(Panel()->Lines(), QStringList{QStringLiteral("无法评估：绕组温度将超过500 °C，无稳定温度")});
    // Longer than the column is wide, the note wraps within the panel instead of being cut.
    QCoreApplication::processEvents();
    for (QLabel* label : Panel()->findChildren<QLabel*>()) {
      if (label->isHidden() || label->buddy()) continue;
      const int needed = label->fontMetrics().horizontalAdvance(label->text());
      QVERIFY2(label->wordWrap() || needed <= label->contentsRect().width(), qPrintable(label->text()));
      QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
    }
    // A load that settles at room temperature runs away in a hot enclosure.
    Retype(Field("txtIrms"), QStringLiteral("20"));
    const QStringList settled = Panel()->Lines();
    QVERIFY(settled.size() > 1);
    Retype(Field("txtAmbient"), QStringLiteral("200"));
    QCOMPARE(Panel()->Lines(), QStringList{QStringLiteral("无法评估：绕组温度将超过500 °C，无稳定温度")});
    Retype(Field("txtAmbient"), QStringLiteral("25"));
    QCOMPARE(Panel()->Lines(), settled);
    QVERIFY(sinks_->messages.isEmpty());
  }

  void saysWhyItCannotAssess() {
    EnterWorkedDesign();
    // 381 turns of 1 mm wire do not fit the hole of a KMA157060.
    SetTurns(381);
    QCOMPARE(Panel()->Lines(), QStringList{QStringLiteral("无法评估：绕组放不进磁芯内孔")});
    SetTurns(37);
    QCOMPARE(Panel()->Lines(), Expected(Worked(37), 25, false));
  }

  // Inputs that cannot be evaluated leave the panel as it was, like the report.
  void refusedInputsLeaveThePanel() {
    EnterWorkedDesign();
    const QStringList before = Panel()->Lines();
    Retype(Field("txtIrms"), QString());
    QCOMPARE(Panel()->Lines(), before);
  }

  void verdictsAreColouredAndWritten() {
    EnterWorkedDesign();
    for (QLabel* label : Panel()->findChildren<QLabel*>()) {
      if (label->text().contains(QStringLiteral("过高"))) {
        QVERIFY(label->styleSheet().contains(QStringLiteral("color")));
      }
    }
  }

  void neverShowsJunk() {
    EnterWorkedDesign();
    testing::Monkey monkey(screen_, 20261209u);
    const auto fields = testing::UserFields(screen_);
    for (int i = 0; i < 1500; ++i) {
      monkey.Act();
      if (i % 100 == 0) {
        const QString shown = testing::FalseShownText(Panel(), {Field("txtAmbient")});
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
      }
    }
  }

  // The selection details: proposals carry no frequency or ripple, and the panel says so.
  void selectionDetailsAssessTheProposal() {
    delete screen_;
    screen_ = new frmCoreChoise;
    screen_->show();
    Retype(Field("txtDianliu"), QStringLiteral("5"));
    Retype(Field("txtDianganliang"), QStringLiteral("100"));
    QTest::mouseClick(Find<QPushButton>(screen_, "cmdJiSuan"), Qt::LeftButton);
    QVERIFY(List("lstResut")->count() > 0);
    ClickRow(List("lstResut"), 0);
    const QStringList lines = Panel()->Lines();
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines.last(), QStringLiteral("磁损和交流铜损按0计"));
    QVERIFY(lines.contains(QStringLiteral("交流铜损：0.000 W")));
  }
};

QTEST_MAIN(AssessmentPanelTest)
#include "AssessmentPanel_test.moc"
