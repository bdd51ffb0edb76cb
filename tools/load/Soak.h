// The soak mode of tamsok_load: game after game under churn, every spectator's board
// compared with the room's after every move. See Soak.cpp.
#pragma once

#include <cstdint>
#include <string>

namespace tamsok::load {

struct SoakOptions {
  int games = 200;
  int spectators = 50;
  int graceSeconds = 3;          // the room's wait for a lost player
  double playerKills = 0.006;    // chance, at each of the player's turns, that its link dies
  double spectatorChurn = 0.05;  // chance, at each turn, that a spectator leaves or joins
  int silentRounds = 3;          // links cut in a network namespace, before the games
  std::uint64_t seed = 16;
};

// Starts the room at `roomPath`, runs the soak, prints the figures; 0 when every game ended,
// nothing hung and no board differed from the room's.
int RunSoak(const SoakOptions& options, const std::string& roomPath);

}  // namespace tamsok::load
