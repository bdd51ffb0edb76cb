#include <gtest/gtest.h>

#include <random>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "tests/game/FakeView.h"

namespace tamsok {
namespace {

using testing::FakeView;
using testing::GameFixture;

// A local game just started.
struct LocalGame : GameFixture {
  LocalGame() { game.miNewClick(); }
  void Drop(PieceId p, int x, int y) { game.PlayDroppedPiece(p, x, y); }
};

// A network game as the server or a client starts one: mode, camp, new game, player.
struct NetworkGame : GameFixture {
  NetworkGame(GameMode mode, Camp own, int viewSide = 0) {
    if (viewSide != 0) game.SelectViewSide(viewSide);
    game.SetGameMode(mode);
    game.SetOwnCamp(own);
    game.miNewClick();
    game.SetCanHandlePieces(true);
  }
  void Drop(PieceId p, int x, int y) { game.PlayDroppedPiece(p, x, y); }
  std::string Receive(const std::string& text) {
    const auto fields = ReadMove(text);
    EXPECT_TRUE(fields) << text;
    return game.ApplyReceivedMove(fields.value, text);
  }
};

struct Snapshot {
  std::array<Square, kPieceCount> pos;
  std::array<bool, kPieceCount> inPlay;
  int captured[2], balance[2], records, redo;
  Camp side;
  std::vector<MoveRecord> recs;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const Game& g) {
  Snapshot s{g.board().PiecePos,
             g.board().InPlay,
             {g.CapturedCount(Camp::Fir), g.CapturedCount(Camp::Oak)},
             {g.MaterialBalance(Camp::Fir), g.MaterialBalance(Camp::Oak)},
             g.RecordCount(),
             g.RedoLimit(),
             g.SideToMove(),
             {}};
  for (int i = 1; i <= g.RedoLimit(); ++i)
    s.recs.push_back(g.Record(i));
  return s;
}

// ---- Window creation, modes, new game -----------------------------------------------

TEST(GameStart, WindowCreationLeavesASpectatorInLocalFree) {
  GameFixture f;
  const Game& g = f.game;
  EXPECT_EQ(g.Mode(), GameMode::LocalFree);
  EXPECT_EQ(f.view.panel[kPanelMode], "LocalFree");
  EXPECT_FALSE(g.CanHandlePieces());
  EXPECT_FALSE(g.ClockRunning());
  EXPECT_EQ(g.UnitTime(), 30);
  EXPECT_EQ(g.ExceedLimit(), 10);
  EXPECT_EQ(g.SideToMove(), Camp::Fir);
  EXPECT_EQ(g.board().PiecePos[0], (Square{4, 0}));
  ASSERT_EQ(g.StationId().size(), 15u);
  for (int i = 0; i < 3; ++i) {
    const std::string part = g.StationId().substr(i * 5, 5);
    const auto v = ParseIntField(part);
    ASSERT_TRUE(v) << part;
    EXPECT_GE(v.value, 0);
    EXPECT_LE(v.value, 65534);
  }
  // LocalFree offers no game-end items, and Client mode.
  EXPECT_FALSE(f.view.enabled[MenuItem::miPass]);
  EXPECT_TRUE(f.view.enabled[MenuItem::miConnect]);
  EXPECT_TRUE(f.game.RefuseSpectator());
  EXPECT_EQ(f.view.panel[kPanelGame], "You are only a spectator");
}

TEST(GameStart, StationIdsDifferBetweenSeedsAndRepeatForOne) {
  FakeView v;
  testing::FakePeer p;
  Game a(v, p, 1u), b(v, p, 2u), c(v, p, 1u);
  a.FormCreate(), b.FormCreate(), c.FormCreate();
  EXPECT_NE(a.StationId(), b.StationId());
  EXPECT_EQ(a.StationId(), c.StationId());
}

TEST(GameModes, MenuTableOfEveryModeForAPlayer) {
  using M = MenuItem;
  const M items[] = {M::miCreateRoom, M::miConnect,  M::miReqGame, M::miNew,
                     M::miLocalAlone, M::miLoad,     M::miSave,    M::miSaveas,
                     M::miUndoFirst,  M::miUndo,     M::miRedo,    M::miRedoLast,
                     M::miPass,       M::miLossgame, M::miScoring, M::miRoomState};
  const char* rows[6] = {
      "1101010000000000",  // LocalFree
      "0000111111111110",  // LocalPlaying
      "1000000000000001",  // ServerFree
      "0000001100001111",  // ServerPlaying
      "0110000000000000",  // ClientFree
      "0000001100001110",  // ClientPlaying
  };
  for (int mode = 0; mode < 6; ++mode) {
    GameFixture f;
    f.game.SetCanHandlePieces(true);
    f.game.SetGameMode(static_cast<GameMode>(mode));
    EXPECT_EQ(f.view.panel[kPanelMode], GameModeName(static_cast<GameMode>(mode)));
    EXPECT_EQ(f.game.ClockRunning(), mode == 1 || mode == 3 || mode == 5);
    for (int i = 0; i < 16; ++i)
      EXPECT_EQ(f.view.enabled[items[i]], rows[mode][i] == '1')
          << "mode " << mode << " item " << MenuItemName(items[i]);
  }
}

TEST(GameModes, SpectatorInClientPlayingKeepsTheFlagAndGetsClientMode) {
  GameFixture f;
  f.game.SetCanHandlePieces(false);
  f.game.SetGameMode(GameMode::ClientPlaying);
  EXPECT_FALSE(f.game.CanHandlePieces());
  EXPECT_FALSE(f.view.enabled[MenuItem::miPass]);
  EXPECT_FALSE(f.view.enabled[MenuItem::miScoring]);
  EXPECT_TRUE(f.view.enabled[MenuItem::miConnect]);
  for (auto click : {&Game::miPassClick, &Game::miLossgameClick, &Game::miScoringClick}) {
    f.view.panel[kPanelGame].clear();
    (f.game.*click)();
    EXPECT_EQ(f.view.panel[kPanelGame], "You are only a spectator");
  }
  EXPECT_EQ(f.game.Mode(), GameMode::ClientPlaying);
  EXPECT_TRUE(f.peer.toServer.empty());
}

TEST(NewGame, FirstLocalGameTextsPanelsAndAPlayersMenu) {
  GameFixture f;
  f.game.miNewClick();
  EXPECT_EQ(f.game.Mode(), GameMode::LocalPlaying);
  EXPECT_EQ(f.view.panel[kPanelMode], "Playing");
  EXPECT_EQ(f.view.panel[kPanelGame], "Always fir tree camp First");
  EXPECT_EQ(f.view.panel[kPanelFirClock], "[Fir][00\"00][30][0/10][0]");
  EXPECT_EQ(f.view.panel[kPanelOakClock], "[Oak][00\"00][30][0/10][0]");
  EXPECT_EQ(f.view.marker, FakeView::Marker::NewGame);
  EXPECT_TRUE(f.game.ClockRunning());
  EXPECT_TRUE(f.game.CanHandlePieces());
  EXPECT_TRUE(f.view.enabled[MenuItem::miPass]);
  EXPECT_FALSE(f.view.enabled[MenuItem::miConnect]);
  EXPECT_TRUE(std::find(f.view.log.begin(), f.view.log.end(), "mode:LocalPlaying") !=
              f.view.log.end());
}

TEST(NewGame, KeepsANetworkModeAndLoadsTheStartInTheCurrentSide) {
  NetworkGame n(GameMode::ServerPlaying, Camp::Oak, 2);
  EXPECT_EQ(n.game.Mode(), GameMode::ServerPlaying);
  EXPECT_NE(n.view.panel[kPanelGame], "New Local Game");
  EXPECT_EQ(n.game.board().PiecePos[0], (Square{5, 9}));
  EXPECT_EQ(n.game.board().PiecePos[30], (Square{5, 0}));
  EXPECT_EQ(n.view.image[0].square, (Square{5, 9}));
  EXPECT_FALSE(n.view.image[24].visible);
  EXPECT_TRUE(n.view.image[24].enabled);
}

// ---- Playing moves ---------------------------------------------------------------------

TEST(PlayMove, ALegalMoveIsRecordedShownAndPassesTheTurn) {
  LocalGame f;
  f.Drop(18, 0, 3);
  EXPECT_EQ(f.view.panel[kPanelGame], "[  1][Fir Ant]{x0y7->x0y6}");
  EXPECT_EQ(f.game.SideToMove(), Camp::Oak);
  EXPECT_EQ(f.game.RecordCount(), 1);
  EXPECT_EQ(f.game.Record(1), (MoveRecord{18, -1, 0, 2, 0, 3, false}));
  EXPECT_EQ(f.view.image[18].square, (Square{0, 3}));
  EXPECT_EQ(f.view.marker, FakeView::Marker::OnSquare);
  EXPECT_EQ(f.view.markerSquare, (Square{0, 3}));
  EXPECT_EQ(f.view.sounds, 1);
  EXPECT_EQ(f.game.LastMessage(), "Move18-1 0 2 0 3 0");
  EXPECT_TRUE(f.peer.toAll.empty() && f.peer.toServer.empty());  // local play sends nothing
  EXPECT_EQ(f.game.CheckInvariants(), "");
}

TEST(PlayMove, RefusalsShowTheirTextAndChangeNothing) {
  struct Case {
    PieceId piece;
    Square to;
    const char* text;
  };
  const Case cases[] = {
      {48, {0, 6}, "Not Oak Turn"},  // legal for Oak, but Fir is to move
      {6, {1, 1}, "Invalid move(rule violation)"},
      {6, {2, 2}, "Is not Enemy"},
      {8, {0, 0}, "Stand still"},
      {1, {3, 7}, "Can't capture a piece of enemy under cloaking effect"},
  };
  for (const Case& c : cases) {
    LocalGame f;
    f.game.Timer1Timer();
    const Snapshot before = Take(f.game);
    const int elapsed = f.game.MoveElapsed();
    f.Drop(c.piece, c.to.x, c.to.y);
    EXPECT_EQ(f.view.panel[kPanelGame], c.text);
    EXPECT_EQ(Take(f.game), before) << c.text;
    EXPECT_EQ(f.game.MoveElapsed(), elapsed);
    EXPECT_EQ(f.view.snapBacks, 1);
    EXPECT_EQ(f.view.image[c.piece].square, f.game.board().PiecePos[c.piece]);
    EXPECT_EQ(f.view.sounds, 0);
  }
}

TEST(PlayMove, TheTurnRuleRefusesAFirPieceWhenOakIsToMove) {
  LocalGame f;
  f.Drop(18, 0, 3);
  f.Drop(19, 2, 3);  // legal for the piece, but not Fir's turn
  EXPECT_EQ(f.view.panel[kPanelGame], "Not Fir Turn");
  EXPECT_EQ(f.game.SideToMove(), Camp::Oak);
  EXPECT_EQ(f.game.RecordCount(), 1);
}

TEST(PlayMove, NetworkTurnRuleSnapsBackSilently) {
  NetworkGame n(GameMode::ServerPlaying, Camp::Oak);
  n.view.panel[kPanelGame] = "before";
  n.Drop(18, 0, 3);  // Fir to move, but this station plays Oak
  EXPECT_EQ(n.view.panel[kPanelGame], "before");
  EXPECT_EQ(n.view.snapBacks, 1);
  EXPECT_EQ(n.game.RecordCount(), 0);
  EXPECT_TRUE(n.peer.toAll.empty());
}

TEST(PlayMove, CaptureCountersGoToTheCapturedCamp) {
  LocalGame f;
  f.Drop(8, 0, 9);  // Fir's Wasp takes Oak's Wasp over two Ants
  EXPECT_EQ(f.game.CapturedCount(Camp::Oak), 1);
  EXPECT_EQ(f.game.MaterialBalance(Camp::Oak), -71);
  EXPECT_EQ(f.game.CapturedCount(Camp::Fir), 0);
  EXPECT_EQ(f.game.MaterialBalance(Camp::Fir), 0);
  EXPECT_EQ(f.view.image[38].traySlot, 0);
  EXPECT_FALSE(f.view.image[38].enabled);
  EXPECT_FALSE(f.game.board().InPlay[38]);
  EXPECT_EQ(f.game.board().PiecePos[38], kOffBoard);
  EXPECT_EQ(f.game.Record(1).Captured, 38);
  EXPECT_EQ(f.game.CheckInvariants(), "");
}

TEST(PlayMove, ServerTreeCaptureSendsMoveThenWinnAndEndsTheGame) {
  NetworkGame n(GameMode::ServerPlaying, Camp::Fir);
  n.Drop(18, 0, 3);
  EXPECT_EQ(n.Receive("Move30-1 4 9 4 8 0"), "Move30-1 4 9 4 8 0");
  n.view.log.clear();
  n.Drop(1, 4, 8);  // the Lightning strikes Oak's Tree inside the Clouds' zone
  const std::vector<std::string> expected = {"all:Move 130 5 0 4 8 0", "all:Winn 0",
                                             "box:Game over|Fir Win", "unlock", "mode:ServerFree"};
  EXPECT_EQ(n.view.log, expected);
  EXPECT_EQ(n.game.Mode(), GameMode::ServerFree);
  EXPECT_EQ(n.game.LastMessage(), "Winn 0");
}

TEST(PlayMove, ACaptureOfAnythingButATreeSendsTheMoveOnce) {
  NetworkGame n(GameMode::ServerPlaying, Camp::Fir);
  n.Drop(8, 0, 9);
  EXPECT_EQ(n.peer.toAll, std::vector<std::string>{"Move 838 0 0 0 9 0"});
  EXPECT_EQ(n.game.Mode(), GameMode::ServerPlaying);
}

// A local game ends when a Tree falls, the box first; in a free mode nothing ends.
TEST(PlayMove, ATreeCaptureEndsALocalGameOnly) {
  for (GameMode mode : {GameMode::LocalPlaying, GameMode::LocalFree}) {
    LocalGame f;
    f.game.SetGameMode(mode);
    f.Drop(18, 0, 3);
    f.game.ApplyReceivedMove({30, -1, 4, 9, 4, 8, 0}, "");
    f.view.log.clear();
    f.Drop(1, 4, 8);
    EXPECT_EQ(f.game.MaterialBalance(Camp::Oak), -9000);
    EXPECT_EQ(f.game.Mode(), GameMode::LocalFree);
    const std::vector<std::string> ended = {"box:Game over|Fir Win", "mode:LocalFree"};
    EXPECT_EQ(f.view.log, mode == GameMode::LocalPlaying ? ended : std::vector<std::string>{});
  }
}

TEST(PlayMove, AClientInSideTwoSendsCanonicalSquares) {
  NetworkGame n(GameMode::ClientPlaying, Camp::Fir, 2);
  ASSERT_EQ(n.game.board().PiecePos[18], (Square{9, 7}));
  n.Drop(18, 9, 6);
  EXPECT_EQ(n.peer.toServer, std::vector<std::string>{"Move18-1 0 2 0 3 0"});
  EXPECT_EQ(n.view.panel[kPanelGame], "[  1][Fir Ant]{x9y2->x9y3}");
}

// ---- Received moves ----------------------------------------------------------------

TEST(ReceivedMove, AppliedInTheReceiversSideWithGlideAndReply) {
  NetworkGame n(GameMode::ClientPlaying, Camp::Oak, 2);
  EXPECT_EQ(n.Receive("Move 0-1 4 0 4 1 0"), "[.][  1][Fir Tree]{x5y0->x5y1}");
  EXPECT_EQ(n.game.board().PiecePos[0], (Square{5, 8}));
  EXPECT_EQ(n.view.glides, 1);
  EXPECT_EQ(n.view.markerSquare, (Square{5, 8}));
  EXPECT_EQ(n.game.Record(1), (MoveRecord{0, -1, 5, 9, 5, 8, false}));
  EXPECT_EQ(n.game.SideToMove(), Camp::Oak);
}

TEST(ReceivedMove, TheWrongSideIsIgnoredWithAnEmptyReply) {
  NetworkGame n(GameMode::ServerPlaying, Camp::Fir);
  const Snapshot before = Take(n.game);
  EXPECT_EQ(n.Receive("Move48-1 0 7 0 6 0"), "");
  EXPECT_EQ(Take(n.game), before);
}

TEST(ReceivedMove, MovesThatDoNotFitTheBoardChangeNothing) {
  struct Case {
    MoveFields m;
    const char* reply;
  };
  const Case cases[] = {
      {{60, -1, 0, 0, 0, 1, 0}, "Refused move: a field is out of range"},
      {{18, -2, 0, 2, 0, 3, 0}, "Refused move: a field is out of range"},
      {{18, -1, 0, 2, 0, 10, 0}, "Refused move: a field is out of range"},
      {{24, -1, 0, 0, 0, 1, 0}, "Refused move: the piece is not on the board"},
      {{18, -1, 1, 2, 0, 3, 0}, "Refused move: the piece does not stand on the source square"},
      {{8, 48, 0, 0, 0, 8, 0}, "Refused move: the captured piece is not on the target square"},
      {{8, 18, 0, 0, 0, 2, 0},
       "Refused move: a piece of the mover's own camp is named as captured"},
      {{8, -1, 0, 0, 0, 7, 0}, "Refused move: the target square is occupied"},
  };
  for (const Case& c : cases) {
    NetworkGame n(GameMode::ClientPlaying, Camp::Oak);
    const Snapshot before = Take(n.game);
    EXPECT_EQ(n.game.ApplyReceivedMove(c.m, BuildMove(c.m)), c.reply);
    EXPECT_EQ(Take(n.game), before) << c.reply;
    EXPECT_EQ(n.view.glides, 0);
  }
}

TEST(ReceivedMove, AMoveCarryingThePassFlagParksTheMarker) {
  NetworkGame server(GameMode::ServerPlaying, Camp::Oak);
  EXPECT_EQ(server.Receive("Move 0-1 4 0 4 1 1"), "Move 0-1 4 0 4 1 1");
  EXPECT_EQ(server.view.panel[kPanelGame], "Pass Form Opposite");
  EXPECT_EQ(server.view.marker, FakeView::Marker::Parked);
  EXPECT_TRUE(server.game.Record(1).IsPass);
  EXPECT_EQ(server.game.Record(1).Piece, -1);
  EXPECT_EQ(server.game.board().PiecePos[0], (Square{4, 0}));  // nothing moved
  NetworkGame client(GameMode::ClientPlaying, Camp::Oak);
  EXPECT_EQ(client.Receive("Move 0-1 4 0 4 1 7"), "[.]");
}

TEST(ReceivedMove, AClientsTreeCaptureEndsTheServerGame) {
  NetworkGame n(GameMode::ServerPlaying, Camp::Oak);
  n.Receive("Move 1-1 5 0 5 1 0");
  n.Drop(30, 4, 8);
  // Oak's Tree stands on (4, 8) now; Fir's Lightning takes it.
  EXPECT_EQ(n.Receive("Move 130 5 1 4 8 0"), "Winn 0");
  EXPECT_EQ(n.game.Mode(), GameMode::ServerFree);
  EXPECT_EQ(n.view.boxes.back(), "Game over|Fir Win");
  EXPECT_EQ(n.view.unlocks, 1);
}

// ---- History, undo and redo -----------------------------------------------------------

TEST(History, LinesForMovesCapturesAndPasses) {
  LocalGame f;
  f.view.historyVisible = true;
  f.Drop(0, 4, 1);
  f.game.PassBookkeeping();
  f.Drop(8, 0, 9);
  const std::vector<std::string> expected = {"[  1][F.Tr] {49->48}", "[  2][PASS]",
                                             "[  3][F.Wa] {09->00} (Capture<O.Wa>)"};
  EXPECT_EQ(f.view.history, expected);
  f.view.historyVisible = false;
  f.game.miUndoClick();
  EXPECT_EQ(f.view.history.size(), 3u);  // a hidden window is not rebuilt
  EXPECT_EQ(f.game.HistoryLines().size(), 2u);
}

TEST(UndoRedo, FirstThenLastRestoresEverythingAlsoAcrossAViewChange) {
  for (int side : {0, 1, 2, 3}) {
    LocalGame f;
    f.Drop(8, 0, 9);   // Fir takes Oak's Wasp
    f.Drop(48, 0, 6);  // Oak's Ant
    f.game.PassBookkeeping();
    f.Drop(39, 9, 1);  // Oak's Wasp... blocked? it flies: takes nothing, lands on (9, 1)
    const Snapshot full = Take(f.game);
    f.game.miUndoFirstClick();
    EXPECT_EQ(f.game.RecordCount(), 0);
    EXPECT_EQ(f.game.CheckInvariants(), "");
    f.game.SelectViewSide(side);
    f.game.miRedoLastClick();
    f.game.SelectViewSide(0);
    EXPECT_EQ(Take(f.game), full) << "side " << side;
    EXPECT_EQ(f.view.image[38].traySlot, 0);
    EXPECT_EQ(f.game.CheckInvariants(), "");
  }
}

TEST(UndoRedo, UndoingACaptureReturnsThePieceAndItsValue) {
  LocalGame f;
  f.Drop(8, 0, 9);
  f.game.miUndoClick();
  EXPECT_TRUE(f.game.board().InPlay[38]);
  EXPECT_EQ(f.game.board().PiecePos[38], (Square{0, 9}));
  EXPECT_TRUE(f.view.image[38].enabled);
  EXPECT_EQ(f.view.image[38].square, (Square{0, 9}));
  EXPECT_EQ(f.game.CapturedCount(Camp::Oak), 0);
  EXPECT_EQ(f.game.MaterialBalance(Camp::Oak), 0);
  EXPECT_EQ(f.game.SideToMove(), Camp::Fir);
  EXPECT_EQ(f.game.RedoLimit(), 1);
  f.game.miRedoClick();
  EXPECT_EQ(f.view.image[38].traySlot, 0);
  EXPECT_EQ(f.game.MaterialBalance(Camp::Oak), -71);
}

TEST(UndoRedo, MarkerAfterUndoOfFirstMoveMoveAfterMoveAndPass) {
  LocalGame f;
  f.Drop(18, 0, 3);
  f.game.miUndoClick();
  EXPECT_EQ(f.view.marker, FakeView::Marker::Parked);
  f.game.miRedoClick();
  EXPECT_EQ(f.view.markerSquare, (Square{0, 3}));
  f.Drop(48, 0, 6);
  f.game.miUndoClick();
  EXPECT_EQ(f.view.marker, FakeView::Marker::OnSquare);
  EXPECT_EQ(f.view.markerSquare, (Square{0, 3}));
  f.game.miRedoClick();
  f.game.PassBookkeeping();
  f.game.miUndoClick();  // undo of a pass parks even though a move precedes it
  EXPECT_EQ(f.view.marker, FakeView::Marker::Parked);
  EXPECT_EQ(f.view.panel[kPanelGame], "Pass");
  EXPECT_EQ(f.game.SideToMove(), Camp::Fir);
  f.game.miRedoClick();
  f.Drop(19, 2, 3);
  f.game.miUndoClick();  // the record left in force is a pass
  EXPECT_EQ(f.view.marker, FakeView::Marker::Parked);
}

TEST(UndoRedo, ANewMoveAfterUndosCutsTheRedoRange) {
  LocalGame f;
  f.Drop(18, 0, 3);
  f.Drop(48, 0, 6);
  f.game.miUndoClick();
  f.game.miUndoClick();
  f.Drop(19, 2, 3);
  EXPECT_EQ(f.game.RecordCount(), 1);
  EXPECT_EQ(f.game.RedoLimit(), 1);
  f.game.miRedoClick();
  EXPECT_EQ(f.game.RecordCount(), 1);
}

// ---- Pass, surrender, scoring ---------------------------------------------------------

TEST(Pass, LocalAndServerPassesTakeEffectClientPassWaitsForItsEcho) {
  LocalGame local;
  local.view.historyVisible = true;
  local.game.miPassClick();
  EXPECT_EQ(local.game.SideToMove(), Camp::Oak);
  EXPECT_TRUE(local.game.Record(1).IsPass);
  EXPECT_EQ(local.view.history, std::vector<std::string>{"[  1][PASS]"});
  EXPECT_TRUE(local.peer.toAll.empty() && local.peer.toServer.empty());

  NetworkGame server(GameMode::ServerPlaying, Camp::Fir);
  server.game.miPassClick();
  EXPECT_EQ(server.peer.toAll, std::vector<std::string>{"Pass"});
  EXPECT_EQ(server.game.SideToMove(), Camp::Oak);
  EXPECT_TRUE(server.game.Record(1).IsPass);
  server.game.miPassClick();  // out of turn: silently ignored
  EXPECT_EQ(server.peer.toAll.size(), 1u);

  NetworkGame client(GameMode::ClientPlaying, Camp::Fir);
  client.game.miPassClick();
  EXPECT_EQ(client.peer.toServer, std::vector<std::string>{"Pass"});
  EXPECT_TRUE(client.game.PassPending());
  EXPECT_EQ(client.game.SideToMove(), Camp::Fir);
  EXPECT_EQ(client.game.RecordCount(), 0);
  client.game.miPassClick();
  EXPECT_EQ(client.peer.toServer.size(), 1u);
}

TEST(Surrender, OrderOfBoxAndModeChangeInEveryMode) {
  LocalGame local;
  local.view.log.clear();
  local.game.miLossgameClick();
  EXPECT_EQ(local.view.log,
            (std::vector<std::string>{"box:Game over|You are conquered", "mode:LocalFree"}));

  NetworkGame server(GameMode::ServerPlaying, Camp::Oak);
  server.view.log.clear();
  server.game.miLossgameClick();
  EXPECT_EQ(server.view.log, (std::vector<std::string>{"all:Winn 0", "unlock", "mode:ServerFree",
                                                       "box:Game over|Fir Win"}));

  NetworkGame client(GameMode::ClientPlaying, Camp::Fir);
  client.view.log.clear();
  client.game.miLossgameClick();
  EXPECT_EQ(client.view.log, (std::vector<std::string>{"server:Loss", "mode:ClientFree"}));
  EXPECT_TRUE(client.view.boxes.empty());
}

// Flips the side to move with passes until `camp` is to move.
void PassUntil(Game& g, Camp camp) {
  if (g.SideToMove() != camp) g.PassBookkeeping();
}

// The camp's Lightning takes the piece on canonical square `target`, by a received move
// that the rules allow (from the start position a Lightning reaches the enemy's Clouds and
// its outer Ants).
void Capture(Game& g, Camp by, Square target) {
  PassUntil(g, by);
  const PieceId lightning = by == Camp::Fir ? 1 : kPiecesPerCamp + 1;
  const Square from = ToCanonical(g.ViewSide(), g.board().PiecePos[lightning]);
  const PieceId victim = g.board().OccupantAt(FromCanonical(g.ViewSide(), target));
  const MoveFields m{lightning, victim, from.x, from.y, target.x, target.y, 0};
  const int before = g.RecordCount();
  g.ApplyReceivedMove(m, BuildMove(m));
  ASSERT_EQ(g.RecordCount(), before + 1) << "capture on " << target.x << "," << target.y;
}

TEST(Scoring, NeedsFiftyRecordsAndTiesGoToOak) {
  LocalGame f;
  for (int i = 0; i < 49; ++i)
    f.game.PassBookkeeping();
  f.game.miScoringClick();
  EXPECT_EQ(f.view.boxes.back(), "Notice|Require 50 Moves at least");
  EXPECT_EQ(f.game.Mode(), GameMode::LocalPlaying);
  f.game.PassBookkeeping();
  f.game.miScoringClick();
  EXPECT_EQ(f.view.boxes.back(), "Game over|OakWin");
  EXPECT_EQ(f.game.Mode(), GameMode::LocalFree);
}

TEST(Scoring, WinnerRuleByMaterial) {
  struct Case {
    std::vector<std::pair<Camp, Square>> captures;  // (capturing camp, canonical target)
    Camp winner;
  };
  const Case cases[] = {
      {{}, Camp::Oak},
      {{{Camp::Fir, {4, 6}}, {Camp::Oak, {2, 2}}}, Camp::Fir},  // Oak loses a Cloud, Fir an Ant
      {{{Camp::Fir, {4, 6}}, {Camp::Oak, {5, 3}}}, Camp::Oak},  // a Cloud each: 61 and 61
      {{{Camp::Fir, {2, 7}}}, Camp::Fir},
  };
  for (const Case& c : cases) {
    LocalGame f;
    for (auto [camp, target] : c.captures)
      Capture(f.game, camp, target);
    EXPECT_EQ(f.game.ScoringWinner(), c.winner);
  }
}

TEST(Scoring, ServerAndClientBranches) {
  NetworkGame server(GameMode::ServerPlaying, Camp::Oak);
  Capture(server.game, Camp::Fir, {4, 6});
  Capture(server.game, Camp::Oak, {2, 2});
  while (server.game.RecordCount() < 50)
    server.game.PassBookkeeping();
  server.view.log.clear();
  server.game.miScoringClick();
  EXPECT_EQ(server.view.log, (std::vector<std::string>{"all:Winn 0", "unlock", "mode:ServerFree",
                                                       "box:Game over|Fir Win"}));
  NetworkGame client(GameMode::ClientPlaying, Camp::Fir);
  while (client.game.RecordCount() < 50)
    client.game.PassBookkeeping();
  client.game.miScoringClick();
  EXPECT_EQ(client.peer.toServer, std::vector<std::string>{"Fini"});
  EXPECT_EQ(client.game.Mode(), GameMode::ClientFree);
}

// ---- Clock ---------------------------------------------------------------------------

TEST(Clock, FirstExceedingOnTheThirtyFirstTickAndAMoveResetsOnlyTheSeconds) {
  LocalGame f;
  for (int i = 0; i < 30; ++i)
    f.game.Timer1Timer();
  EXPECT_EQ(f.game.ExceedCount(Camp::Fir), 0);
  EXPECT_EQ(f.view.panel[kPanelFirClock], "[Fir][00\"30][ 0][0/10][0]");
  f.game.Timer1Timer();
  EXPECT_EQ(f.game.ExceedCount(Camp::Fir), 1);
  EXPECT_EQ(f.view.panel[kPanelFirClock], "[Fir][00\"31][30][1/10][0]");
  for (int i = 0; i < 5; ++i)
    f.game.Timer1Timer();
  f.Drop(18, 0, 3);
  EXPECT_EQ(f.game.MoveElapsed(), 0);
  EXPECT_EQ(f.game.ExceedCount(Camp::Fir), 1);
  EXPECT_EQ(f.game.TotalTime(Camp::Fir), 36);
  f.game.Timer1Timer();
  EXPECT_EQ(f.view.panel[kPanelOakClock], "[Oak][00\"01][29][0/10][0]");
  EXPECT_EQ(f.view.panel[kPanelFirClock], "[Fir][00\"36][25][1/10][0]");  // kept as it was
}

TEST(Clock, ThreeDigitMinutesAndAMaterialFigure) {
  LocalGame f;
  f.Drop(8, 0, 9);  // Oak loses a Wasp; Oak is to move
  for (int i = 0; i < 6000; ++i)
    f.game.Timer1Timer();
  EXPECT_EQ(f.game.TotalTime(Camp::Oak), 6000);
  EXPECT_EQ(f.view.panel[kPanelOakClock].substr(0, 14), "[Oak][100\"00][");
  EXPECT_NE(f.view.panel[kPanelOakClock].find("/10][-71]"), std::string::npos);
  EXPECT_EQ(f.game.Mode(), GameMode::LocalPlaying);  // local play never surrenders
  EXPECT_GT(f.game.ExceedCount(Camp::Oak), 10);
}

// The displays follow the game at once: a capture and its undo rewrite the material figure of
// both clock panels (the seconds left as each last showed them), a pass is listed as soon as it
// is in force, and New game empties the history.
TEST(Clock, PanelsAndHistoryFollowCapturesUndoPassesAndNewGame) {
  NetworkGame f(GameMode::ServerPlaying, Camp::Fir);
  f.view.historyVisible = true;
  f.game.Timer1Timer();
  f.Drop(8, 0, 9);  // Fir's Wasp takes Oak's Wasp
  EXPECT_EQ(f.view.panel[kPanelOakClock], "[Oak][00\"00][30][0/10][-71]");
  EXPECT_EQ(f.view.panel[kPanelFirClock], "[Fir][00\"01][29][0/10][0]");
  f.game.PassBookkeeping();
  EXPECT_EQ(f.view.history.back(), "[  2][PASS]");

  LocalGame local;
  local.Drop(8, 0, 9);
  local.game.miUndoClick();
  EXPECT_EQ(local.view.panel[kPanelOakClock], "[Oak][00\"00][30][0/10][0]");
  local.view.historyVisible = true;
  local.game.miRedoClick();
  EXPECT_EQ(local.view.history.size(), 1u);
  local.game.SetGameMode(GameMode::LocalFree);
  local.game.miNewClick();
  EXPECT_TRUE(local.view.history.empty());
}

TEST(Clock, ANetworkPlayerSurrendersOnlyPastTheLimit) {
  struct Case {
    int limit;
    int exceedings;
    bool surrendered;
  };
  for (const Case c : {Case{0, 1, true}, Case{5, 5, false}, Case{5, 6, true}}) {
    NetworkGame n(GameMode::ServerPlaying, Camp::Fir);
    n.game.SetRequestTerms(10, c.limit, 0);
    for (int i = 0; i < 11 * c.exceedings; ++i)
      n.game.Timer1Timer();
    EXPECT_EQ(n.game.ExceedCount(Camp::Fir), c.exceedings);
    EXPECT_EQ(n.game.Mode() == GameMode::ServerFree, c.surrendered)
        << c.limit << " " << c.exceedings;
    EXPECT_EQ(n.peer.toAll == std::vector<std::string>{"Winn 1"}, c.surrendered);
  }
  // The opponent's station counts the same exceedings and waits for its surrender; a room
  // waits one exceeding more, then ends the game itself. A client only waits.
  NetworkGame other(GameMode::ServerPlaying, Camp::Oak);
  other.game.SetRequestTerms(10, 0, 0);
  for (int i = 0; i < 21; ++i)
    other.game.Timer1Timer();
  EXPECT_EQ(other.game.Mode(), GameMode::ServerPlaying);
  other.game.Timer1Timer();
  EXPECT_EQ(other.game.Mode(), GameMode::ServerFree);
  EXPECT_EQ(other.peer.toAll, std::vector<std::string>{"Winn 1"});
  NetworkGame client(GameMode::ClientPlaying, Camp::Oak);
  client.game.SetRequestTerms(10, 0, 0);
  for (int i = 0; i < 50; ++i)
    client.game.Timer1Timer();
  EXPECT_EQ(client.game.Mode(), GameMode::ClientPlaying);
  // A player away from the room: its clock stands still.
  NetworkGame away(GameMode::ServerPlaying, Camp::Oak);
  away.game.SetAwayCamp(Camp::Fir);
  for (int i = 0; i < 50; ++i)
    away.game.Timer1Timer();
  EXPECT_EQ(away.game.ExceedCount(Camp::Fir), 0);
  EXPECT_EQ(away.game.TotalTime(Camp::Fir), 0);
}

// ---- Viewing side ---------------------------------------------------------------------

TEST(ViewSide, TreeSquaresInTheFourSidesAndMyView) {
  LocalGame f;
  const Square expected[4] = {{4, 0}, {9, 4}, {5, 9}, {0, 5}};
  for (int side : {1, 2, 3, 0, 2, 1, 3, 0}) {
    f.game.SelectViewSide(side);
    EXPECT_EQ(f.game.board().PiecePos[0], expected[side]);
    EXPECT_EQ(f.view.image[0].square, expected[side]);
    EXPECT_TRUE(f.view.checked[side == 0   ? MenuItem::miR0
                               : side == 1 ? MenuItem::miR90
                               : side == 2 ? MenuItem::miR180
                                           : MenuItem::miR270]);
    EXPECT_EQ(f.game.CheckInvariants(), "");
  }
  f.game.miMyViewClick();  // Fir until a network game says otherwise
  EXPECT_EQ(f.game.ViewSide(), 2);
  EXPECT_TRUE(f.view.checked[MenuItem::miR180]);
  EXPECT_FALSE(f.view.checked[MenuItem::miR0]);
  f.game.SetOwnCamp(Camp::Oak);
  f.game.miMyViewClick();
  EXPECT_EQ(f.game.ViewSide(), 0);
  EXPECT_TRUE(f.view.checked[MenuItem::miR0]);
}

TEST(ViewSide, TheCurrentSideChangesNothingAndTheMarkerFollowsTheLastRecord) {
  LocalGame f;
  f.Drop(18, 0, 3);
  f.view.marker = FakeView::Marker::Start;
  f.game.SelectViewSide(0);
  EXPECT_EQ(f.view.marker, FakeView::Marker::Start);
  f.game.SelectViewSide(2);
  EXPECT_EQ(f.view.markerSquare, (Square{9, 6}));
  EXPECT_EQ(f.game.Record(1), (MoveRecord{18, -1, 9, 7, 9, 6, false}));
  f.game.PassBookkeeping();
  f.game.SelectViewSide(1);
  EXPECT_EQ(f.view.marker, FakeView::Marker::Parked);
}

// ---- Drop targets --------------------------------------------------------------------

// A held piece is offered exactly the squares where its drop would be played: the rules'
// legal list when its camp is to move, nothing for the other camp. Random games in every
// viewing side (the Ant's rule depends on it).
TEST(DropTargets, EqualTheRulesLegalListForTheSideToMoveAndNoneOtherwise) {
  auto less = [](Square a, Square b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
  for (int side = 0; side < 4; ++side) {
    LocalGame f;
    f.game.SelectViewSide(side);
    std::mt19937 rng(static_cast<unsigned>(side));
    for (int step = 0; step < 40; ++step) {
      const Board& b = f.game.board();
      std::vector<std::pair<PieceId, Square>> all;
      for (PieceId p = 0; p < kPieceCount; ++p) {
        std::vector<Square> legal;
        for (int x = 0; x < 10 && b.StandsOnBoard(p) && CampOf(p) == f.game.SideToMove(); ++x)
          for (int y = 0; y < 10; ++y)
            if (CheckMove(b, p, b.PiecePos[p].x, b.PiecePos[p].y, x, y) == MoveCheckResult::Legal)
              legal.push_back({x, y});
        std::vector<Square> offered = f.game.DropTargets(p);
        std::sort(offered.begin(), offered.end(), less);
        ASSERT_EQ(offered, legal) << "side " << side << " step " << step << " piece " << p;
        for (Square s : legal)
          all.push_back({p, s});
      }
      if (all.empty()) {
        f.game.PassBookkeeping();
      } else {
        const auto [p, to] = all[rng() % all.size()];
        f.Drop(p, to.x, to.y);
      }
    }
  }
}

TEST(DropTargets, NoneWhereTheDropIsRefusedBeforeTheRules) {
  NetworkGame server(GameMode::ServerPlaying, Camp::Oak);  // Fir to move; this station is Oak
  EXPECT_TRUE(server.game.DropTargets(18).empty());
  EXPECT_TRUE(server.game.DropTargets(48).empty());
  NetworkGame client(GameMode::ClientPlaying, Camp::Fir);
  EXPECT_FALSE(client.game.DropTargets(18).empty());
  client.game.SetPassPending(true);
  EXPECT_TRUE(client.game.DropTargets(18).empty());
  client.game.SetPassPending(false);
  client.game.SetCanHandlePieces(false);  // watching
  EXPECT_TRUE(client.game.DropTargets(18).empty());
}

// ---- Limits --------------------------------------------------------------------------

TEST(Limits, ALongGameGrowsAndAFullOneRefusesWithAText) {
  LocalGame f;
  for (int i = 0; i < 300; ++i)
    f.game.PassBookkeeping();
  EXPECT_EQ(f.game.RecordCount(), 300);
  f.Drop(18, 0, 3);
  EXPECT_EQ(f.game.RecordCount(), 301);
  EXPECT_EQ(f.game.HistoryLines().back(), "[301][F.An] {07->06}");
  while (f.game.RecordCount() < Game::kMaxRecords)
    f.game.PassBookkeeping();
  const Snapshot full = Take(f.game);
  EXPECT_FALSE(f.game.PassBookkeeping());
  f.Drop(f.game.SideToMove() == Camp::Fir ? 19 : 49, f.game.SideToMove() == Camp::Fir ? 2 : 2,
         f.game.SideToMove() == Camp::Fir ? 3 : 6);
  EXPECT_EQ(f.view.panel[kPanelGame], "The game record is full: no more moves");
  EXPECT_EQ(f.game.ApplyReceivedMove({49, -1, 2, 7, 2, 6, 0}, ""),
            "The game record is full: no more moves");
  EXPECT_EQ(Take(f.game), full);
  EXPECT_EQ(f.game.CheckInvariants(), "");
}

// ---- Soak ----------------------------------------------------------------------------

// Thousands of random legal moves, passes, undos, redos and view changes, with the
// invariants checked after every step and a full undo back to the start at the end of
// each game.
TEST(Soak, RandomGamesKeepTheInvariants) {
  std::mt19937 rng(424242);
  for (int gameNo = 0; gameNo < 12; ++gameNo) {
    LocalGame f;
    f.view.historyVisible = gameNo % 3 == 0;
    const Snapshot start = Take(f.game);
    for (int step = 0; step < 400; ++step) {
      const int action = std::uniform_int_distribution<int>(0, 99)(rng);
      if (action < 70) {
        std::vector<std::pair<PieceId, Square>> legal;
        const Board& b = f.game.board();
        for (PieceId p = 0; p < kPieceCount; ++p) {
          if (CampOf(p) != f.game.SideToMove() || !b.StandsOnBoard(p)) continue;
          for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
              if (CheckMove(b, p, b.PiecePos[p].x, b.PiecePos[p].y, x, y) == MoveCheckResult::Legal)
                legal.push_back({p, {x, y}});
        }
        if (legal.empty()) {
          f.game.PassBookkeeping();
        } else {
          const auto [p, to] =
              legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
          const int before = f.game.RecordCount();
          f.Drop(p, to.x, to.y);
          ASSERT_EQ(f.game.RecordCount(), before + 1);
        }
      } else if (action < 78) {
        f.game.PassBookkeeping();
      } else if (action < 88) {
        f.game.miUndoClick();
      } else if (action < 95) {
        f.game.miRedoClick();
      } else {
        f.game.SelectViewSide(std::uniform_int_distribution<int>(0, 3)(rng));
      }
      ASSERT_EQ(f.game.CheckInvariants(), "") << "game " << gameNo << " step " << step;
      ASSERT_EQ(f.view.sideShown, f.game.SideToMove());
      for (PieceId p = 0; p < kPieceCount; ++p) {
        const bool captured = !f.game.board().InPlay[p];
        ASSERT_EQ(!f.view.image[p].enabled, captured);
        if (!captured && OnBoard(f.game.board().PiecePos[p])) {
          ASSERT_EQ(f.view.image[p].square, f.game.board().PiecePos[p]);
        }
      }
    }
    const int side = f.game.ViewSide();
    f.game.miUndoFirstClick();
    f.game.SelectViewSide(0);
    Snapshot back = Take(f.game);
    back.recs.clear(), back.redo = 0;
    Snapshot expect = start;
    EXPECT_EQ(back.pos, expect.pos) << "from side " << side;
    EXPECT_EQ(back.inPlay, expect.inPlay);
    EXPECT_EQ(back.records, 0);
    EXPECT_EQ(f.game.CapturedCount(Camp::Fir) + f.game.CapturedCount(Camp::Oak), 0);
  }
}

}  // namespace
}  // namespace tamsok
