// The network side of the main window: the "Server mode", "Client mode" and request
// commands, the socket events of both roles, accepting a request, and sending chat lines.
// It is the game's PeerLink. Everything runs on the user-interface thread.
//
// Texts here are the bytes of the wire (code page 949 where they are not ASCII): what
// arrives is handled, listed and echoed byte for byte. They become text for a person only
// where the status panel or a box shows them (ShownText), and the windows convert what they
// list themselves (NetWindows).
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

#include "game/Game.h"
#include "net/NetWindows.h"
#include "net/Roles.h"

namespace tamsok {

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

  // Socket events.
  void ServerSocket1Accept(const std::string& address);
  void ServerSocket1ClientConnect(const std::string& address);
  void ServerSocket1ClientDisconnect(const std::string& address);
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

  NetWindows& windows_;
  std::filesystem::path iniPath_;
  Game* game_ = nullptr;
  ServerRole server_;
  ClientRole client_;
  bool roomChecked_ = false;
  bool clientChecked_ = false;
  std::string serverAddress_;
  // The connection that last sent each listed request, and the one whose request was
  // accepted: the player of the game in progress (0: none).
  std::unordered_map<std::string, ConnectionId> requestSenders_;
  ConnectionId player_ = 0;
};

}  // namespace tamsok
