#include <gtest/gtest.h>

#include <vector>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/Influence.h"
#include "rules/MoveCheck.h"
#include "tests/rules/BoardBuilder.h"

namespace tamsok {
namespace {

using testing::StartBoard;
using testing::WithPieces;

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

// The overview on a crafted position (canonical squares), seen from every side: an Oak Snow
// freezes a Fir Ant, a Fir Spider freezes an Oak Wasp, an Oak Cloud cloaks an Oak Ant and
// opens a strike zone. Each Lightning lands around its own Tree and strikes what the Cloud's
// zone holds uncloaked, or any frozen enemy.
TEST(Influence, OverviewOfACraftedPositionInEverySide) {
  const std::pair<PieceId, Square> pieces[] = {
      {0, {0, 0}},   // Fir Tree
      {1, {9, 4}},   // Fir Lightning
      {18, {5, 5}},  // Fir Ant, frozen by the Snow
      {12, {8, 8}},  // Fir Spider
      {30, {0, 9}},  // Oak Tree
      {31, {0, 4}},  // Oak Lightning
      {46, {5, 7}},  // Oak Snow
      {40, {2, 6}},  // Oak Cloud
      {48, {3, 6}},  // Oak Ant, cloaked by the Cloud
      {38, {8, 9}},  // Oak Wasp, frozen by the Spider
  };
  struct Expect {
    std::vector<Square> cloaked, frozen, landing[2], strike[2];
  } e{{{3, 6}},
      {{5, 5}, {8, 9}},
      {{{0, 1}, {1, 0}, {1, 1}}, {{0, 8}, {1, 8}, {1, 9}}},
      {{{0, 4}, {2, 6}, {8, 9}}, {{5, 5}}}};
  for (int side = 0; side < 4; ++side) {
    Board b = testing::EmptyBoard(side);
    for (auto [p, s] : pieces)
      b.PiecePos[p] = FromCanonical(side, s);
    RebuildBoard(b);
    const InfluenceMap map = ReadInfluence(b);
    InfluenceMap expected;
    auto mark = [&](const std::vector<Square>& squares, auto field) {
      for (Square s : squares)
        field(expected.cells[FromCanonical(side, s).x][FromCanonical(side, s).y]) = true;
    };
    mark(e.cloaked, [](SquareInfluence& c) -> bool& { return c.cloaked; });
    mark(e.frozen, [](SquareInfluence& c) -> bool& { return c.frozen; });
    for (int camp = 0; camp < 2; ++camp) {
      mark(e.landing[camp], [camp](SquareInfluence& c) -> bool& { return c.landing[camp]; });
      mark(e.strike[camp], [camp](SquareInfluence& c) -> bool& { return c.strike[camp]; });
    }
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        EXPECT_EQ(map.cells[x][y], expected.cells[x][y])
            << "side " << side << " view square (" << x << ", " << y << ")";
  }
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
