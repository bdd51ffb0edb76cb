// Everyone follows the same game, and no lost link ends it: spectators at other addresses and
// late joiners see the room's game, a player whose link is lost is waited for and takes its
// seat back, and the room may claim the win once the wait is over.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTcpSocket>

#include "net/Dispatch.h"
#include "tests/net/NetFixtures.h"
#include "tools/load/CutLink.h"

namespace tamsok {
namespace {

using testing::ExpectSameGame;
using testing::Station;
using testing::WaitUntil;

class Rejoin : public testing::LoopbackRoom {
 protected:
  quint16 Port() { return room->session.server().Port(); }

  // One more of our own clients, connected from `local`.
  std::unique_ptr<Station> Join(const char* name, const char* local, unsigned seed) {
    auto s = std::make_unique<Station>(Ini(name), Port(), seed);
    s->session.client().SetLocalAddress(local);
    s->session.miConnectClick();
    EXPECT_TRUE(WaitUntil([&] { return s->session.client().IsConnected(); }));
    return s;
  }
};

// A reader that speaks the protocol literally and keeps every byte it gets.
struct RawSpectator {
  QTcpSocket socket;
  QByteArray got;
  RawSpectator(const char* local, quint16 port) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { got += socket.readAll(); });
    socket.bind(QHostAddress(QString::fromLatin1(local)));
    socket.connectToHost(QHostAddress::LocalHost, port);
  }
};

TEST_F(Rejoin, SpectatorsElsewhereFollowTheWholeGameAndALateJoinerCatchesUp) {
  auto elsewhere = Join("elsewhere", "127.0.0.2", 4);
  RawSpectator raw("127.0.0.3", Port());
  ASSERT_TRUE(WaitUntil([&] { return room->session.server().ConnectionCount() == 4; }));
  StartGame({0, 30, 5, 0});
  ASSERT_TRUE(WaitUntil([&] { return elsewhere->game.Mode() == GameMode::ClientPlaying; }));
  const std::vector<Station*> followers{spectator.get(), elsewhere.get()};
  const auto allHave = [&](int n) {
    return WaitUntil([&] {
      for (Station* s : followers)
        if (s->game.RecordCount() != n) return false;
      return room->game.RecordCount() == n && requester->game.RecordCount() == n;
    });
  };
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(allHave(1));
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(allHave(2));
  requester->game.miPassClick();
  ASSERT_TRUE(allHave(3));
  room->game.miPassClick();
  ASSERT_TRUE(allHave(4));
  for (Station* s : followers)
    ExpectSameGame(room->game, s->game);
  requester->session.SendChatLine("[Guest] hello");
  ASSERT_TRUE(WaitUntil([&] { return elsewhere->windows.Received("[Guest] hello"); }));

  // Joining now: the game so far, as a spectator, on the room's position.
  auto late = Join("late", "127.0.0.4", 5);
  ASSERT_TRUE(WaitUntil([&] { return late->game.RecordCount() == 4; }));
  EXPECT_FALSE(late->game.CanHandlePieces());
  ExpectSameGame(room->game, late->game);

  // Fir's Lightning takes Oak's Tree: everybody sees the move and the end. (At the
  // requester's own address the reply to a winning move is the "Winn" alone, as ever.)
  requester->game.PlayDroppedPiece(1, 4, 8);
  for (Station* s : {spectator.get(), elsewhere.get(), late.get()}) {
    ASSERT_TRUE(WaitUntil([&] { return s->game.Mode() == GameMode::ClientFree; }));
    EXPECT_EQ(s->view.boxes.back(), "Game over|Fir Win");
  }
  ExpectSameGame(room->game, elsewhere->game);
  ExpectSameGame(room->game, late->game);
  // The literal reader got every move of the game, in order, and nothing it cannot read.
  std::vector<std::string> expected = CatchUpMessages(room->game, room->game.LastMessage());
  expected[0] = "Made[Fir][ 30][  5][  0][" + requester->game.StationId() + "]";
  expected.insert(expected.begin() + 5, "[Guest] hello");
  expected.push_back("Winn 0");
  std::string all;
  for (const std::string& m : expected)
    all += m;
  ASSERT_TRUE(WaitUntil([&] { return raw.got.size() >= static_cast<qsizetype>(all.size()); }));
  EXPECT_EQ(raw.got.toStdString(), all);
}

TEST_F(Rejoin, ALostPlayerIsWaitedForResumesAndCanBeClaimedAfterTheGrace) {
  StartGame({0, 30, 5, 0});
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(AllHaveRecords(1));
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(AllHaveRecords(2));

  // The link drops without anybody choosing it.
  requester->session.client().Deactivate();
  ASSERT_TRUE(WaitUntil([&] { return room->session.PlayerAway(); }));
  EXPECT_EQ(room->windows.awayNotice, "Fir's player left: waiting 60 s for them to return");
  EXPECT_FALSE(room->windows.claimable);
  EXPECT_TRUE(room->windows.requestLines.empty());  // its request went with its connection
  const int elapsed = room->game.MoveElapsed();
  for (int i = 0; i < 40; ++i)
    room->game.Timer1Timer();
  EXPECT_EQ(room->game.MoveElapsed(), elapsed);  // Fir's clock stands while it is away
  room->session.ClaimWin();                      // not yet
  EXPECT_EQ(room->game.Mode(), GameMode::ServerPlaying);

  // The player's side keeps its game and is offered to reconnect.
  ASSERT_TRUE(WaitUntil([&] { return !requester->windows.lostBoxes.empty(); }));
  EXPECT_EQ(requester->windows.lostBoxes[0].substr(0, 48),
            "The room at 127.0.0.1 closed the connection.\nThe");
  EXPECT_EQ(requester->game.Mode(), GameMode::LocalFree);
  EXPECT_EQ(requester->game.RecordCount(), 2);
  EXPECT_TRUE(requester->game.CanSave());

  // Back, by its station: the same game, its own turn.
  requester->session.Reconnect();
  ASSERT_TRUE(WaitUntil([&] {
    return requester->game.Mode() == GameMode::ClientPlaying && requester->game.CanHandlePieces() &&
           requester->game.RecordCount() == 2 && !room->session.PlayerAway();
  }));
  EXPECT_TRUE(room->windows.awayNotice.empty());
  ExpectSameGame(room->game, requester->game);
  EXPECT_EQ(requester->game.SideToMove(), Camp::Fir);
  requester->game.PlayDroppedPiece(0, 4, 1);
  ASSERT_TRUE(AllHaveRecords(3));

  // Gone again, past a grace of no time: the room claims the win, and everybody hears it.
  room->session.SetGraceSeconds(0);
  requester->session.client().Deactivate();
  ASSERT_TRUE(WaitUntil([&] { return room->windows.claimable; }));
  EXPECT_EQ(room->windows.awayNotice,
            "Fir's player has not returned. Claim the win, or keep waiting.");
  room->session.ClaimWin();
  EXPECT_EQ(room->game.Mode(), GameMode::ServerFree);
  EXPECT_EQ(room->view.boxes.back(), "Game over|Oak Win");
  EXPECT_FALSE(room->windows.locked);
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.Mode() == GameMode::ClientFree; }));
}

TEST_F(Rejoin, RequestsOfClosedConnectionsLeaveTheList) {
  QTcpSocket raw;
  raw.connectToHost(QHostAddress::LocalHost, Port());
  ASSERT_TRUE(raw.waitForConnected(5000));
  const std::string requ = BuildRequ(1, 30, 5, 0, "   raw   peer 1");
  raw.write(requ.data(), static_cast<qint64>(requ.size()));
  requester->session.miReqGameClick();
  ASSERT_TRUE(WaitUntil([&] { return room->windows.requestLines.size() == 2; }));
  raw.abort();
  ASSERT_TRUE(WaitUntil([&] { return room->windows.requestLines.size() == 1; }));
  EXPECT_NE(room->windows.requestLines[0].find(requester->game.StationId()), std::string::npos);
  requester->session.miConnectClick();
  ASSERT_TRUE(WaitUntil([&] { return room->windows.requestLines.empty(); }));
}

// The player's identifier is no key to a seat that is still held: from another address the
// request comes back unchanged and the player keeps playing.
TEST_F(Rejoin, ALiveSeatIsNotTakenFromAnotherAddress) {
  StartGame({0, 30, 5, 0});
  RawSpectator thief("127.0.0.9", Port());
  ASSERT_TRUE(WaitUntil([&] { return thief.got.size() == 41; }));  // the catch-up's "Made"
  const std::string requ = BuildRequ(0, 30, 5, 0, requester->game.StationId());
  thief.socket.write(requ.data(), static_cast<qint64>(requ.size()));
  ASSERT_TRUE(WaitUntil([&] { return thief.got.size() == 41 + 29; }));
  EXPECT_EQ(thief.got.toStdString().substr(41), requ);
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(AllHaveRecords(1));
}

TEST_F(Rejoin, ASilentLinkIsNoticed) {
  CutLink link("tsk" + std::to_string(getpid() % 10000000), static_cast<int>(getpid() % 8000));
  if (!link.ok()) GTEST_SKIP() << "no network namespaces here (needs root and iproute2)";
  room->session.server().SetLinkWatch({1, 1, 2, 2000});
  const int fd = link.Connect(Port());
  ASSERT_GE(fd, 0);
  const std::string requ = BuildRequ(0, 30, 5, 0, " silent  peer 1");
  ASSERT_EQ(send(fd, requ.data(), requ.size(), 0), static_cast<ssize_t>(requ.size()));
  ASSERT_TRUE(WaitUntil([&] { return room->windows.requestLines.size() == 1; }));
  room->session.LBxReqDblClick(room->windows.requestLines[0]);
  ASSERT_EQ(room->game.Mode(), GameMode::ServerPlaying);
  ASSERT_TRUE(link.Cut());
  QElapsedTimer clock;
  clock.start();
  room->game.PlayDroppedPiece(30, 4, 8);  // not Oak's turn: nothing is sent, the link is idle
  ASSERT_TRUE(WaitUntil([&] { return room->session.PlayerAway(); }, 15000));
  EXPECT_LT(clock.elapsed(), 15000);
  close(fd);
}

}  // namespace
}  // namespace tamsok
