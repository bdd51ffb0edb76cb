// The board state: the primary per-piece state (position and in-play flag) and the grid of
// squares derived from it, with the influence counters each camp projects.
#pragma once

#include <array>

#include "rules/Types.h"

namespace tamsok {

// One square of the derived grid. Per-camp pairs are indexed by Camp, Fir first.
struct BoardCell {
  int Occupant = kNoPiece;
  int Count[kCampCount] = {0, 0};      // that camp's pieces standing here (0 or 1)
  int Cloak[kCampCount] = {0, 0};      // camp c's piece here is cloaked when > 0
  int Freeze[kCampCount] = {0, 0};     // camp c's piece here is frozen when > 0
  int TreeZone[kCampCount] = {0, 0};   // camp c's Lightning may land here (if empty) when > 0
  int CloudZone[kCampCount] = {0, 0};  // camp c's Lightning may capture here when > 0

  friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// Influence radii, one per kind; 0 projects nothing. A radius r covers the (2r+1)^2 block
// centred on the piece, clipped to the board.
// clang-format off
//                                                  Tr Th Dr Be Gr Wa Wi Cl Sp Sn An Ca
constexpr std::array<int, kKindCount> CloakRadius     {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
constexpr std::array<int, kKindCount> RevealRadius    {3, 1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 3};
constexpr std::array<int, kKindCount> FreezeRadius    {2, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 2};
constexpr std::array<int, kKindCount> ThawRadius      {3, 1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 3};
constexpr std::array<int, kKindCount> TreeZoneRadius  {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<int, kKindCount> CloudZoneRadius {0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0};
// clang-format on

// The whole board of one game. PiecePos and InPlay are the primary state; Cells is derived
// from them by RebuildBoard and is valid until the next change of either. All squares are in
// the frame of ViewSide (0..3).
struct Board {
  std::array<Square, kPieceCount> PiecePos{};
  std::array<bool, kPieceCount> InPlay{};
  BoardCell Cells[kBoardSize][kBoardSize]{};  // indexed [x][y]
  int ViewSide = 0;

  const BoardCell& At(int x, int y) const { return Cells[x][y]; }
  const BoardCell& At(Square s) const { return Cells[s.x][s.y]; }

  // The piece on a square, or kNoPiece; kNoPiece as well for an off-board pair.
  PieceId OccupantAt(Square s) const { return OnBoard(s) ? Cells[s.x][s.y].Occupant : kNoPiece; }

  // True when the piece takes part in the game and stands on a square.
  bool StandsOnBoard(PieceId p) const {
    return IsValidPiece(p) && InPlay[p] && OnBoard(PiecePos[p]);
  }
};

// Loads the start position seen from the board's ViewSide: every piece in play, positions
// converted from the canonical start table. Rebuilds the grid.
void LoadInitialPosition(Board& board);

// Recomputes the whole grid from PiecePos and InPlay. Nothing is updated incrementally.
void RebuildBoard(Board& board);

}  // namespace tamsok
