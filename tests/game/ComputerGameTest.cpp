// The computer's part in a local game, without a window: whose turn it is, when it calls
// Scoring, how its answers are played, what Undo takes back, which results are stale, and a
// game against it saved and loaded.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/ComputerGame.h"
#include "rules/Frames.h"
#include "tests/game/FakeView.h"

namespace tamsok {
namespace {

using testing::GameFixture;

constexpr PieceId kFirLightning = 1;  // canonical (5, 0); takes Oak's Cloud on (4, 6)
constexpr PieceId kFirAnt = 18;       // canonical (0, 2)
constexpr PieceId kOakAnt = 48;       // canonical (0, 7)

// A game in which the window's hook reaches the computer's part, as the main window's does.
struct Against : GameFixture {
  ComputerGame computer{game};
  Against() {
    view.onModeApplied = [this] { computer.GameModeApplied(); };
  }
  // Plays a move given in canonical squares.
  void Move(PieceId piece, Square to) {
    const Square view = FromCanonical(game.ViewSide(), to);
    game.PlayDroppedPiece(piece, view.x, view.y);
  }
  void Passes(int n) {
    for (int i = 0; i < n; ++i)
      game.miPassClick();
  }
};

// The computer calls Scoring as soon as the rule gives it the game from record 50 on,
// whoever is to move, and only then; the call is the Scoring command's, box included.
TEST(ComputerGame, ClaimsScoringAsSoonAsTheRuleFavoursIt) {
  const struct {
    Camp computer;
    bool firTakes;  // Fir's Lightning takes an Oak Cloud first: Oak has lost more
    int passes;
    bool claims;
  } rows[] = {
      {Camp::Oak, false, 49, false}, {Camp::Oak, false, 50, true},  // a tie is Oak's
      {Camp::Oak, false, 51, true},  {Camp::Fir, false, 50, false}, {Camp::Fir, true, 48, false},
      {Camp::Fir, true, 49, true},   {Camp::Oak, true, 49, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message()
                 << CampName(r.computer) << " " << r.firTakes << " " << r.passes);
    Against a;
    ASSERT_TRUE(a.computer.NewGameAgainst(r.computer));
    if (r.firTakes) a.Move(kFirLightning, {4, 6});
    a.Passes(r.passes);
    EXPECT_EQ(a.computer.ShouldClaim(), r.claims);
    EXPECT_EQ(a.computer.WantsMove(), !r.claims && a.game.SideToMove() == r.computer);
    if (!r.claims) continue;
    a.computer.Claim();
    EXPECT_EQ(a.view.boxes.back(),
              std::string("Game over|") + std::string(CampName(r.computer)) + "Win");
    EXPECT_EQ(a.game.Mode(), GameMode::LocalFree);
    EXPECT_EQ(a.game.Winner(), r.computer);
    EXPECT_FALSE(a.computer.ComputerCamp());
  }
}

// Whose turn it is, and the computer's answers played through the game's own commands.
TEST(ComputerGame, PlaysItsMovePassAndClaimAsThePlayerWould) {
  Against a;
  a.computer.NewGameAgainst(Camp::Oak);
  EXPECT_EQ(a.game.ViewSide(), 2);  // Fir, the player's camp, at the bottom
  EXPECT_EQ(a.computer.RefusePress(kOakAnt), ComputerGame::Refusal::ComputerPiece);
  EXPECT_EQ(a.computer.RefusePress(kFirAnt), ComputerGame::Refusal::None);
  EXPECT_EQ(a.computer.RefusePass(), ComputerGame::Refusal::None);
  a.Move(kFirAnt, {0, 3});
  EXPECT_TRUE(a.computer.ComputerToMove());
  EXPECT_EQ(a.computer.RefusePress(kFirAnt), ComputerGame::Refusal::ComputerToMove);
  EXPECT_EQ(a.computer.RefusePass(), ComputerGame::Refusal::ComputerToMove);

  // A move: Oak's Ant from a7 to a6, found in the snapshot's position.
  ComputerGame::Snapshot started = a.computer.Now();
  a.computer.Play(started, engine::Move(engine::MakeSq(0, 7), engine::MakeSq(0, 6)), false);
  ASSERT_EQ(a.game.RecordCount(), 2);
  EXPECT_EQ(a.game.Record(2).Piece, kOakAnt);

  // A pass, as the Pass command makes it.
  a.Move(kFirAnt, {0, 4});
  started = a.computer.Now();
  a.computer.Play(started, engine::Move(), false);
  ASSERT_EQ(a.game.RecordCount(), 4);
  EXPECT_TRUE(a.game.Record(4).IsPass);
  EXPECT_EQ(a.view.panel[kPanelGame], "Pass");
  EXPECT_EQ(a.game.SideToMove(), Camp::Fir);

  // A claim, as the Scoring command makes it: too early here, so the box says so.
  a.computer.Play(a.computer.Now(), engine::Move(), true);
  EXPECT_EQ(a.view.boxes.back(), "Notice|Require 50 Moves at least");
  EXPECT_EQ(a.game.RecordCount(), 4);
}

// A result is stale once the game has changed: a hint survives a turn of the board, the
// computer's move does not; anything that changes the position ends both.
TEST(ComputerGame, ResultsGoStaleWhenTheGameChanges) {
  const struct {
    const char* change;
    bool moveWanted, hintWanted;
  } rows[] = {{"nothing", true, true},
              {"view", false, true},
              {"undo", false, false},
              {"mode", false, false},
              {"strength", true, true}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.change);
    Against a;
    a.computer.NewGameAgainst(Camp::Oak);
    a.Move(kFirAnt, {0, 3});
    const ComputerGame::Snapshot started = a.computer.Now();
    const std::string change = r.change;
    if (change == "view") a.game.SelectViewSide(1);
    if (change == "undo") a.game.miUndoClick();
    if (change == "mode") a.game.miLocalAloneClick();
    if (change == "strength") a.computer.SetStrength(engine::Strength::Hard);
    EXPECT_EQ(a.computer.Wanted(ComputerGame::Purpose::Move, started), r.moveWanted);
    EXPECT_EQ(a.computer.Wanted(ComputerGame::Purpose::Hint, started), r.hintWanted);
  }
}

// Undo and Redo go by whole turns, to a position where the player is to move; going forward
// they stop at the last record there is.
TEST(ComputerGame, UndoAndRedoTakeWholeTurns) {
  const struct {
    Camp computer;
    int records, undoneTo;  // where Undo goes from `records`
    Retraction command;
    int expected;
  } rows[] = {
      {Camp::Oak, 4, 4, Retraction::Undo, 2},      {Camp::Oak, 4, 4, Retraction::UndoFirst, 0},
      {Camp::Oak, 5, 5, Retraction::Undo, 4},      {Camp::Oak, 5, 0, Retraction::Redo, 2},
      {Camp::Oak, 5, 0, Retraction::RedoLast, 5},  {Camp::Oak, 5, 4, Retraction::Redo, 5},
      {Camp::Fir, 5, 5, Retraction::Undo, 3},      {Camp::Fir, 5, 5, Retraction::UndoFirst, 1},
      {Camp::Fir, 1, 1, Retraction::UndoFirst, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << CampName(r.computer) << " " << r.records << " "
                                      << r.undoneTo << " " << static_cast<int>(r.command));
    Against a;
    a.computer.NewGameAgainst(r.computer);
    a.Passes(r.records);
    while (a.game.RecordCount() > r.undoneTo)
      a.game.miUndoClick();
    EXPECT_TRUE(a.computer.Retract(r.command));
    EXPECT_EQ(a.game.RecordCount(), r.expected);
  }
  Against twoPlayers;  // without the computer Undo is the game's own
  twoPlayers.game.miNewClick();
  EXPECT_FALSE(twoPlayers.computer.Retract(Retraction::Undo));
}

// A game against the computer is saved as one and loaded back as one; a game between two
// people is not, and a strength this program does not know leaves its own.
TEST(ComputerGame, ASavedGameResumesAgainstTheComputer) {
  Against saver;
  saver.computer.SetStrength(engine::Strength::Hard);
  saver.computer.NewGameAgainst(Camp::Fir);
  saver.Move(kFirAnt, {0, 3});
  saver.Move(kOakAnt, {0, 6});
  const std::string text = WriteGameFile(SaveGame(saver.game, "", saver.computer.ToSave()));
  EXPECT_NE(text.find("\nComputer: plays Fir, strength Hard\n"), std::string::npos) << text;

  for (const char* strength : {"Hard", "Grandmaster"}) {
    std::string file = text;
    file.replace(file.find("strength Hard"), 13, std::string("strength ") + strength);
    const ReadGameResult read = ReadGameFile(file);
    ASSERT_TRUE(read && read.game->computer);
    Against loader;
    ASSERT_FALSE(LoadGame(loader.game, *read.game));
    loader.computer.Resume(*read.game->computer);
    EXPECT_EQ(loader.computer.ComputerCamp(), Camp::Fir);
    EXPECT_EQ(loader.computer.Strength(),
              std::string(strength) == "Hard" ? engine::Strength::Hard : engine::Strength::Medium);
    EXPECT_TRUE(loader.computer.WantsMove());  // Fir to move after two records
  }

  Against people;
  people.game.miNewClick();
  EXPECT_FALSE(people.computer.ToSave());
  EXPECT_EQ(ReadGameFile("Tamsok Janggi game\nVersion: 1\nView: 0\nComputer: plays Elm, "
                         "strength Hard\nRecords: 0\nCurrent: 0\n\n")
                .error.line,
            4);
}

// The search is told every position of the game so far, captures and passes included, in
// any viewing side, so that it knows which positions a move would bring back.
TEST(ComputerGame, TellsTheSearchEveryPositionSoFar) {
  Against a;
  ASSERT_TRUE(a.computer.NewGameAgainst(Camp::Oak));  // the board turns: Oak at the top
  a.Move(kFirAnt, {0, 3});
  a.Move(kOakAnt, {0, 6});
  a.Passes(2);
  a.Move(kFirLightning, {4, 6});

  engine::Position replay = engine::Position::Start();
  std::vector<std::uint64_t> expected{replay.BoardKey()};
  engine::Undo undo;
  for (const char* m : {"a2a3", "a7a6", "0000", "0000", "f0e6"}) {
    const engine::Move move = *engine::ParseMove(m);
    if (move.IsNone())
      replay.MakePass();
    else
      replay.Make(move, undo);
    expected.push_back(replay.BoardKey());
  }
  std::vector<std::uint64_t> told = a.computer.LimitsFor(ComputerGame::Purpose::Move).earlierBoards;
  std::sort(told.begin(), told.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(told, expected);
  EXPECT_EQ(a.computer.LimitsFor(ComputerGame::Purpose::Hint).earlierBoards.size(), 6u);
}

}  // namespace
}  // namespace tamsok
