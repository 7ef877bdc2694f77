// Designs that travel between screens and live in files, driven through the real main
// window: a converter's results into the adviser, a selection proposal into the toroid
// calculator, a calculator design saved and opened again, bad files refused with the
// screen unchanged, and the recent designs across two runs.
#include <QAction>
#include <QChartView>
#include <QLineSeries>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "core-data/catalogue.h"
#include "design/calculators/candidate_report.h"
#include "design/analysis/assessment_text.h"
#include "design/analysis/converter_operation.h"
#include "design/analysis/design_adviser.h"
#include "design/exchange/design_document.h"
#include "design/calculators/grouped_core_search.h"
#include "design/calculators/toroid_report.h"
#include "magnetics/evaluate_inductor.h"
#include "qt-support/application_setup.h"
#include "qt-support/platform.h"
#include "screens/MDIMain.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/DesignAdviser.h"
#include "screens/screen_test_support.h"
#include "text/number_text.h"

using namespace qiro;
using qiro::testing::Find;
using qiro::testing::Retype;

namespace {

QWidget* Screen(MDIMain& window, const char* name) {
  return window.findChild<QWidget*>(QString::fromLatin1(name));
}

double Number(QWidget* root, const char* field) {
  return LeadingNumber(Find<QLineEdit>(root, field)->text().toStdString());
}

// Everything a user reads on the toroid calculator.
QStringList CalculatorState(QWidget* calculator) {
  QStringList state;
  for (const char* field : {"txtIrms", "txtIpeak", "txtdI", "txtF", "txtCopperPcs", "txtTurns"})
    state << Find<QLineEdit>(calculator, field)->text();
  state << Find<QComboBox>(calculator, "cmbWinding")->currentText()
        << Find<QComboBox>(calculator, "cmbCoreCount")->currentText();
  const auto picked = Find<QListWidget>(calculator, "lstCoreList")->selectedItems();
  state << (picked.isEmpty() ? QString() : picked.first()->text());
  state << Find<QPlainTextEdit>(calculator, "txtShow")->toPlainText();
  return state;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& contents) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write a test file");
  file.write(contents);
  return path;
}

}  // namespace

class DesignTravelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("qiromagnetic-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("design-travel"));
    InitCoreData();
  }
  void init() { QSettings().clear(); }
  void cleanupTestCase() { QSettings().clear(); }

  // The BUCK's worked example: 29.16667 μH at 5 A average (5.5 A peak, 1 A ripple), 100 kHz.
  void converterHandsItsResultsToTheAdviser() {
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("menuBuck"))->trigger();
    QWidget* buck = Screen(window, "frmTOPBUCK");
    for (const auto& [field, text] : {std::pair{"txtIout", "5"}, {"txtVin", "12"}, {"txtVout", "5"},
                                      {"txtF", "100"}}) {
      Retype(Find<QLineEdit>(buck, field), QString::fromLatin1(text));
    }
    QTest::mouseClick(Find<QPushButton>(buck, "cmdCal"), Qt::LeftButton);
    const QStringList before = [&] {
      QStringList texts;
      for (QLineEdit* field : buck->findChildren<QLineEdit*>()) texts << field->text();
      return texts;
    }();
    QTest::mouseClick(Find<QPushButton>(buck, "cmdDesignInductor"), Qt::LeftButton);
    QVERIFY(sinks.messages.isEmpty());
    QWidget* adviser = Screen(window, "DesignAdviser");
    QVERIFY(adviser);
    QCOMPARE(Number(adviser, "txtInductance"), Number(buck, "txtL"));
    QCOMPARE(Number(adviser, "txtInductance"), 29.16667);
    QCOMPARE(Number(adviser, "txtPeak"), 5.5);
    QCOMPARE(Number(adviser, "txtRipple"), Number(buck, "txtdI"));
    QCOMPARE(Number(adviser, "txtAverage"), 5.5 - Number(buck, "txtdI") / 2);
    QCOMPARE(Number(adviser, "txtFrequency"), 100.0);
    QVERIFY(Find<QRadioButton>(adviser, "optAtCurrent")->isChecked());
    // The converter screen is left as it was.
    QStringList after;
    for (QLineEdit* field : buck->findChildren<QLineEdit*>()) after << field->text();
    QCOMPARE(after, before);
  }

  // The PFC's worked example travels as the converter itself: the adviser names it as its
  // operating condition and judges every design in it, and the picked design's calculator
  // shows the assessment in the converter below the one at its currents, with the same
  // numbers as the domain's. The way back to typed numbers drops the converter.
  void pfcTravelsAsItsConverter() {
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("menuPFC"))->trigger();
    QWidget* pfc = Screen(window, "frmTOPPFC");
    for (const auto& [field, text] : {std::pair{"txtP", "500"}, {"txtVin", "220"}, {"txtVout", "400"},
                                      {"txtF", "65"}}) {
      Retype(Find<QLineEdit>(pfc, field), QString::fromLatin1(text));
    }
    QTest::mouseClick(Find<QPushButton>(pfc, "cmdDesignInductor"), Qt::LeftButton);
    QVERIFY(sinks.messages.isEmpty());
    auto* adviser = static_cast<DesignAdviser*>(Screen(window, "DesignAdviser"));
    QCOMPARE(Find<QLabel>(adviser, "labOperatingCondition")->text(),
             QStringLiteral("工作条件：PFC，500 W，220 V → 400 V，65 kHz"));
    QVERIFY(!Find<QLineEdit>(adviser, "txtPeak")->isEnabled());
    QCOMPARE(Number(adviser, "txtInductance"), 1621.317);
    // A small space: one series, one core, two strands.
    for (int i = 0; i < 7; ++i) {
      auto* box = adviser->findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i));
      if (box->isChecked() != (i == 6)) box->click();
    }
    Retype(Find<QLineEdit>(adviser, "txtMaxCores"), QStringLiteral("1"));
    Retype(Find<QLineEdit>(adviser, "txtMaxStrands"), QStringLiteral("2"));
    QSignalSpy finished(adviser, &DesignAdviser::searchFinished);
    Find<QPushButton>(adviser, "cmdStart")->click();
    QVERIFY(finished.wait(120000));
    QTableView* table = Find<QTableView>(adviser, "tblFront");
    QVERIFY(table->model()->rowCount() >= 1);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(0, 0)).center());
    QTest::mouseClick(Find<QPushButton>(adviser, "cmdOpenInCalculator"), Qt::LeftButton);
    QWidget* calculator = Screen(window, "frmDiangan");
    const QStringList lines = calculator->findChild<AssessmentPanel*>()->Lines();
    const int heading = static_cast<int>(lines.indexOf(QStringLiteral("变换器中的评估：")));
    QVERIFY2(heading > 0, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.first(), QStringLiteral("直流加对称纹波的评估："));
    QCOMPARE(lines[heading + 1], QStringLiteral("工作条件：PFC，500 W，220 V → 400 V，65 kHz"));
    QCOMPARE(lines[heading + 2], QStringLiteral("磁损模型：iGSE，线周期平均"));
    // The same numbers as the domain's assessment in the converter of the design on screen.
    Converter converter;
    converter.Kind = Topology::Pfc;
    converter.Inputs = {500, 220, 400, 65, 0.98f, 0.2f};
    const auto op = OperateConverter(converter);
    const QString part = table->model()->index(0, 0).data().toString();
    AssessmentRefusal refusal;
    const auto in = AssessInConverter(
        *op, FindCoreByPartNumber(part.toStdString()), 1,
        Find<QComboBox>(calculator, "cmbWinding")->currentText().toFloat(),
        static_cast<std::int16_t>(Number(calculator, "txtCopperPcs")),
        static_cast<std::int16_t>(Number(calculator, "txtTurns")), 25, refusal);
    QVERIFY(in.ok());
    std::vector<std::string> expected;
    for (const auto& line : ConverterAssessmentText(converter, &in->Assessment, &in->Load, refusal))
      expected.push_back(line.Text);
    for (std::size_t i = 0; i < expected.size(); ++i)
      QCOMPARE(lines[heading + static_cast<int>(i)].toStdString(), expected[i]);
    QVERIFY(in->Assessment.TemperatureRise <= 40);
    // The curves add the quarter line cycle: four quantities over 0…90°, each up to 100 %.
    QTest::mouseClick(Find<QPushButton>(calculator, "cmdCurves"), Qt::LeftButton);
    auto* curves = window.findChild<QWidget*>(QStringLiteral("DesignCurves"));
    QVERIFY(curves);
    QVERIFY(Find<QWidget>(curves, "pageLineCycle")->isVisibleTo(curves));
    const auto series = Find<QChartView>(curves, "chartLineCycle")->chart()->series();
    QCOMPARE(series.size(), 4);
    for (QAbstractSeries* each : series) {
      auto* line = static_cast<QLineSeries*>(each);
      QCOMPARE(line->count(), 90);
      double most = 0;
      for (const QPointF& p : line->points()) most = std::max(most, p.y());
      QCOMPARE(most, 100.0);
    }
    // Back to a requirement typed by hand.
    Find<QPushButton>(adviser, "cmdTypedRequirement")->click();
    QVERIFY(Find<QLabel>(adviser, "labOperatingCondition")->isHidden());
    QVERIFY(Find<QLineEdit>(adviser, "txtPeak")->isEnabled());
  }

  // The push-pull's output inductor rides on twice the switching frequency; with D 0.6 its
  // inductance is not positive and nothing is handed over.
  void pushPullDoublesTheFrequencyAndRefusesANegativeInductance() {
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("menuTuiwan"))->trigger();
    QWidget* pushPull = Screen(window, "frmTOPTuiwan");
    // Nothing calculated yet.
    QTest::mouseClick(Find<QPushButton>(pushPull, "cmdDesignInductor"), Qt::LeftButton);
    QCOMPARE(sinks.messages.size(), 1);
    QVERIFY(sinks.messages[0].text.startsWith(QStringLiteral("还没有计算结果")));
    QVERIFY(!Screen(window, "DesignAdviser"));
    for (const auto& [field, text] : {std::pair{"txtVout", "12"}, {"txtF", "100"}, {"txtIout", "10"}}) {
      Retype(Find<QLineEdit>(pushPull, field), QString::fromLatin1(text));
    }
    QTest::mouseClick(Find<QPushButton>(pushPull, "cmdCal"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(pushPull, "cmdDesignInductor"), Qt::LeftButton);
    QWidget* adviser = Screen(window, "DesignAdviser");
    QVERIFY(adviser);
    QCOMPARE(Number(adviser, "txtFrequency"), 200.0);
    adviser->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Retype(Find<QLineEdit>(pushPull, "txtD"), QStringLiteral("0.6"));
    QTest::mouseClick(Find<QPushButton>(pushPull, "cmdCal"), Qt::LeftButton);
    QVERIFY(Number(pushPull, "txtL") <= 0);
    sinks.messages.clear();
    QTest::mouseClick(Find<QPushButton>(pushPull, "cmdDesignInductor"), Qt::LeftButton);
    QCOMPARE(sinks.messages.size(), 1);
    QCOMPARE(sinks.messages[0].text,
             QStringLiteral("计算出的电感量不大于0，无法设计电感：请检查输入参数（如占空比）。"));
    QVERIFY(!Screen(window, "DesignAdviser"));
  }

  // A proposal opens in the calculator: its core, winding and currents, and so its
  // inductances; the calculator's own frequency and ripple rule give the rest.
  void proposalOpensInTheCalculator() {
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("meuChoise"))->trigger();
    QWidget* selection = Screen(window, "frmCoreChoise");
    auto* open = Find<QPushButton>(selection, "cmdOpenInCalculator");
    QVERIFY(!open->isEnabled());
    Retype(Find<QLineEdit>(selection, "txtDianliu"), QStringLiteral("5"));
    Retype(Find<QLineEdit>(selection, "txtDianganliang"), QStringLiteral("100"));
    QTest::mouseClick(Find<QPushButton>(selection, "cmdJiSuan"), Qt::LeftButton);
    auto* list = Find<QListWidget>(selection, "lstResut");
    QVERIFY(list->count() > 1);
    list->setCurrentRow(1);
    QVERIFY(open->isEnabled());
    // The calculator keeps the frequency it shows (the proposals carry none).
    Retype(Find<QLineEdit>(Screen(window, "frmDiangan"), "txtF"), QStringLiteral("100"));
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(sinks.messages.isEmpty());

    const auto result = GroupedCoreSearch(MakeGroupedRequest(5, false, false, 100, 1, 3));
    QVERIFY(result);
    const SelectionCandidate& proposal = result->Candidates[1];
    const auto proposed = EvaluateCandidate(proposal);
    QVERIFY(proposed);
    QWidget* calculator = Screen(window, "frmDiangan");
    const float frequency = static_cast<float>(Number(calculator, "txtF"));
    const float ripple = static_cast<float>(Number(calculator, "txtdI"));
    const auto shown = EvaluateInductor(proposal.Core, proposal.Core, proposal.CoreCount, 0, frequency,
                                        proposal.AverageCurrent, proposal.PeakCurrent, ripple,
                                        proposal.WireDiameter, proposal.StrandCount, proposal.Turns);
    QVERIFY(shown);
    QCOMPARE(Find<QPlainTextEdit>(calculator, "txtShow")->toPlainText(),
             QString::fromStdString(ReportText(*shown)).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QCOMPARE(shown->InductanceAtZero, proposed->InductanceAtZero);
    QCOMPARE(shown->InductanceAtPeak, proposed->InductanceAtPeak);
    QCOMPARE(shown->InductanceAtAverage, proposed->InductanceAtAverage);
    QCOMPARE(shown->DcResistance, proposed->DcResistance);
  }

  // Save, then open on a fresh calculator: the same inputs, the same report to the byte.
  void savedDesignOpensAsItWas() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("worked.qiro"));
    QStringList saved;
    {
      testing::Sinks sinks;
      SetTextSink([](const QString&) { return std::optional<QString>(QStringLiteral("样品 A — 备注")); });
      SetSaveFileSink([&](const QString& proposed) {
        if (!proposed.endsWith(QLatin1String(".qiro"))) qFatal("the proposed name has no .qiro");
        return path;
      });
      MDIMain window;
      window.show();
      QWidget* calculator = Screen(window, "frmDiangan");
      Find<QListWidget>(calculator, "lstCoreList")->setCurrentRow(40);
      Retype(Find<QLineEdit>(calculator, "txtIrms"), QStringLiteral("7.3"));
      Retype(Find<QLineEdit>(calculator, "txtF"), QStringLiteral("65"));
      Find<QScrollBar>(calculator, "hcrollTurns")->setValue(23);
      window.findChild<QAction*>(QStringLiteral("meuSaveDesign"))->trigger();
      QVERIFY2(sinks.messages.isEmpty(), sinks.messages.isEmpty() ? "" : qPrintable(sinks.messages[0].text));
      saved = CalculatorState(calculator);
      QVERIFY(!saved.last().isEmpty());
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto document = ReadDesignDocument(file.readAll().toStdString());
    QVERIFY(std::holds_alternative<DesignDocument>(document));
    QCOMPARE(QString::fromStdString(std::get<DesignDocument>(document).Note), QStringLiteral("样品 A — 备注"));

    testing::Sinks sinks;
    MDIMain window;
    window.show();
    QVERIFY(window.OpenDesignFile(path));
    QVERIFY(sinks.messages.isEmpty());
    QCOMPARE(CalculatorState(Screen(window, "frmDiangan")), saved);
  }

  // Random designs: opened from a file, saved again through the menu, the same document
  // and the same report.
  void randomDesignsRoundTripThroughTheScreen() {
    std::mt19937 random(20261209);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto real = [&](double low, double high) {
      return static_cast<float>(std::uniform_real_distribution<double>(low, high)(random));
    };
    QTemporaryDir dir;
    testing::Sinks sinks;
    SetTextSink([](const QString& initial) { return std::optional<QString>(initial); });
    QString target;
    SetSaveFileSink([&](const QString&) { return target; });
    MDIMain window;
    window.show();
    for (int i = 0; i < 40; ++i) {
      DesignDocument document;
      document.Core = CatalogueSlot(pick(1, CatalogueSize)).PartNumber;
      document.CoreCount = static_cast<float>(pick(1, 4));
      document.FrequencyKHz = real(1, 500);
      document.AverageCurrent = real(0.1f, 40);
      document.PeakCurrent = document.AverageCurrent * real(1, 1.5);
      document.RippleCurrent = real(0.01f, 5);
      document.WireDiameter = AdviserWireDiameter(pick(0, 29));
      document.StrandCount = static_cast<std::int16_t>(pick(1, 20));
      document.Turns = static_cast<std::int16_t>(pick(1, 400));
      document.AmbientTemperature = std::uniform_real_distribution<double>(-60, 200)(random);
      document.Note = "设计 " + std::to_string(i);
      const QString source = WriteFile(dir, QStringLiteral("in%1.qiro").arg(i),
                                       QByteArray::fromStdString(WriteDesignDocument(document)));
      QVERIFY(window.OpenDesignFile(source));
      QWidget* calculator = Screen(window, "frmDiangan");
      const QStringList shown = CalculatorState(calculator);
      target = dir.filePath(QStringLiteral("out%1.qiro").arg(i));
      window.findChild<QAction*>(QStringLiteral("meuSaveDesign"))->trigger();
      QVERIFY2(sinks.messages.isEmpty(), sinks.messages.isEmpty() ? "" : qPrintable(sinks.messages[0].text));
      QFile saved(target);
      QVERIFY(saved.open(QIODevice::ReadOnly));
      const auto back = ReadDesignDocument(saved.readAll().toStdString());
      QVERIFY(std::holds_alternative<DesignDocument>(back));
      QVERIFY2(std::get<DesignDocument>(back) == document, qPrintable(QStringLiteral("design %1").arg(i)));
      // Opened once more on the calculator as it now stands: nothing moves.
      QVERIFY(window.OpenDesignFile(target));
      QCOMPARE(CalculatorState(calculator), shown);
    }
  }

  // Every bad file: a message naming why, and the calculator exactly as it was.
  void badFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("named");
    const QByteArray good = QByteArray::fromStdString(WriteDesignDocument(DesignDocument{
        "KMA157060", 1, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37, 25, "", std::nullopt}));
    auto with = [&](const char* from, const char* to) {
      QByteArray text = good;
      text.replace(from, to);
      return text;
    };
    QTest::newRow("not JSON") << QByteArray("hello") << QString();
    QTest::newRow("other format") << with("qiromagnetic-design", "other") << QStringLiteral("format");
    QTest::newRow("newer version") << with("\"version\": 1", "\"version\": 3") << QStringLiteral("3");
    QTest::newRow("turns 0") << with("\"Turns\": 37", "\"Turns\": 0") << QStringLiteral("Turns");
    QTest::newRow("negative current") << with("\"AverageCurrent\": 10", "\"AverageCurrent\": -10")
                                      << QStringLiteral("AverageCurrent");
    QTest::newRow("NaN as text") << with("\"PeakCurrent\": 14.14", "\"PeakCurrent\": \"NaN\"")
                                 << QStringLiteral("PeakCurrent");
    QTest::newRow("unknown part") << with("KMA157060", "KMZ999999") << QStringLiteral("KMZ999999");
    QTest::newRow("wire not listed") << with("\"WireDiameter\": 1", "\"WireDiameter\": 1.05")
                                     << QStringLiteral("WireDiameter");
    QTest::newRow("missing field") << with("\"StrandCount\": 1,", "") << QStringLiteral("StrandCount");
    QTest::newRow("too large") << (good + QByteArray(1024 * 1024, ' ')) << QStringLiteral("1 MB");
  }
  void badFilesChangeNothing() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("bad.qiro"), contents);
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    const QStringList before = CalculatorState(Screen(window, "frmDiangan"));
    QVERIFY(!window.OpenDesignFile(path));
    QCOMPARE(sinks.messages.size(), 1);
    QVERIFY2(sinks.messages[0].text.startsWith(QStringLiteral("无法打开设计文件：")),
             qPrintable(sinks.messages[0].text));
    QVERIFY2(sinks.messages[0].text.contains(named), qPrintable(sinks.messages[0].text));
    QCOMPARE(CalculatorState(Screen(window, "frmDiangan")), before);
    QVERIFY(QSettings().value(QStringLiteral("RecentDesigns")).toStringList().isEmpty());
  }

  void foldersAndUnreadableFilesAreRefused() {
    QTemporaryDir dir;
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    QVERIFY(!window.OpenDesignFile(dir.path()));
    QVERIFY(!window.OpenDesignFile(dir.filePath(QStringLiteral("missing.qiro"))));
    QCOMPARE(sinks.messages.size(), 2);
    for (const ShownMessage& message : sinks.messages)
      QVERIFY(message.text.startsWith(QStringLiteral("无法打开设计文件：")));
  }

  // "qiromagnetic FILE": the file among the program's arguments, options and the
  // language's value aside.
  void designFileFromTheCommandLine() {
    const QString program = QStringLiteral("qiromagnetic");
    QCOMPARE(DesignFileArgument({program}), QString());
    QCOMPARE(DesignFileArgument({program, QStringLiteral("a.qiro")}), QStringLiteral("a.qiro"));
    QCOMPARE(DesignFileArgument({program, QStringLiteral("--language"), QStringLiteral("en"),
                                 QStringLiteral("b.qiro")}),
             QStringLiteral("b.qiro"));
    QCOMPARE(DesignFileArgument({program, QStringLiteral("--language=en"), QStringLiteral("c.qiro")}),
             QStringLiteral("c.qiro"));
    QCOMPARE(DesignFileArgument({program, QStringLiteral("--"), QStringLiteral("-d.qiro")}),
             QStringLiteral("-d.qiro"));
    QCOMPARE(DesignFileArgument({program, QStringLiteral("--language")}), QString());
  }

  // The recent designs outlive the program; one that went away is dropped with a note.
  void recentDesignsAcrossTwoRuns() {
    QTemporaryDir dir;
    const QByteArray good = QByteArray::fromStdString(WriteDesignDocument(DesignDocument{
        "KMA157060", 1, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37, 25, "", std::nullopt}));
    const QString first = WriteFile(dir, QStringLiteral("first.qiro"), good);
    const QString second = WriteFile(dir, QStringLiteral("second.qiro"), good);
    {
      testing::Sinks sinks;
      MDIMain window;
      QVERIFY(window.OpenDesignFile(first));
      QVERIFY(window.OpenDesignFile(second));
    }
    QFile::remove(first);
    testing::Sinks sinks;
    MDIMain window;
    window.show();
    auto* recent = window.findChild<QMenu*>(QStringLiteral("meuRecentDesigns"));
    QVERIFY(recent);
    QCOMPARE(recent->actions().size(), 2);
    QVERIFY(recent->actions()[0]->text().endsWith(QLatin1String("second.qiro")));
    recent->actions()[1]->trigger();  // first.qiro, gone
    QCOMPARE(sinks.messages.size(), 1);
    QVERIFY(sinks.messages[0].text.startsWith(QStringLiteral("设计文件已不存在")));
    QCOMPARE(recent->actions().size(), 1);
    recent->actions()[0]->trigger();
    QCOMPARE(sinks.messages.size(), 1);
  }
};

QTEST_MAIN(DesignTravelTest)
#include "design_travel_test.moc"
