#include "ui/MoveNames.h"

#include "engine/Engine.h"
#include "rules/Catalogue.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

QString MoveForPeople(const engine::Position& pos, engine::Move m, SquareNaming naming,
                      int viewSide, bool camp) {
  if (m.IsNone()) return Tr(ui_text::kPass);
  const PieceId piece = pos.PieceAt(m.From());
  if (piece == kNoPiece) return QString::fromStdString(engine::MoveText(m));
  const QString squares = QString::fromStdString(
      MoveName(naming, viewSide, engine::ToViewSquare(viewSide, m.From()),
               engine::ToViewSquare(viewSide, m.To()), pos.PieceAt(m.To()) != kNoPiece));
  const QString kind = Tr(KindName(KindOf(piece)));
  if (!camp) return Tr(ui_text::kKindMove).arg(kind, squares);
  return Tr(ui_text::kCampKindMove).arg(Tr(CampName(CampOf(piece))), kind, squares);
}

}  // namespace tamsok
