// The review of a whole game: every position of it evaluated by the engine, and every move
// judged by how much it lowered the mover's expected score, the chance of winning that the
// engine's score stands for. A drop in expected score, unlike a drop in points, means as much
// in a close game as in a won one: losing 300 points when 3000 ahead changes nothing, when
// level it loses the game.
//
//   expected score E(s) = 1 / (1 + 10^(-s / 400)), s in the engine's points for the side to
//   move (an Ant is 21, a Lightning 301); a game won by force (the enemy Tree's capture, or
//   Scoring) is 1, one lost by force 0.
//
//   drop of a move = E(before the move) - E(after it), both for the mover, never below 0; a
//   move the engine itself chose loses nothing.
//
//   inaccuracy  drop >= 0.05      mistake  drop >= 0.10      blunder  drop >= 0.20
//
// Plain C++: the window runs the evaluations on a worker thread one position at a time, the
// benchmark and the tests all at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Search.h"
#include "game/GameFile.h"

namespace tamsok::review {

enum class Mark : std::uint8_t { None, Inaccuracy, Mistake, Blunder };
inline constexpr int kMarkCount = 4;

// The drops in expected score from which a move is marked.
inline constexpr double kInaccuracyDrop = 0.05;
inline constexpr double kMistakeDrop = 0.10;
inline constexpr double kBlunderDrop = 0.20;
// Points that multiply the odds of winning by ten.
inline constexpr double kOddsScale = 400;

double ExpectedScore(int score);
Mark MarkOfDrop(double drop);
// "?!", "?", "??"; empty for none.
std::string_view MarkSymbol(Mark mark);
// "inaccuracy", "mistake", "blunder"; empty for none.
std::string_view MarkName(Mark mark);

// A score for people, for the side it is given for: "+45", "-120", "0", or "Tree in 3" when
// that side captures the enemy Tree by force in 3 of its moves, "Tree lost in 2" when it loses
// its own in 2, "Scoring wins in 2" and "Scoring loses in 1" for a game won or lost by the
// Scoring rule, "Scoring wins now" when it may call Scoring and win.
std::string ScoreText(int score);

// The positions of a game's records: position 0 is the start, position i follows record i.
// The game is followed up to the first record the engine's rules refuse (a received move the
// sender's board allowed and this one does not) or up to the capture of a Tree, whichever
// comes first: what follows cannot be judged.
struct Plies {
  std::vector<engine::Position> positions;  // 1 + moves.size()
  std::vector<engine::Move> moves;          // record i is moves[i - 1]; none for a pass
};
Plies PliesOf(const std::vector<SavedRecord>& records);

struct Eval {
  bool known = false;
  int score = 0;      // for the side to move
  engine::Move best;  // none when the side to move has no move, or the position is over
  friend bool operator==(const Eval&, const Eval&) = default;
};

struct Verdict {
  bool judged = false;  // both positions around the move are known
  Mark mark = Mark::None;
  double drop = 0;      // in the mover's expected score
  engine::Move better;  // the engine's move instead, for a marked move
};

struct Review {
  std::string budget;          // the strength whose limits the engine searched with
  std::vector<Eval> evals;     // one per position
  std::vector<Verdict> moves;  // one per record
};

// One position within the limits. A position whose side to move has lost its Tree is known
// lost without a search; a search stopped before its first depth leaves it unknown.
Eval Evaluate(engine::Searcher& searcher, const engine::Position& position,
              const engine::Limits& limits, const std::atomic<bool>& stop);

// A review of `plies` with every position still unknown.
Review Start(const Plies& plies, engine::Strength budget);
// Judges every move whose two positions are known.
void Judge(const Plies& plies, Review& review);

struct Summary {
  int marks[kMarkCount]{};  // counts, by Mark
  int judged = 0;           // moves judged
  double averageDrop = 0;   // over the judged moves
};
Summary Summarise(const Plies& plies, const Review& review, Camp camp);

// The search of each position: the level's budget, without its misjudgement (a review judges
// moves as they are).
engine::Limits ReviewLimits(engine::Strength budget);

// The whole review, position after position, with `progress`(done, total) after each. A
// raised stop flag ends it early with the positions done so far.
Review ReviewGame(const Plies& plies, engine::Strength budget, engine::Searcher& searcher,
                  const std::atomic<bool>& stop,
                  const std::function<void(int, int)>& progress = {});

// The review as header notes of a game file, and back. Reading gives nothing when the notes
// hold no review or one that does not fit the game's records; the marks are judged again
// from the evaluations, so they always follow the thresholds above.
std::vector<HeaderNote> WriteNotes(const Plies& plies, const Review& review);
std::optional<Review> ReadNotes(const std::vector<HeaderNote>& notes, const SavedGame& game);

}  // namespace tamsok::review
