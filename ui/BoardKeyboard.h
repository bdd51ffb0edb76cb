// Playing with the keyboard. Over the board lies a square cursor that the arrow keys move in
// the frame of the viewing side; Enter or Space picks up the piece under it and, once moved,
// drops it, through the same steps as the mouse with the same refusals; Escape puts it back.
// A move typed as two square names ("a2a3") and Enter plays it the same way.
//
// The board is also what assistive technology reads: a list of the 100 squares, each named by
// what stands on it ("Fir Ant on a2") or as empty, with the cursor's square focused.
#pragma once

#include <optional>

#include <QString>
#include <QWidget>

#include "rules/Types.h"

namespace tamsok {

class TBoardForm;

class BoardKeyboard : public QWidget {
 public:
  // Lies over the board of `form`, above the pieces, and takes the window's keyboard focus.
  explicit BoardKeyboard(TBoardForm& form);

  // The cursor's square, in the frame of the viewing side; shown once a key has moved it.
  Square Cursor() const { return cursor_; }
  bool CursorShown() const { return cursorShown_; }
  // The move typed so far.
  const QString& Typed() const { return typed_; }
  // The name assistive technology reads for a view square, and the square of list index i.
  QString SquareText(Square s) const;
  static Square SquareOf(int index) { return {index % kBoardSize, index / kBoardSize}; }
  static int IndexOf(Square s) { return s.y * kBoardSize + s.x; }
  QRect CellRect(Square s) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void MoveCursor(int dx, int dy);
  void PickUpOrDrop();
  void PlayTyped();
  void Cancel();
  void Announce();
  bool Holding() const;
  QRect TypedRect() const;

  TBoardForm& form_;
  Square cursor_{4, 9};
  bool cursorShown_ = false;
  bool holding_ = false;  // the keyboard picked the held piece up
  QString typed_;
};

}  // namespace tamsok
