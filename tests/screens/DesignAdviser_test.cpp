// The design adviser window driven as a user drives it: requirement fields, the run and its
// stop, a run replacing another, closing the window or the program during a run, bad input,
// a requirement nothing meets, picking a design and opening it in the toroid calculator.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QChartView>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QChart>
#include <QXYSeries>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "core-data/catalogue.h"
#include "design/analysis/design_adviser.h"
#include "design/calculators/toroid_report.h"
#include "magnetics/evaluate_inductor.h"
#include "qt-support/domain_text.h"
#include "screens/MDIMain.h"
#include "screens/frmDiangan.h"
#include "screens/screen_test_support.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/DesignAdviser.h"

using namespace qiro;
using qiro::testing::Find;
using qiro::testing::Retype;

namespace {

// A space searched in moments: one series, one core, one strand.
void MakeSmall(QWidget* adviser, const char* series = "chkSeries0") {
  for (int i = 0; i < 7; ++i) {
    auto* box = adviser->findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i));
    if (box->isChecked() != (box->objectName() == QLatin1String(series))) box->click();
  }
  Retype(Find<QLineEdit>(adviser, "txtMaxCores"), QStringLiteral("1"));
  Retype(Find<QLineEdit>(adviser, "txtMaxStrands"), QStringLiteral("2"));
}

// Starts a run and waits for its end (the search takes well under a minute even unsped).
bool RunToEnd(DesignAdviser* adviser) {
  QSignalSpy finished(adviser, &DesignAdviser::searchFinished);
  Find<QPushButton>(adviser, "cmdStart")->click();
  return finished.wait(120000);
}

QStringList Column(QTableView* table, int column) {
  QStringList texts;
  for (int row = 0; row < table->model()->rowCount(); ++row)
    texts << table->model()->index(row, column).data().toString();
  return texts;
}

// The chart's series with this object name (the series of the designs have none).
QXYSeries* Series(QWidget* adviser, const char* name) {
  for (QAbstractSeries* series : Find<QChartView>(adviser, "chartDesigns")->chart()->series()) {
    if (series->objectName() == QLatin1String(name)) return static_cast<QXYSeries*>(series);
  }
  qFatal("no series named %s", name);
}

QList<QScatterSeries*> DesignSeries(QWidget* adviser) {
  QList<QScatterSeries*> list;
  for (QAbstractSeries* series : Find<QChartView>(adviser, "chartDesigns")->chart()->series()) {
    if (series->objectName().isEmpty()) list << static_cast<QScatterSeries*>(series);
  }
  return list;
}

void ClickRow(QTableView* table, int row) {
  const QRect cell = table->visualRect(table->model()->index(row, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace

class DesignAdviserTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InitCoreData(); }

  void opensWithTheDefaultRequirement() {
    DesignAdviser adviser;
    QCOMPARE(adviser.windowTitle(), QStringLiteral("电感优化设计"));
    const struct {
      const char* field;
      const char* text;
    } defaults[] = {{"txtInductance", "100"}, {"txtTolerance", "0"},  {"txtAverage", "10"},
                    {"txtPeak", "11.5"},      {"txtRipple", "3"},     {"txtFrequency", "100"},
                    {"txtAmbient", "25"},     {"txtMaxRise", "40"},   {"txtMaxDiameter", "0"},
                    {"txtMaxHeight", "0"},    {"txtMinRetention", "0"}, {"txtMaxCores", "4"},
                    {"txtMaxStrands", "10"}};
    for (const auto& d : defaults)
      QCOMPARE(Find<QLineEdit>(&adviser, d.field)->text(), QString::fromLatin1(d.text));
    QVERIFY(Find<QRadioButton>(&adviser, "optAtCurrent")->isChecked());
    for (int i = 0; i < 7; ++i) {
      auto* box = adviser.findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i));
      QVERIFY(box->isChecked());
      QCOMPARE(box->text().toStdString(), std::string(kSeriesCodes[static_cast<std::size_t>(i)]));
    }
    // Every field is announced by its caption.
    for (QLineEdit* field : adviser.findChildren<QLineEdit*>()) {
      if (!field->objectName().startsWith(QLatin1String("txt"))) continue;
      bool labelled = false;
      for (QLabel* label : adviser.findChildren<QLabel*>()) labelled |= label->buddy() == field;
      QVERIFY2(labelled, qPrintable(field->objectName()));
    }
  }

  void keysAsElsewhere() {
    DesignAdviser adviser;
    adviser.show();
    QLineEdit* inductance = Find<QLineEdit>(&adviser, "txtInductance");
    Retype(inductance, QStringLiteral("4a7.-5"));
    QCOMPARE(inductance->text(), QStringLiteral("47.5"));
    QLineEdit* cores = Find<QLineEdit>(&adviser, "txtMaxCores");
    Retype(cores, QStringLiteral("3.5"));
    QCOMPARE(cores->text(), QStringLiteral("35"));
    // The ambient takes one minus, at its start only.
    QLineEdit* ambient = Find<QLineEdit>(&adviser, "txtAmbient");
    Retype(ambient, QStringLiteral("-4-0"));
    QCOMPARE(ambient->text(), QStringLiteral("-40"));
    ambient->setCursorPosition(0);
    QTest::keyClick(ambient, Qt::Key_Minus);
    QCOMPARE(ambient->text(), QStringLiteral("-40"));
    Retype(ambient, QStringLiteral("5"));
    ambient->setCursorPosition(0);
    QTest::keyClick(ambient, Qt::Key_Minus);
    QCOMPARE(ambient->text(), QStringLiteral("-5"));
  }

  void badInputIsRefusedPerField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("inductance 0") << "txtInductance" << "0" << "电感量必须大于0！";
    QTest::newRow("inductance empty") << "txtInductance" << "" << "电感量必须大于0！";
    QTest::newRow("inductance beyond float")
        << "txtInductance" << QString(40, QLatin1Char('9')) << "电感量必须大于0！";
    QTest::newRow("tolerance 51") << "txtTolerance" << "51" << "电感量公差必须在0到50%之间！";
    QTest::newRow("average dot") << "txtAverage" << "." << "平均电流必须大于或等于0！";
    QTest::newRow("peak 0") << "txtPeak" << "0" << "峰值电流必须大于0！";
    QTest::newRow("ripple empty") << "txtRipple" << "" << "纹波电流必须大于或等于0！";
    QTest::newRow("frequency dot") << "txtFrequency" << "." << "频率必须大于或等于0！单位为千赫兹";
    QTest::newRow("ambient 201") << "txtAmbient" << "201" << "环境温度必须在-60到200 °C之间！";
    QTest::newRow("ambient -61") << "txtAmbient" << "-61" << "环境温度必须在-60到200 °C之间！";
    QTest::newRow("rise 0") << "txtMaxRise" << "0" << "最高温升必须大于0！";
    QTest::newRow("diameter empty") << "txtMaxDiameter" << ""
                                    << "最大绕后外径必须大于或等于0！填0为不限";
    QTest::newRow("height dot") << "txtMaxHeight" << "." << "最大绕后高度必须大于或等于0！填0为不限";
    QTest::newRow("retention 100.5") << "txtMinRetention" << "100.5" << "最低保持率必须在0到100%之间！";
    QTest::newRow("cores 0") << "txtMaxCores" << "0" << "叠放磁芯数必须在1到6之间！";
    QTest::newRow("cores 7") << "txtMaxCores" << "7" << "叠放磁芯数必须在1到6之间！";
    QTest::newRow("strands 0") << "txtMaxStrands" << "0" << "并绕根数必须在1到100之间！";
    QTest::newRow("strands 101") << "txtMaxStrands" << "101" << "并绕根数必须在1到100之间！";
  }

  void badInputIsRefusedPerField() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    testing::Sinks sinks;
    DesignAdviser adviser;
    adviser.show();
    auto* edit = adviser.findChild<QLineEdit*>(field);
    QVERIFY(edit);
    Retype(edit, text);
    QCOMPARE(edit->text(), text);
    Find<QPushButton>(&adviser, "cmdStart")->click();
    QCOMPARE(sinks.messages.size(), 1);
    QCOMPARE(sinks.messages[0].text, message);
    QVERIFY(!adviser.Searching());
    QCOMPARE(edit->text(), text);  // nothing on screen is lost
  }

  void noSeriesIsRefused() {
    testing::Sinks sinks;
    DesignAdviser adviser;
    adviser.show();
    for (int i = 0; i < 7; ++i) adviser.findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i))->click();
    Find<QPushButton>(&adviser, "cmdStart")->click();
    QCOMPARE(sinks.messages.size(), 1);
    QCOMPARE(sinks.messages[0].text, QStringLiteral("至少选择一个磁芯系列！"));
    QVERIFY(!adviser.Searching());
  }

  void runsToTheEndOnASmallSpace() {
    DesignAdviser adviser;
    adviser.show();
    MakeSmall(&adviser);
    QVERIFY(RunToEnd(&adviser));
    QVERIFY(!adviser.Searching());
    QCOMPARE(Find<QProgressBar>(&adviser, "prgSearch")->value(), 1000);
    AdviserRequest request;
    request.RequiredInductance = 100;
    request.Where = InductanceAt::Average;
    request.AverageCurrent = 10;
    request.PeakCurrent = 11.5;
    request.RippleCurrent = 3;
    request.FrequencyKHz = 100;
    request.MaxCoreCount = 1;
    request.MaxStrandCount = 2;
    request.Series = {true, false, false, false, false, false, false};
    const auto expected = AdviseDesigns(request);
    QVERIFY(expected && expected->FeasibleCount > 0);
    QCOMPARE(Find<QLabel>(&adviser, "labStatus")->text(),
             QStringLiteral("共%1个可行方案，最优前沿%2个。")
                 .arg(expected->FeasibleCount)
                 .arg(expected->Front.size()));
    // The table is the front in volume order, the chart's front markers the same designs.
    QTableView* table = Find<QTableView>(&adviser, "tblFront");
    QCOMPARE(table->model()->rowCount(), static_cast<int>(expected->Front.size()));
    for (std::size_t i = 0; i < expected->Front.size(); ++i) {
      QCOMPARE(table->model()->index(static_cast<int>(i), 0).data().toString().toStdString(),
               CatalogueSlot(expected->Front[i].Slot).PartNumber);
    }
    auto* corners = Series(&adviser, "frontPoints");
    QCOMPARE(corners->count(), static_cast<int>(expected->Front.size()));
    // Every feasible design is drawn (few enough here to need no thinning).
    int drawn = 0;
    for (QScatterSeries* series : DesignSeries(&adviser)) drawn += series->count();
    QCOMPARE(drawn, static_cast<int>(expected->FeasibleCount));
    // Only the included series appear in the best list.
    QListWidget* best = Find<QListWidget>(&adviser, "lstBest");
    QCOMPARE(best->count(), 1);
    QVERIFY(best->item(0)->text().startsWith(QStringLiteral("KMA：")));
    // The table copied with its header, in the order shown.
    QApplication::clipboard()->clear();
    Find<QPushButton>(&adviser, "cmdCopyTable")->click();
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), static_cast<int>(expected->Front.size()) + 1);
    QVERIFY(lines[0].startsWith(QStringLiteral("型号\t磁芯数\t线径(mm)\t根数\t圈数\t")));
    QCOMPARE(lines[0].count(QLatin1Char('\t')), 17);
    QCOMPARE(lines[1].section(QLatin1Char('\t'), 0, 0), Column(table, 0).first());
    // Sorted by total loss descending, the copy follows the table.
    table->sortByColumn(15, Qt::DescendingOrder);
    Find<QPushButton>(&adviser, "cmdCopyTable")->click();
    const QStringList sorted = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(sorted[1].section(QLatin1Char('\t'), 0, 0), Column(table, 0).first());
    QCOMPARE(Column(table, 0).first().toStdString(), CatalogueSlot(expected->Front.front().Slot).PartNumber);
  }

  void stopEndsTheRun() {
    DesignAdviser adviser;
    adviser.show();
    Retype(Find<QLineEdit>(&adviser, "txtMaxStrands"), QStringLiteral("100"));
    Retype(Find<QLineEdit>(&adviser, "txtMaxCores"), QStringLiteral("6"));
    QSignalSpy finished(&adviser, &DesignAdviser::searchFinished);
    Find<QPushButton>(&adviser, "cmdStart")->click();
    QVERIFY(adviser.Searching());
    QVERIFY(Find<QPushButton>(&adviser, "cmdStop")->isEnabled());
    QTest::qWait(50);  // the window stays responsive meanwhile
    Find<QPushButton>(&adviser, "cmdStop")->click();
    QVERIFY(finished.wait(10000));
    QVERIFY(!adviser.Searching());
    QCOMPARE(Find<QLabel>(&adviser, "labStatus")->text(), QStringLiteral("优化已停止，未得到结果。"));
    QVERIFY(!Find<QPushButton>(&adviser, "cmdStop")->isEnabled());
    QCOMPARE(Find<QTableView>(&adviser, "tblFront")->model()->rowCount(), 0);
  }

  void aSecondRunReplacesTheFirst() {
    DesignAdviser adviser;
    adviser.show();
    Retype(Find<QLineEdit>(&adviser, "txtMaxStrands"), QStringLiteral("100"));
    Retype(Find<QLineEdit>(&adviser, "txtMaxCores"), QStringLiteral("6"));
    QSignalSpy finished(&adviser, &DesignAdviser::searchFinished);
    Find<QPushButton>(&adviser, "cmdStart")->click();
    QVERIFY(adviser.Searching());
    MakeSmall(&adviser, "chkSeries2");
    Find<QPushButton>(&adviser, "cmdStart")->click();
    QVERIFY(finished.wait(120000));
    // Only the second run reports; the first one's result, if it ever came, was dropped.
    QTest::qWait(200);
    QCOMPARE(finished.size(), 1);
    QListWidget* best = Find<QListWidget>(&adviser, "lstBest");
    QCOMPARE(best->count(), 1);
    QVERIFY(best->item(0)->text().startsWith(QStringLiteral("KMC：")));
  }

  void closingDuringARunIsQuick() {
    auto* adviser = new DesignAdviser;
    adviser->setAttribute(Qt::WA_DeleteOnClose);
    adviser->show();
    Retype(Find<QLineEdit>(adviser, "txtMaxStrands"), QStringLiteral("100"));
    Retype(Find<QLineEdit>(adviser, "txtMaxCores"), QStringLiteral("6"));
    Find<QPushButton>(adviser, "cmdStart")->click();
    QVERIFY(adviser->Searching());
    QPointer<DesignAdviser> alive = adviser;
    QTest::qWait(30);
    adviser->close();
    QTRY_VERIFY(alive.isNull());
    // Nothing of the search is delivered to the window gone.
    QTest::qWait(100);
  }

  void exitDuringARunEndsTheProgram() {
    testing::Sinks sinks;
    auto* window = new MDIMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    DesignAdviser* adviser = window->OpenAdviser();
    QVERIFY(adviser);
    QCOMPARE(window->OpenAdviser(), adviser);  // one instance
    Retype(Find<QLineEdit>(adviser, "txtMaxStrands"), QStringLiteral("100"));
    Retype(Find<QLineEdit>(adviser, "txtMaxCores"), QStringLiteral("6"));
    Find<QPushButton>(adviser, "cmdStart")->click();
    QVERIFY(adviser->Searching());
    QPointer<MDIMain> alive = window;
    // The program's own loop, as main() runs it: it returns when the last window closed.
    QTimer::singleShot(50, window, [window] {
      window->findChild<QAction*>(QStringLiteral("meuExit"))->trigger();
    });
    QTimer giveUp;  // gone with this test, so it never ends a later test's loop
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    giveUp.start(30000);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(QApplication::exec(), 0);
    QTRY_VERIFY(alive.isNull());
    qInfo("exit during a run: %lld ms until the event loop returned and the main window was gone", clock.elapsed());
  }

  void aRequirementWithNoDesignSaysWhy() {
    DesignAdviser adviser;
    adviser.show();
    MakeSmall(&adviser);
    Retype(Find<QLineEdit>(&adviser, "txtMaxRise"), QStringLiteral("0.001"));
    QVERIFY(RunToEnd(&adviser));
    const QString status = Find<QLabel>(&adviser, "labStatus")->text();
    QVERIFY2(status.startsWith(QStringLiteral("没有满足要求的方案：")), qPrintable(status));
    QVERIFY2(status.contains(QStringLiteral("温升")) && status.contains(QStringLiteral("0.001 °C")),
             qPrintable(status));
    QCOMPARE(Find<QTableView>(&adviser, "tblFront")->model()->rowCount(), 0);
    QVERIFY(!Find<QPushButton>(&adviser, "cmdCopyTable")->isEnabled());
    // An inductance no core reaches within 350 turns.
    Retype(Find<QLineEdit>(&adviser, "txtMaxRise"), QStringLiteral("40"));
    Retype(Find<QLineEdit>(&adviser, "txtInductance"), QStringLiteral("100000000"));
    QVERIFY(RunToEnd(&adviser));
    QCOMPARE(Find<QLabel>(&adviser, "labStatus")->text(),
             QStringLiteral("没有满足要求的方案：所有磁芯在350圈以内都达不到所需电感量。"));
  }

  void pickingARowShowsTheDesignAndItsPoint() {
    DesignAdviser adviser;
    adviser.show();
    MakeSmall(&adviser);
    QVERIFY(RunToEnd(&adviser));
    QTableView* table = Find<QTableView>(&adviser, "tblFront");
    QVERIFY(table->model()->rowCount() >= 2);
    QVERIFY(!Find<QPushButton>(&adviser, "cmdOpenInCalculator")->isEnabled());
    ClickRow(table, 1);
    const QString report = Find<QPlainTextEdit>(&adviser, "txtReport")->toPlainText();
    QCOMPARE(report.count(QLatin1Char('\n')), 17);
    QVERIFY(report.startsWith(QStringLiteral("磁芯型号：") + table->model()->index(1, 0).data().toString()));
    QCOMPARE(adviser.PickedReport().replace(QStringLiteral("\r\n"), QStringLiteral("\n")), report);
    auto* picked = Series(&adviser, "pickedPoint");
    auto* corners = Series(&adviser, "frontPoints");
    QCOMPARE(picked->count(), 1);
    QCOMPARE(picked->at(0), corners->at(1));
    const QStringList lines = adviser.findChild<AssessmentPanel*>()->Lines();
    QVERIFY(lines.size() > 5);
    QVERIFY(Find<QPushButton>(&adviser, "cmdOpenInCalculator")->isEnabled());
    // A point of the chart selects its row.
    emit corners->clicked(corners->at(0));
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(table->selectionModel()->selectedRows().first().row(), 0);
    QCOMPARE(picked->at(0), corners->at(0));
    // A point off the front selects no row but still shows its design.
    for (QScatterSeries* series : DesignSeries(&adviser)) {
      if (series->count() == 0) continue;
      QPointF off;
      bool found = false;
      for (const QPointF& p : series->points()) {
        if (!corners->points().contains(p)) { off = p; found = true; break; }
      }
      if (!found) continue;
      emit series->clicked(off);
      QCOMPARE(picked->at(0), off);
      QVERIFY(table->selectionModel()->selectedRows().isEmpty());
      break;
    }
    // The best of the series (the smallest it can do: the front's first) picks its design too.
    QListWidget* best = Find<QListWidget>(&adviser, "lstBest");
    best->item(0)->setSelected(true);
    QCOMPARE(picked->at(0), corners->at(0));
    QCOMPARE(table->selectionModel()->selectedRows().first().row(), 0);
    // A new run takes the picked design away until its own result is there.
    QSignalSpy finished(&adviser, &DesignAdviser::searchFinished);
    Find<QPushButton>(&adviser, "cmdStart")->click();
    QVERIFY(Find<QPlainTextEdit>(&adviser, "txtReport")->toPlainText().isEmpty());
    QCOMPARE(adviser.findChild<AssessmentPanel*>()->Lines(), QStringList{QStringLiteral("尚无设计可评估")});
    QVERIFY(!Find<QPushButton>(&adviser, "cmdOpenInCalculator")->isEnabled());
    QCOMPARE(picked->count(), 0);
    QVERIFY(finished.wait(120000));
  }

  void openInTheCalculatorGivesTheSameReport() {
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    // The calculator is open with a search that hides the design's core.
    auto* calculator = window.findChild<frmDiangan*>();
    QVERIFY(calculator);
    Retype(Find<QLineEdit>(calculator, "txtSearch"), QStringLiteral("KMD"));
    window.findChild<QAction*>(QStringLiteral("menAdviser"))->trigger();
    auto* adviser = window.findChild<DesignAdviser*>();
    QVERIFY(adviser);
    MakeSmall(adviser);
    Retype(Find<QLineEdit>(adviser, "txtMaxStrands"), QStringLiteral("3"));
    Retype(Find<QLineEdit>(adviser, "txtAmbient"), QStringLiteral("-5"));
    QVERIFY(RunToEnd(adviser));
    QTableView* table = Find<QTableView>(adviser, "tblFront");
    const int rows = table->model()->rowCount();
    QVERIFY(rows >= 1);
    for (int row : {0, rows / 2, rows - 1}) {
      ClickRow(table, row);
      Find<QPushButton>(adviser, "cmdOpenInCalculator")->click();
      QCOMPARE(window.mdiArea()->activeSubWindow()->widget(), static_cast<QWidget*>(calculator));
      QCOMPARE(Find<QPlainTextEdit>(calculator, "txtShow")->toPlainText(),
               Find<QPlainTextEdit>(adviser, "txtReport")->toPlainText());
      QCOMPARE(calculator->findChild<AssessmentPanel*>()->Lines(),
               adviser->findChild<AssessmentPanel*>()->Lines());
      QCOMPARE(Find<QLineEdit>(calculator, "txtdI")->text(), QStringLiteral("3"));
      QCOMPARE(Find<QLineEdit>(calculator, "txtIpeak")->text(), QStringLiteral("11.5"));
      QCOMPARE(Find<QLineEdit>(calculator, "txtF")->text(), QStringLiteral("100"));
      QVERIFY(Find<QLabel>(calculator, "labMsg")->isHidden());  // no winding warning
    }
    // With the calculator closed, the hand-over opens it anew with the design.
    QPointer<frmDiangan> closing = calculator;
    qobject_cast<QMdiSubWindow*>(calculator->parentWidget())->close();
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(window.OpenAdviser(), adviser);
    ClickRow(table, 0);
    Find<QPushButton>(adviser, "cmdOpenInCalculator")->click();
    calculator = window.findChild<frmDiangan*>();
    QVERIFY(calculator);
    QCOMPARE(Find<QPlainTextEdit>(calculator, "txtShow")->toPlainText(),
             Find<QPlainTextEdit>(adviser, "txtReport")->toPlainText());
    QVERIFY(sinks.messages.isEmpty());
  }

  // The hand-over of a selection proposal: no ripple and no frequency. The calculator keeps
  // its frequency and takes the ripple its own rule gives for the peak.
  void theCalculatorTakesADesignWithoutRipple() {
    testing::Sinks sinks;
    frmDiangan calculator;
    calculator.show();
    Retype(Find<QLineEdit>(&calculator, "txtF"), QStringLiteral("50"));
    Retype(Find<QLineEdit>(&calculator, "txtSearch"), QStringLiteral("KMB"));
    CalculatorDesign design;
    design.PartNumber = CatalogueSlot(40).PartNumber;
    design.CoreCount = 2;
    design.WireDiameter = 0.8f;
    design.StrandCount = 3;
    design.Turns = 40;
    design.AverageCurrent = 5;
    design.PeakCurrent = 7.5;
    calculator.ApplyDesign(design);
    const QList<QListWidgetItem*> picked = Find<QListWidget>(&calculator, "lstCoreList")->selectedItems();
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first()->text().toStdString(), design.PartNumber);
    QCOMPARE(Find<QComboBox>(&calculator, "cmbCoreCount")->currentText(), QStringLiteral("2"));
    QCOMPARE(Find<QComboBox>(&calculator, "cmbWinding")->currentText(), QStringLiteral("0.8"));
    QCOMPARE(Find<QLineEdit>(&calculator, "txtCopperPcs")->text(), QStringLiteral("3"));
    QCOMPARE(Find<QLineEdit>(&calculator, "txtTurns")->text(), QStringLiteral("40"));
    QCOMPARE(Find<QLineEdit>(&calculator, "txtIrms")->text(), QStringLiteral("5"));
    QCOMPARE(Find<QLineEdit>(&calculator, "txtIpeak")->text(), QStringLiteral("7.5"));
    QCOMPARE(Find<QLineEdit>(&calculator, "txtdI")->text(), QStringLiteral("1.5"));
    QCOMPARE(Find<QLineEdit>(&calculator, "txtF")->text(), QStringLiteral("50"));
    const CoreRecord core = CatalogueSlot(40);
    const auto expected = EvaluateInductor(core, core, 2, 0, 50, 5, 7.5f, 1.5f, 0.8f, 3, 40);
    QVERIFY(expected);
    QCOMPARE(Find<QPlainTextEdit>(&calculator, "txtShow")->toPlainText(),
             QString::fromStdString(ReportText(*expected)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // A part number the catalogue lacks leaves the pick as it was.
    design.PartNumber = "NOSUCHCORE";
    calculator.ApplyDesign(design);
    QCOMPARE(Find<QListWidget>(&calculator, "lstCoreList")->selectedItems().first()->text().toStdString(),
             core.PartNumber);
    QVERIFY(sinks.messages.isEmpty());
  }

  void setRequirementFillsTheFields() {
    DesignAdviser adviser;
    adviser.SetRequirement(47.5, InductanceAt::Zero, 8.25, 9.5, 2.5, 200);
    QCOMPARE(Find<QLineEdit>(&adviser, "txtInductance")->text(), QStringLiteral("47.5"));
    QVERIFY(Find<QRadioButton>(&adviser, "optStatic")->isChecked());
    QCOMPARE(Find<QLineEdit>(&adviser, "txtAverage")->text(), QStringLiteral("8.25"));
    QCOMPARE(Find<QLineEdit>(&adviser, "txtPeak")->text(), QStringLiteral("9.5"));
    QCOMPARE(Find<QLineEdit>(&adviser, "txtRipple")->text(), QStringLiteral("2.5"));
    QCOMPARE(Find<QLineEdit>(&adviser, "txtFrequency")->text(), QStringLiteral("200"));
    adviser.SetRequirement(10, InductanceAt::Average, 1, 2, 0.5, 50);
    QVERIFY(Find<QRadioButton>(&adviser, "optAtCurrent")->isChecked());
  }
};

QTEST_MAIN(DesignAdviserTest)
#include "DesignAdviser_test.moc"
