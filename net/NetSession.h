// The network side of the main window: the "Server mode", "Client mode" and request
// commands, the socket events of both roles, accepting a request, and sending chat lines.
// It is the game's PeerLink. Everything runs on the user-interface thread.
//
// Texts here are the bytes of the wire (code page 949 where they are not ASCII): what
// arrives is handled, listed and echoed byte for byte. They become text for a person only
// where the status panel or a box shows them (ShownText), and the windows convert what they
// list themselves (NetWindows).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/Game.h"
#include "net/NetWindows.h"
#include "net/Roles.h"

namespace tamsok {

// How long the room waits for a player whose link was lost before its user may claim the
// win, in seconds.
inline constexpr int kDefaultGraceSeconds = 60;

class NetSession : public PeerLink {
 public:
  // `port` is 1024 in play; tests pass a free one. `iniPath` is the settings file.
  NetSession(NetWindows& windows, std::filesystem::path iniPath, quint16 port = kGamePort);
  ~NetSession() override;

  // The game is made after the session, since it needs the session as its PeerLink.
  void Attach(Game& game) { game_ = &game; }

  // PeerLink.
  void SendToAll(const std::string& text) override;
  void SendToServer(const std::string& text) override;

  // Menu commands.
  void miCreateRoomClick();
  void miConnectClick();
  void miReqGameClick();
  // A double click on the request list; `selected` is the selected line as it was listed,
  // empty for none.
  void LBxReqDblClick(const std::string& selected);
  void AcceptRequest(const std::string& line);
  // A chat line, already in the wire's code page.
  void SendChatLine(const std::string& line);
  // Exit: close both sockets (closing one that is not open does nothing).
  void CloseSockets();

  // The room's player away: the grace period, whether the room waits now, the seconds left
  // (0 once the win may be claimed), and the claim itself, which ends the game for the
  // room's camp. Nothing happens when there is nothing to claim yet.
  void SetGraceSeconds(int seconds) { graceSeconds_ = seconds; }
  int GraceSeconds() const { return graceSeconds_; }
  bool PlayerAway() const { return away_; }
  int AwaySecondsLeft() const;
  void ClaimWin();

  // The client's way back to a room it lost during a game: connects to the same address;
  // if the room still waits for this station, the game resumes where it stood.
  void Reconnect();

  // Socket events.
  void ServerSocket1Accept(const std::string& address);
  void ServerSocket1ClientConnect(const std::string& address, ConnectionId id);
  void ServerSocket1ClientDisconnect(const std::string& address, ConnectionId id);
  void ServerSocket1ClientRead(const std::string& address, ConnectionId from,
                               const std::string& text);
  void ClientSocket1Connect();
  void ClientSocket1Disconnect();
  void ClientSocket1Read(const std::string& text);
  void ClientSocket1Error(int code);

  bool RoomChecked() const { return roomChecked_; }
  bool ClientChecked() const { return clientChecked_; }
  const std::string& ServerAddress() const { return serverAddress_; }
  ServerRole& server() { return server_; }
  ClientRole& client() { return client_; }

  // Where the settings file lives when the program runs: the user's configuration folder.
  static std::filesystem::path DefaultIniPath();

 private:
  Game& game() { return *game_; }
  void SetRoomChecked(bool on);
  void SetClientChecked(bool on);
  void ShowGameStatus(const std::string& text);
  // Shows text from the wire in the status panel.
  void ShowReceivedStatus(const std::string& wire);
  // A line of the room's own in the receive list and the status panel.
  void ShowRoomLine(const std::string& address, const std::string& line);

  // The room: sends the game so far on one connection, as the messages it would have got.
  void SendCatchUp(ConnectionId to, const std::string& made);
  // The game so far has gone out on the connection.
  void CaughtUp(ConnectionId id);
  void PlayerLeft();
  void Resume(ConnectionId from, const std::string& address);
  void UpdateAwayNotice();
  void EndAway();
  Camp PlayerCamp() const;

  // The client: the room was lost during a game; the box offers to reconnect.
  void RoomLost(const char* how);
  // The client leaves a game it was following: remembers it, so that it can take its seat
  // back when it finds the room still playing it.
  void RememberGame();

  NetWindows& windows_;
  std::filesystem::path iniPath_;
  Game* game_ = nullptr;
  ServerRole server_;
  ClientRole client_;
  bool roomChecked_ = false;
  bool clientChecked_ = false;
  std::string serverAddress_;
  // The connections that sent each listed request, latest last, and the one whose request
  // was accepted: the player of the game in progress (0: none, or away).
  std::unordered_map<std::string, std::vector<ConnectionId>> requestSenders_;
  ConnectionId player_ = 0;
  // The player's connection while the game is sent to it again after it came back.
  ConnectionId returning_ = 0;
  // The room's game in progress: its "Made", and the station identifier of its player.
  std::string made_;
  std::string playerStation_;
  std::string playerAddress_;
  // The player's link was lost: how long ago, and the countdown shown to the room's user.
  bool away_ = false;
  int graceSeconds_ = kDefaultGraceSeconds;
  QElapsedTimer awaySince_;
  QTimer awayTick_;

  // The client's side. `leaving_`: the user switched client mode off, so a disconnect is no
  // loss. `lastError_`: the socket error that came before a loss, for the box's words.
  bool leaving_ = false;
  int lastError_ = 0;
  // The last request this station sent, and the "Made" of the game it follows.
  std::string lastRequest_;
  std::string madeReceived_;
  // The game this station left or lost: its "Made", and whether this station played it.
  std::string lostMade_;
  bool lostAsPlayer_ = false;
  // Reconnecting after a loss; `resuming_` once the request has gone out again.
  bool reconnecting_ = false;
  bool resuming_ = false;
  // Receiving the game so far, and the time since the last received message was handled.
  bool catchingUp_ = false;
  QElapsedTimer quietSince_;
  QObject context_;  // owns deferred calls, which die with the session
};

}  // namespace tamsok
