// "Computer" > "Analyse": beside the board, an evaluation bar with the score of the position
// for the side to move ("Tree in N" when a capture of a Tree is forced), the best line and
// the best moves, each also an arrow on the board with its score. The engine searches on a
// worker thread of its own, deeper and deeper until the position changes; every move, undo,
// redo and new game starts a search of the new position at once, and a new viewing side or
// naming redraws what was found. Offered in the local modes only.
#pragma once

#include <optional>
#include <vector>

#include <QElapsedTimer>
#include <QWidget>

#include "engine/Engine.h"
#include "game/SquareNames.h"

class QDockWidget;
class QLabel;

namespace tamsok {

class TBoardForm;
class MoveArrows;
class SearchThread;

// The lines of a search's report, best first: its several lines, or its one principal
// variation.
std::vector<engine::PvLine> LinesOf(const engine::SearchInfo& info);

// The bar: the share of Fir's expected score in its camp's colour, the rest in Oak's; the
// camp whose home is at the foot of the board stands at the foot of the bar.
class EvalBar : public QWidget {
 public:
  explicit EvalBar(QWidget* parent);
  void Set(double firShare, bool firAtFoot);
  double FirShare() const { return firShare_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double firShare_ = 0.5;
  bool firAtFoot_ = false;
};

class AnalysisView : public QObject {
 public:
  explicit AnalysisView(TBoardForm& form);
  ~AnalysisView() override;

  // Switches the analysis on (the panel shows, the search starts) or off.
  void SetOn(bool on);
  bool On() const { return on_; }
  // Looks at the game as it stands: a position other than the one analysed is analysed now,
  // a new viewing side or naming redraws. Off outside the local modes.
  void Follow(SquareNaming naming);

  // ---- State, for tests and measurements ------------------------------------------------
  // The position analysed, while on.
  const std::optional<engine::Position>& Analysed() const { return analysed_; }
  // The last report shown, for the position analysed.
  const std::optional<engine::SearchInfo>& Shown() const { return shown_; }
  // How many reports were shown since the analysis was switched on.
  int Updates() const { return updates_; }
  QDockWidget* Dock() const { return dock_; }
  MoveArrows* Arrows() const { return arrows_; }
  EvalBar* Bar() const { return bar_; }
  QLabel* ScoreLabel() const { return score_; }
  QLabel* LineLabel() const { return line_; }
  QLabel* MovesLabel() const { return moves_; }

 private:
  void BuildPanel();
  void Start(const engine::Position& position);
  void OnReport(int job, const engine::SearchInfo& info);
  void ShowLatest();
  void Redraw();

  TBoardForm& form_;
  bool on_ = false;
  SquareNaming naming_ = SquareNaming::Letters;
  int viewSide_ = 0;
  std::unique_ptr<SearchThread> worker_;
  int job_ = 0;
  std::optional<engine::Position> analysed_;
  std::optional<engine::SearchInfo> latest_;  // arrived, maybe not shown yet
  std::optional<engine::SearchInfo> shown_;
  bool showPending_ = false;
  QElapsedTimer sinceShown_;
  int updates_ = 0;

  QDockWidget* dock_ = nullptr;
  EvalBar* bar_ = nullptr;
  QLabel* toMove_ = nullptr;
  QLabel* score_ = nullptr;
  QLabel* depth_ = nullptr;
  QLabel* line_ = nullptr;
  QLabel* moves_ = nullptr;
  MoveArrows* arrows_ = nullptr;
};

}  // namespace tamsok
