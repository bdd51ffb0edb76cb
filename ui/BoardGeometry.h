// Pixel geometry of the board in the main window's client area: where a piece image stands on
// a square, which square a dropped image lands on, the captured-piece trays and the last-move
// marker's places. Plain code without Qt, built once at start-up and never changed.
//
// All pixel values are client-area coordinates of the main window (x to the right, y down);
// squares are view coordinates of the current viewing side.
#pragma once

#include <array>
#include <optional>

#include "rules/Types.h"

namespace tamsok {

// A pixel position (the top-left corner of an image).
struct PixelPos {
  int left = 0;
  int top = 0;

  friend constexpr bool operator==(const PixelPos&, const PixelPos&) = default;
};

// A piece image is 41 x 41 and shows a 40 x 40 picture; its corner is the square's centre - 20.
inline constexpr int kPieceImageSize = 41;
inline constexpr int kPiecePictureSize = 40;
inline constexpr int kMarkerSize = 10;

struct BoardGeometry {
  static constexpr int kTableSize = 11;  // index 10 is a border, not a square

  // Pixel centre of square (0, 0); the pitch is 55 across and 47 down.
  int BoardOriginX = 0;
  int BoardOriginY = 0;
  // Top-left corner of a piece image standing in column j / row j.
  std::array<int, kTableSize> SquareLeft{};
  std::array<int, kTableSize> SquareTop{};
  // The borders between the column and row bands of a drop, compared with the dropped
  // image's top-left corner (not with the pointer).
  std::array<int, kTableSize> DropBoundX{};
  std::array<int, kTableSize> DropBoundY{};

  static constexpr int kPitchX = 55;
  static constexpr int kPitchY = 47;

  // Sets the origin to (144, 44) and fills the four tables.
  void Build();

  // The corner of a piece image on square (x, y); (x, y) must be on the board.
  PixelPos SquarePixel(Square s) const { return {SquareLeft[s.x], SquareTop[s.y]}; }

  // The square whose bands hold the corner (left, top), or nothing when the corner lies
  // outside DropBoundX[0] <= left < DropBoundX[10], DropBoundY[0] <= top < DropBoundY[10].
  std::optional<Square> PixelToSquare(int left, int top) const;

  // The marker over the corner of the piece image on (x, y).
  PixelPos MarkerPixel(Square s) const { return {SquareLeft[s.x] - 5, SquareTop[s.y] - 5}; }
  // The marker's parking place, out of sight: (29, -11).
  PixelPos MarkerParking() const { return {SquareLeft[0] - 95, SquareTop[0] - 35}; }
};

// Where New game puts the marker.
inline constexpr PixelPos kMarkerNewGame{5, 5};
// Where the marker stands when the window is created.
inline constexpr PixelPos kMarkerStartUp{10, 10};

// Slot n (0-based) of a camp's captured-piece tray. Oak's tray fills from the bottom-right
// corner upwards, Fir's from the top-left corner downwards, twelve slots to a column; the
// trays do not depend on the viewing side.
constexpr PixelPos TraySlotPixel(Camp camp, int n) {
  constexpr int kStep = 42, kPerColumn = 12;
  if (camp == Camp::Oak) return {742 - kStep * (n / kPerColumn), 470 - kStep * (n % kPerColumn)};
  return {kStep * (n / kPerColumn), kStep * (n % kPerColumn)};
}

}  // namespace tamsok
