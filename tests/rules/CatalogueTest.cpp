#include <gtest/gtest.h>

#include <set>

#include "rules/Catalogue.h"
#include "tests/rules/BoardBuilder.h"

namespace tamsok {
namespace {

TEST(Catalogue, NamesCodesAndValuesFollowKindOrder) {
  struct Row {
    PieceKind kind;
    const char* name;
    const char* code;
    const char* korean;
    int value;
  };
  const Row rows[] = {
      {PieceKind::Tree, "Tree", "Tr", "나무", 9000},
      {PieceKind::Lightning, "Lightning", "Th", "천둥번개", 301},
      {PieceKind::DragonFly, "DragonFly", "Dr", "잠자리", 201},
      {PieceKind::DivingBeetle, "DivingBeetle", "Be", "물방개", 101},
      {PieceKind::Grasshopper, "Grasshopper", "Gr", "여치", 71},
      {PieceKind::Wasp, "Wasp", "Wa", "말벌", 71},
      {PieceKind::Wind, "Wind", "Wi", "바람", 61},
      {PieceKind::Cloud, "Cloud", "Cl", "구름", 61},
      {PieceKind::Spider, "Spider", "Sp", "거미", 121},
      {PieceKind::Snow, "Snow", "Sn", "눈", 51},
      {PieceKind::Ant, "Ant", "An", "개미", 21},
      {PieceKind::CarpenterAnt, "CarpenterAnt", "Ca", "왕개미", 301},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(KindName(r.kind), r.name);
    EXPECT_EQ(KindCode(r.kind), r.code);
    EXPECT_EQ(KindKoreanName(r.kind), r.korean);
    EXPECT_EQ(ValueOf(r.kind), r.value);
  }
  EXPECT_EQ(CampName(Camp::Fir), "Fir");
  EXPECT_EQ(CampName(Camp::Oak), "Oak");
  EXPECT_EQ(CampLetter(Camp::Fir), "F");
  EXPECT_EQ(CampLetter(Camp::Oak), "O");
  EXPECT_EQ(NameTable[kKoreanRow][12], "전나무");
  EXPECT_EQ(NameTable[kKoreanRow][13], "참나무");
}

TEST(Catalogue, RosterCountsPerCampAndOakMirrorsFir) {
  const int perCamp[kKindCount] = {1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 6, 6};
  int counted[kCampCount][kKindCount] = {};
  for (PieceId p = 0; p < kPieceCount; ++p)
    ++counted[Index(CampOf(p))][Index(KindOf(p))];
  for (int k = 0; k < kKindCount; ++k) {
    EXPECT_EQ(counted[0][k], perCamp[k]) << "kind " << k;
    EXPECT_EQ(counted[1][k], perCamp[k]) << "kind " << k;
  }
  for (PieceId p = 0; p < kPiecesPerCamp; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(KindOf(p + 30), KindOf(p));
    const Square f = InitialPosition[p], o = InitialPosition[p + 30];
    if (OnBoard(f)) {
      EXPECT_EQ(o, (Square{f.x, 9 - f.y}));
    } else {
      EXPECT_FALSE(OnBoard(o));
      EXPECT_EQ(KindOf(p), PieceKind::CarpenterAnt);
    }
  }
}

TEST(StartPosition, FortyEightPiecesOnDistinctSquaresRowsFourAndFiveEmpty) {
  const Board b = testing::StartBoard();
  std::set<std::pair<int, int>> squares;
  int onBoard = 0;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    ++onBoard;
    const Square s = b.PiecePos[p];
    EXPECT_TRUE(squares.insert({s.x, s.y}).second) << "two pieces on " << s.x << "," << s.y;
    EXPECT_EQ(b.At(s).Occupant, p);
    EXPECT_TRUE(CampOf(p) == Camp::Fir ? s.y <= 3 : s.y >= 6);
  }
  EXPECT_EQ(onBoard, 48);
  int occupied = 0;
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      const BoardCell& c = b.At(x, y);
      occupied += c.Occupant != kNoPiece;
      EXPECT_EQ(c.Count[0] + c.Count[1], c.Occupant != kNoPiece ? 1 : 0);
      if (y == 4 || y == 5) {
        EXPECT_EQ(c.Occupant, kNoPiece);
      }
    }
  EXPECT_EQ(occupied, 48);
}

TEST(StartPosition, NewGameInViewSideTwoPutsTreesOnTurnedSquares) {
  const Board b = testing::StartBoard(2);
  EXPECT_EQ(b.PiecePos[0], (Square{5, 9}));
  EXPECT_EQ(b.PiecePos[30], (Square{5, 0}));
  EXPECT_EQ(b.PiecePos[24], (Square{10, 10}));  // off-board pieces stay off the board
  EXPECT_FALSE(b.StandsOnBoard(24));
}

}  // namespace
}  // namespace tamsok
