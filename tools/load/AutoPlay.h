// A scripted player for load runs and benchmarks: it plays legal moves onto empty squares
// only, taking its previous move back whenever it may, so a game goes on for any number of
// moves without a capture.
#pragma once

#include <optional>

#include "rules/Board.h"
#include "rules/Types.h"

namespace tamsok {

// A move in the board's view frame.
struct PlannedMove {
  PieceId piece = kNoPiece;
  Square from, to;
};

class ShufflePlayer {
 public:
  // The next move of `camp`: the previous move taken back when that is legal now, else the
  // first legal move onto an empty square, pieces and squares in index order. Nothing when
  // the camp has no such move.
  std::optional<PlannedMove> Next(const Board& board, Camp camp);
  // Forgets the previous move (a new game).
  void Reset() { last_.reset(); }

 private:
  std::optional<PlannedMove> last_;
};

}  // namespace tamsok
