// Load, Save and Save as from the File menu, on real files in a temporary folder.
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "tests/ui/UiTestSupport.h"
#include "ui/Kibo.h"

namespace tamsok {
namespace {

struct FileCommands : testing::BoardFixture {
  QTemporaryDir dir;

  QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // What the window shows of a game: every image, the history text and the status panels of
  // the turn.
  struct Shown {
    std::vector<QPoint> images;
    std::vector<bool> visible, enabled;
    QString history;
    friend bool operator==(const Shown&, const Shown&) = default;
  };
  Shown Show() const {
    Shown s;
    for (PieceId p = 0; p < kPieceCount; ++p) {
      s.images.push_back(form.PieceImage(p)->pos());
      s.visible.push_back(form.PieceImage(p)->isVisible());
      s.enabled.push_back(form.PieceImage(p)->isEnabled());
    }
    s.history = form.KiboForm()->MemoKibo->toPlainText();
    return s;
  }
};

TEST_F(FileCommands, SaveAsksOnceThenWritesThereAndLoadBringsTheGameBack) {
  Item("miMoveHistory")->trigger();
  NewGame();
  DragTo(1, {2, 7});  // Fir's Lightning takes an Oak Ant, Oak's takes a Fir Ant
  DragTo(31, {2, 2});
  DragTo(18, {0, 3});
  Item("miUndo")->trigger();
  prompts.savePath = Path("first");
  Item("miSave")->trigger();  // no name yet: it asks as Save as does
  EXPECT_EQ(prompts.log, std::vector<std::string>{"save:Save as|*.TMK"});
  EXPECT_EQ(Panel(4), "Saved first.TMK");
  const QByteArray firstSave = Read(Path("first.TMK"));
  EXPECT_TRUE(firstSave.contains("Records: 3\nCurrent: 2\n"));
  const Shown saved = Show();

  Item("miRedo")->trigger();
  Item("miSave")->trigger();  // no dialog now
  EXPECT_EQ(prompts.log.size(), 1u);
  EXPECT_TRUE(Read(Path("first.TMK")).contains("Records: 3\nCurrent: 3\n"));
  {
    QFile f(Path("first.TMK"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(firstSave);
  }

  Item("miLocalAlone")->trigger();  // LocalFree, where Load is offered
  DragTo(49, {2, 6});               // a free move changes the board
  prompts.openPath = Path("first.TMK");
  Item("miLoad")->trigger();
  EXPECT_EQ(prompts.log.back(), "open:Load|*.TMK");
  EXPECT_EQ(Panel(4), "Loaded first.TMK");
  EXPECT_EQ(Show(), saved);
  EXPECT_EQ(form.game().Mode(), GameMode::LocalPlaying);
  EXPECT_TRUE(Item("miRedo")->isEnabled());
  Item("miRedo")->trigger();
  EXPECT_EQ(form.game().RecordCount(), 3);
  EXPECT_TRUE(sentToAll.empty() && sentToServer.empty());
}

TEST_F(FileCommands, ABadFileGetsABoxNamingTheLineAndTheGameStays) {
  {
    QFile f(Path("bad.TMK"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Tamsok Janggi game\nVersion: 1\nView: 0\nRecords: 2\nCurrent: 2\n\na2a3\na7a4\n");
  }
  NewGame();
  DragTo(18, {0, 3});
  Item("miLocalAlone")->trigger();  // asks first
  prompts.log.clear();
  const Shown before = Show();
  for (const char* name : {"bad.TMK", "absent.TMK"}) {
    prompts.openPath = Path(name);
    Item("miLoad")->trigger();
  }
  ASSERT_EQ(prompts.log.size(), 4u);
  EXPECT_EQ(prompts.log[1],
            "box:Load|bad.TMK was not loaded.\nLine 8: a7a4 is refused: Invalid move(rule "
            "violation)");
  EXPECT_EQ(prompts.log[3].rfind("box:Load|absent.TMK could not be read: ", 0), 0u);
  EXPECT_EQ(Show(), before);
  EXPECT_EQ(form.game().Mode(), GameMode::LocalFree);
  EXPECT_EQ(form.game().RecordCount(), 1);
}

// A network game is saved on this machine only; a finished one can still be kept, and the
// next game does not overwrite its file.
TEST_F(FileCommands, ANetworkGameSavesLocallyAndTheNextGameAsksForANewName) {
  form.game().SetCanHandlePieces(true);
  form.game().SetGameMode(GameMode::ServerPlaying);
  form.game().SetOwnCamp(Camp::Fir);
  form.game().miNewClick();
  form.game().SetRequestTerms(60, 5, 1);
  DragTo(18, {0, 3});
  sentToAll.clear();
  prompts.savePath = Path("room.TMK");
  Item("miSaveas")->trigger();
  EXPECT_TRUE(sentToAll.empty() && sentToServer.empty());
  EXPECT_TRUE(Read(Path("room.TMK"))
                  .contains("Network: played as Fir, unit time 60, exceedings 5, retractions 1\n"));

  Item("miLossgame")->trigger();  // Fir gives up; the room is free again
  EXPECT_EQ(form.game().Mode(), GameMode::ServerFree);
  EXPECT_TRUE(Item("miSave")->isEnabled());
  EXPECT_FALSE(Item("miLoad")->isEnabled());
  Item("miSave")->trigger();
  EXPECT_TRUE(Read(Path("room.TMK")).contains("Result: Oak Win\n"));

  form.game().SetGameMode(GameMode::ServerPlaying);
  form.game().miNewClick();
  prompts.log.clear();
  prompts.savePath.clear();  // the user cancels the dialog
  Item("miSave")->trigger();
  EXPECT_EQ(prompts.log, std::vector<std::string>{"save:Save as|*.TMK"});
  EXPECT_TRUE(Read(Path("room.TMK")).contains("Result: Oak Win\n"));
}

}  // namespace
}  // namespace tamsok
