// The game review: a move that hangs the Tree is a blunder and the engine's own move is not;
// a review goes into a game file as notes and comes back the same; scores read as people read
// them.
#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "game/Review.h"

namespace tamsok {
namespace {

using engine::Move;
using engine::Position;

SavedRecord RecordOf(Move m) {
  SavedRecord r;
  r.squares = {{engine::FileOf(m.From()), engine::RowOf(m.From())},
               {engine::FileOf(m.To()), engine::RowOf(m.To())}};
  return r;
}

// A move of the side to move after which the other camp may take its Tree at once.
std::optional<Move> TreeHangingMove(const Position& pos) {
  engine::MoveList moves;
  engine::GenerateMoves(pos, moves);
  for (Move m : moves) {
    Position after = pos;
    engine::Undo undo;
    after.Make(m, undo);
    if (engine::Threatens(after, after.SideToMove(),
                          after.SquareOf(Position::TreeOf(pos.SideToMove()))))
      return m;
  }
  return std::nullopt;
}

// Fir plays the engine's choice, Oak hangs its Tree, Fir takes it.
TEST(ReviewTest, MarksTheMoveThatHangsTheTreeAndNotTheEnginesOwnMove) {
  engine::Searcher searcher(4);
  std::atomic<bool> stop{false};
  Position pos = Position::Start();
  std::vector<SavedRecord> records;
  auto play = [&](Move m) {
    records.push_back(RecordOf(m));
    engine::Undo undo;
    pos.Make(m, undo);
  };
  const Move best = searcher.Search(pos, review::ReviewLimits(engine::Strength::Medium), stop).best;
  play(best);
  const std::optional<Move> hang = TreeHangingMove(pos);
  ASSERT_TRUE(hang);
  play(*hang);
  engine::MoveList captures;
  engine::GenerateCaptures(pos, captures);
  for (Move m : captures)
    if (pos.PieceAt(m.To()) == Position::TreeOf(Camp::Oak)) {
      play(m);
      break;
    }
  ASSERT_EQ(records.size(), 3u);

  const review::Plies plies = review::PliesOf(records);
  ASSERT_EQ(plies.positions.size(), 4u);
  searcher.Clear();
  int reported = 0;
  const review::Review r =
      review::ReviewGame(plies, engine::Strength::Medium, searcher, stop,
                         [&](int done, int total) { reported = done * 10 + total; });
  EXPECT_EQ(reported, 44);
  ASSERT_EQ(r.moves.size(), 3u);
  for (const review::Verdict& v : r.moves)
    EXPECT_TRUE(v.judged);
  EXPECT_EQ(r.moves[0].mark, review::Mark::None);
  EXPECT_EQ(r.moves[1].mark, review::Mark::Blunder);
  EXPECT_NE(r.moves[1].better, *hang);
  EXPECT_FALSE(r.moves[1].better.IsNone());
  EXPECT_EQ(r.moves[2].mark, review::Mark::None);  // taking the Tree
  EXPECT_EQ(review::ScoreText(r.evals[2].score), "Tree in 1");
  EXPECT_EQ(r.evals[3].score, -engine::kWinScore);  // Oak has lost its Tree

  const review::Summary oak = review::Summarise(plies, r, Camp::Oak);
  EXPECT_EQ(oak.judged, 1);
  EXPECT_EQ(oak.marks[static_cast<int>(review::Mark::Blunder)], 1);
  EXPECT_GE(oak.averageDrop, review::kBlunderDrop);
  EXPECT_EQ(review::Summarise(plies, r, Camp::Fir).marks[0], 2);

  // The review kept in a game file comes back the same; notes of its own are kept beside it.
  SavedGame game;
  game.records = records;
  game.current = 3;
  game.notes = review::WriteNotes(plies, r);
  game.notes.push_back({"Comment", "kept as written"});
  const ReadGameResult read = ReadGameFile(WriteGameFile(game));
  ASSERT_TRUE(read);
  EXPECT_EQ(read.game->notes, game.notes);
  const std::optional<review::Review> back = review::ReadNotes(read.game->notes, *read.game);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->budget, "Medium");
  EXPECT_EQ(back->evals, r.evals);
  for (std::size_t i = 0; i < r.moves.size(); ++i) {
    EXPECT_EQ(back->moves[i].mark, r.moves[i].mark);
    EXPECT_EQ(back->moves[i].better, r.moves[i].better);
  }
}

// Notes that do not fit the game are passed over: the game loads without its review.
TEST(ReviewTest, NotesThatDoNotFitTheGameGiveNoReview) {
  SavedGame game;
  game.records = {RecordOf(engine::Move(engine::MakeSq(0, 2), engine::MakeSq(0, 3)))};
  game.current = 1;
  const std::pair<const char*, const char*> cases[][2] = {
      {{"Evaluations", "0 -4"}, {"Best moves", "a2a3 a7a6"}},     // fits
      {{"Evaluations", "0"}, {"Best moves", "a2a3"}},             // too few
      {{"Evaluations", "0 x"}, {"Best moves", "a2a3 a7a6"}},      // not a score
      {{"Evaluations", "0 +T999"}, {"Best moves", "a2a3 a7a6"}},  // too far for a capture
      {{"Evaluations", "0 -4"}, {"Best moves", "a2a3 e9e5"}},     // not a legal move
      {{"Evaluations", "0 ?"}, {"Best moves", "a2a3 a7a6"}},      // a move for no score
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    std::vector<HeaderNote> notes = {{"Review", "Medium"}};
    for (const auto& [key, value] : cases[i])
      notes.push_back({key, value});
    EXPECT_EQ(review::ReadNotes(notes, game).has_value(), i == 0) << i;
  }
  EXPECT_FALSE(review::ReadNotes({{"Evaluations", "0 -4"}, {"Best moves", "a2a3 a7a6"}}, game));
}

TEST(ReviewTest, ScoresReadAsPeopleReadThem) {
  const std::pair<int, const char*> cases[] = {
      {0, "0"},
      {45, "+45"},
      {-120, "-120"},
      {engine::kWinScore - 1, "Tree in 1"},
      {engine::kWinScore - 5, "Tree in 3"},
      {-(engine::kWinScore - 2), "Tree lost in 1"},
      {-(engine::kWinScore - 4), "Tree lost in 2"},
      {engine::kClaimWinScore, "Scoring wins now"},
      {engine::kClaimWinScore - 3, "Scoring wins in 2"},
      {-engine::kClaimWinScore, "Scoring loses now"},
  };
  for (const auto& [score, text] : cases)
    EXPECT_EQ(review::ScoreText(score), text) << score;
}

}  // namespace
}  // namespace tamsok
