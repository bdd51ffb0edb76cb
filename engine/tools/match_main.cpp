// tamsok_match: plays games between two players, in pairs on the openings of a book, and
// prints the result with an Elo estimate; or runs a sequential probability ratio test (SPRT)
// that stops as soon as the games decide it.
//
//   tamsok_match [options] PLAYER_A PLAYER_B
//
// Players: random, greedy, the strengths (beginner ... hard), full (searched in this process, with
// engine options after a colon, e.g. "hard:depth=5,mobility=3"), and program:PATH (an engine
// program driven through the text protocol, e.g. a baseline build; see scripts/build-baseline).
// engine/tools/Players.h describes them.
//
// Options:
//   --games N         games to play (default 100), or in an SPRT the most before it stops
//                     undecided (default 20000); rounded up to whole pairs
//   --sprt ELO0 ELO1  run an SPRT of "A is ELO1 Elo stronger than B" (H1) against "ELO0" (H0)
//   --alpha P, --beta P   its error rates (default 0.05 each)
//   --movetime MS     time per move of every engine player that sets none (default: each
//                     strength's own; a program gets 1000)
//   --concurrency N   games played at once, each on a thread with its own players (default 2)
//   --book FILE       the openings (default: engine/book/openings.txt of this source tree)
//   --tool-claims on|off
//                     whether the tool claims Scoring for a player that cannot claim by itself
//                     whenever the rule favours it (default on); the output says which players
//                     claim by themselves
//   --max-plies N     records after which a game is scored by the rule (default 300)
//   --seed N          chooses the order of the openings and seeds the players (default 1)
//   --equal-is-draw   equal losses are a draw, not Oak's, and favour nobody (tuning runs)
//   --verbose         print every game's records
//
// Games come in pairs on the same opening, A playing Fir in one and Oak in the other. A game
// ends when a Tree is captured, when a camp claims Scoring (from record 50 on: Fir wins when
// Oak has lost strictly more value, else Oak), or at the ply limit, scored by the same rule;
// engine/tools/Match.h has the details. Each game's result depends only on its seed and the
// players (time limits aside), not on which thread played it.
//
// Examples:
//   tamsok_match --movetime 50 medium easy
//   tamsok_match --movetime 100 --sprt 0 10 hard program:build/baseline/tamsok_engine
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/tools/Match.h"
#include "engine/tools/OpeningBook.h"
#include "engine/tools/Players.h"
#include "engine/tools/Sprt.h"

using namespace tamsok;
using namespace tamsok::match;

namespace {

struct Options {
  int games = 0;  // 0: the mode's default
  std::int64_t moveTimeMs = 0;
  int concurrency = 2;
  std::string book = TAMSOK_BOOK_FILE;
  GameRules rules;
  std::uint64_t seed = 1;
  bool verbose = false;
  bool sprtGiven = false;
  Sprt sprt;
};

bool ParseNumber(const char* text, double& out) {
  char* end = nullptr;
  out = std::strtod(text, &end);
  return *text != '\0' && *end == '\0' && std::isfinite(out);
}

int Usage() {
  std::fprintf(stderr,
               "usage: tamsok_match [--games N] [--sprt ELO0 ELO1] [--alpha P] [--beta P] "
               "[--movetime MS] [--concurrency N] [--book FILE] [--tool-claims on|off] "
               "[--max-plies N] [--seed N] [--equal-is-draw] [--verbose] PLAYER_A PLAYER_B\n"
               "players: random, greedy, beginner, novice, easy, casual, medium, advanced, "
               "skilled, strong, expert, hard, full, program:PATH; engine options "
               "after a colon, e.g. hard:depth=5,margin=0,mobility=3\n");
  return 2;
}

std::string EloText(double elo) {
  if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
  char text[32];
  std::snprintf(text, sizeof text, "%+.0f", elo);
  return text;
}

std::string ClaimText(const Player& p, const GameRules& rules) {
  if (p.ClaimsItself()) return "claims Scoring by itself; out of its turn the tool speaks for it";
  return rules.toolClaims ? "cannot claim Scoring; the tool claims for it"
                          : "cannot claim Scoring; nobody claims for it";
}

// What the finished games add up to, A's view.
struct Tally {
  int wins = 0, draws = 0, losses = 0;
  int firWins = 0, oakWins = 0;
  int endings[static_cast<int>(Ending::Aborted) + 1] = {};
  std::vector<int> plies;
  Pentanomial pairs;
  int firstOfPair = 0;  // A's half points in the pair's first game

  // A's half points in the game.
  int Add(const GameResult& r, bool aIsFir) {
    const int half = !r.winner ? 1 : (*r.winner == Camp::Fir) == aIsFir ? 2 : 0;
    (half == 2 ? wins : half == 1 ? draws : losses) += 1;
    if (r.winner) (*r.winner == Camp::Fir ? firWins : oakWins) += 1;
    endings[static_cast<int>(r.ending)] += 1;
    plies.push_back(r.plies);
    if (aIsFir) {
      firstOfPair = half;
    } else {
      pairs.count[firstOfPair + half] += 1;
    }
    return half;
  }

  int MedianPlies() const {
    if (plies.empty()) return 0;
    std::vector<int> sorted = plies;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);  // a program that ends is noticed when its reply is missing
  Options options;
  std::vector<std::string_view> names;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    double v = 0, w = 0;
    auto number = [&](double lo, double hi) {
      return i + 1 < argc && ParseNumber(argv[i + 1], v) && v >= lo && v <= hi ? (++i, true)
                                                                               : false;
    };
    auto whole = [&](double lo) { return number(lo, 1e15) && v == std::floor(v); };
    if (arg == "--games" && whole(1)) {
      options.games = static_cast<int>(std::min(v, 1e8));
    } else if (arg == "--sprt" && number(-1000, 1000) && (w = v, number(-1000, 1000)) && w < v) {
      options.sprtGiven = true;
      options.sprt.elo0 = w;
      options.sprt.elo1 = v;
    } else if ((arg == "--alpha" || arg == "--beta") && number(1e-6, 0.5)) {
      (arg == "--alpha" ? options.sprt.alpha : options.sprt.beta) = v;
    } else if (arg == "--movetime" && whole(1)) {
      options.moveTimeMs = static_cast<std::int64_t>(v);
    } else if (arg == "--concurrency" && whole(1)) {
      options.concurrency = static_cast<int>(std::min(v, 64.0));
    } else if (arg == "--book" && i + 1 < argc) {
      options.book = argv[++i];
    } else if (arg == "--tool-claims" && i + 1 < argc &&
               (std::string_view(argv[i + 1]) == "on" || std::string_view(argv[i + 1]) == "off")) {
      options.rules.toolClaims = std::string_view(argv[++i]) == "on";
    } else if (arg == "--max-plies" && whole(1)) {
      options.rules.maxPlies = static_cast<int>(std::min(v, 1e6));
    } else if (arg == "--seed" && whole(0)) {
      options.seed = static_cast<std::uint64_t>(v);
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--equal-is-draw") {
      options.rules.equalIsDraw = true;
    } else if (!arg.starts_with("--")) {
      names.push_back(arg);
    } else {
      return Usage();
    }
  }
  if (names.size() != 2) return Usage();
  const std::optional<Sprt> sprt =
      options.sprtGiven ? std::optional<Sprt>(options.sprt) : std::nullopt;
  int games = options.games ? options.games : sprt ? 20000 : 100;
  games += games % 2;

  std::vector<Opening> book;
  BookError bookError;
  if (!LoadBook(options.book, book, bookError) || book.empty()) {
    std::fprintf(
        stderr, "%s:%d: %s\n", options.book.c_str(), bookError.line,
        book.empty() && bookError.reason.empty() ? "no openings" : bookError.reason.c_str());
    return 1;
  }
  std::vector<std::size_t> order(book.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937_64(options.seed));

  // Every thread plays with players of its own; programs are started before any thread.
  std::atomic<bool> abort{false};
  const int threads = std::min(options.concurrency, games);
  std::vector<std::unique_ptr<Player>> as, bs;
  for (int t = 0; t < threads; ++t) {
    for (auto* list : {&as, &bs}) {
      std::string error;
      list->push_back(MakePlayer(names[list == &as ? 0 : 1], options.moveTimeMs, abort, error));
      if (!list->back()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return Usage();
      }
    }
  }

  std::printf("A: %.*s (%s)\nB: %.*s (%s)\n", static_cast<int>(names[0].size()), names[0].data(),
              ClaimText(*as[0], options.rules).c_str(), static_cast<int>(names[1].size()),
              names[1].data(), ClaimText(*bs[0], options.rules).c_str());
  std::printf("Scoring claims for players that cannot claim: %s; ply limit %d\n",
              options.rules.toolClaims ? "on" : "off", options.rules.maxPlies);
  std::printf("Openings: %zu from %s, each played twice with camps swapped; %d games at once\n",
              book.size(), options.book.c_str(), threads);
  if (sprt)
    std::printf("SPRT: elo0 %g, elo1 %g, alpha %g, beta %g; at most %d games\n", sprt->elo0,
                sprt->elo1, sprt->alpha, sprt->beta, games);
  std::printf("\n");
  std::fflush(stdout);

  struct Slot {
    bool done = false;
    GameResult result;
    std::string record;
  };
  std::vector<Slot> slots(static_cast<std::size_t>(games));
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<int> next{0};
  const std::uint64_t seedBase = options.seed * 1000003;
  auto work = [&](Player& a, Player& b) {
    for (int g; (g = next++) < games && !abort.load();) {
      const bool aIsFir = g % 2 == 0;
      Player& fir = aIsFir ? a : b;
      Player& oak = aIsFir ? b : a;
      fir.NewGame(seedBase + static_cast<std::uint64_t>(g) * 2);
      oak.NewGame(seedBase + static_cast<std::uint64_t>(g) * 2 + 1);
      Slot slot;
      slot.done = true;
      const Opening& opening = book[order[static_cast<std::size_t>(g / 2) % book.size()]];
      slot.result = PlayGame(fir, oak, opening.moves, options.rules, abort,
                             options.verbose ? &slot.record : nullptr);
      {
        const std::lock_guard lock(mutex);
        slots[static_cast<std::size_t>(g)] = std::move(slot);
      }
      finished.notify_one();
    }
  };
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t)
    workers.emplace_back(work, std::ref(*as[t]), std::ref(*bs[t]));

  // Results are taken in game order, so that an SPRT stops after the same pair whatever the
  // threads' timing.
  const auto start = std::chrono::steady_clock::now();
  Tally tally;
  SprtResult decision = SprtResult::Continue;
  double llr = 0;
  int played = 0;
  while (played < games && decision == SprtResult::Continue) {
    Slot slot;
    {
      std::unique_lock lock(mutex);
      finished.wait(lock, [&] { return slots[static_cast<std::size_t>(played)].done; });
      slot = std::move(slots[static_cast<std::size_t>(played)]);
    }
    const GameResult& r = slot.result;
    const bool aIsFir = played % 2 == 0;
    const int half = tally.Add(r, aIsFir);
    ++played;
    std::printf("game %4d: A plays %s, %s (%s, %d plies, lost Fir %d Oak %d)  [A %d-%d-%d]", played,
                aIsFir ? "Fir" : "Oak",
                half == 2   ? "A wins"
                : half == 1 ? "draw"
                            : "B wins",
                EndingText(r).c_str(), r.plies, r.lost[0], r.lost[1], tally.wins, tally.draws,
                tally.losses);
    if (sprt && !aIsFir) {
      llr = LogLikelihoodRatio(tally.pairs, sprt->elo0, sprt->elo1);
      decision = sprt->Decide(llr);
      std::printf("  LLR %.2f", llr);
    }
    std::printf("\n");
    if (options.verbose) std::printf("  %s\n", slot.record.c_str());
    std::fflush(stdout);
  }
  abort = true;
  for (std::thread& t : workers)
    t.join();

  const Pentanomial& p = tally.pairs;
  const double minutes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60.0;
  std::printf("\n%.*s vs %.*s: %d games, W %d  D %d  L %d  (score %.1f%%, %.1f min)\n",
              static_cast<int>(names[0].size()), names[0].data(), static_cast<int>(names[1].size()),
              names[1].data(), played, tally.wins, tally.draws, tally.losses,
              100.0 * (tally.wins + 0.5 * tally.draws) / played, minutes);
  std::printf("Pairs by A's points 0, 0.5, 1, 1.5, 2: %lld %lld %lld %lld %lld\n",
              static_cast<long long>(p.count[0]), static_cast<long long>(p.count[1]),
              static_cast<long long>(p.count[2]), static_cast<long long>(p.count[3]),
              static_cast<long long>(p.count[4]));
  const EloEstimate elo = EstimateElo(p);
  if (std::isinf(elo.elo)) {
    std::printf("Elo difference: %s (A %s every game)\n", EloText(elo.elo).c_str(),
                elo.elo > 0 ? "won" : "lost");
  } else {
    std::printf("Elo difference: %s +/- %s (95%%; interval %s .. %s)\n", EloText(elo.elo).c_str(),
                std::isinf(elo.Margin()) ? "inf" : EloText(elo.Margin()).substr(1).c_str(),
                EloText(elo.lower).c_str(), EloText(elo.upper).c_str());
  }
  const auto count = [&](Ending e) { return tally.endings[static_cast<int>(e)]; };
  std::printf(
      "Fir won %d, Oak won %d; endings: Tree %d, Scoring claimed %d (by the tool %d), ply limit "
      "%d, illegal %d; median length %d plies\n",
      tally.firWins, tally.oakWins, count(Ending::TreeCaptured),
      count(Ending::Claim) + count(Ending::ToolClaim), count(Ending::ToolClaim),
      count(Ending::PlyLimit), count(Ending::Illegal), tally.MedianPlies());
  if (sprt) {
    const Sprt& s = *sprt;
    std::printf("SPRT elo0 %g elo1 %g alpha %g beta %g: %s; LLR %.2f (bounds %.2f, %.2f)\n", s.elo0,
                s.elo1, s.alpha, s.beta,
                decision == SprtResult::AcceptH1   ? "H1 accepted, the test passes"
                : decision == SprtResult::AcceptH0 ? "H0 accepted, the test fails"
                                                   : "undecided at the game limit",
                llr, s.LowerBound(), s.UpperBound());
  }
  return 0;
}
