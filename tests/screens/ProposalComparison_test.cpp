#include "workbench/ProposalComparison.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "core-data/catalogue.h"
#include "design/calculators/candidate_report.h"
#include "design/analysis/design_assessment.h"
#include "design/calculators/grouped_core_search.h"
#include "screen_test_support.h"
#include "screens/MDIMain.h"
#include "workbench/ProposalComparisonModel.h"
#include "screens/frmCoreChoise.h"
#include "text/number_text.h"

using namespace qiro;
using namespace qiro::testing;
using Col = ProposalComparisonModel::Column;

namespace {

const QStringList kHeaders = {
    QStringLiteral("型号"),          QStringLiteral("圈数"),        QStringLiteral("线径×根数"),
    QStringLiteral("L@0A(μH)"),      QStringLiteral("L@峰值(μH)"),  QStringLiteral("保持率(%)"),
    QStringLiteral("直流电阻(mΩ)"),  QStringLiteral("铜损(W)"),     QStringLiteral("磁损(W)"),
    QStringLiteral("温升(°C)"),      QStringLiteral("铜重(g)"),     QStringLiteral("磁芯体积(cm³)"),
    QStringLiteral("绕后尺寸(mm)")};

QString Fixed(double value, const char* pattern) {
  return QString::fromStdString(PatternText(value, pattern));
}

QString Word(std::string_view word) {
  return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

// The proposals the screen lists for these entries (average current, inductance at the
// current, one core, 3 A/mm²), as the pure search gives them.
std::vector<SelectionCandidate> Proposals(float current, float inductance) {
  const auto result = GroupedCoreSearch(MakeGroupedRequest(current, false, false, inductance, 1, 3));
  return result ? result->Candidates : std::vector<SelectionCandidate>{};
}

ProposalComparisonRow Expected(const SelectionCandidate& candidate, double ambient,
                               std::optional<double> frequency = std::nullopt,
                               std::optional<double> ripple = std::nullopt) {
  const auto evaluation = EvaluateCandidate(candidate);
  if (!evaluation) qFatal("a listed proposal cannot be evaluated");
  const auto row = MakeProposalComparisonRow(*evaluation, ambient, frequency, ripple);
  if (!row) qFatal("a listed proposal has no comparison row");
  return *row;
}

bool HasJunk(const QString& text) {
  const QString lower = text.toLower();
  return lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan"));
}

ComparisonLine Line(int listIndex, const char* part, int turns, double resistance,
                    std::optional<double> rise,
                    AssessmentRefusal refusal = AssessmentRefusal::None) {
  ComparisonLine line;
  line.ListIndex = listIndex;
  line.Evaluated = true;
  line.Row.PartNumber = part;
  line.Row.Turns = turns;
  line.Row.WireDiameter = 1;
  line.Row.StrandCount = 1;
  line.Row.DcResistance = resistance;
  line.Row.TemperatureRise = rise;
  if (rise) line.Row.ThermalVerdict = RateTemperatureRise(*rise);
  line.Row.Refusal = refusal;
  return line;
}

}  // namespace

class ProposalComparisonTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmCoreChoise> screen;
  std::unique_ptr<Sinks> sinks;

  QPushButton* compareButton() { return Find<QPushButton>(screen.get(), "cmdCompare"); }
  QListWidget* list() { return Find<QListWidget>(screen.get(), "lstResut"); }
  ProposalComparison* window() { return screen->findChild<ProposalComparison*>(); }
  QTableView* table() { return Find<QTableView>(window(), "tblCompare"); }
  QLineEdit* field(const char* name) { return Find<QLineEdit>(window(), name); }

  void Search(const char* current, const char* inductance) {
    Retype(Find<QLineEdit>(screen.get(), "txtDianliu"), QString::fromLatin1(current));
    Retype(Find<QLineEdit>(screen.get(), "txtDianganliang"), QString::fromLatin1(inductance));
    QTest::mouseClick(Find<QPushButton>(screen.get(), "cmdJiSuan"), Qt::LeftButton);
  }

  ProposalComparison* Open() {
    QTest::mouseClick(compareButton(), Qt::LeftButton);
    return window();
  }

  int Rows() { return table()->model()->rowCount(); }
  QString Cell(int row, int column) {
    return table()->model()->index(row, column).data().toString();
  }
  QString Tip(int row, int column) {
    return table()->model()->index(row, column).data(Qt::ToolTipRole).toString();
  }
  QVariant Key(int row, int column) {
    return table()->model()->index(row, column).data(ProposalComparisonModel::SortRole);
  }
  int RowOf(const QString& part) {
    for (int r = 0; r < Rows(); ++r)
      if (Cell(r, Col::PartNumber) == part) return r;
    return -1;
  }

  void ClickHeader(int column) {
    QTableView* t = table();
    if (Rows() > 0) t->scrollTo(t->model()->index(0, column));
    QHeaderView* header = t->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }

  std::vector<double> Keys(int column) {
    std::vector<double> keys;
    for (int r = 0; r < Rows(); ++r) keys.push_back(Key(r, column).toDouble());
    return keys;
  }

  // Every cell, tooltip and header the table holds, with the clipboard's copy of it.
  QStringList AllTexts() {
    QStringList texts;
    QAbstractItemModel* m = table()->model();
    for (int c = 0; c < m->columnCount(); ++c) texts << m->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < Rows(); ++r)
      for (int c = 0; c < m->columnCount(); ++c) texts << Cell(r, c) << Tip(r, c);
    QTest::mouseClick(Find<QPushButton>(window(), "cmdCopyTable"), Qt::LeftButton);
    texts << QApplication::clipboard()->text();
    texts << Find<QLabel>(window(), "labCompareNote")->text();
    return texts;
  }

 private slots:
  void initTestCase() { InitCoreData(); }

  void init() {
    sinks = std::make_unique<Sinks>();
    screen = std::make_unique<frmCoreChoise>();
    screen->SetRepaintInterval(std::chrono::milliseconds(1000));
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
  }

  void cleanup() {
    screen.reset();
    sinks.reset();
  }

  // ---- Opening and following the list ---------------------------------------------

  void buttonOpensOneWindowThatFollowsTheList() {
    QCOMPARE(compareButton()->text(), QStringLiteral("方案比较"));
    QVERIFY(!compareButton()->isEnabled());
    Search("5", "100");
    QCOMPARE(list()->count(), 18);
    QVERIFY(compareButton()->isEnabled());

    ProposalComparison* opened = Open();
    QVERIFY(opened && opened->isVisible() && opened->isWindow());
    QCOMPARE(opened->windowTitle(), QStringLiteral("方案比较"));
    QCOMPARE(Rows(), list()->count());
    for (int r = 0; r < Rows(); ++r)
      QVERIFY(list()->item(r)->text().startsWith(Cell(r, Col::PartNumber) + QStringLiteral("  ")));
    QCOMPARE(field("txtCompareAmbient")->text(), QStringLiteral("25"));
    QVERIFY(field("txtCompareFrequency")->text().isEmpty());
    QVERIFY(field("txtCompareRipple")->text().isEmpty());
    QCOMPARE(Find<QLabel>(opened, "labCompareFrequency")->buddy(), field("txtCompareFrequency"));

    // A second click raises the same window; a new search refills it.
    QCOMPARE(Open(), opened);
    QCOMPARE(screen->findChildren<ProposalComparison*>().size(), 1);
    Search("5", "47");
    QVERIFY(list()->count() > 0);
    QCOMPARE(Rows(), list()->count());
    const auto proposals = Proposals(5, 47);
    QCOMPARE(Rows(), static_cast<int>(proposals.size()));
    for (int r = 0; r < Rows(); ++r)
      QCOMPARE(Cell(r, Col::Turns), QString::number(proposals[static_cast<std::size_t>(r)].Turns));

    // A search that finds nothing empties the table and disables the button.
    Search("0.1", "70000");
    QCOMPARE(list()->count(), 0);
    QCOMPARE(Rows(), 0);
    QVERIFY(!compareButton()->isEnabled());
    QVERIFY(!Find<QPushButton>(opened, "cmdCopyTable")->isEnabled());
    // Entries the screen refuses clear the list, and the button goes with it.
    Search("5", "100");
    QVERIFY(compareButton()->isEnabled());
    Search("", "100");
    QCOMPARE(list()->count(), 0);
    QVERIFY(!compareButton()->isEnabled());

    // Closed, it is gone; the button opens a fresh one.
    opened->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window());
  }

  void rowsShowThePureAssessment() {
    Search("5", "100");
    Open();
    QAbstractItemModel* m = table()->model();
    QCOMPARE(m->columnCount(), static_cast<int>(kHeaders.size()));
    for (int c = 0; c < m->columnCount(); ++c)
      QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), kHeaders[c]);
    // Without frequency and ripple the proposals have no core loss: the column stays hidden.
    QVERIFY(table()->isColumnHidden(Col::CoreLoss));

    const auto proposals = Proposals(5, 100);
    QCOMPARE(Rows(), static_cast<int>(proposals.size()));
    for (int r = 0; r < Rows(); ++r) {
      const ProposalComparisonRow e = Expected(proposals[static_cast<std::size_t>(r)], 25);
      QCOMPARE(Cell(r, Col::PartNumber), QString::fromStdString(e.PartNumber));
      QCOMPARE(Cell(r, Col::Turns), QString::number(e.Turns));
      QCOMPARE(Cell(r, Col::Wire), QStringLiteral("1.4×1"));
      QCOMPARE(Cell(r, Col::InductanceAtZero), Fixed(e.InductanceAtZero, "0.00"));
      QCOMPARE(Cell(r, Col::InductanceAtPeak), Fixed(e.InductanceAtPeak, "0.00"));
      QCOMPARE(Cell(r, Col::Retention), Fixed(e.InductanceRetention, "0.0") + QLatin1Char(' ') +
                                            Word(VerdictWord(e.RetentionVerdict)));
      QCOMPARE(Cell(r, Col::DcResistance), Fixed(e.DcResistance, "0.00"));
      QCOMPARE(Cell(r, Col::CopperWeight), Fixed(e.CopperWeight, "0.0"));
      QCOMPARE(Cell(r, Col::CoreVolume), Fixed(e.CoreVolume, "0.00"));
      QVERIFY(e.TemperatureRise && e.CopperLoss && e.WoundOuterDiameter);
      QCOMPARE(Cell(r, Col::CopperLoss), Fixed(*e.CopperLoss, "0.000"));
      QCOMPARE(Cell(r, Col::TemperatureRise), Fixed(*e.TemperatureRise, "0.0") + QLatin1Char(' ') +
                                                  Word(VerdictWord(*e.ThermalVerdict)));
      QCOMPARE(Cell(r, Col::WoundSize),
               Fixed(*e.WoundOuterDiameter, "0.0") + QStringLiteral("×") + Fixed(*e.WoundHeight, "0.0"));
      QCOMPARE(Key(r, Col::TemperatureRise).toDouble(), *e.TemperatureRise);
      QCOMPARE(Tip(r, Col::TemperatureRise), QString());
    }
    // No ripple: the copper loss is the DC loss of the report, only in hotter copper.
    const auto first = EvaluateCandidate(proposals[0]);
    QVERIFY(Key(0, Col::CopperLoss).toDouble() > static_cast<double>(first->CopperLoss));
  }

  // ---- Sorting ----------------------------------------------------------------------

  void headersSortByTheNumbers() {
    Search("5", "100");
    Open();
    // The rises run from about 7 to 11 °C: as text "10.1" would come before "7.3".
    const int column = Col::TemperatureRise;
    const auto rise = [&](int r) { return Cell(r, column).section(QLatin1Char(' '), 0, 0).toDouble(); };
    ClickHeader(column);
    QCOMPARE(table()->horizontalHeader()->sortIndicatorSection(), column);
    std::vector<double> keys = Keys(column);
    QVERIFY(std::is_sorted(keys.begin(), keys.end()));
    // The shown numbers themselves rise across 9 → 10, so the table does not sort its texts.
    QVERIFY(rise(0) < 10 && rise(Rows() - 1) >= 10);
    for (int r = 1; r < Rows(); ++r) QVERIFY(rise(r - 1) <= rise(r));

    ClickHeader(column);
    keys = Keys(column);
    QVERIFY(std::is_sorted(keys.rbegin(), keys.rend()));

    // A sort survives new conditions and a new search.
    Retype(field("txtCompareAmbient"), QStringLiteral("40"));
    keys = Keys(column);
    QVERIFY(std::is_sorted(keys.rbegin(), keys.rend()));
    Search("5", "47");
    keys = Keys(column);
    QVERIFY(std::is_sorted(keys.rbegin(), keys.rend()));

    // The third click gives the list's order back.
    ClickHeader(column);
    const auto proposals = Proposals(5, 47);
    for (int r = 0; r < Rows(); ++r)
      QCOMPARE(Cell(r, Col::PartNumber),
               QString::fromStdString(proposals[static_cast<std::size_t>(r)].Core.PartNumber));

    // The selection stays on its proposal through a sort.
    table()->selectRow(3);
    const QString selected = Cell(3, Col::PartNumber);
    ClickHeader(Col::Turns);
    const QModelIndexList rows = table()->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(Cell(rows.front().row(), Col::PartNumber), selected);
  }

  void unassessedRowsSayWhyAndSortLast() {
    // Straight on the model: a search rarely lists a winding that does not fit.
    ProposalComparisonModel model;
    std::vector<ComparisonLine> lines;
    lines.push_back(Line(0, "KMA10", 10, 10.5, 70));
    lines.push_back(Line(1, "KMA9", 9, 9.25, std::nullopt, AssessmentRefusal::WindingDoesNotFit));
    lines.push_back(Line(2, "KMA100", 100, 100, 9));
    lines.push_back(Line(3, "KMB1", 1, 1, std::nullopt, AssessmentRefusal::LossOutsideModel));
    ComparisonLine broken;
    broken.ListIndex = 4;
    broken.Row.PartNumber = "KMC1";
    broken.Row.Turns = 5;
    broken.Row.WireDiameter = 0.5;
    broken.Row.StrandCount = 2;
    lines.push_back(broken);
    model.SetLines(lines, false);

    const auto text = [&](int r, int c) { return model.index(r, c).data().toString(); };
    const auto tip = [&](int r, int c) { return model.index(r, c).data(Qt::ToolTipRole).toString(); };
    QCOMPARE(text(1, Col::TemperatureRise), QStringLiteral("—"));
    QCOMPARE(text(1, Col::WoundSize), QStringLiteral("—"));
    QCOMPARE(text(1, Col::CopperLoss), QStringLiteral("—"));
    QCOMPARE(text(1, Col::DcResistance), QStringLiteral("9.25"));
    QCOMPARE(tip(1, Col::TemperatureRise), QStringLiteral("绕组放不进磁芯内孔"));
    QCOMPARE(tip(1, Col::DcResistance), QString());
    QCOMPARE(tip(3, Col::CopperLoss), QStringLiteral("超出损耗模型范围"));
    QCOMPARE(text(0, Col::TemperatureRise), QStringLiteral("70.0 过高"));
    QCOMPARE(text(2, Col::TemperatureRise), QStringLiteral("9.0 正常"));
    // A proposal that could not be evaluated keeps its name and winding, nothing else.
    QCOMPARE(text(4, Col::Wire), QStringLiteral("0.5×2"));
    QCOMPARE(text(4, Col::InductanceAtZero), QStringLiteral("—"));
    QCOMPARE(tip(4, Col::InductanceAtZero), QStringLiteral("无法评估"));

    const auto parts = [&] {
      QStringList p;
      for (int r = 0; r < model.rowCount(); ++r) p << text(r, Col::PartNumber);
      return p;
    };
    model.sort(Col::Turns, Qt::AscendingOrder);
    QCOMPARE(parts(), (QStringList{"KMB1", "KMC1", "KMA9", "KMA10", "KMA100"}));
    model.sort(Col::DcResistance, Qt::DescendingOrder);
    QCOMPARE(parts(), (QStringList{"KMA100", "KMA10", "KMA9", "KMB1", "KMC1"}));
    model.sort(Col::TemperatureRise, Qt::AscendingOrder);
    QCOMPARE(parts(), (QStringList{"KMA100", "KMA10", "KMA9", "KMB1", "KMC1"}));
    model.sort(Col::TemperatureRise, Qt::DescendingOrder);
    QCOMPARE(parts(), (QStringList{"KMA10", "KMA100", "KMA9", "KMB1", "KMC1"}));
    model.sort(-1);
    QCOMPARE(parts(), (QStringList{"KMA10", "KMA9", "KMA100", "KMB1", "KMC1"}));
  }

  // ---- Frequency, ripple and ambient ------------------------------------------------

  void frequencyAndRippleAddCoreAndAcLoss() {
    Search("5", "100");
    Open();
    const auto proposals = Proposals(5, 100);
    std::vector<double> dcLoss = Keys(Col::CopperLoss);

    // One of the two alone changes nothing.
    Retype(field("txtCompareFrequency"), QStringLiteral("100"));
    QVERIFY(table()->isColumnHidden(Col::CoreLoss));
    QCOMPARE(Keys(Col::CopperLoss), dcLoss);

    Retype(field("txtCompareRipple"), QStringLiteral("2"));
    QVERIFY(!table()->isColumnHidden(Col::CoreLoss));
    QVERIFY(Find<QLabel>(window(), "labCompareNote")->text().contains(QStringLiteral("100 kHz")));
    for (int r = 0; r < Rows(); ++r) {
      const ProposalComparisonRow e = Expected(proposals[static_cast<std::size_t>(r)], 25, 100, 2);
      QVERIFY(e.CoreLoss && e.CopperLoss);
      QCOMPARE(Cell(r, Col::CoreLoss), Fixed(*e.CoreLoss, "0.000"));
      QCOMPARE(Cell(r, Col::CopperLoss), Fixed(*e.CopperLoss, "0.000"));
      QVERIFY(*e.CoreLoss > 0);
      QVERIFY(Key(r, Col::CopperLoss).toDouble() > dcLoss[static_cast<std::size_t>(r)]);
    }
    const std::vector<double> acLoss = Keys(Col::CopperLoss);

    // Texts that cannot be used (typed, or pasted past the key filter) leave the table as it was.
    for (const char* text : {".", "0", "1e999", "2 A"}) {
      field("txtCompareRipple")->setText(QString::fromLatin1(text));
      QVERIFY(!table()->isColumnHidden(Col::CoreLoss));
      QCOMPARE(Keys(Col::CopperLoss), acLoss);
    }
    // Letters never reach the field.
    Retype(field("txtCompareRipple"), QStringLiteral("2"));
    QTest::keyClicks(field("txtCompareRipple"), QStringLiteral("ab-"));
    QCOMPARE(field("txtCompareRipple")->text(), QStringLiteral("2"));

    // Emptied, the proposals are back without ripple.
    Retype(field("txtCompareFrequency"), QString());
    QVERIFY(table()->isColumnHidden(Col::CoreLoss));
    QCOMPARE(Keys(Col::CopperLoss), dcLoss);

    // A hotter ambient heats the copper: more loss, a slightly larger rise.
    const std::vector<double> rise25 = Keys(Col::TemperatureRise);
    Retype(field("txtCompareAmbient"), QStringLiteral("85"));
    for (int r = 0; r < Rows(); ++r) {
      const ProposalComparisonRow e = Expected(proposals[static_cast<std::size_t>(r)], 85);
      QCOMPARE(Key(r, Col::TemperatureRise).toDouble(), *e.TemperatureRise);
      QVERIFY(*e.TemperatureRise > rise25[static_cast<std::size_t>(r)]);
    }
    const std::vector<double> rise85 = Keys(Col::TemperatureRise);
    for (const char* text : {"201", "-61", "", "-"}) {
      field("txtCompareAmbient")->setText(QString::fromLatin1(text));
      QCOMPARE(Keys(Col::TemperatureRise), rise85);
    }
    // A frost ambient is typed with its leading minus; a minus elsewhere is refused.
    Retype(field("txtCompareAmbient"), QStringLiteral("-60"));
    QCOMPARE(field("txtCompareAmbient")->text(), QStringLiteral("-60"));
    QVERIFY(Keys(Col::TemperatureRise) != rise85);
    Retype(field("txtCompareAmbient"), QStringLiteral("6-0"));
    QCOMPARE(field("txtCompareAmbient")->text(), QStringLiteral("60"));
  }

  // Under a heavy ripple some proposals would run away past 500 °C: they keep their rows,
  // with the runaway named where the temperature would be.
  void runawayRowsNameTheRunaway() {
    Search("5", "100");
    Open();
    const auto proposals = Proposals(5, 100);
    Retype(field("txtCompareFrequency"), QStringLiteral("300"));
    Retype(field("txtCompareRipple"), QStringLiteral("20"));
    QCOMPARE(Rows(), static_cast<int>(proposals.size()));
    int runaways = 0;
    for (int r = 0; r < Rows(); ++r) {
      const ProposalComparisonRow e = Expected(proposals[static_cast<std::size_t>(r)], 25, 300, 20);
      QCOMPARE(Cell(r, Col::PartNumber), QString::fromStdString(e.PartNumber));
      if (e.Refusal != AssessmentRefusal::NoSteadyTemperature) continue;
      ++runaways;
      for (int column : {Col::TemperatureRise, Col::CopperLoss, Col::WoundSize}) {
        QCOMPARE(Cell(r, column), QStringLiteral("—"));
        QCOMPARE(Tip(r, column), QStringLiteral("绕组温度将超过500 °C，无稳定温度"));
      }
      QCOMPARE(Cell(r, Col::DcResistance), Fixed(e.DcResistance, "0.00"));
    }
    QVERIFY(runaways > 0);
    // A lighter ripple lets them settle again.
    Retype(field("txtCompareRipple"), QStringLiteral("0.5"));
    for (int r = 0; r < Rows(); ++r) {
      QVERIFY(Cell(r, Col::TemperatureRise) != QStringLiteral("—"));
    }
  }

  void nothingShowsInfOrNan() {
    Search("5", "100");
    Open();
    const QList<std::pair<const char*, const char*>> conditions = {
        {"100", "2"}, {"3000000", "1000"}, {"1e30", "1e30"}, {"0.001", "0.001"}, {"500", "300"}};
    for (const auto& [frequency, ripple] : conditions) {
      field("txtCompareFrequency")->setText(QString::fromLatin1(frequency));
      field("txtCompareRipple")->setText(QString::fromLatin1(ripple));
      QCOMPARE(Rows(), 18);
      for (const QString& text : AllTexts()) QVERIFY2(!HasJunk(text), qPrintable(text));
    }
    // Conditions far outside the loss model: the rows say so instead of showing numbers.
    Retype(field("txtCompareFrequency"), QStringLiteral("3000000"));
    Retype(field("txtCompareRipple"), QStringLiteral("1000"));
    bool refused = false;
    for (int r = 0; r < Rows(); ++r) {
      if (Cell(r, Col::TemperatureRise) == QStringLiteral("—")) {
        refused = true;
        QVERIFY(!Tip(r, Col::TemperatureRise).isEmpty());
      }
    }
    QVERIFY(refused);
  }

  // ---- Copying ----------------------------------------------------------------------

  void copiesTheRowsAsTabSeparatedText() {
    Search("5", "100");
    Open();
    auto* copy = Find<QPushButton>(window(), "cmdCopyTable");
    QCOMPARE(copy->text(), QStringLiteral("复制表格"));
    QStringList withoutCoreLoss = kHeaders;
    withoutCoreLoss.removeAll(QStringLiteral("磁损(W)"));

    ClickHeader(Col::DcResistance);
    QApplication::clipboard()->clear();
    QTest::mouseClick(copy, Qt::LeftButton);
    QString text = QApplication::clipboard()->text();
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), Rows() + 1);
    QCOMPARE(lines.front(), withoutCoreLoss.join(QLatin1Char('\t')));
    // In the order shown, each cell as shown.
    for (int r = 0; r < Rows(); ++r) {
      const QStringList cells = lines[r + 1].split(QLatin1Char('\t'));
      QCOMPARE(cells.size(), withoutCoreLoss.size());
      QCOMPARE(cells[0], Cell(r, Col::PartNumber));
      QCOMPARE(cells[6], Cell(r, Col::DcResistance));
      QCOMPARE(cells.back(), Cell(r, Col::WoundSize));
    }

    Retype(field("txtCompareFrequency"), QStringLiteral("100"));
    Retype(field("txtCompareRipple"), QStringLiteral("2"));
    QTest::mouseClick(copy, Qt::LeftButton);
    lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.front(), kHeaders.join(QLatin1Char('\t')));
    QCOMPARE(lines.size(), Rows() + 1);

    // Ctrl+C in the table: the selected rows with the header, or every row.
    QApplication::clipboard()->clear();
    table()->setFocus();
    table()->clearSelection();
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().count(QLatin1Char('\n')), Rows() + 1);
    table()->selectRow(2);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[1].startsWith(Cell(2, Col::PartNumber) + QLatin1Char('\t')));
  }

  // ---- Closing ----------------------------------------------------------------------

  void survivesTheScreenAndTheMainWindowClosing() {
    screen.reset();
    for (bool wholeProgram : {false, true}) {
      auto main = std::make_unique<MDIMain>();
      main->show();
      QPointer<QWidget> opened =
          main->OpenChild(QStringLiteral("frmCoreChoise"), [] { return new frmCoreChoise(); });
      auto* choice = qobject_cast<frmCoreChoise*>(opened.data());
      QVERIFY(choice);
      Retype(Find<QLineEdit>(choice, "txtDianliu"), QStringLiteral("5"));
      Retype(Find<QLineEdit>(choice, "txtDianganliang"), QStringLiteral("100"));
      QTest::mouseClick(Find<QPushButton>(choice, "cmdJiSuan"), Qt::LeftButton);
      QTest::mouseClick(Find<QPushButton>(choice, "cmdCompare"), Qt::LeftButton);
      QPointer<ProposalComparison> comparison = choice->findChild<ProposalComparison*>();
      QVERIFY(comparison && comparison->isVisible());
      if (wholeProgram) {
        main->close();
      } else {
        qobject_cast<QMdiSubWindow*>(choice->parentWidget())->close();
      }
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(opened.isNull());
      QVERIFY(comparison.isNull());
      main.reset();
    }
  }
};

QTEST_MAIN(ProposalComparisonTest)
#include "ProposalComparison_test.moc"
