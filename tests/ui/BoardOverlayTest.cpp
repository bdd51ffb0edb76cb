// The marks over the board: a held piece's legal targets and the influence overlay.
#include <algorithm>

#include "rules/Catalogue.h"
#include "rules/Influence.h"
#include "rules/MoveCheck.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/BoardOverlay.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

std::vector<Square> Sorted(std::vector<Square> squares) {
  std::sort(squares.begin(), squares.end(),
            [](Square a, Square b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  return squares;
}

// Presses every piece on the board in turn: Fir's show the rules' legal list (Fir is to
// move), Oak's show nothing; the marks vanish at the release, and the held image is drawn
// above them only while it is held.
TEST_F(BoardFixture, AHeldPieceShowsItsLegalTargetsUntilReleased) {
  NewGame();
  DragTo(18, {0, 3});  // Oak to move: the lists differ from the start position's
  const Board& b = form.game().board();
  const QObjectList& order = form.BoardArea()->children();
  auto above = [&](QWidget* w) { return order.indexOf(w) > order.indexOf(form.Overlay()); };
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    std::vector<Square> legal;
    for (int x = 0; x < 10 && CampOf(p) == Camp::Oak; ++x)
      for (int y = 0; y < 10; ++y)
        if (CheckMove(b, p, b.PiecePos[p].x, b.PiecePos[p].y, x, y) == MoveCheckResult::Legal)
          legal.push_back({x, y});
    PieceImageControl* image = form.PieceImage(p);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, {20, 20});
    EXPECT_EQ(Sorted(form.Overlay()->Targets()), legal) << p;
    EXPECT_TRUE(above(image)) << p;
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, {20, 20});
    EXPECT_TRUE(form.Overlay()->Targets().empty()) << p;
    EXPECT_FALSE(above(image)) << p;
  }
  EXPECT_EQ(form.game().RecordCount(), 1);  // every release fell on the piece's own square

  Item("miShowLegalMoves")->trigger();
  EXPECT_FALSE(Item("miShowLegalMoves")->isChecked());
  QTest::mousePress(form.PieceImage(48), Qt::LeftButton, Qt::NoModifier, {20, 20});
  EXPECT_TRUE(form.Overlay()->Targets().empty());
  QTest::mouseRelease(form.PieceImage(48), Qt::LeftButton, Qt::NoModifier, {20, 20});
}

TEST_F(BoardFixture, TheInfluenceOverlayFollowsTheBoardWhileSwitchedOn) {
  NewGame();
  BoardOverlay& overlay = *form.Overlay();
  auto current = [&] { return ReadInfluence(form.game().board()); };
  EXPECT_FALSE(overlay.InfluenceShown());
  Item("miShowInfluence")->trigger();
  ASSERT_TRUE(overlay.InfluenceShown());
  EXPECT_EQ(overlay.Influence(), current());
  EXPECT_EQ(form.BoardArea()->toolTip(), BoardOverlay::InfluenceLegend());

  DragTo(1, {2, 7});  // Fir's Lightning takes an Oak Ant
  EXPECT_EQ(overlay.Influence(), current());
  Item("miR90")->trigger();
  EXPECT_EQ(overlay.Influence(), current());
  Item("miUndo")->trigger();
  EXPECT_EQ(overlay.Influence(), current());
  EXPECT_TRUE(overlay.Influence().At(form.game().board().PiecePos[20]).cloaked);

  Item("miShowLegalMoves")->trigger();
  Item("miShowInfluence")->trigger();
  EXPECT_FALSE(overlay.InfluenceShown());
  EXPECT_FALSE(overlay.isVisible());  // nothing to draw: no cost while pieces move
  EXPECT_TRUE(form.BoardArea()->toolTip().isEmpty());
}

}  // namespace
}  // namespace tamsok
