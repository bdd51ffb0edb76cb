#include "ui/MoveArrows.h"

#include <QPainter>

#include <cmath>

#include "ui/BoardMarks.h"

namespace tamsok {

namespace {

constexpr int kBoardPictureHeight = 512;
constexpr qreal kArrowWidth = 7;
constexpr int kBadgeRoom = 80;  // a score's label may stand this far beside the arrow

}  // namespace

MoveArrows::MoveArrows(QWidget* board, const BoardGeometry& geometry, const char* name)
    : QWidget(board), geometry_(geometry) {
  setObjectName(QString::fromUtf8(name));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(0, 0, board->width(), kBoardPictureHeight);
  show();
}

QRect MoveArrows::Bounds(const std::vector<SceneArrow>& arrows) const {
  QRect r;
  for (const SceneArrow& a : arrows)
    r |= QRectF(SquareCentre(geometry_, a.from), SquareCentre(geometry_, a.to))
             .normalized()
             .toAlignedRect()
             .adjusted(-kBadgeRoom, -kBadgeRoom, kBadgeRoom, kBadgeRoom);
  return r;
}

void MoveArrows::Show(std::vector<SceneArrow> arrows) {
  const QRect before = Bounds(arrows_);
  arrows_ = std::move(arrows);
  const QRect dirty = before | Bounds(arrows_);
  if (!dirty.isEmpty()) update(dirty);
}

void MoveArrows::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // An arrow that leaves the same square in the same direction as one before it is drawn
  // beside it, so that both show.
  std::vector<QPointF> shift(arrows_.size());
  for (std::size_t i = 0; i < arrows_.size(); ++i) {
    const QPointF d =
        SquareCentre(geometry_, arrows_[i].to) - SquareCentre(geometry_, arrows_[i].from);
    const qreal length = std::hypot(d.x(), d.y());
    if (length == 0) continue;
    int before = 0;
    for (std::size_t j = 0; j < i; ++j) {
      const QPointF e =
          SquareCentre(geometry_, arrows_[j].to) - SquareCentre(geometry_, arrows_[j].from);
      before += arrows_[j].from == arrows_[i].from && std::abs(d.x() * e.y() - d.y() * e.x()) < 1 &&
                d.x() * e.x() + d.y() * e.y() > 0;
    }
    shift[i] = QPointF(-d.y(), d.x()) / length * (kArrowWidth + 3) * before;
  }
  // The weakest first, so that the best lies on top.
  for (std::size_t k = arrows_.size(); k-- > 0;) {
    const SceneArrow& a = arrows_[k];
    if (OnBoard(a.from) && OnBoard(a.to))
      PaintMoveArrow(p, SquareCentre(geometry_, a.from) + shift[k],
                     SquareCentre(geometry_, a.to) + shift[k], a.colour, kArrowWidth, a.badge);
  }
}

}  // namespace tamsok
