// The search: Tree captures found and avoided, a forced win three plies deep, the same result
// every time at a fixed depth, a move whenever one exists, and a prompt return on stop.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <iterator>
#include <limits>
#include <optional>
#include <set>
#include <tuple>

#include "engine/Engine.h"
#include "tests/engine/EngineTestSupport.h"

namespace tamsok::engine {
namespace {

using testing::WithPieces;

bool LegalOrPass(const Position& pos, Move m) {
  return m.IsNone() || IsLegal(pos, m);
}

SearchResult SearchDepth(const Position& pos, int depth, std::size_t tableMb = 4) {
  Searcher searcher(tableMb);
  std::atomic<bool> stop{false};
  Limits limits;
  limits.depth = depth;
  return searcher.Search(pos, limits, stop);
}

SearchResult SearchDepth(Searcher& searcher, const Position& pos, int depth) {
  std::atomic<bool> stop{false};
  Limits limits;
  limits.depth = depth;
  return searcher.Search(pos, limits, stop);
}

// The two Trees far apart and pieces that cannot capture (Clouds, Snows): no capture can
// happen for many plies, so the game ends when Scoring may be called.
Position Uncapturable(int records, Camp toMove, std::array<int, kCampCount> lost = {}) {
  return Position::FromBoard(
      WithPieces(
          {{0, {0, 0}}, {10, {2, 2}}, {16, {1, 3}}, {30, {9, 9}}, {40, {7, 7}}, {46, {8, 6}}}),
      toMove, records, lost);
}

// Piece ids: Fir Tree 0, Lightning 1, Wasp 8, Cloud 10, Ant 18..23; Oak adds 30.
TEST(Search, TakesTheTreeWhenItCan) {
  // Fir's Wasp can take Oak's Tree along column 0 (it flies over the Ant between), or take
  // Oak's Lightning on row 5 with its other Wasp.
  const Position pos = Position::FromBoard(
      WithPieces({{0, {9, 0}}, {8, {0, 0}}, {9, {9, 5}}, {30, {0, 8}}, {48, {0, 4}}, {31, {2, 5}}}),
      Camp::Fir);
  for (int depth : {1, 3}) {
    const SearchResult r = SearchDepth(pos, depth);
    EXPECT_EQ(r.best, Move(MakeSq(0, 0), MakeSq(0, 8))) << "depth " << depth;
    EXPECT_EQ(r.info.score, kWinScore - 1);
    // As the window sees it from side 1: the Wasp, from view (9, 0) to view (1, 0).
    EXPECT_EQ(ToBoardMove(pos, r.best, 1), (BoardMove{8, {9, 0}, {1, 0}}));
  }
}

TEST(Search, DoesNotLeaveItsTreeToBeTaken) {
  // Oak's Wasp on column 4 threatens Fir's Tree; Oak's Lightning on (7, 3) is bait for
  // Fir's Wasp. Whatever Fir plays, Oak must not be able to take the Tree afterwards.
  const Position pos = Position::FromBoard(
      WithPieces({{0, {4, 0}}, {8, {7, 0}}, {38, {4, 9}}, {30, {9, 9}}, {31, {7, 3}}}), Camp::Fir);
  for (int depth : {2, 4}) {
    const SearchResult r = SearchDepth(pos, depth);
    Position after = pos;
    Undo undo;
    after.Make(r.best, undo);
    EXPECT_FALSE(Threatens(after, Camp::Oak, after.SquareOf(0))) << "depth " << depth;
    EXPECT_FALSE(IsWinScore(r.info.score));
  }
}

TEST(Search, FindsATreeCaptureThreePliesDeep) {
  // Oak's Tree in the corner is walled in by its own Ants; a Fir Wasp on its row or column
  // cannot be blocked (it flies) nor taken, so the Tree falls on Fir's next move.
  const Position pos = Position::FromBoard(
      WithPieces(
          {{0, {9, 0}}, {8, {5, 5}}, {30, {0, 9}}, {48, {1, 9}}, {49, {0, 8}}, {50, {1, 8}}}),
      Camp::Fir);
  ASSERT_FALSE(Threatens(pos, Camp::Fir, pos.SquareOf(30)));
  const SearchResult r = SearchDepth(pos, 3);
  EXPECT_EQ(r.info.score, kWinScore - 3);
  Position after = pos;
  Undo undo;
  after.Make(r.best, undo);
  MoveList replies;
  GenerateMoves(after, replies);
  ASSERT_GT(replies.size(), 0);
  for (Move reply : replies) {
    after.Make(reply, undo);
    EXPECT_TRUE(Threatens(after, Camp::Fir, after.SquareOf(30)));
    after.Unmake(reply, undo);
  }
}

TEST(Search, SameResultEveryTimeAtAFixedDepth) {
  Position pos = Position::Start();
  Undo undo;
  for (const char* text : {"d2d4", "i7g5", "g0g4"}) {  // a few plies into the game
    const Move m = *ParseMove(text);
    ASSERT_TRUE(IsLegal(pos, m)) << text;
    pos.Make(m, undo);
  }
  const SearchResult first = SearchDepth(pos, 4);
  const SearchResult second = SearchDepth(pos, 4);
  EXPECT_EQ(first.best, second.best);
  EXPECT_EQ(first.info.score, second.info.score);
  EXPECT_EQ(first.info.nodes, second.info.nodes);
  EXPECT_EQ(first.info.pv, second.info.pv);
  EXPECT_EQ(first.info.depth, 4);
  ASSERT_FALSE(first.info.pv.empty());
  EXPECT_EQ(first.info.pv.front(), first.best);
}

TEST(Search, ReturnsAMoveWheneverOneExists) {
  Searcher searcher(1);
  std::atomic<bool> stop{true};  // raised before the search starts
  const Position start = Position::Start();
  const SearchResult r = searcher.Search(start, Limits{}, stop);
  EXPECT_TRUE(IsLegal(start, r.best));

  // Fir's Tree in the corner behind its own Snows (16, 17) and Cloud (10), whose every
  // target square holds an Oak piece they cannot capture: Fir has no move and passes.
  const Position stuck = Position::FromBoard(WithPieces({{0, {0, 0}},
                                                         {16, {1, 0}},
                                                         {17, {0, 1}},
                                                         {10, {1, 1}},
                                                         {30, {9, 9}},
                                                         {48, {3, 0}},
                                                         {49, {1, 2}},
                                                         {50, {2, 1}},
                                                         {51, {0, 3}},
                                                         {52, {2, 2}},
                                                         {53, {3, 3}},
                                                         {36, {0, 2}},
                                                         {37, {2, 0}}}),
                                             Camp::Fir);
  ASSERT_EQ(CountMoves(stuck), 0);
  stop = false;
  EXPECT_TRUE(searcher.Search(stuck, Limits{}, stop).best.IsNone());
}

// From 50 records on, the camp the rule favours calls Scoring at once, in either camp's turn:
// the search claims, or scores the position as won or lost by the rule. A camp asked to move
// there while behind has seen the other not call: it plays on (an ordinary score, kOn).
TEST(Search, ScoringDecidesFromFiftyRecordsByTheRule) {
  constexpr int K = kClaimWinScore;
  constexpr int kOn = 1;
  const struct {
    int records, lostFir, lostOak;
    Camp toMove;
    bool claim;
    int score;
  } cases[] = {
      {50, 0, 0, Camp::Oak, true, K},     // a tie goes to Oak
      {50, 0, 0, Camp::Fir, false, kOn},  // a tie claimed by Fir is not Fir's
      {63, 71, 71, Camp::Oak, true, K},
      {50, 0, 21, Camp::Fir, true, K},  // Oak has lost more
      {50, 0, 21, Camp::Oak, false, kOn},
      {50, 301, 121, Camp::Oak, true, K},
      {49, 0, 0, Camp::Fir, false, -(K - 1)},  // Fir's move makes 50, and Oak claims
      {49, 21, 0, Camp::Oak, false, K - 1},
      {45, 0, 0, Camp::Oak, false, K - 5},  // whatever either camp plays
      {46, 0, 0, Camp::Fir, false, -(K - 4)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.records << " records, lost " << c.lostFir << "/"
                                      << c.lostOak << ", " << CampName(c.toMove) << " to move");
    const SearchResult r =
        SearchDepth(Uncapturable(c.records, c.toMove, {c.lostFir, c.lostOak}), 7);
    EXPECT_EQ(r.claim, c.claim);
    if (c.score == kOn)
      EXPECT_FALSE(IsWinScore(r.info.score)) << r.info.score;
    else
      EXPECT_EQ(r.info.score, c.score);
  }
  // A capture that turns the balance is found: Oak is behind by an Ant, and its Wasp takes
  // one of Fir's; the tie is Oak's.
  const Position behind = Position::FromBoard(
      WithPieces({{0, {0, 0}}, {18, {5, 2}}, {30, {9, 9}}, {38, {5, 8}}}), Camp::Oak, 52, {0, 21});
  const SearchResult r = SearchDepth(behind, 3);
  EXPECT_FALSE(r.claim);
  EXPECT_EQ(r.best, Move(MakeSq(5, 8), MakeSq(5, 2)));
  EXPECT_EQ(r.info.score, K - 1);

  // A game lost by the rule either way is still played for the balance, and one won for the
  // margin: at record 49 Fir's Wasp takes Oak's Ant whichever camp stands ahead.
  for (const auto& [lost, score] :
       {std::pair{std::array{200, 0}, -(K - 1)}, std::pair{std::array{0, 200}, K - 1}}) {
    const Position p = Position::FromBoard(
        WithPieces({{0, {9, 0}}, {8, {0, 0}}, {30, {9, 9}}, {48, {0, 4}}}), Camp::Fir, 49, lost);
    const SearchResult taken = SearchDepth(p, 3);
    EXPECT_EQ(taken.best, Move(MakeSq(0, 0), MakeSq(0, 4))) << lost[0];
    EXPECT_EQ(taken.info.score, score);
  }
}

// A camp that stands behind by the rule does not bring a position back a third time while
// another move is as sound, also past record 50 when the other camp has not called Scoring; a
// camp ahead may.
TEST(Search, BehindItDoesNotRepeatAPositionAThirdTime) {
  const struct {
    int records, lostOak;
    bool behind;  // Fir, to move; a tie is Oak's
  } cases[] = {{20, 0, true}, {60, 0, true}, {20, 21, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.records << " records, Oak lost " << c.lostOak);
    const Position pos = Uncapturable(c.records, Camp::Fir, {0, c.lostOak});
    Searcher searcher(1);
    std::atomic<bool> stop{false};
    Limits limits;
    limits.depth = 4;
    const Move usual = searcher.Search(pos, limits, stop).best;
    ASSERT_FALSE(usual.IsNone());
    Position after = pos;
    Undo undo;
    after.Make(usual, undo);
    limits.earlierBoards = {after.BoardKey(), pos.BoardKey(), after.BoardKey()};
    searcher.Clear();
    EXPECT_EQ(searcher.Search(pos, limits, stop).best != usual, c.behind);
    // Seen once before, it may come back a second time.
    limits.earlierBoards = {after.BoardKey(), pos.BoardKey()};
    searcher.Clear();
    EXPECT_EQ(searcher.Search(pos, limits, stop).best, usual);
  }
}

// The evaluation knows that the balance of captured value decides from record 50 on, and that
// a tie is Oak's: the favoured camp gains, the more so the closer record 50 is.
TEST(Search, TheEvaluationWeighsTheScoringRule) {
  const Board start = tamsok::testing::StartBoard(0);
  const struct {
    int lostFir, lostOak;
    Camp toMove;
    int sign;  // of the change from record 0 to record 40, and again to record 48
  } cases[] = {{0, 0, Camp::Fir, -1},  {0, 0, Camp::Oak, +1},   {0, 21, Camp::Fir, +1},
               {0, 21, Camp::Oak, -1}, {71, 71, Camp::Fir, -1}, {121, 71, Camp::Oak, +1}};
  for (const auto& c : cases) {
    auto eval = [&](int records) {
      return Evaluate(Position::FromBoard(start, c.toMove, records, {c.lostFir, c.lostOak}));
    };
    EXPECT_EQ((eval(40) - eval(0)) * c.sign > 0, true) << c.lostFir << "/" << c.lostOak;
    EXPECT_EQ((eval(48) - eval(40)) * c.sign > 0, true) << c.lostFir << "/" << c.lostOak;
  }
}

// The pass is a move of every turn: chosen when every other move loses, and a record.
TEST(Search, PassesWhenEveryMoveLoses) {
  // Fir's Tree in the corner: each square it could step to is struck by an Oak Wind or
  // Spider (pieces no Tree freezes), while the corner itself is not.
  const Position cornered = Position::FromBoard(
      WithPieces({{0, {0, 0}}, {30, {9, 9}}, {44, {2, 1}}, {45, {1, 2}}, {42, {3, 1}}}), Camp::Fir);
  MoveList moves;
  GenerateMoves(cornered, moves);
  ASSERT_EQ(moves.size(), 3);  // the Tree's three steps
  for (int depth : {1, 2, 3}) {
    const SearchResult r = SearchDepth(cornered, depth);
    EXPECT_TRUE(r.best.IsNone()) << "depth " << depth << ": " << MoveText(r.best);
    EXPECT_GT(r.info.score, -(kWinScore - 2)) << "depth " << depth;
  }
  Position p = cornered;
  p.MakePass();
  EXPECT_EQ(p.Records(), 1);
  EXPECT_EQ(p.SideToMove(), Camp::Oak);
  EXPECT_NE(p.Key(), cornered.Key());
  p.UnmakePass();
  EXPECT_EQ(p, cornered);
}

// A win found once is found again at exactly the same distance: deeper, shallower (through
// the table alone) and two plies later in the game, where the table's entries from the
// earlier searches are read at other distances from the root than they were stored at.
TEST(Search, WinDistancesThroughTheTableAreExact) {
  // Fir's Tree on c0, Grasshopper g0, DivingBeetle d4, CarpenterAnts f4 and g9, Ant f8;
  // Oak's Tree on h1 and Wasp on f5. Fir takes the Tree in 5 plies, and in 7 in many ways.
  const Position manyWins = Position::FromBoard(WithPieces({{0, {2, 0}},
                                                            {4, {3, 4}},
                                                            {6, {6, 0}},
                                                            {23, {5, 8}},
                                                            {25, {6, 9}},
                                                            {28, {5, 4}},
                                                            {30, {7, 1}},
                                                            {39, {5, 5}}}),
                                                Camp::Fir);
  const Position walledIn = Position::FromBoard(  // Fir takes Oak's Tree in 3 plies
      WithPieces(
          {{0, {9, 0}}, {8, {5, 5}}, {30, {0, 9}}, {48, {1, 9}}, {49, {0, 8}}, {50, {1, 8}}}),
      Camp::Fir);
  const struct {
    Position pos;
    int score;  // for the side to move
  } cases[] = {{manyWins, kWinScore - 5},
               {walledIn, kWinScore - 3},
               {Uncapturable(44, Camp::Fir), -(kClaimWinScore - 6)},
               {Uncapturable(43, Camp::Oak), kClaimWinScore - 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "score " << c.score);
    const int plies = PliesToEnd(c.score);
    Searcher deeper(4), shallower(4);
    SearchResult first;
    for (int depth : {plies, plies + 2, plies + 4}) {
      const SearchResult r = SearchDepth(deeper, c.pos, depth);
      EXPECT_EQ(r.info.score, c.score) << "deeper, depth " << depth;
      if (depth == plies) first = r;
    }
    for (int depth : {plies + 1, plies, plies + 2})
      EXPECT_EQ(SearchDepth(shallower, c.pos, depth).info.score, c.score)
          << "shallower, depth " << depth;
    ASSERT_GE(first.info.pv.size(), 2u);
    if (plies <= 3) continue;
    Position later = c.pos;
    Undo undo;
    for (int i = 0; i < 2; ++i) {
      const Move m = first.info.pv[static_cast<std::size_t>(i)];
      m.IsNone() ? later.MakePass() : later.Make(m, undo);
    }
    const int expected = c.score > 0 ? c.score + 2 : c.score - 2;
    for (int depth : {plies - 2, plies + 2})
      EXPECT_EQ(SearchDepth(deeper, later, depth).info.score, expected) << "later, depth " << depth;
  }
}

// The strengths, weakest first: each looks at least as far as the one below (by depth, by
// exchanges played out, then by node budget), and the ratings climb by 100 to 250 points a
// step.
TEST(Search, StrengthsClimbStepByStep) {
  auto reach = [](const Limits& l) {
    return std::tuple(l.depth, l.quiescence, l.nodes ? l.nodes : std::uint64_t{1} << 62);
  };
  for (std::size_t i = 1; i < std::size(kStrengths); ++i) {
    const Strength lower = kStrengths[i - 1], upper = kStrengths[i];
    SCOPED_TRACE(StrengthName(upper));
    const Limits a = StrengthLimits(lower), b = StrengthLimits(upper);
    EXPECT_TRUE(reach(a) <= reach(b));
    EXPECT_TRUE(reach(a) < reach(b) || a.misjudgement > b.misjudgement);
    EXPECT_GE(StrengthRating(upper) - StrengthRating(lower), 100);
    EXPECT_LE(StrengthRating(upper) - StrengthRating(lower), 250);
    EXPECT_EQ(ParseStrength(StrengthName(upper)), upper);
  }
}

// A misjudging strength plays the same moves with the same seed and other moves with others;
// and whatever it misjudges, it takes a Tree that stands to be taken.
TEST(Search, MisjudgementFollowsTheSeedAndNeverMissesATree) {
  Limits weakest = StrengthLimits(Strength::Beginner);
  weakest.moveTimeMs = 0;
  std::set<std::uint16_t> chosen;
  Searcher searcher(1);
  std::atomic<bool> stop{false};
  for (std::uint64_t seed = 0; seed < 8; ++seed) {
    weakest.seed = seed;
    const Move m = searcher.Search(Position::Start(), weakest, stop).best;
    EXPECT_EQ(searcher.Search(Position::Start(), weakest, stop).best, m);
    chosen.insert(m.Raw());
  }
  EXPECT_GT(chosen.size(), 1u);
  // A search without the noise after one with it scores as one from an empty table.
  Limits noisy, clean;
  noisy.depth = clean.depth = 4;
  noisy.misjudgement = 100;
  searcher.Search(Position::Start(), noisy, stop);
  Searcher fresh(1);
  EXPECT_EQ(searcher.Search(Position::Start(), clean, stop).info.score,
            fresh.Search(Position::Start(), clean, stop).info.score);

  // Oak's Tree is walled in by its own Ants and Fir's Wasp on row 9 can take it now; most
  // other moves take it two plies later, a win only a little slower.
  const Position pos = Position::FromBoard(WithPieces({{0, {9, 0}},
                                                       {8, {5, 9}},
                                                       {9, {5, 5}},
                                                       {30, {0, 9}},
                                                       {48, {1, 9}},
                                                       {49, {0, 8}},
                                                       {50, {1, 8}}}),
                                           Camp::Fir);
  for (Strength s : kStrengths) {
    Limits limits = StrengthLimits(s);
    limits.moveTimeMs = 0;
    for (std::uint64_t seed = 0; seed < 4; ++seed) {
      limits.seed = seed;
      EXPECT_EQ(searcher.Search(pos, limits, stop).best, Move(MakeSq(5, 9), MakeSq(0, 9)))
          << StrengthName(s) << ", seed " << seed;
    }
  }
}

// Several lines: distinct legal root moves, best first, the first being the best move and
// its line; a line that wins goes on to the capture of the Tree.
TEST(Search, MultiPvGivesDistinctLegalMovesInOrderOfScore) {
  Position middle = Position::Start();
  Undo undo;
  for (const char* text : {"d2d4", "i7g5", "g0g4", "a7a6"})
    middle.Make(*ParseMove(text), undo);
  const Position walledIn = Position::FromBoard(  // Fir takes Oak's Tree in 3 plies
      WithPieces(
          {{0, {9, 0}}, {8, {5, 5}}, {30, {0, 9}}, {48, {1, 9}}, {49, {0, 8}}, {50, {1, 8}}}),
      Camp::Fir);
  const struct {
    const Position& pos;
    int lines, depth;
  } cases[] = {{middle, 1, 4}, {middle, 3, 4}, {middle, 5, 3}, {walledIn, 3, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lines << " lines, depth " << c.depth);
    Searcher searcher(4);
    std::atomic<bool> stop{false};
    Limits limits;
    limits.depth = c.depth;
    limits.multiPv = c.lines;
    int reports = 0;
    const SearchResult r = searcher.Search(c.pos, limits, stop, [&](const SearchInfo& info) {
      ++reports;
      EXPECT_EQ(info.lines.size(), static_cast<std::size_t>(c.lines));
    });
    EXPECT_EQ(reports, r.info.depth);
    const std::vector<PvLine>& lines = r.info.lines;
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.lines));
    EXPECT_EQ(lines[0].pv, r.info.pv);
    EXPECT_EQ(lines[0].score, r.info.score);
    EXPECT_EQ(lines[0].pv.front(), r.best);
    std::set<std::uint16_t> moves;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      EXPECT_TRUE(LegalOrPass(c.pos, lines[k].pv.front())) << k;
      moves.insert(lines[k].pv.front().Raw());
      if (k > 0) {
        EXPECT_GE(lines[k - 1].score, lines[k].score) << k;
      }
      // Every line is playable to its end; a winning one ends with the Tree taken.
      Position p = c.pos;
      for (Move m : lines[k].pv) {
        ASSERT_TRUE(LegalOrPass(p, m)) << k;
        m.IsNone() ? p.MakePass() : p.Make(m, undo);
      }
      if (lines[k].score >= kWinBound) {
        EXPECT_EQ(static_cast<int>(lines[k].pv.size()), kWinScore - lines[k].score) << k;
        EXPECT_FALSE(p.TreeStands(Camp::Oak)) << k;
      }
    }
    EXPECT_EQ(moves.size(), lines.size());
  }
}

// However a search ends, the last report names the move it returns.
TEST(Search, TheLastReportNamesTheMovePlayed) {
  const struct {
    int depth;
    std::uint64_t nodes;
    int randomMargin;
  } cases[] = {{5, 0, 0}, {kMaxDepth, 30000, 0}, {kMaxDepth, 200, 0}, {2, 0, 200}};
  for (const auto& c : cases) {
    for (std::uint64_t seed = 0; seed < 4; ++seed) {
      Searcher searcher(4);
      std::atomic<bool> stop{false};
      Limits limits;
      limits.depth = c.depth;
      limits.nodes = c.nodes;
      limits.randomMargin = c.randomMargin;
      limits.seed = seed;
      std::optional<SearchInfo> last;
      const SearchResult r = searcher.Search(Position::Start(), limits, stop,
                                             [&](const SearchInfo& info) { last = info; });
      ASSERT_TRUE(last) << c.nodes;
      EXPECT_EQ(last->pv.front(), r.best) << c.nodes << " seed " << seed;
      EXPECT_EQ(last->depth, r.info.depth);
    }
  }
}

TEST(Search, ReturnsPromptlyWhenStopped) {
  Searcher searcher(16);
  std::atomic<bool> stop{false};
  std::promise<void> deepEnough;
  bool told = false;
  auto done = std::async(std::launch::async, [&] {
    return searcher.Search(Position::Start(), Limits{}, stop, [&](const SearchInfo& info) {
      if (info.depth >= 3 && !told) {
        told = true;
        deepEnough.set_value();
      }
    });
  });
  ASSERT_EQ(deepEnough.get_future().wait_for(std::chrono::seconds(60)), std::future_status::ready);
  const auto raised = std::chrono::steady_clock::now();
  stop = true;
  ASSERT_EQ(done.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  const auto latency = std::chrono::steady_clock::now() - raised;
  EXPECT_LE(latency, std::chrono::milliseconds(50));
  EXPECT_TRUE(IsLegal(Position::Start(), done.get().best));
}

}  // namespace
}  // namespace tamsok::engine
