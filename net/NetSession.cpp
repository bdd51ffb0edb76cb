#include "net/NetSession.h"

#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <system_error>

#include "game/Format.h"
#include "net/IniFile.h"
#include "net/NetTexts.h"
#include "net/TextCodec.h"
#include "rules/Catalogue.h"

namespace tamsok {

namespace text = nettext;

// A pause in the messages of a catch-up longer than this ends it: far longer than the
// kPaceGapMs between them, and shorter than a person takes to move.
constexpr qint64 kCatchUpQuietMs = 500;

NetSession::NetSession(NetWindows& windows, std::filesystem::path iniPath, quint16 port)
    : windows_(windows), iniPath_(std::move(iniPath)), server_(port), client_(port) {
  server_.onAccept = [this](const std::string& a) { ServerSocket1Accept(a); };
  server_.onConnect = [this](const std::string& a, ConnectionId id) {
    ServerSocket1ClientConnect(a, id);
  };
  server_.onDisconnect = [this](const std::string& a, ConnectionId id) {
    ServerSocket1ClientDisconnect(a, id);
  };
  server_.onRead = [this](const std::string& a, ConnectionId from, const std::string& t) {
    ServerSocket1ClientRead(a, from, t);
  };
  server_.onPaced = [this](ConnectionId id) { CaughtUp(id); };
  client_.onConnect = [this] { ClientSocket1Connect(); };
  client_.onDisconnect = [this] { ClientSocket1Disconnect(); };
  client_.onRead = [this](const std::string& t) { ClientSocket1Read(t); };
  client_.onError = [this](int code) { ClientSocket1Error(code); };
  client_.onHostName = [this] {
    if (game_ && client_.IsConnected())
      ShowGameStatus(Format(text::kConnectedTo, client_.HostName().c_str()));
  };
  awayTick_.setInterval(1000);
  QObject::connect(&awayTick_, &QTimer::timeout, &context_, [this] { UpdateAwayNotice(); });
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

void NetSession::ShowRoomLine(const std::string& address, const std::string& line) {
  const std::string shown = "[" + address + "]" + line;
  windows_.AppendReceived(shown);
  ShowReceivedStatus(shown);
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
  leaving_ = true;
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
    EndAway();
    player_ = returning_ = 0;
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

void NetSession::ServerSocket1ClientConnect(const std::string& address, ConnectionId id) {
  windows_.AddAddressLine(address);
  // A late joiner follows the game from where it stands. The player's identifier is left
  // out of its "Made": whoever comes in this way watches, even the player's own station,
  // which takes its seat back by sending its request again.
  if (game().Mode() == GameMode::ServerPlaying) SendCatchUp(id, MadeForSpectators(made_));
}

void NetSession::ServerSocket1ClientDisconnect(const std::string& address, ConnectionId id) {
  windows_.RemoveAddressLine(address);
  for (auto it = requestSenders_.begin(); it != requestSenders_.end();) {
    std::vector<ConnectionId>& senders = it->second;
    senders.erase(std::remove(senders.begin(), senders.end(), id), senders.end());
    if (senders.empty()) {
      windows_.RemoveRequestLine(it->first);
      it = requestSenders_.erase(it);
    } else {
      ++it;
    }
  }
  if (id == player_ && game().Mode() == GameMode::ServerPlaying) PlayerLeft();
}

namespace {

// The messages that say what the game is: a station given the whole game anew needs none of
// them that still wait for it.
bool SaysTheGame(const std::string& message) {
  const std::string_view head = HeadOf(message);
  return head == kHeadMade || head == kHeadMove || head == kHeadPass || head == kHeadWinn;
}

}  // namespace

void NetSession::SendCatchUp(ConnectionId to, const std::string& made) {
  // Paced, so that a station that takes each read for one message gets every one of them;
  // whatever is sent to it meanwhile waits behind. A station caught up again (its player
  // back) skips what was still waiting of the game: the new catch-up holds it all.
  server_.SendPaced(to, CatchUpMessages(game(), made), SaysTheGame);
}

void NetSession::CaughtUp(ConnectionId id) {
  if (id != returning_) return;
  returning_ = 0;
  // The returning player has its board back: its time counts again.
  if (id == player_ && !away_ && game().Mode() == GameMode::ServerPlaying)
    game().SetAwayCamp(std::nullopt);
}

Camp NetSession::PlayerCamp() const {
  return OtherCamp(game_->OwnCamp());
}

void NetSession::PlayerLeft() {
  player_ = 0;
  returning_ = 0;
  away_ = true;
  awaySince_.start();
  game().SetAwayCamp(PlayerCamp());
  awayTick_.start();
  UpdateAwayNotice();
}

int NetSession::AwaySecondsLeft() const {
  if (!away_) return 0;
  const qint64 left = graceSeconds_ - awaySince_.elapsed() / 1000;
  return left > 0 ? static_cast<int>(left) : 0;
}

void NetSession::UpdateAwayNotice() {
  if (!away_) return;
  if (game().Mode() != GameMode::ServerPlaying) return EndAway();  // the game ended meanwhile
  const char* camp = CampName(PlayerCamp()).data();
  const int left = AwaySecondsLeft();
  if (left > 0)
    windows_.ShowAwayNotice(Format(text::kPlayerAway, camp, left), false);
  else
    windows_.ShowAwayNotice(Format(text::kPlayerAwayOver, camp), true);
}

void NetSession::EndAway() {
  if (!away_) return;
  away_ = false;
  awayTick_.stop();
  if (game_) game().SetAwayCamp(std::nullopt);
  windows_.HideAwayNotice();
}

void NetSession::ClaimWin() {
  if (!away_ || AwaySecondsLeft() > 0 || game().Mode() != GameMode::ServerPlaying) return;
  EndAway();
  const Camp winner = game().OwnCamp();
  server_.SendToAll(game().SetLastMessage(BuildWinn(winner)));
  game().EndServerGame(winner, /*boxFirst=*/false);
}

void NetSession::Resume(ConnectionId from, const std::string& address) {
  const ConnectionId old = player_;
  player_ = from;
  playerAddress_ = address;
  // The same station on a new link: the old one is dead, whether or not that was noticed.
  if (old != 0 && old != from) server_.Abort(old);
  EndAway();
  ShowRoomLine(address, Format(text::kPlayerBack, CampName(PlayerCamp()).data()));
  // Its clock stands until it has been given the game again.
  game().SetAwayCamp(PlayerCamp());
  returning_ = from;
  SendCatchUp(from, made_);
}

namespace {

// The request list as the room's dispatcher fills it: the window's list, and which
// connections sent each line.
class ListedRequests : public RequestList {
 public:
  ListedRequests(RequestList& shown,
                 std::unordered_map<std::string, std::vector<ConnectionId>>& senders,
                 ConnectionId from)
      : shown_(shown), senders_(senders), from_(from) {}
  void AddUniqueLine(const std::string& line) override {
    std::vector<ConnectionId>& senders = senders_[line];
    senders.erase(std::remove(senders.begin(), senders.end(), from_), senders.end());
    senders.push_back(from_);
    shown_.AddUniqueLine(line);
  }

 private:
  RequestList& shown_;
  std::unordered_map<std::string, std::vector<ConnectionId>>& senders_;
  ConnectionId from_;
};

}  // namespace

void NetSession::ServerSocket1ClientRead(const std::string& address, ConnectionId from,
                                         const std::string& text) {
  // The player's station, back on another link, asks for its seat by its identifier. While
  // its old link still counts as live, only from the old link's address: nobody else takes a
  // seat that is still held.
  if (game().Mode() == GameMode::ServerPlaying && from != player_ && HeadOf(text) == kHeadRequ &&
      (away_ || address == playerAddress_)) {
    const Parsed<RequFields> r = ReadRequ(text);
    if (r && r.value.stationId == playerStation_) return Resume(from, address);
  }
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
  for (const std::string& t : h.relay)
    server_.SendToOthers(address, t);
}

void NetSession::LBxReqDblClick(const std::string& selected) {
  if (windows_.RequestsLocked() || selected.empty()) return;
  // A copy: while the box is open the line may leave the list, its sender gone.
  const std::string line = selected;
  if (game().view().ShowMessageBox(ShownText(line), text::kConfirm, BoxButtons::OkCancel) !=
      BoxAnswer::Ok)
    return;
  AcceptRequest(line);
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
  player_ = sender == requestSenders_.end() || sender->second.empty() ? 0 : sender->second.back();
  returning_ = 0;
  EndAway();
  made_ = made;
  playerStation_ = terms.value.stationId;
  // The line's address field: right-aligned in the 15 characters after the "[".
  const std::string field = line.substr(1, 15);
  playerAddress_ = field.substr(std::min(field.find_first_not_of(' '), field.size()));
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
  // The requester went away before the game was made: the room waits for it as for any
  // player whose link was lost.
  if (player_ == 0) PlayerLeft();
}

// ---- Client role -------------------------------------------------------------------------

void NetSession::miConnectClick() {
  reconnecting_ = resuming_ = false;
  if (clientChecked_) {
    SetClientChecked(false);
    RememberGame();
    leaving_ = true;  // until the next connection: the disconnect event may come later
    client_.Deactivate();
    game().SetGameModeOnly(GameMode::LocalFree);
    return;
  }
  leaving_ = false;
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
  lastError_ = 0;
  SetClientChecked(true);
  game().SetGameMode(GameMode::ClientFree);
  game().view().ShowStatus(kPanelConnection, text::kConnected);
  ShowGameStatus(Format(text::kConnectedTo, client_.HostName().c_str()));
}

void NetSession::ClientSocket1Disconnect() {
  // A game this station did not choose to leave stays on the board.
  const bool lost = !leaving_ && game().Mode() == GameMode::ClientPlaying;
  resuming_ = false;
  SetClientChecked(false);
  if (lost) {
    RememberGame();
    game().Interrupt(GameMode::LocalFree);
  } else {
    game().SetGameMode(GameMode::LocalFree);
  }
  game().view().ShowStatus(kPanelConnection, text::kDisconnected);
  ShowGameStatus(Format(text::kDisconnectedFrom, client_.HostName().c_str()));
  if (lost) {
    // Only timeouts say that the room went silent; any other end is a close.
    const bool silent = lastError_ == SocketErrorNumber(QAbstractSocket::SocketTimeoutError) ||
                        lastError_ == SocketErrorNumber(QAbstractSocket::NetworkError);
    RoomLost(silent ? text::kRoomSilent : text::kRoomClosed);
  }
}

void NetSession::RememberGame() {
  if (game().Mode() != GameMode::ClientPlaying) return;
  lostMade_ = madeReceived_;
  lostAsPlayer_ = game().CanHandlePieces();
}

void NetSession::RoomLost(const char* how) {
  // Not from inside the socket's own event: the box runs an event loop, and reconnecting
  // starts the socket again.
  const std::string message = Format(how, serverAddress_.c_str());
  QTimer::singleShot(0, &context_, [this, message] {
    if (windows_.AskReconnect(message)) Reconnect();
  });
}

void NetSession::Reconnect() {
  if (client_.IsActive()) return;
  leaving_ = false;
  SetClientChecked(true);
  game().SetGameModeOnly(GameMode::LocalFree);
  lastError_ = 0;
  std::string error;
  if (!client_.Activate(serverAddress_, &error)) {
    SetClientChecked(false);
    windows_.ReportError(error);
    return;
  }
  reconnecting_ = true;
  ShowGameStatus(Format(text::kWaitForSearching, serverAddress_.c_str()));
}

void NetSession::ClientSocket1Error(int code) {
  lastError_ = code;
  // A lost game, or a way back to one, is told by its own box.
  if (game().Mode() == GameMode::ClientPlaying) return;
  if (reconnecting_ && !client_.IsConnected()) {
    reconnecting_ = false;
    SetClientChecked(false);
    RoomLost(text::kRoomUnreachable);
    return;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, text::kAsyncSocketError, code);
  windows_.ReportError(buffer);
}

namespace {

// Whether a "Made" that left the player out belongs to the game of `lost`, a "Made" that
// named it: the same terms, and no identifier.
bool CatchUpOf(const std::string& made, const std::string& lost) {
  return made.size() == lost.size() && made == MadeForSpectators(lost) && made != lost;
}

}  // namespace

void NetSession::ClientSocket1Read(const std::string& text) {
  // Moves waiting behind this one are put on their squares at once: the board catches up.
  // So are those of a catch-up, which come one at a time, close behind each other, until
  // the first pause.
  if (catchingUp_ && quietSince_.elapsed() > kCatchUpQuietMs) catchingUp_ = false;
  game().SetQuickMoves(catchingUp_ || client_.MessagesWaiting() > 0);
  const Handled h = HandleServerMessage(game(), text, resuming_);
  game().SetQuickMoves(false);
  quietSince_.start();  // the time a glide took is no pause of the room's
  if (h.error) {
    windows_.ReportError(*h.error);
    return;
  }
  std::string shown = h.reply;
  if (HeadOf(text) == kHeadMade && game().Mode() == GameMode::ClientPlaying &&
      h.reply != text::kBugInnerError) {
    madeReceived_ = text;
    // The game so far follows the "Made" of a game under way (which names no player) and
    // that of a game this station takes its seat back in.
    catchingUp_ = h.reply == text::kGameResumed || text == MadeForSpectators(text);
    if (h.reply == text::kGameResumed) resuming_ = false;
    // Back in a room that still plays the game this station played: it asks for its seat.
    if (lostAsPlayer_ && CatchUpOf(text, lostMade_)) {
      lostAsPlayer_ = false;
      resuming_ = true;
      SendToServer(lastRequest_);
    }
    reconnecting_ = false;
  } else if (!lastRequest_.empty() && text == lastRequest_) {
    shown = text::kRoomBusy;  // the request came back unchanged
    resuming_ = false;
  }
  windows_.AppendReceived(shown);
  ShowReceivedStatus(shown);
}

void NetSession::miReqGameClick() {
  ShowGameStatus(text::kRequestGameWait);
  const RequestOptions o = windows_.AskRequestOptions();
  lastRequest_ = BuildRequ(o.camp, o.unitTime, o.exceed, o.retract, game().StationId());
  SendToServer(game().SetLastMessage(lastRequest_));
}

}  // namespace tamsok
