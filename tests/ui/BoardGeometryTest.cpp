#include <gtest/gtest.h>

#include "ui/BoardGeometry.h"

namespace tamsok {
namespace {

BoardGeometry Built() {
  BoardGeometry g;
  g.Build();
  return g;
}

TEST(BoardGeometry, TablesHoldTheSquareCornersAndDropBorders) {
  const BoardGeometry g = Built();
  using Table = std::array<int, 11>;
  EXPECT_EQ(g.SquareLeft, (Table{124, 179, 234, 289, 344, 399, 454, 509, 564, 619, 674}));
  EXPECT_EQ(g.SquareTop, (Table{24, 71, 118, 165, 212, 259, 306, 353, 400, 447, 494}));
  EXPECT_EQ(g.DropBoundX, (Table{96, 151, 206, 261, 316, 371, 426, 481, 536, 591, 646}));
  EXPECT_EQ(g.DropBoundY, (Table{0, 47, 94, 141, 188, 235, 282, 329, 376, 423, 470}));
  EXPECT_EQ(g.MarkerParking(), (PixelPos{29, -11}));
  EXPECT_EQ(g.MarkerPixel({0, 0}), (PixelPos{119, 19}));
}

TEST(BoardGeometry, PixelToSquareUsesTheBandsOfTheImageCorner) {
  const BoardGeometry g = Built();
  struct Row {
    int left, top;
    std::optional<Square> square;
  };
  const Row rows[] = {
      {96, 0, Square{0, 0}},    {95, 0, std::nullopt},    {645, 469, Square{9, 9}},
      {646, 469, std::nullopt}, {645, 470, std::nullopt}, {96, -1, std::nullopt},
      {150, 46, Square{0, 0}},  {151, 47, Square{1, 1}},  {344, 24, Square{4, 0}},
      {619, 212, Square{9, 4}}, {124, 259, Square{0, 5}}, {399, 447, Square{5, 9}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(g.PixelToSquare(r.left, r.top), r.square) << r.left << "," << r.top;
  // Every square's own image corner maps back to the square.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      EXPECT_EQ(g.PixelToSquare(g.SquareLeft[x], g.SquareTop[y]), (Square{x, y}));
}

TEST(BoardGeometry, TraySlotsFillTheirColumns) {
  struct Row {
    Camp camp;
    int slot;
    PixelPos at;
  };
  const Row rows[] = {
      {Camp::Oak, 0, {742, 470}},  {Camp::Oak, 11, {742, 8}},  {Camp::Oak, 12, {700, 470}},
      {Camp::Oak, 24, {658, 470}}, {Camp::Fir, 0, {0, 0}},     {Camp::Fir, 11, {0, 462}},
      {Camp::Fir, 12, {42, 0}},    {Camp::Fir, 29, {84, 210}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(TraySlotPixel(r.camp, r.slot), r.at) << r.slot;
}

}  // namespace
}  // namespace tamsok
