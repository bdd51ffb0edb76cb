// A room without a display: the real NetSession and Game of the program, a view that draws
// nothing and answers every box with OK, and room windows kept in memory. It accepts a
// request as soon as it is listed (through the same double click and "Confirm" box as a
// user) and plays its own camp with a ShufflePlayer, so a load run needs no one at the room.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "net/NetSession.h"
#include "tools/load/AutoPlay.h"
#include "tools/load/LoadClock.h"

namespace tamsok {

struct HeadlessRoomOptions {
  quint16 port = kGamePort;
  bool autoPlay = true;  // play the room's camp whenever it is to move
  // With a seed, the room plays random legal moves, captures included; without, quiet
  // shuffles that never end a game.
  std::optional<std::uint64_t> randomSeed;
  int graceSeconds = kDefaultGraceSeconds;
  bool autoClaim = false;  // claim the win as soon as the wait for a lost player is over
  // Gets the room's position after every change of its record count: the game's number,
  // the records, and PositionKey.
  std::function<void(int game, int records, std::uint64_t key)> onPosition;
  // Called around each send of the game to every connection (moves, passes, "Winn"), with
  // the monotonic time before and after the sends were queued.
  std::function<void(const std::string& text, std::int64_t startNs, std::int64_t endNs)>
      onSendToAll;
  // Gets each line of the receive list, and the application's error reports.
  std::function<void(const std::string& line)> onReceived;
  std::function<void(const std::string& text)> onError;
  // Gets the caption and text of every box, as "caption|text".
  std::function<void(const std::string& box)> onBox;
  // Gets each showing of the notice that the player is away.
  std::function<void(const std::string& text, bool claimable)> onAway;
};

class HeadlessRoom {
 public:
  explicit HeadlessRoom(HeadlessRoomOptions options);
  ~HeadlessRoom();

  // Switches server mode on; false with the reason in `error` when the port cannot be opened.
  bool Open(std::string* error);
  quint16 Port() { return session_.server().Port(); }
  NetSession& session() { return session_; }
  Game& game() { return game_; }
  std::size_t GamesAccepted() const { return gamesAccepted_; }

 private:
  class QuietView;
  class RoomWindows;
  class TimedLink;

  void AcceptLater(const std::string& line);
  void PlayLater();
  void ReportPosition();

  HeadlessRoomOptions options_;
  QObject context_;  // owns the deferred calls; they die with the room
  std::unique_ptr<QuietView> view_;
  std::unique_ptr<RoomWindows> windows_;
  std::unique_ptr<TimedLink> link_;
  NetSession session_;
  Game game_;
  ShufflePlayer player_;
  std::optional<RandomPlayer> random_;
  int reportedGame_ = -1, reportedRecords_ = -1;
  QTimer clock_;
  std::size_t gamesAccepted_ = 0;
  std::string lastError_;  // the last error report
};

}  // namespace tamsok
