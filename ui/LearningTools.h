// What the main window offers for learning the game and learning from games: the rules
// window ("Help" > "How to play"), the board's edge labels and their naming ("Interface" >
// "Board Labels"), the analysis of the position on the board and the review of a whole game
// ("Computer" > "Analyse", "Review game"). It adds its items to the window's menus and
// follows the window through a few hooks; everything it shows is made on first use.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "game/SquareNames.h"
#include "ui/HowToPlay.h"
#include "ui/SquareNames.h"

class QAction;
class QActionGroup;

namespace tamsok {

class TBoardForm;
class AnalysisView;
class GameReview;
class EdgeLabelStrip;

class LearningTools : public QObject {
 public:
  explicit LearningTools(TBoardForm& form);
  ~LearningTools() override;

  // ---- Hooks of the main window ----------------------------------------------------------
  // The board was rebuilt: a move, an undo or redo, a new or loaded game, another viewing side.
  void BoardChanged();
  // Another skin was chosen.
  void SkinChanged();
  // The game's mode was applied.
  void GameModeApplied();

  // ---- Menu commands ---------------------------------------------------------------------
  void miHowToPlayClick();
  void SelectNaming(SquareNaming naming);
  void miAnalyseClick();
  void miReviewGameClick();
  // The Move History's lines with the review's marks.
  std::vector<std::string> DecorateHistory(std::vector<std::string> lines) const;

  // ---- State -----------------------------------------------------------------------------
  SquareNaming Naming() const { return CurrentSquareNaming(); }
  // The rules window; null until it is first shown.
  THowToPlayForm* HowToPlay() const { return howToPlay_; }
  AnalysisView& Analysis() const { return *analysis_; }
  GameReview& Review() const { return *review_; }
  EdgeLabelStrip* ColumnLabels() const { return columnLabels_; }
  EdgeLabelStrip* RowLabels() const { return rowLabels_; }
  // How the board looks now, for pictures drawn outside it.
  LessonLook Look() const;

 private:
  void BuildMenus();
  void ShowLabels();
  // Brings everything shown up to date with the game as it stands.
  void Sync();

  TBoardForm& form_;
  bool syncScheduled_ = false;
  int shownSide_ = -1;  // the viewing side the labels and the rules window were drawn for
  EdgeLabelStrip* columnLabels_ = nullptr;
  EdgeLabelStrip* rowLabels_ = nullptr;
  THowToPlayForm* howToPlay_ = nullptr;
  std::unique_ptr<AnalysisView> analysis_;
  std::unique_ptr<GameReview> review_;
  QAction* miAnalyse_ = nullptr;
  QAction* miReviewGame_ = nullptr;
  QAction* miLabelsLetters_ = nullptr;
  QAction* miLabelsDigits_ = nullptr;
};

}  // namespace tamsok
