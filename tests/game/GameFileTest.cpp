// Saved games: writing, reading, replaying, and the atomic file write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "game/GameFile.h"
#include "rules/Catalogue.h"
#include "tests/game/FakeView.h"

namespace tamsok {
namespace {

using testing::GameFixture;

constexpr const char* kDate = "2025-01-31 14:05:09 +0100";

// Everything a player sees of a game, and the records with their redo range.
struct Seen {
  std::array<Square, kPieceCount> pos;
  std::array<bool, kPieceCount> inPlay;
  std::array<int, kPieceCount> traySlot;
  int captured[2], balance[2];
  Camp side;
  std::vector<std::string> history;
  std::string saved;  // the whole game as a file: records, current, view, terms, result
  friend bool operator==(const Seen&, const Seen&) = default;
};

Seen Look(GameFixture& f) {
  Seen s{f.game.board().PiecePos,
         f.game.board().InPlay,
         {},
         {f.game.CapturedCount(Camp::Fir), f.game.CapturedCount(Camp::Oak)},
         {f.game.MaterialBalance(Camp::Fir), f.game.MaterialBalance(Camp::Oak)},
         f.game.SideToMove(),
         f.game.HistoryLines(),
         WriteGameFile(SaveGame(f.game, kDate))};
  for (PieceId p = 0; p < kPieceCount; ++p)
    s.traySlot[p] = f.view.image[p].traySlot;
  return s;
}

// Prints the parts a person can read when two looks differ.
void PrintTo(const Seen& s, std::ostream* os) {
  *os << s.saved;
  for (const std::string& line : s.history)
    *os << line << "\n";
}

// A game of random legal moves and passes, captures first so that both trays fill, ending
// with a few moves taken back. No Tree is taken, so the game goes on.
void PlayRandomGame(Game& game, unsigned seed, int records, int takeBack) {
  std::mt19937 rng(seed);
  while (game.RecordCount() < records) {
    std::vector<std::pair<PieceId, Square>> moves, captures;
    for (PieceId p = 0; p < kPieceCount; ++p)
      for (Square s : game.DropTargets(p)) {
        const PieceId target = game.board().OccupantAt(s);
        if (target == kNoPiece)
          moves.push_back({p, s});
        else if (KindOf(target) != PieceKind::Tree)
          captures.push_back({p, s});
      }
    const auto& pool = captures.empty() || rng() % 3 == 0 ? moves : captures;
    if (pool.empty() || rng() % 15 == 0) {
      game.PassBookkeeping();
      continue;
    }
    const auto [p, to] = pool[rng() % pool.size()];
    game.PlayDroppedPiece(p, to.x, to.y);
  }
  for (int i = 0; i < takeBack; ++i)
    game.miUndoClick();
}

TEST(GameFile, ASavedGameReloadsIdenticallyInEverySide) {
  for (int side = 0; side < 4; ++side) {
    GameFixture saver;
    saver.view.historyVisible = true;
    saver.game.SelectViewSide(side);
    saver.game.miNewClick();
    PlayRandomGame(saver.game, 77u + side, 60, 3);
    ASSERT_GT(saver.game.CapturedCount(Camp::Fir) + saver.game.CapturedCount(Camp::Oak), 2);
    const Seen before = Look(saver);

    const ReadGameResult read = ReadGameFile(before.saved);
    ASSERT_TRUE(read) << FileErrorText(read.error);
    GameFixture loader;  // another station, looking from side 0
    loader.view.historyVisible = true;
    ASSERT_EQ(LoadGame(loader.game, *read.game), std::nullopt);
    EXPECT_EQ(Look(loader), before) << "side " << side;
    EXPECT_EQ(loader.game.ViewSide(), side);
    EXPECT_EQ(loader.view.checked[side == 0   ? MenuItem::miR0
                                  : side == 1 ? MenuItem::miR90
                                  : side == 2 ? MenuItem::miR180
                                              : MenuItem::miR270],
              true);
    EXPECT_EQ(loader.view.history, before.history);
    EXPECT_EQ(loader.game.CheckInvariants(), "");

    // The taken-back moves come back with Redo, and the game goes on.
    loader.game.miRedoLastClick();
    saver.game.miRedoLastClick();
    EXPECT_EQ(Look(loader), Look(saver));
    EXPECT_TRUE(loader.view.enabled[MenuItem::miUndo]);
  }
}

TEST(GameFile, HeaderOfAFinishedNetworkGameAndItsRoundTrip) {
  GameFixture f;
  f.game.SetGameMode(GameMode::ClientPlaying);
  f.game.SetOwnCamp(Camp::Oak);
  f.game.miNewClick();
  f.game.SetRequestTerms(45, 3, 2);
  f.game.SetCanHandlePieces(false);  // a spectator
  PlayRandomGame(f.game, 5u, 4, 0);
  f.game.SetWinner(Camp::Fir);
  f.game.SetGameMode(GameMode::ClientFree);
  EXPECT_TRUE(f.view.enabled[MenuItem::miSave]);  // the finished game can be kept

  const SavedGame saved = SaveGame(f.game, kDate);
  const std::string text = WriteGameFile(saved);
  EXPECT_EQ(text.substr(0, text.find("\n\n") + 2),
            "Tamsok Janggi game\nVersion: 1\nDate: 2025-01-31 14:05:09 +0100\nView: 0\n"
            "Network: watched, unit time 45, exceedings 3, retractions 2\nResult: Fir Win\n"
            "Records: 4\nCurrent: 4\nTo move: Fir\n\n");
  ReadGameResult read = ReadGameFile(text);
  ASSERT_TRUE(read);
  read.game->firstRecordLine = 0;
  EXPECT_EQ(*read.game, saved);

  f.game.miNewClick();  // a new game forgets the old one's result and terms
  EXPECT_EQ(f.game.Winner(), std::nullopt);
  EXPECT_EQ(f.game.Terms(), std::nullopt);
}

// Each kind of bad file names its line and leaves the game as it was.
TEST(GameFile, BadFilesNameTheLineAndChangeNothing) {
  const std::string head = "Tamsok Janggi game\nVersion: 1\nView: 0\n";
  struct Row {
    std::string text;
    int line;
    const char* what;
  };
  const Row rows[] = {
      {"", 1, "not a Tamsok Janggi game file"},
      {"\x89PNG\r\n", 1, "not a Tamsok Janggi game file"},
      {"Tamsok Janggi game\nVersion: 2\n", 2, "format version 2 is newer"},
      {head + "Records 1\n", 4, "a header line is"},
      {head + "View: 1\n", 4, "\"View\" is given twice"},
      {head + "Records: 1\nCurrent: 2\n\na2a3\n", 5, "Current 2 is more than"},
      {head + "Records: 1\nCurrent: 1\nTo move: Fir\n\na2a3\n", 6, "Fir is not to move"},
      {head + "Records: 1\n\na2a3\n", 5, "no \"Current\" line"},
      {head + "Records: 2\nCurrent: 2\n", 6, "cut short: the header does not end"},
      {head + "Records: 3\nCurrent: 3\n\na2a3\na7a6\n", 9, "it holds 2 of its 3 records"},
      {head + "Records: 1\nCurrent: 1\n\na2a3\na7a6\n", 8, "more records than the 1"},
      {head + "Records: 1\nCurrent: 1\n\na2a\n", 7, "\"a2a\" is not a move"},
      {head + "Records: 2\nCurrent: 2\n\na2a3\na4a5\n", 8, "a4a5: no piece stands on a4"},
      {head + "Records: 1\nCurrent: 1\n\na2a5\n", 7, "a2a5 is refused: Invalid move"},
      {head + "Records: 1\nCurrent: 1\n\na7a6\n", 7, "a7a6 is refused: Not Oak Turn"},
  };
  for (const Row& r : rows) {
    GameFixture f;
    f.game.miNewClick();
    PlayRandomGame(f.game, 9u, 6, 1);
    const Seen before = Look(f);
    const ReadGameResult read = ReadGameFile(r.text);
    const std::optional<FileError> error =
        read ? LoadGame(f.game, *read.game) : std::optional(read.error);
    ASSERT_TRUE(error) << r.text;
    EXPECT_EQ(error->line, r.line) << r.text;
    EXPECT_NE(error->what.find(r.what), std::string::npos) << error->what;
    EXPECT_EQ(Look(f), before) << r.text;
  }
}

TEST(GameFile, ToleratesWhatEditorsDoToText) {
  const std::string text =
      "\xEF\xBB\xBFTamsok Janggi game\r\nVersion: 1\r\nView: 2\r\nComment: kept by hand\r\n"
      "Records: 2\r\nCurrent: 1\r\n\r\n h2h3 \r\n0000\r\n\r\n\r\n";
  const ReadGameResult read = ReadGameFile(text);
  ASSERT_TRUE(read) << FileErrorText(read.error);
  EXPECT_EQ(read.game->viewSide, 2);
  ASSERT_EQ(read.game->records.size(), 2u);
  EXPECT_TRUE(read.game->records[1].isPass);
  GameFixture f;
  ASSERT_EQ(LoadGame(f.game, *read.game), std::nullopt);
  EXPECT_EQ(f.game.RecordCount(), 1);
  EXPECT_EQ(f.game.RedoLimit(), 2);
  EXPECT_EQ(f.game.Mode(), GameMode::LocalPlaying);
}

TEST(GameFile, WritesAtomicallyAndReportsFailures) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tamsok-file-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path path = dir / "game.TMK";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "first", error)) << error;
  ASSERT_TRUE(WriteFileAtomically(path, "second", error)) << error;
  EXPECT_EQ(ReadWholeFile(path, 100, error), "second");
  EXPECT_EQ(ReadWholeFile(path, 3, error), std::nullopt);
  EXPECT_NE(error.find("larger than 3 bytes"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no leftovers

  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "game.TMK", "x", error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadWholeFile(dir / "absent.TMK", 100, error), std::nullopt);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tamsok
