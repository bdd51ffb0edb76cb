// What start-up leaves for later: the other windows and icons, made at their first use.
#include <gtest/gtest.h>

#include <QPainter>

#include "tests/ui/UiTestSupport.h"
#include "ui/About.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/InputIP.h"
#include "ui/Kibo.h"
#include "ui/LazyIcon.h"
#include "ui/Request.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

TEST(LazyIcon, MakesItsPicturesOnceAtFirstUseAndThenActsAsTheMadeIcon) {
  int made = 0;
  QPixmap red(16, 16);
  red.fill(Qt::red);
  const QIcon icon = LazyIcon([&] {
    ++made;
    return QIcon(red);
  });
  const QIcon copy = icon;  // copies share the one picture
  EXPECT_FALSE(icon.isNull());
  EXPECT_EQ(made, 0);

  EXPECT_EQ(copy.pixmap(16).toImage().pixel(3, 3), QColor(Qt::red).rgb());
  QImage painted(16, 16, QImage::Format_ARGB32);
  painted.fill(Qt::transparent);
  {
    QPainter painter(&painted);
    icon.paint(&painter, painted.rect());
  }
  EXPECT_EQ(painted.pixel(8, 8), QColor(Qt::red).rgb());
  EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
  EXPECT_EQ(made, 1);
}

// A window is created at its first use together with the ones before it, so the six are
// always created in their fixed order; a window made late is hidden like one made early.
TEST_F(BoardFixture, OtherWindowsAreCreatedAtFirstUseInTheirOrder) {
  QApplication::processEvents();  // the first frame
  EXPECT_EQ(form.SecondaryWindowsMade(), 0);
  EXPECT_NE(form.KiboForm(), nullptr);
  EXPECT_EQ(form.SecondaryWindowsMade(), 3);
  form.ChatForm();
  EXPECT_EQ(form.SecondaryWindowsMade(), 3);
  form.InputIPForm();
  EXPECT_EQ(form.SecondaryWindowsMade(), 6);

  const QWidget* order[] = {form.ChatForm(),     form.AboutBox(),    form.KiboForm(),
                            form.ProtocolForm(), form.RequestForm(), form.InputIPForm()};
  const QObjectList& children = form.children();
  for (std::size_t i = 0; i < std::size(order); ++i) {
    EXPECT_FALSE(order[i]->isVisible()) << i;
    if (i > 0) {
      EXPECT_LT(children.indexOf(order[i - 1]), children.indexOf(order[i])) << i;
    }
  }
}

// The audio libraries load when a piece is first picked up to be moved, not at start-up, and
// not at all while the sound is switched off.
TEST_F(BoardFixture, SoundIsReadiedWhenAPieceIsFirstPickedUp) {
  PieceImageControl* ant = form.PieceImage(18);
  QTest::mousePress(ant, Qt::LeftButton, Qt::NoModifier, {20, 20});  // a spectator's press
  QTest::mouseRelease(ant, Qt::LeftButton, Qt::NoModifier, {20, 20});
  EXPECT_FALSE(form.Sound().Prepared());
  NewGame();
  Item("miSoundTTag")->trigger();
  QTest::mousePress(ant, Qt::LeftButton, Qt::NoModifier, {20, 20});
  QTest::mouseRelease(ant, Qt::LeftButton, Qt::NoModifier, {20, 20});
  EXPECT_FALSE(form.Sound().Prepared());
  Item("miSoundTTag")->trigger();
  QTest::mousePress(ant, Qt::LeftButton, Qt::NoModifier, {20, 20});
  EXPECT_TRUE(form.Sound().Prepared());
  QTest::mouseRelease(ant, Qt::LeftButton, Qt::NoModifier, {20, 20});
}

}  // namespace
}  // namespace tamsok
