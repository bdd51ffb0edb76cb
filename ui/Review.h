// "Computer" > "Review game": every position of the game on the board analysed on a worker
// thread, with a progress bar and Cancel; then a graph of the evaluation, one point per ply,
// where a click goes to that ply by Undo and Redo; each move judged (game/Review.h), its mark
// shown in the Move History and in the window's move list, and for a marked move the better
// move drawn as an arrow while the board stands before it; a summary per camp. The review
// belongs to the game it was made for: it is saved with it (File > Save) and comes back when
// the file is loaded.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "game/Review.h"
#include "game/SquareNames.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tamsok {

class TBoardForm;
class MoveArrows;
class SearchThread;

// The evaluation of every ply as Fir's expected score, Fir's advantage above the middle line
// and Oak's below it, with the marked moves as coloured points and the board's ply as a line.
class EvalGraph : public QWidget {
 public:
  explicit EvalGraph(QWidget* parent);

  // shares[p]: Fir's expected score after ply p, nothing when not known; marks[p] the mark of
  // the move that led to ply p (none at ply 0).
  void Set(std::vector<std::optional<double>> shares, std::vector<review::Mark> marks, int current);
  int Plies() const { return static_cast<int>(shares_.size()) - 1; }
  // The point of ply p, and the ply nearest a point, in the widget's pixels.
  QPoint PointOf(int ply) const;
  int PlyAt(QPoint point) const;

  std::function<void(int ply)> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRectF Plot() const;

  std::vector<std::optional<double>> shares_;
  std::vector<review::Mark> marks_;
  int current_ = 0;
};

class TReviewForm : public QWidget {
 public:
  explicit TReviewForm(QWidget* owner);

  QLabel* ReviewStatus;
  QProgressBar* ReviewProgress;
  QPushButton* BtnCancelReview;
  EvalGraph* ReviewGraph;
  QListWidget* LbxReview;
  QLabel* ReviewSummary;
};

class GameReview : public QObject {
 public:
  explicit GameReview(TBoardForm& form);
  ~GameReview() override;

  // Reviews the game on the board: positions already judged for it are kept, the others are
  // analysed. Offered after a game has ended and in the local modes when there is a move.
  void miReviewGameClick();
  bool Offered() const;
  void Cancel();
  bool Running() const { return running_; }

  // The game changed, or the naming: the marks, arrows and list follow.
  void Follow(SquareNaming naming);
  // Goes to the position after ply `ply` by Undo and Redo; in a game against the computer, to
  // the nearest earlier one where the player is to move, so that the computer plays nothing
  // over the record.
  void GoToPly(int ply);

  // Adds their marks to the Move History's lines of the reviewed moves: "  ??".
  void Decorate(std::vector<std::string>& lines) const;
  // The review as notes for the game file, for the game on the board; none without one.
  std::vector<HeaderNote> Notes() const;
  // A game file was loaded: its review, if it holds one, is taken over.
  void Loaded(const SavedGame& saved);

  // ---- State, for tests -----------------------------------------------------------------
  TReviewForm* Window() const { return window_; }
  MoveArrows* Arrows() const { return arrows_; }
  const review::Review* Result() const { return reviewed_ ? &review_ : nullptr; }
  // Records of the game on the board that agree with the reviewed ones.
  int Fitting() const { return fitting_; }

 private:
  void MakeWindow();
  void Take(std::vector<SavedRecord> records, review::Review review);
  void OnEval(int job, int index, const review::Eval& eval);
  void Finish(bool cancelled);
  int FittingRecords() const;
  void Show();
  void ShowArrows();

  TBoardForm& form_;
  SquareNaming naming_ = SquareNaming::Letters;
  std::unique_ptr<SearchThread> worker_;
  int job_ = 0;
  bool running_ = false;
  bool reviewed_ = false;
  int gameNumber_ = -1;
  std::vector<SavedRecord> records_;  // as reviewed, canonical
  review::Plies plies_;
  review::Review review_;
  int fitting_ = 0;
  int done_ = 0;

  TReviewForm* window_ = nullptr;
  MoveArrows* arrows_ = nullptr;
};

}  // namespace tamsok
