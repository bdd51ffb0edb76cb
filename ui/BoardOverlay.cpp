#include "ui/BoardOverlay.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/BoardMarks.h"

namespace tamsok {

namespace {

// Half the size of a square's cell, around its centre: every mark stays inside it.
constexpr int kCellHalfWidth = 27, kCellHalfHeight = 23;

}  // namespace

QRect SquareCell(const BoardGeometry& geometry, Square s) {
  const PixelPos corner = geometry.SquarePixel(s);
  const QPoint centre(corner.left + kPiecePictureSize / 2, corner.top + kPiecePictureSize / 2);
  return QRect(centre - QPoint(kCellHalfWidth, kCellHalfHeight),
               centre + QPoint(kCellHalfWidth, kCellHalfHeight));
}

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

void BoardOverlay::ShowTargets(const Board& board, const std::vector<Square>& targets) {
  const TargetGrid before = targetGrid_;
  targetGrid_ = {};
  targets_.clear();
  for (Square s : targets) {
    if (!OnBoard(s)) continue;
    targets_.push_back(s);
    targetGrid_[s.x][s.y] = board.OccupantAt(s) == kNoPiece ? TargetMark::Dot : TargetMark::Ring;
  }
  UpdateChanged(before, influence_);
}

void BoardOverlay::ClearTargets() {
  if (targets_.empty()) return;
  const TargetGrid before = targetGrid_;
  targetGrid_ = {};
  targets_.clear();
  UpdateChanged(before, influence_);
}

void BoardOverlay::ShowInfluence(const InfluenceMap& map) {
  const InfluenceMap before = influenceShown_ ? influence_ : InfluenceMap{};
  influence_ = map;
  influenceShown_ = true;
  UpdateChanged(targetGrid_, before);
}

void BoardOverlay::ClearInfluence() {
  if (!influenceShown_) return;
  const InfluenceMap before = influence_;
  influence_ = {};
  influenceShown_ = false;
  UpdateChanged(targetGrid_, before);
}

void BoardOverlay::UpdateChanged(const TargetGrid& beforeTargets,
                                 const InfluenceMap& beforeInfluence) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (beforeTargets[x][y] != targetGrid_[x][y] ||
          !(beforeInfluence.cells[x][y] == influence_.cells[x][y]))
        update(SquareCell(geometry_, {x, y}));
}

void BoardOverlay::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect dirty = event->rect();
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (SquareCell(geometry_, {x, y}).intersects(dirty))
        PaintSquareMarks(p, Centre(x, y), influence_.cells[x][y], targetGrid_[x][y]);
}

QString BoardOverlay::InfluenceLegend() {
  return InfluenceLegendText();
}

}  // namespace tamsok
