// The soak: one room, a player and many spectators at many addresses play game after game of
// random legal moves while the player and the spectators are killed and come back, and the
// spectators' boards are compared with the room's after every move.
#include "tools/load/Soak.h"

#include <sys/epoll.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include "game/Game.h"
#include "net/Dispatch.h"
#include "tools/load/AutoPlay.h"
#include "tools/load/CutLink.h"
#include "tools/load/LoadClock.h"
#include "tools/load/LoadLinks.h"

namespace tamsok::load {
namespace {

constexpr int kWaitMs = 20000;  // the longest any step may take before it counts as a hang

// A station of ours, without a window: a socket, its splitter and its game.
struct Follower {
  std::string address;
  int fd = -1;
  std::unique_ptr<MessageSplitter> splitter;
  NullGameView view;
  NullPeerLink peer;
  std::unique_ptr<Game> game;
  // The room's number of the game it follows. A station that joins late is given the game
  // so far message by message, and the room may have moved on to another game by the time
  // it has it.
  int following = 0;
  // The position after each record of each game it followed, by game and record count, not
  // yet compared.
  std::map<std::pair<int, int>, std::uint64_t> unchecked;
};

class PlayerLink : public PeerLink {
 public:
  int fd = -1;
  void SendToAll(const std::string&) override {}
  void SendToServer(const std::string& text) override {
    if (fd >= 0 && !text.empty()) SendAll(fd, text);
  }
};

double Ms(std::int64_t ns) {
  return static_cast<double>(ns) / 1e6;
}

class Soak {
 public:
  Soak(const SoakOptions& o, RoomProcess& room) : o_(o), room_(room), random_(o.seed) {
    epoll_ = epoll_create1(0);
    room_.onLine = [this](const std::string& line) { RoomLine(line); };
    Watch(room_.out(), kRoomTag);
    player_.address = "127.2.0.1";
    player_.game = std::make_unique<Game>(player_.view, playerLink_, o.seed);
    spectators_.resize(static_cast<std::size_t>(o.spectators));
    for (std::size_t i = 0; i < spectators_.size(); ++i)
      spectators_[i].address =
          "127.3." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1);
  }

  bool Run();

 private:
  static constexpr std::uint64_t kRoomTag = ~std::uint64_t{0};
  static constexpr std::uint64_t kPlayerTag = ~std::uint64_t{0} - 1;

  void Watch(int fd, std::uint64_t tag) {
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.u64 = tag;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &e);
  }

  void RoomLine(const std::string& line) {
    int game = 0, records = 0;
    std::uint64_t key = 0;
    std::int64_t ns = 0;
    int claimable = 0;
    if (std::sscanf(line.c_str(), "pos %d %d %" SCNu64, &game, &records, &key) == 3) {
      roomGame_ = std::max(roomGame_, game);
      std::vector<std::uint64_t>& keys = roomKeys_[game];
      if (keys.size() <= static_cast<std::size_t>(records))
        keys.resize(static_cast<std::size_t>(records) + 1, 0);
      keys[static_cast<std::size_t>(records)] = key;
    } else if (std::sscanf(line.c_str(), "away %" SCNd64 " %d", &ns, &claimable) == 2) {
      if (!awaySeen_) awaySeen_ = ns;
      if (claimable) claimableSeen_ = true;
    }
  }

  void Pump(int timeoutMs) {
    epoll_event events[256];
    const int n = epoll_wait(epoll_, events, 256, timeoutMs);
    for (int i = 0; i < n; ++i) {
      const std::uint64_t tag = events[i].data.u64;
      if (tag == kRoomTag)
        room_.Drain();
      else if (tag == kPlayerTag)
        Read(player_, true);
      else
        Read(spectators_[tag], false);
    }
  }

  template <typename Pred>
  bool PumpUntil(Pred done, int timeoutMs = kWaitMs) {
    const std::int64_t deadline = MonotonicNs() + std::int64_t{timeoutMs} * 1'000'000;
    while (!done()) {
      if (MonotonicNs() > deadline) return false;
      Pump(5);
    }
    return true;
  }
  void PumpFor(int ms) {
    const std::int64_t until = MonotonicNs() + std::int64_t{ms} * 1'000'000;
    while (MonotonicNs() < until)
      Pump(5);
  }

  void Read(Follower& f, bool player) {
    char buffer[65536];
    for (;;) {
      const ssize_t n = recv(f.fd, buffer, sizeof buffer, 0);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
      if (n <= 0) {
        Close(f);
        return;
      }
      for (std::string& m : f.splitter->Feed({buffer, static_cast<std::size_t>(n)})) {
        const Handled h = HandleServerMessage(*f.game, m, player && resuming_);
        if (h.error) ++unreadable_;
        if (player && h.reply == "Game resumed") resuming_ = false;
        if (f.game->Mode() == GameMode::ClientPlaying) {
          // The "Made" of a new game names its player; that of the game so far does not.
          if (HeadOf(m) == kHeadMade && m != MadeForSpectators(m)) ++f.following;
          f.unchecked[{f.following, f.game->RecordCount()}] = PositionKey(*f.game);
        }
      }
    }
  }

  void Connect(Follower& f, std::uint64_t tag) {
    f.fd = OpenLink(f.address, room_.port());
    f.splitter = std::make_unique<MessageSplitter>(Direction::ServerToClient);
    if (!f.game) f.game = std::make_unique<Game>(f.view, f.peer);
    f.game->FormCreate();
    f.game->SetOwnCamp(Camp::Fir);
    f.game->SetGameMode(GameMode::ClientFree);
    f.unchecked.clear();
    f.following = roomGame_;  // the game under way, if any
    Watch(f.fd, tag);
  }
  void Close(Follower& f) {
    if (f.fd < 0) return;
    epoll_ctl(epoll_, EPOLL_CTL_DEL, f.fd, nullptr);
    close(f.fd);
    f.fd = -1;
  }

  // Compares every position the live spectators passed through with the room's.
  bool Check() {
    for (Follower& f : spectators_) {
      if (f.fd < 0) continue;
      for (const auto& [at, key] : f.unchecked) {
        const auto [game, records] = at;
        const std::vector<std::uint64_t>& keys = roomKeys_[game];
        if (static_cast<std::size_t>(records) >= keys.size()) {
          if (game == roomGame_) return false;  // not yet
          ++mismatches_;                        // past the end of a game the room has left
        } else if (keys[static_cast<std::size_t>(records)] != key) {
          ++mismatches_;
        }
        ++checks_;
      }
      f.unchecked.clear();
    }
    return true;
  }
  // Waits until every live spectator has the room's latest record, then compares.
  void Settle() {
    const int records = player_.game->RecordCount();
    const bool ok = PumpUntil([&] {
      if (roomKeys_[roomGame_].size() <= static_cast<std::size_t>(records)) return false;
      for (Follower& f : spectators_)
        if (f.fd >= 0 && f.game->Mode() == GameMode::ClientPlaying && f.following == roomGame_ &&
            f.game->RecordCount() < records)
          return false;
      return true;
    });
    if (!ok) ++hangs_;
    if (!Check()) ++hangs_;
  }

  void SpectatorChurn() {
    std::uniform_int_distribution<std::size_t> pick(0, spectators_.size() - 1);
    Follower& f = spectators_[pick(random_)];
    const std::uint64_t tag = static_cast<std::uint64_t>(&f - spectators_.data());
    if (f.fd >= 0) {
      Close(f);
      ++spectatorKills_;
    } else {
      Connect(f, tag);
      ++lateJoins_;
    }
  }

  bool StartGame();
  bool KillPlayer();
  void PlayGames();
  void SilentLinks();
  void Report();

  const SoakOptions& o_;
  RoomProcess& room_;
  std::mt19937_64 random_;
  int epoll_ = -1;
  Follower player_;
  PlayerLink playerLink_;
  std::string request_;
  bool resuming_ = false;
  std::vector<Follower> spectators_;
  std::map<int, std::vector<std::uint64_t>> roomKeys_;
  int roomGame_ = 0;
  std::int64_t awaySeen_ = 0;
  bool claimableSeen_ = false;

  int games_ = 0, kills_ = 0, resumes_ = 0, claims_ = 0, spectatorKills_ = 0, lateJoins_ = 0;
  long mismatches_ = 0, checks_ = 0, unreadable_ = 0;
  int hangs_ = 0;
  std::vector<double> closedMs_, resumeMs_, silentMs_;
};

bool Soak::StartGame() {
  const int before = roomGame_;
  if (player_.fd < 0) {
    Connect(player_, kPlayerTag);
    playerLink_.fd = player_.fd;
  }
  request_ = BuildRequ(0, kUnitTimeMax, kExceedMax, 0, player_.game->StationId());
  playerLink_.SendToServer(request_);
  if (!PumpUntil([&] {
        return player_.game->Mode() == GameMode::ClientPlaying && player_.game->CanHandlePieces() &&
               roomGame_ > before;
      })) {
    ++hangs_;
    return false;
  }
  ++games_;
  return true;
}

// Kills the player's link; it comes back within the wait or the room claims the game.
// Returns whether the game goes on.
bool Soak::KillPlayer() {
  ++kills_;
  awaySeen_ = 0;
  claimableSeen_ = false;
  const std::int64_t killed = MonotonicNs();
  Close(player_);
  playerLink_.fd = -1;
  if (!PumpUntil([&] { return awaySeen_ != 0; })) {
    ++hangs_;
    return false;
  }
  closedMs_.push_back(Ms(awaySeen_ - killed));
  if (std::bernoulli_distribution(0.6)(random_)) {
    // Back within the wait, after a while.
    PumpFor(std::uniform_int_distribution<int>(50, o_.graceSeconds * 600)(random_));
    const int records = static_cast<int>(roomKeys_[roomGame_].size()) - 1;
    const std::int64_t start = MonotonicNs();
    player_.fd = OpenLink(player_.address, room_.port());
    playerLink_.fd = player_.fd;
    player_.splitter = std::make_unique<MessageSplitter>(Direction::ServerToClient);
    player_.game->SetGameMode(GameMode::ClientFree);  // as our client is once connected
    Watch(player_.fd, kPlayerTag);
    resuming_ = true;
    playerLink_.SendToServer(request_);
    if (!PumpUntil([&] {
          return !resuming_ && player_.game->CanHandlePieces() &&
                 player_.game->RecordCount() == records;
        })) {
      ++hangs_;
      return false;
    }
    resumeMs_.push_back(Ms(MonotonicNs() - start));
    ++resumes_;
    return true;
  }
  // Not back: once the wait is over the room claims the win, and every spectator hears it.
  if (!PumpUntil([&] { return claimableSeen_; }, (o_.graceSeconds + 10) * 1000) || !PumpUntil([&] {
        for (Follower& f : spectators_)
          if (f.fd >= 0 && f.game->Mode() == GameMode::ClientPlaying) return false;
        return true;
      })) {
    ++hangs_;
    return false;
  }
  ++claims_;
  player_.game->SetGameMode(GameMode::ClientFree);
  return false;
}

void Soak::PlayGames() {
  RandomPlayer mover(o_.seed + 1);
  std::uniform_int_distribution<int> length(50, 160);
  while (games_ < o_.games && hangs_ == 0) {
    if (!StartGame()) return;
    Game& g = *player_.game;
    const int end = length(random_);
    bool over = false;
    while (!over && hangs_ == 0) {
      Settle();
      if (g.Mode() != GameMode::ClientPlaying) break;  // the room's move ended it
      if (std::bernoulli_distribution(o_.spectatorChurn)(random_)) SpectatorChurn();
      if (std::bernoulli_distribution(o_.playerKills)(random_)) {
        if (!KillPlayer()) break;
        Settle();
      }
      if (g.RecordCount() >= end) {
        // Scoring from the 50th record, or a surrender.
        if (std::bernoulli_distribution(0.5)(random_))
          g.miScoringClick();
        else
          g.miLossgameClick();
        over = true;
      } else if (const std::optional<PlannedMove> m = mover.Next(g.board(), g.OwnCamp())) {
        const int before = g.RecordCount();
        g.PlayDroppedPiece(m->piece, m->to.x, m->to.y);
        if (g.RecordCount() != before + 1) ++hangs_;  // our own legal move refused
        over = g.board().InPlay[30] == false;
      } else {
        g.miPassClick();
      }
      // The room's answer: its move, or the end of the game. A move that takes the player's
      // Tree is followed by the "Winn", which need not come in the same read.
      if (!PumpUntil([&] {
            return g.Mode() != GameMode::ClientPlaying ||
                   (g.SideToMove() == g.OwnCamp() && !g.PassPending() && g.board().InPlay[0]);
          }))
        ++hangs_;
    }
    // Every live spectator sees the end.
    if (!PumpUntil([&] {
          for (Follower& f : spectators_)
            if (f.fd >= 0 && f.game->Mode() == GameMode::ClientPlaying) return false;
          return true;
        }))
      ++hangs_;
    Check();
  }
}

// A link cut without either end closing it, in a network namespace of its own: how long
// the room takes to notice. Needs root and iproute2.
void Soak::SilentLinks() {
  CutLink link("tsoak" + std::to_string(getpid() % 100000),
               8000 + static_cast<int>(getpid() % 8000));
  for (int round = 0; link.ok() && round < o_.silentRounds; ++round) {
    link.Restore();
    const int fd = link.Connect(room_.port());
    if (fd < 0) break;
    SendAll(fd, BuildRequ(0, kUnitTimeMax, kExceedMax, 0, "  silent peer 1"));
    const int game = roomGame_;
    if (!PumpUntil([&] { return roomGame_ > game; })) break;
    awaySeen_ = 0;
    claimableSeen_ = false;
    link.Cut();
    const std::int64_t cut = MonotonicNs();
    if (!PumpUntil([&] { return awaySeen_ != 0; }, 30000)) {
      ++hangs_;
      close(fd);
      break;
    }
    silentMs_.push_back(Ms(awaySeen_ - cut));
    PumpUntil([&] { return claimableSeen_; }, (o_.graceSeconds + 10) * 1000);
    PumpFor(200);  // the claim
    close(fd);
  }
}

void PrintTimes(const char* label, std::vector<double> ms) {
  if (ms.empty()) {
    std::printf("%-34s n/a\n", label);
    return;
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-34s median %.1f ms  max %.1f ms  (%zu)\n", label, ms[ms.size() / 2], ms.back(),
              ms.size());
}

void Soak::Report() {
  std::printf("games              %d\n", games_);
  std::printf("player kills       %d (resumes %d, claims %d)\n", kills_, resumes_, claims_);
  std::printf("spectator kills    %d, late joins %d\n", spectatorKills_, lateJoins_);
  std::printf("positions compared %ld, mismatches %ld\n", checks_, mismatches_);
  std::printf("unreadable texts   %ld\n", unreadable_);
  std::printf("hangs              %d\n", hangs_);
  PrintTimes("closed link noticed in", closedMs_);
  PrintTimes("silent link noticed in", silentMs_);
  PrintTimes("reconnect to resumed play in", resumeMs_);
}

bool Soak::Run() {
  for (std::size_t i = 0; i < spectators_.size(); ++i)
    Connect(spectators_[i], i);
  if (o_.silentRounds > 0) SilentLinks();
  PlayGames();
  Report();
  for (Follower& f : spectators_)
    Close(f);
  Close(player_);
  return mismatches_ == 0 && hangs_ == 0 && unreadable_ == 0 && games_ == o_.games;
}

}  // namespace

int RunSoak(const SoakOptions& options, const std::string& roomPath) {
  RoomProcess room;
  room.Spawn(roomPath, {"--random", std::to_string(options.seed), "--grace",
                        std::to_string(options.graceSeconds), "--claim"});
  Soak soak(options, room);
  return soak.Run() ? 0 : 1;
}

}  // namespace tamsok::load
