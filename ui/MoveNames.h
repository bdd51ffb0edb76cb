// A move of the engine's position as people read it, in the interface's language: the kind and
// its squares as the board's edge labels name them ("Spider d2-d4", "Wasp a0xa9"), with the
// camp first when asked ("Fir Spider d2-d4"), or "Pass".
#pragma once

#include <QString>

#include "engine/Position.h"
#include "game/SquareNames.h"

namespace tamsok {

// The move must be legal in `pos` (or none, a pass).
QString MoveForPeople(const engine::Position& pos, engine::Move m, SquareNaming naming,
                      int viewSide, bool camp = false);

}  // namespace tamsok
