#include "game/GameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>

#include "game/Format.h"
#include "game/GameTexts.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/MoveCheck.h"

namespace tamsok {

namespace {

namespace text = gametext;

// Short enough to quote in a message; a whole line can be long.
std::string Quote(std::string_view s) {
  constexpr std::size_t kMax = 40;
  return s.size() <= kMax ? std::string(s) : std::string(s.substr(0, kMax)) + "...";
}

std::optional<int> ParseInt(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

std::optional<Camp> ParseCamp(std::string_view s) {
  for (Camp c : {Camp::Fir, Camp::Oak})
    if (s == CampName(c)) return c;
  return std::nullopt;
}

// Takes `prefix` off the front of `s`; false when it is not there.
bool Consume(std::string_view& s, std::string_view prefix) {
  if (s.substr(0, prefix.size()) != prefix) return false;
  s.remove_prefix(prefix.size());
  return true;
}

// "played as Oak, unit time 30, exceedings 10, retractions 3" or "watched, ...".
std::optional<NetworkTerms> ParseNetwork(std::string_view s) {
  NetworkTerms t;
  const std::size_t comma = s.find(", ");
  if (comma == std::string_view::npos) return std::nullopt;
  std::string_view who = s.substr(0, comma);
  if (Consume(who, text::kPlayedAs)) {
    t.playedAs = ParseCamp(who);
    if (!t.playedAs) return std::nullopt;
  } else if (who != text::kWatched) {
    return std::nullopt;
  }
  s.remove_prefix(comma + 2);
  int* fields[] = {&t.unitTime, &t.exceedLimit, &t.retractLimit};
  const std::string_view names[] = {text::kUnitTime, text::kExceedings, text::kRetractions};
  for (int i = 0; i < 3; ++i) {
    if (!Consume(s, names[i])) return std::nullopt;
    const std::size_t end = i < 2 ? s.find(", ") : s.size();
    if (end == std::string_view::npos) return std::nullopt;
    const std::optional<int> v = ParseInt(s.substr(0, end));
    if (!v || *v < 0) return std::nullopt;
    *fields[i] = *v;
    s.remove_prefix(i < 2 ? end + 2 : end);
  }
  return t;
}

std::string NetworkText(const NetworkTerms& t) {
  std::string who = t.playedAs ? std::string(text::kPlayedAs) + std::string(CampName(*t.playedAs))
                               : std::string(text::kWatched);
  return who + ", " + std::string(text::kUnitTime) + std::to_string(t.unitTime) + ", " +
         std::string(text::kExceedings) + std::to_string(t.exceedLimit) + ", " +
         std::string(text::kRetractions) + std::to_string(t.retractLimit);
}

// "plays Oak, strength Hard". The strength is kept as a name, of printable characters: a name
// this program does not know is the caller's to judge.
std::optional<SavedComputer> ParseComputer(std::string_view s) {
  SavedComputer c;
  const std::size_t at = s.find(text::kStrength);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view camp = s.substr(0, at);
  if (!Consume(camp, text::kPlays)) return std::nullopt;
  const std::optional<Camp> parsed = ParseCamp(camp);
  if (!parsed) return std::nullopt;
  c.camp = *parsed;
  c.strength = std::string(s.substr(at + text::kStrength.size()));
  const bool printable = std::none_of(c.strength.begin(), c.strength.end(), [](char ch) {
    return static_cast<unsigned char>(ch) < 0x20;
  });
  if (c.strength.empty() || !printable) return std::nullopt;
  return c;
}

std::string ComputerText(const SavedComputer& c) {
  std::string strength = c.strength;
  for (char& ch : strength)
    if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
  return std::string(text::kPlays) + std::string(CampName(c.camp)) + std::string(text::kStrength) +
         strength;
}

std::string RecordText(const SavedRecord& r) {
  if (r.isPass) return std::string(engine::kPassText);
  return engine::MoveText(r.squares.from, r.squares.to);
}

ReadGameResult Fail(int line, std::string what) {
  return {std::nullopt, {line, std::move(what)}};
}

// The file's lines, numbered from 1, without their line ends.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

// The header's own keys; a note may not use one.
constexpr std::string_view kOwnKeys[] = {text::kKeyVersion, text::kKeyDate,     text::kKeyView,
                                         text::kKeyNetwork, text::kKeyComputer, text::kKeyResult,
                                         text::kKeyRecords, text::kKeyCurrent,  text::kKeyToMove};

bool WritableNote(const HeaderNote& note) {
  for (std::string_view own : kOwnKeys)
    if (note.key == own) return false;
  auto clean = [](const std::string& s) {
    return s.find_first_of("\r\n") == std::string::npos && s.find(": ") == std::string::npos;
  };
  return !note.key.empty() && clean(note.key) &&
         note.value.find_first_of("\r\n") == std::string::npos && Trim(note.key) == note.key &&
         Trim(note.value) == note.value;
}

}  // namespace

std::string WriteGameFile(const SavedGame& game) {
  auto line = [](std::string_view key, const std::string& value) {
    return std::string(key) + ": " + value + "\n";
  };
  std::string date = game.date;
  for (char& c : date)
    if (c == '\n' || c == '\r') c = ' ';
  std::string out = std::string(text::kMagic) + "\n";
  out += line(text::kKeyVersion, std::to_string(kGameFileVersion));
  if (!date.empty()) out += line(text::kKeyDate, date);
  out += line(text::kKeyView, std::to_string(game.viewSide));
  if (game.network) out += line(text::kKeyNetwork, NetworkText(*game.network));
  if (game.computer) out += line(text::kKeyComputer, ComputerText(*game.computer));
  if (game.winner)
    out +=
        line(text::kKeyResult, std::string(CampName(*game.winner)) + std::string(text::kWinSuffix));
  out += line(text::kKeyRecords, std::to_string(game.records.size()));
  out += line(text::kKeyCurrent, std::to_string(game.current));
  out += line(text::kKeyToMove, std::string(CampName(SideAfterRecords(game.current))));
  for (const HeaderNote& note : game.notes)
    if (WritableNote(note)) out += line(note.key, note.value);
  out += "\n";
  for (const SavedRecord& r : game.records)
    out += RecordText(r) + "\n";
  return out;
}

ReadGameResult ReadGameFile(std::string_view fileText) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (fileText.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    fileText.remove_prefix(kByteOrderMark.size());
  const std::vector<std::string_view> lines = SplitLines(fileText);
  if (lines.empty() || Trim(lines[0]) != text::kMagic) return Fail(1, text::kNotAGameFile);

  SavedGame game;
  std::optional<int> version, records, current;
  std::optional<Camp> toMove;
  bool viewSeen = false;
  int currentLine = 0, toMoveLine = 0;
  std::vector<std::string_view> seen;
  std::size_t i = 1;
  for (; i < lines.size() && !Trim(lines[i]).empty(); ++i) {
    const int n = static_cast<int>(i) + 1;
    const std::string_view l = lines[i];
    const std::size_t colon = l.find(": ");
    if (colon == std::string_view::npos) return Fail(n, text::kBadHeaderLine);
    const std::string_view key = l.substr(0, colon), value = Trim(l.substr(colon + 2));
    for (std::string_view k : seen)
      if (k == key) return Fail(n, Format(text::kRepeatedKey, std::string(key).c_str()));
    seen.push_back(key);
    auto bad = [&] {
      return Fail(n, Format(text::kBadValue, Quote(value).c_str(), std::string(key).c_str()));
    };
    if (key == text::kKeyVersion) {
      version = ParseInt(value);
      if (!version || *version < 1) return bad();
      if (*version > kGameFileVersion)
        return Fail(n, Format(text::kNewerVersion, *version, kGameFileVersion));
    } else if (key == text::kKeyDate) {
      game.date = std::string(value);
    } else if (key == text::kKeyView) {
      const std::optional<int> v = ParseInt(value);
      if (!v || !IsValidViewSide(*v)) return bad();
      game.viewSide = *v;
      viewSeen = true;
    } else if (key == text::kKeyNetwork) {
      game.network = ParseNetwork(value);
      if (!game.network) return bad();
    } else if (key == text::kKeyComputer) {
      game.computer = ParseComputer(value);
      if (!game.computer) return bad();
    } else if (key == text::kKeyResult) {
      std::string_view camp = value;
      if (camp.size() <= text::kWinSuffix.size() ||
          camp.substr(camp.size() - text::kWinSuffix.size()) != text::kWinSuffix)
        return bad();
      camp.remove_suffix(text::kWinSuffix.size());
      game.winner = ParseCamp(camp);
      if (!game.winner) return bad();
    } else if (key == text::kKeyRecords) {
      records = ParseInt(value);
      if (!records || *records < 0 || *records > Game::kMaxRecords) return bad();
    } else if (key == text::kKeyCurrent) {
      current = ParseInt(value);
      if (!current || *current < 0) return bad();
      currentLine = n;
    } else if (key == text::kKeyToMove) {
      toMove = ParseCamp(value);
      if (!toMove) return bad();
      toMoveLine = n;
    } else {
      // Other keys are notes: kept as they are, when they could be written back so.
      HeaderNote note{std::string(key), std::string(value)};
      if (WritableNote(note)) game.notes.push_back(std::move(note));
    }
  }
  if (i >= lines.size()) return Fail(static_cast<int>(lines.size()) + 1, text::kNoRecordsPart);
  const int headerEnd = static_cast<int>(i) + 1;
  const std::pair<bool, std::string_view> required[] = {{version.has_value(), text::kKeyVersion},
                                                        {viewSeen, text::kKeyView},
                                                        {records.has_value(), text::kKeyRecords},
                                                        {current.has_value(), text::kKeyCurrent}};
  for (const auto& [present, key] : required)
    if (!present) return Fail(headerEnd, Format(text::kMissingKey, std::string(key).c_str()));
  if (*current > *records)
    return Fail(currentLine, Format(text::kCurrentAboveRecords, *current, *records));
  if (toMove && *toMove != SideAfterRecords(*current))
    return Fail(toMoveLine,
                Format(text::kWrongToMove, std::string(CampName(*toMove)).c_str(), *current));

  // The records: one a line; empty lines at the very end are the end of the file.
  std::size_t last = lines.size();
  while (last > i + 1 && Trim(lines[last - 1]).empty())
    --last;
  game.firstRecordLine = headerEnd + 1;
  for (std::size_t j = i + 1; j < last; ++j) {
    const int n = static_cast<int>(j) + 1;
    if (static_cast<int>(game.records.size()) == *records)
      return Fail(n, Format(text::kExtraRecord, *records));
    const std::string_view t = Trim(lines[j]);
    SavedRecord r;
    if (t == engine::kPassText) {
      r.isPass = true;
    } else if (const std::optional<engine::MoveSquares> m = engine::ParseMoveText(t)) {
      r.squares = *m;
    } else {
      return Fail(n, Format(text::kNotAMove, Quote(t).c_str()));
    }
    game.records.push_back(r);
  }
  if (static_cast<int>(game.records.size()) < *records)
    return Fail(static_cast<int>(last) + 1,
                Format(text::kCutShort, static_cast<int>(game.records.size()), *records));
  game.current = *current;
  return {std::move(game), {}};
}

std::string FileErrorText(const FileError& error) {
  return error.line > 0 ? Format(text::kLine, error.line, error.what.c_str()) : error.what;
}

SavedGame SaveGame(const Game& game, std::string date, std::optional<SavedComputer> computer) {
  SavedGame s;
  s.date = std::move(date);
  s.viewSide = game.ViewSide();
  s.network = game.Terms();
  s.computer = std::move(computer);
  s.winner = game.Winner();
  s.current = game.RecordCount();
  for (int i = 1; i <= game.RedoLimit(); ++i) {
    const MoveRecord& r = game.Record(i);
    SavedRecord saved;
    saved.isPass = r.IsPass;
    if (!r.IsPass)
      saved.squares = {ToCanonical(s.viewSide, {r.FromX, r.FromY}),
                       ToCanonical(s.viewSide, {r.ToX, r.ToY})};
    s.records.push_back(saved);
  }
  return s;
}

std::optional<FileError> LoadGame(Game& game, const SavedGame& saved) {
  const int count = static_cast<int>(saved.records.size());
  if (!IsValidViewSide(saved.viewSide) || saved.current < 0 || saved.current > count)
    return FileError{0, text::kCurrentOutOfRange};

  // The scratch game shows nothing and answers every box with OK.
  NullGameView view;
  NullPeerLink peer;
  Game replay(view, peer, 0u);
  replay.FormCreate();
  replay.SelectViewSide(saved.viewSide);
  replay.miNewClick();
  const int side = saved.viewSide;
  for (int i = 0; i < count; ++i) {
    const SavedRecord& r = saved.records[static_cast<std::size_t>(i)];
    const int line = saved.firstRecordLine > 0 ? saved.firstRecordLine + i : 0;
    const std::string move = RecordText(r);
    const int before = replay.RecordCount();
    if (r.isPass) {
      replay.PassBookkeeping();
    } else {
      const Square from = FromCanonical(side, r.squares.from);
      const Square to = FromCanonical(side, r.squares.to);
      const PieceId piece = replay.board().OccupantAt(from);
      if (piece == kNoPiece)
        return FileError{line, Format(text::kNoPieceThere, move.c_str(),
                                      engine::SquareText(r.squares.from).c_str())};
      MoveCheckResult code = CheckMove(replay.board(), piece, from.x, from.y, to.x, to.y);
      if (CampOf(piece) != replay.SideToMove()) code = MoveCheckResult::EmptyFromOrNotTurn;
      if (code != MoveCheckResult::Legal)
        return FileError{
            line, Format(text::kRefused, move.c_str(), MoveCheckText(code, CampOf(piece)).c_str())};
      replay.PlayDroppedPiece(piece, to.x, to.y);
    }
    if (replay.RecordCount() == before)
      return FileError{line, Format(text::kTooLong, move.c_str())};
  }
  for (int n = count - saved.current; n > 0; --n)
    replay.miUndoClick();
  game.AdoptReplayed(replay, saved.winner, saved.network);
  return std::nullopt;
}

std::string CurrentDateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[64];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S %z", &local);
  return std::string(buffer, n);
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string& error) {
  // A name that no other writer picks: this process's id and a counter.
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = path;
    temp += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  // A file saved over keeps its permissions.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

  bool ok = true;
  for (std::string_view rest = content; ok && !rest.empty();) {
    const ssize_t n = ::write(fd, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) rest.remove_prefix(static_cast<std::size_t>(n));
  }
  ok = ok && ::fsync(fd) == 0;
  if (!ok) error = std::strerror(errno);
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = std::strerror(errno);
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = std::strerror(errno);
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                                         std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  std::string data(maxBytes + 1, '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  if (in.bad()) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  data.resize(static_cast<std::size_t>(in.gcount()));
  if (data.size() > maxBytes) {
    error = Format(text::kTooLarge, maxBytes);
    return std::nullopt;
  }
  return data;
}

}  // namespace tamsok
