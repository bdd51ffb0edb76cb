#include <gtest/gtest.h>

#include <algorithm>

#include "net/Dispatch.h"
#include "tests/game/FakeView.h"

namespace tamsok {
namespace {

using testing::GameFixture;

struct FakeRequests : RequestList {
  std::vector<std::string> lines;
  void AddUniqueLine(const std::string& line) override {
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
  }
};

constexpr const char* kId = "  123 4567   89";
constexpr const char* kAddress = "192.0.2.7";
constexpr const char* kRequest = "Requ1 30  5  0  123 4567   89";
constexpr const char* kMade = "Made[Oak][ 30][  5][  0][  123 4567   89]";

// Whether a text would be taken for a message: it begins with one of the twelve heads.
bool BeginsWithAHead(std::string_view text) {
  for (std::string_view head : {kHeadRequ, kHeadMade, kHeadBoad, kHeadMove, kHeadUnFi, kHeadUndo,
                                kHeadRedo, kHeadReLa, kHeadPass, kHeadLoss, kHeadFini, kHeadWinn})
    if (text.starts_with(head)) return true;
  return false;
}

// A game in a given mode, as the roles leave it.
struct Station : GameFixture {
  FakeRequests requests;
  bool fromPlayer = true;  // texts come from the connection whose request was accepted
  explicit Station(GameMode mode, Camp own = Camp::Oak, bool player = true) {
    game.SetStationId(kId);
    game.SetOwnCamp(own);
    if (mode == GameMode::ServerPlaying || mode == GameMode::ClientPlaying) {
      game.SetGameMode(mode);
      game.miNewClick();
    } else {
      game.SetGameMode(mode);
    }
    game.SetCanHandlePieces(player);
  }
  Handled FromClient(std::string_view text) {
    return HandleClientMessage(game, requests, {kAddress, fromPlayer}, text);
  }
  Handled FromServer(std::string_view text) { return HandleServerMessage(game, text); }
};

Handled Shown(std::string text) {
  return {std::move(text), std::nullopt, {}, {}};
}

// A reply that the room also sends to every other address.
Handled Relayed(std::string text, std::vector<std::string> relay = {}) {
  if (relay.empty()) relay.push_back(text);
  return {std::move(text), std::nullopt, {}, std::move(relay)};
}

TEST(Dispatch, LocalModesReturnEveryTextUnchanged) {
  for (GameMode mode : {GameMode::LocalFree, GameMode::LocalPlaying}) {
    for (const char* text : {"Move 0-1 4 0 4 1 0", "Pass", "Winn 1", kMade, kRequest}) {
      Station s(mode);
      EXPECT_EQ(s.FromClient(text), Shown(text));
      EXPECT_EQ(s.FromServer(text), Shown(text));
      EXPECT_EQ(s.game.RecordCount(), 0);
      EXPECT_TRUE(s.requests.lines.empty());
    }
  }
}

TEST(ServerDispatch, RequestsAreListedOnceAndEchoedDuringAGame) {
  Station s(GameMode::ServerFree);
  EXPECT_EQ(s.FromClient(kRequest), Shown("Requested"));
  EXPECT_EQ(s.FromClient(kRequest), Shown("Requested"));
  ASSERT_EQ(s.requests.lines.size(), 1u);
  EXPECT_EQ(s.requests.lines[0], "[      192.0.2.7][Oak][ 30][  5][  0][  123 4567   89]");
  s.FromClient("Requ2 45  3  2  123 4567   89");  // camp character 2 asks for Fir
  ASSERT_EQ(s.requests.lines.size(), 2u);
  EXPECT_EQ(s.requests.lines[1], "[      192.0.2.7][Fir][ 45][  3][  2][  123 4567   89]");

  Station playing(GameMode::ServerPlaying);
  EXPECT_EQ(playing.FromClient(kRequest), Shown(kRequest));
  EXPECT_TRUE(playing.requests.lines.empty());
}

TEST(ServerDispatch, AGarbledOrOutOfRangeRequestIsAnErrorAndListsNothing) {
  for (const char* bad : {"Requ1 3x  5  0  123 4567   89", "Requ1700  5  0  123 4567   89",
                          "Requ1 30 21  0  123 4567   89", "Requ1 30  5", "RequX 30  5  0  1"}) {
    Station s(GameMode::ServerFree);
    const Handled h = s.FromClient(bad);
    EXPECT_TRUE(h.error.has_value()) << bad;
    EXPECT_EQ(h.reply, "");
    EXPECT_TRUE(s.requests.lines.empty());
  }
}

TEST(ServerDispatch, HeadsByMode) {
  struct Case {
    GameMode mode;
    const char* text;
    const char* reply;
    bool relayed = false;  // chat lines go to every address
  };
  const Case cases[] = {
      {GameMode::ServerFree, "Boad", "Boad"},
      {GameMode::ClientFree, "Boad", "Boad"},
      {GameMode::ServerPlaying, "Boad", ""},
      {GameMode::ServerFree, "Loss", ""},
      {GameMode::ServerFree, "Fini", ""},
      {GameMode::ClientPlaying, "Loss", ""},
      {GameMode::ServerPlaying, "UnFi", ""},
      {GameMode::ServerPlaying, "ReLa", ""},
      {GameMode::ServerFree, "Garbage", "Garbage"},
      {GameMode::ServerFree, "[Head] hello", "[Head] hello", true},
      {GameMode::ServerPlaying, "[Guest] 안녕", "[Guest] 안녕", true},
  };
  for (const Case& c : cases) {
    Station s(c.mode);
    EXPECT_EQ(s.FromClient(c.text), c.relayed ? Relayed(c.reply) : Shown(c.reply)) << c.text;
    EXPECT_EQ(s.game.Mode(), c.mode);
  }
}

TEST(ServerDispatch, LossAndFiniEndTheGameWithAWinnForEveryone) {
  Station loss(GameMode::ServerPlaying, Camp::Oak);
  loss.view.log.clear();
  EXPECT_EQ(loss.FromClient("Loss"), Relayed("Winn 1"));
  EXPECT_EQ(loss.view.log,
            (std::vector<std::string>{"unlock", "mode:ServerFree", "box:Game over|Oak Win"}));
  EXPECT_EQ(loss.game.Mode(), GameMode::ServerFree);
  EXPECT_TRUE(loss.peer.toAll.empty());  // the sender's address by reply, the others by relay

  // Scoring needs 50 records on the room's board too: before, nothing changes and the
  // sender gets a line that no station takes for a message.
  Station fini(GameMode::ServerPlaying, Camp::Fir);
  for (int i = 0; i < Game::kScoringMinRecords - 1; ++i)
    fini.game.PassBookkeeping();
  EXPECT_EQ(fini.FromClient("Fini"), Shown("Scoring refused: fewer than 50 records"));
  EXPECT_EQ(fini.game.Mode(), GameMode::ServerPlaying);
  EXPECT_EQ(fini.game.RecordCount(), Game::kScoringMinRecords - 1);
  fini.game.PassBookkeeping();
  EXPECT_EQ(fini.FromClient("Fini"), Relayed("Winn 1"));  // equal balances: Oak
  EXPECT_EQ(fini.game.LastMessage(), "Winn 1");
}

TEST(ServerDispatch, OnlyThePlayerMovesAndOnlyInItsTurn) {
  Station s(GameMode::ServerPlaying, Camp::Oak);
  EXPECT_EQ(s.FromClient("Move18-1 0 2 0 3 0"), Relayed("Move18-1 0 2 0 3 0"));
  s.game.PassBookkeeping();  // the room's pass
  EXPECT_EQ(s.FromClient("Pass"), Relayed("Pass"));
  EXPECT_EQ(s.game.SideToMove(), Camp::Oak);  // the room's turn again

  // Nothing a spectator sends, and no move or pass out of turn, changes the game or gets an
  // answer; the room lists why.
  const Handled notTheTurn{{}, std::nullopt, "Refused: it is not the player's turn", {}};
  const Handled notThePlayer{
      {}, std::nullopt, "Refused: only the player of the game may send this", {}};
  struct Case {
    bool player;
    const char* text;
    const Handled& outcome;
  };
  const Case refused[] = {
      {true, "Pass", notTheTurn},
      {true, "Move19-1 2 2 2 3 0", notTheTurn},
      {true, "Move1x-1 0 2 0 3 0", notTheTurn},
      {false, "Pass", notThePlayer},
      {false, "Move30-1 4 9 4 8 0", notThePlayer},
      {false, "Loss", notThePlayer},
      {false, "Fini", notThePlayer},
  };
  for (const Case& c : refused) {
    s.fromPlayer = c.player;
    EXPECT_EQ(s.FromClient(c.text), c.outcome) << c.text;
  }
  s.game.PassBookkeeping();  // the player's turn: still nothing from a spectator
  s.fromPlayer = false;
  for (const char* text : {"Pass", "Move19-1 2 2 2 3 0", "Loss"})
    EXPECT_EQ(s.FromClient(text), notThePlayer);
  EXPECT_EQ(s.game.RecordCount(), 4);
  EXPECT_EQ(s.game.Mode(), GameMode::ServerPlaying);
  EXPECT_TRUE(s.peer.toAll.empty());

  // Without a game nobody moves; "Loss" and "Fini" get no answer either.
  Station free(GameMode::ServerFree);
  const Handled noGame{{}, std::nullopt, "Refused: no game is in progress", {}};
  EXPECT_EQ(free.FromClient("Move18-1 0 2 0 3 0"), noGame);
  EXPECT_EQ(free.FromClient("Pass"), noGame);
  EXPECT_EQ(free.FromClient("Loss"), Shown(""));
  EXPECT_EQ(free.game.RecordCount(), 0);
}

// The room's moves are checked as the player's are: one the rules refuse stops the game on
// the client's board, which keeps it for saving, and the box says why.
TEST(ClientDispatch, AnIllegalMoveOfTheRoomStopsTheGameAndIsReported) {
  Station s(GameMode::ClientPlaying, Camp::Oak);
  s.game.SetCanHandlePieces(true);
  ASSERT_EQ(s.FromServer("Move18-1 0 2 0 3 0").reply.substr(0, 3), "[.]");
  const Handled h = s.FromServer("Move30-1 4 9 4 5 0");  // Oak's Tree four rows ahead
  EXPECT_EQ(h.reply,
            "The room sent a move that is not allowed. Refused move: Invalid move(rule violation)");
  EXPECT_EQ(s.game.Mode(), GameMode::ClientFree);
  EXPECT_EQ(s.game.RecordCount(), 1);
  EXPECT_TRUE(s.game.Interrupted());
  EXPECT_TRUE(s.game.CanSave());
  EXPECT_EQ(s.view.boxes.back().rfind("Notice|The room sent a move that is not allowed.", 0), 0u);
}

// The player has already passed the turn on its own board when the room cannot play its
// move: the game ends, for every connection, with the reason for the player.
TEST(ServerDispatch, AMoveOfThePlayerThatTheRoomCannotPlayEndsTheGame) {
  const char* bad[] = {
      "Move18-1 1 2 0 3 0",  // not on its source square
      "Move30-1 4 9 4 8 0",  // the room's own piece
      "Move18-1 0 2 0 3x0",  // a field that does not read
      "Move99-1 0 2 0 3 0",  // a field out of range
      "Move 130 5 0 4 9 0",  // Fir's Lightning onto Oak's Tree: the rules refuse it
      "Move18-1 0 2 1 2 0",  // an Ant sideways onto an empty square
  };
  for (const char* text : bad) {
    Station s(GameMode::ServerPlaying, Camp::Oak);
    const Handled h = s.FromClient(text);
    ASSERT_FALSE(h.error.has_value()) << text;
    EXPECT_EQ(h.reply.rfind("The room ends the game. ", 0), 0u) << h.reply;
    EXPECT_FALSE(BeginsWithAHead(h.reply));
    EXPECT_EQ(s.peer.toAll, std::vector<std::string>{"Winn 1"}) << text;
    EXPECT_EQ(s.game.Mode(), GameMode::ServerFree);
    EXPECT_EQ(s.view.boxes.back(), "Game over|Oak Win");
    // The player's side shows the reason as it came, and is not misled by it.
    Station client(GameMode::ClientFree, Camp::Fir);
    EXPECT_EQ(client.FromServer(h.reply), Shown(h.reply));
  }

  // A full record leaves no move to anyone: the game is scored (nothing captured: Oak).
  Station full(GameMode::ServerPlaying, Camp::Fir);
  full.game.PassBookkeeping();
  while (!full.game.RecordsFull())
    full.game.PassBookkeeping();
  ASSERT_EQ(full.game.SideToMove(), Camp::Oak);
  EXPECT_EQ(full.FromClient("Pass"), Shown("The room ends the game: the record is full. Scored."));
  EXPECT_EQ(full.peer.toAll, std::vector<std::string>{"Winn 1"});
  EXPECT_EQ(full.game.Mode(), GameMode::ServerFree);

  // A fragment cut short by a stalled link is no move: it is reported, nothing changes.
  Station cut(GameMode::ServerPlaying, Camp::Oak);
  EXPECT_TRUE(cut.FromClient("Move18-1 0 2").error.has_value());
  EXPECT_EQ(cut.game.Mode(), GameMode::ServerPlaying);
}

TEST(ClientDispatch, MadeMakesTheRequesterAPlayerAndEveryoneElseASpectator) {
  Station requester(GameMode::ClientFree, Camp::Fir);
  requester.game.Timer1Timer();
  EXPECT_EQ(requester.FromServer(kMade), Shown("Made new game..."));
  const Game& g = requester.game;
  EXPECT_EQ(g.Mode(), GameMode::ClientPlaying);
  EXPECT_TRUE(g.CanHandlePieces());
  EXPECT_EQ(g.OwnCamp(), Camp::Oak);
  EXPECT_EQ(g.UnitTime(), 30);
  EXPECT_EQ(g.ExceedLimit(), 5);
  EXPECT_EQ(g.RetractLimit(), 0);
  EXPECT_EQ(g.SideToMove(), Camp::Fir);
  EXPECT_EQ(requester.view.panel[kPanelGame], "Made new game...");
  EXPECT_EQ(requester.view.boxes.back(), "Start new game|[Oak][ 30][  5][  0][  123 4567   89]");

  Station spectator(GameMode::ClientFree, Camp::Fir);
  spectator.game.SetStationId("  999 4567   89");
  EXPECT_EQ(spectator.FromServer(kMade), Shown("Made some game"));
  EXPECT_FALSE(spectator.game.CanHandlePieces());
  EXPECT_EQ(spectator.game.OwnCamp(), Camp::Oak);
  EXPECT_EQ(spectator.view.panel[kPanelGame], "Made some game. ");
  EXPECT_TRUE(spectator.view.boxes.empty());
  // A spectator that missed the end of the game answers the next one with the old error.
  EXPECT_EQ(spectator.FromServer(kMade), Shown("[BUG] Some inner error"));
}

TEST(ClientDispatch, AGarbledMadeChangesNothing) {
  Station s(GameMode::ClientFree, Camp::Fir);
  const Handled h = s.FromServer("Made[Oak][ 3x][  5][  0][  123 4567   89]");
  EXPECT_TRUE(h.error.has_value());
  EXPECT_EQ(s.game.Mode(), GameMode::ClientFree);
  EXPECT_EQ(s.game.OwnCamp(), Camp::Fir);
}

TEST(ClientDispatch, WinnByMode) {
  Station playing(GameMode::ClientPlaying, Camp::Fir);
  EXPECT_EQ(playing.FromServer("Winn 1"), Shown("Game over"));
  EXPECT_EQ(playing.view.boxes.back(), "Game over|Oak Win");
  EXPECT_EQ(playing.game.Mode(), GameMode::ClientFree);

  Station afterLoss(GameMode::ClientFree, Camp::Fir);
  EXPECT_EQ(afterLoss.FromServer("Winn 0"), Shown("Game over"));
  EXPECT_EQ(afterLoss.view.boxes.back(), "Game over|Fir Win");

  Station server(GameMode::ServerFree);
  EXPECT_EQ(server.FromServer("Winn 0"), Shown("Inner error"));
  EXPECT_TRUE(server.view.boxes.empty());
}

TEST(ClientDispatch, EchoesPassesAndOtherText) {
  Station s(GameMode::ClientPlaying, Camp::Fir);
  s.game.miPassClick();
  ASSERT_TRUE(s.game.PassPending());
  EXPECT_EQ(s.FromServer("Pass"), Shown("pass"));
  EXPECT_FALSE(s.game.PassPending());
  EXPECT_EQ(s.game.SideToMove(), Camp::Oak);
  EXPECT_EQ(s.FromServer("Requested"), Shown("Requested"));
  EXPECT_EQ(s.FromServer("[Head] hello"), Shown("[Head] hello"));
  EXPECT_EQ(s.FromServer("UnFi"), Shown(""));
  EXPECT_EQ(s.FromServer("Boad"), Shown(""));
  // The server's echo of this client's own move names the camp that just moved: ignored.
  s.game.PassBookkeeping();
  s.game.PlayDroppedPiece(18, 0, 3);
  EXPECT_EQ(s.FromServer("Move18-1 0 2 0 3 0"), Shown(""));
  EXPECT_EQ(s.game.RecordCount(), 3);
}

}  // namespace
}  // namespace tamsok
