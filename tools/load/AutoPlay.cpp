#include "tools/load/AutoPlay.h"

#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"

namespace tamsok {

namespace {

bool QuietAndLegal(const Board& board, PieceId piece, Square from, Square to) {
  return board.StandsOnBoard(piece) && board.PiecePos[piece] == from &&
         board.OccupantAt(to) == kNoPiece &&
         CheckMove(board, piece, from.x, from.y, to.x, to.y) == MoveCheckResult::Legal;
}

}  // namespace

std::optional<PlannedMove> ShufflePlayer::Next(const Board& board, Camp camp) {
  if (last_ && QuietAndLegal(board, last_->piece, last_->to, last_->from)) {
    last_ = PlannedMove{last_->piece, last_->to, last_->from};
    return last_;
  }
  const PieceId first = camp == Camp::Fir ? 0 : kPiecesPerCamp;
  for (PieceId p = first; p < first + kPiecesPerCamp; ++p) {
    if (!board.StandsOnBoard(p)) continue;
    const Square from = board.PiecePos[p];
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (QuietAndLegal(board, p, from, {x, y})) {
          last_ = PlannedMove{p, from, {x, y}};
          return last_;
        }
  }
  return std::nullopt;
}

}  // namespace tamsok
