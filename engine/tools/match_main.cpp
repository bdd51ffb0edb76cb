// tamsok_match: plays games between two players and prints the result with an Elo estimate.
//
//   tamsok_match [options] PLAYER_A PLAYER_B
//
// Players: random (a uniformly random legal move), greedy (the capture of the most valuable
// piece, else a random move), easy, medium, hard (the engine's strengths), full (the engine
// without a depth limit), program:PATH (an engine program driven through the text protocol,
// given --movetime per move, e.g. another build of tamsok_engine). An engine player takes options
// after a colon, comma-separated: depth=N, margin=N (random choice among moves this close to the
// best), movetime=MS, hash=MB, and NAME=VALUE for any evaluation weight, e.g.
// "hard:mobility=4,tempo=0".
//
// Options: --games N (default 100), --movetime MS (time per move of every engine player that
// sets none; default: each strength's own), --opening-plies N (random quiet plies that start
// each pair of games, default 4), --max-plies N (default 300), --seed N, --verbose, and
// --equal-is-draw: at the ply limit equal losses count as a draw instead of Oak's win (for
// tuning runs, where the scoring rule's tie-break would only add noise).
//
// Games come in pairs on the same opening, A playing Fir in one and Oak in the other. A game
// ends when a Tree is captured; one that reaches the ply limit, or where neither camp can move,
// is decided by the scoring rule: Fir wins when Oak has lost strictly more value, else Oak.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "engine/Engine.h"
#include "engine/MoveGen.h"
#include "engine/Search.h"

using namespace tamsok;
using namespace tamsok::engine;

namespace {

class Player {
 public:
  virtual ~Player() = default;
  virtual void NewGame(std::uint64_t seed) = 0;
  // A legal move, or none when the camp has no move. `played` holds the game's moves so far
  // (none for a pass), which lead from the start to `pos`.
  virtual Move Choose(const Position& pos, const std::vector<Move>& played) = 0;
};

class RandomPlayer : public Player {
 public:
  void NewGame(std::uint64_t seed) override { rng_.seed(seed); }
  Move Choose(const Position& pos, const std::vector<Move>&) override {
    MoveList list;
    GenerateMoves(pos, list);
    return Pick(list);
  }

 protected:
  Move Pick(const MoveList& list) {
    if (list.size() == 0) return Move();
    return list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng_)];
  }
  std::mt19937_64 rng_;
};

class GreedyPlayer : public RandomPlayer {
 public:
  Move Choose(const Position& pos, const std::vector<Move>& played) override {
    MoveList captures, best;
    GenerateCaptures(pos, captures);
    int bestValue = -1;
    for (Move m : captures) {
      const int v = ValueOf(KindOf(pos.PieceAt(m.To())));
      if (v > bestValue) best.Clear(), bestValue = v;
      if (v == bestValue) best.Add(m);
    }
    return best.size() ? Pick(best) : RandomPlayer::Choose(pos, played);
  }
};

class EnginePlayer : public Player {
 public:
  EnginePlayer(const Limits& limits, const Weights& weights, std::size_t hashMb)
      : limits_(limits), searcher_(hashMb, weights) {}
  void NewGame(std::uint64_t seed) override {
    searcher_.Clear();
    limits_.seed = seed;
  }
  Move Choose(const Position& pos, const std::vector<Move>&) override {
    const std::atomic<bool> stop{false};
    return searcher_.Search(pos, limits_, stop).best;
  }

 private:
  Limits limits_;
  Searcher searcher_;
};

// Another engine program speaking the text protocol over pipes, told the game's moves and a
// time per move before each of its moves: a way to match two builds against each other.
class ProgramPlayer : public Player {
 public:
  ProgramPlayer(const std::string& path, std::int64_t moveTimeMs) : moveTimeMs_(moveTimeMs) {
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(toChild[0], STDIN_FILENO);
      dup2(fromChild[1], STDOUT_FILENO);
      close(toChild[1]);
      close(fromChild[0]);
      execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    in_ = fdopen(fromChild[0], "r");
    out_ = fdopen(toChild[1], "w");
  }
  ~ProgramPlayer() override {
    if (out_) {
      std::fputs("quit\n", out_);
      std::fclose(out_);
    }
    if (in_) std::fclose(in_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  bool Running() const { return pid_ > 0 && in_ && out_; }

  void NewGame(std::uint64_t) override { Send("ucinewgame"); }

  Move Choose(const Position&, const std::vector<Move>& played) override {
    std::string line = "position startpos moves";
    for (Move m : played)
      line += ' ' + MoveText(m);
    Send(line);
    Send("go movetime " + std::to_string(moveTimeMs_ > 0 ? moveTimeMs_ : 1000));
    char buffer[1 << 16];
    while (std::fgets(buffer, sizeof buffer, in_)) {
      const std::string_view reply(buffer);
      if (!reply.starts_with("bestmove ")) continue;
      return ParseMove(reply.substr(9, 4)).value_or(Move());
    }
    std::fprintf(stderr, "the engine program ended\n");
    std::exit(1);
  }

 private:
  void Send(const std::string& line) {
    std::fputs((line + "\n").c_str(), out_);
    std::fflush(out_);
  }

  std::int64_t moveTimeMs_;
  pid_t pid_ = -1;
  FILE* in_ = nullptr;
  FILE* out_ = nullptr;
};

struct Options {
  int games = 100;
  std::int64_t moveTimeMs = -1;
  int openingPlies = 4;
  int maxPlies = 300;
  std::uint64_t seed = 1;
  bool verbose = false;
  bool equalIsDraw = false;
};

std::vector<std::string_view> Split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == sep) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

bool ParseInt(std::string_view text, std::int64_t& out) {
  const std::string s(text);
  char* end = nullptr;
  out = std::strtoll(s.c_str(), &end, 10);
  return !s.empty() && *end == '\0';
}

// Builds a player from its description, or explains on stderr why it cannot.
std::unique_ptr<Player> MakePlayer(std::string_view description, const Options& options) {
  const auto colon = description.find(':');
  const std::string_view name = description.substr(0, colon);
  if (name == "program" && colon != std::string_view::npos) {
    auto player = std::make_unique<ProgramPlayer>(std::string(description.substr(colon + 1)),
                                                  options.moveTimeMs);
    if (player->Running()) return player;
    std::fprintf(stderr, "cannot start %.*s\n", static_cast<int>(description.size() - colon - 1),
                 description.data() + colon + 1);
    return nullptr;
  }
  if (name == "random" || name == "greedy") {
    if (colon != std::string_view::npos) {
      std::fprintf(stderr, "%.*s takes no options\n", static_cast<int>(name.size()), name.data());
      return nullptr;
    }
    if (name == "random") return std::make_unique<RandomPlayer>();
    return std::make_unique<GreedyPlayer>();
  }
  Limits limits;
  if (name != "full") {
    const auto strength = ParseStrength(name);
    if (!strength) {
      std::fprintf(stderr, "unknown player: %.*s\n", static_cast<int>(name.size()), name.data());
      return nullptr;
    }
    limits = StrengthLimits(*strength);
  }
  if (options.moveTimeMs >= 0) limits.moveTimeMs = options.moveTimeMs;
  Weights weights = kDefaultWeights;
  std::int64_t hashMb = 16;
  if (colon != std::string_view::npos) {
    for (std::string_view option : Split(description.substr(colon + 1), ',')) {
      const auto eq = option.find('=');
      std::int64_t v = 0;
      const bool number = eq != std::string_view::npos && ParseInt(option.substr(eq + 1), v);
      const std::string_view key = option.substr(0, eq);
      if (number && key == "depth") {
        limits.depth = static_cast<int>(v);
      } else if (number && key == "margin") {
        limits.randomMargin = static_cast<int>(v);
      } else if (number && key == "movetime") {
        limits.moveTimeMs = v;
      } else if (number && key == "hash") {
        hashMb = v;
      } else if (!SetWeight(weights, option)) {
        std::fprintf(stderr, "bad player option: %.*s\n", static_cast<int>(option.size()),
                     option.data());
        return nullptr;
      }
    }
  }
  return std::make_unique<EnginePlayer>(limits, weights, static_cast<std::size_t>(hashMb));
}

// A random but sound opening: each ply is drawn among the moves a shallow search scores
// within a few points of its best, so that neither camp starts a pair of games lost.
std::vector<Move> RandomOpening(std::uint64_t seed, int plies) {
  std::vector<Move> line;
  Position pos = Position::Start();
  Searcher searcher(1);
  const std::atomic<bool> stop{false};
  Limits limits;
  limits.depth = 2;
  limits.randomMargin = 15;
  Undo undo;
  for (int i = 0; i < plies; ++i) {
    limits.seed = seed + static_cast<std::uint64_t>(i);
    const Move m = searcher.Search(pos, limits, stop).best;
    if (m.IsNone()) break;
    line.push_back(m);
    pos.Make(m, undo);
  }
  return line;
}

struct GameResult {
  std::optional<Camp> winner;  // none for a draw
  const char* how;
  int plies;
  int lost[kCampCount];  // value of each camp's captured pieces
};

// The scoring rule: Fir wins when Oak has lost strictly more value, else Oak.
std::optional<Camp> ByScoring(const int (&lost)[kCampCount], const Options& options) {
  if (options.equalIsDraw && lost[0] == lost[1]) return std::nullopt;
  return lost[1] > lost[0] ? Camp::Fir : Camp::Oak;
}

GameResult PlayGame(Player& fir, Player& oak, const std::vector<Move>& opening,
                    const Options& options, std::string* record) {
  Position pos = Position::Start();
  int lost[kCampCount] = {0, 0};  // value of each camp's captured pieces
  Undo undo;
  std::vector<Move> played;
  for (int ply = 0; ply < options.maxPlies; ++ply) {
    Player& mover = pos.SideToMove() == Camp::Fir ? fir : oak;
    const Move m =
        ply < static_cast<int>(opening.size()) ? opening[ply] : mover.Choose(pos, played);
    if (m.IsNone()) {
      // The engine's claim of Scoring reads as a pass here (so does a program's "bestmove
      // scoring"): a pass by the camp the rule favours, once Scoring may be called.
      if (pos.ScoringOpen() && pos.ScoringFavours() == pos.SideToMove())
        return {ByScoring(lost, options), "Scoring claimed", ply, {lost[0], lost[1]}};
      played.push_back(m);
      if (record) *record += MoveText(m) + ' ';
      pos.MakePass();
      continue;
    }
    played.push_back(m);
    if (record) *record += MoveText(m) + ' ';
    if (!IsLegal(pos, m)) {
      std::fprintf(stderr, "illegal move %s chosen; the mover loses\n", MoveText(m).c_str());
      return {OtherCamp(pos.SideToMove()), "illegal move", ply + 1, {lost[0], lost[1]}};
    }
    const PieceId captured = pos.PieceAt(m.To());
    if (captured != kNoPiece) {
      lost[Index(CampOf(captured))] += ValueOf(KindOf(captured));
      if (KindOf(captured) == PieceKind::Tree)
        return {pos.SideToMove(), "Tree captured", ply + 1, {lost[0], lost[1]}};
    }
    pos.Make(m, undo);
  }
  return {
      ByScoring(lost, options), "scoring at the ply limit", options.maxPlies, {lost[0], lost[1]}};
}

double Elo(double score) {
  return -400.0 * std::log10(1.0 / score - 1.0);
}

int Usage() {
  std::fprintf(stderr,
               "usage: tamsok_match [--games N] [--movetime MS] [--opening-plies N] "
               "[--max-plies N] [--seed N] [--verbose] [--equal-is-draw] PLAYER_A PLAYER_B\n"
               "players: random, greedy, easy, medium, hard, full; engine options after a "
               "colon, e.g. hard:depth=5,margin=0,mobility=3\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::vector<std::string_view> players;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::int64_t v = 0;
    auto number = [&](std::int64_t lo) {
      return i + 1 < argc && ParseInt(argv[i + 1], v) && v >= lo ? (++i, true) : false;
    };
    if (arg == "--games" && number(1)) {
      options.games = static_cast<int>(v);
    } else if (arg == "--movetime" && number(1)) {
      options.moveTimeMs = v;
    } else if (arg == "--opening-plies" && number(0)) {
      options.openingPlies = static_cast<int>(v);
    } else if (arg == "--max-plies" && number(1)) {
      options.maxPlies = static_cast<int>(v);
    } else if (arg == "--seed" && number(0)) {
      options.seed = static_cast<std::uint64_t>(v);
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--equal-is-draw") {
      options.equalIsDraw = true;
    } else if (!arg.starts_with("--")) {
      players.push_back(arg);
    } else {
      return Usage();
    }
  }
  if (players.size() != 2) return Usage();
  auto a = MakePlayer(players[0], options);
  auto b = MakePlayer(players[1], options);
  if (!a || !b) return Usage();

  std::mt19937_64 rng(options.seed);
  std::vector<Move> opening;
  int wins = 0, draws = 0, losses = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int game = 0; game < options.games; ++game) {
    if (game % 2 == 0) opening = RandomOpening(rng(), options.openingPlies);
    const bool aIsFir = game % 2 == 0;
    Player& fir = aIsFir ? *a : *b;
    Player& oak = aIsFir ? *b : *a;
    fir.NewGame(options.seed * 1000003 + static_cast<std::uint64_t>(game) * 2);
    oak.NewGame(options.seed * 1000003 + static_cast<std::uint64_t>(game) * 2 + 1);
    std::string record;
    const GameResult r = PlayGame(fir, oak, opening, options, options.verbose ? &record : nullptr);
    const bool aWon = r.winner && (*r.winner == Camp::Fir) == aIsFir;
    (!r.winner ? draws : aWon ? wins : losses) += 1;
    std::printf("game %3d: A plays %s, %s (%s, %d plies, lost Fir %d Oak %d)  [A %d-%d-%d]\n",
                game + 1, aIsFir ? "Fir" : "Oak",
                !r.winner ? "draw"
                : aWon    ? "A wins"
                          : "B wins",
                r.how, r.plies, r.lost[0], r.lost[1], wins, draws, losses);
    if (options.verbose) std::printf("  %s\n", record.c_str());
    std::fflush(stdout);
  }

  const double n = options.games;
  const double score = (wins + 0.5 * draws) / n;
  const double minutes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60.0;
  std::printf("\n%.*s vs %.*s: %d games, W %d  D %d  L %d  (score %.1f%%, %.1f min)\n",
              static_cast<int>(players[0].size()), players[0].data(),
              static_cast<int>(players[1].size()), players[1].data(), options.games, wins, draws,
              losses, 100.0 * score, minutes);
  if (score <= 0.0 || score >= 1.0) {
    std::printf("Elo difference: %s (every game %s; 95%% bound %+.0f)\n",
                score >= 1.0 ? "+inf" : "-inf", score >= 1.0 ? "won" : "lost",
                // With no loss in n games, the loss rate is below 3/n at 95% (rule of three).
                (score >= 1.0 ? 1.0 : -1.0) * Elo(1.0 - std::min(3.0 / n, 0.5)) + 0.0);
  } else {
    // Per-game variance of the score, then the 95% interval of the mean, mapped to Elo. The
    // +/- figure is half the interval's width; near 0% or 100% the interval is lopsided, so
    // its ends are printed too.
    const double variance = (wins * std::pow(1.0 - score, 2) + draws * std::pow(0.5 - score, 2) +
                             losses * std::pow(score, 2)) /
                            n;
    const double margin = 1.96 * std::sqrt(variance / n);
    auto bound = [](double p) {
      if (p <= 0.0) return std::string("-inf");
      if (p >= 1.0) return std::string("+inf");
      char text[32];
      std::snprintf(text, sizeof text, "%+.0f", Elo(p));
      return std::string(text);
    };
    const double lo = std::max(score - margin, 1e-6), hi = std::min(score + margin, 1 - 1e-6);
    std::printf("Elo difference: %+.0f +/- %.0f (95%%; interval %s .. %s)\n", Elo(score),
                (Elo(hi) - Elo(lo)) / 2, bound(score - margin).c_str(),
                bound(score + margin).c_str());
  }
  return 0;
}
