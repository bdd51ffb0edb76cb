// Coordinate frames. Stored squares are in the frame of the current viewing side; the
// canonical frame is the frame of viewing side 0, used by the start table and on the wire.
//
//   side  ToCanonical(x, y)   FromCanonical(x, y)
//   0     (x, y)              (x, y)
//   1     (y, 9 - x)          (9 - y, x)
//   2     (9 - x, 9 - y)      (9 - x, 9 - y)
//   3     (9 - y, x)          (y, 9 - x)
//
// Off-board pairs go through the same formulas and stay off the board.
#pragma once

#include "rules/Types.h"

namespace tamsok {

constexpr int kViewSideCount = 4;

constexpr bool IsValidViewSide(int side) { return side >= 0 && side < kViewSideCount; }

// A quarter turn of the board: (x, y) -> (9 - y, x). Turning a canonical square by this map
// s times gives the square as seen from side s.
constexpr Square QuarterTurn(Square s) { return {kBoardSize - 1 - s.y, s.x}; }

// Applies QuarterTurn `turns` times (any integer; taken modulo 4).
constexpr Square Turn(Square s, int turns) {
  turns = ((turns % kViewSideCount) + kViewSideCount) % kViewSideCount;
  for (int i = 0; i < turns; ++i) s = QuarterTurn(s);
  return s;
}

// A view square of `side` in the canonical frame.
constexpr Square ToCanonical(int side, Square s) { return Turn(s, -side); }

// A canonical square in the frame of `side`.
constexpr Square FromCanonical(int side, Square s) { return Turn(s, side); }

// The map that re-expresses a square of side `oldSide` in the frame of side `newSide`:
// FromCanonical(newSide) after ToCanonical(oldSide).
constexpr Square ChangeFrame(int oldSide, int newSide, Square s) {
  return Turn(s, newSide - oldSide);
}

static_assert(ToCanonical(1, {9, 4}) == Square{4, 0});
static_assert(FromCanonical(1, {4, 0}) == Square{9, 4});
static_assert(FromCanonical(3, {4, 0}) == Square{0, 5});
static_assert(FromCanonical(2, {-1, -1}) == Square{10, 10});
static_assert(FromCanonical(1, {-1, -1}) == Square{10, -1});
static_assert(FromCanonical(3, {-1, -1}) == Square{-1, 10});

}  // namespace tamsok
