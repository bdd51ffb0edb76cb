// A picture control placed at a fixed pixel position in a window: it draws its picture at its
// top-left corner (or stretched over its whole area) and nothing else, so whatever lies below
// shows through the picture's transparent pixels.
#pragma once

#include <functional>

#include <QPixmap>
#include <QWidget>

namespace tamsok {

class ImageControl : public QWidget {
 public:
  ImageControl(QWidget* parent, const QString& name, QSize size);

  void SetPicture(const QPixmap& picture);
  // Makes the picture on first use: the first paint that reaches the control (a control hidden
  // or wholly covered by an opaque one is not painted) or the first call of Picture().
  void SetPictureSource(std::function<QPixmap()> source);
  const QPixmap& Picture() const;
  // With a picture source: draws the control's first paint without making the picture (say,
  // straight from the picture's file) and returns the rectangle it covered. The picture is
  // made just after that paint, ready for the paints to come.
  using FirstPaint = std::function<QRect(QPainter& painter, const QRect& clip)>;
  void SetFirstPaint(FirstPaint paint) { firstPaint_ = std::move(paint); }
  // True while a picture source waits for its first use.
  bool PicturePending() const { return static_cast<bool>(source_); }
  // Draws the picture scaled to the control instead of at its own size.
  void SetStretch(bool stretch);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  mutable QPixmap picture_;
  mutable std::function<QPixmap()> source_;
  FirstPaint firstPaint_;
  bool stretch_ = false;
};

class PieceImageControl;

// Receives the mouse events of the piece images. X and Y are relative to the image that got
// the press; Qt keeps sending the moves and the release to that image while a button is held.
class PieceMouseHandler {
 public:
  virtual ~PieceMouseHandler() = default;
  virtual void KimulMouseDown(PieceImageControl& image, Qt::MouseButton button,
                              Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, int X,
                              int Y) = 0;
  virtual void KimulMouseMove(PieceImageControl& image, Qt::MouseButtons buttons,
                              Qt::KeyboardModifiers keys, int X, int Y) = 0;
  virtual void KimulMouseUp(PieceImageControl& image, Qt::MouseButton button,
                            Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, int X, int Y) = 0;
};

// One of the 60 piece images: 41 x 41, Tag = PieceId + 1.
class PieceImageControl : public ImageControl {
 public:
  PieceImageControl(QWidget* parent, const QString& name, int tag, PieceMouseHandler& handler);

  int Tag() const { return tag_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int tag_;
  PieceMouseHandler& handler_;
};

}  // namespace tamsok
