#include "workbench/design_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QPushButton>

#include "design/exchange/spice_model.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/design_sheet.h"
#include "qt-support/platform.h"

namespace qiro {
namespace {

std::function<bool(QPrinter&)>& PrintSink() {
  static std::function<bool(QPrinter&)> sink;
  return sink;
}

QString Proposed(const CurveDesign& design, const QString& ending) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(DesignFileName(design, ending));
}

Outcome<SpiceModel> ModelOf(const CurveDesign& d) {
  const auto e = EvaluateCurveDesign(d);
  if (!e) return Outcome<SpiceModel>::Fail(e.error());
  return MakeSpiceModel(*e, QIRO_VERSION);
}

// The model of the design, or a box saying there is none.
std::optional<SpiceModel> ModelOrSay(QWidget* screen, const CurveDesign& design) {
  auto model = ModelOf(design);
  if (model) return std::move(*model);
  ShowMessage(screen, QObject::tr("本设计无法生成SPICE模型。"), QObject::tr("导出"),
              QMessageBox::Warning);
  return std::nullopt;
}

DesignSheet SheetOf(const ExportedDesign& d) {
  return MakeDesignSheet(d.design, d.report, d.assessment, d.ambientTemperature);
}

// Asks where, then writes the whole file or nothing; a failure is said in a box.
void SaveAs(QWidget* screen, const QString& caption, const QString& proposed,
            const QString& filter, const std::function<QByteArray()>& contents) {
  const QPointer<QWidget> alive(screen);
  const QString path = AskSaveFileName(screen, caption, proposed, filter);
  if (path.isEmpty() || !alive) return;  // cancelled, or the screen went meanwhile
  const QByteArray bytes = contents();
  const auto error = bytes.isEmpty() ? std::optional<QString>(QObject::tr("没有可写入的内容"))
                                     : WriteWholeFile(path, bytes);
  if (error) {
    ShowMessage(screen, QObject::tr("无法保存文件：%1\n%2").arg(QDir::toNativeSeparators(path), *error),
                QObject::tr("导出"), QMessageBox::Warning);
  }
}

}  // namespace

std::function<std::optional<ExportedDesign>()> ShownDesign(const CurveSubject& subject,
                                                           const QString& report,
                                                           const AssessmentPanel& panel) {
  return [&subject, &report, &panel]() -> std::optional<ExportedDesign> {
    const auto* design = std::get_if<CurveDesign>(&subject);
    if (!design || report.isEmpty()) return std::nullopt;
    return ExportedDesign{*design, ReportLines(report), panel.Lines(), panel.AmbientTemperature()};
  };
}

QStringList ReportLines(const QString& report) {
  QStringList lines = QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                          .split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void SetPrintDialogSink(std::function<bool(QPrinter&)> sink) { PrintSink() = std::move(sink); }

QWidget* MakeExportButton(QWidget* screen,
                              std::function<std::optional<ExportedDesign>()> current) {
  // A push button like its neighbours, with the entries as its menu.
  auto* button = new QPushButton(QObject::tr("导出"), screen);
  button->setObjectName(QStringLiteral("cmdExport"));
  button->setToolTip(QObject::tr("把本设计导出为PDF设计单、打印，或导出SPICE模型"));
  auto* menu = new QMenu(button);
  menu->setObjectName(QStringLiteral("menuExport"));
  auto add = [menu](const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  QAction* pdf = add("actExportPdf", QObject::tr("导出PDF…"));
  QAction* print = add("actPrint", QObject::tr("打印…"));
  menu->addSeparator();
  QAction* spice = add("actExportSpice", QObject::tr("导出SPICE模型…"));
  QAction* copySpice = add("actCopySpice", QObject::tr("复制SPICE模型"));
  button->setMenu(menu);

  QObject::connect(menu, &QMenu::aboutToShow, menu, [=] {
    const bool shown = current().has_value();
    for (QAction* action : {pdf, print, spice, copySpice}) action->setEnabled(shown);
  });
  QObject::connect(pdf, &QAction::triggered, screen, [screen, current] {
    const auto d = current();
    if (!d) return;
    SaveAs(screen, QObject::tr("导出PDF"), Proposed(d->design, QStringLiteral(".pdf")),
           QObject::tr("PDF文件 (*.pdf)"), [&d] { return DesignSheetPdf(SheetOf(*d)); });
  });
  QObject::connect(print, &QAction::triggered, screen, [screen, current] {
    const auto d = current();
    if (!d) return;
    const QPointer<QWidget> alive(screen);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(DesignFileName(d->design, QString()));
    bool accepted = false;
    if (PrintSink()) {
      accepted = PrintSink()(printer);
    } else {
      // On the heap, like a message box: it closes with its screen.
      const QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, screen);
      accepted = dialog->exec() == QDialog::Accepted && dialog;
      delete dialog.data();
    }
    if (!accepted || !alive) return;
    if (PaintDesignSheet(SheetOf(*d), printer) == 0) {
      ShowMessage(screen, QObject::tr("无法打印：打印机没有接受本设计单。"), QObject::tr("打印"),
                  QMessageBox::Warning);
    }
  });
  QObject::connect(spice, &QAction::triggered, screen, [screen, current] {
    const auto d = current();
    if (!d) return;
    const auto model = ModelOrSay(screen, d->design);
    if (!model) return;
    SaveAs(screen, QObject::tr("导出SPICE模型"), Proposed(d->design, QStringLiteral(".lib")),
           QObject::tr("SPICE模型 (*.lib)"),
           [&model] { return QByteArray::fromStdString(model->Text); });
  });
  QObject::connect(copySpice, &QAction::triggered, screen, [screen, current] {
    const auto d = current();
    if (!d) return;
    const auto model = ModelOrSay(screen, d->design);
    if (!model) return;
    QApplication::clipboard()->setText(QString::fromStdString(model->Text));
  });
  return button;
}

}  // namespace qiro
