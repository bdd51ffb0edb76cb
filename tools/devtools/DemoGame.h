// A deterministic game for pictures and tests: legal moves, captures first, chosen by a fixed
// sequence of numbers, so every run reaches the same position.
#pragma once

#include "game/Game.h"

namespace tamsok {

// Plays until each camp has lost at least `capturesEach` pieces (or `maxMoves` moves were
// played). Trees are never captured.
void PlayDemoGame(Game& game, int capturesEach, int maxMoves);

}  // namespace tamsok
