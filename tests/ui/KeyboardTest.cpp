// Playing with the keyboard alone: the menus' keys, the cursor over the board with its pick-up
// and drop, typed moves, and the names assistive technology reads for squares and pieces.
#include <QAccessible>
#include <QMenuBar>

#include <functional>

#include "rules/Frames.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/BoardKeyboard.h"
#include "ui/BoardOverlay.h"

namespace tamsok {
namespace {

constexpr PieceId kFirTree = 0;   // canonical (4, 0), e0
constexpr PieceId kFirAnt1 = 18;  // canonical (0, 2), a2
constexpr PieceId kFirAnt2 = 19;  // canonical (2, 2), c2
constexpr PieceId kOakAnt1 = 48;  // canonical (0, 7), a7

struct KeyboardFixture : testing::BoardFixture {
  BoardKeyboard& keys = form.Keyboard();

  void Press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
      QTest::keyClick(&keys, key);
  }
  // Arrow keys from wherever the cursor is to `s`.
  void CursorTo(Square s) {
    const Square c = keys.Cursor();
    Press(s.x < c.x ? Qt::Key_Left : Qt::Key_Right, std::abs(s.x - c.x));
    Press(s.y < c.y ? Qt::Key_Up : Qt::Key_Down, std::abs(s.y - c.y));
    ASSERT_EQ(keys.Cursor(), s);
  }
  void Type(const char* text) {
    QTest::keyClicks(&keys, QString::fromUtf8(text));
    Press(Qt::Key_Return);
  }
};

TEST_F(KeyboardFixture, MenuItemsShowTheirKeysAndTheKeysWork) {
  const std::pair<const char*, const char*> rows[] = {
      {"miNew", "Ctrl+N"},  {"miUndo", "Ctrl+Z"},         {"miRedo", "Ctrl+Shift+Z"},
      {"miSave", "Ctrl+S"}, {"miSaveas", "Ctrl+Shift+S"}, {"miLoad", "Ctrl+O"},
      {"miHint", "Ctrl+H"}, {"miStopThinking", "Ctrl+T"}, {"miPass", "Ctrl+P"},
      {"miExit", "Ctrl+Q"}, {"miUndoFirst", "Ctrl+Home"}, {"miRedoLast", "Ctrl+End"},
  };
  for (const auto& [item, key] : rows)
    EXPECT_EQ(Item(item)->shortcut().toString().toStdString(), key) << item;
  EXPECT_TRUE(Item("miRedo")->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));

  QApplication::setActiveWindow(&form);
  QTest::keyClick(&keys, Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(form.game().Mode(), GameMode::LocalPlaying);
  DragTo(kFirAnt1, {0, 3});
  QTest::keyClick(&keys, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.game().RecordCount(), 0);
  QTest::keyClick(&keys, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(form.game().RecordCount(), 1);

  // Every other command is in reach of Alt and the arrow keys.
  QTest::keyClick(&keys, Qt::Key_Alt);
  ASSERT_NE(form.menuBar()->activeAction(), nullptr);
  EXPECT_EQ(form.menuBar()->activeAction()->objectName().toStdString(), "File1");
  QTest::keyClick(form.menuBar(), Qt::Key_Escape);
}

// The cursor picks a piece up (its legal targets show), carries it and drops it as the mouse
// does, with the mouse's texts and refusals; Escape puts it back.
TEST_F(KeyboardFixture, ArrowsEnterAndEscapeMakeAndRefuseMoves) {
  NewGame();
  EXPECT_FALSE(keys.CursorShown());
  CursorTo({0, 2});
  EXPECT_TRUE(keys.CursorShown());
  Press(Qt::Key_Return);
  EXPECT_EQ(form.Drag().DraggedTag, kFirAnt1 + 1);
  EXPECT_FALSE(form.Overlay()->Targets().empty());
  Press(Qt::Key_Down);
  EXPECT_EQ(ImagePos(kFirAnt1), SquarePos({0, 3}));  // carried along
  Press(Qt::Key_Space);
  EXPECT_EQ(form.game().RecordCount(), 1);
  EXPECT_EQ(Panel(kPanelGame), "[  1][Fir Ant]{x0y7->x0y6}");
  EXPECT_TRUE(form.Overlay()->Targets().empty());

  CursorTo({2, 2});  // Oak is to move: a Fir piece goes back with the refusal
  Press(Qt::Key_Return);
  Press(Qt::Key_Down);
  Press(Qt::Key_Return);
  EXPECT_EQ(Panel(kPanelGame), "Not Fir Turn");
  EXPECT_EQ(ImagePos(kFirAnt2), SquarePos({2, 2}));
  EXPECT_EQ(form.game().RecordCount(), 1);

  CursorTo({0, 7});
  Press(Qt::Key_Return);
  Press(Qt::Key_Up);
  Press(Qt::Key_Escape);
  EXPECT_EQ(ImagePos(kOakAnt1), SquarePos({0, 7}));
  EXPECT_EQ(form.Drag().DraggedTag, 0);
  EXPECT_TRUE(form.Overlay()->Targets().empty());
  Press(Qt::Key_Down);
  Press(Qt::Key_Return);  // Escape let go of it: Enter picks it up again
  EXPECT_EQ(form.Drag().DraggedTag, kOakAnt1 + 1);
  Press(Qt::Key_Escape);
}

// A typed move names its squares as the engine's notation does, from every side; what cannot
// be read, or starts on an empty square, says so.
TEST_F(KeyboardFixture, TypedMovesArePlayedFromEverySide) {
  NewGame();
  Item("miR180")->trigger();
  Type("a2a3");
  EXPECT_EQ(form.game().RecordCount(), 1);
  EXPECT_EQ(form.game().board().PiecePos[kFirAnt1], FromCanonical(2, {0, 3}));
  EXPECT_EQ(keys.Cursor(), FromCanonical(2, {0, 3}));
  Item("miR90")->trigger();
  Type("A7 a6");
  EXPECT_EQ(form.game().RecordCount(), 2);
  EXPECT_EQ(form.game().board().PiecePos[kOakAnt1], FromCanonical(1, {0, 6}));

  const std::pair<const char*, const char*> refused[] = {
      {"a9", "Not a move: a9 (type two squares, such as a2a3)"},
      {"e5e4", "No piece on e5"},
      {"c7c6", "Not Oak Turn"},
  };
  for (const auto& [typed, text] : refused) {
    Type(typed);
    EXPECT_EQ(Panel(kPanelGame), text) << typed;
    EXPECT_EQ(form.game().RecordCount(), 2) << typed;
    EXPECT_TRUE(keys.Typed().isEmpty());
  }
  QTest::keyClicks(&keys, QStringLiteral("c2"));
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Escape);
  EXPECT_TRUE(keys.Typed().isEmpty());
}

// Read through the accessibility interfaces, as a screen reader reads them: the board is a
// list of 100 squares named by what stands on them, each piece image is named with its
// square, the cursor's square has the focus, and the names follow the moves.
TEST_F(KeyboardFixture, SquaresAndPiecesHaveAccessibleNames) {
  NewGame();
  QApplication::setActiveWindow(&form);
  keys.setFocus();
  std::function<QAccessibleInterface*(QAccessibleInterface*)> findBoard =
      [&](QAccessibleInterface* at) -> QAccessibleInterface* {
    if (at->role() == QAccessible::List && at->text(QAccessible::Name) == QStringLiteral("Board"))
      return at;
    for (int i = 0; i < at->childCount(); ++i)
      if (QAccessibleInterface* found = findBoard(at->child(i))) return found;
    return nullptr;
  };
  QAccessibleInterface* board = findBoard(QAccessible::queryAccessibleInterface(&form));
  ASSERT_NE(board, nullptr);
  ASSERT_EQ(board->childCount(), 100);
  auto squareName = [&](Square s) {
    return board->child(BoardKeyboard::IndexOf(s))->text(QAccessible::Name).toStdString();
  };
  auto pieceName = [&](PieceId p) {
    return QAccessible::queryAccessibleInterface(form.PieceImage(p))
        ->text(QAccessible::Name)
        .toStdString();
  };
  EXPECT_EQ(squareName({4, 0}), "Fir Tree on e0");
  EXPECT_EQ(squareName({4, 4}), "e4, empty");
  EXPECT_EQ(pieceName(kFirTree), "Fir Tree on e0");
  EXPECT_EQ(board->child(BoardKeyboard::IndexOf({4, 4}))->role(), QAccessible::ListItem);

  CursorTo({0, 2});
  QAccessibleInterface* focused = board->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->text(QAccessible::Name).toStdString(), "Fir Ant on a2");
  EXPECT_TRUE(focused->state().focused);

  Type("a2a3");
  QCoreApplication::processEvents();
  EXPECT_EQ(squareName({0, 2}), "a2, empty");
  EXPECT_EQ(squareName({0, 3}), "Fir Ant on a3");
  EXPECT_EQ(pieceName(kFirAnt1), "Fir Ant on a3");
  Item("miR180")->trigger();  // a square keeps its name from every side
  QCoreApplication::processEvents();
  EXPECT_EQ(squareName(FromCanonical(2, {0, 3})), "Fir Ant on a3");
  EXPECT_EQ(pieceName(kFirAnt1), "Fir Ant on a3");
}

}  // namespace
}  // namespace tamsok
