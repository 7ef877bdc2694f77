#pragma once
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

}  // namespace qiro
