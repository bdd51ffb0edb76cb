// Move arrows over the main board: the analysis' best moves with their scores, the review's
// better move. The layer lets every mouse event through to the pieces and repaints only where
// its arrows were or are.
#pragma once

#include <vector>

#include <QWidget>

#include "ui/BoardScene.h"

namespace tamsok {

class MoveArrows : public QWidget {
 public:
  MoveArrows(QWidget* board, const BoardGeometry& geometry, const char* name);

  // View squares of the board's current frame.
  void Show(std::vector<SceneArrow> arrows);
  void Clear() { Show({}); }
  const std::vector<SceneArrow>& Arrows() const { return arrows_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect Bounds(const std::vector<SceneArrow>& arrows) const;

  const BoardGeometry& geometry_;
  std::vector<SceneArrow> arrows_;
};

}  // namespace tamsok
