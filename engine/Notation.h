// The text form of squares and moves shared by the engine protocol and saved games: a column
// letter a-j then a row digit 0-9, in the canonical frame (the frame of viewing side 0), and a
// move as source then target. Fir's Ant going from (0, 2) to (0, 3) is "a2a3". A pass is
// "0000". Parsers return nothing for text that is not of this form; they never throw.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/Types.h"

namespace tamsok::engine {

inline constexpr std::string_view kPassText = "0000";

struct MoveSquares {
  Square from;
  Square to;

  friend bool operator==(const MoveSquares&, const MoveSquares&) = default;
};

// Canonical squares. The square must be on the board.
std::string SquareText(Square canonical);
std::optional<Square> ParseSquareText(std::string_view text);

std::string MoveText(Square fromCanonical, Square toCanonical);
std::optional<MoveSquares> ParseMoveText(std::string_view text);

// The same with squares in the frame of a viewing side (0..3), as a game board stores them.
std::string MoveTextFromView(int viewSide, Square fromView, Square toView);
std::optional<MoveSquares> ParseMoveTextToView(int viewSide, std::string_view text);

}  // namespace tamsok::engine
