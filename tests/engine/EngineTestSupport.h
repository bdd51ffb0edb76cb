// Helpers shared by the engine tests: positions on a rules board and random play on both.
#pragma once

#include <algorithm>
#include <array>
#include <random>

#include "engine/MoveGen.h"
#include "engine/Position.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "tests/rules/BoardBuilder.h"

namespace tamsok::engine::testing {

using tamsok::testing::StartBoard;
using tamsok::testing::WithPieces;

// Every piece of both camps, CarpenterAnts included, on distinct random squares, some of
// them captured: positions that ordinary play never reaches, with plenty of influence.
inline Board ScatteredBoard(std::mt19937& rng, int viewSide) {
  Board b;
  b.ViewSide = viewSide;
  std::array<int, 100> squares{};
  for (int i = 0; i < 100; ++i)
    squares[i] = i;
  std::shuffle(squares.begin(), squares.end(), rng);
  std::uniform_int_distribution<int> percent(0, 99);
  const int keep = 30 + percent(rng) * 7 / 10;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    b.InPlay[p] = p == 0 || p == 30 || percent(rng) < keep;
    b.PiecePos[p] = b.InPlay[p] ? Square{squares[p] % 10, squares[p] / 10} : kOffBoard;
  }
  RebuildBoard(b);
  return b;
}

// Plays a move on a rules board the way the game does: capture, move, rebuild.
inline void PlayOnBoard(Board& b, PieceId piece, Square to) {
  const PieceId captured = b.At(to).Occupant;
  if (captured != kNoPiece) {
    b.InPlay[captured] = false;
    b.PiecePos[captured] = kOffBoard;
  }
  b.PiecePos[piece] = to;
  RebuildBoard(b);
}

}  // namespace tamsok::engine::testing
