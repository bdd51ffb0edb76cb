// The windows on a screen of two device pixels to a pixel: the pictures drawn at twice their
// size are the ones shown, and every size and position stays what it is at one pixel.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

#include "tests/ui/UiTestSupport.h"
#include "ui/Assets.h"
#include "ui/Startup.h"

namespace tamsok {
namespace {

TEST(HiDpi, ThePicturesDrawnAtTwiceTheirSizeAreShown) {
  ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
  EXPECT_EQ(PictureScale(), 2);
  for (const QPixmap& picture : {PiecePicture(Camp::Oak, PieceKind::Ant), MarkerPicture(),
                                 MenuPicturePixmap(MenuPicture::Undo), SkinSwatch(Skin::Wood)}) {
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.size(), picture.deviceIndependentSize().toSize() * 2);
  }
  EXPECT_EQ(PiecePicture(Camp::Oak, PieceKind::Ant).deviceIndependentSize(), QSizeF(40, 40));
  const QImage slate = BoardPicture(Skin::Slate);
  EXPECT_EQ(slate.size(), QSize(1568, 1024));
}

using HiDpiBoard = testing::BoardFixture;

// The window keeps its size in pixels, and its board shows the fine picture pixel for pixel:
// two neighbouring device pixels of one window pixel differ where the fine picture's do.
TEST_F(HiDpiBoard, TheBoardIsDrawnFromTheFinePicture) {
  EXPECT_EQ(form.BoardArea()->size(), QSize(785, 530));
  const QImage shown = form.BoardArea()->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(1570, 1060));
  const QImage fine = BoardPicture(Skin::Slate);
  int differing = 0;
  for (const QPoint p : {QPoint(81, 601), QPoint(1400, 240), QPoint(150, 900), QPoint(11, 51)}) {
    EXPECT_EQ(shown.pixel(p), fine.pixel(p)) << p.x() << "," << p.y();
    differing += shown.pixel(p) != shown.pixel(p + QPoint(1, 0));
  }
  EXPECT_GT(differing, 0);  // not a picture of window pixels doubled
}

}  // namespace
}  // namespace tamsok

int main(int argc, char** argv) {
  // No window manager takes the fixed sizes; the offscreen platform's note on it is dropped.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints")))
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  qputenv("QT_SCALE_FACTOR", "2");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tamsok::InitApplication(app);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
