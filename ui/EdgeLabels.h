// The coordinate labels along the main board's foot and left edge, drawn over the board
// picture in the skin's label colour: the letters and digits of the square names in the frame
// of the viewing side, or the digits of the status texts (game/SquareNames.h). Two thin
// strips outside the grid, so that no piece image ever lies under them.
#pragma once

#include <QWidget>

#include "game/SquareNames.h"
#include "ui/Assets.h"
#include "ui/BoardGeometry.h"

namespace tamsok {

class EdgeLabelStrip : public QWidget {
 public:
  enum class Edge { Foot, Left };

  EdgeLabelStrip(QWidget* board, const BoardGeometry& geometry, Edge edge);

  void Show(const EdgeLabels& labels, Skin skin);
  const EdgeLabels& Labels() const { return labels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const BoardGeometry& geometry_;
  Edge edge_;
  EdgeLabels labels_;
  Skin skin_ = Skin::Slate;
};

}  // namespace tamsok
