// Pieces shared by the network tests that run real sockets on the loopback: bounded waits,
// a recording fake of the windows the network side needs, and a whole station (view,
// windows, session, game) as one copy of the program would hold them.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/NetSession.h"
#include "rules/Frames.h"
#include "tests/game/FakeView.h"

namespace tamsok::testing {

// Processes events until `done` holds or `timeoutMs` pass; false on timeout.
template <typename Pred>
bool WaitUntil(Pred done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Runs a nested event loop, as a modal box does, until `done` holds or `timeoutMs` pass;
// false on timeout. Events posted inside it (deferred deletes included) are handled at the
// nested level, exactly as under a real box.
template <typename Pred>
bool RunModalLoopUntil(Pred done, int timeoutMs = 5000) {
  QEventLoop loop;
  QElapsedTimer timer;
  timer.start();
  bool ok = true;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) {
      loop.quit();
    } else if (timer.elapsed() > timeoutMs) {
      ok = false;
      loop.quit();
    }
  });
  poll.start(1);
  loop.exec();
  return ok;
}

// The recording view, plus a hook that runs inside a glide as events handled while the
// piece moves would.
class GlideView : public FakeView {
 public:
  std::function<void()> onGlide;
  void MoveAnimation(PieceId p, Square to) override {
    if (onGlide) onGlide();
    FakeView::MoveAnimation(p, to);
  }
};

// Positions, records and the side to move of two games, compared in the canonical frame.
inline void ExpectSameGame(const Game& a, const Game& b) {
  ASSERT_EQ(a.RecordCount(), b.RecordCount());
  EXPECT_EQ(a.SideToMove(), b.SideToMove());
  const auto canonical = [](const Game& g, Square s) {
    return OnBoard(s) ? ToCanonical(g.ViewSide(), s) : s;
  };
  for (PieceId p = 0; p < kPieceCount; ++p) {
    EXPECT_EQ(a.board().InPlay[p], b.board().InPlay[p]) << "piece " << p;
    EXPECT_EQ(canonical(a, a.board().PiecePos[p]), canonical(b, b.board().PiecePos[p]))
        << "piece " << p;
  }
  for (int i = 1; i <= a.RecordCount(); ++i) {
    const MoveRecord &ra = a.Record(i), &rb = b.Record(i);
    EXPECT_EQ(ra.IsPass, rb.IsPass) << "record " << i;
    if (ra.IsPass) continue;
    EXPECT_EQ(ra.Piece, rb.Piece) << "record " << i;
    EXPECT_EQ(ra.Captured, rb.Captured) << "record " << i;
    EXPECT_EQ(canonical(a, {ra.FromX, ra.FromY}), canonical(b, {rb.FromX, rb.FromY}));
    EXPECT_EQ(canonical(a, {ra.ToX, ra.ToY}), canonical(b, {rb.ToX, rb.ToY}));
  }
}

struct FakeNetWindows : NetWindows {
  std::vector<std::string> requestLines, addressLines, received, errors, lostBoxes;
  std::vector<std::vector<std::string>> knownLists;
  bool roomVisible = false, locked = false;
  std::string awayNotice;  // empty while hidden
  bool claimable = false, reconnect = false;
  std::string nextAddress = "127.0.0.1";
  RequestOptions nextOptions;

  void AddUniqueLine(const std::string& line) override {
    if (std::find(requestLines.begin(), requestLines.end(), line) == requestLines.end())
      requestLines.push_back(line);
  }
  void ShowRoomWindow() override { roomVisible = true; }
  void HideRoomWindow() override { roomVisible = false; }
  void AddAddressLine(const std::string& a) override {
    if (std::find(addressLines.begin(), addressLines.end(), a) == addressLines.end())
      addressLines.push_back(a);
  }
  void RemoveAddressLine(const std::string& a) override {
    auto it = std::find(addressLines.begin(), addressLines.end(), a);
    if (it != addressLines.end()) addressLines.erase(it);
  }
  bool RequestsLocked() const override { return locked; }
  void LockRequests() override { locked = true; }
  void AppendReceived(const std::string& line) override { received.push_back(line); }
  std::string AskServerAddress(const std::vector<std::string>& known) override {
    knownLists.push_back(known);
    return nextAddress;
  }
  RequestOptions AskRequestOptions() override { return nextOptions; }
  void ReportError(const std::string& text) override { errors.push_back(text); }
  void RemoveRequestLine(const std::string& line) override {
    auto it = std::find(requestLines.begin(), requestLines.end(), line);
    if (it != requestLines.end()) requestLines.erase(it);
  }
  void ShowAwayNotice(const std::string& text, bool canClaim) override {
    awayNotice = text;
    claimable = canClaim;
  }
  void HideAwayNotice() override { awayNotice.clear(); }
  bool AskReconnect(const std::string& text) override {
    lostBoxes.push_back(text);
    return reconnect;
  }

  bool Received(const std::string& line) const {
    return std::find(received.begin(), received.end(), line) != received.end();
  }
};

struct Station {
  GlideView view;
  FakeNetWindows windows;
  NetSession session;
  Game game;

  Station(const std::filesystem::path& ini, quint16 port, unsigned seed)
      : session(windows, ini, port), game(view, session, seed) {
    session.Attach(game);
    view.onUnlock = [this] { windows.locked = false; };
    game.FormCreate();
  }
};

// A room with a requester and a spectator connected, each with its own settings file.
class LoopbackRoom : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::unique_ptr<Station> room, requester, spectator;

  std::filesystem::path Ini(const char* name) {
    return std::filesystem::path(dir.path().toStdString()) / name / "tamsok.ini";
  }

  void SetUp() override {
    room = std::make_unique<Station>(Ini("room"), 0, 1);
    room->session.miCreateRoomClick();
    ASSERT_TRUE(room->session.server().IsActive());
    const quint16 port = room->session.server().Port();
    requester = std::make_unique<Station>(Ini("requester"), port, 2);
    spectator = std::make_unique<Station>(Ini("spectator"), port, 3);
    for (Station* s : {requester.get(), spectator.get()}) {
      s->session.miConnectClick();
      ASSERT_TRUE(WaitUntil([s] { return s->game.Mode() == GameMode::ClientFree; }));
    }
    ASSERT_TRUE(WaitUntil([this] { return room->session.server().ConnectionCount() == 2; }));
  }

  // The requester asks for a game with `options`, the room accepts it.
  void StartGame(RequestOptions options) {
    requester->windows.nextOptions = options;
    requester->session.miReqGameClick();
    ASSERT_TRUE(WaitUntil([this] { return requester->windows.Received("Requested"); }));
    ASSERT_FALSE(room->windows.requestLines.empty());
    room->session.LBxReqDblClick(room->windows.requestLines.back());
    ASSERT_TRUE(WaitUntil([this] {
      return requester->game.Mode() == GameMode::ClientPlaying &&
             spectator->game.Mode() == GameMode::ClientPlaying;
    }));
  }

  bool AllHaveRecords(int n) {
    return WaitUntil([&] {
      return room->game.RecordCount() == n && requester->game.RecordCount() == n &&
             spectator->game.RecordCount() == n;
    });
  }
};

}  // namespace tamsok::testing
