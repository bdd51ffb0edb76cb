// What start-up leaves for later: icons made at their first use.
#include <gtest/gtest.h>

#include <QPainter>

#include "ui/LazyIcon.h"

namespace tamsok {
namespace {

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

}  // namespace
}  // namespace tamsok
