#pragma once
// "导出": the design a screen shows leaves the program only when the user asks and picks the
// place — as a PDF design sheet, on paper, or as a SPICE model in a file or on the clipboard.
#include <QStringList>
#include <functional>
#include <optional>

#include "design/analysis/design_curves.h"
#include "workbench/DesignCurves.h"

class QPrinter;
class QWidget;

namespace qiro {

class AssessmentPanel;

struct ExportedDesign {
  CurveDesign design;
  QStringList report;      // as the screen shows it
  QStringList assessment;  // the assessment panel's lines
  double ambientTemperature = 25;
};

// The screen's "导出" button (objectName cmdExport) with its menu. `current` says what the
// screen shows now; while it shows no design the entries are unavailable.
QWidget* MakeExportButton(QWidget* screen,
                              std::function<std::optional<ExportedDesign>()> current);

// What a screen shows now: its design (none while it shows a note), its report, and its
// assessment panel's lines. The references are the screen's own members, and the screen owns
// the button that asks.
std::function<std::optional<ExportedDesign>()> ShownDesign(const CurveSubject& subject,
                                                           const QString& report,
                                                           const AssessmentPanel& panel);

// A report's text as its lines (CR LF or LF), without a last empty one.
QStringList ReportLines(const QString& report);

// Replaces the print dialog (tests): the sink gets the printer and says whether to print.
void SetPrintDialogSink(std::function<bool(QPrinter&)> sink);

}  // namespace qiro
