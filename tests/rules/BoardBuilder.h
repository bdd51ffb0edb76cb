// Small helpers for building positions in tests.
#pragma once

#include <initializer_list>
#include <utility>

#include "rules/Board.h"

namespace tamsok::testing {

// A board on which every piece is in play but stands off the board.
inline Board EmptyBoard(int viewSide = 0) {
  Board b;
  b.ViewSide = viewSide;
  b.PiecePos.fill(kOffBoard);
  b.InPlay.fill(true);
  RebuildBoard(b);
  return b;
}

// Puts the listed pieces on their squares and rebuilds.
inline Board WithPieces(std::initializer_list<std::pair<PieceId, Square>> pieces,
                        int viewSide = 0) {
  Board b = EmptyBoard(viewSide);
  for (auto [p, s] : pieces) b.PiecePos[p] = s;
  RebuildBoard(b);
  return b;
}

inline Board StartBoard(int viewSide = 0) {
  Board b;
  b.ViewSide = viewSide;
  LoadInitialPosition(b);
  return b;
}

}  // namespace tamsok::testing
