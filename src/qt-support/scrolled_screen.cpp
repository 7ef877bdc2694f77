#include "qt-support/scrolled_screen.h"

#include <QEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qiro {
namespace {

// A scroll area that asks for its content's whole size (a plain one caps its wish at a
// few dozen lines), so the window opens at the content's natural size wherever it fits.
class ScreenScrollArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    if (!widget()) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
  }

 protected:
  // The screen's layout keeps the hint it last asked for; a change of the content's layout
  // (a panel added after the form was set up) must reach it.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
  }
};

}  // namespace

QWidget* ScrolledContent(QWidget* screen) {
  auto* layout = new QVBoxLayout(screen);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new ScreenScrollArea(screen);
  scroll->setObjectName(QStringLiteral("screenScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  layout->addWidget(scroll);
  auto* content = new QWidget;
  scroll->setWidget(content);
  return content;
}

void AdoptContent(QWidget* screen, QWidget* content) {
  screen->setObjectName(content->objectName());
  screen->setWindowTitle(content->windowTitle());
  if (!content->windowIcon().isNull()) screen->setWindowIcon(content->windowIcon());
  content->setObjectName(QStringLiteral("screenContent"));
}

}  // namespace qiro
