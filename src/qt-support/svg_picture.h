#pragma once
#include <QColor>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace qiro {

// A static drawing from the resources, scaled to the widget and kept in proportion, drawn
// from the vector data at every size so it stays sharp on HiDPI screens.
class SvgPicture final : public QWidget {
  Q_OBJECT

 public:
  explicit SvgPicture(QWidget* parent = nullptr);

  // False when the file is missing or not a drawing; the picture then stays blank.
  bool load(const QString& path);
  bool hasDrawing() const { return renderer_.isValid(); }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
};

// A drawing from the resources as a pixmap for a label or an icon: fitted into `size` in
// proportion and centred (the drawing's own size when `size` is empty), at the screen's
// pixel ratio so it stays sharp. Empty when the drawing cannot be read.
QPixmap RenderDrawing(const QString& path, QSize size, qreal pixelRatio,
                      const QColor& background = Qt::transparent);

}  // namespace qiro
