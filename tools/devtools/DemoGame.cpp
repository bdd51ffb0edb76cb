#include "tools/devtools/DemoGame.h"

#include <vector>

#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"

namespace tamsok {

void PlayDemoGame(Game& game, int capturesEach, int maxMoves) {
  unsigned state = 12345;  // a fixed sequence, so every run shows the same position
  auto next = [&state] { return state = state * 1103515245u + 12345u, (state >> 16) & 0x7fff; };
  for (int n = 0; n < maxMoves; ++n) {
    if (game.CapturedCount(Camp::Fir) >= capturesEach &&
        game.CapturedCount(Camp::Oak) >= capturesEach)
      return;
    const Board& board = game.board();
    struct Candidate {
      PieceId piece;
      Square to;
    };
    std::vector<Candidate> moves, captures;
    for (PieceId p = 0; p < kPieceCount; ++p) {
      if (!board.StandsOnBoard(p) || CampOf(p) != game.SideToMove()) continue;
      const Square from = board.PiecePos[p];
      for (int x = 0; x < kBoardSize; ++x) {
        for (int y = 0; y < kBoardSize; ++y) {
          if (CheckMove(board, p, from.x, from.y, x, y) != MoveCheckResult::Legal) continue;
          const PieceId target = board.OccupantAt({x, y});
          if (target == kNoPiece)
            moves.push_back({p, {x, y}});
          else if (KindOf(target) != PieceKind::Tree)
            captures.push_back({p, {x, y}});
        }
      }
    }
    const std::vector<Candidate>& pool = captures.empty() ? moves : captures;
    if (pool.empty()) return;
    const Candidate c = pool[next() % pool.size()];
    game.PlayDroppedPiece(c.piece, c.to.x, c.to.y);
  }
}

}  // namespace tamsok
