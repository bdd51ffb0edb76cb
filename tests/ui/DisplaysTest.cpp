// What the windows show after each command, what a finished game leaves visible, the questions
// asked before a game is given up, and the glide of a received move that leaves the window
// answering.
#include <QTimer>

#include "tests/ui/UiTestSupport.h"
#include "ui/Glide.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

constexpr PieceId kFirAnt1 = 18;  // canonical (0, 2)

// A long received move glides while the window answers: a posted event runs while the piece
// is on its way; the move's marker and sound wait for the landing; a message that arrives
// meanwhile lands the piece first and is handled after the move's effects.
TEST_F(BoardFixture, AReceivedMoveGlidesWithoutHoldingTheWindow) {
  NewGame();
  form.SetGlideStepDelay(60000);  // it does not land by itself during the test
  const int sounds = form.MoveSoundsPlayed();
  const QPoint marker = MarkerPos();
  form.game().ApplyReceivedMove({kFirAnt1, -1, 0, 2, 9, 5, 0}, "Move");
  bool answered = false;
  QTimer::singleShot(0, [&] { answered = true; });
  ASSERT_EVENTUALLY(answered, 5000);
  EXPECT_TRUE(form.Glide().Active());
  EXPECT_NE(ImagePos(kFirAnt1), SquarePos({9, 5}));
  EXPECT_EQ(MarkerPos(), marker);
  EXPECT_EQ(form.MoveSoundsPlayed(), sounds);

  form.Net()->client().onRead("[Guest] hello");  // as a message read from the room
  EXPECT_FALSE(form.Glide().Active());
  EXPECT_EQ(ImagePos(kFirAnt1), SquarePos({9, 5}));
  EXPECT_EQ(MarkerPos(), SquarePos({9, 5}) - QPoint(5, 5));
  EXPECT_EQ(form.MoveSoundsPlayed(), sounds + 1);
  EXPECT_EQ(Panel(kPanelGame), "[Guest] hello");  // after the move's own text
}

TEST(GlidePath, LongerAxisFirstThenDiagonal) {
  const QPoint from(0, 0), to(55, -94);
  EXPECT_EQ(GlideSteps(from, to), 94);
  EXPECT_EQ(GlidePoint(from, to, 39), QPoint(0, -39));
  EXPECT_EQ(GlidePoint(from, to, 40), QPoint(1, -40));
  EXPECT_EQ(GlidePoint(from, to, 94), to);
  EXPECT_EQ(GlidePoint(from, to, 500), to);
}

}  // namespace
}  // namespace tamsok
