// What the windows show after each command, what a finished game leaves visible, the questions
// asked before a game is given up, and the glide of a received move that leaves the window
// answering.
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/GameDisplays.h"
#include "ui/Glide.h"
#include "ui/Kibo.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

constexpr PieceId kFirLightning = 1;   // canonical (5, 0)
constexpr PieceId kFirAnt1 = 18;       // canonical (0, 2)
constexpr PieceId kOakLightning = 31;  // canonical (5, 9)
constexpr PieceId kOakAnt1 = 48;       // canonical (0, 7)

// Every display checked against the game after a command: the history lists the records in
// force, the clock panels carry each camp's exceedings and material, the last move is
// outlined, every image stands where its piece stands, and every piece's name says where.
struct DisplayFixture : BoardFixture {
  void ExpectDisplaysShowTheGame(const std::string& after) {
    QCoreApplication::processEvents();  // the displays that follow the whole game
    const Game& g = form.game();
    std::string history;
    for (const std::string& line : g.HistoryLines())
      history += (history.empty() ? "" : "\n") + line;
    EXPECT_EQ(form.KiboForm()->MemoKibo->toPlainText().toStdString(), history) << after;

    static const QRegularExpression clock(
        R"(^\[(?:Fir|Oak)\]\[\d+"\d\d\]\[ ?-?\d+\]\[(\d+)/\d+\]\[(-?\d+)\]$)");
    for (Camp c : {Camp::Fir, Camp::Oak}) {
      const QRegularExpressionMatch m =
          clock.match(form.StatusPanel(kPanelFirClock + Index(c))->text());
      ASSERT_TRUE(m.hasMatch()) << after << ": " << Panel(kPanelFirClock + Index(c));
      EXPECT_EQ(m.captured(1).toInt(), g.ExceedCount(c)) << after;
      EXPECT_EQ(m.captured(2).toInt(), g.MaterialBalance(c)) << after;
    }

    std::optional<std::pair<Square, Square>> last;
    if (const int n = g.RecordCount(); n > 0 && !g.Record(n).IsPass)
      last = {{g.Record(n).FromX, g.Record(n).FromY}, {g.Record(n).ToX, g.Record(n).ToY}};
    EXPECT_EQ(form.Displays().Outline().Shown(), last) << after;

    for (PieceId p = 0; p < kPieceCount; ++p) {
      const Square s = g.board().PiecePos[p];
      const std::string name = form.PieceImage(p)->accessibleName().toStdString();
      if (!g.board().InPlay[p]) {
        EXPECT_TRUE(name.ends_with(", captured")) << after << ": " << name;
      } else if (OnBoard(s)) {
        EXPECT_EQ(ImagePos(p), SquarePos(s)) << after << ": piece " << p;
        EXPECT_TRUE(name.starts_with(std::string(CampName(CampOf(p))) + " " +
                                     std::string(KindName(KindOf(p))) + " on "))
            << after << ": " << name;
      }
    }
  }
};

// One command after another, each followed by every display; a second game after a game with
// time exceedings, and a network game after local ones.
TEST_F(DisplayFixture, EveryDisplayShowsTheGameAfterEveryCommand) {
  struct Row {
    const char* command;
    std::function<void()> run;
    const char* panel4 = nullptr;  // what panel 4 says after it, where it matters
  };
  auto tick = [this](int n) {
    for (int i = 0; i < n; ++i)
      form.Timer1Timer();
  };
  Item("miMoveHistory")->trigger();
  const Row rows[] = {
      {"new game", [&] { NewGame(); }},
      {"Fir thinks past the unit time", [&] { tick(31); }},
      {"Lightning takes an Ant",
       [&] {
         DragTo(kFirLightning, {2, 7});
       }},
      {"Lightning takes an Ant back",
       [&] {
         DragTo(kOakLightning, {2, 2});
       }},
      {"pass", [&] { Item("miPass")->trigger(); }, "Pass"},
      {"undo the pass", [&] { Item("miUndo")->trigger(); }, "Pass"},
      {"undo a capture", [&] { Item("miUndo")->trigger(); },
       "Taken back: [  2][Oak Lightning]{x5y0->x2y7}"},
      {"undo to the start", [&] { Item("miUndoFirst")->trigger(); },
       "Taken back: [  1][Fir Lightning]{x5y9->x2y2}"},
      {"redo", [&] { Item("miRedo")->trigger(); }, "[  1][Fir Lightning]{x5y9->x2y2}"},
      {"redo to the end", [&] { Item("miRedoLast")->trigger(); }, "Pass"},
      {"another side", [&] { Item("miR90")->trigger(); }},
      {"surrender", [&] { Item("miLossgame")->trigger(); }},
      {"step back through the finished game", [&] { Item("miUndo")->trigger(); }},
      {"the next game", [&] { NewGame(); }, "Always fir tree camp First"},
      {"a network game",
       [&] {
         Item("miLocalAlone")->trigger();
         form.game().SetGameMode(GameMode::ServerPlaying);
         form.game().SetOwnCamp(Camp::Oak);
         form.game().miNewClick();
         form.game().SetRequestTerms(30, 5, 0);
       }},
      {"a received move",
       [&] {
         const Square from = form.game().board().PiecePos[kFirAnt1];
         const Square to{from.x, from.y + (form.game().ViewSide() == 0 ? 1 : -1)};
         const Square cf = ToCanonical(form.game().ViewSide(), from);
         const Square ct = ToCanonical(form.game().ViewSide(), to);
         form.game().ApplyReceivedMove({kFirAnt1, -1, cf.x, cf.y, ct.x, ct.y, 0}, "Move");
       }},
  };
  for (const Row& row : rows) {
    row.run();
    ExpectDisplaysShowTheGame(row.command);
    if (row.panel4) {
      EXPECT_EQ(Panel(kPanelGame), row.panel4) << row.command;
    }
    if (std::string(row.command) == "Fir thinks past the unit time") {
      EXPECT_EQ(form.StatusPanel(kPanelFirClock)->ToolTipText().toStdString(),
                "Fir's clock\nTime used: 0 min 31 s\nLeft for this move: 30 s\n"
                "Time exceedings: 1 of 10 allowed\nMaterial lost: 0");
    }
    if (std::string(row.command) == "Lightning takes an Ant") {
      EXPECT_TRUE(form.StatusPanel(kPanelOakClock)
                      ->ToolTipText()
                      .endsWith(QStringLiteral("Material lost: 21")));
    }
    if (std::string(row.command) == "a network game") {
      EXPECT_EQ(form.game().ViewSide(), 0);  // Oak, the room's camp, at the bottom
    }
    if (std::string(row.command) == "the next game") {
      EXPECT_EQ(Panel(kPanelFirClock), "[Fir][00\"00][30][0/10][0]");
      EXPECT_EQ(Panel(kPanelOakClock), "[Oak][00\"00][30][0/10][0]");
    }
  }
}

// A long received move glides while the window answers: a posted event runs while the piece
// is on its way; the move's marker and sound wait for the landing; a message that arrives
// meanwhile lands the piece first and is handled after the move's effects.
TEST_F(BoardFixture, AReceivedMoveGlidesWithoutHoldingTheWindow) {
  NewGame();
  form.SetGlideStepDelay(60000);  // it does not land by itself during the test
  // Fir's legal move of the longest glide (side 0: view squares are canonical ones).
  PieceId piece = kNoPiece;
  Square to;
  for (PieceId p = 0; p < kPiecesPerCamp; ++p)
    for (Square s : form.game().DropTargets(p))
      if (piece == kNoPiece ||
          GlideSteps(ImagePos(p), SquarePos(s)) > GlideSteps(ImagePos(piece), SquarePos(to)))
        piece = p, to = s;
  ASSERT_GT(GlideSteps(ImagePos(piece), SquarePos(to)), 200);
  const Square from = form.game().board().PiecePos[piece];
  const int sounds = form.MoveSoundsPlayed();
  const QPoint marker = MarkerPos();
  const PieceId taken = form.game().board().OccupantAt(to);
  ASSERT_NE(form.game()
                .ApplyReceivedMove({piece, taken, from.x, from.y, to.x, to.y, 0}, "Move")
                .rfind("[.]", 0),
            std::string::npos);
  bool answered = false;
  QTimer::singleShot(0, [&] { answered = true; });
  ASSERT_EVENTUALLY(answered, 5000);
  EXPECT_TRUE(form.Glide().Active());
  EXPECT_NE(ImagePos(piece), SquarePos(to));
  EXPECT_EQ(MarkerPos(), marker);
  EXPECT_EQ(form.MoveSoundsPlayed(), sounds);

  form.Net()->client().onRead("[Guest] hello");  // as a message read from the room
  EXPECT_FALSE(form.Glide().Active());
  EXPECT_EQ(ImagePos(piece), SquarePos(to));
  EXPECT_EQ(MarkerPos(), SquarePos(to) - QPoint(5, 5));
  EXPECT_EQ(form.MoveSoundsPlayed(), sounds + 1);
  EXPECT_EQ(Panel(kPanelGame), "[Guest] hello");  // after the move's own text
}

// Each command that gives up a running game asks first, in a box of its own before the game's
// boxes: Cancel keeps the game, OK goes on. Whoever the command would not end a game for is
// not asked, nor is the game when the clock or the computer acts for a player.
TEST_F(BoardFixture, GivingUpARunningGameAsksFirst) {
  struct Row {
    const char* item;
    const char* question;
    const char* gameBox;  // what the game shows once it goes on
    GameMode after;
  };
  const Row rows[] = {
      {"miLossgame", "Give up this game?", "box:Game over|You are conquered", GameMode::LocalFree},
      {"miScoring", "End this game now and let the captured pieces decide it?",
       "box:Game over|OakWin", GameMode::LocalFree},
      {"miLocalAlone", "Leave this game unfinished?", nullptr, GameMode::LocalFree},
      {"miComputerFir", "Give up this game and start a new one?", nullptr, GameMode::LocalPlaying},
  };
  for (const Row& r : rows) {
    if (form.game().Mode() != GameMode::LocalFree) form.game().miLocalAloneClick();
    NewGame();
    for (int i = 0; i < 50; ++i)
      form.game().PassBookkeeping();
    prompts.log.clear();
    prompts.answers = {BoxAnswer::Cancel};
    Item(r.item)->trigger();
    EXPECT_EQ(prompts.log,
              std::vector<std::string>{std::string("box:Please confirm|") + r.question});
    EXPECT_EQ(form.game().Mode(), GameMode::LocalPlaying) << r.item;
    EXPECT_EQ(form.game().RecordCount(), 50) << r.item;

    prompts.log.clear();
    Item(r.item)->trigger();
    std::vector<std::string> shown{std::string("box:Please confirm|") + r.question};
    if (r.gameBox) shown.push_back(r.gameBox);
    EXPECT_EQ(prompts.log, shown);
    EXPECT_EQ(form.game().Mode(), r.after) << r.item;
  }

  form.game().miLocalAloneClick();
  NewGame();
  prompts.log.clear();
  Item("miScoring")->trigger();  // too short a game: only the game's notice
  EXPECT_EQ(prompts.log, std::vector<std::string>{"box:Notice|Require 50 Moves at least"});
  form.game().miLossgameClick();  // the clock or the computer acting for a player
  EXPECT_EQ(prompts.log.back(), "box:Game over|You are conquered");
  form.game().SetGameMode(GameMode::ClientPlaying);
  form.game().SetCanHandlePieces(false);
  prompts.log.clear();
  Item("miLossgame")->trigger();
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(Panel(kPanelGame), "You are only a spectator");
}

// The result of a finished game stays beside the menus until the next game starts, said from
// the player's side against the computer and over the network. A finished local game is
// stepped through with undo and redo, and no piece moves on it.
TEST_F(BoardFixture, AResultStaysUntilTheNextGame) {
  QLabel& result = form.Displays().ResultLabel();
  auto shown = [&] {
    QCoreApplication::processEvents();
    return result.isVisible() ? result.text().toStdString() : std::string("(none)");
  };
  NewGame();
  DragTo(kFirAnt1, {0, 3});
  Item("miLossgame")->trigger();  // Oak, to move, gives up
  EXPECT_EQ(shown(), "Game over: Fir Win");
  EXPECT_TRUE(Item("miUndo")->isEnabled());
  Item("miUndo")->trigger();
  EXPECT_EQ(ImagePos(kFirAnt1), SquarePos({0, 2}));
  DragTo(kFirAnt1, {0, 3});
  EXPECT_EQ(Panel(kPanelGame), "The game is over: step through it or start a new one");
  EXPECT_EQ(form.game().RecordCount(), 0);
  EXPECT_EQ(ImagePos(kFirAnt1), SquarePos({0, 2}));
  Item("miRedo")->trigger();
  EXPECT_EQ(shown(), "Game over: Fir Win");
  NewGame();
  EXPECT_EQ(shown(), "(none)");

  Item("miComputerOak")->trigger();  // the player plays Fir, and Fir is to move
  Item("miLossgame")->trigger();
  EXPECT_EQ(shown(), "Game over: Oak Win - You lose");

  form.game().SetGameMode(GameMode::ClientPlaying);
  form.game().SetOwnCamp(Camp::Fir);
  form.game().miNewClick();
  form.game().SetRequestTerms(30, 5, 0);
  form.game().SetCanHandlePieces(true);
  EXPECT_EQ(shown(), "(none)");
  form.Net()->client().onRead("Winn 0");
  EXPECT_EQ(shown(), "Game over: Fir Win - You win");
  EXPECT_EQ(form.game().Mode(), GameMode::ClientFree);
}

TEST(GlidePath, LongerAxisFirstThenDiagonal) {
  const QPoint from(0, 0), to(55, -94);
  EXPECT_EQ(GlideSteps(from, to), 94);
  EXPECT_EQ(GlidePoint(from, to, 39), QPoint(0, -39));
  EXPECT_EQ(GlidePoint(from, to, 40), QPoint(1, -40));
  EXPECT_EQ(GlidePoint(from, to, 94), to);
  EXPECT_EQ(GlidePoint(from, to, 500), to);
}

}  // namespace
}  // namespace tamsok
