// The marks drawn over the board. While a piece is held: the squares it may go to, a dot on an
// empty square and a ring around a piece it may capture. With "Show influence": the pieces
// that cannot be captured (cloaked) or cannot move (frozen), and the squares where either
// camp's Lightning may land or strike. The overlay lies above the piece images and below a
// dragged one, lets every mouse event through, and repaints only the squares whose marks
// change. Every mark is drawn in its square's cell, so the marks read the same from all four
// viewing sides.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QWidget>

#include "rules/Board.h"
#include "rules/Influence.h"
#include "ui/BoardGeometry.h"
#include "ui/BoardMarks.h"

namespace tamsok {

// The cell of a view square: 55 x 47 pixels around its centre, where every mark of the square
// is drawn (the overlay's, the last move's outline, the keyboard's cursor).
QRect SquareCell(const BoardGeometry& geometry, Square s);

class BoardOverlay : public QWidget {
 public:
  // Covers the board picture of `parent`; squares are placed by `geometry`.
  BoardOverlay(QWidget* parent, const BoardGeometry& geometry);

  // Marks `targets`, view squares of `board`: a ring where a piece stands, a dot elsewhere.
  void ShowTargets(const Board& board, const std::vector<Square>& targets);
  void ClearTargets();
  const std::vector<Square>& Targets() const { return targets_; }

  void ShowInfluence(const InfluenceMap& map);
  void ClearInfluence();
  bool InfluenceShown() const { return influenceShown_; }
  const InfluenceMap& Influence() const { return influence_; }

  // The legend of the influence marks: rich text with a picture of each mark.
  static QString InfluenceLegend();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  using TargetGrid = std::array<std::array<TargetMark, kBoardSize>, kBoardSize>;

  QPointF Centre(int x, int y) const;
  // Repaints the cells where the marks of `before` and the current ones differ.
  void UpdateChanged(const TargetGrid& beforeTargets, const InfluenceMap& beforeInfluence);

  const BoardGeometry& geometry_;
  std::vector<Square> targets_;
  TargetGrid targetGrid_{};
  InfluenceMap influence_;
  bool influenceShown_ = false;
};

}  // namespace tamsok
