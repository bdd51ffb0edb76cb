#include "ui/SquareNames.h"

#include "rules/Frames.h"

namespace tamsok {

QString SquareName(int viewSide, Square view) {
  return QString::fromStdString(engine::SquareText(ToCanonical(viewSide, view)));
}

std::optional<engine::MoveSquares> ParseTypedMove(int viewSide, const QString& typed) {
  QString text = typed.toLower();
  text.remove(u' ');
  return engine::ParseMoveTextToView(viewSide, text.toStdString());
}

}  // namespace tamsok
