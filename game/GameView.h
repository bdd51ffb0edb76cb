// The two seams through which a Game reports what it shows and what it sends. The main
// window implements GameView, the network roles implement PeerLink; tests give recording
// fakes. The game never draws or sends anything itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Types.h"

namespace tamsok {

// Status bar panels, left to right.
enum StatusPanel : int {
  kPanelConnection = 0,
  kPanelMode = 1,
  kPanelFirClock = 2,
  kPanelOakClock = 3,
  kPanelGame = 4,
};

// The menu items whose enabled state or check mark the game layers set. The UI finds the
// action of each by its object name, MenuItemName().
enum class MenuItem : std::uint8_t {
  miCreateRoom,
  miConnect,
  miReqGame,
  miNew,
  miLocalAlone,
  miLoad,
  miSave,
  miSaveas,
  miUndoFirst,
  miUndo,
  miRedo,
  miRedoLast,
  miPass,
  miLossgame,
  miScoring,
  miRoomState,
  miR0,
  miR90,
  miR180,
  miR270,
};

inline constexpr int kMenuItemCount = 20;

std::string_view MenuItemName(MenuItem item);

// ReconnectClose: OK and Cancel, named "Reconnect" and "Close".
enum class BoxButtons : std::uint8_t { Ok, OkCancel, ReconnectClose };
enum class BoxAnswer : std::uint8_t { Ok, Cancel };

// What the game asks of the picture. Squares are in the current view frame.
class GameView {
 public:
  virtual ~GameView() = default;

  virtual void ShowStatus(int panel, const std::string& text) = 0;
  // A modal box; returns how it was closed. Events keep being dispatched while it is open.
  virtual BoxAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                                   BoxButtons buttons) = 0;
  virtual void SetMenuEnabled(MenuItem item, bool enabled) = 0;
  virtual void SetMenuChecked(MenuItem item, bool checked) = 0;
  // Marks the camp whose turn it is; called whenever the turn changes hands.
  virtual void ShowSideToMove(Camp side) = 0;

  // On the board: move the image onto the square, enable and show it. Off the board: move
  // it to (0, 0), hide it, enable it.
  virtual void PlacePieceImage(PieceId piece, Square pos) = 0;
  // On the board: move the image onto the square; nothing else. Off the board: nothing.
  virtual void RefreshPieceImage(PieceId piece, Square pos) = 0;
  // Move the image onto a square (a played, undone or redone move).
  virtual void MovePieceImage(PieceId piece, Square to) = 0;
  // A captured piece comes back from the tray: enable its image and put it on the square.
  virtual void RestorePieceImage(PieceId piece, Square to) = 0;
  // A refused drop: the image goes back onto its square.
  virtual void SnapBack(PieceId piece, Square home) = 0;
  // Move the captured piece's image into slot `slot` of its camp's tray and disable it.
  virtual void PutInTray(PieceId piece, int slot) = 0;
  // Show or hide the captured (disabled) images by the "Show Captured Piece" switch.
  virtual void ApplyTrayVisibility() = 0;
  // Bring the image to the front and glide it onto the square.
  virtual void MoveAnimation(PieceId piece, Square to) = 0;

  virtual void PlaceMoveMarker(Square at) = 0;
  virtual void ParkMoveMarker() = 0;
  // New game puts the marker at pixel (5, 5) of the window.
  virtual void ResetMoveMarker() = 0;

  // Plays the move sound when the "Sound Effect" switch is on; failures are ignored.
  virtual void PlayMoveSound() = 0;

  virtual bool IsHistoryVisible() const = 0;
  virtual void SetHistoryText(const std::vector<std::string>& lines) = 0;

  // Ends any drag under way (the dragged tag becomes 0).
  virtual void ClearDragState() = 0;
  // New game clears the flag that guards a release being processed.
  virtual void ClearDropBusy() = 0;
  // Clears the room's request lock, so a double click can accept the next request.
  virtual void UnlockRequests() = 0;
  // The current mode has just been applied (menus, clock, mode panel): a view with items of
  // its own may enable them by the mode, or end what the mode does not allow.
  virtual void GameModeApplied() {}
  // The grid was rebuilt: positions or influence may have changed anywhere on the board.
  virtual void BoardRebuilt() {}
};

// What the game sends. An empty text is never sent.
class PeerLink {
 public:
  virtual ~PeerLink() = default;
  // Server role: one send on every accepted connection.
  virtual void SendToAll(const std::string& text) = 0;
  // Client role: one send to the server (nothing when not connected).
  virtual void SendToServer(const std::string& text) = 0;
};

// A view that shows nothing and answers every box with OK; for benchmarks and fuzzing.
class NullGameView : public GameView {
 public:
  void ShowStatus(int, const std::string&) override {}
  BoxAnswer ShowMessageBox(const std::string&, const std::string&, BoxButtons) override {
    return BoxAnswer::Ok;
  }
  void SetMenuEnabled(MenuItem, bool) override {}
  void SetMenuChecked(MenuItem, bool) override {}
  void ShowSideToMove(Camp) override {}
  void PlacePieceImage(PieceId, Square) override {}
  void RefreshPieceImage(PieceId, Square) override {}
  void MovePieceImage(PieceId, Square) override {}
  void RestorePieceImage(PieceId, Square) override {}
  void SnapBack(PieceId, Square) override {}
  void PutInTray(PieceId, int) override {}
  void ApplyTrayVisibility() override {}
  void MoveAnimation(PieceId, Square) override {}
  void PlaceMoveMarker(Square) override {}
  void ParkMoveMarker() override {}
  void ResetMoveMarker() override {}
  void PlayMoveSound() override {}
  bool IsHistoryVisible() const override { return false; }
  void SetHistoryText(const std::vector<std::string>&) override {}
  void ClearDragState() override {}
  void ClearDropBusy() override {}
  void UnlockRequests() override {}
};

class NullPeerLink : public PeerLink {
 public:
  void SendToAll(const std::string&) override {}
  void SendToServer(const std::string&) override {}
};

}  // namespace tamsok
