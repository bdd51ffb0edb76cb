#include "engine/Perft.h"

#include "engine/MoveGen.h"

namespace tamsok::engine {

std::uint64_t Perft(Position& pos, int depth) {
  if (depth <= 0) return 1;
  if (depth == 1) return static_cast<std::uint64_t>(CountMoves(pos));
  MoveList list;
  GenerateMoves(pos, list);
  std::uint64_t total = 0;
  Undo undo;
  for (Move m : list) {
    pos.Make(m, undo);
    total += Perft(pos, depth - 1);
    pos.Unmake(m, undo);
  }
  return total;
}

std::vector<std::pair<Move, std::uint64_t>> PerftDivide(Position& pos, int depth) {
  std::vector<std::pair<Move, std::uint64_t>> split;
  if (depth <= 0) return split;
  MoveList list;
  GenerateMoves(pos, list);
  Undo undo;
  for (Move m : list) {
    pos.Make(m, undo);
    split.emplace_back(m, Perft(pos, depth - 1));
    pos.Unmake(m, undo);
  }
  return split;
}

}  // namespace tamsok::engine
