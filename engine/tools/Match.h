// One game of the match tool, refereed: the players act in turn (a move, a pass or a Scoring
// claim) and the referee ends the game when a Tree is captured, when a camp claims Scoring,
// or at the ply limit.
//
// Scoring: from record 50 on (passes count as records) either camp may claim at any moment,
// in either camp's turn, and the claim is decided at once by the rule: Fir wins when Oak has
// lost strictly more value, otherwise Oak (a tie goes to Oak). The rule always favours one
// camp, so a player that knows it claims as soon as it is favoured. Claims are offered after
// every record:
//  - to the camp that has just moved, out of turn: a player that claims by itself does (the
//    text protocol gives a program no word outside its turn, so the referee speaks for it);
//  - to the camp to move: a player that claims by itself is asked and answers with its action.
// A player that cannot claim (an engine that does not know the rule) has the referee claim for
// it whenever the rule favours it, or nobody does, by GameRules::toolClaims.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Position.h"

namespace tamsok::match {

// What a player does in its turn.
struct Action {
  enum class Kind { Move, Pass, Claim, Unreadable };
  Kind kind = Kind::Pass;
  engine::Move move;  // for Move

  static Action Play(engine::Move m) { return m.IsNone() ? Action{} : Action{Kind::Move, m}; }
  static Action Claim() { return {Kind::Claim, {}}; }
};

// The game as the referee keeps it.
struct MatchState {
  engine::Position pos = engine::Position::Start();
  std::vector<engine::Move> records;  // every move and pass (none) from the start
  int lost[kCampCount] = {0, 0};      // value of each camp's captured pieces
};

class Player {
 public:
  virtual ~Player() = default;
  virtual void NewGame(std::uint64_t seed) = 0;
  // The action of the side to move.
  virtual Action Choose(const MatchState& game) = 0;
  // True when the player claims Scoring by itself, on its turn, whenever the rule favours it.
  virtual bool ClaimsItself() const { return false; }
};

struct GameRules {
  int maxPlies = 300;
  int scoringFrom = 50;      // records before Scoring may be claimed
  bool toolClaims = true;    // the referee claims for players that cannot
  bool equalIsDraw = false;  // equal losses favour nobody and end a game as a draw (tuning runs)
};

enum class Ending { TreeCaptured, Claim, ToolClaim, PlyLimit, Illegal, Aborted };

struct GameResult {
  std::optional<Camp> winner;  // none for a draw
  Ending ending = Ending::Aborted;
  Camp actor = Camp::Fir;  // who captured, claimed, or acted illegally
  int plies = 0;           // records played
  int lost[kCampCount] = {0, 0};
  std::string detail;  // the illegal action
};

// The camp the scoring rule gives the game, or none for equal losses when they are a draw.
std::optional<Camp> ScoringWinner(const int (&lost)[kCampCount], bool equalIsDraw);

// Plays the opening's moves, then lets the players act until the game ends or `abort` is
// raised. `record`, when given, receives the records and the ending, in canonical text.
GameResult PlayGame(Player& fir, Player& oak, const std::vector<engine::Move>& opening,
                    const GameRules& rules, const std::atomic<bool>& abort,
                    std::string* record = nullptr);

// A short description of how the game ended, e.g. "Scoring claimed by Oak (the tool)".
std::string EndingText(const GameResult& r);

}  // namespace tamsok::match
