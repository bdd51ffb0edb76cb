#include "net/NetSession.h"

#include <QStandardPaths>
#include <cstdio>
#include <system_error>

#include "game/Format.h"
#include "net/IniFile.h"
#include "net/NetTexts.h"
#include "net/TextCodec.h"

namespace tamsok {

namespace text = nettext;

NetSession::NetSession(NetWindows& windows, std::filesystem::path iniPath, quint16 port)
    : windows_(windows), iniPath_(std::move(iniPath)), server_(port), client_(port) {
  server_.onAccept = [this](const std::string& a) { ServerSocket1Accept(a); };
  server_.onConnect = [this](const std::string& a) { ServerSocket1ClientConnect(a); };
  server_.onDisconnect = [this](const std::string& a) { ServerSocket1ClientDisconnect(a); };
  server_.onRead = [this](const std::string& a, ConnectionId from, const std::string& t) {
    ServerSocket1ClientRead(a, from, t);
  };
  client_.onConnect = [this] { ClientSocket1Connect(); };
  client_.onDisconnect = [this] { ClientSocket1Disconnect(); };
  client_.onRead = [this](const std::string& t) { ClientSocket1Read(t); };
  client_.onError = [this](int code) { ClientSocket1Error(code); };
  client_.onHostName = [this] {
    if (game_ && client_.IsConnected())
      ShowGameStatus(Format(text::kConnectedTo, client_.HostName().c_str()));
  };
}

NetSession::~NetSession() = default;

std::filesystem::path NetSession::DefaultIniPath() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(base.toStdString()) / "tamsok" / std::string(kIniFileName);
}

void NetSession::ShowGameStatus(const std::string& s) {
  game().view().ShowStatus(kPanelGame, s);
}

void NetSession::ShowReceivedStatus(const std::string& wire) {
  ShowGameStatus(ShownText(wire));
}

void NetSession::SetRoomChecked(bool on) {
  roomChecked_ = on;
  game().view().SetMenuChecked(MenuItem::miCreateRoom, on);
}

void NetSession::SetClientChecked(bool on) {
  clientChecked_ = on;
  game().view().SetMenuChecked(MenuItem::miConnect, on);
}

// ---- Sending -----------------------------------------------------------------------------

void NetSession::SendToAll(const std::string& text) {
  server_.SendToAll(text);
}

void NetSession::SendToServer(const std::string& text) {
  client_.Send(text);
}

void NetSession::SendChatLine(const std::string& line) {
  switch (game().Mode()) {
    case GameMode::ServerFree:
    case GameMode::ServerPlaying:
      server_.SendToAll(line);
      ShowReceivedStatus(line);
      break;
    case GameMode::ClientFree:
    case GameMode::ClientPlaying:
      client_.Send(line);
      ShowReceivedStatus(line);
      break;
    default:
      break;
  }
}

void NetSession::CloseSockets() {
  server_.Deactivate();
  client_.Deactivate();
}

// ---- Server role -------------------------------------------------------------------------

void NetSession::miCreateRoomClick() {
  GameView& view = game().view();
  if (!roomChecked_) {
    SetRoomChecked(true);
    client_.Deactivate();
    std::string error;
    if (!server_.Activate(&error)) {
      // Nothing else of switching the room on happens; the check mark goes back.
      SetRoomChecked(false);
      windows_.ReportError(Format(text::kCannotOpenRoom, int{server_.Port()}, error.c_str()));
      return;
    }
    view.ShowStatus(kPanelConnection, text::kServerMode);
    game().SetGameModeOnly(GameMode::ServerFree);
    game().SetOwnCamp(Camp::Oak);
    view.SetMenuChecked(MenuItem::miRoomState, true);
    view.UnlockRequests();
    windows_.ShowRoomWindow();
  } else {
    SetRoomChecked(false);
    view.SetMenuChecked(MenuItem::miRoomState, false);
    server_.Deactivate();
    view.ShowStatus(kPanelConnection, text::kDisconnected);
    game().SetGameModeOnly(GameMode::LocalFree);
    windows_.LockRequests();
    windows_.HideRoomWindow();
  }
  game().ApplyGameMode();
}

void NetSession::ServerSocket1Accept(const std::string& address) {
  ShowGameStatus(Format(text::kConnectedTo, address.c_str()));
}

void NetSession::ServerSocket1ClientConnect(const std::string& address) {
  windows_.AddAddressLine(address);
}

void NetSession::ServerSocket1ClientDisconnect(const std::string& address) {
  windows_.RemoveAddressLine(address);
}

namespace {

// The request list as the room's dispatcher fills it: the window's list, and which
// connection sent each line.
class ListedRequests : public RequestList {
 public:
  ListedRequests(RequestList& shown, std::unordered_map<std::string, ConnectionId>& senders,
                 ConnectionId from)
      : shown_(shown), senders_(senders), from_(from) {}
  void AddUniqueLine(const std::string& line) override {
    senders_[line] = from_;
    shown_.AddUniqueLine(line);
  }

 private:
  RequestList& shown_;
  std::unordered_map<std::string, ConnectionId>& senders_;
  ConnectionId from_;
};

}  // namespace

void NetSession::ServerSocket1ClientRead(const std::string& address, ConnectionId from,
                                         const std::string& text) {
  ListedRequests requests(windows_, requestSenders_, from);
  const Handled h =
      HandleClientMessage(game(), requests, {address, player_ != 0 && from == player_}, text);
  if (h.error) {
    windows_.ReportError(*h.error);
    return;
  }
  const std::string line = "[" + address + "]" + h.reply + h.refusal;
  windows_.AppendReceived(line);
  ShowReceivedStatus(line);
  server_.ReplyToSender(address, h.reply);
}

void NetSession::LBxReqDblClick(const std::string& selected) {
  if (windows_.RequestsLocked() || selected.empty()) return;
  if (game().view().ShowMessageBox(ShownText(selected), text::kConfirm, BoxButtons::OkCancel) !=
      BoxAnswer::Ok)
    return;
  AcceptRequest(selected);
  windows_.HideRoomWindow();
}

void NetSession::AcceptRequest(const std::string& line) {
  // The terms are read (and checked) before anything changes.
  const std::string made = BuildMadeFromRoomLine(line);
  const Parsed<MadeFields> terms = ReadMade(made);
  if (!terms) {
    windows_.ReportError(
        Format(text::kBugInnerErrorWhy, std::string(ParseErrorText(terms.error)).c_str()));
    return;
  }
  GameView& view = game().view();
  const auto sender = requestSenders_.find(line);
  player_ = sender == requestSenders_.end() ? 0 : sender->second;
  windows_.HideRoomWindow();
  view.SetMenuChecked(MenuItem::miRoomState, false);
  server_.SendToAll(game().SetLastMessage(made));
  ShowGameStatus(text::kMadeNewGame);
  game().SetGameMode(GameMode::ServerPlaying);
  game().SetCanHandlePieces(true);
  game().SetOwnCamp(terms.value.campName == "Fir" ? Camp::Oak : Camp::Fir);
  game().miNewClick();
  game().SetRequestTerms(terms.value.unitTime, terms.value.exceed, terms.value.retract);
  ShowGameStatus(text::kMadeNewGameComplete);
  windows_.LockRequests();
}

// ---- Client role -------------------------------------------------------------------------

void NetSession::miConnectClick() {
  if (clientChecked_) {
    SetClientChecked(false);
    client_.Deactivate();
    game().SetGameModeOnly(GameMode::LocalFree);
    return;
  }
  SetClientChecked(true);
  game().SetGameModeOnly(GameMode::LocalFree);  // the connection events refresh the menus
  client_.Deactivate();
  const IniFile ini(iniPath_);
  serverAddress_ = windows_.AskServerAddress(ini.ReadKeys(kServerIpSection));
  std::error_code ignored;
  std::filesystem::create_directories(iniPath_.parent_path(), ignored);
  ini.WriteKey(kServerIpSection, serverAddress_, "");
  std::string error;
  if (!client_.Activate(serverAddress_, &error)) {
    if (game().view().ShowMessageBox(text::kTryAgain, text::kSocketErrorCaption,
                                     BoxButtons::OkCancel) == BoxAnswer::Ok) {
      SetClientChecked(false);
      ShowGameStatus(text::kSocketErrorPanel);
    } else {
      windows_.ReportError(error);
    }
    return;
  }
  game().SetOwnCamp(Camp::Fir);
  ShowGameStatus(Format(text::kWaitForSearching, serverAddress_.c_str()));
}

void NetSession::ClientSocket1Connect() {
  SetClientChecked(true);
  game().SetGameMode(GameMode::ClientFree);
  game().view().ShowStatus(kPanelConnection, text::kConnected);
  ShowGameStatus(Format(text::kConnectedTo, client_.HostName().c_str()));
}

void NetSession::ClientSocket1Disconnect() {
  SetClientChecked(false);
  game().SetGameMode(GameMode::LocalFree);
  game().view().ShowStatus(kPanelConnection, text::kDisconnected);
  ShowGameStatus(Format(text::kDisconnectedFrom, client_.HostName().c_str()));
}

void NetSession::ClientSocket1Error(int code) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, text::kAsyncSocketError, code);
  windows_.ReportError(buffer);
}

void NetSession::ClientSocket1Read(const std::string& text) {
  const Handled h = HandleServerMessage(game(), text);
  if (h.error) {
    windows_.ReportError(*h.error);
    return;
  }
  windows_.AppendReceived(h.reply);
  ShowReceivedStatus(h.reply);
}

void NetSession::miReqGameClick() {
  ShowGameStatus(text::kRequestGameWait);
  const RequestOptions o = windows_.AskRequestOptions();
  SendToServer(game().SetLastMessage(
      BuildRequ(o.camp, o.unitTime, o.exceed, o.retract, game().StationId())));
}

}  // namespace tamsok
