#pragma once
// Copying a screen's report as plain text: a "复制报告" entry in the report field's context
// menu, Ctrl+C in the field while nothing is selected, and the screen's own button.
#include <QObject>
#include <QString>
#include <functional>

class QPlainTextEdit;

namespace qiro {

// Puts the report on the clipboard with the desktop's line breaks (LF); nothing for an
// empty report.
void CopyReport(const QString& report);

class ReportCopy final : public QObject {
  Q_OBJECT

 public:
  // `report` gives the report to copy, empty while there is none. Owned by the field.
  ReportCopy(QPlainTextEdit* field, std::function<QString()> report);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowMenu(const QPoint& position);

  QPlainTextEdit* field_;
  std::function<QString()> report_;
};

}  // namespace qiro
