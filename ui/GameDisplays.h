// The displays that show the game as a whole rather than one report of it: the last move's
// squares outlined on the board, the result of a finished game beside the menus, the
// accessible names of the pieces, and a network player's board turned to the player's camp.
//
// They are brought up to date once the command that changed the game has run to its end (on
// the next pass of the event loop), so they never see a game half changed: the game reports
// a new game's marker before it resets its records, and a pass before it records it.
#pragma once

#include <optional>

#include <QLabel>
#include <QObject>
#include <QWidget>

#include "rules/Types.h"

namespace tamsok {

class TBoardForm;
struct BoardGeometry;

// The source and target squares of the last move, outlined under the pieces: a dark line in a
// bright rim reads on the dark and the light boards alike.
class LastMoveMarks : public QWidget {
 public:
  LastMoveMarks(QWidget* parent, const BoardGeometry& geometry);
  // Outlines the two view squares; nothing for no move.
  void Show(std::optional<std::pair<Square, Square>> move);
  const std::optional<std::pair<Square, Square>>& Shown() const { return move_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const BoardGeometry& geometry_;
  std::optional<std::pair<Square, Square>> move_;
};

// The result of a finished game, on a plate of its own over the board's top edge.
class ResultPlate : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class GameDisplays : public QObject {
 public:
  explicit GameDisplays(TBoardForm& form);

  // Something may have changed: the displays follow on the next pass of the event loop.
  void Schedule();
  // Brings every display up to date now.
  void Sync();
  // Remembers the player's camp while a game against the computer runs; the mode that ends
  // the game ends the computer's part in it.
  void NoteComputerGame();

  LastMoveMarks& Outline() const { return *outline_; }
  QLabel& ResultLabel() const { return *result_; }

 private:
  void ShowResult();
  void NamePieces();

  TBoardForm& form_;
  LastMoveMarks* outline_;
  ResultPlate* result_;
  bool scheduled_ = false;
  // The game (by its number) whose network player's board was turned, and the player's camp of
  // the game against the computer, remembered while that game runs.
  int turnedGame_ = 0;
  int computerGame_ = 0;
  std::optional<Camp> computerGamePlayer_;
};

}  // namespace tamsok
