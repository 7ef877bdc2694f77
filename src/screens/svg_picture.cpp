#include "screens/svg_picture.h"

#include <QPainter>

namespace qiro {

SvgPicture::SvgPicture(QWidget* parent) : QWidget(parent) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

bool SvgPicture::load(const QString& path) {
  const bool loaded = renderer_.load(path);
  updateGeometry();
  update();
  return loaded;
}

QSize SvgPicture::sizeHint() const {
  return renderer_.isValid() ? renderer_.defaultSize() : QWidget::sizeHint();
}

void SvgPicture::paintEvent(QPaintEvent* /*event*/) {
  if (!renderer_.isValid()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
}

}  // namespace qiro
