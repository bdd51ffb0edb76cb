// How squares and moves are named to the player: in the keyboard's typed moves, the cursor's
// text and the accessible names. Every name goes through these functions, and they name squares
// as the board's edge labels do (Interface > Board Labels: game/SquareNames.h).
#pragma once

#include <optional>

#include <QString>

#include "engine/Notation.h"
#include "game/SquareNames.h"
#include "rules/Board.h"
#include "rules/Types.h"

namespace tamsok {

// The naming of the board's edge labels, which every name of the windows follows; Letters
// until another is chosen.
void SetSquareNaming(SquareNaming naming);
SquareNaming CurrentSquareNaming();

// The name of a square given in the frame of viewing side `viewSide`, in the current naming:
// the column letter and the row digit of the engine's notation, which names each square the
// same from every side ("a2"), or the digits of the status texts ("x0y7").
QString SquareName(int viewSide, Square view);
// A typed move, two square names in the current naming ("a2a3", "x0y7x0y6"; blanks, "-",
// "->" and case ignored), or in the engine's notation whatever the naming, in the frame of
// viewing side `viewSide`; nothing for text that is neither.
std::optional<engine::MoveSquares> ParseTypedMove(int viewSide, const QString& typed);

// What a piece is and where it stands, as assistive technology reads it: "Fir Ant on a2",
// "Fir Ant, captured", "Fir Ant, not on the board".
QString PieceAccessibleName(const Board& board, PieceId piece);

}  // namespace tamsok
