// Properties checked over many random positions: random pieces on random squares (several
// may share a square), random in-play flags, random off-board values.
#include <gtest/gtest.h>

#include <random>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/MoveCheck.h"

namespace tamsok {
namespace {

Board RandomBoard(std::mt19937& rng) {
  Board b;
  std::uniform_int_distribution<int> coord(0, 9), wild(-3, 12), percent(0, 99);
  const int density = percent(rng);
  for (PieceId p = 0; p < kPieceCount; ++p) {
    b.InPlay[p] = percent(rng) < 85;
    if (percent(rng) < density)
      b.PiecePos[p] = {coord(rng), coord(rng)};
    else
      b.PiecePos[p] = {wild(rng), wild(rng)};
  }
  RebuildBoard(b);
  return b;
}

// The same position seen from another side: on-board squares turned, the rest kept.
Board Turned(const Board& b, int side) {
  Board t = b;
  t.ViewSide = side;
  for (PieceId p = 0; p < kPieceCount; ++p)
    if (OnBoard(b.PiecePos[p])) t.PiecePos[p] = ChangeFrame(b.ViewSide, side, b.PiecePos[p]);
  RebuildBoard(t);
  return t;
}

TEST(RulesProperty, CheckMoveIsTheSameFromEveryViewingSide) {
  std::mt19937 rng(20261208);
  for (int round = 0; round < 300; ++round) {
    const Board b = RandomBoard(rng);
    const Board turned[3] = {Turned(b, 1), Turned(b, 2), Turned(b, 3)};
    for (PieceId p = 0; p < kPieceCount; ++p) {
      const Square from = b.PiecePos[p];
      for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y) {
          const MoveCheckResult r = CheckMove(b, p, from.x, from.y, x, y);
          for (int side = 1; side <= 3; ++side) {
            const Board& t = turned[side - 1];
            const Square tf = t.PiecePos[p];
            const Square tt = ChangeFrame(0, side, {x, y});
            ASSERT_EQ(CheckMove(t, p, tf.x, tf.y, tt.x, tt.y), r)
                << "round " << round << " piece " << p << " to " << x << "," << y << " side "
                << side;
          }
        }
    }
  }
}

TEST(RulesProperty, RebuildingTwiceGivesTheSameGrid) {
  std::mt19937 rng(7);
  for (int round = 0; round < 500; ++round) {
    Board b = RandomBoard(rng);
    const Board once = b;
    RebuildBoard(b);
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y)
        ASSERT_EQ(b.At(x, y), once.At(x, y));
  }
}

// Reads of the grid stay on the board whatever the inputs; the address sanitizer build
// turns a stray read into a failure, and this sweeps inputs far outside the board.
TEST(RulesProperty, NoReadLeavesTheBoard) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> any(-20, 30);
  int legal = 0;
  for (int round = 0; round < 200; ++round) {
    const Board b = RandomBoard(rng);
    for (int i = 0; i < 2000; ++i) {
      const PieceId p = any(rng) * 3;
      const MoveCheckResult r = CheckMove(b, p, any(rng), any(rng), any(rng), any(rng));
      legal += r == MoveCheckResult::Legal;
      ASSERT_LE(static_cast<int>(r), 9);
    }
  }
  EXPECT_GE(legal, 0);
}

TEST(Frames, ConversionsOfTheFourSides) {
  struct Row {
    int side;
    Square view;
    Square canonical;
  };
  const Row rows[] = {{0, {4, 0}, {4, 0}}, {1, {9, 4}, {4, 0}}, {2, {5, 9}, {4, 0}},
                      {3, {0, 5}, {4, 0}}, {1, {8, 4}, {4, 1}}, {2, {9, 7}, {0, 2}}};
  for (const Row& r : rows) {
    EXPECT_EQ(ToCanonical(r.side, r.view), r.canonical) << r.side;
    EXPECT_EQ(FromCanonical(r.side, r.canonical), r.view) << r.side;
  }
  // A full turn of changes returns every square to itself.
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      Square s{x, y};
      for (int side = 0; side < 4; ++side)
        s = ChangeFrame(side, (side + 1) % 4, s);
      EXPECT_EQ(s, (Square{x, y}));
      EXPECT_EQ(ChangeFrame(2, 0, ChangeFrame(0, 2, {x, y})), (Square{x, y}));
    }
}

}  // namespace
}  // namespace tamsok
