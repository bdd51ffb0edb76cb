#include "ui/BoardKeyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <array>

#include "ui/BoardGeometry.h"
#include "ui/BoardOverlay.h"
#include "ui/SquareNames.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {

constexpr int kSquareCount = kBoardSize * kBoardSize;
constexpr int kMaxTyped = 8;
constexpr int kTypedLeft = 100;  // right of Fir's tray

// ---- What assistive technology reads -------------------------------------------------------

// One square of the board, a child of the board's list without an object of its own.
class SquareAccessible : public QAccessibleInterface {
 public:
  SquareAccessible(BoardKeyboard* board, int index) : board_(board), index_(index) {}

  bool isValid() const override { return board_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return board_ ? QAccessible::queryAccessibleInterface(board_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!board_ || t != QAccessible::Name) return {};
    return board_->SquareText(BoardKeyboard::SquareOf(index_));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!board_) return {};
    const QRect cell = board_->CellRect(BoardKeyboard::SquareOf(index_));
    return QRect(board_->mapToGlobal(cell.topLeft()), cell.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.focused =
        board_ && board_->hasFocus() && BoardKeyboard::IndexOf(board_->Cursor()) == index_;
    state.selected = state.focused;
    return state;
  }

 private:
  QPointer<BoardKeyboard> board_;
  int index_;
};

// The board: a list of its squares, row by row as the screen shows them.
class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardKeyboard* board)
      : QAccessibleWidget(board, QAccessible::List, Tr(ui_text::kBoardName)), board_(board) {}
  ~BoardAccessible() override {
    for (QAccessible::Id id : ids_)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return kSquareCount; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kSquareCount) return nullptr;
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new SquareAccessible(board_, index));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kSquareCount; ++i)
      if (ids_[static_cast<std::size_t>(i)] &&
          QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child)
        return i;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    return board_->hasFocus() ? child(BoardKeyboard::IndexOf(board_->Cursor())) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = board_->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < kSquareCount; ++i)
      if (board_->CellRect(BoardKeyboard::SquareOf(i)).contains(at)) return child(i);
    return nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) return Tr(ui_text::kBoardHelp);
    return QAccessibleWidget::text(t);
  }

 private:
  BoardKeyboard* board_;
  mutable std::array<QAccessible::Id, kSquareCount> ids_{};
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* board = dynamic_cast<BoardKeyboard*>(object)) return new BoardAccessible(board);
  return nullptr;
}

// ---- The cursor ----------------------------------------------------------------------------

// Brackets at the corners of the cursor's cell, white on a dark rim: they read on every skin
// and over a piece, and differ from the last move's outline and every other mark.
void DrawCursor(QPainter& p, const QRectF& cell, bool holding) {
  const qreal arm = holding ? 14 : 11;
  for (const auto& [pen, width] : {std::pair(QColor(0x10, 0x10, 0x10, 220), holding ? 6.5 : 5.0),
                                   std::pair(QColor(Qt::white), holding ? 3.5 : 2.5)}) {
    p.setPen(QPen(pen, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QPointF& corner :
         {cell.topLeft(), cell.topRight(), cell.bottomRight(), cell.bottomLeft()}) {
      const qreal sx = corner.x() < cell.center().x() ? 1 : -1;
      const qreal sy = corner.y() < cell.center().y() ? 1 : -1;
      QPainterPath path;
      path.moveTo(corner + QPointF(sx * arm, 0));
      path.lineTo(corner);
      path.lineTo(corner + QPointF(0, sy * arm));
      p.drawPath(path);
    }
  }
}

}  // namespace

BoardKeyboard::BoardKeyboard(TBoardForm& form) : QWidget(form.BoardArea()), form_(form) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(BoardFactory);
    return true;
  }();
  (void)factoryInstalled;
  setObjectName(QStringLiteral("BoardKeyboard"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  setGeometry(form.Overlay()->geometry());
  setAccessibleName(Tr(ui_text::kBoardName));
  raise();
  setFocus();
}

QRect BoardKeyboard::CellRect(Square s) const {
  return SquareCell(form_.Geometry(), s);
}

QString BoardKeyboard::SquareText(Square s) const {
  const Board& board = form_.game().board();
  const PieceId piece = board.OccupantAt(s);
  if (piece != kNoPiece) return PieceAccessibleName(board, piece);
  return Tr(ui_text::kSquareEmpty).arg(SquareName(board.ViewSide, s));
}

void BoardKeyboard::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (mods != Qt::NoModifier) return QWidget::keyPressEvent(event);  // the menus' keys
  switch (event->key()) {
    case Qt::Key_Left:
      return MoveCursor(-1, 0);
    case Qt::Key_Right:
      return MoveCursor(1, 0);
    case Qt::Key_Up:
      return MoveCursor(0, -1);
    case Qt::Key_Down:
      return MoveCursor(0, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return typed_.isEmpty() ? PickUpOrDrop() : PlayTyped();
    case Qt::Key_Space:
      if (typed_.isEmpty()) PickUpOrDrop();
      return;
    case Qt::Key_Escape:
      return Cancel();
    case Qt::Key_Backspace:
      typed_.chop(1);
      update(TypedRect());
      return;
    default:
      break;
  }
  const QString text = event->text().toLower();
  if (text.size() == 1 && ((text[0] >= u'a' && text[0] <= u'j') || text[0].isDigit()) &&
      typed_.size() < kMaxTyped) {
    typed_ += text;
    update(TypedRect());
    return;
  }
  QWidget::keyPressEvent(event);
}

void BoardKeyboard::MoveCursor(int dx, int dy) {
  cursorShown_ = true;
  update(CellRect(cursor_));
  cursor_.x = std::clamp(cursor_.x + dx, 0, kBoardSize - 1);
  cursor_.y = std::clamp(cursor_.y + dy, 0, kBoardSize - 1);
  if (Holding()) form_.CarryTo(cursor_);
  update(CellRect(cursor_));
  Announce();
}

void BoardKeyboard::PickUpOrDrop() {
  cursorShown_ = true;
  if (Holding()) {
    holding_ = false;
    form_.DropHeld(cursor_);
  } else {
    const PieceId piece = form_.game().board().OccupantAt(cursor_);
    holding_ =
        piece != kNoPiece && form_.PickUp(piece, kPiecePictureSize / 2, kPiecePictureSize / 2);
  }
  update(CellRect(cursor_));
  Announce();
}

// A typed move goes through the steps of a piece picked up on its square and dropped on the
// target, so it meets the same refusals.
void BoardKeyboard::PlayTyped() {
  const QString typed = std::exchange(typed_, QString());
  update(TypedRect());
  if (Holding()) {
    holding_ = false;
    form_.CancelHold();
  }
  const Board& board = form_.game().board();
  const std::optional<engine::MoveSquares> move = ParseTypedMove(board.ViewSide, typed);
  if (!move) {
    form_.ShowStatus(kPanelGame, Tr(ui_text::kNotAMove).arg(typed).toStdString());
    return;
  }
  const PieceId piece = board.OccupantAt(move->from);
  if (piece == kNoPiece) {
    form_.ShowStatus(
        kPanelGame,
        Tr(ui_text::kNoPieceOn).arg(SquareName(board.ViewSide, move->from)).toStdString());
    return;
  }
  if (!form_.PickUp(piece, kPiecePictureSize / 2, kPiecePictureSize / 2)) return;
  form_.DropHeld(move->to);
  update(CellRect(cursor_));
  cursor_ = move->to;
  update(CellRect(cursor_));
  Announce();
}

void BoardKeyboard::Cancel() {
  if (!typed_.isEmpty()) {
    typed_.clear();
    update(TypedRect());
  } else if (Holding()) {
    holding_ = false;
    form_.CancelHold();
    update(CellRect(cursor_));
  }
}

// A piece the mouse let go of, or that a move, an undo or a new game took away, is no longer
// the keyboard's.
bool BoardKeyboard::Holding() const {
  return holding_ && form_.Drag().DraggedTag > 0;
}

QRect BoardKeyboard::TypedRect() const {
  return QRect(0, 0, width(), 20);
}

// Screen readers say the square the cursor reached.
void BoardKeyboard::Announce() {
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(IndexOf(cursor_));
  QAccessible::updateAccessibility(&focus);
}

void BoardKeyboard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (cursorShown_) DrawCursor(p, QRectF(CellRect(cursor_)).adjusted(1, 1, 0, 0), Holding());
  if (typed_.isEmpty()) return;
  // The move being typed, in a box over the top edge of the board, left of the middle where a
  // finished game's result stands.
  const QString text = Tr(ui_text::kTypedMove).arg(typed_);
  QFont font = p.font();
  font.setBold(true);
  p.setFont(font);
  const int width = QFontMetrics(font).horizontalAdvance(text) + 16;
  const QRectF box(kTypedLeft, 1, width, TypedRect().height() - 3);
  p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRoundedRect(box, 4, 4);
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace tamsok
