// The windows as the network side sees them: the room status window, the chat window's
// receive list, the two dialogs and the general error report, all owned by the main window.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "net/NetWindows.h"

namespace tamsok {

// Text on the wire is code page 949 bytes; the windows work in Unicode. A line a person
// typed goes out as WireText; bytes that arrived are shown as ShownQText (cut when long).
std::string WireText(const QString& typed);
QString ShownQText(std::string_view wire);

class AwayNotice;
class TBoardForm;

class NetBridge : public NetWindows {
 public:
  explicit NetBridge(TBoardForm& board) : board_(board) {}

  void AddUniqueLine(const std::string& line) override;
  void ShowRoomWindow() override;
  void HideRoomWindow() override;
  void AddAddressLine(const std::string& address) override;
  void RemoveAddressLine(const std::string& address) override;
  bool RequestsLocked() const override;
  void LockRequests() override;
  void AppendReceived(const std::string& line) override;
  std::string AskServerAddress(const std::vector<std::string>& known) override;
  RequestOptions AskRequestOptions() override;
  void ReportError(const std::string& text) override;
  void RemoveRequestLine(const std::string& line) override;
  void ShowAwayNotice(const std::string& text, bool claimable) override;
  void HideAwayNotice() override;
  bool AskReconnect(const std::string& text) override;

  // The room's notice of an absent player; made when first shown.
  AwayNotice* Notice() const { return notice_; }

 private:
  TBoardForm& board_;
  AwayNotice* notice_ = nullptr;
};

}  // namespace tamsok
