#include "engine/Engine.h"

#include "engine/Notation.h"

namespace tamsok::engine {

BoardMove ToBoardMove(const Position& pos, Move m, int viewSide) {
  if (m.IsNone()) return {};
  return {pos.PieceAt(m.From()), ToViewSquare(viewSide, m.From()), ToViewSquare(viewSide, m.To())};
}

std::vector<Square> LegalTargets(const Board& board, PieceId piece) {
  std::vector<Square> squares;
  if (!board.StandsOnBoard(piece)) return squares;
  const Position pos = Position::FromBoard(board, CampOf(piece));
  for (Bits t = Targets(pos, piece); t;)
    squares.push_back(ToViewSquare(board.ViewSide, PopLowest(t)));
  return squares;
}

std::string MoveText(Move m) {
  if (m.IsNone()) return std::string(kPassText);
  return MoveText(Square{FileOf(m.From()), RowOf(m.From())}, Square{FileOf(m.To()), RowOf(m.To())});
}

std::optional<Move> ParseMove(std::string_view text) {
  if (text == kPassText) return Move();
  const auto m = ParseMoveText(text);
  if (!m) return std::nullopt;
  return Move(MakeSq(m->from.x, m->from.y), MakeSq(m->to.x, m->to.y));
}

}  // namespace tamsok::engine
