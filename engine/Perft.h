// Perft: the number of move sequences of a given length from a position, every legal move of
// the side to move at every ply, turns alternating. A captured Tree does not end the count.
// It proves the generator and make/unmake against known totals.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/Position.h"

namespace tamsok::engine {

std::uint64_t Perft(Position& pos, int depth);

// The count below each first move, in generation order.
std::vector<std::pair<Move, std::uint64_t>> PerftDivide(Position& pos, int depth);

}  // namespace tamsok::engine
