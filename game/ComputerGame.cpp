#include "game/ComputerGame.h"

#include <random>

namespace tamsok {

namespace {

// A hint is the advice of the strongest setting, given within a second.
constexpr std::int64_t kHintTimeMs = 1000;

}  // namespace

engine::Position PositionOf(const Game& game) {
  return engine::Position::FromBoard(
      game.board(), game.SideToMove(), game.RecordCount(),
      {-game.MaterialBalance(Camp::Fir), -game.MaterialBalance(Camp::Oak)});
}

std::vector<std::uint64_t> BoardHistory(const Game& game) {
  // The records are taken back one by one from the board as it stands.
  Board b = game.board();
  std::vector<std::uint64_t> keys;
  keys.push_back(engine::Position::FromBoard(b, game.SideToMove()).BoardKey());
  for (int i = game.RecordCount(); i >= 1; --i) {
    const MoveRecord& r = game.Record(i);
    if (!r.IsPass) {
      b.PiecePos[r.Piece] = Square{r.FromX, r.FromY};
      if (r.Captured >= 0) {
        b.InPlay[r.Captured] = true;
        b.PiecePos[r.Captured] = Square{r.ToX, r.ToY};
      }
    }
    keys.push_back(engine::Position::FromBoard(b, SideAfterRecords(i - 1)).BoardKey());
  }
  return keys;
}

bool ComputerGame::NewGameAgainst(Camp camp) {
  const GameMode mode = game_.Mode();
  if (mode != GameMode::LocalFree && mode != GameMode::LocalPlaying) return false;
  TurnBoardFor(camp);
  startingGame_ = true;
  game_.miNewClick();
  startingGame_ = false;
  return PlayOnAgainst(camp);
}

bool ComputerGame::PlayOnAgainst(Camp camp) {
  if (game_.Mode() != GameMode::LocalPlaying) return false;
  computer_ = camp;
  freshGame_ = true;
  seed_ = std::random_device{}();
  return true;
}

bool ComputerGame::TakeOver() {
  if (game_.Mode() != GameMode::LocalPlaying || computer_) return false;
  const Camp camp = OtherCamp(game_.SideToMove());
  TurnBoardFor(camp);
  return PlayOnAgainst(camp);
}

void ComputerGame::GameModeApplied() {
  if (!startingGame_) computer_.reset();
}

std::optional<SavedComputer> ComputerGame::ToSave() const {
  if (!Active()) return std::nullopt;
  return SavedComputer{*computer_, std::string(engine::StrengthName(strength_))};
}

void ComputerGame::Resume(const SavedComputer& saved) {
  if (const std::optional<engine::Strength> s = engine::ParseStrength(saved.strength))
    strength_ = *s;
  PlayOnAgainst(saved.camp);
}

ComputerGame::Refusal ComputerGame::RefusePress(PieceId piece) const {
  if (!Active()) return Refusal::None;
  if (game_.SideToMove() == *computer_) return Refusal::ComputerToMove;
  if (CampOf(piece) == *computer_) return Refusal::ComputerPiece;
  return Refusal::None;
}

ComputerGame::Refusal ComputerGame::RefusePass() const {
  return ComputerToMove() ? Refusal::ComputerToMove : Refusal::None;
}

bool ComputerGame::ShouldClaim() const {
  return Active() && game_.RecordCount() >= kScoringRecords && game_.ScoringWinner() == *computer_;
}

ComputerGame::Snapshot ComputerGame::Now() const {
  return {PositionOf(game_), game_.Mode(), game_.ViewSide(), game_.RecordCount(), computer_};
}

bool ComputerGame::Wanted(Purpose purpose, const Snapshot& started) const {
  const Snapshot now = Now();
  if (purpose == Purpose::Hint) return started.SamePosition(now);
  return started == now && WantsMove();
}

engine::Limits ComputerGame::LimitsFor(Purpose purpose) const {
  engine::Limits limits;
  if (purpose == Purpose::Hint) {
    limits = engine::StrengthLimits(engine::Strength::Hard);
    limits.moveTimeMs = kHintTimeMs;
  } else {
    limits = engine::StrengthLimits(strength_);
    limits.seed = seed_;
  }
  limits.earlierBoards = BoardHistory(game_);
  return limits;
}

void ComputerGame::Play(const Snapshot& started, engine::Move move, bool claim) {
  if (claim) {
    Claim();
    return;
  }
  const engine::BoardMove m = engine::ToBoardMove(started.position, move, game_.ViewSide());
  if (m.piece == kNoPiece) {
    game_.miPassClick();
    return;
  }
  const int before = game_.RecordCount();
  game_.PlayDroppedPiece(m.piece, m.to.x, m.to.y);
  if (game_.RecordCount() == before) computer_.reset();
}

bool ComputerGame::Retract(Retraction command) {
  if (!Active()) return false;
  const Camp computer = *computer_;
  const int count = game_.RecordCount(), limit = game_.RedoLimit();
  auto playerToMove = [&](int records) { return SideAfterRecords(records) != computer; };

  // The record count to go to: a position where the player is to move, or, going forward,
  // the last record there is.
  int target = count;
  switch (command) {
    case Retraction::UndoFirst:
      target = playerToMove(0) ? 0 : 1;
      if (target > count) target = count;
      break;
    case Retraction::Undo:
      for (int k = count - 1; k >= 0 && target == count; --k)
        if (playerToMove(k)) target = k;
      break;
    case Retraction::Redo:
      for (int k = count + 1; k <= limit && (target == count || !playerToMove(target)); ++k)
        target = k;
      break;
    case Retraction::RedoLast:
      target = limit;
      break;
  }
  game_.view().ClearDragState();
  while (game_.RecordCount() > target)
    game_.miUndoClick();
  while (game_.RecordCount() < target)
    game_.miRedoClick();
  return true;
}

}  // namespace tamsok
