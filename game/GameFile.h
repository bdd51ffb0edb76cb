// Saved games. A game file is plain UTF-8 text: a header block of "Key: value" lines, an
// empty line, then one line per record in canonical notation ("e3e4", "0000" for a pass):
//
//   Tamsok Janggi game
//   Version: 1
//   Date: 2025-01-31 14:05:09 +0100
//   View: 2
//   Network: played as Oak, unit time 30, exceedings 10, retractions 3   (network games)
//   Computer: plays Oak, strength Hard                                  (against the computer)
//   Result: Fir Win                                                      (ended games)
//   Records: 57
//   Current: 55
//   To move: Oak
//   Review: Medium                                                       (notes, such as a
//   Evaluations: 0 12 -8 ...                                              game's review)
//
//   e3e4
//   0000
//   ...
//
// Records lists every record up to the redo limit, Current how many of them are in force;
// the others are taken-back moves that Redo brings back. docs/game-file.md describes it for
// users. Reading never throws: it returns the game or the line and what is wrong there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Notation.h"
#include "game/Game.h"

namespace tamsok {

inline constexpr int kGameFileVersion = 1;
// Anything larger is not a game file: the longest game fits in well under a tenth of it.
inline constexpr std::size_t kMaxGameFileBytes = 1 << 20;

// One record in the canonical frame; a pass carries no squares.
struct SavedRecord {
  bool isPass = false;
  engine::MoveSquares squares;

  friend bool operator==(const SavedRecord&, const SavedRecord&) = default;
};

// A header line that this version does not read itself: a note for people, or the game
// review's marks and evaluations (game/Review.h). Readers pass over keys they do not know.
struct HeaderNote {
  std::string key;
  std::string value;

  friend bool operator==(const HeaderNote&, const HeaderNote&) = default;
};

// A game against the computer: the camp it plays and its strength by name.
struct SavedComputer {
  Camp camp = Camp::Oak;
  std::string strength;

  friend bool operator==(const SavedComputer&, const SavedComputer&) = default;
};

struct SavedGame {
  std::string date;
  int viewSide = 0;
  std::optional<NetworkTerms> network;
  std::optional<SavedComputer> computer;
  std::optional<Camp> winner;
  std::vector<SavedRecord> records;  // 1..RedoLimit of the game
  int current = 0;                   // records in force
  int firstRecordLine = 0;           // the line of records[0] in the file it was read from
  // Written after the header's own keys, in this order; read back from every key that is not
  // one of them. A note whose key is one of them, or is empty, or holds ": " or a line end,
  // is not written.
  std::vector<HeaderNote> notes;

  friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// What is wrong with a file, and on which line (0: the file as a whole).
struct FileError {
  int line = 0;
  std::string what;
};

struct ReadGameResult {
  std::optional<SavedGame> game;
  FileError error;  // when there is no game

  explicit operator bool() const { return game.has_value(); }
};

// "Line 12: what", or only what for the file as a whole.
std::string FileErrorText(const FileError& error);

std::string WriteGameFile(const SavedGame& game);
ReadGameResult ReadGameFile(std::string_view text);

// The game's records, frame, terms and result, to be written with `date`; `computer` when the
// computer plays in it.
SavedGame SaveGame(const Game& game, std::string date,
                   std::optional<SavedComputer> computer = std::nullopt);

// Replays every record through the rules on a scratch game, from the start position in the
// saved viewing side, takes back the records beyond Current, and only when all of it holds
// hands the result to `game` (Game::AdoptReplayed). On an error `game` is untouched.
std::optional<FileError> LoadGame(Game& game, const SavedGame& saved);

// The local time as "2025-01-31 14:05:09 +0100".
std::string CurrentDateText();

// Writes the whole text to a new file beside `path`, flushes it to the disk and renames it
// over `path`, so that `path` holds either its old content or all of the new. False with the
// reason in `error` when any step fails; the temporary file is then removed.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                         std::string& error);

// The whole file, or nothing with the reason in `error`; files over `maxBytes` are refused.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                                         std::string& error);

}  // namespace tamsok
