#include "ui/BoardOverlay.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace tamsok {

namespace {

// Every mark has a white halo and a dark hairline, so that it reads on the dark Slate board as
// on the light Wood, Marbtea and PBfoil ones. The hint blue is used by no skin and no camp.
const QColor kHint(0x15, 0x65, 0xC0);
const QColor kHalo(255, 255, 255, 235);
const QColor kInk(0x1A, 0x1A, 0x1A);
// Pixels from a square's centre. A piece picture is a disc of about 36 pixels; every mark
// stays inside its square's 55 x 47 cell.
constexpr qreal kRingRadius = 19.5;
constexpr qreal kDotRadius = 6.5;
constexpr int kCellHalfWidth = 27, kCellHalfHeight = 23;

QPen Pen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A filled shape with a halo and a hairline.
void DrawSticker(QPainter& p, const QPainterPath& path, const QColor& fill) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kHalo, 3.5));
  p.drawPath(path);
  p.setPen(Pen(kInk, 1));
  p.setBrush(fill);
  p.drawPath(path);
}

void DrawDot(QPainter& p, QPointF c) {
  QPainterPath dot;
  dot.addEllipse(c, kDotRadius, kDotRadius);
  DrawSticker(p, dot, kHint);
}

void DrawRing(QPainter& p, QPointF c) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kHalo, 5.5));
  p.drawEllipse(c, kRingRadius, kRingRadius);
  p.setPen(Pen(kHint, 3));
  p.drawEllipse(c, kRingRadius, kRingRadius);
}

}  // namespace

BoardOverlay::BoardOverlay(QWidget* parent, const BoardGeometry& geometry)
    : QWidget(parent), geometry_(geometry) {
  setObjectName(QStringLiteral("BoardOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

QPointF BoardOverlay::Centre(int x, int y) const {
  const PixelPos corner = geometry_.SquarePixel({x, y});
  return {corner.left + kPiecePictureSize / 2.0, corner.top + kPiecePictureSize / 2.0};
}

QRect BoardOverlay::CellRect(int x, int y) const {
  const QPointF c = Centre(x, y);
  return QRect(static_cast<int>(c.x()) - kCellHalfWidth, static_cast<int>(c.y()) - kCellHalfHeight,
               2 * kCellHalfWidth + 1, 2 * kCellHalfHeight + 1);
}

void BoardOverlay::ShowTargets(const Board& board, const std::vector<Square>& targets) {
  const TargetGrid before = targetGrid_;
  targetGrid_ = {};
  targets_.clear();
  for (Square s : targets) {
    if (!OnBoard(s)) continue;
    targets_.push_back(s);
    targetGrid_[s.x][s.y] = board.OccupantAt(s) == kNoPiece ? TargetMark::Dot : TargetMark::Ring;
  }
  UpdateChanged(before);
}

void BoardOverlay::ClearTargets() {
  if (targets_.empty()) return;
  const TargetGrid before = targetGrid_;
  targetGrid_ = {};
  targets_.clear();
  UpdateChanged(before);
}

void BoardOverlay::UpdateChanged(const TargetGrid& before) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (before[x][y] != targetGrid_[x][y]) update(CellRect(x, y));
}

void BoardOverlay::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect dirty = event->rect();
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      if (!CellRect(x, y).intersects(dirty)) continue;
      const QPointF c = Centre(x, y);
      if (targetGrid_[x][y] == TargetMark::Dot) DrawDot(p, c);
      if (targetGrid_[x][y] == TargetMark::Ring) DrawRing(p, c);
    }
  }
}

}  // namespace tamsok
