#include <gtest/gtest.h>

#include <vector>

#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"
#include "tests/rules/BoardBuilder.h"

namespace tamsok {
namespace {

using testing::StartBoard;
using testing::WithPieces;

bool IsCloaked(const Board& b, PieceId p) {
  const Square s = b.PiecePos[p];
  return b.At(s).Cloak[Index(CampOf(p))] > 0 && Cloakable[Index(KindOf(p))];
}

bool IsFrozen(const Board& b, PieceId p) {
  const Square s = b.PiecePos[p];
  return b.At(s).Freeze[Index(CampOf(p))] > 0 && Freezable[Index(KindOf(p))];
}

TEST(Influence, StartCountersOfSquareFourOne) {
  const Board start = StartBoard();
  const BoardCell& c = start.At(4, 1);
  EXPECT_EQ(c.Occupant, kNoPiece);
  EXPECT_EQ(c.Cloak[0], 1);
  EXPECT_EQ(c.Cloak[1], -200);
  EXPECT_EQ(c.Freeze[0], -200);
  EXPECT_EQ(c.Freeze[1], 2);
  EXPECT_EQ(c.TreeZone[0], 1);
  EXPECT_EQ(c.TreeZone[1], 0);
  EXPECT_EQ(c.CloudZone[0], 2);
  EXPECT_EQ(c.CloudZone[1], 2);
}

TEST(Influence, StartCloakedPiecesAreExactlyTheListedTenAndNoneIsFrozen) {
  const Board b = StartBoard();
  const std::vector<Square> expectFir = {{3, 0}, {3, 2}, {6, 2}, {4, 2}, {5, 2}};
  const std::vector<Square> expectOak = {{3, 9}, {3, 7}, {6, 7}, {4, 7}, {5, 7}};
  std::vector<Square> fir, oak;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    EXPECT_FALSE(IsFrozen(b, p)) << p;
    if (IsCloaked(b, p)) (CampOf(p) == Camp::Fir ? fir : oak).push_back(b.PiecePos[p]);
  }
  auto sameSet = [](std::vector<Square> a, std::vector<Square> e) {
    auto less = [](Square l, Square r) { return l.x != r.x ? l.x < r.x : l.y < r.y; };
    std::sort(a.begin(), a.end(), less);
    std::sort(e.begin(), e.end(), less);
    return a == e;
  };
  EXPECT_TRUE(sameSet(fir, expectFir));
  EXPECT_TRUE(sameSet(oak, expectOak));
}

TEST(Influence, TreeInCornerWritesOnlyTheClippedBlock) {
  const Board b = WithPieces({{0, {0, 0}}});
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      SCOPED_TRACE(::testing::Message() << x << "," << y);
      const BoardCell& c = b.At(x, y);
      const bool r1 = x <= 1 && y <= 1, r2 = x <= 2 && y <= 2, r3 = x <= 3 && y <= 3;
      EXPECT_EQ(c.Cloak[0], r1 ? 1 : 0);
      EXPECT_EQ(c.Cloak[1], r3 ? -100 : 0);
      EXPECT_EQ(c.Freeze[1], r2 ? 1 : 0);
      EXPECT_EQ(c.Freeze[0], r3 ? -100 : 0);
      EXPECT_EQ(c.TreeZone[0], r1 ? 1 : 0);
      EXPECT_EQ(c.TreeZone[1], 0);
      EXPECT_EQ(c.CloudZone[0] + c.CloudZone[1], 0);
    }
}

TEST(Influence, CloudZoneCountsForBothCampsWhateverTheCloudsCamp) {
  for (PieceId cloud : {10, 40}) {
    const Board b = WithPieces({{cloud, {5, 5}}});
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y) {
        const int expected = std::abs(x - 5) <= 2 && std::abs(y - 5) <= 2 ? 1 : 0;
        EXPECT_EQ(b.At(x, y).CloudZone[0], expected);
        EXPECT_EQ(b.At(x, y).CloudZone[1], expected);
      }
  }
}

TEST(Influence, OneEnemyRevealerOutweighsTwoCloakers) {
  // Fir's Tree and a Fir Cloud both cloak (3, 3); Oak's Lightning reveals it.
  const Board b = WithPieces({{0, {3, 2}}, {10, {3, 4}}, {31, {4, 3}}});
  EXPECT_EQ(b.At(3, 3).Cloak[0], 2 - 100);
}

TEST(Influence, CapturedOrOffBoardPiecesProjectNothing) {
  Board b = WithPieces({{0, {4, 4}}, {24, kOffBoard}});
  b.InPlay[0] = false;  // captured, though its position still names a square
  RebuildBoard(b);
  const Board empty = testing::EmptyBoard();
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y)
      EXPECT_EQ(b.At(x, y), empty.At(x, y));
}

}  // namespace
}  // namespace tamsok
