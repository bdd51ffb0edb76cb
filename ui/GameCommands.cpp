// The game's commands as the menu gives them to a person: a question first where one click
// would give up a running game, and panel 4 naming the record an undo or redo reached. The
// game itself asks nothing: the computer and the clock act through it without questions.
#include "rules/Catalogue.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/mainBoard.h"

namespace tamsok {

bool TBoardForm::GoesOn(bool ask, const char* question) {
  if (!ask) return true;
  const int gameNumber = game_.GameNumber();
  const GameMode mode = game_.Mode();
  return prompts_->MessageBox(this, Tr(question), Tr(ui_text::kConfirmCaption),
                              BoxButtons::OkCancel) == BoxAnswer::Ok &&
         game_.GameNumber() == gameNumber && game_.Mode() == mode;
}

void TBoardForm::miNewClick() {
  if (GoesOn(IsPlayingMode(game_.Mode()), ui_text::kAskNewGame)) game_.miNewClick();
}

void TBoardForm::miLocalAloneClick() {
  if (GoesOn(IsPlayingMode(game_.Mode()), ui_text::kAskLocalAlone)) game_.miLocalAloneClick();
}

// A spectator, or a player outside a game, gets the game's own answer without a question.
void TBoardForm::miLossgameClick() {
  const bool ends = game_.CanHandlePieces() && IsPlayingMode(game_.Mode());
  if (GoesOn(ends, ui_text::kAskSurrender)) game_.miLossgameClick();
}

// Too short a game gets the game's own notice without a question.
void TBoardForm::miScoringClick() {
  const bool ends =
      game_.CanHandlePieces() && IsPlayingMode(game_.Mode()) && game_.RecordCount() >= 50;
  if (GoesOn(ends, ui_text::kAskScoring)) game_.miScoringClick();
}

bool TBoardForm::FinishedGameOnBoard() const {
  return game_.Mode() == GameMode::LocalFree && game_.Winner().has_value();
}

void TBoardForm::StepRecords(void (Game::*step)(), Retraction command) {
  const int before = game_.RecordCount();
  if (!computer_->Retract(command)) (game_.*step)();
  const int now = game_.RecordCount();
  if (now == before) return;
  // The last record taken back, or the last one replayed; a pass says "Pass" itself.
  const int n = now < before ? now + 1 : now;
  const MoveRecord& r = game_.Record(n);
  if (r.IsPass) return;
  const QString move = Tr(Game::MoveStatusText(n, CampOf(r.Piece), KindOf(r.Piece),
                                               {r.FromX, r.FromY}, {r.ToX, r.ToY}));
  ShowStatus(kPanelGame, (now < before ? Tr(ui_text::kTakenBack).arg(move) : move).toStdString());
}

}  // namespace tamsok
