// Shared vocabulary of the game: camps, piece kinds, piece identities and squares.
// Everything here is plain data; no layer above needs more than this header to talk
// about pieces and squares.
#pragma once

#include <cstdint>

namespace tamsok {

// The two camps. Fir always moves first.
enum class Camp : std::uint8_t { Fir = 0, Oak = 1 };

constexpr int kCampCount = 2;

constexpr Camp OtherCamp(Camp c) { return c == Camp::Fir ? Camp::Oak : Camp::Fir; }
constexpr int Index(Camp c) { return static_cast<int>(c); }

// The twelve kinds, in the order that indexes every per-kind table.
enum class PieceKind : std::uint8_t {
  Tree,
  Lightning,
  DragonFly,
  DivingBeetle,
  Grasshopper,
  Wasp,
  Wind,
  Cloud,
  Spider,
  Snow,
  Ant,
  CarpenterAnt,
};

constexpr int kKindCount = 12;
constexpr int Index(PieceKind k) { return static_cast<int>(k); }

// A piece's identity, 0..59: Fir owns 0..29 and Oak 30..59. Piece i + 30 is Oak's
// counterpart of Fir's piece i. -1 means "no piece" wherever a piece may be absent.
using PieceId = int;

constexpr PieceId kNoPiece = -1;
constexpr int kPieceCount = 60;
constexpr int kPiecesPerCamp = 30;

constexpr bool IsValidPiece(PieceId p) { return p >= 0 && p < kPieceCount; }

// Board size: squares are (x, y) with x the column and y the row, each 0..9.
constexpr int kBoardSize = 10;

constexpr bool OnBoard(int x, int y) {
  return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

// A square or an off-board pair. Which frame the numbers are in (canonical or the
// current view) is always said where a Square is stored.
struct Square {
  int x = -1;
  int y = -1;

  friend constexpr bool operator==(const Square&, const Square&) = default;
};

constexpr bool OnBoard(Square s) { return OnBoard(s.x, s.y); }

constexpr Square kOffBoard{-1, -1};

}  // namespace tamsok
