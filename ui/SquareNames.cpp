#include "ui/SquareNames.h"

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

namespace {

SquareNaming currentNaming = SquareNaming::Letters;  // the window's thread only

}  // namespace

void SetSquareNaming(SquareNaming naming) {
  currentNaming = naming;
}

SquareNaming CurrentSquareNaming() {
  return currentNaming;
}

QString SquareName(int viewSide, Square view) {
  return QString::fromStdString(SquareName(currentNaming, viewSide, view));
}

std::optional<engine::MoveSquares> ParseTypedMove(int viewSide, const QString& typed) {
  QString text = typed.toLower();
  text.remove(u' ');
  text.remove(QStringLiteral("->"));
  text.remove(u'-');
  if (currentNaming == SquareNaming::Digits && text.size() == 8) {
    const std::string t = text.toStdString();
    const std::optional<Square> from = ParseSquareName(currentNaming, viewSide, t.substr(0, 4));
    const std::optional<Square> to = ParseSquareName(currentNaming, viewSide, t.substr(4, 4));
    if (from && to) return engine::MoveSquares{*from, *to};
  }
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
