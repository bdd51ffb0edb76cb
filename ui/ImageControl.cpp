#include "ui/ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/BoardGeometry.h"

namespace tamsok {

ImageControl::ImageControl(QWidget* parent, const QString& name, QSize size) : QWidget(parent) {
  setObjectName(name);
  resize(size);
}

void ImageControl::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void ImageControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
  } else {
    painter.drawPixmap(0, 0, picture_);
  }
}

PieceImageControl::PieceImageControl(QWidget* parent, const QString& name, int tag,
                                     PieceMouseHandler& handler)
    : ImageControl(parent, name, QSize(kPieceImageSize, kPieceImageSize)),
      tag_(tag),
      handler_(handler) {}

void PieceImageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  handler_.KimulMouseDown(*this, event->button(), event->buttons(), event->modifiers(), p.x(),
                          p.y());
}

void PieceImageControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  handler_.KimulMouseMove(*this, event->buttons(), event->modifiers(), p.x(), p.y());
}

void PieceImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  handler_.KimulMouseUp(*this, event->button(), event->buttons(), event->modifiers(), p.x(), p.y());
}

}  // namespace tamsok
