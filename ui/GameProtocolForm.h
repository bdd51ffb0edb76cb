// The room-status window: the game requests waiting in server mode and the addresses of the
// connected clients.
#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;

namespace tamsok {

class TProtocolForm : public QWidget {
 public:
  explicit TProtocolForm(QWidget* owner);

  // Appends the text unless an equal line (exact, case-sensitive) is already listed.
  static void AddUniqueLine(QListWidget& list, const QString& text);
  // Deletes the first line equal to the text, if any.
  static void RemoveFirstLine(QListWidget& list, const QString& text);
  // Appends a request line to LBxReq unless a line of the same bytes is listed: the line
  // shows `shown` and keeps `wire`, the bytes it came as, for AcceptLine.
  void AddRequestLine(const std::string& wire, const QString& shown);
  // Deletes the request line listed with these bytes, if any.
  void RemoveRequestLine(const std::string& wire);

  void LockRequests() { RequestsLocked = true; }
  void UnlockRequests() { RequestsLocked = false; }

  // A double click on LBxReq: nothing while the requests are locked or no line is selected;
  // otherwise the selected line goes to AcceptLine, as the bytes it was listed with.
  void LBxReqDblClick();

  // What accepting a request line does; set by the server role. Until it is set a double
  // click does nothing.
  std::function<void(const std::string& wire)> AcceptLine;

  bool RequestsLocked = false;
  QLabel* Label1;
  QLabel* Label3;
  QListWidget* LBxReq;
  QLabel* Label2;
  QListWidget* LBxIP;
};

}  // namespace tamsok
