// The rules window, "Help" > "How to play": a list of pages on the left, the chosen page on
// the right with its diagrams, and for a page about one kind a "Try it" practice board. The
// window is not modal: it can stay open beside the board while a game goes on. Its diagrams
// are drawn by the board painter from the small positions of HowToPlayLessons, in the main
// board's skin, viewing side and square naming, and redrawn when any of them changes.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "ui/BoardScene.h"
#include "ui/HowToPlayLessons.h"

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace tamsok {

// A diagram's position and marks, in the frame of a viewing side.
struct DiagramModel {
  BoardScene scene;
  PieceId subject = kNoPiece;
};
DiagramModel BuildDiagram(const lessons::Diagram& diagram, int viewSide);

// The squares a piece's influence of one kind covers: the block of its radius around it,
// clipped to the board; none for a radius of 0 or a piece off the board.
std::vector<Square> InfluenceArea(const Board& board, PieceId piece, lessons::Influence which);

// The caption with its subject named: "the Fir Spider on d4".
QString DiagramCaption(const lessons::Diagram& diagram, const DiagramModel& model,
                       SquareNaming naming);

// What the rules window draws with, from the main window.
struct LessonLook {
  SceneLook scene;
  int viewSide = 0;
};

// One piece alone on a board (a Lightning with its Tree, which it needs to move), its legal
// targets, its influence and the overlay's marks always shown. Any piece on it can be
// dragged; a drop the rules refuse goes back and says why.
class TryItBoard : public QWidget {
 public:
  TryItBoard(QWidget* parent, const BoardGeometry& geometry);

  void SetUp(PieceKind kind, const LessonLook& look);
  // Redraws in a new look; the pieces keep their squares, turned to the new viewing side.
  void SetLook(const LessonLook& look);
  const Board& board() const { return scene_.board; }
  PieceId Subject() const { return subject_; }
  // Where a square's centre is on this widget.
  QPoint SquarePoint(Square s) const;
  // What the last refused drop was refused for; empty after a legal one.
  const QString& Refusal() const { return refusal_; }
  std::function<void(const QString&)> onStatus;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Refresh();

  const BoardGeometry& geometry_;
  QRect rect_;  // the picture's part shown
  LessonLook look_;
  BoardScene scene_;
  PieceId subject_ = kNoPiece;
  QPoint grip_;  // the pointer inside the lifted piece's picture
  QString refusal_;
};

class THowToPlayForm : public QWidget {
 public:
  THowToPlayForm(QWidget* owner, const BoardGeometry& geometry, std::function<LessonLook()> look);

  // Shows page `index` of the lesson list.
  void ShowLesson(int index);
  int Lesson() const { return lesson_; }
  // Redraws the page and the practice board in the main board's current look.
  void Refresh();
  // The practice board with the current page's kind; back to the page.
  void TryIt();
  void BackToLesson();

  QListWidget* LbxLessons;
  QTextBrowser* MemoLesson;
  QPushButton* BtnTryIt;
  QPushButton* BtnBack;
  QPushButton* BtnReset;
  QLabel* TryStatus;
  TryItBoard* TryBoard;

 private:
  QString PageHtml(const lessons::Lesson& lesson, const LessonLook& look);

  std::function<LessonLook()> look_;
  const BoardGeometry& geometry_;
  QStackedWidget* pages_ = nullptr;
  int lesson_ = -1;
};

}  // namespace tamsok
