#include "ui/BoardScene.h"

#include <QPainter>

#include <algorithm>

#include "rules/Catalogue.h"
#include "ui/BoardMarks.h"

namespace tamsok {

QPointF SquareCentre(const BoardGeometry& geometry, Square s) {
  const PixelPos corner = geometry.SquarePixel(s);
  return {corner.left + kPiecePictureSize / 2.0, corner.top + kPiecePictureSize / 2.0};
}

QRect SceneRect(const BoardGeometry& geometry, Square first, Square last) {
  const QPointF a = SquareCentre(geometry, first), b = SquareCentre(geometry, last);
  const int left = static_cast<int>(std::min(a.x(), b.x())) - kCellHalfWidth - kLabelMargin;
  const int right = static_cast<int>(std::max(a.x(), b.x())) + kCellHalfWidth;
  const int top = static_cast<int>(std::min(a.y(), b.y())) - kCellHalfHeight;
  const int bottom = static_cast<int>(std::max(a.y(), b.y())) + kCellHalfHeight + kLabelMargin;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

int ColumnLabelY(const QRect& rect) {
  return rect.bottom() - kLabelMargin / 2;
}

int RowLabelX(const QRect& rect) {
  return rect.left() + kLabelMargin / 2;
}

void PaintBoardScene(QPainter& p, const BoardGeometry& geometry, const BoardScene& scene,
                     const SceneLook& look, const QRect& rect) {
  p.save();
  p.drawPixmap(QPoint(0, 0), look.picture, rect);
  p.translate(-rect.topLeft());
  p.setRenderHint(QPainter::Antialiasing);
  const Board& board = scene.board;
  auto cell = [&](Square s) {
    const QPointF c = SquareCentre(geometry, s);
    return QRectF(c.x() - kCellHalfWidth, c.y() - kCellHalfHeight, 2 * kCellHalfWidth + 1,
                  2 * kCellHalfHeight + 1);
  };

  if (!scene.area.empty()) {
    QColor fill = scene.areaColour;
    fill.setAlpha(70);
    QRectF outline;
    for (Square s : scene.area) {
      p.fillRect(cell(s), fill);
      outline = outline.united(cell(s));
    }
    QColor edge = scene.areaColour;
    edge.setAlpha(220);
    p.setPen(QPen(edge, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outline.adjusted(1, 1, -1, -1));
  }

  for (PieceId piece = 0; piece < kPieceCount; ++piece) {
    if (!board.StandsOnBoard(piece) || piece == scene.lifted) continue;
    const PixelPos corner = geometry.SquarePixel(board.PiecePos[piece]);
    p.drawPixmap(corner.left, corner.top, PiecePicture(CampOf(piece), KindOf(piece)));
  }

  TargetMark marks[kBoardSize][kBoardSize]{};
  for (Square s : scene.targets)
    if (OnBoard(s))
      marks[s.x][s.y] = board.OccupantAt(s) == kNoPiece ? TargetMark::Dot : TargetMark::Ring;
  const InfluenceMap none;
  const InfluenceMap& influence = scene.influence ? *scene.influence : none;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (rect.intersects(cell({x, y}).toAlignedRect()))
        PaintSquareMarks(p, SquareCentre(geometry, {x, y}), influence.cells[x][y], marks[x][y]);

  for (const SceneArrow& arrow : scene.arrows)
    PaintMoveArrow(p, SquareCentre(geometry, arrow.from), SquareCentre(geometry, arrow.to),
                   arrow.colour, 6, arrow.badge);

  if (scene.lifted != kNoPiece)
    p.drawPixmap(scene.liftedCorner, PiecePicture(CampOf(scene.lifted), KindOf(scene.lifted)));

  // The labels of the columns and rows the rectangle shows, in its margins.
  p.fillRect(QRect(rect.left(), rect.top(), kLabelMargin, rect.height()), LabelBacking(look.skin));
  p.fillRect(QRect(rect.left() + kLabelMargin, rect.bottom() - kLabelMargin + 1,
                   rect.width() - kLabelMargin, kLabelMargin),
             LabelBacking(look.skin));
  const EdgeLabels labels = BoardEdgeLabels(look.naming, board.ViewSide);
  for (int i = 0; i < kBoardSize; ++i) {
    const QPointF c = SquareCentre(geometry, {i, i});
    if (c.x() > rect.left() + kLabelMargin && c.x() < rect.right())
      PaintEdgeLabel(p, QPointF(c.x(), ColumnLabelY(rect)), QChar(labels.columns[i]), look.skin);
    if (c.y() > rect.top() && c.y() < rect.bottom() - kLabelMargin)
      PaintEdgeLabel(p, QPointF(RowLabelX(rect), c.y()), QChar(labels.rows[i]), look.skin);
  }
  p.restore();
}

std::pair<Square, Square> SceneBlock(const BoardScene& scene, int border, int minSquares) {
  int x0 = kBoardSize, y0 = kBoardSize, x1 = -1, y1 = -1;
  auto take = [&](Square s) {
    if (!OnBoard(s)) return;
    x0 = std::min(x0, s.x), y0 = std::min(y0, s.y);
    x1 = std::max(x1, s.x), y1 = std::max(y1, s.y);
  };
  for (PieceId p = 0; p < kPieceCount; ++p)
    if (scene.board.StandsOnBoard(p)) take(scene.board.PiecePos[p]);
  for (Square s : scene.targets)
    take(s);
  for (Square s : scene.area)
    take(s);
  if (scene.influence)
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (!(scene.influence->cells[x][y] == SquareInfluence{})) take({x, y});
  if (x1 < 0) return {{0, 0}, {kBoardSize - 1, kBoardSize - 1}};
  auto grow = [&](int& lo, int& hi) {
    lo = std::max(0, lo - border);
    hi = std::min(kBoardSize - 1, hi + border);
    while (hi - lo + 1 < minSquares && (lo > 0 || hi < kBoardSize - 1)) {
      if (lo > 0) --lo;
      if (hi - lo + 1 < minSquares && hi < kBoardSize - 1) ++hi;
    }
  };
  grow(x0, x1);
  grow(y0, y1);
  return {{x0, y0}, {x1, y1}};
}

}  // namespace tamsok
