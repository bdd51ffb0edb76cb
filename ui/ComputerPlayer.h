// The computer opponent in the main window: the "Computer" menu, the worker thread that runs the
// engine's searches, the glide of the computer's pieces and the hint marks. What the computer
// does and when (whose turn it is, when it calls Scoring or passes, what Undo takes back, which
// results are stale) is decided by ComputerGame in the game layer; this object asks it.
//
// The engine searches on a worker thread over its own copy of the position and hands back its
// answer through a queued call; the only state both threads touch is the stop flag. Every
// search is tagged with a snapshot of the game it was started for, and its result is used only
// while the game still matches that snapshot.
//
// The window tells this object about every change through three hooks (the turn changed, the
// mode was applied, a viewing side was chosen); it then decides, on the next pass of the event
// loop, what the computer does. Nothing is decided while a modal box is open, so no move is
// played and no Scoring called under a "Game over" box.
#pragma once

#include <atomic>
#include <functional>
#include <optional>

#include <QObject>
#include <QPoint>
#include <QThread>

class QVariantAnimation;

#include "engine/Engine.h"
#include "game/ComputerGame.h"
#include "game/Game.h"

class QAction;
class QActionGroup;

namespace tamsok {

class TBoardForm;
class HintMarks;
class EngineWorker;

class ComputerPlayer : public QObject {
  Q_OBJECT

 public:
  // Builds the "Computer" menu after "Interface" and the hint marks over the board; `policy`
  // decides for the computer in the game of `form`.
  ComputerPlayer(TBoardForm& form, ComputerGame& policy);
  // Stops any search and waits for the worker thread (at most a few milliseconds).
  ~ComputerPlayer() override;

  // ---- Menu commands ---------------------------------------------------------------------
  // A new local game in which the computer plays `camp`; the board turns so that the
  // player's camp stands at the bottom. Offered in LocalFree and LocalPlaying.
  void NewGameAgainst(Camp camp);
  void miComputerOakClick() {
    if (!confirmNewGame || confirmNewGame()) NewGameAgainst(Camp::Oak);
  }
  void miComputerFirClick() {
    if (!confirmNewGame || confirmNewGame()) NewGameAgainst(Camp::Fir);
  }
  // Asked by the two menu items before their new game replaces the one on the board.
  std::function<bool()> confirmNewGame;
  // The local game on the board goes on against the computer, which takes the camp not to
  // move. Offered in LocalPlaying while the computer does not play.
  void miComputerPlayOnClick();
  void SelectStrength(engine::Strength strength);
  // Searches a move for the side to move and marks it on the board.
  void miHintClick();
  // Ends the search now: the computer plays, or the hint shows, the best move found so far.
  void miStopThinkingClick();

  // ---- Hooks of the main window ----------------------------------------------------------
  // The turn changed hands (a move, a pass, an undo or redo, a new game) or the viewing side
  // changed: a search for the old state is stopped at once.
  void PositionChanged();
  // Any mode applied ends a game against the computer, except the one it starts itself.
  void GameModeApplied();
  // In a game against the computer, takes back or replays whole turns (the player's move with
  // the computer's answer) and returns true; otherwise returns false and leaves the command
  // to the game.
  bool Retract(Retraction command);
  // True, with the reason in the game status panel, when the player may not pick up `piece`
  // now: it is the computer's, or the computer is to move.
  bool RefusePress(PieceId piece);
  // True, with the reason shown, when the player may not pass now: the computer is to move.
  bool RefusePass();

  // ---- State -----------------------------------------------------------------------------
  // The camp the computer plays, while a game against it runs.
  std::optional<Camp> ComputerCamp() const { return policy_.ComputerCamp(); }
  engine::Strength Strength() const { return policy_.Strength(); }
  // A search whose result is still wanted is under way (the computer's move or a hint), or
  // the computer's move found is gliding to its square.
  bool Searching() const { return job_.has_value(); }
  // The worker thread is busy, with a wanted search or with one being stopped.
  bool WorkerBusy() const { return workerBusy_; }
  // The hinted move in the current view frame, while it is shown.
  std::optional<engine::BoardMove> ShownHint() const;

  // The search the worker runs, in place of the engine's own: for tests that need a given
  // answer or other limits. It is given the stop flag and the progress report of the engine's
  // own. Set it while no search runs.
  using SearchFunction = std::function<engine::SearchResult(
      const engine::Position&, const engine::Limits&, const std::atomic<bool>& stop,
      const engine::ProgressFn& progress)>;
  void SetSearch(SearchFunction search) { search_ = std::move(search); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Purpose = ComputerGame::Purpose;
  using Snapshot = ComputerGame::Snapshot;

  // A search from its start until its move is played or its hint shown, or until it is no
  // longer wanted.
  struct Job {
    int id = 0;
    Purpose purpose = Purpose::Move;
    Snapshot snapshot;
    bool finished = false;  // the worker has handed back its answer
    engine::Move best;
    bool claim = false;
    PieceId gliding = kNoPiece;  // the computer's piece on its way to the target
  };
  struct Hint {
    engine::BoardMove canonical;  // squares in the canonical frame; piece none for no move
    Snapshot snapshot;
    QString text;  // as the game status panel showed it
  };

  void BuildMenu();
  bool Wanted(const Job& job) const { return policy_.Wanted(job.purpose, job.snapshot); }
  // Decides, from the game as it stands, what to search and what to show.
  void Sync();
  void ScheduleSync(int delayMs = 0);
  void StartJob(Purpose purpose, const Snapshot& now);
  // The result of the current job is no longer wanted: stop it and restore the status text.
  void CancelJob();
  void OnProgress(int id, int depth);
  void OnFinished(int id, engine::Move best, bool claim);
  // The computer's piece glides to its target, then its move is played.
  void StartGlide();
  void GlideStep(double step);
  void GlideEnded();
  void PlayComputerMove();
  void ShowHint();
  void ClearHint();
  void ShowStatus(const QString& text);
  void ShowThinking(int depth);
  void RestoreStatus();
  void RefreshMenu();

  TBoardForm& form_;
  Game& game_;
  ComputerGame& policy_;
  bool closed_ = false;  // the window was closed: nothing more is searched
  SearchFunction search_;

  // The worker and its stop flag: the only state both threads touch.
  std::atomic<bool> stop_{false};
  QThread thread_;
  EngineWorker* worker_ = nullptr;  // lives on thread_, deleted there when it finishes
  bool workerBusy_ = false;
  int lastJobId_ = 0;
  std::optional<Job> job_;  // the search whose result is wanted
  QString statusBefore_;    // panel 4 before the thinking text replaced it
  QString statusShown_;     // the thinking text last written
  QVariantAnimation* glide_ = nullptr;
  QPoint glideFrom_, glideTo_;

  std::optional<Snapshot> hintRequest_;
  std::optional<Hint> hint_;
  HintMarks* marks_ = nullptr;
  bool syncScheduled_ = false;

  QActionGroup* strengthGroup_ = nullptr;
  QAction* miComputerOak_ = nullptr;
  QAction* miComputerFir_ = nullptr;
  QAction* miComputerPlayOn_ = nullptr;
  QAction* miHint_ = nullptr;
  QAction* miStopThinking_ = nullptr;
};

}  // namespace tamsok
