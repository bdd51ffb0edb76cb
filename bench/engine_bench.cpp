// Figures of the computer opponent: perft from the start, the influence update of a move
// (rebuilt from masks, as the engine does, against per-square counters updated in place),
// search speed and the depth reached in a second.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "engine/MoveGen.h"
#include "engine/Perft.h"
#include "engine/Position.h"
#include "engine/Search.h"
#include "rules/Board.h"
#include "rules/MoveCheck.h"

namespace tamsok::engine {
namespace {

void BM_PerftStart(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  Position pos = Position::Start();
  std::uint64_t leaves = 0;
  for (auto _ : state)
    leaves = Perft(pos, depth);
  state.counters["leaves"] = static_cast<double>(leaves);
  state.counters["leaves/s"] = benchmark::Counter(static_cast<double>(leaves) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PerftStart)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// The same count by asking CheckMove about every piece and square, for comparison.
std::uint64_t ScanPerft(Board& b, Camp side, int depth) {
  if (depth == 0) return 1;
  std::uint64_t total = 0;
  const PieceId first = side == Camp::Fir ? 0 : kPiecesPerCamp;
  for (PieceId p = first; p < first + kPiecesPerCamp; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    const Square from = b.PiecePos[p];
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y) {
        if (CheckMove(b, p, from.x, from.y, x, y) != MoveCheckResult::Legal) continue;
        if (depth == 1) {
          ++total;
          continue;
        }
        const Board saved = b;
        const PieceId captured = b.Cells[x][y].Occupant;
        if (captured != kNoPiece) {
          b.InPlay[captured] = false;
          b.PiecePos[captured] = kOffBoard;
        }
        b.PiecePos[p] = {x, y};
        RebuildBoard(b);
        total += ScanPerft(b, OtherCamp(side), depth - 1);
        b = saved;
      }
  }
  return total;
}

void BM_PerftStartByCheckMoveScan(benchmark::State& state) {
  Board b;
  LoadInitialPosition(b);
  std::uint64_t leaves = 0;
  for (auto _ : state)
    leaves = ScanPerft(b, Camp::Fir, static_cast<int>(state.range(0)));
  state.counters["leaves"] = static_cast<double>(leaves);
}
BENCHMARK(BM_PerftStartByCheckMoveScan)->Arg(3)->Unit(benchmark::kMillisecond);

// Moves of influencing pieces met in random games, with the positions before them.
struct ZoneCase {
  Position before;
  Move move;
};

std::vector<ZoneCase> InfluencerMoves() {
  std::vector<ZoneCase> cases;
  std::mt19937 rng(3);
  for (int game = 0; game < 40; ++game) {
    Position pos = Position::Start();
    for (int ply = 0; ply < 150; ++ply) {
      MoveList list;
      GenerateMoves(pos, list);
      if (list.size() == 0) break;
      const Move m = list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng)];
      const PieceId captured = pos.PieceAt(m.To());
      if (Influences(KindOf(pos.PieceAt(m.From()))) ||
          (captured != kNoPiece && Influences(KindOf(captured))))
        cases.push_back({pos, m});
      Undo undo;
      pos.Make(m, undo);
    }
  }
  return cases;
}

// What the engine does for a make/unmake pair whose move changes the zones: keep a copy,
// rebuild from the masks of the influencing pieces, restore the copy.
void BM_ZoneUpdateRebuild(benchmark::State& state) {
  std::vector<ZoneCase> cases = InfluencerMoves();
  std::size_t i = 0;
  for (auto _ : state) {
    ZoneCase& c = cases[i++ % cases.size()];
    Undo undo;
    c.before.Make(c.move, undo);  // rebuilds the zones
    benchmark::DoNotOptimize(c.before.InfluenceZones());
    c.before.Unmake(c.move, undo);  // restores the saved copy
  }
}
BENCHMARK(BM_ZoneUpdateRebuild);

// The alternative: the rules' per-square counters, changed by the blocks of the pieces that
// move, and the zone masks re-derived over the changed squares only.
class CounterZones {
 public:
  explicit CounterZones(const Position& pos) {
    for (PieceId p = 0; p < kPieceCount; ++p)
      if (pos.OnBoard(p)) Apply(p, pos.SquareOf(p), 1);
    Derive((Bits{1} << kSquares) - 1);
  }

  // The piece on `from` goes to `to`, capturing `captured` there (or none); sign -1 undoes.
  void Move(PieceId mover, Sq from, Sq to, PieceId captured, int sign) {
    Bits touched = Apply(mover, from, -sign) | Apply(mover, to, sign);
    if (captured != kNoPiece) touched |= Apply(captured, to, -sign);
    Derive(touched);
  }

  const Zones& zones() const { return zones_; }

 private:
  static void Add(int (&counter)[kSquares], Bits area, int amount) {
    for (Bits a = area; a;)
      counter[PopLowest(a)] += amount;
  }

  Bits Apply(PieceId p, Sq s, int sign) {
    const int own = Index(CampOf(p)), enemy = 1 - own, k = Index(KindOf(p));
    Add(cloak_[own], Block[CloakRadius[k]][s], sign);
    Add(cloak_[enemy], Block[RevealRadius[k]][s], -100 * sign);
    Add(freeze_[enemy], Block[FreezeRadius[k]][s], sign);
    Add(freeze_[own], Block[ThawRadius[k]][s], -100 * sign);
    Add(landing_[own], Block[TreeZoneRadius[k]][s], sign);
    Add(strike_, Block[CloudZoneRadius[k]][s], sign);
    return Block[3][s] & (Influences(KindOf(p)) ? ~Bits{0} : Bits{0});
  }

  void Derive(Bits touched) {
    for (Bits t = touched; t;) {
      const Sq s = PopLowest(t);
      const Bits bit = Bit(s);
      auto set = [&](Bits& mask, bool on) { mask = on ? mask | bit : mask & ~bit; };
      for (int c = 0; c < kCampCount; ++c) {
        set(zones_.cloaked[c], cloak_[c][s] > 0);
        set(zones_.frozen[c], freeze_[c][s] > 0);
        set(zones_.landing[c], landing_[c][s] > 0);
      }
      set(zones_.strike, strike_[s] > 0);
    }
  }

  int cloak_[kCampCount][kSquares]{};
  int freeze_[kCampCount][kSquares]{};
  int landing_[kCampCount][kSquares]{};
  int strike_[kSquares]{};
  Zones zones_;
};

void BM_ZoneUpdateCounters(benchmark::State& state) {
  const std::vector<ZoneCase> cases = InfluencerMoves();
  std::vector<CounterZones> counters;
  for (const ZoneCase& c : cases)
    counters.emplace_back(c.before);
  // The counters must give the engine's zones, or the comparison means nothing.
  for (std::size_t j = 0; j < cases.size(); ++j) {
    if (!(counters[j].zones() == cases[j].before.InfluenceZones())) {
      state.SkipWithError("counter zones differ from the engine's");
      return;
    }
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t j = i++ % cases.size();
    const ZoneCase& c = cases[j];
    const Sq from = c.move.From(), to = c.move.To();
    const PieceId mover = c.before.PieceAt(from), captured = c.before.PieceAt(to);
    counters[j].Move(mover, from, to, captured, 1);
    benchmark::DoNotOptimize(counters[j].zones());
    counters[j].Move(mover, from, to, captured, -1);
  }
}
BENCHMARK(BM_ZoneUpdateCounters);

// A crowded middle game: twenty random quiet moves from the start, every piece still on the
// board and most of them out of their home rows.
Position CrowdedMiddleGame() {
  Position pos = Position::Start();
  std::mt19937 rng(11);
  for (int ply = 0; ply < 20; ++ply) {
    MoveList list, quiet;
    GenerateMoves(pos, list);
    for (Move m : list)
      if (pos.PieceAt(m.To()) == kNoPiece) quiet.Add(m);
    Undo undo;
    pos.Make(quiet[std::uniform_int_distribution<int>(0, quiet.size() - 1)(rng)], undo);
  }
  return pos;
}

// Nodes per second of a search of two million nodes, table cleared before each.
void SearchSpeed(benchmark::State& state, const Position& pos, int multiPv = 1) {
  Searcher searcher(64);
  std::atomic<bool> stop{false};
  Limits limits;
  limits.nodes = 2'000'000;
  limits.multiPv = multiPv;
  std::uint64_t nodes = 0;
  for (auto _ : state) {
    searcher.Clear();
    nodes += searcher.Search(pos, limits, stop).info.nodes;
  }
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_SearchStart(benchmark::State& state) {
  SearchSpeed(state, Position::Start());
}
BENCHMARK(BM_SearchStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchCrowdedMiddleGame(benchmark::State& state) {
  SearchSpeed(state, CrowdedMiddleGame());
}
BENCHMARK(BM_SearchCrowdedMiddleGame)->Unit(benchmark::kMillisecond)->UseRealTime();

// The price of several lines: the same speed with three lines, and the time to depth 7 with
// one line and with three (the argument).
void BM_SearchCrowdedMiddleGameThreeLines(benchmark::State& state) {
  SearchSpeed(state, CrowdedMiddleGame(), 3);
}
BENCHMARK(BM_SearchCrowdedMiddleGameThreeLines)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DepthSevenByLines(benchmark::State& state) {
  Searcher searcher(64);
  std::atomic<bool> stop{false};
  Limits limits;
  limits.depth = 7;
  limits.multiPv = static_cast<int>(state.range(0));
  const Position pos = CrowdedMiddleGame();
  std::uint64_t nodes = 0;
  for (auto _ : state) {
    searcher.Clear();
    nodes += searcher.Search(pos, limits, stop).info.nodes;
  }
  state.counters["nodes"] = static_cast<double>(nodes) / static_cast<double>(state.iterations());
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DepthSevenByLines)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The deepest iteration completed within one second from the start (wall clock).
void BM_DepthInOneSecond(benchmark::State& state) {
  Searcher searcher(64);
  int depth = 0;
  for (auto _ : state) {
    searcher.Clear();
    std::atomic<bool> stop{false};
    std::thread timer([&stop] {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      stop = true;
    });
    depth = searcher.Search(Position::Start(), Limits{}, stop).info.depth;
    timer.join();
  }
  state.counters["depth"] = depth;
}
BENCHMARK(BM_DepthInOneSecond)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace tamsok::engine

BENCHMARK_MAIN();
