// Make and unmake: every move taken back restores the whole position, and every position
// reached by moves equals the one built afresh from its pieces.
#include <gtest/gtest.h>

#include "tests/engine/EngineTestSupport.h"

namespace tamsok::engine {
namespace {

TEST(Position, UnmakeRestoresEverythingAfterEveryMove) {
  std::mt19937 rng(77);
  int pairs = 0;
  for (int game = 0; game < 12; ++game) {
    Position pos = Position::FromBoard(
        game % 2 ? testing::ScatteredBoard(rng, 0) : testing::StartBoard(0), Camp::Fir);
    for (int ply = 0; ply < 120; ++ply) {
      MoveList list;
      GenerateMoves(pos, list);
      const Position before = pos;
      Undo undo;
      for (Move m : list) {
        pos.Make(m, undo);
        ASSERT_TRUE(pos.IsConsistent()) << "game " << game << " ply " << ply;
        pos.Unmake(m, undo);
        ASSERT_EQ(pos, before) << "game " << game << " ply " << ply;
        ++pairs;
      }
      pos.MakePass();
      ASSERT_TRUE(pos.IsConsistent());
      pos.UnmakePass();
      ASSERT_EQ(pos, before);
      if (list.size() == 0) break;
      pos.Make(list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng)], undo);
    }
  }
  EXPECT_GT(pairs, 10000);
}

// The same pieces give the same key whichever ids stand where; the key follows the turn.
TEST(Position, KeyDependsOnKindsSquaresAndTurn) {
  Board b = testing::StartBoard(0);
  const Position start = Position::FromBoard(b, Camp::Fir);
  EXPECT_NE(start.Key(), Position::FromBoard(b, Camp::Oak).Key());
  std::swap(b.PiecePos[18], b.PiecePos[19]);  // two Fir Ants change places
  EXPECT_EQ(Position::FromBoard(b, Camp::Fir).Key(), start.Key());
  std::swap(b.PiecePos[18], b.PiecePos[48]);  // a Fir Ant and an Oak Ant do not
  EXPECT_NE(Position::FromBoard(b, Camp::Fir).Key(), start.Key());
}

// Views only change the frame: a board seen from any side gives the same engine position.
TEST(Position, BoardsOfEveryViewingSideGiveOnePosition) {
  std::mt19937 rng(5);
  const Board scattered = testing::ScatteredBoard(rng, 0);
  const Position expected = Position::FromBoard(scattered, Camp::Oak);
  for (int view = 1; view < 4; ++view) {
    Board turned = scattered;
    turned.ViewSide = view;
    for (PieceId p = 0; p < kPieceCount; ++p)
      if (OnBoard(turned.PiecePos[p]))
        turned.PiecePos[p] = FromCanonical(view, scattered.PiecePos[p]);
    EXPECT_EQ(Position::FromBoard(turned, Camp::Oak), expected) << "view " << view;
  }
}

}  // namespace
}  // namespace tamsok::engine
