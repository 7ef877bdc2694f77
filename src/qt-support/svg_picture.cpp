#include "qt-support/svg_picture.h"

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

QPixmap RenderDrawing(const QString& path, QSize size, qreal pixelRatio, const QColor& background) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  if (size.isEmpty()) size = renderer.defaultSize();
  QPixmap pixmap(size * pixelRatio);
  pixmap.setDevicePixelRatio(pixelRatio);
  pixmap.fill(background);
  QPainter painter(&pixmap);
  QSizeF drawn = renderer.defaultSize();
  drawn.scale(QSizeF(size), Qt::KeepAspectRatio);
  renderer.render(&painter, QRectF(QPointF((size.width() - drawn.width()) / 2,
                                           (size.height() - drawn.height()) / 2),
                                   drawn));
  return pixmap;
}

}  // namespace qiro
