// tamsok_load: many clients against one room, one complete game, and the figures.
//
//   tamsok_load [-n N] [--moves M] [--room PATH | --port P [--pid PID]] [--batch B]
//   tamsok_load --soak [--games G] [--spectators S] [--grace S] [--seed N] [--room PATH]
//
// --soak      one room, a player and S spectators (default 50) at their own addresses play
//             G games (default 200) of random legal moves; the player's link is killed at
//             random and comes back within the room's wait (--grace, default 3 s) or after
//             it, when the room claims the game; spectators leave and join at random. Every
//             spectator's position is compared with the room's after every move. Before the
//             games, links are cut in a network namespace (root and iproute2) to time how
//             soon the room notices a silent link. Prints the counts and the times.
//
// -n N        connections, requester included (default 100)
// --moves M   records of the game before the requester surrenders (default 200)
// --room PATH start this tamsok_room on a free port (default: the one beside this program)
// --port P    use a room that is already running on port P instead; --pid names its process
//             for the memory figure
// --batch B   connections opened at a time (default 50, below the room's accept backlog)
//
// Every spectator binds its own loopback address (127.1.x.y), so the room's replies reach
// only the connection they answer and each spectator's stream holds exactly the room's sends
// to every connection. The requester (127.2.0.1) plays Fir through a real Game and the
// client's own dispatcher; the room plays Oak. When the room was started here with --stamp,
// the fan-out latency is measured from the room's send to each spectator's read, on the
// monotonic clock both processes share.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "net/Dispatch.h"
#include "net/Framing.h"
#include "tools/load/AutoPlay.h"
#include "tools/load/LoadClock.h"
#include "tools/load/LoadLinks.h"
#include "tools/load/Soak.h"

namespace tamsok {
namespace {

using load::Fail;
using load::Link;
using load::OpenLink;
using load::Received;
using load::RoomProcess;
using load::SendAll;
using load::Stamp;

struct Options {
  int connections = 100;
  int moves = 200;
  std::string roomPath;
  int port = -1;
  pid_t pid = -1;
  int batch = 50;
  bool soak = false;
  load::SoakOptions soakOptions;
};

[[noreturn]] void Usage() {
  std::fprintf(stderr,
               "usage: tamsok_load [-n N] [--moves M] [--room PATH | --port P [--pid PID]] "
               "[--batch B]\n       tamsok_load --soak [--games G] [--spectators S] [--grace S] "
               "[--seed N] [--silent R] [--room PATH]\n");
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  const auto number = [&](int& i, long lo, long hi) {
    if (i + 1 >= argc) Usage();
    char* end = nullptr;
    const long v = std::strtol(argv[++i], &end, 10);
    if (*end != '\0' || v < lo || v > hi) Usage();
    return v;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-n")
      o.connections = static_cast<int>(number(i, 2, 60000));
    else if (a == "--moves")
      o.moves = static_cast<int>(number(i, 2, Game::kMaxRecords - 1));
    else if (a == "--room" && i + 1 < argc)
      o.roomPath = argv[++i];
    else if (a == "--port")
      o.port = static_cast<int>(number(i, 1, 65535));
    else if (a == "--pid")
      o.pid = static_cast<pid_t>(number(i, 1, 1 << 30));
    else if (a == "--batch")
      o.batch = static_cast<int>(number(i, 1, 1000));
    else if (a == "--soak")
      o.soak = true;
    else if (a == "--games")
      o.soakOptions.games = static_cast<int>(number(i, 1, 100000));
    else if (a == "--spectators")
      o.soakOptions.spectators = static_cast<int>(number(i, 1, 10000));
    else if (a == "--grace")
      o.soakOptions.graceSeconds = static_cast<int>(number(i, 1, 3600));
    else if (a == "--seed")
      o.soakOptions.seed = static_cast<std::uint64_t>(number(i, 0, 1L << 40));
    else if (a == "--silent")
      o.soakOptions.silentRounds = static_cast<int>(number(i, 0, 100));
    else
      Usage();
  }
  if (o.moves % 2 != 0) ++o.moves;  // the room's move ends each pair
  return o;
}

class SocketLink : public PeerLink {
 public:
  explicit SocketLink(int fd) : fd_(fd) {}
  void SendToAll(const std::string&) override {}
  void SendToServer(const std::string& text) override {
    if (text.empty()) return;
    lastSendNs = MonotonicNs();
    SendAll(fd_, text);
  }
  std::int64_t lastSendNs = 0;

 private:
  int fd_;
};

class Load {
 public:
  Load(const Options& options, RoomProcess& room)
      : options_(options), room_(room), links_(static_cast<std::size_t>(options.connections)) {
    epoll_ = epoll_create1(0);
    if (room_.out() >= 0) Watch(room_.out(), kRoomTag);
  }

  // Returns true when every spectator got the whole game in order.
  bool Run();

 private:
  static constexpr std::uint64_t kRoomTag = ~std::uint64_t{0};

  std::size_t requester() const { return links_.size() - 1; }
  std::size_t spectators() const { return links_.size() - 1; }

  void Watch(int fd, std::uint64_t tag) {
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.u64 = tag;
    if (epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &e) != 0)
      Fail("epoll_ctl: " + std::string(std::strerror(errno)));
  }

  // Handles what has arrived within `timeoutMs`.
  void Pump(int timeoutMs) {
    epoll_event events[256];
    const int n = epoll_wait(epoll_, events, 256, timeoutMs);
    for (int i = 0; i < n; ++i) {
      if (events[i].data.u64 == kRoomTag) {
        room_.Drain();
        continue;
      }
      const std::size_t index = events[i].data.u64;
      Read(index);
    }
  }

  template <typename Pred>
  void PumpUntil(Pred done, const char* what, int timeoutMs = 30000) {
    const std::int64_t deadline = MonotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    while (!done()) {
      if (MonotonicNs() > deadline) Fail(std::string("timed out waiting for ") + what);
      Pump(50);
    }
  }

  void Read(std::size_t index) {
    Link& link = links_[index];
    char buffer[65536];
    for (;;) {
      const ssize_t n = recv(link.fd, buffer, sizeof buffer, 0);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
      if (n <= 0) {
        link.closed = true;
        epoll_ctl(epoll_, EPOLL_CTL_DEL, link.fd, nullptr);
        return;
      }
      const std::int64_t now = MonotonicNs();
      for (std::string& m : link.splitter.Feed({buffer, static_cast<std::size_t>(n)})) {
        if (index == requester()) Requester(m, now);
        link.got.push_back({std::move(m), now});
      }
    }
  }

  // The requester's side of a message: is it the reply to what it sent, or a send of the
  // room to every connection? Then its own dispatcher handles it.
  void Requester(const std::string& text, std::int64_t ns) {
    if (!expectedReplies_.empty() &&
        (text == expectedReplies_.front() ||
         (expectedReplies_.front() == kHeadWinn && HeadOf(text) == kHeadWinn))) {
      expectedReplies_.pop_front();
      if (HeadOf(text) == kHeadWinn) gameOver_ = true;
    } else {
      broadcast_.push_back({text, ns});
    }
    const Handled h = HandleServerMessage(*game_, text);
    if (h.error) Fail("the requester could not read \"" + text + "\": " + *h.error);
  }

  void ConnectSpectators();
  void PlayGame();
  bool Report();

  const Options& options_;
  RoomProcess& room_;
  std::vector<Link> links_;
  int epoll_ = -1;

  NullGameView view_;
  std::unique_ptr<SocketLink> socketLink_;
  std::unique_ptr<Game> game_;
  std::deque<std::string> expectedReplies_;
  std::vector<Received>
      broadcast_;  // the room's sends to every connection, as the requester saw them
  std::vector<std::int64_t> moveSent_;  // when the requester sent each of its moves
  std::vector<std::string> seen_;       // what each spectator gets of the game
  bool gameOver_ = false;
  std::int64_t gameStart_ = 0, gameEnd_ = 0;
  std::pair<long, long> idleMemory_{-1, -1}, busyMemory_{-1, -1};
};

void Load::ConnectSpectators() {
  idleMemory_ = room_.Memory();
  const std::size_t n = spectators();
  for (std::size_t first = 0; first < n; first += static_cast<std::size_t>(options_.batch)) {
    const std::size_t last = std::min(n, first + static_cast<std::size_t>(options_.batch));
    for (std::size_t i = first; i < last; ++i) {
      const std::string source =
          "127.1." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1);
      links_[i].fd = OpenLink(source, room_.port());
      Watch(links_[i].fd, i);
      // The room answers "Boad" in ServerFree with the text itself: proof it has the
      // connection, before the game starts.
      SendAll(links_[i].fd, std::string(kHeadBoad));
    }
    PumpUntil(
        [&] {
          for (std::size_t i = first; i < last; ++i)
            if (links_[i].got.empty()) return false;
          return true;
        },
        "the room to take the connections");
  }
}

void Load::PlayGame() {
  Link& me = links_[requester()];
  me.fd = OpenLink("127.2.0.1", room_.port());
  Watch(me.fd, requester());
  socketLink_ = std::make_unique<SocketLink>(me.fd);
  game_ = std::make_unique<Game>(view_, *socketLink_);
  game_->FormCreate();
  game_->SetOwnCamp(Camp::Fir);
  game_->SetGameMode(GameMode::ClientFree);  // as the client does once connected

  expectedReplies_.push_back(std::string(kRequested));
  game_->SendToServer(
      game_->SetLastMessage(BuildRequ(0, kUnitTimeMax, kExceedMax, 0, game_->StationId())));
  PumpUntil([&] { return game_->Mode() == GameMode::ClientPlaying && game_->CanHandlePieces(); },
            "the room to accept the request");

  gameStart_ = MonotonicNs();
  ShufflePlayer player;
  while (game_->RecordCount() < options_.moves) {
    const int before = game_->RecordCount();
    const std::optional<PlannedMove> move = player.Next(game_->board(), game_->OwnCamp());
    if (!move) Fail("the requester has no quiet move left");
    game_->PlayDroppedPiece(move->piece, move->to.x, move->to.y);
    if (game_->RecordCount() != before + 1) Fail("the requester's move was refused");
    expectedReplies_.push_back(game_->LastMessage());  // the room echoes it
    moveSent_.push_back(socketLink_->lastSendNs);
    PumpUntil([&] { return game_->RecordCount() == before + 2; }, "the room's move");
  }
  expectedReplies_.push_back(std::string(kHeadWinn));
  game_->miLossgameClick();
  PumpUntil([&] { return gameOver_; }, "the room's \"Winn\"");
  gameEnd_ = MonotonicNs();

  // Every spectator gets the probe's echo, then the whole game: the "Made", every move of
  // either side (the requester's passed on by the room), and the "Winn".
  seen_ = CatchUpMessages(*game_, broadcast_.at(0).text);
  seen_.push_back(BuildWinn(OtherCamp(game_->OwnCamp())));
  const std::size_t want = 1 + seen_.size();
  PumpUntil(
      [&] {
        for (std::size_t i = 0; i < spectators(); ++i)
          if (links_[i].got.size() < want && !links_[i].closed) return false;
        return true;
      },
      "the spectators to receive the game");
  busyMemory_ = room_.Memory();
  room_.Drain();
}

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t i =
      std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())));
  return v[i];
}

void PrintSpread(const char* label, const std::vector<double>& ms) {
  if (ms.empty()) {
    std::printf("%-20s n/a\n", label);
    return;
  }
  std::printf("%-20s p50 %.3f ms  p99 %.3f ms  max %.3f ms  (%zu samples)\n", label,
              Percentile(ms, 0.50), Percentile(ms, 0.99), *std::max_element(ms.begin(), ms.end()),
              ms.size());
}

bool Load::Report() {
  // Completeness and order: each spectator's stream is the probe's echo and then exactly the
  // room's sends to every connection.
  std::size_t complete = 0;
  std::int64_t lastRead = gameEnd_;
  std::size_t delivered = 0;
  for (std::size_t i = 0; i < spectators(); ++i) {
    const Link& l = links_[i];
    bool ok = !l.got.empty() && l.got[0].text == kHeadBoad && l.got.size() == 1 + seen_.size();
    for (std::size_t k = 0; ok && k < seen_.size(); ++k)
      ok = l.got[k + 1].text == seen_[k];
    if (ok) ++complete;
    for (const Received& r : l.got)
      if (r.ns >= gameStart_) {
        ++delivered;
        lastRead = std::max(lastRead, r.ns);
      }
  }
  for (const Received& r : links_[requester()].got)
    if (r.ns >= gameStart_) ++delivered;

  // The room's own moves are stamped; in a spectator's stream (after the probe's echo and
  // the "Made") the requester's move k comes at 2k + 2 and the room's answer at 2k + 3.
  const std::vector<Stamp>& stamps = room_.stamps();
  bool stampsMatch = room_.stamped() && stamps.size() + 1 == broadcast_.size();
  for (std::size_t k = 0; stampsMatch && k < stamps.size(); ++k)
    stampsMatch = stamps[k].text == broadcast_[k + 1].text;

  std::vector<double> fromSend, lastFromSend, fromMove;
  for (std::size_t k = 0; k + 1 < broadcast_.size(); ++k) {
    std::int64_t last = 0;
    for (std::size_t i = 0; i < spectators(); ++i) {
      const Link& l = links_[i];
      if (l.got.size() < 2 * k + 4) continue;
      const std::int64_t read = l.got[2 * k + 3].ns;
      last = std::max(last, read);
      if (stampsMatch) fromSend.push_back(static_cast<double>(read - stamps[k].start) / 1e6);
      if (k < moveSent_.size())
        fromMove.push_back(static_cast<double>(l.got[2 * k + 2].ns - moveSent_[k]) / 1e6);
    }
    if (stampsMatch && last > 0)
      lastFromSend.push_back(static_cast<double>(last - stamps[k].start) / 1e6);
  }

  const double gameS = static_cast<double>(gameEnd_ - gameStart_) / 1e9;
  const double deliveryS = static_cast<double>(lastRead - gameStart_) / 1e9;
  std::printf("connections         %zu (%zu spectators, 1 requester)\n", links_.size(),
              spectators());
  std::printf("game                %d moves in %.3f s (%.0f moves/s)\n", game_->RecordCount(),
              gameS, game_->RecordCount() / gameS);
  std::printf("complete, in order  %zu of %zu spectators\n", complete, spectators());
  std::printf("messages            %zu delivered in %.3f s: %.0f messages/s\n", delivered,
              deliveryS, static_cast<double>(delivered) / deliveryS);
  if (!stampsMatch && room_.stamped())
    std::printf("(the room's stamps do not match its sends; no send-based latency)\n");
  PrintSpread("send -> each read", fromSend);
  PrintSpread("send -> last read", lastFromSend);
  PrintSpread("move -> each read", fromMove);
  if (busyMemory_.first >= 0)
    std::printf("room memory         VmRSS %ld kB (%ld kB before connecting), VmHWM %ld kB\n",
                busyMemory_.first, idleMemory_.first, busyMemory_.second);
  return complete == spectators();
}

bool Load::Run() {
  ConnectSpectators();
  PlayGame();
  const bool complete = Report();
  for (Link& l : links_)
    if (l.fd >= 0) close(l.fd);
  return complete;
}

}  // namespace
}  // namespace tamsok

int main(int argc, char** argv) {
  using namespace tamsok;
  Options options = ParseOptions(argc, argv);
  const long limit = RaiseOpenFileLimit();
  if (limit >= 0 && limit < options.connections + 64)
    Fail("the open-file limit (" + std::to_string(limit) + ") is too low for " +
         std::to_string(options.connections) + " connections");
  signal(SIGPIPE, SIG_IGN);
  if (options.soak) {
    if (options.roomPath.empty())
      options.roomPath =
          (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "tamsok_room").string();
    return load::RunSoak(options.soakOptions, options.roomPath);
  }
  RoomProcess room;
  if (options.port > 0) {
    room.Attach(options.port, options.pid);
  } else {
    if (options.roomPath.empty())
      options.roomPath =
          (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "tamsok_room").string();
    room.Spawn(options.roomPath);
  }
  Load load(options, room);
  return load.Run() ? 0 : 1;
}
