#include "tools/load/AutoPlay.h"

#include "game/Game.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/MoveCheck.h"

namespace tamsok {

namespace {

bool QuietAndLegal(const Board& board, PieceId piece, Square from, Square to) {
  return board.StandsOnBoard(piece) && board.PiecePos[piece] == from &&
         board.OccupantAt(to) == kNoPiece &&
         CheckMove(board, piece, from.x, from.y, to.x, to.y) == MoveCheckResult::Legal;
}

// Every (piece, target) of the camp in index order that `keep` accepts, until it says stop
// by returning false from `more`.
template <typename Keep, typename More>
void ForEachMove(const Board& board, Camp camp, Keep keep, More more) {
  const PieceId first = camp == Camp::Fir ? 0 : kPiecesPerCamp;
  for (PieceId p = first; p < first + kPiecesPerCamp; ++p) {
    if (!board.StandsOnBoard(p)) continue;
    const Square from = board.PiecePos[p];
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (keep(p, from, Square{x, y}) && !more(PlannedMove{p, from, {x, y}})) return;
  }
}

}  // namespace

std::optional<PlannedMove> ShufflePlayer::Next(const Board& board, Camp camp) {
  if (last_ && QuietAndLegal(board, last_->piece, last_->to, last_->from)) {
    last_ = PlannedMove{last_->piece, last_->to, last_->from};
    return last_;
  }
  std::optional<PlannedMove> found;
  ForEachMove(
      board, camp,
      [&](PieceId p, Square from, Square to) { return QuietAndLegal(board, p, from, to); },
      [&](const PlannedMove& m) {
        found = m;
        return false;
      });
  if (found) last_ = found;
  return found;
}

std::optional<PlannedMove> RandomPlayer::Next(const Board& board, Camp camp) {
  std::vector<PlannedMove> moves;
  ForEachMove(
      board, camp,
      [&](PieceId p, Square from, Square to) {
        return CheckMove(board, p, from.x, from.y, to.x, to.y) == MoveCheckResult::Legal;
      },
      [&](const PlannedMove& m) {
        moves.push_back(m);
        return true;
      });
  if (moves.empty()) return std::nullopt;
  return moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random_)];
}

std::uint64_t PositionKey(const Game& game) {
  std::uint64_t key = 1469598103934665603ull;
  const auto mix = [&](int v) {
    key ^= static_cast<std::uint64_t>(v + 1000);
    key *= 1099511628211ull;
  };
  const Board& b = game.board();
  for (PieceId p = 0; p < kPieceCount; ++p) {
    const Square s = b.StandsOnBoard(p) ? ToCanonical(b.ViewSide, b.PiecePos[p]) : kOffBoard;
    mix(s.x);
    mix(s.y);
    mix(b.InPlay[p] ? 1 : 0);
  }
  mix(static_cast<int>(game.SideToMove()));
  mix(game.RecordCount());
  return key;
}

}  // namespace tamsok
