// A recording fake of the view and of the peer link: keeps the latest state of everything
// the game shows, plus an ordered log of the calls that matter for ordering questions.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"

namespace tamsok::testing {

struct FakeImage {
  Square square = kOffBoard;  // where the image stands when on the board
  int traySlot = -1;          // its tray slot when captured
  bool enabled = true;
  bool visible = true;
};

class FakeView : public GameView {
 public:
  std::array<std::string, 5> panel;
  std::map<MenuItem, bool> enabled;
  std::map<MenuItem, bool> checked;
  std::optional<Camp> sideShown;
  std::array<FakeImage, kPieceCount> image;
  // Marker: on a square, parked, or at the new-game pixel (5, 5).
  enum class Marker { Start, OnSquare, Parked, NewGame } marker = Marker::Start;
  Square markerSquare = kOffBoard;
  std::vector<std::string> boxes;  // "caption|text" of every box shown
  std::deque<BoxAnswer> answers;   // answers to give, OK when empty
  std::vector<std::string> log;    // ordered: boxes, sends, mode changes, snap-backs
  std::vector<std::string> history;
  bool historyVisible = false;
  int sounds = 0, glides = 0, dragClears = 0, unlocks = 0, snapBacks = 0;
  bool trayShown = true;

  void ShowStatus(int p, const std::string& text) override {
    panel.at(static_cast<std::size_t>(p)) = text;
    if (p == kPanelMode) log.push_back("mode:" + text);
  }
  BoxAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                           BoxButtons) override {
    boxes.push_back(caption + "|" + text);
    log.push_back("box:" + caption + "|" + text);
    if (onBox) onBox();
    if (answers.empty()) return BoxAnswer::Ok;
    BoxAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  void SetMenuEnabled(MenuItem item, bool e) override { enabled[item] = e; }
  void SetMenuChecked(MenuItem item, bool c) override { checked[item] = c; }
  void ShowSideToMove(Camp side) override { sideShown = side; }
  void PlacePieceImage(PieceId p, Square pos) override {
    FakeImage& im = image[p];
    im.enabled = true;
    im.traySlot = -1;
    im.visible = OnBoard(pos);
    im.square = OnBoard(pos) ? pos : kOffBoard;
  }
  void RefreshPieceImage(PieceId p, Square pos) override {
    if (OnBoard(pos)) image[p].square = pos;
  }
  void MovePieceImage(PieceId p, Square to) override { image[p].square = to; }
  void RestorePieceImage(PieceId p, Square to) override { image[p] = {to, -1, true, true}; }
  void SnapBack(PieceId p, Square home) override {
    image[p].square = home;
    ++snapBacks;
    log.push_back("snapback");
  }
  void PutInTray(PieceId p, int slot) override {
    image[p].traySlot = slot;
    image[p].square = kOffBoard;
    image[p].enabled = false;
  }
  void ApplyTrayVisibility() override {
    for (FakeImage& im : image)
      if (!im.enabled) im.visible = trayShown;
  }
  void MoveAnimation(PieceId p, Square to) override {
    image[p].square = to;
    ++glides;
  }
  void PlaceMoveMarker(Square at) override {
    marker = Marker::OnSquare;
    markerSquare = at;
  }
  void ParkMoveMarker() override {
    marker = Marker::Parked;
    markerSquare = kOffBoard;
  }
  void ResetMoveMarker() override {
    marker = Marker::NewGame;
    markerSquare = kOffBoard;
  }
  void PlayMoveSound() override { ++sounds; }
  bool IsHistoryVisible() const override { return historyVisible; }
  void SetHistoryText(const std::vector<std::string>& lines) override { history = lines; }
  void ClearDragState() override { ++dragClears; }
  void ClearDropBusy() override {}
  void UnlockRequests() override {
    ++unlocks;
    log.push_back("unlock");
    if (onUnlock) onUnlock();
  }
  void GameModeApplied() override {
    if (onModeApplied) onModeApplied();
  }

  // Runs inside a message box, as events dispatched by its modal loop would.
  std::function<void()> onBox;
  std::function<void()> onUnlock;
  std::function<void()> onModeApplied;
};

class FakePeer : public PeerLink {
 public:
  std::vector<std::string> toAll, toServer;
  std::vector<std::string>* log = nullptr;
  void SendToAll(const std::string& text) override {
    toAll.push_back(text);
    if (log) log->push_back("all:" + text);
  }
  void SendToServer(const std::string& text) override {
    toServer.push_back(text);
    if (log) log->push_back("server:" + text);
  }
};

// A game wired to fakes, with a fixed station identifier seed.
struct GameFixture {
  FakeView view;
  FakePeer peer;
  Game game{view, peer, 12345u};

  GameFixture() {
    peer.log = &view.log;
    game.FormCreate();
  }
};

}  // namespace tamsok::testing
