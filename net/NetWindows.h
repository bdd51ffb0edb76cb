// What the network side needs of the windows: the room status window, the chat window's
// receive list, the two dialogs and the application's general error report. The main
// window implements it; tests give a fake.
//
// The request lines and the received lines are the bytes of the wire; the windows show
// them as text (ShownText) and keep the request lines' bytes for accepting one.
#pragma once

#include <string>
#include <vector>

#include "net/Dispatch.h"

namespace tamsok {

// The options of a game request, as the request dialog holds them when it closes.
struct RequestOptions {
  int camp = 0;  // 0 Fir, 1 Oak
  int unitTime = 30;
  int exceed = 5;
  int retract = 0;
};

class NetWindows : public RequestList {
 public:
  // Room status window (the request list LBxReq comes from RequestList).
  virtual void ShowRoomWindow() = 0;  // centred over the main window
  virtual void HideRoomWindow() = 0;
  virtual void AddAddressLine(const std::string& address) = 0;     // AddUniqueLine(LBxIP)
  virtual void RemoveAddressLine(const std::string& address) = 0;  // RemoveFirstLine(LBxIP)
  virtual bool RequestsLocked() const = 0;
  virtual void LockRequests() = 0;  // unlocking is GameView::UnlockRequests

  // The chat window's receive list, MemoR.
  virtual void AppendReceived(const std::string& line) = 0;

  // The server address dialog: its list replaced by `known`, shown modally; returns the
  // combo box's text however the dialog was closed.
  virtual std::string AskServerAddress(const std::vector<std::string>& known) = 0;
  // The request dialog, shown modally; returns its values however it was closed.
  virtual RequestOptions AskRequestOptions() = 0;

  // The application's general error report; the program keeps running.
  virtual void ReportError(const std::string& text) = 0;

  // Takes a request line out of LBxReq: its sender has gone.
  virtual void RemoveRequestLine(const std::string& line) { (void)line; }
  // The room's notice that the player of its game is away: `text` says so with the time
  // left; once `claimable`, the room's user may claim the win (NetSession::ClaimWin).
  virtual void ShowAwayNotice(const std::string& text, bool claimable) {
    (void)text;
    (void)claimable;
  }
  virtual void HideAwayNotice() {}
  // The client lost the room during a game: one box that says so, with the address. True
  // when the user chose to reconnect.
  virtual bool AskReconnect(const std::string& text) {
    (void)text;
    return false;
  }
};

}  // namespace tamsok
