// "导出" on the toroid calculator and the selection details: the PDF design sheet read back
// with the real poppler tools, printing, the SPICE model to a file and to the clipboard, and
// what happens when the user cancels or the folder cannot be written.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "core-data/catalogue.h"
#include "design/exchange/spice_model.h"
#include "magnetics/evaluate_inductor.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/design_export.h"
#include "screens/frmCoreChoise.h"
#include "screens/frmDiangan.h"
#include "screens/screen_test_support.h"

using namespace qiro;
using qiro::testing::Find;
using qiro::testing::Retype;

namespace {

// Runs a poppler tool on a file; empty when the tool is missing.
QString Poppler(const QString& tool, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext separates runs of text as it sees fit; a line's own text stays whole.
QString Squeezed(QString text) { return text.remove(QLatin1Char(' ')); }

}  // namespace

class DesignExportTest : public QObject {
  Q_OBJECT

  QWidget* screen_ = nullptr;
  std::unique_ptr<testing::Sinks> sinks_;
  QTemporaryDir folder_;
  QStringList proposed_;  // what the file dialog was asked to propose
  QString answer_;        // what the "user" picks in it

  QAction* Entry(const char* name) {
    auto* button = Find<QPushButton>(screen_, "cmdExport");
    emit button->menu()->aboutToShow();
    return Find<QAction>(button->menu(), name);
  }
  QListWidget* List(const char* name) { return Find<QListWidget>(screen_, name); }
  void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }
  void EnterWorkedDesign() {
    Retype(Find<QLineEdit>(screen_, "txtIrms"), QStringLiteral("10"));
    Retype(Find<QLineEdit>(screen_, "txtF"), QStringLiteral("100"));
    Find<QScrollBar>(screen_, "hcrollTurns")->setValue(37);
    Retype(Find<QLineEdit>(screen_, "txtSearch"), QStringLiteral("KMA157060"));
    ClickRow(List("lstCoreList"), 0);
  }
  QStringList ShownReport() {
    return ReportLines(Find<QPlainTextEdit>(screen_, "txtShow")->toPlainText());
  }
  QStringList Files() { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden); }
  static InductorEvaluation Worked() {
    const CoreRecord core = FindCoreByPartNumber("KMA157060");
    return *EvaluateInductor(core, core, 1, 0, 100, 10, 14.14f, 2.828f, 1.0f, 1, 37);
  }

 private slots:
  void initTestCase() {
    InitCoreData();
    QVERIFY(folder_.isValid());
  }
  void init() {
    sinks_ = std::make_unique<testing::Sinks>();
    proposed_.clear();
    SetSaveFileSink([this](const QString& proposed) {
      proposed_ << proposed;
      return answer_;
    });
    screen_ = new frmDiangan;
    screen_->show();
  }
  void cleanup() {
    delete screen_;
    SetSaveFileSink({});
    SetPrintDialogSink({});
    sinks_.reset();
    for (const QString& file : Files()) QFile::remove(QDir(folder_.path()).filePath(file));
  }

  void nothingToExportBeforeADesign() {
    for (const char* name : {"actExportPdf", "actPrint", "actExportSpice", "actCopySpice"}) {
      QVERIFY2(!Entry(name)->isEnabled(), name);
    }
    EnterWorkedDesign();
    for (const char* name : {"actExportPdf", "actPrint", "actExportSpice", "actCopySpice"}) {
      QVERIFY2(Entry(name)->isEnabled(), name);
    }
  }

  // The sheet holds the report and the assessment as the screen shows them, on A4, with the
  // Chinese font embedded.
  void pdfSheetReadsBackWithPoppler() {
    EnterWorkedDesign();
    answer_ = QDir(folder_.path()).filePath(QStringLiteral("sheet.pdf"));
    Entry("actExportPdf")->trigger();
    QCOMPARE(proposed_.size(), 1);
    QVERIFY(proposed_.first().endsWith(QStringLiteral("/KMA157060_37T.pdf")));
    QVERIFY(sinks_->messages.isEmpty());
    QCOMPARE(Files(), QStringList{QStringLiteral("sheet.pdf")});
    const QString text = Poppler(QStringLiteral("pdftotext"), {answer_, QStringLiteral("-")});
    if (text.isEmpty()) QSKIP("pdftotext (Debian package poppler-utils) is not installed");
    const QString squeezed = Squeezed(text);
    if (qEnvironmentVariableIsSet("QIRO_DUMP_SHEET")) QFile::copy(answer_, qEnvironmentVariable("QIRO_DUMP_SHEET"));
    const QStringList report = ShownReport();
    QCOMPARE(report.size(), 17);
    for (const QString& line : report) {
      QVERIFY2(squeezed.contains(Squeezed(line)), qPrintable(line));
    }
    const QStringList assessment = Find<AssessmentPanel>(screen_, "fraAssessment")->Lines();
    QVERIFY(assessment.size() > 5);
    for (const QString& line : assessment) {
      QVERIFY2(squeezed.contains(Squeezed(line)), qPrintable(line));
    }
    QVERIFY(squeezed.contains(QStringLiteral("QIROMagnetic")));
    const QString info = Poppler(QStringLiteral("pdfinfo"), {answer_});
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    const QString fonts = Poppler(QStringLiteral("pdffonts"), {answer_});
    const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QVERIFY(!rows.isEmpty());
    bool cjk = false;
    for (const QString& row : rows) {
      // name type encoding emb sub uni object ID: every font embedded.
      const QStringList columns = row.simplified().split(QLatin1Char(' '));
      QVERIFY2(columns.size() >= 6 && columns[columns.size() - 5] == QLatin1String("yes"),
               qPrintable(row));
      if (row.contains(QStringLiteral("CJK"), Qt::CaseInsensitive)) cjk = true;
    }
    QVERIFY2(cjk, qPrintable(fonts));
  }

  void cancelledDialogWritesNothing() {
    EnterWorkedDesign();
    answer_.clear();
    Entry("actExportPdf")->trigger();
    Entry("actExportSpice")->trigger();
    QCOMPARE(proposed_.size(), 2);
    QVERIFY(Files().isEmpty());
    QVERIFY(sinks_->messages.isEmpty());
  }

  void unwritableFolderSaysSoAndLeavesNothing() {
    EnterWorkedDesign();
    answer_ = QDir(folder_.path()).filePath(QStringLiteral("no-such-folder/sheet.pdf"));
    Entry("actExportPdf")->trigger();
    QCOMPARE(sinks_->messages.size(), 1);
    QVERIFY(sinks_->messages.first().text.startsWith(QStringLiteral("无法保存文件：")));
    QVERIFY(Files().isEmpty());
    QVERIFY(!QFile::exists(answer_));
  }

  void spiceModelToFileAndClipboard() {
    EnterWorkedDesign();
    const auto model = MakeSpiceModel(Worked(), QIRO_TEST_VERSION);
    QVERIFY(model.ok());
    answer_ = QDir(folder_.path()).filePath(QStringLiteral("L1.lib"));
    Entry("actExportSpice")->trigger();
    QVERIFY(proposed_.first().endsWith(QStringLiteral("/KMA157060_37T.lib")));
    QFile file(answer_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), model->Text);
    QApplication::clipboard()->clear();
    Entry("actCopySpice")->trigger();
    QCOMPARE(QApplication::clipboard()->text().toStdString(), model->Text);
  }

  void printsTheSheet() {
    EnterWorkedDesign();
    const QString printed = QDir(folder_.path()).filePath(QStringLiteral("printed.pdf"));
    SetPrintDialogSink([&printed](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printed);
      return true;
    });
    Entry("actPrint")->trigger();
    QVERIFY(QFile::exists(printed));
    QVERIFY(sinks_->messages.isEmpty());
    // Cancelled in the print dialog: nothing printed.
    QFile::remove(printed);
    SetPrintDialogSink([](QPrinter&) { return false; });
    Entry("actPrint")->trigger();
    QVERIFY(!QFile::exists(printed));
  }

  // The selection details export the selected proposal, with its fourteen-line report.
  void selectionDetailsExportTheProposal() {
    delete screen_;
    screen_ = new frmCoreChoise;
    screen_->show();
    QVERIFY(!Entry("actExportPdf")->isEnabled());
    Retype(Find<QLineEdit>(screen_, "txtDianliu"), QStringLiteral("5"));
    Retype(Find<QLineEdit>(screen_, "txtDianganliang"), QStringLiteral("100"));
    QTest::mouseClick(Find<QPushButton>(screen_, "cmdJiSuan"), Qt::LeftButton);
    ClickRow(List("lstResut"), 0);
    answer_ = QDir(folder_.path()).filePath(QStringLiteral("proposal.pdf"));
    Entry("actExportPdf")->trigger();
    QVERIFY(QFile::exists(answer_));
    const QString text = Poppler(QStringLiteral("pdftotext"), {answer_, QStringLiteral("-")});
    if (text.isEmpty()) QSKIP("pdftotext (Debian package poppler-utils) is not installed");
    const QStringList report = ShownReport();
    QVERIFY(report.size() >= 13);
    for (const QString& line : report) {
      if (line.isEmpty()) continue;
      QVERIFY2(Squeezed(text).contains(Squeezed(line)), qPrintable(line));
    }
    answer_ = QDir(folder_.path()).filePath(QStringLiteral("proposal.lib"));
    Entry("actExportSpice")->trigger();
    QVERIFY(QFile::exists(answer_));
  }

  // The screen closes while the file dialog is open: nothing is written, nothing crashes.
  void screenClosedWhileAskingWritesNothing() {
    EnterWorkedDesign();
    QPointer<QWidget> screen = screen_;
    SetSaveFileSink([this, &screen](const QString&) {
      screen_->deleteLater();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return QDir(folder_.path()).filePath(QStringLiteral("late.pdf"));
    });
    Entry("actExportPdf")->trigger();
    QVERIFY(!screen);
    screen_ = nullptr;
    QVERIFY(Files().isEmpty());
  }
};

QTEST_MAIN(DesignExportTest)
#include "design_export_test.moc"
