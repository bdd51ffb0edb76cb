#include "rules/Board.h"

#include <algorithm>

#include "rules/Catalogue.h"
#include "rules/Frames.h"

namespace tamsok {

namespace {

// Adds `amount` to the counter pair member `field`[camp] over the block of radius r around
// (x, y), clipped to the board. Rows are walked innermost for cache friendliness; the
// counters are sums, so the order of visits does not change the result.
template <int (BoardCell::*field)[kCampCount]>
inline void Project(BoardCell (&cells)[kBoardSize][kBoardSize], int x, int y, int r, int camp,
                    int amount) {
  const int x0 = std::max(0, x - r), x1 = std::min(kBoardSize - 1, x + r);
  const int y0 = std::max(0, y - r), y1 = std::min(kBoardSize - 1, y + r);
  for (int cx = x0; cx <= x1; ++cx)
    for (int cy = y0; cy <= y1; ++cy) (cells[cx][cy].*field)[camp] += amount;
}

}  // namespace

void LoadInitialPosition(Board& board) {
  for (PieceId p = 0; p < kPieceCount; ++p) {
    board.PiecePos[p] = FromCanonical(board.ViewSide, InitialPosition[p]);
    board.InPlay[p] = true;
  }
  RebuildBoard(board);
}

void RebuildBoard(Board& board) {
  auto& cells = board.Cells;
  std::fill(&cells[0][0], &cells[0][0] + kBoardSize * kBoardSize, BoardCell{});

  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!board.InPlay[p]) continue;
    const Square s = board.PiecePos[p];
    if (!OnBoard(s)) continue;
    const int own = Index(CampOf(p));
    const int enemy = 1 - own;
    const int k = Index(KindOf(p));

    cells[s.x][s.y].Occupant = p;
    cells[s.x][s.y].Count[own] += 1;

    if (int r = CloakRadius[k]) Project<&BoardCell::Cloak>(cells, s.x, s.y, r, own, 1);
    if (int r = RevealRadius[k]) Project<&BoardCell::Cloak>(cells, s.x, s.y, r, enemy, -100);
    if (int r = FreezeRadius[k]) Project<&BoardCell::Freeze>(cells, s.x, s.y, r, enemy, 1);
    if (int r = ThawRadius[k]) Project<&BoardCell::Freeze>(cells, s.x, s.y, r, own, -100);
    if (int r = TreeZoneRadius[k]) Project<&BoardCell::TreeZone>(cells, s.x, s.y, r, own, 1);
    if (int r = CloudZoneRadius[k]) {
      Project<&BoardCell::CloudZone>(cells, s.x, s.y, r, own, 1);
      Project<&BoardCell::CloudZone>(cells, s.x, s.y, r, enemy, 1);
    }
  }
}

}  // namespace tamsok
