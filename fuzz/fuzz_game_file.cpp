// The game file reader and the replay of what it read, on arbitrary file contents. The input
// is the file. A file that reads is loaded into a game that holds one move already: either the
// load fails and that game is exactly as it was, or the loaded game is consistent and writes
// back a file that reads to the same game.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzHarness.h"
#include "game/GameFile.h"
#include "game/Review.h"

namespace tamsok::fuzz {
namespace {

constexpr const char* kDate = "2025-01-31 14:05:09 +0100";

// The whole game as its own file, plus what the file does not hold.
std::string Fingerprint(const Game& game) {
  std::string s = WriteGameFile(SaveGame(game, kDate));
  for (PieceId p = 0; p < kPieceCount; ++p)
    s += std::to_string(game.board().PiecePos[p].x) + "," +
         std::to_string(game.board().PiecePos[p].y) + (game.board().InPlay[p] ? "+" : "-");
  return s + std::to_string(static_cast<int>(game.Mode()));
}

}  // namespace
}  // namespace tamsok::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tamsok;
  using namespace tamsok::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ReadGameResult read = ReadGameFile(text);
  if (!read) {
    if (read.error.what.empty() || read.error.line < 0) Fail("an error without a text", text);
    return 0;
  }

  NullGameView view;
  NullPeerLink peer;
  Game game(view, peer, 1u);
  game.FormCreate();
  game.miNewClick();
  game.PlayDroppedPiece(18, 0, 3);
  const std::string before = Fingerprint(game);
  if (const std::optional<FileError> error = LoadGame(game, *read.game)) {
    if (Fingerprint(game) != before) Fail("a failed load changed the game", text);
    return 0;
  }
  CheckState(game);
  if (game.Mode() != GameMode::LocalPlaying || game.ViewSide() != read.game->viewSide ||
      game.RecordCount() != read.game->current ||
      game.RedoLimit() != static_cast<int>(read.game->records.size()))
    Fail("the loaded game is not the file's", text);

  const std::string written = WriteGameFile(SaveGame(game, kDate, read.game->computer));
  const ReadGameResult again = ReadGameFile(written);
  if (!again) Fail("a written game does not read back", written);
  SavedGame expected = *read.game, got = *again.game;
  expected.date = got.date = "";
  expected.firstRecordLine = got.firstRecordLine = 0;
  expected.notes.clear();  // the game keeps no notes: the window adds them when it saves
  if (!(expected == got)) Fail("a game read back differs from the file it was loaded from", text);

  // The notes read are written back as they were, and a review among them reads or is
  // passed by, never more.
  const ReadGameResult withNotes = ReadGameFile(WriteGameFile(*read.game));
  if (!withNotes || withNotes.game->notes != read.game->notes)
    Fail("the notes of a file are not written back as they were read", text);
  if (const std::optional<review::Review> r = review::ReadNotes(read.game->notes, *read.game)) {
    const review::Plies plies = review::PliesOf(read.game->records);
    if (r->evals.size() != plies.positions.size() || r->moves.size() != plies.moves.size())
      Fail("a review read from notes does not fit its game", text);
  }
  return 0;
}
