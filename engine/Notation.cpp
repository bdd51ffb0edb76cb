#include "engine/Notation.h"

#include "rules/Frames.h"

namespace tamsok::engine {

std::string SquareText(Square s) {
  return {static_cast<char>('a' + s.x), static_cast<char>('0' + s.y)};
}

std::optional<Square> ParseSquareText(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  const char file = text[0], row = text[1];
  if (file < 'a' || file > 'j' || row < '0' || row > '9') return std::nullopt;
  return Square{file - 'a', row - '0'};
}

std::string MoveText(Square from, Square to) {
  return SquareText(from) + SquareText(to);
}

std::optional<MoveSquares> ParseMoveText(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  const auto from = ParseSquareText(text.substr(0, 2));
  const auto to = ParseSquareText(text.substr(2, 2));
  if (!from || !to) return std::nullopt;
  return MoveSquares{*from, *to};
}

std::string MoveTextFromView(int viewSide, Square fromView, Square toView) {
  return MoveText(ToCanonical(viewSide, fromView), ToCanonical(viewSide, toView));
}

std::optional<MoveSquares> ParseMoveTextToView(int viewSide, std::string_view text) {
  auto m = ParseMoveText(text);
  if (m) *m = {FromCanonical(viewSide, m->from), FromCanonical(viewSide, m->to)};
  return m;
}

}  // namespace tamsok::engine
