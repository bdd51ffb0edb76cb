// The text protocol: replies, moves and their errors (the position never changes on a bad
// line), searches that end with one bestmove, and stop.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "engine/MoveGen.h"
#include "engine/Protocol.h"

namespace tamsok::engine {
namespace {

// A session whose output lines are collected, with a bounded wait for a line to appear.
class Session {
 public:
  Session()
      : session_([this](std::string_view line) {
          std::lock_guard lock(mutex_);
          lines_.emplace_back(line);
          arrived_.notify_all();
        }) {}

  // The lines the command wrote; for a search that started, up to its bestmove.
  std::vector<std::string> Send(const std::string& line) {
    const std::size_t before = Count();
    session_.HandleLine(line);
    const bool refused = Count() > before && Line(before).rfind("info string error", 0) == 0;
    if (line.rfind("go", 0) == 0 && !refused) WaitForBestMove(before);
    std::lock_guard lock(mutex_);
    return {lines_.begin() + static_cast<std::ptrdiff_t>(before), lines_.end()};
  }

  // Waits (boundedly) for a bestmove line at index `from` or later.
  bool WaitForBestMove(std::size_t from) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::seconds(30), [&] {
      return lines_.size() > from && lines_.back().rfind("bestmove ", 0) == 0;
    });
  }

  std::size_t Count() {
    std::lock_guard lock(mutex_);
    return lines_.size();
  }

  std::string Line(std::size_t i) {
    std::lock_guard lock(mutex_);
    return lines_[i];
  }

  ProtocolSession& session() { return session_; }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<std::string> lines_;
  ProtocolSession session_;
};

Position Played(std::initializer_list<const char*> moves) {
  Position pos = Position::Start();
  Undo undo;
  for (const char* text : moves) {
    pos.Make(*ParseMove(text), undo);
  }
  return pos;
}

TEST(Protocol, AnswersTheHandshake) {
  Session s;
  const auto uci = s.Send("uci");
  ASSERT_FALSE(uci.empty());
  EXPECT_EQ(uci.front().rfind("id name ", 0), 0u);
  EXPECT_EQ(uci.back(), "uciok");
  EXPECT_EQ(s.Send("isready"), std::vector<std::string>{"readyok"});
  EXPECT_TRUE(s.Send("").empty());
  EXPECT_TRUE(s.Send("  \r").empty());
}

TEST(Protocol, PlaysTheMovesOfAPosition) {
  Session s;
  EXPECT_TRUE(s.Send("position startpos moves a2a3 a7a6 0000 j7j6").empty());
  Position expected = Played({"a2a3", "a7a6"});
  expected.MakePass();
  Undo undo;
  expected.Make(Move(MakeSq(9, 7), MakeSq(9, 6)), undo);
  EXPECT_EQ(s.session().CurrentPosition(), expected);
  EXPECT_TRUE(s.Send("position startpos").empty());
  EXPECT_EQ(s.session().CurrentPosition(), Position::Start());
}

// Each bad line gets exactly one error line and leaves the position as the last good one.
TEST(Protocol, RejectsBadLinesAndKeepsThePosition) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"position startpos moves a2a3 zz", "malformed move: zz"},
      {"position startpos moves a2a3 k2k3", "malformed move: k2k3"},
      {"position startpos moves a2a3 a7a6a", "malformed move: a7a6a"},
      {"position startpos moves a2a5", "illegal move: a2a5"},       // an Ant walks at most 2
      {"position startpos moves a7a6", "illegal move: a7a6"},       // Oak's piece, Fir to move
      {"position startpos moves a4a5", "illegal move: a4a5"},       // empty square
      {"position startpos moves a2a3 a2a3", "illegal move: a2a3"},  // the Ant has left a2
      {"position fen x", "position needs startpos"},
      {"position", "position needs startpos"},
      {"position startpos a2a3", "unexpected text after startpos: a2a3"},
      {"go depth", "bad go argument: depth"},
      {"go depth -3", "bad go argument: -3"},
      {"go movetime 1x", "bad go argument: 1x"},
      {"go sideways 3", "bad go argument: sideways"},
      {"setoption name Hash value 0", "bad option value: 0"},
      {"setoption name Strength value Brutal", "bad option value: Brutal"},
      {"setoption name Colour value red", "unknown option: Colour"},
      {"setoption name MultiPV value 0", "bad option value: 0"},
      {"setoption name MultiPV value 17", "bad option value: 17"},
      {"setoption name Hash", "setoption needs: name <id> value <x>"},
      {"castle", "unknown command: castle"},
      {"\x01\xff\xfe", "unknown command: \x01\xff\xfe"},
  };
  Session s;
  s.Send("position startpos moves e2e4 e7e5");
  const Position kept = s.session().CurrentPosition();
  for (const auto& c : cases) {
    EXPECT_EQ(s.Send(c.line), std::vector<std::string>{std::string("info string error ") + c.error})
        << c.line;
    EXPECT_EQ(s.session().CurrentPosition(), kept) << c.line;
  }
  // A very long line of moves is read to its end; the bad move in it is found.
  std::string longLine = "position startpos moves";
  for (int i = 0; i < 2500; ++i)
    longLine += " a2a3 a7a6 a3a2 a6a7";
  longLine += " j9j0";
  EXPECT_EQ(s.Send(longLine), std::vector<std::string>{"info string error illegal move: j9j0"});
  EXPECT_EQ(s.session().CurrentPosition(), kept);
}

TEST(Protocol, SearchesAndAnswersWithALegalMove) {
  Session s;
  s.Send("position startpos moves a2a3");
  const auto out = s.Send("go depth 3");
  ASSERT_GE(out.size(), 4u);
  EXPECT_EQ(out[0].rfind("info depth 1 multipv 1 score cp ", 0), 0u) << out[0];
  EXPECT_NE(out[2].find(" nodes "), std::string::npos);
  EXPECT_NE(out[2].find(" nps "), std::string::npos);
  EXPECT_NE(out[2].find(" pv "), std::string::npos);
  const auto m = ParseMove(out.back().substr(9));
  ASSERT_TRUE(m) << out.back();
  EXPECT_TRUE(IsLegal(Played({"a2a3"}), *m));
  EXPECT_FALSE(s.Send("go wtime 2000 btime 50 movestogo 10").empty());
}

// With several lines each report has one info line per line, numbered; the last report
// before bestmove is the line of the move played, also when the search is cut short.
TEST(Protocol, ReportsEveryLineAndEndsWithTheLineOfTheMovePlayed) {
  Session s;
  s.Send("setoption name MultiPV value 3");
  for (const char* go : {"go depth 3", "go nodes 300"}) {
    const auto out = s.Send(go);
    ASSERT_GE(out.size(), 2u) << go;
    const std::string best = out.back().substr(9);
    std::string lastFirst;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
      const std::size_t at = out[i].find(" multipv ");
      ASSERT_NE(at, std::string::npos) << out[i];
      if (out[i].compare(at, 11, " multipv 1 ") == 0) lastFirst = out[i];
    }
    EXPECT_NE(lastFirst.find(" pv " + best), std::string::npos) << go << ": " << lastFirst;
  }
  const auto three = s.Send("go depth 2");
  EXPECT_EQ(three.size(), 7u);  // two depths of three lines, and bestmove
  EXPECT_NE(three[5].find("depth 2 multipv 3 "), std::string::npos) << three[5];
}

// Passes are records. From fifty records on, the camp the rule favours claims on its turn;
// the other one looks for a capture that turns the balance, and its move reads back in.
TEST(Protocol, CountsPassesAndClaimsScoring) {
  Session s;
  auto passes = [](int n) {
    std::string line = "position startpos moves";
    for (int i = 0; i < n; ++i)
      line += " 0000";
    return line;
  };
  s.Send(passes(51));  // a tie, and Oak to move: a tie is Oak's
  EXPECT_EQ(s.session().CurrentPosition().Records(), 51);
  EXPECT_EQ(s.Send("d").back(), "Records: 51; lost value: Fir 0, Oak 0");
  EXPECT_EQ(s.Send("go depth 3"), std::vector<std::string>{"bestmove scoring"});

  s.Send(passes(50));  // Fir to move: its Lightning takes an Oak piece, and Oak cannot call
  const auto out = s.Send("go depth 2");
  ASSERT_GE(out.size(), 2u);
  EXPECT_NE(out[out.size() - 2].find(" score mate 1 "), std::string::npos) << out[out.size() - 2];
  const std::string best = out.back().substr(9);
  EXPECT_TRUE(s.Send(passes(50) + " " + best).empty()) << best;
  EXPECT_EQ(s.session().CurrentPosition().Records(), 51);
  EXPECT_GT(s.session().CurrentPosition().Lost(Camp::Oak), 0);
  s.Send(passes(50) + " " + best + " 0000");  // Oak passes instead of taking back
  EXPECT_EQ(s.Send("go depth 1"), std::vector<std::string>{"bestmove scoring"});  // Fir's, now
}

TEST(Protocol, StopEndsAnInfiniteSearchWithOneBestMove) {
  Session s;
  s.session().HandleLine("go infinite");
  s.session().HandleLine("isready");  // answered while thinking
  s.session().HandleLine("stop");
  ASSERT_TRUE(s.WaitForBestMove(0));
  const auto after = s.Send("stop");  // nothing left to stop
  EXPECT_TRUE(after.empty());
  EXPECT_FALSE(s.session().HandleLine("quit"));
}

}  // namespace
}  // namespace tamsok::engine
