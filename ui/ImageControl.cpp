#include "ui/ImageControl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "ui/BoardGeometry.h"

namespace tamsok {

ImageControl::ImageControl(QWidget* parent, const QString& name, QSize size) : QWidget(parent) {
  setObjectName(name);
  resize(size);
}

void ImageControl::SetPicture(const QPixmap& picture) {
  source_ = nullptr;
  picture_ = picture;
  update();
}

void ImageControl::SetPictureSource(std::function<QPixmap()> source) {
  source_ = std::move(source);
  picture_ = QPixmap();
  update();
}

const QPixmap& ImageControl::Picture() const {
  if (source_) {
    picture_ = source_();
    source_ = nullptr;
  }
  return picture_;
}

void ImageControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void ImageControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QRect drawn;
  if (firstPaint_ && source_) {
    drawn = firstPaint_(painter, event->rect());
    firstPaint_ = nullptr;
    QTimer::singleShot(0, this, [this] { Picture(); });
  } else if (const QPixmap& picture = Picture(); !picture.isNull()) {
    // A picture drawn for a finer screen covers its own size in pixels of the window.
    drawn = stretch_ ? rect() : QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
    if (stretch_) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(drawn, picture);
  }
  // An opaque control covers its whole area, also where its picture does not reach.
  if (testAttribute(Qt::WA_OpaquePaintEvent))
    for (const QRect& bare : QRegion(event->rect()).subtracted(drawn))
      painter.fillRect(bare, palette().color(QPalette::Window));
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
