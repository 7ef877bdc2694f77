#include "workbench/report_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <utility>

namespace qiro {

void CopyReport(const QString& report) {
  if (report.isEmpty()) return;
  // The reports end their lines in CR LF; pasted on this desktop that would leave a stray
  // carriage return at each line's end.
  QString text = report;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QApplication::clipboard()->setText(text);
}

ReportCopy::ReportCopy(QPlainTextEdit* field, std::function<QString()> report)
    : QObject(field), field_(field), report_(std::move(report)) {
  field_->installEventFilter(this);
  field_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(field_, &QWidget::customContextMenuRequested, this, &ReportCopy::ShowMenu);
}

bool ReportCopy::eventFilter(QObject* watched, QEvent* event) {
  // With a selection Ctrl+C copies that part, as in any text field; without one there is
  // nothing else it could mean than the whole report.
  if (watched == field_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
      !field_->textCursor().hasSelection()) {
    CopyReport(report_());
    return true;
  }
  return false;
}

void ReportCopy::ShowMenu(const QPoint& position) {
  // Not run in a nested event loop: the menu goes with its field if the screen closes first.
  QMenu* menu = field_->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addSeparator();
  QAction* copy = menu->addAction(tr("复制报告"));
  copy->setObjectName(QStringLiteral("actCopyReport"));
  const QString report = report_();
  copy->setEnabled(!report.isEmpty());
  connect(copy, &QAction::triggered, menu, [report] { CopyReport(report); });
  // Scroll areas report the position in their viewport's coordinates.
  menu->popup(field_->viewport()->mapToGlobal(position));
}

}  // namespace qiro
