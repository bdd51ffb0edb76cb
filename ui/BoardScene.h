// A board drawn as one picture by the program's own painter: the skin's picture, the pieces,
// the marks of the main board's overlay, tinted areas of influence, move arrows and the edge
// labels. The rules window draws its diagrams and its practice board with it, so that they
// show what the main board would show for the same position, in the chosen skin and naming.
//
// Pixels are those of the board picture (the main window's client area): square (x, y) of
// the board's view frame is centred on (144 + 55 x, 44 + 47 y).
#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include "game/SquareNames.h"
#include "rules/Board.h"
#include "rules/Influence.h"
#include "ui/Assets.h"
#include "ui/BoardGeometry.h"

class QPainter;

namespace tamsok {

struct SceneArrow {
  Square from, to;  // view squares
  QColor colour;
  QString badge;  // a score, or nothing
};

struct BoardScene {
  Board board;                            // rebuilt; squares in the frame of board.ViewSide
  std::vector<Square> targets;            // a dot on an empty square, a ring on a piece
  std::optional<InfluenceMap> influence;  // the overlay's badges and diamonds
  std::vector<Square> area;               // squares tinted with areaColour
  QColor areaColour;
  std::vector<SceneArrow> arrows;
  // A piece being dragged: drawn last, with its picture's corner at `liftedCorner`, not on
  // its square.
  PieceId lifted = kNoPiece;
  QPoint liftedCorner;
};

struct SceneLook {
  Skin skin = Skin::Slate;
  SquareNaming naming = SquareNaming::Letters;
  QPixmap picture;  // the skin's board picture
};

// The margin, in pixels, left of the first column and under the last row of a scene's
// rectangle, where the edge labels stand.
inline constexpr int kLabelMargin = 20;
// Half a square's cell around its centre: the cells of neighbouring squares touch.
inline constexpr int kCellHalfWidth = 27, kCellHalfHeight = 23;

// The centre of a view square's cell.
QPointF SquareCentre(const BoardGeometry& geometry, Square s);
// The picture's rectangle that shows the squares from `first` to `last` (view squares, the
// corners of a block) with the label margins.
QRect SceneRect(const BoardGeometry& geometry, Square first, Square last);
// Where the labels of a rectangle stand: the column labels' centre line and the row labels'.
int ColumnLabelY(const QRect& rect);
int RowLabelX(const QRect& rect);

// Draws the part `rect` of the scene with the rectangle's corner at the painter's origin.
void PaintBoardScene(QPainter& p, const BoardGeometry& geometry, const BoardScene& scene,
                     const SceneLook& look, const QRect& rect);

// The smallest block of squares that holds every piece, target, tinted square and marked
// square of the scene, grown by `border` squares and clipped to the board; at least
// `minSquares` squares each way where the board allows.
std::pair<Square, Square> SceneBlock(const BoardScene& scene, int border, int minSquares);

}  // namespace tamsok
