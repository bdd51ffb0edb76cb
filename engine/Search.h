// The search: iterative deepening over a negamax alpha-beta search with a transposition
// table, aspiration windows, move ordering (table move, captures by victim value and static
// exchange, killer and history moves), reductions of late moves and of nodes the table knows
// no move for, pruning of hopeless and late quiet moves near the horizon, a quiescence search
// over captures that shares the table, and win scores for a captured Tree and for Scoring. It plays
// the game as it is played: the pass is a move in every turn, and a position of kScoringRecords
// records or more is over, won by the camp the rule favours (each camp calls Scoring as soon as it
// may). Past that point a side that is behind has seen the other side not call Scoring when it
// could, so it searches on as if the other side never calls, for a capture that turns the balance;
// it still calls as soon as the rule favours it. It stops at its depth, its time budget, its node
// budget or when the caller raises the stop flag.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Evaluate.h"
#include "engine/Position.h"
#include "engine/TranspositionTable.h"

namespace tamsok::engine {

constexpr int kMaxDepth = 60;  // plies of the deepest iteration
constexpr int kMaxPly = 100;   // plies below the root, extensions included

// A game is won by capturing the enemy Tree, or by calling Scoring when the rule favours the
// caller, from kScoringRecords records on. A win by the Tree n plies below the root scores
// kWinScore - n, one by Scoring reached n plies below the root kClaimWinScore - n, a loss the
// negated score; every other score lies well inside +-kWinBound. A Tree falls at most kMaxPly
// plies deep, so every win by the Tree scores above every win by Scoring; both end the game.
constexpr int kWinScore = 30000;
constexpr int kClaimWinScore = kWinScore - kMaxPly - 1;
constexpr int kWinBound = kClaimWinScore - kMaxPly;
constexpr bool IsWinScore(int score) {
  return score >= kWinBound || score <= -kWinBound;
}
// A won or lost game by the capture of a Tree (not by Scoring).
constexpr bool IsTreeScore(int score) {
  return score > kClaimWinScore || score < -kClaimWinScore;
}
// The plies from the root to the end of the game of a win or loss score: the capture of the
// Tree, or the position where Scoring is called.
constexpr int PliesToEnd(int score) {
  const int magnitude = score < 0 ? -score : score;
  return IsTreeScore(score) ? kWinScore - magnitude : kClaimWinScore - magnitude;
}
// The same in moves of the side to move at the root, the last one included.
constexpr int MovesToEnd(int score) {
  return (PliesToEnd(score) + 1) / 2;
}

struct Limits {
  int depth = kMaxDepth;        // deepest iteration, in plies
  std::int64_t moveTimeMs = 0;  // time budget of the whole search; 0 for none
  std::uint64_t nodes = 0;      // node budget; 0 for none
  // When above 0: a move is chosen at random among the root moves whose score lies within
  // this many points of the best, with a generator seeded from `seed` and the position.
  int randomMargin = 0;
  std::uint64_t seed = 0;
  // When false, positions at the horizon are judged as they stand, without first playing
  // out the captures there: exchanges are misjudged, as a beginner would.
  bool quiescence = true;
  // When above 0, the evaluation misjudges where pieces belong, as a weaker player does: each
  // piece counts a number of points between -misjudgement and +misjudgement that depends on
  // its camp, kind and square, from a table drawn from `seed`. The same seed gives the same
  // table, so a game is misjudged the same way from move to move.
  int misjudgement = 0;
  // How many root moves get an exact score and a line of their own (SearchInfo::lines),
  // 1..kMaxMultiPv. Each line beyond the first costs search time.
  int multiPv = 1;
  // The board keys (Position::BoardKey) of the game's positions so far, the root's own
  // included, in any order. A side that stands behind by the scoring rule gains nothing by
  // bringing a position back: a root move that makes one come back a third time then scores
  // kRepetitionPenalty points less, so another move that is as sound is played instead.
  std::vector<std::uint64_t> earlierBoards;
};

constexpr int kRepetitionPenalty = 40;

constexpr int kMaxMultiPv = 16;

// The strengths offered to a player, weakest first, shared by the window, the protocol and the
// match tool. Each is weakened the way a weaker person is: it looks less far ahead (a node
// budget, at the lowest levels a depth, and at the lowest three no exchanges played out at the
// horizon) and misjudges positions (Limits::misjudgement); none plays a random move. Their
// ratings come from matches along a ladder (StrengthRating).
enum class Strength {
  Beginner,
  Novice,
  Easy,
  Casual,
  Medium,
  Advanced,
  Skilled,
  Strong,
  Expert,
  Hard
};
inline constexpr Strength kStrengths[] = {
    Strength::Beginner, Strength::Novice,  Strength::Easy,   Strength::Casual, Strength::Medium,
    Strength::Advanced, Strength::Skilled, Strength::Strong, Strength::Expert, Strength::Hard};

Limits StrengthLimits(Strength s);
std::string_view StrengthName(Strength s);
std::optional<Strength> ParseStrength(std::string_view name);  // "easy", "Easy", ...
// The measured rating of a strength, on the scale where the greedy capturer of the match
// tool (it takes the most valuable piece it can, else moves at random) is 1000; the README
// tells how it was measured.
int StrengthRating(Strength s);

// One root move with its exact score and the line the search expects after it.
struct PvLine {
  int score = 0;         // for the side to move at the root
  std::vector<Move> pv;  // starting with the root move
};

// What the search knows after an iteration.
struct SearchInfo {
  int depth = 0;  // last completed iteration (or the one cut short that changed the best move)
  int score = 0;  // for the side to move at the root; the score of lines[0]
  std::uint64_t nodes = 0;
  std::int64_t elapsedMs = 0;
  std::vector<Move> pv;  // principal variation, starting with the best move; lines[0].pv
  // The best root moves, best first, at most Limits::multiPv of them: distinct legal moves in
  // order of score. A line that ends in a won or lost game is followed to its end, the
  // capture of the Tree included.
  std::vector<PvLine> lines;
};

// Called on the searching thread after each completed iteration, with every line; and once
// more at the end when the move played is not the one of the last call (a better move found
// in an iteration cut short, or a random choice).
using ProgressFn = std::function<void(const SearchInfo&)>;

struct SearchResult {
  Move best;  // the move to play; the pass (Move()) may be it
  // The side to move wins by calling Scoring now: the root has kScoringRecords records or
  // more and the rule favours it. Nothing was searched and `best` is to be ignored.
  bool claim = false;
  SearchInfo info;
};

// A searcher owns its transposition table and move-ordering tables; one search runs at a time
// per searcher. Safe to use from a worker thread: Search() touches nothing shared but the
// stop flag, which another thread may raise at any time; Search() then returns within
// milliseconds with the best move found so far.
class Searcher {
 public:
  explicit Searcher(std::size_t tableMegabytes = 16, const Weights& weights = kDefaultWeights);
  ~Searcher();
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;

  // Searches a copy of `root`. Returns a legal move (the pass is one), even when stopped
  // before the first iteration ends, or the claim when the side to move wins by Scoring.
  SearchResult Search(const Position& root, const Limits& limits, const std::atomic<bool>& stop,
                      const ProgressFn& progress = {});

  // Forgets everything learned (the table's contents), as for a new game.
  void Clear();

  // The position at the end of the quiescence search's principal line from `root`: the
  // captures worth playing there played out. The tuner fits the evaluation on such positions.
  Position QuietPosition(const Position& root);

  const Weights& weights() const { return weights_; }
  void SetWeights(const Weights& w) { weights_ = w; }

 private:
  struct Run;
  Weights weights_;
  TranspositionTable table_;
  // The misjudgement and its seed (none: 0, 0) that the table's scores were searched with.
  std::pair<int, std::uint64_t> judgement_{0, 0};
};

}  // namespace tamsok::engine
