// The computer's part in a local game: which camp it plays and how strongly, whose turn it is,
// when it calls Scoring, what it searches, how its answer is played (through the same
// operations of the game as the player's own moves, Pass and Scoring), what Undo and Redo take
// back, and which search results have gone stale. It runs no thread and draws nothing: the
// window runs the searches on a worker thread, glides the computer's pieces and paints hints,
// and asks this object what to do.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/Engine.h"
#include "game/Game.h"
#include "game/GameFile.h"

namespace tamsok {

// The engine's position of the game on the board: its pieces, the side to move, the records
// played and the value each camp has lost.
engine::Position PositionOf(const Game& game);
// The board keys (engine::Position::BoardKey) of every position of the game so far, the one
// on the board included: what the search needs to know which positions would come back.
std::vector<std::uint64_t> BoardHistory(const Game& game);

// The four undo and redo commands.
enum class Retraction { UndoFirst, Undo, Redo, RedoLast };

class ComputerGame {
 public:
  explicit ComputerGame(Game& game) : game_(game) {}

  // ---- Starting and ending ---------------------------------------------------------------

  // A new local game in which the computer plays `camp`; the board turns so that the player's
  // camp stands at the bottom. Only in LocalFree and LocalPlaying; false otherwise.
  bool NewGameAgainst(Camp camp);
  // The local game on the board (a loaded one, say) goes on with the computer playing `camp`.
  // Only in LocalPlaying; false otherwise.
  bool PlayOnAgainst(Camp camp);
  // The local game on the board goes on against the computer, which takes the camp not to
  // move; the board turns as for a new game against it. Only in LocalPlaying while the
  // computer does not play; false otherwise.
  bool TakeOver();
  // Every mode applied ends a game against the computer, except the one it starts itself.
  void GameModeApplied();

  // What a save of the game on the board records of the computer: nothing unless a game
  // against it is being played.
  std::optional<SavedComputer> ToSave() const;
  // After a saved game has been put on the board: a game saved against the computer goes on
  // against it, at the saved strength when this program knows its name.
  void Resume(const SavedComputer& saved);

  // The camp the computer plays, while a game against it runs.
  std::optional<Camp> ComputerCamp() const { return computer_; }
  engine::Strength Strength() const { return strength_; }
  void SetStrength(engine::Strength s) { strength_ = s; }
  // True once per game: the first search of a game forgets what earlier games taught.
  bool TakeFreshGame() { return std::exchange(freshGame_, false); }

  // ---- Whose turn ------------------------------------------------------------------------

  // A game against the computer is being played.
  bool Active() const { return computer_ && game_.Mode() == GameMode::LocalPlaying; }
  bool ComputerToMove() const { return Active() && game_.SideToMove() == *computer_; }

  // Why the player may not do something now.
  enum class Refusal { None, ComputerToMove, ComputerPiece };
  Refusal RefusePress(PieceId piece) const;
  Refusal RefusePass() const;

  // ---- Scoring ---------------------------------------------------------------------------

  // Scoring may be called and the rule gives the computer the game: it calls at once,
  // whoever is to move.
  bool ShouldClaim() const;
  // Calls Scoring as the "Scoring" menu does: the result box shows and the game ends.
  void Claim() { game_.miScoringClick(); }

  // ---- Searches and their results ----------------------------------------------------------

  enum class Purpose { Move, Hint };

  // What a search was started for. A result is used only while the game still matches: a
  // hint needs the same position, the computer's move also the same viewing side.
  struct Snapshot {
    engine::Position position;
    GameMode mode = GameMode::LocalFree;
    int viewSide = 0;
    int recordCount = 0;
    std::optional<Camp> computer;

    bool SamePosition(const Snapshot& o) const {
      return position == o.position && mode == o.mode && recordCount == o.recordCount &&
             computer == o.computer;
    }
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
  };
  Snapshot Now() const;
  // False once the game has changed in a way that makes a result for `started` stale.
  bool Wanted(Purpose purpose, const Snapshot& started) const;
  // The computer's own strength for its moves; a hint is the advice of the strongest setting,
  // given within a second. Either knows the positions the game has passed through.
  engine::Limits LimitsFor(Purpose purpose) const;
  // A search of the computer's move wanted now: the computer is to move and does not claim.
  bool WantsMove() const { return ComputerToMove() && !ShouldClaim(); }

  // Plays the answer of a search started at `started` (which must still be wanted): a move as
  // a dropped piece, a pass as the Pass command, a claim as the Scoring command. A move the
  // game refuses (its record is full) ends the game against the computer; the people at the
  // board go on without it.
  void Play(const Snapshot& started, engine::Move move, bool claim);

  // ---- Undo and redo ---------------------------------------------------------------------

  // In a game against the computer, takes back or replays whole turns, so that the player is
  // to move again (going forward, up to the last record there is), and returns true;
  // otherwise returns false and leaves the command to the game.
  bool Retract(Retraction command);

 private:
  // The player's camp at the bottom of the board, the computer's at the top.
  void TurnBoardFor(Camp computer) { game_.SelectViewSide(computer == Camp::Oak ? 2 : 0); }

  Game& game_;
  std::optional<Camp> computer_;
  engine::Strength strength_ = engine::Strength::Medium;
  bool startingGame_ = false;  // our own New game is applying its mode
  bool freshGame_ = true;
  std::uint64_t seed_ = 0;  // Easy's choice among near-equal moves, new for every game
};

}  // namespace tamsok
