// What the influence layers mean for play, square by square: which pieces cannot be
// captured or cannot move, and where each camp's Lightning may land or strike. The board
// overlay draws this; it is derived from the grid and the legality check alone.
#pragma once

#include "rules/Board.h"
#include "rules/Types.h"

namespace tamsok {

// A piece on the board that an enemy cannot capture now: its kind is cloakable and its
// camp's Cloak counter on its square is positive.
bool IsCloaked(const Board& board, PieceId piece);

// A piece on the board that cannot move now: its kind is freezable and its camp's Freeze
// counter on its square is positive.
bool IsFrozen(const Board& board, PieceId piece);

// One square of the overview. Per-camp pairs are indexed by Camp, Fir first.
struct SquareInfluence {
  bool cloaked = false;           // the piece standing here cannot be captured
  bool frozen = false;            // the piece standing here cannot move
  bool landing[kCampCount] = {};  // camp c's Lightning may move to this empty square
  bool strike[kCampCount] = {};   // camp c's Lightning may capture the piece standing here

  friend bool operator==(const SquareInfluence&, const SquareInfluence&) = default;
};

// The overview of a whole board, indexed [x][y] in the board's view frame.
struct InfluenceMap {
  SquareInfluence cells[kBoardSize][kBoardSize]{};

  const SquareInfluence& At(Square s) const { return cells[s.x][s.y]; }
  friend bool operator==(const InfluenceMap&, const InfluenceMap&) = default;
};

// Reads the overview for both camps, whoever is to move. A Lightning's squares are its legal
// targets by CheckMove: landing squares are the empty ones, strike squares the occupied ones.
InfluenceMap ReadInfluence(const Board& board);

}  // namespace tamsok
