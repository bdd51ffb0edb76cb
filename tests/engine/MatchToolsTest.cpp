// The match tool: the pentanomial SPRT against values worked out by hand, the refereeing of
// claims, passes and the ply limit, and the stored opening book (it loads, and every opening
// is legal, new and level).
#include <gtest/gtest.h>

#include <set>

#include "engine/Engine.h"
#include "engine/MoveGen.h"
#include "engine/tools/Match.h"
#include "engine/tools/OpeningBook.h"
#include "engine/tools/SelfPlayData.h"
#include "engine/tools/Sprt.h"

namespace tamsok::match {
namespace {

using engine::Move;
using engine::ParseMove;

TEST(Sprt, LogLikelihoodRatioAndDecision) {
  struct Case {
    Pentanomial pairs;
    double elo0, elo1, alpha, beta;
    double llr;
    SprtResult decision;
  };
  // The ratios were computed independently in high precision, by maximizing the dual of each
  // constrained likelihood, and checked by a direct search over the distributions.
  const Case cases[] = {
      {{{10, 30, 120, 40, 12}}, 0, 10, 0.05, 0.05, 0.609459785847, SprtResult::Continue},
      {{{20, 200, 800, 300, 40}}, 0, 5, 0.05, 0.05, 6.38471300871, SprtResult::AcceptH1},
      {{{40, 300, 800, 200, 20}}, 0, 10, 0.05, 0.05, -18.4583587212, SprtResult::AcceptH0},
      {{{40, 300, 800, 200, 20}}, 0, 10, 0.05, 0.10, -18.4583587212, SprtResult::AcceptH0},
      // Unseen pair scores count as 0.001 pairs: one-sided results stay finite.
      {{{0, 0, 5, 0, 0}}, 0, 10, 0.05, 0.05, -0.14050686232, SprtResult::Continue},
      {{{0, 0, 0, 3, 7}}, -10, 10, 0.05, 0.05, 0.575690982448, SprtResult::Continue},
      {{{0, 0, 0, 0, 0}}, 0, 10, 0.05, 0.05, -4.1408504849e-6, SprtResult::Continue},
      {{{3, 25, 60, 30, 2}}, -5, 5, 0.05, 0.05, 0.274185813458, SprtResult::Continue},
  };
  for (const Case& c : cases) {
    const double llr = LogLikelihoodRatio(c.pairs, c.elo0, c.elo1);
    EXPECT_NEAR(llr, c.llr, 1e-6) << c.pairs.count[0] << " " << c.pairs.count[4];
    const Sprt sprt{c.elo0, c.elo1, c.alpha, c.beta};
    EXPECT_EQ(sprt.Decide(llr), c.decision) << c.pairs.count[0] << " " << c.pairs.count[4];
  }
  const Sprt loose{0, 10, 0.05, 0.10};
  EXPECT_NEAR(loose.LowerBound(), -2.2512917986, 1e-9);
  EXPECT_NEAR(loose.UpperBound(), 2.8903717579, 1e-9);
}

TEST(Sprt, EloEstimateWithItsInterval) {
  const EloEstimate e = EstimateElo({{10, 30, 120, 40, 12}});
  EXPECT_NEAR(e.elo, 11.476101513746, 1e-6);
  EXPECT_NEAR(e.lower, -8.658700220279, 1e-6);
  EXPECT_NEAR(e.upper, 31.688343674137, 1e-6);
  EXPECT_EQ(EstimateElo({{0, 0, 0, 0, 4}}).elo, std::numeric_limits<double>::infinity());
}

// A player that passes, and claims Scoring in its turn from a given record on.
class Passer : public Player {
 public:
  Passer(bool claimsItself, int claimFrom) : claimsItself_(claimsItself), claimFrom_(claimFrom) {}
  void NewGame(std::uint64_t) override {}
  Action Choose(const MatchState& game) override {
    return static_cast<int>(game.records.size()) >= claimFrom_ ? Action::Claim() : Action{};
  }
  bool ClaimsItself() const override { return claimsItself_; }

 private:
  bool claimsItself_;
  int claimFrom_;
};

TEST(Match, ClaimsPassesAndThePlyLimit) {
  constexpr int kNever = 1000;
  const Move firTakesWasp = *ParseMove("a0a9");  // Fir's Wasp takes Oak's (Oak loses 71)
  const Move oakTakesBack = *ParseMove("j9a9");
  struct Case {
    const char* name;
    Passer fir, oak;
    std::vector<Move> opening;
    bool toolClaims;
    std::optional<Camp> winner;
    Ending ending;
    Camp actor;
    int plies;
  };
  const Case cases[] = {
      {"a tie is Oak's, claimed for it at record 50",
       {false, kNever},
       {false, kNever},
       {},
       true,
       Camp::Oak,
       Ending::ToolClaim,
       Camp::Oak,
       50},
      {"nobody claims: scored at the ply limit",
       {false, kNever},
       {false, kNever},
       {},
       false,
       Camp::Oak,
       Ending::PlyLimit,
       Camp::Fir,
       300},
      {"Fir ahead: claimed for Fir in its turn",
       {false, kNever},
       {false, kNever},
       {firTakesWasp},
       true,
       Camp::Fir,
       Ending::ToolClaim,
       Camp::Fir,
       50},
      {"an even trade is a tie",
       {false, kNever},
       {false, kNever},
       {firTakesWasp, oakTakesBack},
       true,
       Camp::Oak,
       Ending::ToolClaim,
       Camp::Oak,
       50},
      {"a claim before record 50 loses",
       {true, 0},
       {false, kNever},
       {},
       false,
       Camp::Oak,
       Ending::Illegal,
       Camp::Fir,
       0},
      {"a tie claimed by Fir is Oak's",
       {true, 50},
       {false, kNever},
       {},
       false,
       Camp::Oak,
       Ending::Claim,
       Camp::Fir,
       50},
      {"out of its turn a claiming player is spoken for",
       {false, kNever},
       {true, kNever},
       {},
       false,
       Camp::Oak,
       Ending::Claim,
       Camp::Oak,
       50},
      {"in its turn a claiming player speaks for itself",
       {true, 50},
       {false, kNever},
       {firTakesWasp},
       false,
       Camp::Fir,
       Ending::Claim,
       Camp::Fir,
       50},
  };
  const std::atomic<bool> abort{false};
  for (Case c : cases) {
    const GameResult r =
        PlayGame(c.fir, c.oak, c.opening, GameRules{300, 50, c.toolClaims, false}, abort);
    EXPECT_EQ(r.winner, c.winner) << c.name;
    EXPECT_EQ(r.ending, c.ending) << c.name;
    EXPECT_EQ(r.actor, c.actor) << c.name;
    EXPECT_EQ(r.plies, c.plies) << c.name;
  }
}

TEST(OpeningBook, TheStoredBookLoadsAndIsLevel) {
  std::vector<Opening> book;
  BookError error;
  ASSERT_TRUE(LoadBook(TAMSOK_BOOK_FILE, book, error)) << error.line << ": " << error.reason;
  EXPECT_GE(book.size(), 200u);
  const BookRecipe recipe;
  std::set<std::uint64_t> positions;
  for (const Opening& o : book) {
    const std::string line = BookLine(o);
    EXPECT_EQ(static_cast<int>(o.moves.size()), recipe.plies) << line;
    EXPECT_LE(std::abs(o.score), recipe.level) << line;
    const OpeningEnd end = PlayOpening(o.moves);
    EXPECT_EQ(end.lost[0], end.lost[1]) << line;
    EXPECT_EQ(end.pos.Material(Camp::Fir), end.pos.Material(Camp::Oak)) << line;
    for (Camp c : {Camp::Fir, Camp::Oak})
      EXPECT_FALSE(engine::Threatens(end.pos, OtherCamp(c), end.pos.SquareOf(end.pos.TreeOf(c))))
          << line;
    EXPECT_TRUE(positions.insert(end.pos.Key()).second) << "twice: " << line;
  }
}

TEST(OpeningBook, RefusesBadLines) {
  const struct {
    const char* text;
    int line;
    const char* reason;
  } cases[] = {
      {"# a comment\n\na2a3 a7a6 ; 3\na2a3 ; x\n", 4, "bad score: x"},
      {"a2a3 a7a6\n", 1, "no score after the moves"},
      {"a2a3 a7a6 a3a9 ; 0\n", 1, "illegal move: a3a9"},
      {"a2a3 0000 ; 0\n", 1, "malformed move: 0000"},
      {" ; 0\n", 1, "no moves"},
  };
  for (const auto& c : cases) {
    std::vector<Opening> book;
    BookError error;
    EXPECT_FALSE(ParseBook(c.text, book, error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_EQ(error.reason, c.reason) << c.text;
  }
  std::vector<Opening> book;
  BookError error;
  ASSERT_TRUE(ParseBook("a2a3 a7a6 ; -7 # level\n", book, error));
  ASSERT_EQ(book.size(), 1u);
  EXPECT_EQ(book[0].score, -7);
  EXPECT_EQ(BookLine(book[0]), "a2a3 a7a6 ; -7");
}

// A self-play line survives the round trip with the position exactly as it was (pieces,
// side, records, lost values, key); malformed lines are refused.
TEST(SelfPlayData, LinesRoundTripAndBadOnesAreRefused) {
  constexpr const char* kStartLine =
      "WGBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 a0a9 32 "
      "O 50";
  const auto start = ParseSampleLine(kStartLine);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->pos, engine::Position::Start());
  EXPECT_EQ(SampleLine(*start), kStartLine);

  engine::Position pos = engine::Position::Start();
  engine::Undo undo;
  for (const char* m : {"a0a9", "j9a9", "e3d4"})
    pos.Make(*ParseMove(m), undo);
  pos.MakePass();
  const Sample sample{pos, Move(), -45, Camp::Fir, 73};
  const auto back = ParseSampleLine(SampleLine(sample));
  ASSERT_TRUE(back) << SampleLine(sample);
  EXPECT_EQ(back->pos.Key(), pos.Key());
  EXPECT_TRUE(back->pos.IsConsistent());
  EXPECT_EQ(back->pos.Lost(Camp::Oak), 71);
  EXPECT_EQ(back->pos.Lost(Camp::Fir), 71);
  EXPECT_EQ(SampleLine(*back), SampleLine(sample));

  for (const char* bad : {
           "WGBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10 f 0 0 0 0000 0 F 9",
           "WGBDTLDBGW/9/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 0000 "
           "0 F 9",
           "WGBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw x 0 0 0 0000 "
           "0 F 9",
           "WWBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 0000 "
           "0 F 9",
           "WGBD1LDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 0000 "
           "0 F 9",
           "WGBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 0000 "
           "0 X 9",
           "WGBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 zz 0 "
           "F 9",
       })
    EXPECT_FALSE(ParseSampleLine(bad)) << bad;
}

}  // namespace
}  // namespace tamsok::match
