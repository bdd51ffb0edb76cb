// Legal move generation. Each kind's candidate squares come from its movement geometry
// (Bits.h); each candidate is then decided by the same tests as the rules' legality check:
// own piece on the target, a kind that cannot capture, a cloaked target, a frozen mover,
// blocking on the path. Tests compare the result with a scan of every square by CheckMove.
#pragma once

#include <array>

#include "engine/Position.h"

namespace tamsok::engine {

// No position can hold more legal moves for one camp than this: every piece's largest reach
// summed over the roster (the Lightning's 99 and six CarpenterAnts' 35 each dominate).
constexpr int kMaxMoves = 600;

struct MoveList {
  std::array<Move, kMaxMoves> moves;
  int size = 0;

  void Add(Move m) { moves[size++] = m; }
  const Move* begin() const { return moves.data(); }
  const Move* end() const { return moves.data() + size; }
};

// The squares the piece may move to now, whoever is to move (the rules' check does not look
// at the turn either). Empty for a piece off the board.
Bits Targets(const Position& pos, PieceId piece);

// Every legal move of the side to move, pieces in id order, targets in square order.
void GenerateMoves(const Position& pos, MoveList& list);

// The legal captures of the side to move.
void GenerateCaptures(const Position& pos, MoveList& list);

// The number of legal moves of a camp, without listing them.
int CountMoves(const Position& pos, Camp camp);
inline int CountMoves(const Position& pos) {
  return CountMoves(pos, pos.SideToMove());
}

// Whether the move is among the legal moves of the side to move.
bool IsLegal(const Position& pos, Move m);

}  // namespace tamsok::engine
