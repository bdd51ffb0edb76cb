#include "rules/Frames.h"

namespace tamsok {

// Every side's pair of conversions undo each other, on and off the board.
static_assert([] {
  for (int side = 0; side < kViewSideCount; ++side)
    for (int x = -1; x <= kBoardSize; ++x)
      for (int y = -1; y <= kBoardSize; ++y)
        if (ToCanonical(side, FromCanonical(side, {x, y})) != Square{x, y}) return false;
  return true;
}());

}  // namespace tamsok
