#include "engine/Protocol.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

#include "engine/EngineTexts.h"
#include "engine/MoveGen.h"
#include "engine/Notation.h"

namespace tamsok::engine {

namespace {

constexpr std::size_t kDefaultHashMb = 16;
constexpr std::size_t kMaxHashMb = 1024;

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
      ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t')
      ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// The first word and the rest of the line after it.
std::pair<std::string_view, std::string_view> SplitCommand(std::string_view line) {
  const auto words = Words(line);
  if (words.empty()) return {};
  const std::size_t restStart = words[0].data() + words[0].size() - line.data();
  return {words[0], line.substr(restStart)};
}

template <typename Int>
bool ParseNumber(std::string_view text, Int& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

// The time to spend on one move from the clock: an even share of what is left over the
// moves still to play, plus most of the increment, never more than half of what is left.
std::int64_t BudgetFromClock(std::int64_t left, std::int64_t increment, int movesToGo) {
  const std::int64_t share = left / std::max(movesToGo, 1) + increment * 3 / 4;
  return std::clamp<std::int64_t>(std::min(share, left / 2) - 20, 1,
                                  std::max<std::int64_t>(left, 1));
}

}  // namespace

std::vector<std::string> BoardText(const Position& pos) {
  std::vector<std::string> rows;
  rows.push_back("   a  b  c  d  e  f  g  h  i  j");
  for (int y = 0; y < 10; ++y) {
    std::string row = std::to_string(y) + " ";
    for (int x = 0; x < 10; ++x) {
      const PieceId p = pos.PieceAt(MakeSq(x, y));
      if (p == kNoPiece) {
        row += " . ";
        continue;
      }
      std::string code(KindCode(KindOf(p)));
      if (CampOf(p) == Camp::Oak)
        for (char& ch : code)
          ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      row += ' ' + code;
    }
    rows.push_back(row);
  }
  rows.push_back(std::string(CampName(pos.SideToMove())) + " to move");
  rows.push_back("Records: " + std::to_string(pos.Records()) + "; lost value: Fir " +
                 std::to_string(pos.Lost(Camp::Fir)) + ", Oak " +
                 std::to_string(pos.Lost(Camp::Oak)));
  return rows;
}

std::string ScoreText(int score) {
  if (!IsWinScore(score)) return "cp " + std::to_string(score);
  return (score > 0 ? "mate " : "mate -") + std::to_string(MovesToEnd(score));
}

std::vector<std::string> InfoLines(const SearchInfo& info) {
  std::vector<std::string> out;
  const std::int64_t ms = std::max<std::int64_t>(info.elapsedMs, 1);
  for (std::size_t k = 0; k < info.lines.size(); ++k) {
    const PvLine& pv = info.lines[k];
    std::ostringstream line;
    line << "info depth " << info.depth << " multipv " << k + 1 << " score " << ScoreText(pv.score)
         << " nodes " << info.nodes << " nps " << info.nodes * 1000 / static_cast<std::uint64_t>(ms)
         << " time " << info.elapsedMs << " pv";
    for (Move m : pv.pv)
      line << ' ' << MoveText(m);
    out.push_back(line.str());
  }
  return out;
}

ProtocolSession::ProtocolSession(Output output)
    : output_(std::move(output)),
      searcher_(std::make_unique<Searcher>(kDefaultHashMb)),
      position_(Position::Start()),
      boards_{position_.BoardKey()} {}

ProtocolSession::~ProtocolSession() {
  StopThinking();
}

void ProtocolSession::Write(std::string_view line) {
  std::lock_guard lock(outputMutex_);
  output_(line);
}

void ProtocolSession::Error(std::string_view message, std::string_view detail) {
  std::string line(texts::kErrorPrefix);
  line += message;
  line += detail;
  Write(line);
}

void ProtocolSession::StopThinking() {
  stop_.store(true);
  if (thinker_.joinable()) thinker_.join();
  stop_.store(false);
}

void ProtocolSession::Finish() {
  if (!bounded_) stop_.store(true);
  if (thinker_.joinable()) thinker_.join();
  stop_.store(false);
}

bool ProtocolSession::HandleLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
    line.remove_suffix(1);
  const auto [command, args] = SplitCommand(line);
  if (command.empty()) return true;
  if (command == "uci") {
    Write(texts::kIdName);
    Write(texts::kIdAuthor);
    Write(texts::kOptionHash);
    Write(texts::kOptionStrength);
    Write(texts::kOptionSeed);
    Write(texts::kOptionMultiPv);
    Write(texts::kUciOk);
  } else if (command == "isready") {
    Write(texts::kReadyOk);
  } else if (command == "ucinewgame") {
    StopThinking();
    searcher_->Clear();
    position_ = Position::Start();
    boards_.assign(1, position_.BoardKey());
  } else if (command == "setoption") {
    StopThinking();
    SetOption(args);
  } else if (command == "position") {
    StopThinking();
    SetPosition(args);
  } else if (command == "go") {
    StopThinking();
    Go(args);
  } else if (command == "d") {
    for (const std::string& row : BoardText(position_))
      Write(row);
  } else if (command == "stop") {
    StopThinking();
  } else if (command == "quit") {
    StopThinking();
    return false;
  } else {
    Error(texts::kUnknownCommand, command);
  }
  return true;
}

void ProtocolSession::SetPosition(std::string_view args) {
  const auto words = Words(args);
  if (words.empty() || words[0] != "startpos") return Error(texts::kPositionKind);
  if (words.size() > 1 && words[1] != "moves") return Error(texts::kPositionExtra, words[1]);

  // The moves are played on a copy; the position changes only when every one is legal.
  Position next = Position::Start();
  std::vector<std::uint64_t> boards{next.BoardKey()};
  Undo undo;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::string_view word = words[i];
    const auto m = ParseMove(word);
    if (!m) return Error(texts::kMalformedMove, word);
    if (m->IsNone()) {
      next.MakePass();
    } else {
      if (!IsLegal(next, *m)) return Error(texts::kIllegalMove, word);
      next.Make(*m, undo);
    }
    boards.push_back(next.BoardKey());
  }
  position_ = next;
  boards_ = std::move(boards);
}

void ProtocolSession::SetOption(std::string_view args) {
  const auto words = Words(args);
  // setoption name <id> value <x>; ids and values are single words here.
  if (words.size() != 4 || words[0] != "name" || words[2] != "value")
    return Error(texts::kOptionSyntax);
  const std::string_view name = words[1], value = words[3];
  if (name == "Hash") {
    std::size_t mb = 0;
    if (!ParseNumber(value, mb) || mb < 1 || mb > kMaxHashMb)
      return Error(texts::kBadOptionValue, value);
    const Weights w = searcher_->weights();
    searcher_ = std::make_unique<Searcher>(mb, w);
  } else if (name == "Strength") {
    if (value == "Full") {
      strength_.reset();
    } else if (const auto s = ParseStrength(value)) {
      strength_ = s;
    } else {
      return Error(texts::kBadOptionValue, value);
    }
  } else if (name == "Seed") {
    if (!ParseNumber(value, seed_)) return Error(texts::kBadOptionValue, value);
  } else if (name == "MultiPV") {
    int lines = 0;
    if (!ParseNumber(value, lines) || lines < 1 || lines > kMaxMultiPv)
      return Error(texts::kBadOptionValue, value);
    multiPv_ = lines;
  } else {
    Error(texts::kUnknownOption, name);
  }
}

void ProtocolSession::Go(std::string_view args) {
  Limits limits;
  if (strength_) limits = StrengthLimits(*strength_);
  limits.seed = seed_;
  limits.multiPv = multiPv_;
  limits.earlierBoards = boards_;

  const auto words = Words(args);
  std::int64_t clock[kCampCount] = {-1, -1}, increment[kCampCount] = {0, 0};
  int movesToGo = 30;
  bool timed = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view key = words[i];
    if (key == "infinite") {
      limits.moveTimeMs = 0;
      limits.depth = kMaxDepth;
      continue;
    }
    if (i + 1 >= words.size()) return Error(texts::kGoArgument, key);
    const std::string_view value = words[++i];
    std::int64_t n = 0;
    if (!ParseNumber(value, n) || n < 0) return Error(texts::kGoArgument, value);
    if (key == "depth") {
      limits.depth = static_cast<int>(std::clamp<std::int64_t>(n, 1, kMaxDepth));
    } else if (key == "movetime") {
      limits.moveTimeMs = std::max<std::int64_t>(n, 1);
      timed = true;
    } else if (key == "nodes") {
      limits.nodes = static_cast<std::uint64_t>(n);
    } else if (key == "wtime" || key == "btime") {
      clock[key == "wtime" ? 0 : 1] = n;
    } else if (key == "winc" || key == "binc") {
      increment[key == "winc" ? 0 : 1] = n;
    } else if (key == "movestogo") {
      movesToGo = static_cast<int>(std::clamp<std::int64_t>(n, 1, 1000));
    } else {
      return Error(texts::kGoArgument, key);
    }
  }
  // The clock of the side to move gives the budget unless a fixed time per move was asked.
  const int us = Index(position_.SideToMove());
  if (!timed && clock[us] >= 0)
    limits.moveTimeMs = BudgetFromClock(clock[us], increment[us], movesToGo);

  bounded_ = limits.depth < kMaxDepth || limits.moveTimeMs > 0 || limits.nodes > 0;
  thinker_ = std::thread([this, limits, root = position_] {
    const SearchResult result =
        searcher_->Search(root, limits, stop_, [this](const SearchInfo& info) {
          for (const std::string& line : InfoLines(info))
            Write(line);
        });
    Write(result.claim ? std::string(texts::kBestMoveScoring)
                       : "bestmove " + MoveText(result.best));
  });
}

}  // namespace tamsok::engine
