// The fast generator against the rules: perft totals from the start, and the move lists of
// random games compared with a scan of every square by CheckMove.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "engine/Engine.h"
#include "engine/Perft.h"
#include "rules/MoveCheck.h"
#include "tests/engine/EngineTestSupport.h"

namespace tamsok::engine {
namespace {

using testing::PlayOnBoard;

TEST(Perft, StartPositionTotalsInEveryViewingSide) {
  const std::uint64_t expected[] = {1, 102, 10415, 1080013};
  for (int view = 0; view < 4; ++view) {
    Position pos = Position::FromBoard(testing::StartBoard(view), Camp::Fir);
    for (int depth = 1; depth <= 3; ++depth)
      EXPECT_EQ(Perft(pos, depth), expected[depth]) << "view " << view << " depth " << depth;
    std::uint64_t divided = 0;
    for (const auto& [move, count] : PerftDivide(pos, 2))
      divided += count;
    EXPECT_EQ(divided, expected[2]);
  }
}

using PieceMove = std::tuple<PieceId, int, int>;  // piece, view x, view y of the target

// What the rules allow a camp on the board: every (piece, square) pair CheckMove passes.
std::set<PieceMove> ScanWithCheckMove(const Board& b, Camp camp) {
  std::set<PieceMove> legal;
  const PieceId first = camp == Camp::Fir ? 0 : kPiecesPerCamp;
  for (PieceId p = first; p < first + kPiecesPerCamp; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    const Square f = b.PiecePos[p];
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y)
        if (CheckMove(b, p, f.x, f.y, x, y) == MoveCheckResult::Legal) legal.emplace(p, x, y);
  }
  return legal;
}

std::set<PieceMove> FromGenerator(const Position& pos, int view) {
  MoveList list;
  GenerateMoves(pos, list);
  std::set<PieceMove> moves;
  for (Move m : list) {
    const Square to = ToViewSquare(view, m.To());
    moves.emplace(pos.PieceAt(m.From()), to.x, to.y);
  }
  return moves;
}

// Games of random moves from the start and from scattered positions, in all four viewing
// sides. At every ply the generator's list equals the scan, the other camp's targets agree
// too, captures are the capturing subset, and the played position equals one built afresh.
TEST(Generator, AgreesWithCheckMoveThroughRandomGames) {
  std::mt19937 rng(4242);
  int plies = 0;
  for (int game = 0; game < 12; ++game) {
    const int view = game % 4;
    Board board = game % 2 ? testing::ScatteredBoard(rng, view) : testing::StartBoard(view);
    Camp side = Camp::Fir;
    Position pos = Position::FromBoard(board, side);
    std::array<int, kCampCount> lost{};
    for (int ply = 0; ply < 160; ++ply, ++plies) {
      const std::set<PieceMove> generated = FromGenerator(pos, view);
      ASSERT_EQ(generated, ScanWithCheckMove(board, side)) << "game " << game << " ply " << ply;
      ASSERT_EQ(CountMoves(pos), static_cast<int>(generated.size()));

      // The other camp's pieces, through the window's per-piece call.
      const Camp other = OtherCamp(side);
      std::set<PieceMove> otherTargets;
      for (PieceId p = 0; p < kPieceCount; ++p)
        if (CampOf(p) == other)
          for (Square to : LegalTargets(board, p))
            otherTargets.emplace(p, to.x, to.y);
      ASSERT_EQ(otherTargets, ScanWithCheckMove(board, other)) << "game " << game;

      // Threatens says whether some move captures on a square; checked on every uncloaked
      // enemy piece (the one it is asked about in play is the Tree, never cloaked).
      MoveList all, captures;
      GenerateMoves(pos, all);
      for (PieceId p = 0; p < kPieceCount; ++p) {
        if (CampOf(p) != other || !pos.OnBoard(p)) continue;
        const Sq s = pos.SquareOf(p);
        if (Has(pos.InfluenceZones().cloaked[Index(other)] & pos.Cloakable(other), s)) continue;
        bool captured = false;
        for (Move m : all)
          captured |= m.To() == s;
        ASSERT_EQ(Threatens(pos, side, s), captured) << "game " << game << " ply " << ply;
      }

      GenerateCaptures(pos, captures);
      int expectedCaptures = 0;
      for (Move m : all)
        expectedCaptures += pos.PieceAt(m.To()) != kNoPiece;
      ASSERT_EQ(captures.size(), expectedCaptures);
      for (Move m : captures)
        ASSERT_NE(pos.PieceAt(m.To()), kNoPiece);

      if (all.size() == 0) break;
      const Move m = all[std::uniform_int_distribution<int>(0, all.size() - 1)(rng)];
      ASSERT_TRUE(IsLegal(pos, m));
      if (const PieceId captured = pos.PieceAt(m.To()); captured != kNoPiece)
        lost[Index(CampOf(captured))] += ValueOf(KindOf(captured));
      PlayOnBoard(board, pos.PieceAt(m.From()), ToViewSquare(view, m.To()));
      Undo undo;
      pos.Make(m, undo);
      side = other;
      ASSERT_EQ(pos, Position::FromBoard(board, side, ply + 1, lost))
          << "game " << game << " ply " << ply;
    }
  }
  EXPECT_GT(plies, 1500);
}

// The exchange on a square, with the influences that decide who may take part. Fir's Wasp (8)
// takes an Oak Ant on (5, 5); Trees in the corners. Piece ids: Fir Lightning 1, Cloud 10,
// Snow 16, Ants 18..23; Oak adds 30.
TEST(StaticExchange, KnowsCloakedFrozenAndStruckPieces) {
  const struct {
    const char* name;
    std::vector<std::pair<PieceId, Square>> extra;
    int expected;
  } cases[] = {
      {"undefended", {}, 21},
      {"an Ant takes back", {{49, {6, 5}}}, 21 - 71},
      {"the Wasp stands cloaked by its Cloud", {{49, {6, 5}}, {10, {5, 4}}}, 21},
      {"the defender is frozen by a Snow", {{49, {6, 5}}, {16, {8, 4}}}, 21},
      {"the Lightning strikes inside a Cloud's reach", {{31, {9, 5}}, {40, {5, 7}}}, 21 - 71},
      {"no strike outside it", {{31, {9, 5}}, {40, {5, 8}}}, 21},
      {"a Fir Ant takes back in turn", {{49, {6, 5}}, {18, {4, 5}}}, 21 - 71 + 21},
  };
  for (const auto& c : cases) {
    Board b = testing::WithPieces({{0, {0, 0}}, {30, {9, 9}}, {8, {5, 0}}, {48, {5, 5}}});
    for (auto [p, s] : c.extra)
      b.PiecePos[p] = s;
    const Position pos = Position::FromBoard(b, Camp::Fir);
    const Move take(MakeSq(5, 0), MakeSq(5, 5));
    ASSERT_TRUE(IsLegal(pos, take)) << c.name;
    EXPECT_EQ(StaticExchange(pos, take), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tamsok::engine
