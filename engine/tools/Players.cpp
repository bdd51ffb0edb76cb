#include "engine/tools/Players.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/Engine.h"
#include "engine/MoveGen.h"
#include "engine/Search.h"

namespace tamsok::match {

using namespace engine;

namespace {

class RandomPlayer : public Player {
 public:
  void NewGame(std::uint64_t seed) override { rng_.seed(seed); }
  Action Choose(const MatchState& game) override {
    MoveList list;
    GenerateMoves(game.pos, list);
    return Pick(list);
  }

 protected:
  Action Pick(const MoveList& list) {
    if (list.size() == 0) return Action::Play(Move());
    return Action::Play(list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng_)]);
  }
  std::mt19937_64 rng_;
};

class GreedyPlayer : public RandomPlayer {
 public:
  Action Choose(const MatchState& game) override {
    MoveList captures, best;
    GenerateCaptures(game.pos, captures);
    int bestValue = -1;
    for (Move m : captures) {
      const int v = ValueOf(KindOf(game.pos.PieceAt(m.To())));
      if (v > bestValue) best.Clear(), bestValue = v;
      if (v == bestValue) best.Add(m);
    }
    return best.size() ? Pick(best) : RandomPlayer::Choose(game);
  }
};

class EnginePlayer : public Player {
 public:
  EnginePlayer(const Limits& limits, const Weights& weights, std::size_t hashMb,
               const std::atomic<bool>& abort)
      : limits_(limits), searcher_(hashMb, weights), abort_(abort) {}
  void NewGame(std::uint64_t seed) override {
    searcher_.Clear();
    limits_.seed = seed;
  }
  Action Choose(const MatchState& game) override {
    // The positions so far, as a program is told them by the moves of the game.
    Position p = Position::Start();
    limits_.earlierBoards.assign(1, p.BoardKey());
    Undo undo;
    for (Move m : game.records) {
      if (m.IsNone())
        p.MakePass();
      else
        p.Make(m, undo);
      limits_.earlierBoards.push_back(p.BoardKey());
    }
    const SearchResult r = searcher_.Search(game.pos, limits_, abort_);
    return r.claim ? Action::Claim() : Action::Play(r.best);
  }
  // The engine claims Scoring on its turn whenever the rule favours it.
  bool ClaimsItself() const override { return true; }

 private:
  Limits limits_;
  Searcher searcher_;
  const std::atomic<bool>& abort_;
};

// Another engine program speaking the text protocol over pipes, told the game's records and
// a time per move before each of its moves: a way to match two builds against each other.
class ProgramPlayer : public Player {
 public:
  ProgramPlayer(std::string path, std::int64_t moveTimeMs)
      : path_(std::move(path)), moveTimeMs_(moveTimeMs > 0 ? moveTimeMs : 1000) {}

  ~ProgramPlayer() override {
    if (toChild_ >= 0) {
      Send("quit");
      close(toChild_);
    }
    if (fromChild_ >= 0) close(fromChild_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }

  // Starts the program, makes sure it speaks the protocol and finds out whether it claims
  // Scoring by itself. Returns the reason when it fails.
  std::string Start() {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0) return "no pipe";
    if (pipe2(out, O_CLOEXEC) != 0) {
      close(in[0]);
      close(in[1]);
      return "no pipe";
    }
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], STDIN_FILENO);
      dup2(out[1], STDOUT_FILENO);
      execl(path_.c_str(), path_.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toChild_ = in[1];
    fromChild_ = out[0];
    if (pid_ < 0) return "cannot start " + path_;
    Send("uci");
    if (!Await("uciok", kStartMs)) return path_ + " does not answer uci";
    std::string passes = "position startpos moves";
    for (int i = 0; i < 51; ++i)
      passes += " 0000";
    Send(passes);
    Send("go depth 1");
    const auto reply = Await("bestmove ", kStartMs);
    if (!reply) return path_ + " does not answer go";
    claims_ = *reply == "bestmove scoring";
    return {};
  }

  void NewGame(std::uint64_t seed) override {
    Send("ucinewgame");
    Send("setoption name Seed value " + std::to_string(seed & 0x7fffffff));
  }

  Action Choose(const MatchState& game) override {
    std::string line = "position startpos moves";
    for (Move m : game.records)
      line += ' ' + MoveText(m);
    Send(line);
    Send("go movetime " + std::to_string(moveTimeMs_));
    const auto reply = Await("bestmove ", static_cast<int>(moveTimeMs_) + kGraceMs);
    if (!reply) {
      std::fprintf(stderr, "%s: no move within %lld ms\n", path_.c_str(),
                   static_cast<long long>(moveTimeMs_ + kGraceMs));
      std::fflush(stdout);
      std::_Exit(1);
    }
    const std::string_view word = std::string_view(*reply).substr(9);
    if (word == "scoring") return Action::Claim();
    const auto m = ParseMove(word);
    return m ? Action::Play(*m) : Action{Action::Kind::Unreadable, {}};
  }

  bool ClaimsItself() const override { return claims_; }

 private:
  static constexpr int kStartMs = 10000;
  static constexpr int kGraceMs = 10000;

  void Send(const std::string& text) {
    const std::string line = text + '\n';
    for (std::size_t done = 0; done < line.size();) {
      const ssize_t n = write(toChild_, line.data() + done, line.size() - done);
      if (n <= 0 && errno != EINTR) return;  // the program ended; the next read says so
      if (n > 0) done += static_cast<std::size_t>(n);
    }
  }

  // The next line that starts with `prefix`, or nothing when the program ends or the time
  // runs out first. Error lines are passed on to stderr.
  std::optional<std::string> Await(std::string_view prefix, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
      const auto newline = pending_.find('\n');
      if (newline != std::string::npos) {
        std::string line = pending_.substr(0, newline);
        pending_.erase(0, newline + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(prefix)) return line;
        if (line.starts_with("info string error"))
          std::fprintf(stderr, "%s: %s\n", path_.c_str(), line.c_str());
        continue;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                            deadline - std::chrono::steady_clock::now())
                            .count();
      pollfd p{fromChild_, POLLIN, 0};
      if (left <= 0 || poll(&p, 1, static_cast<int>(left)) == 0) return std::nullopt;
      char buffer[4096];
      const ssize_t n = read(fromChild_, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        std::fprintf(stderr, "%s ended\n", path_.c_str());
        return std::nullopt;
      }
      pending_.append(buffer, static_cast<std::size_t>(n));
    }
  }

  std::string path_;
  std::int64_t moveTimeMs_;
  pid_t pid_ = -1;
  int toChild_ = -1, fromChild_ = -1;
  std::string pending_;
  bool claims_ = false;
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

}  // namespace

std::unique_ptr<Player> MakePlayer(std::string_view description, std::int64_t moveTimeMs,
                                   const std::atomic<bool>& abort, std::string& error) {
  const auto colon = description.find(':');
  const std::string_view name = description.substr(0, colon);
  if (name == "program" && colon != std::string_view::npos) {
    auto player =
        std::make_unique<ProgramPlayer>(std::string(description.substr(colon + 1)), moveTimeMs);
    error = player->Start();
    if (error.empty()) return player;
    return nullptr;
  }
  if (name == "random" || name == "greedy") {
    if (colon != std::string_view::npos) {
      error = std::string(name) + " takes no options";
      return nullptr;
    }
    if (name == "random") return std::make_unique<RandomPlayer>();
    return std::make_unique<GreedyPlayer>();
  }
  Limits limits;
  if (name != "full") {
    const auto strength = ParseStrength(name);
    if (!strength) {
      error = "unknown player: " + std::string(name);
      return nullptr;
    }
    limits = StrengthLimits(*strength);
  }
  if (moveTimeMs > 0) limits.moveTimeMs = moveTimeMs;
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
      } else if (number && key == "nodes" && v >= 0) {
        limits.nodes = static_cast<std::uint64_t>(v);
      } else if (number && key == "misjudgement" && v >= 0) {
        limits.misjudgement = static_cast<int>(v);
      } else if (number && key == "quiescence") {
        limits.quiescence = v != 0;
      } else if (number && key == "movetime") {
        limits.moveTimeMs = v;
      } else if (number && key == "hash" && v > 0) {
        hashMb = v;
      } else if (!SetWeight(weights, option)) {
        error = "bad player option: " + std::string(option);
        return nullptr;
      }
    }
  }
  return std::make_unique<EnginePlayer>(limits, weights, static_cast<std::size_t>(hashMb), abort);
}

}  // namespace tamsok::match
