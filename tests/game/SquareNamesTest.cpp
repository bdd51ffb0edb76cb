// Square names for people: each name reads back to its square and is made of the labels on
// the board's edges at that square, in every viewing side and both namings.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Notation.h"
#include "game/SquareNames.h"
#include "rules/Frames.h"

namespace tamsok {
namespace {

TEST(SquareNamesTest, NamesRoundTripAndAreReadOffTheEdgeLabels) {
  for (SquareNaming naming : {SquareNaming::Letters, SquareNaming::Digits}) {
    for (int side = 0; side < kViewSideCount; ++side) {
      const EdgeLabels labels = BoardEdgeLabels(naming, side);
      for (int x = 0; x < kBoardSize; ++x) {
        for (int y = 0; y < kBoardSize; ++y) {
          const Square s{x, y};
          const std::string name = SquareName(naming, side, s);
          SCOPED_TRACE(name + " side " + std::to_string(side));
          EXPECT_EQ(ParseSquareName(naming, side, name), s);
          const char column = labels.columns[x], row = labels.rows[y];
          if (naming == SquareNaming::Digits) {
            EXPECT_EQ(name, std::string("x") + column + "y" + row);
          } else {
            // The letter comes first, from whichever edge carries letters in this view.
            const bool lettersAlong = column >= 'a';
            const std::string expected =
                lettersAlong ? std::string{column, row} : std::string{row, column};
            EXPECT_EQ(name, expected);
            // The files' own notation, as the protocol and game files write the square.
            EXPECT_EQ(name, engine::SquareText(ToCanonical(side, s)));
          }
        }
      }
    }
  }
}

TEST(SquareNamesTest, LabelsAreDistinctAndTextsThatAreNotNamesAreRefused) {
  for (int side = 0; side < kViewSideCount; ++side) {
    EdgeLabels l = BoardEdgeLabels(SquareNaming::Letters, side);
    std::sort(l.columns.begin(), l.columns.end());
    std::sort(l.rows.begin(), l.rows.end());
    EXPECT_EQ(std::adjacent_find(l.columns.begin(), l.columns.end()), l.columns.end());
    EXPECT_EQ(std::adjacent_find(l.rows.begin(), l.rows.end()), l.rows.end());
  }
  for (const char* bad : {"", "k0", "a", "a10", "E3", "x4y", "x4z6", "xay6"}) {
    EXPECT_FALSE(ParseSquareName(SquareNaming::Letters, 0, bad)) << bad;
    EXPECT_FALSE(ParseSquareName(SquareNaming::Digits, 0, bad)) << bad;
  }
  EXPECT_EQ(MoveName(SquareNaming::Letters, 2, {5, 9}, {5, 8}, false), "e0-e1");
  EXPECT_EQ(MoveName(SquareNaming::Letters, 0, {0, 0}, {0, 9}, true), "a0xa9");
  EXPECT_EQ(MoveName(SquareNaming::Digits, 0, {8, 7}, {6, 5}, false), "x8y2->x6y4");
}

}  // namespace
}  // namespace tamsok
