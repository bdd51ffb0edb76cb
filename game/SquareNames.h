// How squares and moves are named for people: in hints, the analysis, the review, the rules
// window and the board's edge labels, so that a name can always be found on the board.
//
// Two namings, chosen in the "Interface" menu:
//  - Letters: the notation of the engine protocol and of saved games, a column letter a-j and
//    a row digit 0-9 of the canonical frame (Fir starts on rows 0 to 3). The board's edges carry
//    the letter and digit of each screen column and row as seen from the viewing side, so
//    "e3" names the same square in every view: after a quarter turn the letters run down the
//    side of the board and the digits along its foot.
//  - Digits: the frame of the move status texts, x the column counted from the left of the
//    screen and y the row counted from the bottom, 0 to 9 each ("x4y6"); the edges carry those
//    digits. These names follow the screen, so they change when the board turns.
// The engine protocol and game files always use the canonical notation of engine/Notation.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/Types.h"

namespace tamsok {

enum class SquareNaming : std::uint8_t { Letters, Digits };

// The labels along the board's edges: columns[x] under screen column x (left to right),
// rows[y] beside screen row y (top to bottom).
struct EdgeLabels {
  std::array<char, kBoardSize> columns{};
  std::array<char, kBoardSize> rows{};
};
EdgeLabels BoardEdgeLabels(SquareNaming naming, int viewSide);

// The name of a view square of `viewSide`: "e3" or "x4y6". The square must be on the board.
std::string SquareName(SquareNaming naming, int viewSide, Square view);
// The view square of a name; nothing for text that is not a name of this naming.
std::optional<Square> ParseSquareName(SquareNaming naming, int viewSide, std::string_view name);

// A move between two view squares: "e3-e5", "e3xe5" for a capture; "x4y6->x4y4" with digits.
std::string MoveName(SquareNaming naming, int viewSide, Square from, Square to, bool capture);

}  // namespace tamsok
