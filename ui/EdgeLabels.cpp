#include "ui/EdgeLabels.h"

#include <QPainter>

#include "ui/BoardMarks.h"
#include "ui/BoardScene.h"

namespace tamsok {

namespace {

constexpr int kStripHalf = 9;  // half the strip's thickness, around the labels' centre line

QRect BoardRect(const BoardGeometry& geometry) {
  return SceneRect(geometry, {0, 0}, {kBoardSize - 1, kBoardSize - 1});
}

}  // namespace

EdgeLabelStrip::EdgeLabelStrip(QWidget* board, const BoardGeometry& geometry, Edge edge)
    : QWidget(board), geometry_(geometry), edge_(edge) {
  setObjectName(edge == Edge::Foot ? QStringLiteral("ColumnLabels") : QStringLiteral("RowLabels"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void EdgeLabelStrip::Show(const EdgeLabels& labels, Skin skin) {
  labels_ = labels;
  skin_ = skin;
  // The geometry is known once the window has built its pixel tables.
  const QRect board = BoardRect(geometry_);
  if (edge_ == Edge::Foot)
    setGeometry(board.left() + kLabelMargin, ColumnLabelY(board) - kStripHalf,
                board.width() - kLabelMargin, 2 * kStripHalf);
  else
    setGeometry(RowLabelX(board) - kStripHalf, board.top(), 2 * kStripHalf,
                board.height() - kLabelMargin);
  update();
}

void EdgeLabelStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(-pos());
  const QRect board = BoardRect(geometry_);
  for (int i = 0; i < kBoardSize; ++i) {
    const QPointF c = SquareCentre(geometry_, {i, i});
    if (edge_ == Edge::Foot)
      PaintEdgeLabel(p, QPointF(c.x(), ColumnLabelY(board)), QChar(labels_.columns[i]), skin_);
    else
      PaintEdgeLabel(p, QPointF(RowLabelX(board), c.y()), QChar(labels_.rows[i]), skin_);
  }
}

}  // namespace tamsok
