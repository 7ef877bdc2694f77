#pragma once
// Reading the design curves window as a user reads it (which chart or note is shown, the
// points of each series, the texts) and copying a report through the context menu.
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointF>
#include <QStackedWidget>
#include <QXYSeries>

#include "workbench/DesignCurves.h"

namespace qiro::testing {

// The curves window a screen opened, or null.
inline DesignCurves* CurvesOf(QWidget* screen) { return screen->findChild<DesignCurves*>(); }

// The series of that name in the chart of that name.
inline QXYSeries* SeriesIn(QWidget* window, const char* chart, const char* series) {
  auto* view = window->findChild<QChartView*>(QString::fromLatin1(chart));
  if (!view) qFatal("no chart named %s", chart);
  for (QAbstractSeries* s : view->chart()->series()) {
    if (s->objectName() == QLatin1String(series)) return static_cast<QXYSeries*>(s);
  }
  qFatal("no series named %s", series);
}

inline QList<QPointF> PointsOf(QWidget* window, const char* chart, const char* series) {
  return SeriesIn(window, chart, series)->points();
}

// The note shown in place of all charts, or empty while the charts are shown.
inline QString WindowNote(QWidget* window) {
  auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("stkCurves"));
  if (stack->currentWidget()->objectName() != QLatin1String("pageNote")) return {};
  return window->findChild<QLabel*>(QStringLiteral("labNote"))->text();
}

// The note shown in place of one chart ("stkLoss" …), or empty while its chart is shown.
inline QString ChartNote(QWidget* window, const char* stack) {
  auto* s = window->findChild<QStackedWidget*>(QString::fromLatin1(stack));
  auto* note = qobject_cast<QLabel*>(s->currentWidget());
  return note ? note->text() : QString();
}

inline QString LabelText(QWidget* window, const char* name) {
  return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

inline QString Clipboard() { return QApplication::clipboard()->text(); }

// Right-clicks the field and picks "复制报告"; false when the entry is missing or unavailable.
inline bool CopyThroughContextMenu(QPlainTextEdit* field) {
  QWidget* viewport = field->viewport();
  const QPoint at = viewport->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
  QApplication::sendEvent(viewport, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return false;
  auto* action = menu->findChild<QAction*>(QStringLiteral("actCopyReport"));
  const bool available = action && action->isEnabled() && menu->actions().contains(action);
  if (available) action->trigger();
  menu->close();
  return available;
}

}  // namespace qiro::testing
