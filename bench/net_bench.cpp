// Figures of the network layer on the loopback:
//  - the room's fan-out of one "Move" to N connected clients, from the send to the last
//    client's read (the clients read on a thread of their own, as separate machines would);
//  - a client's move reaching the room and its echo coming back, without the glide (room
//    and client share this thread, so each one's handling counts in full);
//  - a chat line of N bytes without a blank sent to the room, handled, shown (cut) and
//    echoed, until the last byte of the echo is back (room and client on this thread).
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "net/NetSession.h"
#include "net/Roles.h"
#include "tools/load/AutoPlay.h"
#include "tools/load/HeadlessRoom.h"
#include "tools/load/LoadClock.h"

namespace tamsok {
namespace {

// Processes events until `done` holds; false after five seconds.
template <typename Pred>
bool Spin(Pred done) {
  const std::int64_t deadline = MonotonicNs() + 5'000'000'000;
  while (!done()) {
    if (MonotonicNs() > deadline) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return true;
}

// Plain client sockets whose bytes a thread of their own reads and counts.
class Readers {
 public:
  Readers(quint16 port, int count) {
    epoll_ = epoll_create1(0);
    sockaddr_in room{};
    room.sin_family = AF_INET;
    room.sin_port = htons(port);
    room.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int i = 0; i < count; ++i) {
      const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
      connect(fd, reinterpret_cast<sockaddr*>(&room), sizeof room);  // completes in the kernel
      epoll_event e{};
      e.events = EPOLLIN;
      e.data.fd = fd;
      epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &e);
      fds_.push_back(fd);
    }
    thread_ = std::thread([this] { Run(); });
  }
  ~Readers() {
    stop_ = true;
    thread_.join();
    for (int fd : fds_)
      close(fd);
    close(epoll_);
  }
  std::size_t bytes() const { return bytes_.load(std::memory_order_acquire); }

 private:
  void Run() {
    epoll_event events[256];
    char buffer[4096];
    while (!stop_) {
      const int n = epoll_wait(epoll_, events, 256, 10);
      for (int i = 0; i < n; ++i) {
        const ssize_t got = read(events[i].data.fd, buffer, sizeof buffer);
        if (got > 0) bytes_.fetch_add(static_cast<std::size_t>(got), std::memory_order_release);
      }
    }
  }

  int epoll_ = -1;
  std::vector<int> fds_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<std::size_t> bytes_{0};
};

void BM_RoomFanOutOfOneMove(benchmark::State& state) {
  const int clients = static_cast<int>(state.range(0));
  ServerRole room(0);
  std::string error;
  if (!room.Activate(&error)) return state.SkipWithError(error.c_str());
  // Connect in batches below the accept backlog, so no handshake waits for a retry.
  std::vector<std::unique_ptr<Readers>> readers;
  const std::string move = BuildMove({30, -1, 4, 9, 4, 8, 0});
  std::size_t expected = 0;
  for (int made = 0; made < clients; made += 50) {
    readers.push_back(std::make_unique<Readers>(room.Port(), std::min(50, clients - made)));
    if (!Spin([&] {
          return room.ConnectionCount() == static_cast<std::size_t>(made + 50) ||
                 room.ConnectionCount() == static_cast<std::size_t>(clients);
        }))
      return state.SkipWithError("the room did not take the connections");
  }
  const auto received = [&] {
    std::size_t n = 0;
    for (const auto& r : readers)
      n += r->bytes();
    return n;
  };
  double sendingMs = 0;  // the room's own part: the sends themselves
  for (auto _ : state) {
    expected += move.size() * static_cast<std::size_t>(clients);
    const std::int64_t start = MonotonicNs();
    room.SendToAll(move);
    sendingMs += static_cast<double>(MonotonicNs() - start) / 1e6;
    if (!Spin([&] { return received() == expected; }))
      return state.SkipWithError("a client missed the move");
  }
  state.counters["send_ms"] = benchmark::Counter(sendingMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RoomFanOutOfOneMove)
    ->Arg(100)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The client's windows: only the receive list counts.
struct CountingWindows : NetWindows {
  std::size_t received = 0;
  RequestOptions options{0, kUnitTimeMax, kExceedMax, 0};
  void AddUniqueLine(const std::string&) override {}
  void ShowRoomWindow() override {}
  void HideRoomWindow() override {}
  void AddAddressLine(const std::string&) override {}
  void RemoveAddressLine(const std::string&) override {}
  bool RequestsLocked() const override { return true; }
  void LockRequests() override {}
  void AppendReceived(const std::string&) override { ++received; }
  std::string AskServerAddress(const std::vector<std::string>&) override { return "127.0.0.1"; }
  RequestOptions AskRequestOptions() override { return options; }
  void ReportError(const std::string&) override {}
};

void BM_ClientMoveAndEcho(benchmark::State& state) {
  HeadlessRoomOptions options;
  options.port = 0;
  HeadlessRoom room(options);
  std::string error;
  if (!room.Open(&error)) return state.SkipWithError(error.c_str());
  NullGameView view;
  CountingWindows windows;
  NetSession session(windows, "/nonexistent/tamsok.ini", room.Port());
  Game game(view, session);
  session.Attach(game);
  game.FormCreate();
  session.miConnectClick();
  if (!Spin([&] { return game.Mode() == GameMode::ClientFree; }))
    return state.SkipWithError("no connection");

  ShufflePlayer player;
  const auto newGame = [&] {
    // Each request differs, so the room lists it and accepts it.
    --windows.options.unitTime;
    session.miReqGameClick();
    player.Reset();
    return Spin([&] { return game.Mode() == GameMode::ClientPlaying; });
  };
  if (!newGame()) return state.SkipWithError("the room did not accept the request");
  for (auto _ : state) {
    if (game.RecordCount() > Game::kMaxRecords - 10) {
      game.miLossgameClick();
      if (!newGame()) return state.SkipWithError("the room did not accept the request");
    }
    const std::optional<PlannedMove> move = player.Next(game.board(), game.OwnCamp());
    if (!move) return state.SkipWithError("no quiet move");
    const int records = game.RecordCount();
    const std::size_t shown = windows.received;
    const auto start = std::chrono::steady_clock::now();
    game.PlayDroppedPiece(move->piece, move->to.x, move->to.y);
    // The echo of the client's own move shows as an empty line.
    if (!Spin([&] { return windows.received > shown; })) return state.SkipWithError("no echo");
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    // The room's reply move, outside the timing.
    if (!Spin([&] { return game.RecordCount() == records + 2; }))
      return state.SkipWithError("the room did not move");
  }
}
BENCHMARK(BM_ClientMoveAndEcho)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_LongChatLineRelayed(benchmark::State& state) {
  HeadlessRoomOptions options;
  options.port = 0;
  HeadlessRoom room(options);
  std::string error;
  if (!room.Open(&error)) return state.SkipWithError(error.c_str());
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(room.Port());
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0)
    return state.SkipWithError("no connection");
  if (!Spin([&] { return room.session().server().ConnectionCount() == 1; }))
    return state.SkipWithError("the room did not take the connection");

  const std::string line = "[Head] " + std::string(static_cast<std::size_t>(state.range(0)), 'y');
  std::string echo;
  char buffer[65536];
  for (auto _ : state) {
    std::size_t sent = 0;
    echo.clear();
    const bool whole = Spin([&] {
      if (sent < line.size()) {
        const ssize_t n = send(fd, line.data() + sent, line.size() - sent, MSG_DONTWAIT);
        if (n > 0) sent += static_cast<std::size_t>(n);
      }
      ssize_t n;
      while ((n = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
        echo.append(buffer, static_cast<std::size_t>(n));
      return echo.size() >= line.size();
    });
    if (!whole || echo != line) return state.SkipWithError("the echo is not the line");
  }
  close(fd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(line.size()));
}
BENCHMARK(BM_LongChatLineRelayed)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tamsok

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  tamsok::RaiseOpenFileLimit();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
