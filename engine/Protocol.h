// The engine's text protocol, one command per line, in the style chess engines speak to their
// front ends. Commands: uci, isready, ucinewgame, setoption, position, go, stop, quit. Moves
// are canonical text (Notation.h). The full description is engine/PROTOCOL.md.
//
// A session runs the search on a thread of its own, so that stop and isready are answered
// while it thinks; all output goes through the one callback given at construction, one line
// per call, never from two threads at once.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/Engine.h"

namespace tamsok::engine {

class ProtocolSession {
 public:
  using Output = std::function<void(std::string_view line)>;

  explicit ProtocolSession(Output output);
  ~ProtocolSession();  // stops a running search and waits for it

  // Handles one line of input (a trailing carriage return is ignored). Returns false after
  // quit, true otherwise. Errors are reported on the output; nothing is thrown.
  bool HandleLine(std::string_view line);

  // At the end of input: lets a search with a depth, time or node limit run to its end and
  // stops one without any.
  void Finish();

  // The position that the next go would search.
  const Position& CurrentPosition() const { return position_; }

 private:
  void Write(std::string_view line);
  void Error(std::string_view message, std::string_view detail = {});
  void StopThinking();
  void SetPosition(std::string_view args);
  void SetOption(std::string_view args);
  void Go(std::string_view args);

  Output output_;
  std::mutex outputMutex_;
  std::unique_ptr<Searcher> searcher_;
  Position position_;
  std::vector<std::uint64_t> boards_;  // board keys of the game's positions up to position_
  std::optional<Strength> strength_;
  std::uint64_t seed_ = 0;
  int multiPv_ = 1;
  std::atomic<bool> stop_{false};
  bool bounded_ = false;  // the running search has a depth, time or node limit
  std::thread thinker_;
};

// The score as the protocol writes it: "cp N", or "mate N" for a game won within N moves of
// the side to move, by the Tree or by Scoring ("mate -N" when lost).
std::string ScoreText(int score);

// The "info" lines of one report of the search, one per line of play (multipv 1, 2, ...).
std::vector<std::string> InfoLines(const SearchInfo& info);

// The board in the canonical frame, row 0 at the top as seen from viewing side 0: Fir's
// pieces by their two-letter codes, Oak's in lower case, empty squares as dots; then the
// side to move, the record count and the value each camp has lost.
std::vector<std::string> BoardText(const Position& pos);

}  // namespace tamsok::engine
