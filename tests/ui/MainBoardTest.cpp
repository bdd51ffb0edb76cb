// The main window driven as a user drives it: real mouse events on the piece images and
// menu items triggered by name.
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "game/Format.h"
#include "net/NetTexts.h"
#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"
#include "tests/ui/UiTestSupport.h"
#include "tools/devtools/DemoGame.h"
#include "ui/About.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/Kibo.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

// Pieces used below, with their start squares (side 0).
constexpr PieceId kFirTree = 0;        // (4, 0)
constexpr PieceId kFirLightning = 1;   // (5, 0)
constexpr PieceId kFirWaspLeft = 8;    // (0, 0)
constexpr PieceId kFirAnt1 = 18;       // (0, 2)
constexpr PieceId kFirAnt2 = 19;       // (2, 2)
constexpr PieceId kOakTree = 30;       // (4, 9)
constexpr PieceId kOakLightning = 31;  // (5, 9)
constexpr PieceId kOakAnt2 = 49;       // (2, 7)

// Fir's Lightning takes Oak's Ant on (2, 7); Oak's Lightning answers by taking Fir's Ant on
// (2, 2). Both moves are legal from the start position.
struct CapturedBothWays : BoardFixture {
  CapturedBothWays() {
    NewGame();
    DragTo(kFirLightning, {2, 7});
    DragTo(kOakLightning, {2, 2});
  }
};

TEST_F(BoardFixture, StartsAsTheProgramDoes) {
  EXPECT_EQ(form.windowTitle().toStdString(), "Tamsok Janggi 1.2.0 - 3rd revision rule");
  EXPECT_EQ(form.BoardArea()->size(), QSize(785, 530));
  EXPECT_EQ(form.pos(), QPoint(184, 131));
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form.Timer1()->interval(), 1000);
  EXPECT_TRUE(form.Timer1()->isActive());

  const char* panels[] = {"Disconnected", "LocalFree", "Green Time/exceed", "Red Time/exceed",
                          "Game Status"};
  const int widths[] = {85, 80, 180, 180, 260};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Panel(i), panels[i]);
    EXPECT_EQ(form.StatusPanel(i)->width(), widths[i]);
  }
  QWidget* status = form.findChild<QWidget*>(QStringLiteral("GameStatus"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->geometry(), QRect(0, 512, 785, 18));

  EXPECT_TRUE(form.BoardImage(Skin::PBfoil)->isVisible());
  EXPECT_TRUE(form.BoardImage(Skin::Slate)->isVisible());
  EXPECT_FALSE(form.BoardImage(Skin::Marbtea)->isVisible());
  EXPECT_FALSE(form.BoardImage(Skin::Wood)->isVisible());
  EXPECT_EQ(MarkerPos(), QPoint(10, 10));

  int shown = 0;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    PieceImageControl* image = form.PieceImage(p);
    EXPECT_EQ(image->Tag(), p + 1);
    EXPECT_EQ(image->size(), QSize(41, 41));
    EXPECT_TRUE(image->isEnabled());
    const Square s = InitialPosition[p];
    if (OnBoard(s)) {
      ++shown;
      EXPECT_TRUE(image->isVisible()) << p;
      EXPECT_EQ(image->pos(), SquarePos(s)) << p;
    } else {
      EXPECT_FALSE(image->isVisible()) << p;
    }
  }
  EXPECT_EQ(shown, 48);
  EXPECT_EQ(ImagePos(kFirTree), QPoint(344, 24));
  EXPECT_EQ(form.PieceImage(kFirTree)->objectName().toStdString(), "ImgNamuG");
  EXPECT_EQ(form.PieceImage(15)->objectName().toStdString(), "ImgGR");
  EXPECT_EQ(form.PieceImage(54)->objectName().toStdString(), "ImgKNGaeR6");
  EXPECT_EQ(form.PieceImage(59)->objectName().toStdString(), "ImgKNGaeR1");
  EXPECT_EQ(form.PieceImage(kFirTree)->accessibleName().toStdString(), "Fir Tree on e0");
  EXPECT_EQ(form.PieceImage(53)->accessibleName().toStdString(), "Oak Ant on j7");
}

// Back to front: the boards, the marker, the pieces in PieceId order, then the status bar.
TEST_F(BoardFixture, StacksTheControlsBackToFront) {
  const QObjectList& order = form.BoardArea()->children();
  auto depth = [&](const QObject* o) { return order.indexOf(const_cast<QObject*>(o)); };
  const int marker = depth(form.ImgLastPosition());
  for (Skin s : {Skin::Wood, Skin::Slate, Skin::Marbtea, Skin::PBfoil})
    EXPECT_LT(depth(form.BoardImage(s)), marker);
  EXPECT_LT(depth(form.BoardImage(Skin::PBfoil)), depth(form.BoardImage(Skin::Slate)));
  for (PieceId p = 0; p + 1 < kPieceCount; ++p)
    EXPECT_LT(depth(form.PieceImage(p)), depth(form.PieceImage(p + 1)));
  EXPECT_LT(marker, depth(form.PieceImage(0)));
  EXPECT_LT(depth(form.PieceImage(59)),
            depth(form.findChild<QWidget*>(QStringLiteral("GameStatus"))));
}

TEST_F(BoardFixture, APressBeforeAnyModeAnswersSpectator) {
  const QPoint home = ImagePos(kFirAnt1);
  Drag(kFirAnt1, {0, 47});
  EXPECT_EQ(Panel(4), "You are only a spectator");
  EXPECT_EQ(ImagePos(kFirAnt1), home);
  EXPECT_EQ(form.Drag().DraggedTag, 0);
  EXPECT_EQ(form.game().RecordCount(), 0);
}

TEST_F(BoardFixture, MenuItemsHaveTheirCaptionsAndMarks) {
  struct Row {
    const char* name;
    const char* caption;
    bool checked;
  };
  const Row rows[] = {
      {"miCreateRoom", "Server mode", false},
      {"miConnect", "Client mode", false},
      {"miReqGame", "New game (Client -> Server)", false},
      {"miNew", "New game (Disconnected)", false},
      {"miLocalAlone", "Disconnect state", false},
      {"miExit", "Exit", false},
      {"miLoad", "Load", false},
      {"miSave", "Save", false},
      {"miSaveas", "Save as", false},
      {"miUndoFirst", "Undo [First]", false},
      {"miUndo", "Undo [Previous]", false},
      {"miRedo", "Redo [Next]", false},
      {"miRedoLast", "Redo [Last]", false},
      {"miPass", "Pass", false},
      {"miLossgame", "Surrender", false},
      {"miScoring", "Scoring", false},
      {"Board1", "Board Figure (784*512)", false},
      {"miWood", "Wood", false},
      {"miSlate", "Slate", true},
      {"miMarbtea", "Marbtea", false},
      {"miPBfoil", "PBfoil", false},
      {"BoardRotation1", "View Side", false},
      {"miR0", "Oak(Red) Camp", true},
      {"miR90", "Oak - Fir Side", false},
      {"miR180", "Fir(Green) Camp", false},
      {"miR270", "Fir - Oak Side", false},
      {"miMyView", "My view", false},
      {"miKilledPiece", "Show Captured Piece", true},
      {"miShowLegalMoves", "Show legal moves", true},
      {"miShowInfluence", "Show influence", false},
      {"miMoveHistory", "Show Move History", false},
      {"miChatWindow", "Show Chat Window", false},
      {"miRoomState", "Show Room Status (In Server mode)", false},
      {"miAttach", "Alignment Windows", false},
      {"miSoundTTag", "Sound Effect", true},
      {"miAbout", "About Tamsok janggi", false},
      {"File1", "Metaplay", false},
      {"File2", "File", false},
      {"Playing1", "Playing", false},
      {"miEnvironmentEx", "Interface", false},
      {"Help1", "Help", false},
  };
  for (const Row& r : rows) {
    QAction* a = Item(r.name);
    if (!a) continue;
    EXPECT_EQ(a->text().toStdString(), r.caption) << r.name;
    EXPECT_EQ(a->isChecked(), r.checked) << r.name;
  }
  for (const char* name : {"miUndoFirst", "miUndo", "miRedo", "miRedoLast", "Board1",
                           "BoardRotation1", "miWood", "miSlate", "miMarbtea", "miPBfoil"})
    EXPECT_FALSE(Item(name)->icon().isNull()) << name;
  for (const char* name : {"miR0", "miR90", "miR180", "miR270", "miWood", "miPBfoil"})
    EXPECT_TRUE(Item(name)->actionGroup() && Item(name)->actionGroup()->isExclusive()) << name;
}

// The sixteen items the mode governs, as the real actions show them, for a player.
TEST_F(BoardFixture, EnablesTheMenuByMode) {
  const char* items[] = {"miCreateRoom", "miConnect",  "miReqGame", "miNew",
                         "miLocalAlone", "miLoad",     "miSave",    "miSaveas",
                         "miUndoFirst",  "miUndo",     "miRedo",    "miRedoLast",
                         "miPass",       "miLossgame", "miScoring", "miRoomState"};
  // clang-format off
  const bool table[6][16] = {
      {1, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // LocalFree
      {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0},  // LocalPlaying
      {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},  // ServerFree
      {0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1},  // ServerPlaying
      {0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // ClientFree
      {0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0},  // ClientPlaying
  };
  // clang-format on
  form.game().SetCanHandlePieces(true);
  for (int mode = 0; mode < 6; ++mode) {
    form.game().SetGameMode(static_cast<GameMode>(mode));
    EXPECT_EQ(Panel(1), GameModeName(static_cast<GameMode>(mode)));
    for (int i = 0; i < 16; ++i)
      EXPECT_EQ(Item(items[i])->isEnabled(), table[mode][i]) << "mode " << mode << " " << items[i];
  }
}

// The first mode chosen after start-up offers a player's menu, and a local game can always be
// left for LocalFree, where New game is offered again.
TEST_F(BoardFixture, TheFirstLocalGameCanBeEndedAndLeft) {
  NewGame();
  EXPECT_EQ(Panel(1), "Playing");
  EXPECT_EQ(Panel(4), "Always fir tree camp First");
  EXPECT_EQ(MarkerPos(), QPoint(5, 5));
  for (const char* name : {"miPass", "miLossgame", "miScoring", "miUndo", "miLocalAlone"})
    EXPECT_TRUE(Item(name)->isEnabled()) << name;
  for (const char* name : {"miConnect", "miNew", "miCreateRoom"})
    EXPECT_FALSE(Item(name)->isEnabled()) << name;

  Item("miLocalAlone")->trigger();
  EXPECT_EQ(form.game().Mode(), GameMode::LocalFree);
  EXPECT_EQ(Panel(1), "LocalFree");
  EXPECT_FALSE(form.game().ClockRunning());
  EXPECT_TRUE(Item("miNew")->isEnabled());
  EXPECT_FALSE(Item("miLocalAlone")->isEnabled());
  NewGame();
  EXPECT_EQ(form.game().Mode(), GameMode::LocalPlaying);
}

TEST_F(BoardFixture, TheFirstRoomOffersNoClientMode) {
  form.game().SetGameMode(GameMode::ServerFree);  // as switching the room on does
  EXPECT_FALSE(Item("miConnect")->isEnabled());
  EXPECT_TRUE(Item("miCreateRoom")->isEnabled());
}

TEST_F(BoardFixture, PlaysAndRefusesMovesMadeByDragging) {
  NewGame();
  const int sounds = form.MoveSoundsPlayed();
  DragTo(kFirAnt1, {0, 3});
  EXPECT_EQ(Panel(4), "[  1][Fir Ant]{x0y7->x0y6}");
  EXPECT_EQ(ImagePos(kFirAnt1), QPoint(124, 165));
  EXPECT_EQ(MarkerPos(), QPoint(119, 160));
  EXPECT_EQ(form.MoveSoundsPlayed(), sounds + 1);
  EXPECT_EQ(form.Drag().DraggedTag, 0);
  EXPECT_FALSE(form.DropBusy());

  // Oak is to move: a Fir piece dragged onto a free square goes back with the refusal.
  const QPoint home = ImagePos(kFirAnt2);
  DragTo(kFirAnt2, {2, 3});
  EXPECT_EQ(Panel(4), "Not Fir Turn");
  EXPECT_EQ(ImagePos(kFirAnt2), home);
  EXPECT_EQ(form.game().RecordCount(), 1);
  EXPECT_EQ(MarkerPos(), QPoint(119, 160));

  Item("miSoundTTag")->trigger();
  EXPECT_FALSE(Item("miSoundTTag")->isChecked());
  DragTo(49, {2, 6});
  EXPECT_EQ(form.game().RecordCount(), 2);
  EXPECT_EQ(form.MoveSoundsPlayed(), sounds + 1);
}

// A pass in a local game hands the turn over and is listed at once.
TEST_F(BoardFixture, APassHandsTheTurnOverInALocalGame) {
  NewGame();
  Item("miMoveHistory")->trigger();
  Item("miPass")->trigger();
  EXPECT_EQ(form.game().SideToMove(), Camp::Oak);
  EXPECT_EQ(Panel(4), "Pass");
  EXPECT_EQ(form.KiboForm()->MemoKibo->toPlainText().toStdString(), "[  1][PASS]");
  DragTo(kOakAnt2, {2, 6});
  EXPECT_EQ(form.game().RecordCount(), 2);
}

// Capturing a Tree ends a local game as it ends a network game.
TEST_F(BoardFixture, CapturingATreeEndsALocalGame) {
  NewGame();
  DragTo(kFirAnt1, {0, 3});
  DragTo(kOakTree, {4, 8});
  DragTo(kFirLightning, {4, 8});  // strikes Oak's Tree inside the Clouds' zone
  EXPECT_EQ(prompts.log, std::vector<std::string>{"box:Game over|Fir Win"});
  EXPECT_EQ(form.game().Mode(), GameMode::LocalFree);
  EXPECT_EQ(Panel(1), "LocalFree");
  EXPECT_FALSE(form.game().ClockRunning());
  EXPECT_TRUE(Item("miNew")->isEnabled());
  EXPECT_EQ(ImagePos(kOakTree), QPoint(742, 470));  // the final position stays
}

// The clock panel of the side to move is drawn highlighted, whatever the mode and the viewing
// side, and no panel text changes for it.
TEST_F(BoardFixture, TheSideToMoveIsHighlightedAtAllTimes) {
  // The colour at the right end of a panel, where no clock text reaches.
  auto background = [&](int panel) {
    QLabel* label = form.StatusPanel(panel);
    return label->grab().toImage().pixelColor(label->width() - 3, label->height() / 2);
  };
  auto highlighted = [&]() {
    const QColor plain = background(kPanelConnection);
    const bool fir = background(kPanelFirClock) != plain, oak = background(kPanelOakClock) != plain;
    return fir == oak ? std::string("neither or both") : fir ? "Fir" : "Oak";
  };
  EXPECT_EQ(highlighted(), "Fir");  // start-up
  NewGame();
  const std::string clock = Panel(kPanelFirClock);
  DragTo(kFirAnt1, {0, 3});
  EXPECT_EQ(highlighted(), "Oak");
  EXPECT_EQ(Panel(kPanelFirClock), clock);
  for (const char* side : {"miR90", "miR180", "miR270", "miR0"}) {
    Item(side)->trigger();
    EXPECT_EQ(highlighted(), "Oak") << side;
  }
  Item("miUndo")->trigger();
  EXPECT_EQ(highlighted(), "Fir");
  Item("miRedo")->trigger();
  EXPECT_EQ(highlighted(), "Oak");
  Item("miPass")->trigger();
  EXPECT_EQ(highlighted(), "Fir");

  // A spectator of a network game follows the moves it receives.
  form.game().SetGameMode(GameMode::ClientPlaying);
  form.game().miNewClick();
  form.game().SetCanHandlePieces(false);
  form.game().ApplyReceivedMove({kFirAnt1, -1, 0, 2, 0, 3, 0}, "Move");
  EXPECT_EQ(highlighted(), "Oak");
}

// The game status panel takes the pixels the other panels leave, and draws every text the
// game and the network side write there whole; its tooltip carries the text as well.
TEST_F(BoardFixture, GameStatusTextsAreReadableInFull) {
  std::vector<std::string> texts = {
      "You are only a spectator",
      "Always fir tree camp First",
      "New Local Game",
      "Pass Form Opposite",
      std::string(Game::RecordsFullText()),
      Game::MoveStatusText(999, Camp::Oak, PieceKind::CarpenterAnt, {9, 9}, {9, 9}),
      "[.]" + Game::MoveStatusText(999, Camp::Fir, PieceKind::DivingBeetle, {9, 9}, {9, 9}),
      nettext::kMadeNewGameComplete,
      nettext::kRequestGameWait,
      Format(nettext::kWaitForSearching, "255.255.255.255")};
  for (int code = 1; code <= 9; ++code)
    for (Camp camp : {Camp::Fir, Camp::Oak})
      texts.push_back(MoveCheckText(static_cast<MoveCheckResult>(code), camp));

  QLabel* panel = form.StatusPanel(kPanelGame);
  EXPECT_EQ(panel->geometry().right(),
            form.StatusPanel(kPanelConnection)->parentWidget()->width() - 1);
  for (const std::string& text : texts) {
    form.ShowStatus(kPanelGame, text);
    EXPECT_EQ(Panel(kPanelGame), text);
    EXPECT_EQ(panel->toolTip().toStdString(), text);
    EXPECT_LE(QFontMetrics(panel->font()).horizontalAdvance(panel->text()),
              panel->contentsRect().width() - panel->indent())
        << text;
  }
  form.ShowStatus(kPanelGame, "Pass");  // a short text is drawn in the bar's own font again
  EXPECT_EQ(panel->font(), form.StatusPanel(kPanelConnection)->font());
}

TEST_F(CapturedBothWays, CapturedPiecesGoToTheirTraySlots) {
  EXPECT_EQ(form.game().RecordCount(), 2);
  EXPECT_EQ(ImagePos(kOakAnt2), QPoint(742, 470));
  EXPECT_FALSE(form.PieceImage(kOakAnt2)->isEnabled());
  EXPECT_TRUE(form.PieceImage(kOakAnt2)->isVisible());
  EXPECT_EQ(ImagePos(kFirAnt2), QPoint(0, 0));
  EXPECT_FALSE(form.PieceImage(kFirAnt2)->isEnabled());
  EXPECT_EQ(ImagePos(kFirLightning), SquarePos({2, 7}));
  EXPECT_EQ(ImagePos(kOakLightning), SquarePos({2, 2}));

  // A captured image receives no presses.
  QTest::mousePress(form.PieceImage(kOakAnt2), Qt::LeftButton, Qt::NoModifier, {20, 20});
  QTest::mouseRelease(form.PieceImage(kOakAnt2), Qt::LeftButton, Qt::NoModifier, {20, 20});
  EXPECT_EQ(ImagePos(kOakAnt2), QPoint(742, 470));
}

TEST_F(CapturedBothWays, UndoAndRedoMoveTheImagesBackAndForth) {
  Item("miUndo")->trigger();
  EXPECT_EQ(ImagePos(kOakLightning), SquarePos({5, 9}));
  EXPECT_EQ(ImagePos(kFirAnt2), SquarePos({2, 2}));
  EXPECT_TRUE(form.PieceImage(kFirAnt2)->isEnabled());
  EXPECT_TRUE(form.PieceImage(kFirAnt2)->isVisible());
  EXPECT_EQ(MarkerPos(), QPoint(234 - 5, 353 - 5));  // on the first move's target, (2, 7)

  Item("miUndoFirst")->trigger();
  EXPECT_EQ(ImagePos(kFirLightning), SquarePos({5, 0}));
  EXPECT_EQ(ImagePos(kOakAnt2), SquarePos({2, 7}));
  EXPECT_EQ(MarkerPos(), QPoint(29, -11));

  Item("miRedo")->trigger();
  EXPECT_EQ(ImagePos(kOakAnt2), QPoint(742, 470));
  Item("miRedoLast")->trigger();
  EXPECT_EQ(ImagePos(kFirAnt2), QPoint(0, 0));
  EXPECT_FALSE(form.PieceImage(kFirAnt2)->isEnabled());
  EXPECT_EQ(form.game().RecordCount(), 2);
}

TEST_F(CapturedBothWays, TraySwitchHidesAndShowsOnlyCapturedPieces) {
  Item("miKilledPiece")->trigger();
  EXPECT_FALSE(Item("miKilledPiece")->isChecked());
  EXPECT_FALSE(form.PieceImage(kOakAnt2)->isVisible());
  EXPECT_FALSE(form.PieceImage(kFirAnt2)->isVisible());
  EXPECT_TRUE(form.PieceImage(kFirLightning)->isVisible());

  // Undoing a capture shows the piece on its square although the tray is hidden.
  Item("miUndo")->trigger();
  EXPECT_TRUE(form.PieceImage(kFirAnt2)->isVisible());

  Item("miKilledPiece")->trigger();
  EXPECT_TRUE(Item("miKilledPiece")->isChecked());
  EXPECT_TRUE(form.PieceImage(kOakAnt2)->isVisible());
  EXPECT_EQ(ImagePos(kOakAnt2), QPoint(742, 470));
}

TEST_F(CapturedBothWays, ViewSidesMoveThePiecesButNotTheTrays) {
  struct Row {
    const char* item;
    int side;
    QPoint firTree;
  };
  const Row rows[] = {{"miR90", 1, {619, 212}},
                      {"miR180", 2, {399, 447}},
                      {"miR270", 3, {124, 259}},
                      {"miR0", 0, {344, 24}}};
  for (const Row& r : rows) {
    Item(r.item)->trigger();
    EXPECT_EQ(form.game().ViewSide(), r.side);
    for (const char* item : {"miR0", "miR90", "miR180", "miR270"})
      EXPECT_EQ(Item(item)->isChecked(), std::string(item) == r.item) << r.item << " " << item;
    EXPECT_EQ(ImagePos(kFirTree), r.firTree) << r.item;
    EXPECT_EQ(ImagePos(kOakAnt2), QPoint(742, 470)) << r.item;
    EXPECT_EQ(ImagePos(kFirAnt2), QPoint(0, 0)) << r.item;
    // The marker follows the last move's target, Oak's Lightning on canonical (2, 2).
    const Square target = form.game().board().PiecePos[kOakLightning];
    EXPECT_EQ(MarkerPos(), SquarePos(target) - QPoint(5, 5)) << r.item;
  }

  // A drag in side 2 still works in view coordinates: undo, then replay Oak's capture.
  Item("miR180")->trigger();
  Item("miUndo")->trigger();
  DragTo(kOakLightning, {7, 7});  // canonical (2, 2) seen from side 2
  EXPECT_EQ(form.game().RecordCount(), 2);
  EXPECT_EQ(ImagePos(kFirAnt2), QPoint(0, 0));

  Item("miR0")->trigger();
  Item("miMyView")->trigger();  // Fir until a network game says otherwise: side 2
  EXPECT_EQ(form.game().ViewSide(), 2);
  EXPECT_TRUE(Item("miR180")->isChecked());
  EXPECT_FALSE(Item("miR0")->isChecked());
}

// The borders of the board for the dragged image's corner: inside, the drop reaches the game
// (a refusal text appears); outside, the image returns without a word.
TEST_F(BoardFixture, DropBordersDecideInsideOrOutside) {
  struct Row {
    PieceId piece;
    QPoint corner;
    bool inside;
  };
  const Row rows[] = {
      {kFirWaspLeft, {96, 0}, true}, {kFirWaspLeft, {95, 0}, false}, {kFirTree, {645, 469}, true},
      {kFirTree, {646, 469}, false}, {kFirTree, {645, 470}, false},
  };
  NewGame();
  for (const Row& r : rows) {
    const QPoint home = ImagePos(r.piece);
    form.ShowStatus(kPanelGame, "before");
    DragCornerTo(r.piece, r.corner);
    EXPECT_EQ(Panel(4) != "before", r.inside) << r.corner.x() << "," << r.corner.y();
    EXPECT_EQ(ImagePos(r.piece), home);
    EXPECT_EQ(form.game().RecordCount(), 0);
    EXPECT_EQ(form.Drag().DraggedTag, 0);
  }
}

// A release with a modifier or another button held is ignored: the image stays where it was
// let go, and the next press starts a fresh drag from the piece's square.
TEST_F(BoardFixture, AReleaseWithAModifierOrButtonHeldIsIgnored) {
  struct Row {
    Qt::KeyboardModifiers keys;
    bool rightHeld;
  };
  const Row rows[] = {{Qt::ControlModifier, false},
                      {Qt::ShiftModifier, false},
                      {Qt::AltModifier, false},
                      {Qt::NoModifier, true}};
  NewGame();
  for (const Row& r : rows) {
    PieceImageControl* image = form.PieceImage(kFirAnt1);
    const QPoint home = ImagePos(kFirAnt1);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, {20, 20});
    QTest::mouseMove(image, {30, 50});
    if (r.rightHeld) QTest::mousePress(image, Qt::RightButton, Qt::NoModifier, {20, 20});
    QTest::mouseRelease(image, Qt::LeftButton, r.keys, {20, 20});
    EXPECT_EQ(ImagePos(kFirAnt1), home + QPoint(10, 30));
    EXPECT_EQ(form.game().RecordCount(), 0);
    // Letting go of the right button too is a plain release: the right press had restarted
    // the drag from the square, so the image is dropped back onto it.
    if (r.rightHeld) {
      QTest::mouseRelease(image, Qt::RightButton, Qt::NoModifier, {20, 20});
      EXPECT_EQ(ImagePos(kFirAnt1), home);
    }

    // Picked up again, it moves as if from its square; let go on the same square it goes back.
    Drag(kFirAnt1, {0, 0});
    EXPECT_EQ(ImagePos(kFirAnt1), home);
    EXPECT_EQ(form.Drag().DraggedTag, 0);
  }
  DragTo(kFirAnt1, {0, 3});
  EXPECT_EQ(form.game().RecordCount(), 1);
  EXPECT_EQ(ImagePos(kFirAnt1), SquarePos({0, 3}));
}

TEST_F(BoardFixture, HistoryWindowListsTheMovesWhileShown) {
  NewGame();
  DragTo(kFirAnt1, {0, 3});
  TKiboForm& kibo = *form.KiboForm();
  EXPECT_EQ(kibo.MemoKibo->toPlainText().toStdString(), "...");  // hidden: not rebuilt

  Item("miMoveHistory")->trigger();
  EXPECT_TRUE(kibo.isVisible());
  EXPECT_EQ(Item("miMoveHistory")->text().toStdString(), "Hide Move History");
  const QRect m = form.frameGeometry();
  EXPECT_EQ(kibo.frameGeometry().topLeft(),
            QPoint(m.left() + form.ChatForm()->frameGeometry().width(), m.top() + m.height()));
  EXPECT_EQ(kibo.MemoKibo->toPlainText().toStdString(), "[  1][F.An] {07->06}");

  DragTo(kOakAnt2, {2, 6});
  EXPECT_EQ(kibo.MemoKibo->toPlainText().toStdString(),
            "[  1][F.An] {07->06}\n[  2][O.An] {22->23}");

  Item("miMoveHistory")->trigger();
  EXPECT_FALSE(kibo.isVisible());
  EXPECT_EQ(Item("miMoveHistory")->text().toStdString(), "Show Move History");
}

// Capture lines stay one line each, scrolled sideways from their start, with the last record in
// sight; the window opens at its starting size and can be resized; a change of viewing side
// rewrites the list at once.
TEST_F(CapturedBothWays, HistoryLinesDoNotWrapAndFollowTheViewSide) {
  PlayDemoGame(form.game(), 8, 400);
  TKiboForm& kibo = *form.KiboForm();
  QPlainTextEdit& memo = *kibo.MemoKibo;
  Item("miMoveHistory")->trigger();
  EXPECT_EQ(kibo.size(), QSize(186, 119));
  ASSERT_EVENTUALLY(memo.horizontalScrollBar()->isVisible(), 2000);
  EXPECT_EQ(memo.horizontalScrollBar()->value(), 0);
  EXPECT_LE(memo.cursorRect().bottom(), memo.viewport()->height());
  EXPECT_EQ(memo.document()->blockCount(), form.game().RecordCount());
  for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
    EXPECT_LE(b.layout()->lineCount(), 1) << b.text().toStdString();  // 0: not laid out
  EXPECT_TRUE(memo.toPlainText().startsWith(
      "[  1][F.Th] {59->22} (Capture<O.An>)\n[  2][O.Th] {50->27} (Capture<F.An>)\n"));

  Item("miR180")->trigger();
  EXPECT_TRUE(memo.toPlainText().startsWith(
      "[  1][F.Th] {40->77} (Capture<O.An>)\n[  2][O.Th] {49->72} (Capture<F.An>)\n"));

  kibo.resize(420, 300);
  EXPECT_EQ(kibo.size(), QSize(420, 300));
  ASSERT_EVENTUALLY(memo.geometry() == kibo.rect(), 2000);
}

TEST_F(BoardFixture, ChatWindowCaptionFlipsWithItsVisibility) {
  TChatForm& chat = *form.ChatForm();
  Item("miChatWindow")->trigger();
  EXPECT_TRUE(chat.isVisible());
  EXPECT_EQ(Item("miChatWindow")->text().toStdString(), "Hide Chat Window");
  const QRect m = form.frameGeometry();
  EXPECT_EQ(chat.frameGeometry().topLeft(), QPoint(m.left(), m.top() + m.height()));

  // Closed from its own title bar, the next click shows it again and keeps "Hide".
  chat.close();
  Item("miChatWindow")->trigger();
  EXPECT_TRUE(chat.isVisible());
  EXPECT_EQ(Item("miChatWindow")->text().toStdString(), "Hide Chat Window");
  Item("miChatWindow")->trigger();
  EXPECT_FALSE(chat.isVisible());
  EXPECT_EQ(Item("miChatWindow")->text().toStdString(), "Show Chat Window");
}

// A board picture is decoded when it first shows: at start-up the Slate one, which covers
// the PBfoil one, is drawn band by band and kept just after; each other skin's picture
// appears whole when its item is chosen.
TEST_F(BoardFixture, BoardPicturesAreDecodedWhenFirstShown) {
  const QImage first = form.BoardArea()->grab().toImage();  // drawn straight from the file
  EXPECT_EQ(first.pixel(40, 300), BoardPicture(Skin::Slate).pixel(40, 300));
  ASSERT_EVENTUALLY(!form.BoardImage(Skin::Slate)->PicturePending(), 5000);
  for (Skin s : {Skin::PBfoil, Skin::Wood, Skin::Marbtea})
    EXPECT_TRUE(form.BoardImage(s)->PicturePending()) << static_cast<int>(s);

  const std::pair<const char*, Skin> rows[] = {
      {"miPBfoil", Skin::PBfoil}, {"miWood", Skin::Wood}, {"miMarbtea", Skin::Marbtea}};
  for (const auto& [item, skin] : rows) {
    Item(item)->trigger();
    const QImage shown = form.BoardArea()->grab().toImage();
    const QImage own = BoardPicture(skin);
    for (QPoint p : {QPoint(40, 300), QPoint(700, 120), QPoint(783, 511)})
      EXPECT_EQ(shown.pixel(p), own.pixel(p)) << item << " at " << p.x() << "," << p.y();
  }
}

TEST_F(BoardFixture, SkinItemsShowExactlyOnePicture) {
  const std::pair<const char*, Skin> rows[] = {{"miWood", Skin::Wood},
                                               {"miMarbtea", Skin::Marbtea},
                                               {"miPBfoil", Skin::PBfoil},
                                               {"miSlate", Skin::Slate}};
  for (const auto& [item, skin] : rows) {
    Item(item)->trigger();
    for (const auto& [other, otherSkin] : rows) {
      EXPECT_EQ(Item(other)->isChecked(), other == item) << item << " " << other;
      EXPECT_EQ(form.BoardImage(otherSkin)->isVisible(), otherSkin == skin) << item << " " << other;
    }
  }
  Item("miSlate")->trigger();  // choosing the current skin again keeps it
  EXPECT_TRUE(Item("miSlate")->isChecked());
  EXPECT_TRUE(form.BoardImage(Skin::Slate)->isVisible());
}

// The checked skin's picture carries a check mark the unchecked pictures lack, and the menus
// draw their pictures at the pictures' own 20 x 20 pixels.
TEST_F(BoardFixture, MenusShowTheCheckedSkinAndFullSizePictures) {
  for (const char* name : {"miWood", "miSlate", "miMarbtea", "miPBfoil"}) {
    const QIcon icon = Item(name)->icon();
    const QImage off = icon.pixmap(20, QIcon::Normal, QIcon::Off).toImage();
    const QImage on = icon.pixmap(20, QIcon::Normal, QIcon::On).toImage();
    ASSERT_EQ(off.size(), on.size()) << name;
    int marked = 0;
    for (int y = 0; y < on.height(); ++y)
      for (int x = 0; x < on.width(); ++x)
        marked += on.pixel(x, y) != off.pixel(x, y);
    EXPECT_GE(marked, 40) << name;  // a stroke across the swatch, not a frame's hairline
  }
  for (const char* name : {"File1", "Playing1", "miEnvironmentEx", "Board1", "BoardRotation1"}) {
    auto* menu = form.findChild<QMenu*>(QString::fromUtf8(name));
    ASSERT_NE(menu, nullptr) << name;
    EXPECT_EQ(menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu), 20) << name;
  }
}

TEST_F(BoardFixture, RoomStatusAndAlignmentPlaceTheWindows) {
  TProtocolForm& room = *form.ProtocolForm();
  TChatForm& chat = *form.ChatForm();
  chat.move(0, 0);
  room.move(0, 0);
  Item("miAttach")->trigger();
  const QRect m = form.frameGeometry();
  EXPECT_FALSE(chat.isVisible());
  EXPECT_FALSE(room.isVisible());
  EXPECT_EQ(chat.frameGeometry().topLeft(), QPoint(m.left(), m.bottom() + 1));
  const QRect r = room.frameGeometry();
  EXPECT_EQ(r.topLeft(), QPoint(m.left() + (m.width() - r.width()) / 2,
                                m.top() + (m.height() - r.height()) / 2));

  form.game().SetCanHandlePieces(true);
  form.game().SetGameMode(GameMode::ServerFree);
  Item("miRoomState")->trigger();
  EXPECT_TRUE(Item("miRoomState")->isChecked());
  EXPECT_TRUE(room.isVisible());
  EXPECT_EQ(Item("miRoomState")->text().toStdString(), "Show Room Status (In Server mode)");
  Item("miRoomState")->trigger();
  EXPECT_FALSE(room.isVisible());
}

TEST_F(BoardFixture, AboutBoxIsCentredAndModal) {
  Item("miAbout")->trigger();
  EXPECT_EQ(prompts.log, std::vector<std::string>{"modal:AboutBox"});
  const QRect m = form.frameGeometry(), a = form.AboutBox()->frameGeometry();
  EXPECT_EQ(a.left(), m.left() + (m.width() - a.width()) / 2);
}

TEST_F(BoardFixture, ExitInALocalGameClosesAtOnce) {
  NewGame();
  Item("miExit")->trigger();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(socketCloses, 1);
}

TEST_F(BoardFixture, ExitAsANetworkPlayerSurrendersFirst) {
  form.game().SetGameMode(GameMode::ServerPlaying);
  form.game().SetOwnCamp(Camp::Oak);
  form.game().miNewClick();
  form.game().SetCanHandlePieces(true);

  prompts.answers = {BoxAnswer::Cancel};
  Item("miExit")->trigger();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.game().Mode(), GameMode::ServerPlaying);
  EXPECT_EQ(socketCloses, 0);

  prompts.log.clear();
  Item("miExit")->trigger();
  ASSERT_GE(prompts.log.size(), 2u);
  EXPECT_EQ(prompts.log[0], "box:Game over & Bye|You are conquered");
  EXPECT_EQ(prompts.log[1], "box:Game over|Fir Win");
  EXPECT_EQ(sentToAll, std::vector<std::string>{"Winn 0"});
  EXPECT_EQ(form.game().Mode(), GameMode::ServerFree);
  EXPECT_EQ(socketCloses, 1);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(BoardFixture, ExitAsASpectatorClosesWithoutAsking) {
  form.game().SetGameMode(GameMode::ClientPlaying);
  form.game().SetCanHandlePieces(false);
  Item("miExit")->trigger();
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_TRUE(sentToServer.empty());
  EXPECT_FALSE(form.isVisible());
}

// A received move glides in one-pixel steps: a Grasshopper's step two columns across and one
// row down goes 63 pixels across, then 47 diagonally, ending on the square.
TEST_F(BoardFixture, AReceivedMoveGlidesPixelByPixel) {
  struct MoveCounter : QObject {
    int moves = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Move) ++moves;
      return false;
    }
  } counter;
  NewGame();
  const PieceId grasshopper = form.game().board().OccupantAt({1, 0});
  form.PieceImage(grasshopper)->installEventFilter(&counter);
  const MoveFields move{grasshopper, -1, 1, 0, 3, 1, 0};
  form.game().ApplyReceivedMove(move, "Move");
  EXPECT_EQ(counter.moves, 63 + 47);
  EXPECT_EQ(ImagePos(grasshopper), SquarePos({3, 1}));
  EXPECT_EQ(MarkerPos(), SquarePos({3, 1}) - QPoint(5, 5));
}

TEST_F(BoardFixture, ParkedMarkerAfterAReceivedPass) {
  NewGame();
  form.game().ApplyReceivedMove({kFirAnt1, -1, 0, 0, 0, 0, 1}, "Move");
  EXPECT_EQ(MarkerPos(), QPoint(29, -11));
  EXPECT_EQ(Panel(4), "Pass Form Opposite");
}

}  // namespace
}  // namespace tamsok
