// The engine as the rest of the program uses it: one header for the window and the tools.
//
// Typical use from a window, with the search on a worker thread:
//
//   Position pos = Position::FromBoard(game.board(), game.SideToMove());
//   Searcher searcher;                                  // one per worker, reused across moves
//   SearchResult r = searcher.Search(pos, StrengthLimits(Strength::Medium), stop,
//                                    [](const SearchInfo& i) { /* depth, score, pv */ });
//   BoardMove m = ToBoardMove(pos, r.best, game.board().ViewSide);   // play m.piece to m.to
//
// The position is a copy: the board may change while the worker searches, and the caller
// drops a result for a board that has changed since. `stop` may be raised from any thread;
// Search() then returns within milliseconds. r.best is none only when the side to move has
// no legal move at all (it must pass); otherwise it is always a legal move.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/MoveGen.h"
#include "engine/Position.h"
#include "engine/Search.h"
#include "rules/Board.h"

namespace tamsok::engine {

// A move in the terms of a game board: the moving piece and both squares in the frame of
// the board's viewing side. piece is kNoPiece for "no move" (a pass).
struct BoardMove {
  PieceId piece = kNoPiece;
  Square from;
  Square to;

  friend bool operator==(const BoardMove&, const BoardMove&) = default;
};

BoardMove ToBoardMove(const Position& pos, Move m, int viewSide);

// The squares, in the board's view frame, that a piece may move to now (by the rules'
// legality, whoever is to move), in canonical square order. Empty for a piece that is not
// on the board.
std::vector<Square> LegalTargets(const Board& board, PieceId piece);

// A move as canonical text ("a2a3"), "0000" for none; and back: a none move for "0000",
// nothing for text of any other form. Legality is not looked at.
std::string MoveText(Move m);
std::optional<Move> ParseMove(std::string_view text);

}  // namespace tamsok::engine
