// A scripted player for load runs and benchmarks: it plays legal moves onto empty squares
// only, taking its previous move back whenever it may, so a game goes on for any number of
// moves without a capture.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

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

// A player of random legal moves, captures included, from a seeded generator.
class RandomPlayer {
 public:
  explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}
  // A legal move of `camp` chosen at random; nothing when it has none.
  std::optional<PlannedMove> Next(const Board& board, Camp camp);

 private:
  std::mt19937_64 random_;
};

class Game;
// A key of the position that two stations compare: every piece's canonical square and
// whether it is in play, the side to move and the number of records.
std::uint64_t PositionKey(const Game& game);

}  // namespace tamsok
