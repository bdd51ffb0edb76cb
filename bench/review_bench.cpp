// The game review: a whole game of 120 plies reviewed at the Expert budget, every position
// searched one after the other on one thread, as the review window's worker does. The game is
// the engine's own at the Easy strength, whose chance choices make a varied middle game; it
// is the same game on every run.
#include <benchmark/benchmark.h>

#include <atomic>
#include <optional>

#include "engine/Engine.h"
#include "game/Review.h"

namespace tamsok {
namespace {

constexpr int kPlies = 120;

// The first Easy self-play game, by seed, that lasts 120 plies with both Trees standing.
std::vector<SavedRecord> MakeGame() {
  std::atomic<bool> stop{false};
  for (std::uint64_t seed = 1;; ++seed) {
    engine::Searcher searcher(4);
    engine::Limits limits = engine::StrengthLimits(engine::Strength::Easy);
    limits.moveTimeMs = 0;  // the same game whatever the machine's speed
    limits.seed = seed;
    engine::Position pos = engine::Position::Start();
    std::vector<SavedRecord> records;
    while (static_cast<int>(records.size()) < kPlies && pos.TreeStands(Camp::Fir) &&
           pos.TreeStands(Camp::Oak)) {
      const engine::Move m = searcher.Search(pos, limits, stop).best;
      SavedRecord r;
      if (m.IsNone()) {
        r.isPass = true;
        pos.MakePass();
      } else {
        r.squares = {{engine::FileOf(m.From()), engine::RowOf(m.From())},
                     {engine::FileOf(m.To()), engine::RowOf(m.To())}};
        engine::Undo undo;
        pos.Make(m, undo);
      }
      records.push_back(r);
    }
    if (static_cast<int>(records.size()) == kPlies && pos.TreeStands(Camp::Fir) &&
        pos.TreeStands(Camp::Oak))
      return records;
  }
}

void BM_ReviewGame120PliesExpert(benchmark::State& state) {
  const review::Plies plies = review::PliesOf(MakeGame());
  std::atomic<bool> stop{false};
  int marked = 0, known = 0;
  double seconds = 0;
  for (auto _ : state) {
    engine::Searcher searcher(16);
    const auto start = std::chrono::steady_clock::now();
    const review::Review r = review::ReviewGame(plies, engine::Strength::Expert, searcher, stop);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    marked = known = 0;
    for (const review::Verdict& v : r.moves)
      marked += v.mark != review::Mark::None;
    for (const review::Eval& e : r.evals)
      known += e.known;
  }
  state.counters["plies"] = static_cast<double>(plies.moves.size());
  state.counters["positions_known"] = known;
  state.counters["moves_marked"] = marked;
  state.counters["review_s"] = seconds;
}
BENCHMARK(BM_ReviewGame120PliesExpert)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tamsok

BENCHMARK_MAIN();
