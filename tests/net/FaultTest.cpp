// Faults of the network: peers that vanish at awkward moments (inside a message, a game, a
// modal box or a glide), peers that stall half-way through a message, floods, and churn.
// Every test runs real sockets on the loopback and ends by checking that the room still
// turns its event loop, that no honest peer's game has drifted from the room's, and that
// every game's invariants hold.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <string>
#include <utility>
#include <vector>

#include "net/TextCodec.h"
#include "rules/Frames.h"
#include "tests/net/NetFixtures.h"

namespace tamsok {
namespace {

using testing::ExpectSameGame;
using testing::LoopbackRoom;
using testing::RunModalLoopUntil;
using testing::Station;
using testing::WaitUntil;

// A peer that puts exactly the bytes it is told on the wire, and keeps what it reads.
class RawPeer {
 public:
  explicit RawPeer(quint16 port) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { got += socket_.readAll(); });
    socket_.connectToHost(QHostAddress::LocalHost, port);
  }
  bool WaitConnected() {
    return WaitUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
  }
  void Send(const std::string& bytes) {
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_.flush();
  }
  // An orderly close: what was written goes out first.
  void Close() { socket_.disconnectFromHost(); }
  // An abortive close: the peer sees a reset, not an end of stream.
  void Reset() {
    if (socket_.state() == QAbstractSocket::ConnectedState) {
      const linger hard{1, 0};
      setsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                 sizeof hard);
    }
    socket_.abort();
  }

  QByteArray got;

 private:
  QTcpSocket socket_;
};

// The room's event loop still turns, every game is sound, and the honest peers that follow
// the game agree with the room.
void ExpectHealthy(Station& room, std::initializer_list<Station*> followers) {
  bool fired = false;
  QTimer::singleShot(1, [&] { fired = true; });
  EXPECT_TRUE(WaitUntil([&] { return fired; }, 2000)) << "the room's event loop is stuck";
  EXPECT_EQ(room.game.CheckInvariants(), "");
  for (Station* s : followers) {
    EXPECT_EQ(s->game.CheckInvariants(), "");
    if (s->game.Mode() == GameMode::ClientPlaying) ExpectSameGame(room.game, s->game);
  }
}

// How many Connection objects the room still owns, whether listed or only awaiting deletion.
std::size_t LiveConnections(Station& room) {
  return room.session.server().findChildren<Connection*>().size();
}

class Faults : public LoopbackRoom {
 protected:
  quint16 Port() { return room->session.server().Port(); }

  // A chat line of the room's still reaches both honest clients.
  void ExpectClientsStillServed() {
    room->session.SendChatLine("[Head] still here");
    EXPECT_TRUE(WaitUntil([&] {
      return requester->windows.Received("[Head] still here") &&
             spectator->windows.Received("[Head] still here");
    }));
  }

  // A raw peer that has asked for a game and been accepted by the room; the room plays Oak.
  std::unique_ptr<RawPeer> RawRequester(const char* stationId) {
    auto peer = std::make_unique<RawPeer>(Port());
    EXPECT_TRUE(peer->WaitConnected());
    peer->Send(BuildRequ(0, 30, 5, 0, stationId));
    EXPECT_TRUE(WaitUntil([&] { return peer->got.contains("Requested"); }));
    if (room->windows.requestLines.empty()) return peer;
    room->session.LBxReqDblClick(room->windows.requestLines.back());
    EXPECT_EQ(room->game.Mode(), GameMode::ServerPlaying);
    return peer;
  }
};

// ---- Vanishing peers ---------------------------------------------------------------------

TEST_F(Faults, APeerVanishingInsideAMessageIsHandledOnceAndForgotten) {
  RawPeer peer(Port());
  ASSERT_TRUE(peer.WaitConnected());
  ASSERT_TRUE(WaitUntil([&] { return room->session.server().ConnectionCount() == 3; }));
  peer.Send("Move 0-1 4");  // 10 of the 18 bytes
  peer.Close();
  ASSERT_TRUE(WaitUntil([&] { return room->session.server().ConnectionCount() == 2; }));
  // The fragment was handled once, at the close: a "Move" from a peer that is not playing
  // changes nothing.
  EXPECT_EQ(room->windows.received,
            std::vector<std::string>{"[127.0.0.1]Refused: no game is in progress"});
  EXPECT_EQ(room->game.RecordCount(), 0);
  // The room still plays with the others.
  StartGame({0, 30, 5, 0});
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(AllHaveRecords(1));
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

TEST_F(Faults, ASpectatorLeavingMidGameDoesNotDisturbTheGame) {
  StartGame({0, 30, 5, 0});
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(AllHaveRecords(1));
  spectator->session.miConnectClick();
  ASSERT_TRUE(WaitUntil([&] { return room->session.server().ConnectionCount() == 1; }));
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(WaitUntil([&] { return requester->game.RecordCount() == 2; }));
  requester->game.PlayDroppedPiece(0, 4, 1);
  ASSERT_TRUE(WaitUntil(
      [&] { return room->game.RecordCount() == 3 && requester->game.RecordCount() == 3; }));
  EXPECT_EQ(spectator->game.Mode(), GameMode::LocalFree);
  ExpectHealthy(*room, {requester.get()});
  EXPECT_EQ(spectator->game.CheckInvariants(), "");
}

TEST_F(Faults, TheRequesterLeavingInsideTheConfirmBoxLeavesTheSpectatorAGame) {
  requester->session.miReqGameClick();
  ASSERT_TRUE(WaitUntil([&] { return requester->windows.Received("Requested"); }));
  bool inBox = false;
  room->view.onBox = [&] {
    room->view.onBox = nullptr;
    inBox = true;
    requester->session.miConnectClick();  // gone while the room's user reads the request
    EXPECT_TRUE(RunModalLoopUntil([&] { return LiveConnections(*room) == 1; }));
  };
  room->session.LBxReqDblClick(room->windows.requestLines.back());
  ASSERT_TRUE(inBox);
  EXPECT_EQ(room->game.Mode(), GameMode::ServerPlaying);
  EXPECT_TRUE(room->session.PlayerAway());  // waited for, as any player that left
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.Mode() == GameMode::ClientPlaying; }));
  EXPECT_FALSE(spectator->game.CanHandlePieces());
  room->game.PlayDroppedPiece(30, 4, 8);  // not Oak's turn: refused, nothing sent
  room->game.miLossgameClick();
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.Mode() == GameMode::ClientFree; }));
  EXPECT_EQ(spectator->view.boxes.back(), "Game over|Fir Win");
  ExpectHealthy(*room, {spectator.get()});
}

// The requester's last words and its close arrive together; the room handles them inside
// its "Game over" box, whose modal loop sees the connection go.
TEST_F(Faults, TheRequesterLeavingInsideTheRoomsGameOverBox) {
  auto peer = RawRequester("   raw peer   1");
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.Mode() == GameMode::ClientPlaying; }));
  room->view.onBox = [&] {
    room->view.onBox = nullptr;
    EXPECT_TRUE(RunModalLoopUntil([&] { return room->session.server().ConnectionCount() == 2; }));
  };
  peer->Send("LossPass");  // two messages in one read; the second comes after the box
  peer->Close();
  ASSERT_TRUE(WaitUntil([&] { return room->game.Mode() == GameMode::ServerFree; }));
  EXPECT_EQ(room->view.boxes.back(), "Game over|Oak Win");
  // The "Winn" reply went to the requester's address, which the spectator shares.
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.Mode() == GameMode::ClientFree; }));
  ASSERT_TRUE(WaitUntil(
      [&] { return room->windows.Received("[127.0.0.1]Refused: no game is in progress"); }));
  EXPECT_FALSE(room->windows.locked);
  ASSERT_TRUE(WaitUntil([&] { return LiveConnections(*room) == 2; }));
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

// The room's user switches the room off while the box of a received message is open.
TEST_F(Faults, TheRoomSwitchedOffInsideItsOwnGameOverBox) {
  StartGame({0, 30, 5, 0});
  room->view.onBox = [&] {
    room->view.onBox = nullptr;
    room->session.miCreateRoomClick();
    EXPECT_TRUE(RunModalLoopUntil([&] {
      return spectator->game.Mode() == GameMode::LocalFree &&
             requester->game.Mode() == GameMode::LocalFree;
    }));
  };
  requester->game.miLossgameClick();
  ASSERT_TRUE(WaitUntil([&] { return room->view.boxes.back() == "Game over|Oak Win"; }));
  EXPECT_EQ(room->game.Mode(), GameMode::LocalFree);
  EXPECT_FALSE(room->session.server().IsActive());
  ASSERT_TRUE(WaitUntil([&] { return LiveConnections(*room) == 0; }));
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

// The same on the client's side: the room goes away while the client shows the box of the
// first of two messages that arrived in one read.
TEST(ClientFaults, TheRoomLeavingInsideTheClientsBox) {
  QTcpServer fakeRoom;
  ASSERT_TRUE(fakeRoom.listen(QHostAddress::LocalHost, 0));
  QTemporaryDir dir;
  Station client(std::filesystem::path(dir.path().toStdString()) / "tamsok.ini",
                 fakeRoom.serverPort(), 7);
  client.session.miConnectClick();
  ASSERT_TRUE(WaitUntil([&] { return fakeRoom.hasPendingConnections(); }));
  QTcpSocket* link = fakeRoom.nextPendingConnection();
  ASSERT_TRUE(WaitUntil([&] { return client.game.Mode() == GameMode::ClientFree; }));

  client.view.onBox = [&] {
    client.view.onBox = nullptr;
    link->abort();
    EXPECT_TRUE(RunModalLoopUntil([&] { return client.game.Mode() == GameMode::LocalFree; }));
  };
  const std::string made = "Made[Fir][ 30][  5][  0][" + client.game.StationId() + "]";
  const std::string both = made + "Move18-1 0 2 0 3 0";
  link->write(both.data(), static_cast<qint64>(both.size()));
  link->flush();
  ASSERT_TRUE(WaitUntil([&] { return client.windows.Received("Made new game..."); }));
  EXPECT_TRUE(WaitUntil([&] { return client.windows.received.size() == 2; }));
  EXPECT_EQ(client.game.Mode(), GameMode::LocalFree);
  EXPECT_EQ(client.game.CheckInvariants(), "");
  EXPECT_TRUE(
      WaitUntil([&] { return client.session.client().findChildren<Connection*>().empty(); }));
}

TEST_F(Faults, TheRequesterLeavingDuringTheRoomsGlide) {
  StartGame({0, 30, 5, 0});
  room->view.onGlide = [&] {
    room->view.onGlide = nullptr;
    requester->session.miConnectClick();
    EXPECT_TRUE(RunModalLoopUntil([&] { return room->session.server().ConnectionCount() == 1; }));
  };
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 1; }));
  // The echo went to the address, which the spectator shares: it follows the game.
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.RecordCount() == 1; }));
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.RecordCount() == 2; }));
  EXPECT_EQ(LiveConnections(*room), 1u);
  ExpectHealthy(*room, {spectator.get()});
}

TEST_F(Faults, TheRoomClosingDuringASpectatorsGlide) {
  StartGame({0, 30, 5, 0});
  requester->game.PlayDroppedPiece(18, 0, 3);
  ASSERT_TRUE(AllHaveRecords(1));
  spectator->view.onGlide = [&] {
    spectator->view.onGlide = nullptr;
    room->session.miCreateRoomClick();  // the room is switched off mid-glide
    EXPECT_TRUE(RunModalLoopUntil([&] { return spectator->game.Mode() == GameMode::LocalFree; }));
  };
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.RecordCount() == 2; }));
  EXPECT_EQ(spectator->game.Mode(), GameMode::LocalFree);
  EXPECT_EQ(spectator->game.CheckInvariants(), "");
  EXPECT_EQ(requester->game.CheckInvariants(), "");
  EXPECT_EQ(room->game.CheckInvariants(), "");
}

// ---- Stalls and floods -------------------------------------------------------------------

TEST_F(Faults, AStalledHalfMessageIsFlushedAndTheConnectionGoesOn) {
  RawPeer peer(Port());
  ASSERT_TRUE(peer.WaitConnected());
  const std::string requ = BuildRequ(1, 30, 5, 0, "  stalled  peer");
  QElapsedTimer clock;
  clock.start();
  peer.Send(requ.substr(0, 12));
  ASSERT_TRUE(WaitUntil([&] { return !room->windows.errors.empty(); }, 3000));
  EXPECT_LT(clock.elapsed(), kHoldTimeoutMs + 1500);
  EXPECT_NE(room->windows.errors[0].find("Requ"), std::string::npos);
  EXPECT_TRUE(room->windows.requestLines.empty());
  // Whole messages work again, even when they come in pieces.
  peer.Send(requ.substr(0, 20));
  peer.Send(requ.substr(20));
  ASSERT_TRUE(WaitUntil([&] { return peer.got == "Requested"; }));
  ASSERT_EQ(room->windows.requestLines.size(), 1u);
  EXPECT_EQ(room->windows.requestLines[0].substr(17, 5), "[Oak]");
  EXPECT_EQ(room->windows.errors.size(), 1u);
  ExpectHealthy(*room, {});
}

// A link that keeps ending its reads inside a message, but always completes each one soon,
// loses nothing: the hold bound is per message, not per connection. The bound is long here,
// so the steps below keep wide margins on a busy machine.
TEST_F(Faults, ALinkThatAlwaysEndsMidMessageLosesNothing) {
  constexpr int kHoldMs = 2000;
  room->session.server().SetHoldTimeoutMs(kHoldMs);
  auto peer = RawRequester("  split   peer ");
  const std::string a = "Move18-1 0 2 0 3 0", b = "Move30-1 4 9 4 8 0";
  const std::string c = "Move 0-1 4 0 4 1 0";
  QElapsedTimer clock;
  clock.start();
  // Held from the start: the first half of `a`.
  peer->Send(a.substr(0, 9));
  ASSERT_TRUE(WaitUntil([&] { return clock.elapsed() >= kHoldMs * 3 / 4; }));
  // `a` completes and `c`, the next one that can be played after the room's reply, begins.
  peer->Send(a.substr(9) + c.substr(0, 9));
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 1; }));
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(WaitUntil([&] { return peer->got.endsWith(b.c_str()); }));
  // Past the first hold's bound, but well within the bound of the second.
  ASSERT_TRUE(WaitUntil([&] { return clock.elapsed() >= kHoldMs * 5 / 4; }));
  peer->Send(c.substr(9));
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 3; }));
  EXPECT_TRUE(room->windows.errors.empty());
  ExpectHealthy(*room, {spectator.get()});
}

TEST_F(Faults, TenThousandChatLinesArriveWholeAndInOrder) {
  constexpr int kLines = 10000;
  std::string sent;
  for (int i = 0; i < kLines; ++i) {
    const std::string line = Utf8ToCp949("[손님] 줄 " + std::to_string(i) + " 안녕하세요");
    requester->session.SendChatLine(line);
    sent += line;
  }
  // The texts have no framing: lines that arrive together are listed together. Every byte
  // must be there, in order, with no double-byte character cut in two.
  const std::string prefix = "[127.0.0.1]";
  const auto joined = [](const std::vector<std::string>& lines, std::size_t skip) {
    std::string all;
    for (const std::string& l : lines)
      all += l.substr(std::min(skip, l.size()));
    return all;
  };
  ASSERT_TRUE(WaitUntil(
      [&] { return joined(room->windows.received, prefix.size()).size() >= sent.size(); }, 20000));
  for (const std::string& l : room->windows.received)
    ASSERT_EQ(l.substr(0, prefix.size()), prefix);
  EXPECT_TRUE(joined(room->windows.received, prefix.size()) == sent);
  // Each piece went back to the sender's address: both clients get every line.
  for (Station* s : {requester.get(), spectator.get()}) {
    ASSERT_TRUE(
        WaitUntil([&] { return joined(s->windows.received, 0).size() >= sent.size(); }, 20000));
    EXPECT_TRUE(joined(s->windows.received, 0) == sent);
  }
  EXPECT_TRUE(room->windows.errors.empty());
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

TEST_F(Faults, ADoubleByteCharacterCutByAReadBoundaryStaysWhole) {
  RawPeer peer(Port());
  ASSERT_TRUE(peer.WaitConnected());
  const std::string line = Utf8ToCp949("[손님] 안녕");
  const std::size_t cut = line.size() - 1;  // between the two bytes of the last character
  peer.Send(line.substr(0, cut));
  ASSERT_TRUE(WaitUntil([&] { return room->windows.received.size() == 1; }));
  peer.Send(line.substr(cut));
  ASSERT_TRUE(WaitUntil([&] { return peer.got.size() == static_cast<qsizetype>(line.size()); }));
  // The lead byte waited for the rest of its character.
  EXPECT_EQ(room->windows.received[0], "[127.0.0.1]" + line.substr(0, cut - 1));
  EXPECT_EQ(room->windows.received[1], "[127.0.0.1]" + line.substr(cut - 1));
  EXPECT_EQ(peer.got.toStdString(), line);
  // A lead byte that is never completed still comes out, within the hold bound.
  peer.Send("x\xB0");
  ASSERT_TRUE(WaitUntil([&] { return room->windows.received.size() == 4; }, 3000));
  EXPECT_EQ(room->windows.received[2], "[127.0.0.1]x");
  EXPECT_EQ(room->windows.received[3], "[127.0.0.1]\xB0");
  ExpectHealthy(*room, {});
}

// A plain socket from `source` with a small receive buffer, whose room end gets a small
// fixed send buffer too, so the kernel soon refuses to hold more for it. With `inbound` the
// way to the room is as narrow: the kernel soon refuses to take more of what it sends.
int TightSocket(Station& room, const char* source, bool inbound = false) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  const int small = 4096;
  setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  if (inbound) {
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    const int on = 1;  // small writes into a narrow window must not wait for acknowledgements
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  }
  sockaddr_in from{}, to{};
  from.sin_family = to.sin_family = AF_INET;
  inet_pton(AF_INET, source, &from.sin_addr);
  to.sin_port = htons(room.session.server().Port());
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
      ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
    ::close(fd);
    return -1;
  }
  sockaddr_in mine{};
  socklen_t length = sizeof mine;
  getsockname(fd, reinterpret_cast<sockaddr*>(&mine), &length);
  const auto roomEnd = [&]() -> QTcpSocket* {
    for (QTcpSocket* s : room.session.server().findChildren<QTcpSocket*>())
      if (s->peerPort() == ntohs(mine.sin_port)) return s;
    return nullptr;
  };
  if (!WaitUntil([&] { return roomEnd() != nullptr; })) {
    ::close(fd);
    return -1;
  }
  const int roomFd = static_cast<int>(roomEnd()->socketDescriptor());
  setsockopt(roomFd, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
  if (inbound) setsockopt(roomFd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  return fd;
}

// Appends whatever the socket has ready to `got`, without waiting.
void ReadReady(int fd, std::string& got) {
  char buffer[65536];
  ssize_t n;
  while ((n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
    got.append(buffer, static_cast<std::size_t>(n));
}

// A peer that does not read while the room sends more than the kernel will hold for it: the
// rest waits in the room, and everything arrives, in order, once it reads.
TEST_F(Faults, ASlowReaderGetsEveryByteInOrder) {
  const int fd = TightSocket(*room, "127.0.0.1");
  ASSERT_GE(fd, 0);

  std::string sent, got;
  const auto sendLines = [&](int first, int count) {
    for (int i = first; i < first + count; ++i) {
      const std::string line = "[Head] " + std::to_string(i) + " " + std::string(1000, 'x');
      room->session.SendChatLine(line);
      sent += line;
    }
  };
  const auto readSome = [&] { ReadReady(fd, got); };
  sendLines(0, 500);
  // The kernel's buffers drain while the room still holds the rest: what the room sends now
  // must queue behind what it holds.
  readSome();
  sendLines(500, 500);
  ASSERT_TRUE(WaitUntil(
      [&] {
        readSome();
        return got.size() >= sent.size();
      },
      20000));
  EXPECT_TRUE(got == sent);
  // Once drained, the next send goes straight out again, still in order.
  room->session.SendChatLine("[Head] last");
  ASSERT_TRUE(WaitUntil([&] {
    readSome();
    return got.size() >= sent.size() + 11;
  }));
  EXPECT_EQ(got.substr(sent.size()), "[Head] last");
  ::close(fd);
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

// A peer that floods chat lines and never reads their echoes is closed once the room holds
// too much for it, instead of the room's memory growing without end.
TEST_F(Faults, APeerThatNeverReadsIsClosedBeforeItsBacklogGrowsWithoutBound) {
  const int fd = TightSocket(*room, "127.0.0.3");
  ASSERT_GE(fd, 0);
  const std::string line = "[Flood] " + std::string(4000, 'y');
  std::size_t flooded = 0;
  const bool closed = WaitUntil(
      [&] {
        if (room->session.server().ConnectionCount() == 2) return true;
        const ssize_t n = send(fd, line.data(), line.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n > 0) flooded += static_cast<std::size_t>(n);
        return flooded > 16 * kMaxUnsentBytes;
      },
      30000);
  EXPECT_TRUE(closed && room->session.server().ConnectionCount() == 2)
      << flooded << " bytes sent without the room closing the connection";
  ::close(fd);
  ExpectClientsStillServed();
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

// While the room shows the box of a message it is handling, a peer that floods it is made to
// wait: the room stops reading it past its bound instead of holding everything. Once the
// box closes, every line is handled in order and comes back byte for byte.
TEST_F(Faults, APeerFloodingWhileABoxIsOpenIsPushedBack) {
  StartGame({0, 30, 5, 0});
  const int fd = TightSocket(*room, "127.0.0.5", /*inbound=*/true);
  ASSERT_GE(fd, 0);
  const std::string line = "[Flood] " + std::string(1000, 'y');
  std::string sent, got;
  std::size_t most = 0;
  bool flooded = false;
  room->view.onBox = [&] {
    if (std::exchange(flooded, true)) return;
    int refused = 0;  // sends in a row that the kernel would not take
    EXPECT_TRUE(RunModalLoopUntil(
        [&] {
          const std::size_t before = sent.size();
          for (int i = 0; i < 64; ++i) {
            const ssize_t n = send(fd, line.data(), line.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
            if (n <= 0) break;
            sent.append(line, 0, static_cast<std::size_t>(n));
          }
          refused = sent.size() > before ? 0 : refused + 1;
          most = std::max(most, room->session.server().MaxHeldBytes());
          return (refused > 50 && most >= kMaxQueuedBytes) || sent.size() > 8 * kMaxQueuedBytes;
        },
        30000));
  };
  requester->game.miLossgameClick();  // the room handles it inside its "Game over" box
  ASSERT_TRUE(WaitUntil([&] { return room->game.Mode() == GameMode::ServerFree; }));
  EXPECT_LE(most, kMaxQueuedBytes + 2 * static_cast<std::size_t>(kReadChunkBytes));
  EXPECT_LT(sent.size(), 4 * kMaxQueuedBytes);
  ASSERT_TRUE(WaitUntil(
      [&] {
        ReadReady(fd, got);
        return got.size() >= sent.size() + 47;
      },
      20000));
  // A late joiner: the game so far ("Made" alone), then the "Winn" of the requester's
  // surrender, which reaches every address, then the echoes.
  EXPECT_TRUE(got == "Made[Fir][ 30][  5][  0][               ]Winn 1" + sent);
  ::close(fd);
  ExpectClientsStillServed();
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

// ---- Hostile peers -----------------------------------------------------------------------

// Whatever code page they are in, bytes come back exactly as they came, and a station
// identifier of double-byte characters is carried whole.
TEST_F(Faults, BytesAreRelayedAsTheyCame) {
  RawPeer peer(Port());
  ASSERT_TRUE(peer.WaitConnected());
  std::string echoed;
  for (const std::string text : {"[x] \xFF\xFE\x80 end", "\x80\x81\xFF"}) {
    peer.Send(text);
    echoed += text;
    ASSERT_TRUE(
        WaitUntil([&] { return peer.got.size() == static_cast<qsizetype>(echoed.size()); }));
    EXPECT_EQ(peer.got.toStdString(), echoed);
  }
  const std::string id = "  \xB0\xA1\xB3\xAA\xB4\xD9  12345";
  peer.Send(BuildRequ(1, 30, 5, 0, id));
  ASSERT_TRUE(WaitUntil([&] { return room->windows.requestLines.size() == 1; }));
  EXPECT_EQ(room->windows.requestLines[0], "[      127.0.0.1][Oak][ 30][  5][  0][" + id + "]");
  room->session.LBxReqDblClick(room->windows.requestLines[0]);
  const std::string made = "Made[Oak][ 30][  5][  0][" + id + "]";
  ASSERT_EQ(made.size(), 41u);
  ASSERT_TRUE(WaitUntil([&] {
    return peer.got.endsWith(made.c_str()) && spectator->windows.Received("Made some game");
  }));
  EXPECT_TRUE(room->windows.errors.empty());
}

// Only the connection whose request was accepted moves, passes or ends the game, even when
// another copy shares its address; and it moves or passes only in its turn.
TEST_F(Faults, OnlyThePlayersConnectionMovesAndOnlyInItsTurn) {
  auto player = RawRequester("  player  peer1");
  RawPeer other(Port());
  ASSERT_TRUE(other.WaitConnected());
  ASSERT_TRUE(WaitUntil([&] { return room->session.server().ConnectionCount() == 4; }));
  // A late joiner is caught up as a spectator: the "Made" without the player's identifier.
  ASSERT_TRUE(WaitUntil([&] { return other.got.size() == 41; }));
  EXPECT_EQ(other.got.toStdString(), "Made[Fir][ 30][  5][  0][               ]");
  other.got.clear();
  for (const char* text : {"Move18-1 0 2 0 3 0", "Pass", "Loss", "Fini"}) {
    const std::size_t before = room->windows.received.size();
    other.Send(text);
    ASSERT_TRUE(WaitUntil([&] { return room->windows.received.size() > before; })) << text;
    EXPECT_EQ(room->windows.received.back(),
              "[127.0.0.1]Refused: only the player of the game may send this");
  }
  EXPECT_TRUE(other.got.isEmpty());  // no answers
  EXPECT_EQ(room->game.RecordCount(), 0);
  EXPECT_EQ(room->game.Mode(), GameMode::ServerPlaying);

  // Glued passes: the first is the player's turn, the others are not.
  constexpr int kPasses = 12000;
  std::string passes;
  for (int i = 0; i < kPasses; ++i)
    passes += "Pass";
  player->Send(passes);
  const auto refusedTurns = [&] {
    return std::count(room->windows.received.begin(), room->windows.received.end(),
                      "[127.0.0.1]Refused: it is not the player's turn");
  };
  ASSERT_TRUE(WaitUntil([&] { return refusedTurns() == kPasses - 1; }, 20000));
  EXPECT_EQ(room->game.RecordCount(), 1);
  room->game.PlayDroppedPiece(30, 4, 8);
  player->Send("Move18-1 0 2 0 3 0");
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 3; }));
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.RecordCount() == 3; }));
  ExpectHealthy(*room, {spectator.get()});
}

// The player has passed the turn when the room finds that its move does not fit the room's
// board: the game ends for everybody, and the reason reaches the player as a line to read,
// never as a message.
TEST_F(Faults, AMoveTheRoomCannotPlayEndsTheGameAndIsNotMisread) {
  StartGame({0, 30, 5, 0});
  // The requester's board drifts from the room's: a move that only it has seen.
  requester->game.ApplyReceivedMove({18, -1, 0, 2, 0, 3, 0}, "");
  requester->game.PassBookkeeping();
  requester->game.PlayDroppedPiece(18, 0, 4);  // the room has this Ant on (0, 2)
  ASSERT_EQ(requester->game.SideToMove(), Camp::Oak);
  ASSERT_TRUE(WaitUntil([&] {
    return requester->game.Mode() == GameMode::ClientFree &&
           spectator->game.Mode() == GameMode::ClientFree;
  }));
  EXPECT_EQ(room->game.Mode(), GameMode::ServerFree);
  EXPECT_EQ(room->view.boxes.back(), "Game over|Oak Win");
  EXPECT_EQ(requester->view.boxes.back(), "Game over|Oak Win");
  const std::string reason =
      "The room ends the game. Refused move: the piece does not stand on the source square";
  ASSERT_TRUE(WaitUntil([&] { return requester->windows.Received(reason); }));
  EXPECT_TRUE(room->windows.Received("[127.0.0.1]" + reason));
  EXPECT_TRUE(requester->windows.errors.empty());
  EXPECT_TRUE(spectator->windows.errors.empty());
  EXPECT_FALSE(room->windows.locked);
}

// A valid message that arrives whole in its own read is handled, whatever junk was held
// before it: a stalled fragment of a move, or a chat line ending inside a character.
TEST_F(Faults, JunkHeldBeforeAWholeMoveDoesNotSwallowIt) {
  room->session.server().SetHoldTimeoutMs(60000);  // held bytes never go out by time here
  auto player = RawRequester("   junk   peer1");
  player->Send("Move48-1 0 7");
  ASSERT_TRUE(WaitUntil([&] { return room->session.server().MaxHeldBytes() == 12; }));
  player->Send("Move18-1 0 2 0 3 0");
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 1; }));
  ASSERT_EQ(room->windows.errors.size(), 1u);  // the fragment, reported on its own
  room->game.PlayDroppedPiece(30, 4, 8);
  player->Send("[x] abc\xB0");
  ASSERT_TRUE(WaitUntil([&] { return room->windows.Received("[127.0.0.1][x] abc"); }));
  player->Send("Move 0-1 4 0 4 1 0");
  ASSERT_TRUE(WaitUntil([&] { return room->game.RecordCount() == 3; }));
  EXPECT_TRUE(room->windows.Received("[127.0.0.1]\xB0"));
  // Not the spectator: the echoes of the lone byte and of the move may reach it glued in one
  // read, and a text that is not a message takes the whole read.
  ExpectHealthy(*room, {});
}

// ---- Churn -------------------------------------------------------------------------------

TEST_F(Faults, AThousandConnectionsComeAndGoWithoutALeak) {
  constexpr int kRounds = 20, kBatch = 50;
  std::size_t accepted = 0;
  ServerRole& server = room->session.server();
  server.onAccept = [&, shown = server.onAccept](const std::string& address) {
    ++accepted;
    shown(address);
  };
  for (int round = 0; round < kRounds; ++round) {
    std::vector<std::unique_ptr<RawPeer>> peers;
    for (int i = 0; i < kBatch; ++i)
      peers.push_back(std::make_unique<RawPeer>(Port()));
    for (auto& p : peers)
      ASSERT_TRUE(p->WaitConnected());
    // Some leave before the room has even seen them, some after a word, some abruptly.
    for (int i = 0; i < kBatch; i += 5)
      peers[static_cast<std::size_t>(i)]->Close();
    ASSERT_TRUE(
        WaitUntil([&] { return accepted == static_cast<std::size_t>((round + 1) * kBatch); }));
    for (int i = 0; i < kBatch; ++i) {
      RawPeer& p = *peers[static_cast<std::size_t>(i)];
      if (i % 5 == 1) p.Send("Boad");
      if (i % 5 == 2) p.Send("Mov");
      if (i % 2 == 0)
        p.Close();
      else
        p.Reset();
    }
    ASSERT_TRUE(WaitUntil([&] { return room->session.server().ConnectionCount() == 2; }))
        << "round " << round;
  }
  ASSERT_TRUE(WaitUntil([&] { return LiveConnections(*room) == 2; }));
  EXPECT_EQ(room->windows.addressLines.size(), 0u);  // one address, removed at its first close
  // The two honest clients are still served.
  ExpectClientsStillServed();
  ExpectHealthy(*room, {requester.get(), spectator.get()});
}

}  // namespace
}  // namespace tamsok
