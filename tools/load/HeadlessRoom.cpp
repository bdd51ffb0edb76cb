#include "tools/load/HeadlessRoom.h"

#include <algorithm>

namespace tamsok {

class HeadlessRoom::QuietView : public NullGameView {
 public:
  explicit QuietView(HeadlessRoom& room) : room_(room) {}
  BoxAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                           BoxButtons) override {
    if (room_.options_.onBox) room_.options_.onBox(caption + "|" + text);
    return BoxAnswer::Ok;
  }
  void UnlockRequests() override;

 private:
  HeadlessRoom& room_;
};

// The room status window and the chat window's receive list, in memory.
class HeadlessRoom::RoomWindows : public NetWindows {
 public:
  explicit RoomWindows(HeadlessRoom& room) : room_(room) {}

  void AddUniqueLine(const std::string& line) override {
    // A line listed already is accepted again: the same station asks for another game.
    if (std::find(requests_.begin(), requests_.end(), line) == requests_.end())
      requests_.push_back(line);
    if (!locked_) room_.AcceptLater(line);
  }
  void RemoveRequestLine(const std::string& line) override {
    const auto it = std::find(requests_.begin(), requests_.end(), line);
    if (it != requests_.end()) requests_.erase(it);
  }
  void ShowAwayNotice(const std::string& text, bool claimable) override {
    if (room_.options_.onAway) room_.options_.onAway(text, claimable);
    if (claimable && room_.options_.autoClaim)
      QTimer::singleShot(0, &room_.context_, [this] { room_.session_.ClaimWin(); });
  }
  void ShowRoomWindow() override {}
  void HideRoomWindow() override {}
  void AddAddressLine(const std::string& a) override {
    if (std::find(addresses_.begin(), addresses_.end(), a) == addresses_.end())
      addresses_.push_back(a);
  }
  void RemoveAddressLine(const std::string& a) override {
    const auto it = std::find(addresses_.begin(), addresses_.end(), a);
    if (it != addresses_.end()) addresses_.erase(it);
  }
  bool RequestsLocked() const override { return locked_; }
  void LockRequests() override { locked_ = true; }
  void Unlock() { locked_ = false; }
  void AppendReceived(const std::string& line) override {
    if (room_.options_.onReceived) room_.options_.onReceived(line);
    room_.ReportPosition();
    room_.PlayLater();  // after the reply to this text has gone out
  }
  std::string AskServerAddress(const std::vector<std::string>&) override { return {}; }
  RequestOptions AskRequestOptions() override { return {}; }
  void ReportError(const std::string& text) override {
    room_.lastError_ = text;
    if (room_.options_.onError) room_.options_.onError(text);
  }

 private:
  HeadlessRoom& room_;
  std::vector<std::string> requests_, addresses_;
  bool locked_ = true;  // until server mode is switched on
};

void HeadlessRoom::QuietView::UnlockRequests() {
  room_.windows_->Unlock();
}

// The game's link to the peers: the session itself, with the sends to every connection
// timed.
class HeadlessRoom::TimedLink : public PeerLink {
 public:
  explicit TimedLink(HeadlessRoom& room) : room_(room) {}
  void SendToAll(const std::string& text) override {
    const std::int64_t start = MonotonicNs();
    room_.session_.SendToAll(text);
    if (room_.options_.onSendToAll) room_.options_.onSendToAll(text, start, MonotonicNs());
  }
  void SendToServer(const std::string& text) override { room_.session_.SendToServer(text); }

 private:
  HeadlessRoom& room_;
};

HeadlessRoom::HeadlessRoom(HeadlessRoomOptions options)
    : options_(std::move(options)),
      view_(std::make_unique<QuietView>(*this)),
      windows_(std::make_unique<RoomWindows>(*this)),
      link_(std::make_unique<TimedLink>(*this)),
      // The room never switches client mode on, so the settings file is never written.
      session_(*windows_, NetSession::DefaultIniPath(), options_.port),
      game_(*view_, *link_) {
  session_.Attach(game_);
  session_.SetGraceSeconds(options_.graceSeconds);
  if (options_.randomSeed) random_.emplace(*options_.randomSeed);
  game_.FormCreate();
  // The move clock, as the main window runs it.
  QObject::connect(&clock_, &QTimer::timeout, &context_, [this] { game_.Timer1Timer(); });
  clock_.start(1000);
}

HeadlessRoom::~HeadlessRoom() {
  session_.CloseSockets();
}

bool HeadlessRoom::Open(std::string* error) {
  if (session_.server().IsActive()) return true;
  lastError_.clear();
  session_.miCreateRoomClick();
  if (session_.server().IsActive()) return true;
  if (error) *error = lastError_;
  return false;
}

void HeadlessRoom::AcceptLater(const std::string& line) {
  // Not from inside the dispatcher that listed it: its "Requested" reply goes out first.
  QTimer::singleShot(0, &context_, [this, line] {
    if (windows_->RequestsLocked() || game_.Mode() != GameMode::ServerFree) return;
    session_.LBxReqDblClick(line);
    if (game_.Mode() == GameMode::ServerPlaying) {
      ++gamesAccepted_;
      player_.Reset();
      ReportPosition();
      PlayLater();  // the room may have the first move
    }
  });
}

void HeadlessRoom::PlayLater() {
  if (!options_.autoPlay) return;
  QTimer::singleShot(0, &context_, [this] {
    if (game_.Mode() != GameMode::ServerPlaying || game_.SideToMove() != game_.OwnCamp()) return;
    const auto move = random_ ? random_->Next(game_.board(), game_.OwnCamp())
                              : player_.Next(game_.board(), game_.OwnCamp());
    if (move)
      game_.PlayDroppedPiece(move->piece, move->to.x, move->to.y);
    else
      game_.miPassClick();
    ReportPosition();
  });
}

void HeadlessRoom::ReportPosition() {
  if (!options_.onPosition || game_.GameNumber() == 0) return;
  if (game_.GameNumber() == reportedGame_ && game_.RecordCount() == reportedRecords_) return;
  reportedGame_ = game_.GameNumber();
  reportedRecords_ = game_.RecordCount();
  options_.onPosition(reportedGame_, reportedRecords_, PositionKey(game_));
}

}  // namespace tamsok
