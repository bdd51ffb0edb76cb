// How squares and moves are named to the player: in the keyboard's typed moves, the cursor's
// text and the accessible names. Every name goes through these two functions, so the names
// change in one place if the board's edge labels change.
#pragma once

#include <optional>

#include <QString>

#include "engine/Notation.h"
#include "rules/Board.h"
#include "rules/Types.h"

namespace tamsok {

// The name of a square given in the frame of viewing side `viewSide`: the column letter and
// the row digit of the engine's notation, which names each square the same from every side.
QString SquareName(int viewSide, Square view);
// A typed move, two square names ("a2a3", blanks and case ignored), in the frame of viewing
// side `viewSide`; nothing for text that is not one.
std::optional<engine::MoveSquares> ParseTypedMove(int viewSide, const QString& typed);

// What a piece is and where it stands, as assistive technology reads it: "Fir Ant on a2",
// "Fir Ant, captured", "Fir Ant, not on the board".
QString PieceAccessibleName(const Board& board, PieceId piece);

}  // namespace tamsok
