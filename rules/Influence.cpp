#include "rules/Influence.h"

#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"

namespace tamsok {

bool IsCloaked(const Board& board, PieceId piece) {
  if (!board.StandsOnBoard(piece)) return false;
  return Cloakable[Index(KindOf(piece))] &&
         board.At(board.PiecePos[piece]).Cloak[Index(CampOf(piece))] > 0;
}

bool IsFrozen(const Board& board, PieceId piece) {
  if (!board.StandsOnBoard(piece)) return false;
  return Freezable[Index(KindOf(piece))] &&
         board.At(board.PiecePos[piece]).Freeze[Index(CampOf(piece))] > 0;
}

InfluenceMap ReadInfluence(const Board& board) {
  InfluenceMap map;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!board.StandsOnBoard(p)) continue;
    SquareInfluence& cell = map.cells[board.PiecePos[p].x][board.PiecePos[p].y];
    cell.cloaked = IsCloaked(board, p);
    cell.frozen = IsFrozen(board, p);
    if (KindOf(p) != PieceKind::Lightning) continue;
    const int camp = Index(CampOf(p));
    const Square from = board.PiecePos[p];
    for (int x = 0; x < kBoardSize; ++x) {
      for (int y = 0; y < kBoardSize; ++y) {
        if (CheckMove(board, p, from.x, from.y, x, y) != MoveCheckResult::Legal) continue;
        SquareInfluence& target = map.cells[x][y];
        (board.At(x, y).Occupant == kNoPiece ? target.landing : target.strike)[camp] = true;
      }
    }
  }
  return map;
}

}  // namespace tamsok
