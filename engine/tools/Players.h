// The players of the match tool, made from their descriptions:
//   random         a uniformly random legal move (a pass when there is none)
//   greedy         the capture of the most valuable piece, else a random move
//   beginner, novice, easy, casual, medium, advanced, skilled, strong, expert, hard
//                  the engine's strengths, searched in this process
//   full           the engine without a depth limit
//   program:PATH   an engine program driven through the text protocol (engine/PROTOCOL.md)
// An engine player in this process takes options after a colon, comma-separated: depth=N,
// nodes=N, movetime=MS, misjudgement=N (Limits::misjudgement), quiescence=0|1, margin=N (random
// choice among moves this close to the best), hash=MB, and NAME=VALUE for any evaluation
// weight, e.g. "hard:mobility=4,tempo=0".
//
// A program claims Scoring by itself when, asked to move for Oak after 51 passes (the rule
// then gives Oak the game), it answers "bestmove scoring". Of the players of this process the
// engine's claim (the strengths and full); random and greedy cannot.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/tools/Match.h"

namespace tamsok::match {

// moveTimeMs: the time per move of engine players that set none (0: each strength's own; a
// program then gets 1000 ms). A search in this process stops early when `abort` is raised.
// Returns nothing, with the reason in `error`, for a bad description or a program that does
// not start or does not speak the protocol.
std::unique_ptr<Player> MakePlayer(std::string_view description, std::int64_t moveTimeMs,
                                   const std::atomic<bool>& abort, std::string& error);

}  // namespace tamsok::match
