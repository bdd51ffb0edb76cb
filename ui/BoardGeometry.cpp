#include "ui/BoardGeometry.h"

namespace tamsok {

void BoardGeometry::Build() {
  BoardOriginX = 144;
  BoardOriginY = 44;
  for (int j = 0; j < kTableSize; ++j) {
    SquareLeft[j] = BoardOriginX + kPitchX * j - 20;
    SquareTop[j] = BoardOriginY + kPitchY * j - 20;
    DropBoundX[j] = BoardOriginX + kPitchX * (j - 1) + 7;
    DropBoundY[j] = BoardOriginY + kPitchY * (j - 1) + 3;
  }
}

std::optional<Square> BoardGeometry::PixelToSquare(int left, int top) const {
  constexpr int kLast = kTableSize - 1;
  if (left < DropBoundX[0] || left >= DropBoundX[kLast] || top < DropBoundY[0] ||
      top >= DropBoundY[kLast])
    return std::nullopt;
  Square s;
  for (int i = 0; i < kLast; ++i)
    if (DropBoundX[i] <= left && left < DropBoundX[i + 1]) s.x = i;
  for (int j = 0; j < kLast; ++j)
    if (DropBoundY[j] <= top && top < DropBoundY[j + 1]) s.y = j;
  return s;
}

}  // namespace tamsok
