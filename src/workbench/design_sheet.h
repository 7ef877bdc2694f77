#pragma once
// The design sheet: one design on A4 pages for a colleague — title, inputs, the report as
// the screen shows it, the assessment, and the curves drawn as vector graphics — written
// to a PDF file or sent to a printer.
#include <QString>
#include <QStringList>
#include <optional>

#include "design/analysis/design_curves.h"

class QPagedPaintDevice;
class QPrinter;

namespace qiro {

struct DesignSheet {
  QString title;
  QStringList inputs;      // "平均电流：10 A", …
  QStringList report;      // the report's lines, as shown
  QStringList assessment;  // the assessment panel's lines, verdicts in words
  std::optional<CurveDesign> curves;
  double ambientTemperature = 25;
};

// The sheet of a design: title and inputs from its record; report and assessment as given.
DesignSheet MakeDesignSheet(const CurveDesign& design, const QStringList& report,
                            const QStringList& assessment, double ambientTemperature);

// Paints the sheet on the device's pages (a PDF writer or a printer). Returns the page count.
int PaintDesignSheet(const DesignSheet& sheet, QPagedPaintDevice& device);

// The sheet as PDF file contents (A4).
QByteArray DesignSheetPdf(const DesignSheet& sheet);

// "<part number>_<turns>T.pdf", or with another ending.
QString DesignFileName(const CurveDesign& design, const QString& ending);

}  // namespace qiro
