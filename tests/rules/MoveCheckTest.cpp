#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"
#include "tests/rules/BoardBuilder.h"

namespace tamsok {
namespace {

using R = MoveCheckResult;
using testing::StartBoard;
using testing::WithPieces;

R Check(const Board& b, PieceId p, Square to) {
  const Square from = b.PiecePos[p];
  return CheckMove(b, p, from.x, from.y, to.x, to.y);
}

// Piece ids used below. Fir: Lightning 1, DragonFly 2, DivingBeetle 4, Grasshopper 6, Wasp 8,
// Cloud 10, Spider 12, Snow 16, Ant 18/19, CarpenterAnt 24. Oak adds 30.
struct Case {
  const char* what;
  std::vector<std::pair<PieceId, Square>> pieces;
  PieceId piece;
  Square to;
  R expected;
  int viewSide = 0;
};

class MoveCheckCase : public ::testing::TestWithParam<Case> {};

TEST_P(MoveCheckCase, GivesTheExpectedCode) {
  const Case& c = GetParam();
  Board b = testing::EmptyBoard(c.viewSide);
  for (auto [p, s] : c.pieces)
    b.PiecePos[p] = s;
  RebuildBoard(b);
  EXPECT_EQ(Check(b, c.piece, c.to), c.expected) << c.what;
}

// clang-format off
const Case kCases[] = {
  // Order of the tests: cloak before freeze before the movement rule.
  {"frozen piece aiming at a cloaked enemy", {{2, {5, 5}}, {46, {5, 7}}, {48, {6, 6}}, {40, {7, 7}}}, 2, {6, 6}, R::TargetCloaked},
  {"cloaked enemy out of the piece's reach", {{6, {0, 0}}, {48, {6, 6}}, {40, {7, 7}}}, 6, {6, 6}, R::TargetCloaked},
  {"frozen piece, target not cloaked", {{2, {5, 5}}, {46, {5, 7}}, {48, {6, 6}}}, 2, {6, 6}, R::Frozen},
  {"frozen piece aiming out of its reach", {{2, {5, 5}}, {46, {5, 7}}}, 2, {0, 0}, R::Frozen},
  {"neither frozen nor cloaked", {{2, {5, 5}}, {48, {6, 6}}}, 2, {6, 6}, R::Legal},
  {"Spider is never frozen", {{12, {5, 5}}, {46, {5, 7}}}, 12, {5, 4}, R::Legal},
  {"own camp's target before the capture ability", {{10, {5, 5}}, {18, {9, 9}}}, 10, {9, 9}, R::NotEnemy},
  {"Cloud cannot capture even out of reach", {{10, {5, 5}}, {48, {0, 9}}}, 10, {0, 9}, R::CannotCapture},
  {"Snow cannot capture", {{16, {5, 5}}, {48, {5, 7}}}, 16, {5, 7}, R::CannotCapture},
  {"own square", {{2, {5, 5}}}, 2, {5, 5}, R::StandStill},
  // Blocking on the move's own path only.
  {"Beetle diagonal capture blocked", {{4, {0, 0}}, {48, {3, 3}}, {18, {1, 1}}}, 4, {3, 3}, R::Blocked},
  {"Beetle anti-diagonal blocked at (1,2)", {{4, {0, 3}}, {48, {3, 0}}, {18, {1, 2}}}, 4, {3, 0}, R::Blocked},
  {"Beetle anti-diagonal blocked at (2,1)", {{4, {0, 3}}, {48, {3, 0}}, {49, {2, 1}}}, 4, {3, 0}, R::Blocked},
  {"Beetle ignores the other diagonal", {{4, {0, 3}}, {48, {3, 0}}, {18, {1, 1}}, {49, {2, 2}}}, 4, {3, 0}, R::Legal},
  {"Beetle column capture over an enemy", {{4, {0, 0}}, {48, {0, 2}}, {49, {0, 1}}}, 4, {0, 2}, R::Blocked},
  {"Beetle column capture over a friend", {{4, {0, 0}}, {48, {0, 2}}, {18, {0, 1}}}, 4, {0, 2}, R::Blocked},
  {"Beetle long clear capture", {{4, {0, 0}}, {48, {0, 9}}}, 4, {0, 9}, R::Legal},
  {"Beetle step to empty", {{4, {5, 5}}}, 4, {5, 6}, R::Legal},
  {"Beetle two steps to empty", {{4, {5, 5}}}, 4, {5, 7}, R::InvalidMove},
  {"Beetle diagonal to empty", {{4, {5, 5}}}, 4, {6, 6}, R::InvalidMove},
  {"CarpenterAnt blocked on a line", {{24, {0, 0}}, {18, {0, 2}}}, 24, {0, 5}, R::Blocked},
  {"CarpenterAnt long diagonal", {{24, {0, 0}}}, 24, {9, 9}, R::Legal},
  {"CarpenterAnt knight step", {{24, {0, 0}}}, 24, {1, 2}, R::InvalidMove},
  {"CarpenterAnt off the board", {{24, kOffBoard}}, 24, {0, 0}, R::OutOfRange},
  // Kinds that fly over pieces.
  {"DragonFly flies along a line", {{2, {0, 0}}, {18, {0, 1}}}, 2, {0, 8}, R::Legal},
  {"DragonFly cannot capture on a line", {{2, {0, 0}}, {48, {0, 1}}}, 2, {0, 1}, R::InvalidMove},
  {"DragonFly cannot step diagonally to empty", {{2, {5, 5}}}, 2, {6, 6}, R::InvalidMove},
  {"Snow jumps the square between", {{16, {2, 2}}, {18, {2, 3}}}, 16, {2, 4}, R::Legal},
  {"Snow one step", {{16, {2, 2}}}, 16, {2, 3}, R::InvalidMove},
  {"Wind two diagonal over a piece", {{14, {2, 2}}, {18, {3, 3}}}, 14, {4, 4}, R::Legal},
  {"Wind three diagonal", {{14, {2, 2}}}, 14, {5, 5}, R::InvalidMove},
  {"Spider two along a line", {{12, {2, 2}}}, 12, {2, 4}, R::Legal},
  {"Spider three along a line", {{12, {2, 2}}}, 12, {2, 5}, R::InvalidMove},
  {"Grasshopper never blocked", {{6, {0, 0}}, {18, {0, 1}}, {19, {1, 1}}}, 6, {1, 2}, R::Legal},
  {"Tree two steps", {{0, {4, 4}}}, 0, {4, 6}, R::InvalidMove},
  // Lightning.
  {"Lightning to an empty square by its Tree", {{1, {0, 9}}, {0, {5, 5}}}, 1, {5, 6}, R::Legal},
  {"Lightning to an empty square elsewhere", {{1, {0, 9}}, {0, {5, 5}}}, 1, {0, 8}, R::InvalidMove},
  {"Lightning cannot take a Tree outside Cloud zones", {{1, {0, 0}}, {30, {5, 5}}}, 1, {5, 5}, R::InvalidMove},
  {"Lightning takes a Tree inside a Cloud zone", {{1, {0, 0}}, {30, {5, 5}}, {40, {6, 6}}}, 1, {5, 5}, R::Legal},
  {"Lightning takes a frozen enemy anywhere", {{1, {0, 0}}, {48, {9, 9}}, {16, {9, 7}}}, 1, {9, 9}, R::Legal},
  // Ants: the file axis follows the viewing side.
  {"Ant side 0 along the file", {{18, {5, 5}}}, 18, {5, 3}, R::Legal},
  {"Ant side 0 sideways", {{18, {5, 5}}}, 18, {3, 5}, R::InvalidMove},
  {"Ant side 1 along y is sideways", {{18, {5, 5}}}, 18, {5, 3}, R::InvalidMove, 1},
  {"Ant side 1 along the file", {{18, {5, 5}}}, 18, {3, 5}, R::Legal, 1},
  {"Ant side 1 jumps a piece", {{18, {5, 5}}, {48, {4, 5}}}, 18, {3, 5}, R::Legal, 1},
  {"Ant side 1 captures across the rank", {{18, {5, 5}}, {48, {5, 4}}}, 18, {5, 4}, R::Legal, 1},
  {"Ant side 1 cannot capture along the file", {{18, {5, 5}}, {48, {4, 5}}}, 18, {4, 5}, R::InvalidMove, 1},
  {"Ant side 3 along the file", {{18, {5, 5}}}, 18, {7, 5}, R::Legal, 3},
  {"Ant side 3 along y", {{18, {5, 5}}}, 18, {5, 7}, R::InvalidMove, 3},
  {"Ant three along the file", {{18, {5, 5}}}, 18, {5, 2}, R::InvalidMove},
};
// clang-format on

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* c = info.param.what; *c; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Rules, MoveCheckCase, ::testing::ValuesIn(kCases), CaseName);

TEST(MoveCheck, StartPositionCases) {
  const Board b = StartBoard();
  EXPECT_EQ(Check(b, 6, {2, 2}), R::NotEnemy);
  EXPECT_EQ(Check(b, 6, {0, 2}), R::NotEnemy);
  EXPECT_EQ(Check(b, 6, {3, 1}), R::Legal);
  EXPECT_EQ(Check(b, 6, {1, 1}), R::InvalidMove);
  EXPECT_EQ(Check(b, 8, {0, 1}), R::Legal);
  EXPECT_EQ(Check(b, 8, {0, 5}), R::Legal);  // over Fir's Ant on (0, 2): not blockable
  EXPECT_EQ(Check(b, 8, {0, 9}), R::Legal);  // and over Oak's Ant on (0, 7)
  for (Square cloaked : {Square{3, 7}, Square{4, 7}, Square{5, 7}, Square{6, 7}})
    EXPECT_EQ(Check(b, 1, cloaked), R::TargetCloaked);
  for (Square exposed : {Square{0, 7}, Square{1, 7}, Square{8, 7}, Square{9, 7}})
    EXPECT_EQ(Check(b, 1, exposed), R::InvalidMove);
}

TEST(MoveCheck, EmptyFromSquareAndBadInputs) {
  const Board b = StartBoard();
  EXPECT_EQ(CheckMove(b, 0, 4, 4, 4, 5), R::EmptyFromOrNotTurn);
  EXPECT_EQ(CheckMove(b, 0, 4, 0, 4, 10), R::OutOfRange);
  EXPECT_EQ(CheckMove(b, 0, -1, 0, 4, 1), R::OutOfRange);
  for (PieceId bad : {-1, 60, 1000, -2147483647 - 1, 2147483647})
    EXPECT_EQ(CheckMove(b, bad, 4, 0, 4, 1), R::OutOfRange) << bad;
}

TEST(MoveCheck, StatusTexts) {
  EXPECT_EQ(MoveCheckText(R::EmptyFromOrNotTurn, Camp::Fir), "Not Fir Turn");
  EXPECT_EQ(MoveCheckText(R::EmptyFromOrNotTurn, Camp::Oak), "Not Oak Turn");
  EXPECT_EQ(MoveCheckText(R::StandStill, Camp::Fir), "Stand still");
  EXPECT_EQ(MoveCheckText(R::NotEnemy, Camp::Fir), "Is not Enemy");
  EXPECT_EQ(MoveCheckText(R::OutOfRange, Camp::Fir), "Out of range");
  EXPECT_EQ(MoveCheckText(R::InvalidMove, Camp::Fir), "Invalid move(rule violation)");
  EXPECT_EQ(MoveCheckText(R::TargetCloaked, Camp::Fir),
            "Can't capture a piece of enemy under cloaking effect");
  EXPECT_EQ(MoveCheckText(R::Frozen, Camp::Fir), "Frozen piece can't move & capture");
  EXPECT_EQ(MoveCheckText(R::Blocked, Camp::Fir), "Myuk (Blocking piece)");
  EXPECT_EQ(MoveCheckText(R::CannotCapture, Camp::Fir), "Have not ability of capture");
  EXPECT_EQ(MoveCheckText(R::Legal, Camp::Fir), "");
}

// Legal (piece, target) pairs of one camp in the start position, counted per kind.
std::map<PieceKind, int> LegalPairsByKind(const Board& b, Camp camp) {
  std::map<PieceKind, int> byKind;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (CampOf(p) != camp) continue;
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y)
        if (Check(b, p, {x, y}) == R::Legal) ++byKind[KindOf(p)];
  }
  return byKind;
}

TEST(MoveCheck, StartPositionHasOneHundredTwoLegalPairsPerCamp) {
  using K = PieceKind;
  const std::map<K, int> expected = {{K::Tree, 3},         {K::Lightning, 7},   {K::DragonFly, 12},
                                     {K::DivingBeetle, 2}, {K::Grasshopper, 2}, {K::Wasp, 16},
                                     {K::Wind, 10},        {K::Cloud, 12},      {K::Spider, 16},
                                     {K::Snow, 6},         {K::Ant, 16}};
  for (int side = 0; side < 4; ++side) {
    const Board b = StartBoard(side);
    for (Camp camp : {Camp::Fir, Camp::Oak}) {
      SCOPED_TRACE(::testing::Message() << "side " << side << " camp " << Index(camp));
      EXPECT_EQ(LegalPairsByKind(b, camp), expected);
    }
  }
}

TEST(MoveCheck, FirLightningTargetsInStartPosition) {
  const Board b = StartBoard();
  std::vector<std::pair<int, int>> targets;
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y)
      if (Check(b, 1, {x, y}) == R::Legal) targets.push_back({x, y});
  const std::vector<std::pair<int, int>> expected = {{2, 7}, {3, 1}, {4, 1}, {4, 6},
                                                     {5, 1}, {5, 6}, {7, 7}};
  EXPECT_EQ(targets, expected);
}

}  // namespace
}  // namespace tamsok
