// The constant data of the game: names, values, the 60-piece roster and the start squares.
#pragma once

#include <array>
#include <string_view>

#include "rules/TextMark.h"
#include "rules/Types.h"

namespace tamsok {

// Names of the twelve kinds and the two camps. Columns 0..11 are the kinds in
// PieceKind order, column 12 is Fir and column 13 Oak. Row 0 holds the short forms,
// row 1 the English names, row 2 the Korean names (UTF-8). The English names are the texts the
// game shows; the Korean interface translates them into row 2.
constexpr int kNameRows = 3;
constexpr int kNameColumns = 14;
constexpr int kShortRow = 0;
constexpr int kEnglishRow = 1;
constexpr int kKoreanRow = 2;

// clang-format off
constexpr std::array<std::array<std::string_view, kNameColumns>, kNameRows> NameTable{{
    {"Tr", "Th", "Dr", "Be", "Gr", "Wa", "Wi", "Cl", "Sp", "Sn", "An", "Ca", "F", "O"},
    {TR_NOOP("tamsok", "Tree"), TR_NOOP("tamsok", "Lightning"), TR_NOOP("tamsok", "DragonFly"),
     TR_NOOP("tamsok", "DivingBeetle"), TR_NOOP("tamsok", "Grasshopper"), TR_NOOP("tamsok", "Wasp"),
     TR_NOOP("tamsok", "Wind"), TR_NOOP("tamsok", "Cloud"), TR_NOOP("tamsok", "Spider"),
     TR_NOOP("tamsok", "Snow"), TR_NOOP("tamsok", "Ant"), TR_NOOP("tamsok", "CarpenterAnt"),
     TR_NOOP("tamsok", "Fir"), TR_NOOP("tamsok", "Oak")},
    {"나무", "천둥번개", "잠자리", "물방개", "여치", "말벌", "바람", "구름", "거미", "눈", "개미",
     "왕개미", "전나무", "참나무"},
}};

// Material value lost by a camp when one of its pieces of the kind is captured.
constexpr std::array<int, kKindCount> PieceValue{9000, 301, 201, 101, 71, 71, 61, 61, 121, 51, 21, 301};

namespace detail {
using K = PieceKind;
constexpr std::array<PieceKind, kPiecesPerCamp> kCampRoster{
    K::Tree,  K::Lightning, K::DragonFly, K::DragonFly, K::DivingBeetle, K::DivingBeetle,
    K::Grasshopper, K::Grasshopper, K::Wasp, K::Wasp, K::Cloud, K::Cloud, K::Spider, K::Spider,
    K::Wind, K::Wind, K::Snow, K::Snow, K::Ant, K::Ant, K::Ant, K::Ant, K::Ant, K::Ant,
    K::CarpenterAnt, K::CarpenterAnt, K::CarpenterAnt, K::CarpenterAnt, K::CarpenterAnt,
    K::CarpenterAnt};

// Fir's start squares in the canonical frame; (-1, -1) is off the board.
constexpr std::array<Square, kPiecesPerCamp> kFirStart{{
    {4, 0}, {5, 0}, {3, 0}, {6, 0}, {2, 0}, {7, 0}, {1, 0}, {8, 0}, {0, 0}, {9, 0},
    {4, 3}, {5, 3}, {3, 2}, {6, 2}, {1, 2}, {8, 2}, {1, 3}, {8, 3},
    {0, 2}, {2, 2}, {4, 2}, {5, 2}, {7, 2}, {9, 2},
    {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}}};

constexpr std::array<PieceKind, kPieceCount> MakeRoster() {
  std::array<PieceKind, kPieceCount> r{};
  for (int i = 0; i < kPiecesPerCamp; ++i) r[i] = r[i + kPiecesPerCamp] = kCampRoster[i];
  return r;
}

// Oak's pieces mirror Fir's across the middle of the board, keeping the column.
constexpr std::array<Square, kPieceCount> MakeStart() {
  std::array<Square, kPieceCount> s{};
  for (int i = 0; i < kPiecesPerCamp; ++i) {
    const Square f = kFirStart[i];
    s[i] = f;
    s[i + kPiecesPerCamp] = OnBoard(f) ? Square{f.x, kBoardSize - 1 - f.y} : f;
  }
  return s;
}
}  // namespace detail
// clang-format on

// The roster: the kind of each PieceId.
constexpr std::array<PieceKind, kPieceCount> KindOfPiece = detail::MakeRoster();

// Start square of each PieceId, canonical frame.
constexpr std::array<Square, kPieceCount> InitialPosition = detail::MakeStart();

constexpr Camp CampOf(PieceId p) {
  return p < kPiecesPerCamp ? Camp::Fir : Camp::Oak;
}

// The kind of a valid piece. Callers check IsValidPiece first when the id comes from outside.
constexpr PieceKind KindOf(PieceId p) {
  return KindOfPiece[static_cast<std::size_t>(p)];
}

constexpr std::string_view KindName(PieceKind k) {
  return NameTable[kEnglishRow][Index(k)];
}
constexpr std::string_view KindCode(PieceKind k) {
  return NameTable[kShortRow][Index(k)];
}
constexpr std::string_view KindKoreanName(PieceKind k) {
  return NameTable[kKoreanRow][Index(k)];
}
constexpr std::string_view CampName(Camp c) {
  return NameTable[kEnglishRow][12 + Index(c)];
}
constexpr std::string_view CampLetter(Camp c) {
  return NameTable[kShortRow][12 + Index(c)];
}
constexpr int ValueOf(PieceKind k) {
  return PieceValue[Index(k)];
}

// Scoring: from this many records on (passes count) either player may call it, in either
// player's turn, and the value each camp has lost to captures decides at once. Fir wins only
// when Oak has lost strictly more value; a tie goes to Oak.
constexpr int kScoringRecords = 50;
constexpr Camp ScoringWinner(int lostByFir, int lostByOak) {
  return lostByOak > lostByFir ? Camp::Fir : Camp::Oak;
}

}  // namespace tamsok
