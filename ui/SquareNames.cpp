#include "ui/SquareNames.h"

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

QString SquareName(int viewSide, Square view) {
  return QString::fromStdString(engine::SquareText(ToCanonical(viewSide, view)));
}

std::optional<engine::MoveSquares> ParseTypedMove(int viewSide, const QString& typed) {
  QString text = typed.toLower();
  text.remove(u' ');
  return engine::ParseMoveTextToView(viewSide, text.toStdString());
}

QString PieceAccessibleName(const Board& board, PieceId p) {
  const QString camp = Tr(CampName(CampOf(p))), kind = Tr(KindName(KindOf(p)));
  if (!board.InPlay[p]) return Tr(ui_text::kPieceCaptured).arg(camp, kind);
  if (OnBoard(board.PiecePos[p]))
    return Tr(ui_text::kPieceOnSquare)
        .arg(camp, kind, SquareName(board.ViewSide, board.PiecePos[p]));
  return Tr(ui_text::kPieceOffBoard).arg(camp, kind);
}

}  // namespace tamsok
