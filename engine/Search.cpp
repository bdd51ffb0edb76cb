#include "engine/Search.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <random>

#include "engine/MoveGen.h"

namespace tamsok::engine {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kInfinity = kWinScore + 1;
// Half the width of the first window around the last iteration's score: about an Ant.
constexpr int kAspirationWindow = 60;

// Late move reductions by depth and move number: about log(depth) * log(move) / 2.25 plies.
const auto kReduction = [] {
  std::array<std::array<int, 64>, 64> r{};
  for (int d = 1; d < 64; ++d)
    for (int i = 1; i < 64; ++i)
      r[d][i] = static_cast<int>(0.75 + std::log(d) * std::log(i + 1) / 2.25);
  return r;
}();

// Win scores are stored relative to the stored position, so that a transposition reached at
// another distance from the root still reads the right distance to the end: a win n plies
// below the root found at ply `ply` is a win n - ply plies below the stored position.
int ToTable(int score, int ply) {
  if (score >= kWinBound) return score + ply;
  if (score <= -kWinBound) return score - ply;
  return score;
}

int FromTable(int score, int ply) {
  if (score >= kWinBound) return score - ply;
  if (score <= -kWinBound) return score + ply;
  return score;
}

int VictimValue(const Position& pos, Sq s) {
  const PieceId p = pos.PieceAt(s);
  return p == kNoPiece ? 0 : ValueOf(KindOf(p));
}

// Inside the search a game decided by Scoring scores kRuleScore plus the balance of lost
// value (the other camp's minus the own) for the camp the rule favours, and the negation for
// the other. Every line reaches the Scoring position at the same record, so the distance says
// nothing; the balance does: a lost game is played out as close as it can be kept, where a
// slip of the opponent still turns it, and a won one with the widest margin. The root reports
// these scores as wins and losses by Scoring (RootScore). They lie beyond kRuleBound, above
// every evaluation and below every win score.
constexpr int kRuleScore = 15000;
constexpr int kRuleBound = 10000;
static_assert(kRuleScore + kRuleBound < kWinBound);

// The game is decided: by the rule or by a Tree.
bool IsDecided(int score) {
  return score >= kRuleBound || score <= -kRuleBound;
}

// The score of the side to move in a position where Scoring may be called: the camp the rule
// favours calls it at once.
int ScoringScore(const Position& pos) {
  const Camp us = pos.SideToMove();
  const int balance = pos.Lost(OtherCamp(us)) - pos.Lost(us);
  return (pos.ScoringFavours() == us ? kRuleScore : -kRuleScore) + balance;
}

// Plays a move or the pass (Move()).
void Play(Position& pos, Move m, Undo& undo) {
  if (m.IsNone())
    pos.MakePass();
  else
    pos.Make(m, undo);
}
void TakeBack(Position& pos, Move m, const Undo& undo) {
  if (m.IsNone())
    pos.UnmakePass();
  else
    pos.Unmake(m, undo);
}

// Move ordering keys: table move, then captures by victim (larger first) and attacker
// (smaller first), then killers, then captures that lose material in the exchange, then quiet
// moves by history. The pass has a history of its own (from and to square 0, which no real
// move has) and is never a killer.
constexpr int kTableMoveKey = 1 << 30;
constexpr int kCaptureKey = 1 << 28;
constexpr int kKillerKey = 1 << 27;
constexpr int kLosingCaptureKey = 1 << 26;
constexpr int kHistoryLimit = kLosingCaptureKey - 1;

// A capture that loses material when the other camp takes back on the square. Only a capture
// by a piece worth more than its victim can.
bool LosesExchange(const Position& pos, Move m) {
  return VictimValue(pos, m.From()) > VictimValue(pos, m.To()) && StaticExchange(pos, m) < 0;
}

struct ScoredMoves {
  MoveList list;
  int key[kMaxMoves];

  // Moves the best remaining move to position i and returns it. The first few picks scan;
  // a node that gets further than that is likely to try them all, so the rest is sorted once.
  Move PickNext(int i) {
    constexpr int kScanned = 6;
    if (i < kScanned) {
      int best = i;
      for (int j = i + 1; j < list.size(); ++j)
        if (key[j] > key[best]) best = j;
      Swap(i, best);
    } else if (i == kScanned) {
      for (int j = i + 1; j < list.size(); ++j)  // insertion sort, larger keys first
        for (int k = j; k > i && key[k] > key[k - 1]; --k)
          Swap(k, k - 1);
    }
    return list[i];
  }

  void Swap(int i, int j) {
    list.Swap(i, j);
    std::swap(key[i], key[j]);
  }
};

// A line's score as the root reports it: a game decided by Scoring as a win or loss by
// Scoring at the distance where it is called. Before the Scoring records that is where they
// are reached; past them (the other camp did not call) where the line comes to favour the
// root's camp, which calls then.
int RootScore(const Position& root, const PvLine& line) {
  if (!IsDecided(line.score) || IsWinScore(line.score)) return line.score;
  int plies = std::max(kScoringRecords - root.Records(), 0);
  if (plies == 0) {
    Position p = root;
    Undo undo;
    for (Move m : line.pv) {
      if (p.ScoringFavours() == root.SideToMove()) break;
      Play(p, m, undo);
      ++plies;
    }
  }
  return line.score > 0 ? kClaimWinScore - plies : -(kClaimWinScore - plies);
}

}  // namespace

// The state of one search: the position being searched, the limits, counters and the
// ordering tables, which start empty each time so that results do not depend on earlier
// searches beyond the transposition table.
struct Searcher::Run {
  Run(Searcher& owner, const Position& root, const Limits& limits, const std::atomic<bool>& stop)
      : weights(owner.weights_),
        table(owner.table_),
        pos(root),
        limits(limits),
        stop(stop),
        rootSide(root.SideToMove()),
        claimsWaived(root.ScoringOpen() && root.ScoringFavours() != root.SideToMove()) {
    if (limits.misjudgement > 0) {
      // The same table for every piece of a kind: a player misjudges where a kind belongs.
      misjudged = std::make_unique<std::array<std::array<std::int16_t, kSquares>, kPieceCount>>();
      std::mt19937_64 rng(limits.seed * 0x9E3779B97F4A7C15ull + 1);
      std::uniform_int_distribution<int> points(-limits.misjudgement, limits.misjudgement);
      std::int16_t byKind[kCampCount][kKindCount][kSquares];
      for (auto& camp : byKind)
        for (auto& kind : camp)
          for (auto& sq : kind)
            sq = static_cast<std::int16_t>(points(rng));
      for (PieceId p = 0; p < kPieceCount; ++p) {
        const int sign = CampOf(p) == Camp::Fir ? 1 : -1;
        for (Sq sq = 0; sq < kSquares; ++sq)
          (*misjudged)[p][sq] =
              static_cast<std::int16_t>(sign * byKind[Index(CampOf(p))][Index(KindOf(p))][sq]);
      }
    }
  }

  const Weights& weights;
  TranspositionTable& table;
  Position pos;
  Limits limits;
  const std::atomic<bool>& stop;
  Clock::time_point start = Clock::now();
  std::uint64_t nodes = 0;
  bool stopped = false;
  // By piece and square, the points a misjudging player adds for Fir (Oak's pieces negative).
  std::unique_ptr<std::array<std::array<std::int16_t, kSquares>, kPieceCount>> misjudged;
  const Camp rootSide;
  // The root is past the point where Scoring may be called and the other side has not called
  // it: only the root's side is taken to call it (when the rule comes to favour it).
  const bool claimsWaived;
  // The quiescence search is asked for its whole line (QuietPosition): no table cut-offs.
  bool quietLine = false;

  // The game is over by Scoring here.
  bool ScoringEnds(const Position& p) const {
    return p.ScoringOpen() && (!claimsWaived || p.ScoringFavours() == rootSide);
  }

  Move killers[kMaxPly][2]{};
  int history[kCampCount][kSquares][kSquares]{};
  Move pv[kMaxPly + 1][kMaxPly + 1]{};
  int pvLength[kMaxPly + 1]{};

  std::int64_t ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  }

  // The stop flag is read at every node; the clock and the node budget every 1024 nodes.
  bool ShouldStop() {
    if (stopped) return true;
    if (stop.load(std::memory_order_relaxed)) return stopped = true;
    if ((nodes & 1023) == 0) {
      if (limits.nodes && nodes >= limits.nodes) return stopped = true;
      if (limits.moveTimeMs > 0 && ElapsedMs() >= limits.moveTimeMs) return stopped = true;
    }
    return false;
  }

  void Order(ScoredMoves& moves, Move tableMove, int ply) {
    const int side = Index(pos.SideToMove());
    for (int i = 0; i < moves.list.size(); ++i) {
      const Move m = moves.list[i];
      int key;
      if (m.IsNone()) {
        key = history[side][0][0];
      } else if (m == tableMove) {
        key = kTableMoveKey;
      } else if (pos.PieceAt(m.To()) != kNoPiece) {
        key = (ply < kMaxPly && LosesExchange(pos, m) ? kLosingCaptureKey : kCaptureKey) +
              VictimValue(pos, m.To()) * 16 - VictimValue(pos, m.From()) / 32;
      } else if (ply < kMaxPly && m == killers[ply][0]) {
        key = kKillerKey + 1;
      } else if (ply < kMaxPly && m == killers[ply][1]) {
        key = kKillerKey;
      } else {
        key = history[side][m.From()][m.To()];
      }
      moves.key[i] = key;
    }
  }

  // The static evaluation, misjudged as the limits ask.
  int Eval() const {
    int e = Evaluate(pos, weights);
    if (misjudged) {
      const int sign = pos.SideToMove() == Camp::Fir ? 1 : -1;
      for (PieceId p = 0; p < kPieceCount; ++p)
        if (pos.OnBoard(p)) e += sign * (*misjudged)[p][pos.SquareOf(p)];
    }
    return e;
  }

  void UpdatePv(int ply, Move m) {
    pv[ply][ply] = m;
    for (int i = ply + 1; i < pvLength[ply + 1]; ++i)
      pv[ply][i] = pv[ply + 1][i];
    pvLength[ply] = std::max(pvLength[ply + 1], ply + 1);
  }

  int Quiesce(int ply, int alpha, int beta);
  int Negamax(int depth, int ply, int alpha, int beta, bool allowNull);
  void CompleteLine(const Position& root, std::vector<Move>& line, int score);
};

int Searcher::Run::Quiesce(int ply, int alpha, int beta) {
  ++nodes;
  pvLength[ply] = ply;
  if (ShouldStop()) return 0;
  if (!pos.TreeStands(pos.SideToMove())) return -(kWinScore - ply);
  if (ScoringEnds(pos)) return ScoringScore(pos);
  // The table serves here too: a bound that settles the node, or at least the evaluation.
  const TableEntry* entry = quietLine ? nullptr : table.Probe(pos.Key());
  if (entry) {
    const int score = FromTable(entry->score, ply);
    if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta) ||
        (entry->bound == Bound::Upper && score <= alpha))
      return score;
  }
  // It stands pat even while the own Tree can be taken: looking at every answer to the threat
  // there instead measured 26 +/- 25 Elo weaker at 100 ms a move (the threats the main search
  // extends for are seen before the horizon; the rest cost more than they find).
  const int standPat = entry ? entry->eval : Eval();
  if (ply >= kMaxPly || standPat >= beta) {
    if (!entry && !quietLine)
      table.Store(pos.Key(), 0, ToTable(standPat, ply), standPat, Bound::Lower, Move());
    return standPat;
  }
  const int originalAlpha = alpha;
  alpha = std::max(alpha, standPat);

  ScoredMoves moves;
  GenerateCaptures(pos, moves.list);
  Order(moves, Move(), kMaxPly);
  int best = standPat;
  Move bestMove;
  Undo undo;
  for (int i = 0; i < moves.list.size(); ++i) {
    const Move m = moves.PickNext(i);
    const PieceId victim = pos.PieceAt(m.To());
    // A capture that cannot lift the score to alpha even with a margin is not worth a look,
    // nor one that loses material in the exchange; a Tree is always worth it.
    if (KindOf(victim) != PieceKind::Tree &&
        (standPat + ValueOf(KindOf(victim)) + 150 < alpha || LosesExchange(pos, m)))
      continue;
    pos.Make(m, undo);
    const int score = -Quiesce(ply + 1, -beta, -alpha);
    pos.Unmake(m, undo);
    if (stopped) return 0;
    if (score > best) {
      best = score;
      if (score > alpha) {
        alpha = score;
        bestMove = m;
        UpdatePv(ply, m);
        if (score >= beta) break;
      }
    }
  }
  const Bound bound = best >= beta           ? Bound::Lower
                      : best > originalAlpha ? Bound::Exact
                                             : Bound::Upper;
  if (!quietLine) table.Store(pos.Key(), 0, ToTable(best, ply), standPat, bound, bestMove);
  return best;
}

int Searcher::Run::Negamax(int depth, int ply, int alpha, int beta, bool allowNull) {
  ++nodes;
  pvLength[ply] = ply;
  if (ShouldStop()) return 0;
  const Camp us = pos.SideToMove(), them = OtherCamp(us);
  if (!pos.TreeStands(us)) return -(kWinScore - ply);
  // Scoring may be called: whoever the rule favours calls it before anything else happens.
  if (ScoringEnds(pos)) return ScoringScore(pos);
  // Taking the enemy Tree now ends the game: nothing else needs a look.
  if (pos.TreeStands(them) && Threatens(pos, us, pos.SquareOf(Position::TreeOf(them))))
    return kWinScore - ply - 1;
  if (ply >= kMaxPly) return Eval();

  // No line can be better than the quickest win still possible, nor worse than the quickest loss.
  alpha = std::max(alpha, -(kWinScore - ply));
  beta = std::min(beta, kWinScore - ply - 1);
  if (alpha >= beta) return alpha;

  // A threatened Tree looks one ply further: the answer to the threat must be seen.
  const bool threatened = Threatens(pos, them, pos.SquareOf(Position::TreeOf(us)));
  if (threatened && ply < 2 * kMaxDepth / 3) ++depth;
  if (depth <= 0) return limits.quiescence ? Quiesce(ply, alpha, beta) : Eval();

  const bool pvNode = beta - alpha > 1;
  const TableEntry* entry = table.Probe(pos.Key());
  Move tableMove;
  int staticEval;
  if (entry) {
    tableMove = Move::FromRaw(entry->move);
    const int score = FromTable(entry->score, ply);
    if (!pvNode && entry->depth >= depth &&
        (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta) ||
         (entry->bound == Bound::Upper && score <= alpha)))
      return score;
    staticEval = entry->eval;
  } else {
    staticEval = Eval();
  }
  // A node the table knows no move for is searched a ply less deeply: it was most likely
  // not worth a deep look before, and the shallower search finds the move to try first.
  if (depth >= 4 && (!entry || entry->depth == 0)) --depth;

  if (!pvNode && !threatened && !IsDecided(beta)) {
    // Far enough above beta that a few plies will not bring it back.
    if (depth <= 3 && staticEval - 120 * depth >= beta) return staticEval;
    // The pass, searched less deeply first: when it holds beta the node is cut. The pass is
    // a legal move, so this is only a reduction, and there is no zugzwang to fear: having
    // the move is never worse than passing it on.
    if (allowNull && depth >= 3 && staticEval >= beta) {
      const int reduction = 2 + depth / 4;
      pos.MakePass();
      const int score = -Negamax(depth - 1 - reduction, ply + 1, -beta, -beta + 1, false);
      pos.UnmakePass();
      if (stopped) return 0;
      if (score >= beta) return IsDecided(score) ? beta : score;
    }
  }

  ScoredMoves moves;
  GenerateMoves(pos, moves.list);
  moves.list.Add(Move());  // the pass
  Order(moves, tableMove, ply);

  const int originalAlpha = alpha;
  int best = -kInfinity;
  Move bestMove;
  Undo undo;
  // Near the horizon, away from the principal line and with the own Tree safe, late quiet
  // moves and quiet moves that cannot bring the score up to alpha are left out, unless they
  // threaten the enemy Tree.
  const bool prune = !pvNode && !threatened && depth <= 3 && !IsDecided(alpha);
  const bool futile = prune && staticEval + 80 + 100 * depth <= alpha;
  const int lateQuiets = 4 + 2 * depth * depth;
  int quietsTried = 0;
  Move quiets[kMaxMoves];
  for (int i = 0; i < moves.list.size(); ++i) {
    const Move m = moves.PickNext(i);
    const bool pass = m.IsNone();
    const bool quiet = pass || pos.PieceAt(m.To()) == kNoPiece;
    Play(pos, m, undo);
    if (prune && i > 0 &&
        (quiet ? futile || quietsTried >= lateQuiets
               : depth <= 2 && moves.key[i] < kCaptureKey && moves.key[i] >= kLosingCaptureKey) &&
        !(pos.TreeStands(them) && Threatens(pos, us, pos.SquareOf(Position::TreeOf(them))))) {
      TakeBack(pos, m, undo);
      continue;
    }
    if (quiet) quiets[quietsTried++] = m;
    int score;
    if (i == 0) {
      score = -Negamax(depth - 1, ply + 1, -beta, -alpha, !pass);
    } else {
      // Late quiet moves are first searched less deeply, the more so the later and the
      // deeper; a surprise earns the full depth.
      int reduction = 0;
      if (depth >= 3 && i >= 3 && quiet && !threatened && moves.key[i] < kKillerKey) {
        // Less on the principal line, more for a move that has failed more than it cut.
        reduction = kReduction[std::min(depth, 63)][std::min(i, 63)] - pvNode + (moves.key[i] < 0);
        reduction = std::clamp(reduction, 0, depth - 2);
      }
      score = -Negamax(depth - 1 - reduction, ply + 1, -alpha - 1, -alpha, !pass);
      if (score > alpha && reduction > 0)
        score = -Negamax(depth - 1, ply + 1, -alpha - 1, -alpha, !pass);
      if (score > alpha && score < beta) score = -Negamax(depth - 1, ply + 1, -beta, -alpha, !pass);
    }
    TakeBack(pos, m, undo);
    if (stopped) return 0;

    if (score > best) {
      best = score;
      bestMove = m;
      if (score > alpha) {
        alpha = score;
        UpdatePv(ply, m);
        if (score >= beta) {
          if (quiet) {
            if (!pass && killers[ply][0] != m) {
              killers[ply][1] = killers[ply][0];
              killers[ply][0] = m;
            }
            // The move that cut gains, the quiet moves tried before it lose.
            for (int q = 0; q < quietsTried; ++q) {
              const Move t = quiets[q];
              int& h = history[Index(us)][t.From()][t.To()];  // the pass: 0, 0
              const int bonus = t == m ? depth * depth : -depth * depth;
              h = std::clamp(h + bonus, -kHistoryLimit, kHistoryLimit);
            }
          }
          break;
        }
      }
    }
  }

  const Bound bound = best >= beta           ? Bound::Lower
                      : best > originalAlpha ? Bound::Exact
                                             : Bound::Upper;
  table.Store(pos.Key(), depth, ToTable(best, ply), staticEval, bound, bestMove);
  return best;
}

Searcher::Searcher(std::size_t tableMegabytes, const Weights& weights)
    : weights_(weights), table_(tableMegabytes) {}

Searcher::~Searcher() = default;

void Searcher::Clear() {
  table_.Clear();
}

Position Searcher::QuietPosition(const Position& root) {
  const std::atomic<bool> stop{false};
  auto run = std::make_unique<Run>(*this, root, Limits{}, stop);
  run->quietLine = true;
  run->Quiesce(0, -kInfinity, kInfinity);
  Position leaf = root;
  Undo undo;
  for (int i = 0; i < run->pvLength[0]; ++i)
    leaf.Make(run->pv[0][i], undo);
  return leaf;
}

// A line that ends the game is followed to its end. The search stops a line where the
// enemy Tree can be taken without playing the capture, and a line below a table hit or a
// null-window search may be shorter still; the rest comes from the table, checked move by
// move, and a Tree's line ends with the capture of the Tree. (The table holds no pass: a
// line that goes on by a pass stops there.)
void Searcher::Run::CompleteLine(const Position& root, std::vector<Move>& line, int score) {
  if (!IsWinScore(score)) return;
  const int plies = PliesToEnd(score);
  Position p = root;
  Undo u;
  for (Move m : line)
    Play(p, m, u);
  while (static_cast<int>(line.size()) < plies && !p.ScoringOpen()) {
    const Camp us = p.SideToMove(), them = OtherCamp(us);
    if (!p.TreeStands(us) || !p.TreeStands(them)) break;
    Move next;
    MoveList captures;
    GenerateCaptures(p, captures);
    for (Move m : captures)
      if (m.To() == p.SquareOf(Position::TreeOf(them))) next = m;
    if (next.IsNone()) {
      const TableEntry* entry = table.Probe(p.Key());
      if (!entry || !IsLegal(p, Move::FromRaw(entry->move))) break;
      next = Move::FromRaw(entry->move);
    }
    line.push_back(next);
    p.Make(next, u);
  }
}

SearchResult Searcher::Search(const Position& root, const Limits& limits,
                              const std::atomic<bool>& stop, const ProgressFn& progress) {
  SearchResult result;
  // A search that misjudges otherwise than the last one (a hint between a weak level's moves)
  // starts from an empty table: the scores there hold the other evaluation.
  const std::pair<int, std::uint64_t> judgement{limits.misjudgement,
                                                limits.misjudgement > 0 ? limits.seed : 0};
  if (judgement != judgement_) {
    table_.Clear();
    judgement_ = judgement;
  }
  auto run = std::make_unique<Run>(*this, root, limits, stop);
  Position& pos = run->pos;
  table_.NewSearch();

  // The root moves in search order, with their scores from the last completed iteration.
  struct RootMove {
    Move move;
    int score = 0;  // exact when `exact`, else an upper bound
    bool exact = false;
    std::vector<Move> pv;
    int penalty = 0;  // subtracted from the score of a move that brings a position back
  };
  // From kScoringRecords records on, the side the rule favours calls Scoring; the other side
  // searches for a capture that turns the balance (the opponent may not call at once).
  if (root.ScoringOpen() && root.ScoringFavours() == root.SideToMove()) {
    result.claim = true;
    result.info.score = kClaimWinScore;
    return result;
  }
  std::vector<RootMove> rootMoves;
  {
    ScoredMoves ordered;
    GenerateMoves(pos, ordered.list);
    ordered.list.Add(Move());  // the pass
    const TableEntry* entry = table_.Probe(pos.Key());
    run->Order(ordered, entry ? Move::FromRaw(entry->move) : Move(), 0);
    for (int i = 0; i < ordered.list.size(); ++i)
      rootMoves.push_back({ordered.PickNext(i), 0, false, {}, 0});
  }
  if (!limits.earlierBoards.empty() && root.ScoringFavours() != root.SideToMove()) {
    Undo undo;
    for (RootMove& r : rootMoves) {
      Play(pos, r.move, undo);
      const auto seen =
          std::count(limits.earlierBoards.begin(), limits.earlierBoards.end(), pos.BoardKey());
      TakeBack(pos, r.move, undo);
      if (seen >= 2) r.penalty = kRepetitionPenalty;
    }
  }
  result.best = rootMoves[0].move;

  // With a random margin every root move gets the full window, so that each score is exact.
  const bool spread = limits.randomMargin > 0;
  const int maxDepth = std::clamp(limits.depth, 1, kMaxDepth);
  const std::size_t lineCount = std::min(
      static_cast<std::size_t>(std::clamp(limits.multiPv, 1, kMaxMultiPv)), rootMoves.size());
  // The best `lineCount` moves, best first, among those given.
  auto linesOf = [&](std::vector<RootMove> moves) {
    std::stable_sort(moves.begin(), moves.end(), [](const RootMove& a, const RootMove& b) {
      return a.score > b.score || (a.score == b.score && a.exact && !b.exact);
    });
    std::vector<PvLine> lines;
    for (std::size_t i = 0; i < moves.size() && lines.size() < lineCount && moves[i].exact; ++i)
      lines.push_back({moves[i].score, moves[i].pv});
    return lines;
  };
  auto setLines = [&](int depth, std::vector<PvLine> lines) {
    for (PvLine& line : lines) {
      line.score = RootScore(root, line);
      run->CompleteLine(root, line.pv, line.score);
    }
    result.info.depth = depth;
    result.info.score = lines.front().score;
    result.info.pv = lines.front().pv;
    result.info.lines = std::move(lines);
    result.info.nodes = run->nodes;
    result.info.elapsedMs = run->ElapsedMs();
  };

  Undo undo;
  for (int depth = 1; depth <= maxDepth; ++depth) {
    // A single line from the fourth iteration on starts with an aspiration window.
    const bool aspirate = depth >= 4 && !spread && lineCount == 1 && !IsWinScore(result.info.score);
    // This iteration's results in root move order, and the exact scores found so far, best
    // first: a move earns an exact score only by beating the last line's.
    std::vector<RootMove> current = rootMoves;
    std::vector<int> top;
    std::size_t searched = 0;
    for (std::size_t i = 0; i < rootMoves.size(); ++i) {
      RootMove& r = current[i];
      const int threshold = spread || top.size() < lineCount ? -kInfinity : top[lineCount - 1];
      // A penalized move must beat the threshold by its penalty.
      const int shifted = threshold == -kInfinity ? threshold : threshold + r.penalty;
      ++run->nodes;
      const bool allowNull = !r.move.IsNone();
      Play(pos, r.move, undo);
      int score;
      if (!pos.TreeStands(pos.SideToMove())) {
        score = kWinScore - 1;
        run->pvLength[1] = 1;
      } else if (shifted == -kInfinity && aspirate && i == 0) {
        // The first move is expected to score near the last iteration's best: searched in a
        // window around it, widened on either side while the score falls outside.
        const int last = result.info.score + r.penalty;
        int below = kAspirationWindow, above = kAspirationWindow;
        for (;;) {
          const int lo = below < kInfinity ? last - below : -kInfinity;
          const int hi = above < kInfinity ? last + above : kInfinity;
          score = -run->Negamax(depth - 1, 1, -hi, -lo, allowNull);
          if (run->stopped) break;
          if (score <= lo)
            below = below * 4 > kWinBound ? kInfinity : below * 4;
          else if (score >= hi)
            above = above * 4 > kWinBound ? kInfinity : above * 4;
          else
            break;
        }
      } else if (shifted == -kInfinity) {
        score = -run->Negamax(depth - 1, 1, -kInfinity, kInfinity, allowNull);
      } else {
        score = -run->Negamax(depth - 1, 1, -shifted - 1, -shifted, allowNull);
        if (score > shifted && !run->stopped)
          score = -run->Negamax(depth - 1, 1, -kInfinity, -shifted, allowNull);
      }
      if (!IsWinScore(score)) score -= r.penalty;
      TakeBack(pos, r.move, undo);
      if (run->stopped) break;
      ++searched;
      r.score = score;
      r.exact = score > threshold;
      if (r.exact) {
        r.pv.assign(1, r.move);
        r.pv.insert(r.pv.end(), run->pv[1] + 1, run->pv[1] + run->pvLength[1]);
        top.insert(std::upper_bound(top.begin(), top.end(), score, std::greater<>()), score);
      }
    }

    if (searched < rootMoves.size()) {
      // Cut short: a move that beat the last iteration's best (searched first) is played,
      // and so is the first answer of a search stopped during its first iteration.
      current.resize(searched);
      std::vector<PvLine> lines = linesOf(current);
      if (!lines.empty() && (lines.front().pv.front() != result.best || result.info.depth == 0)) {
        result.best = lines.front().pv.front();
        setLines(depth, std::move(lines));
        if (progress) progress(result.info);
      }
      break;
    }

    // Next iteration: best first, then the rest by this iteration's scores; a null-window
    // score is only a bound, so among equals the exact ones come first and the rest keep
    // their order (stable sort).
    rootMoves = std::move(current);
    std::stable_sort(rootMoves.begin(), rootMoves.end(), [](const RootMove& a, const RootMove& b) {
      return a.score > b.score || (a.score == b.score && a.exact && !b.exact);
    });
    result.best = rootMoves.front().move;
    setLines(depth, linesOf(rootMoves));
    if (progress) progress(result.info);

    const int best = result.info.score;
    // A win found within the searched depth is certain; no need to look further.
    if (best >= kWinBound && depth >= PliesToEnd(best)) break;
    // The next iteration would most likely not finish within the budget.
    if (limits.moveTimeMs > 0 && result.info.elapsedMs * 2 >= limits.moveTimeMs) break;
  }

  // Chance only picks among ordinary scores: a win (the quickest one, first in order) is
  // always played, and with no way out of a loss the longest defence is; a move that loses
  // is never drawn while another does not. Nor is the pass, unless it is the best.
  if (spread && result.info.depth > 0 && !IsWinScore(result.info.score)) {
    std::vector<const RootMove*> near;
    for (const RootMove& r : rootMoves)
      if (r.exact && r.score >= result.info.score - limits.randomMargin && !IsWinScore(r.score) &&
          (!r.move.IsNone() || r.move == result.best))
        near.push_back(&r);
    std::mt19937_64 rng(limits.seed ^ root.Key());
    const RootMove& chosen =
        *near[std::uniform_int_distribution<std::size_t>(0, near.size() - 1)(rng)];
    if (chosen.move != result.best) {
      result.best = chosen.move;
      setLines(result.info.depth, {{chosen.score, chosen.pv}});
      if (progress) progress(result.info);
    }
  }
  result.info.nodes = run->nodes;
  result.info.elapsedMs = run->ElapsedMs();
  return result;
}

namespace {

// The strengths, weakest first. A node budget keeps a level's play the same on any machine;
// the time is only a ceiling for slow ones. The ratings were measured by tamsok_match along a
// ladder from the greedy capturer (1000), see the README.
struct Level {
  Strength strength;
  std::string_view name;
  int depth;
  bool quiescence;
  std::uint64_t nodes;
  int misjudgement;
  std::int64_t moveTimeMs;
  int rating;
};
constexpr Level kLevels[] = {
    {Strength::Beginner, "Beginner", 1, false, 0, 150, 1000, 980},
    {Strength::Novice, "Novice", 1, false, 0, 0, 1000, 1150},
    {Strength::Easy, "Easy", 2, false, 0, 100, 1000, 1320},
    {Strength::Casual, "Casual", 2, true, 0, 120, 1000, 1460},
    {Strength::Medium, "Medium", 2, true, 0, 80, 2000, 1620},
    {Strength::Advanced, "Advanced", kMaxDepth, true, 6000, 45, 2000, 1830},
    {Strength::Skilled, "Skilled", kMaxDepth, true, 15000, 30, 2000, 2000},
    {Strength::Strong, "Strong", kMaxDepth, true, 40000, 20, 3000, 2160},
    {Strength::Expert, "Expert", kMaxDepth, true, 150000, 0, 3000, 2400},
    {Strength::Hard, "Hard", kMaxDepth, true, 1000000, 0, 3000, 2610},
};
static_assert(std::size(kLevels) == std::size(kStrengths));

const Level& LevelOf(Strength s) {
  return kLevels[static_cast<int>(s)];
}

}  // namespace

Limits StrengthLimits(Strength s) {
  const Level& level = LevelOf(s);
  Limits l;
  l.depth = level.depth;
  l.quiescence = level.quiescence;
  l.nodes = level.nodes;
  l.misjudgement = level.misjudgement;
  l.moveTimeMs = level.moveTimeMs;
  return l;
}

std::string_view StrengthName(Strength s) {
  return LevelOf(s).name;
}

int StrengthRating(Strength s) {
  return LevelOf(s).rating;
}

std::optional<Strength> ParseStrength(std::string_view name) {
  for (const Level& level : kLevels) {
    const std::string_view n = level.name;
    if (n.size() == name.size() && std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) ==
                 std::tolower(static_cast<unsigned char>(b));
        }))
      return level.strength;
  }
  return std::nullopt;
}

}  // namespace tamsok::engine
