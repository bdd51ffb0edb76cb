// tamsok_selfplay: plays the engine against itself and writes every searched position with
// the game's result, the data that tamsok_tune fits the evaluation to (the format is in
// engine/tools/SelfPlayData.h).
//
//   tamsok_selfplay [--games N] [--nodes N] [--threads N] [--seed N] > selfplay.txt
//
// Each game starts with a random but sane opening of 2 to 12 plies (each ply drawn among the
// moves a depth-1 search scores within 40 points of its best), then both camps search every
// move to a node budget (--nodes, default 3000) and play by the real endings: a captured Tree
// ends the game, and from record 50 on the camp the rule favours calls Scoring at once. The
// positions of the random opening are not written. Games go to standard output whole, in the
// order they finish; --threads (default 2) play at once; the same seed gives the same games.
//
// A million positions, enough for the tuner, take about 25,000 games (about 40 positions a
// game; some 200 games in ten seconds on one idle core):
//   nice build/engine/tamsok_selfplay --games 26000 > build/selfplay.txt
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/tools/SelfPlayData.h"

using namespace tamsok;
using namespace tamsok::engine;
using namespace tamsok::match;

namespace {

struct Options {
  long games = 1000;
  long nodes = 3000;
  long threads = 2;
  long seed = 1;
};

constexpr int kMinRandomPlies = 2;
constexpr int kMaxRandomPlies = 12;
constexpr int kRandomDepth = 1;
constexpr int kRandomMargin = 40;
constexpr int kMaxPlies = 300;

// One game: the samples of its searched positions, each completed with the result at the end.
std::vector<Sample> PlayOne(Searcher& fir, Searcher& oak, Searcher& opener, const Options& options,
                            std::uint64_t seed) {
  const std::atomic<bool> stop{false};
  std::mt19937_64 rng(seed);
  const int randomPlies = std::uniform_int_distribution<int>(kMinRandomPlies, kMaxRandomPlies)(rng);
  fir.Clear();
  oak.Clear();
  opener.Clear();
  Limits play;
  play.nodes = static_cast<std::uint64_t>(options.nodes);
  Limits random;
  random.depth = kRandomDepth;
  random.randomMargin = kRandomMargin;

  std::vector<Sample> samples;
  Position pos = Position::Start();
  std::optional<Camp> winner;
  Undo undo;
  while (!winner && pos.Records() < kMaxPlies) {
    if (pos.ScoringOpen()) {
      winner = pos.ScoringFavours();
      break;
    }
    Move m;
    if (pos.Records() < randomPlies) {
      random.seed = rng();
      m = opener.Search(pos, random, stop).best;
    } else {
      const SearchResult r = (pos.SideToMove() == Camp::Fir ? fir : oak).Search(pos, play, stop);
      m = r.best;
      samples.push_back({pos, m, r.info.score, Camp::Fir, 0});
    }
    if (m.IsNone()) {
      pos.MakePass();
      continue;
    }
    const PieceId captured = pos.PieceAt(m.To());
    if (captured != kNoPiece && KindOf(captured) == PieceKind::Tree) winner = pos.SideToMove();
    pos.Make(m, undo);
  }
  if (!winner) winner = pos.ScoringFavours();
  for (Sample& s : samples) {
    s.winner = *winner;
    s.plies = pos.Records();
  }
  return samples;
}

bool ReadOption(int argc, char** argv, int& i, std::string_view name, long min, long& out) {
  if (argv[i] != name || i + 1 >= argc) return false;
  char* end = nullptr;
  const long v = std::strtol(argv[i + 1], &end, 10);
  if (*end != '\0' || v < min) return false;
  out = v;
  ++i;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (!ReadOption(argc, argv, i, "--games", 1, options.games) &&
        !ReadOption(argc, argv, i, "--nodes", 1, options.nodes) &&
        !ReadOption(argc, argv, i, "--threads", 1, options.threads) &&
        !ReadOption(argc, argv, i, "--seed", 0, options.seed)) {
      std::fprintf(stderr,
                   "usage: tamsok_selfplay [--games N] [--nodes N] [--threads N] [--seed N] > "
                   "selfplay.txt\n");
      return 2;
    }
  }

  std::atomic<long> next{0};
  std::mutex output;
  long done = 0, positions = 0;
  auto work = [&] {
    Searcher fir(4), oak(4), opener(1);
    for (long g; (g = next++) < options.games;) {
      const std::vector<Sample> samples = PlayOne(
          fir, oak, opener, options,
          static_cast<std::uint64_t>(options.seed) * 1000003 + static_cast<std::uint64_t>(g));
      std::string text;
      for (const Sample& s : samples)
        text += SampleLine(s) + '\n';
      const std::lock_guard lock(output);
      std::fwrite(text.data(), 1, text.size(), stdout);
      positions += static_cast<long>(samples.size());
      if (++done % 500 == 0 || done == options.games) {
        std::fflush(stdout);
        std::fprintf(stderr, "%ld games, %ld positions\n", done, positions);
      }
    }
  };
  std::vector<std::thread> threads;
  for (long t = 0; t < options.threads; ++t)
    threads.emplace_back(work);
  for (std::thread& t : threads)
    t.join();
  return 0;
}
