// The self-play data that tamsok_selfplay writes and tamsok_tune reads: one position a line,
// with what the search played there and how the game ended, so that evaluation weights (or,
// later, a learned evaluation) can be fitted to game results.
//
// A line has nine fields separated by single spaces:
//
//   BOARD SIDE RECORDS LOST_FIR LOST_OAK MOVE SCORE WINNER PLIES
//
//   BOARD     the ten rows of the canonical frame from row 0 (Fir's home row) to row 9, joined
//             by '/'; in a row, from column a to j, a piece is one letter (Fir upper case, Oak
//             lower case) and a run of empty squares its length (1..10). The letters:
//             T Tree, L Lightning, D DragonFly, B DivingBeetle, G Grasshopper, W Wasp, I Wind,
//             C Cloud, S Spider, N Snow, A Ant, K CarpenterAnt.
//   SIDE      f or o: the camp to move
//   RECORDS   moves and passes played since the start (Scoring may be called from 50 on)
//   LOST_FIR, LOST_OAK   the value each camp has lost to captures
//   MOVE      the move the search chose, in canonical notation ("a2a3", "0000" for the pass)
//   SCORE     the search's score for the side to move ("cp 21" style points, a won or lost
//             game as +-30000 less the plies to its end)
//   WINNER    F or O: the camp that won the game
//   PLIES     the records of the whole game
//
// The start position, where the search chose the Wasp's move a0a9 (a capture) and scored it 32
// for Fir, in a game that Oak won at record 50:
//   WGBDTLDBGW/10/AIASAASAIA/1N2CC2N1/10/10/1n2cc2n1/aiasaasaia/10/wgbdtldbgw f 0 0 0 a0a9 32 O 50
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Position.h"

namespace tamsok::match {

// The board, the side to move, the records and the lost values: the first five fields.
std::string PositionText(const engine::Position& pos);
// Reads the first five fields; nothing for malformed text, more pieces of a kind than a camp
// owns, or a camp without its Tree.
std::optional<engine::Position> ParsePositionText(std::string_view text);

struct Sample {
  engine::Position pos;
  engine::Move move;  // the move the search chose; the pass is Move()
  int score = 0;      // for the side to move
  Camp winner = Camp::Fir;
  int plies = 0;  // records of the whole game
};

std::string SampleLine(const Sample& s);
std::optional<Sample> ParseSampleLine(std::string_view line);

}  // namespace tamsok::match
