// Everyone follows the same game, and no lost link ends it: spectators at other addresses and
// late joiners see the room's game, a player whose link is lost is waited for and takes its
// seat back, and the room may claim the win once the wait is over.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTcpSocket>
#include <atomic>
#include <mutex>
#include <thread>

#include "net/Dispatch.h"
#include "tests/net/NetFixtures.h"
#include "tools/load/AutoPlay.h"
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

// A peer on a thread of its own that takes each read for one message, as the protocol
// allows, and keeps what every read brought.
class ReadPerMessage {
 public:
  ReadPerMessage(const char* local, quint16 port) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{}, to{};
    from.sin_family = to.sin_family = AF_INET;
    inet_pton(AF_INET, local, &from.sin_addr);
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = bind(fd_, reinterpret_cast<sockaddr*>(&from), sizeof from) == 0 &&
                 ::connect(fd_, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
    if (connected_) thread_ = std::thread([this] { Run(); });
  }
  ~ReadPerMessage() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    close(fd_);
  }
  bool Connected() const { return connected_; }
  std::size_t Bytes() const { return bytes_; }
  std::vector<std::string> Reads() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return reads_;
  }

 private:
  void Run() {
    char buffer[65536];
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      const std::lock_guard<std::mutex> lock(mutex_);
      reads_.emplace_back(buffer, static_cast<std::size_t>(n));
      bytes_ += static_cast<std::size_t>(n);
    }
  }

  int fd_ = -1;
  bool connected_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<std::size_t> bytes_{0};
  std::mutex mutex_;
  std::vector<std::string> reads_;
  std::thread thread_;
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

// A station that joins a long game gets it one message at a time, so that even a peer that
// takes each read for one message catches up; everything the room sends meanwhile (moves,
// chat, the end of the game, a new game) follows in order, each in a read of its own.
TEST_F(Rejoin, ALateJoinerGetsEveryMessageInAReadOfItsOwn) {
  StartGame({0, 30, 5, 0});
  ShufflePlayer fir, oak;
  while (room->game.RecordCount() < 120) {
    const int n = room->game.RecordCount();
    if (n % 20 == 10) {
      requester->game.miPassClick();
    } else {
      Station& mover = n % 2 == 0 ? *requester : *room;
      const std::optional<PlannedMove> m =
          (n % 2 == 0 ? fir : oak).Next(mover.game.board(), mover.game.SideToMove());
      ASSERT_TRUE(m);
      mover.game.PlayDroppedPiece(m->piece, m->to.x, m->to.y);
    }
    ASSERT_TRUE(AllHaveRecords(n + 1));
  }

  RawSpectator quitter("127.0.0.7", Port());  // leaves half-way: its queue goes with it
  ReadPerMessage literal("127.0.0.5", Port());
  ASSERT_TRUE(literal.Connected());
  auto late = Join("late", "127.0.0.6", 5);
  ASSERT_TRUE(WaitUntil([&] { return quitter.got.size() > 100; }));
  quitter.socket.abort();
  std::vector<std::string> expected =
      CatchUpMessages(room->game, "Made[Fir][ 30][  5][  0][               ]");
  ASSERT_GT(room->session.server().WaitingMessages(), 0u);  // the catch-up is under way

  // Meanwhile: a move, a chat line, the end of the game and a new one.
  const auto playFir = [&] {
    const std::optional<PlannedMove> m = fir.Next(requester->game.board(), Camp::Fir);
    requester->game.PlayDroppedPiece(m->piece, m->to.x, m->to.y);
    expected.push_back(requester->game.LastMessage());
  };
  playFir();
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 121; }));
  room->session.SendChatLine("[Head] welcome");
  expected.push_back("[Head] welcome");
  requester->game.miLossgameClick();
  ASSERT_TRUE(WaitUntil([&] { return room->game.Mode() == GameMode::ServerFree; }));
  expected.push_back("Winn 1");
  requester->windows.received.clear();
  StartGame({0, 30, 5, 0});
  expected.push_back("Made[Fir][ 30][  5][  0][" + requester->game.StationId() + "]");
  fir.Reset();
  playFir();
  const auto length = [](const std::vector<std::string>& messages) {
    std::size_t n = 0;
    for (const std::string& m : messages)
      n += m.size();
    return n;
  };
  ASSERT_TRUE(WaitUntil([&] { return literal.Bytes() >= length(expected); }, 20000));

  // And once it has caught up, the next move still comes alone.
  const std::optional<PlannedMove> m = oak.Next(room->game.board(), Camp::Oak);
  room->game.PlayDroppedPiece(m->piece, m->to.x, m->to.y);
  expected.push_back(room->game.LastMessage());
  ASSERT_TRUE(WaitUntil(
      [&] { return literal.Bytes() >= length(expected) && late->game.RecordCount() == 2; }));
  // Everything, in order. Each message comes in a read of its own unless this machine leaves
  // the reader's thread waiting longer than the room's gap between two of them, as a loaded
  // machine may; unpaced, the whole game would come in a read or two.
  const std::vector<std::string> reads = literal.Reads();
  const auto joined = [](const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& p : parts)
      all += p;
    return all;
  };
  EXPECT_EQ(joined(reads), joined(expected));
  EXPECT_GE(reads.size() * 2, expected.size());
  ExpectSameGame(room->game, late->game);
  EXPECT_FALSE(late->game.CanHandlePieces());
  EXPECT_LE(late->view.glides, 2);  // the catch-up's pieces are put down, not glided
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

  // Back, by its station: the same game, its own turn. Its clock stands until it has been
  // given the game again.
  std::vector<std::optional<Camp>> awayWhenCaughtUp;
  ServerRole& server = room->session.server();
  server.onPaced = [&, session = server.onPaced](ConnectionId id) {
    awayWhenCaughtUp.push_back(room->game.AwayCamp());
    session(id);
  };
  requester->session.Reconnect();
  ASSERT_TRUE(WaitUntil([&] {
    return requester->game.Mode() == GameMode::ClientPlaying && requester->game.CanHandlePieces() &&
           requester->game.RecordCount() == 2 && !room->session.PlayerAway() &&
           !awayWhenCaughtUp.empty();
  }));
  EXPECT_EQ(awayWhenCaughtUp.back(), Camp::Fir);
  EXPECT_FALSE(room->game.AwayCamp());
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
