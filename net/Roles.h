// The two socket roles on Qt Network: the room (server) listens and holds the accepted
// connections, the client holds one connection to a room. Both split what they read into
// messages, convert text between the wire's code page 949 and UTF-8 at the socket edge, and
// hand the messages on one at a time, in order: a message that arrives while an earlier one
// is still being handled (say, inside a modal box) waits for it to finish.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/Framing.h"

namespace tamsok {

inline constexpr quint16 kGamePort = 1024;

// How many bytes a connection may leave unread before it is closed. An honest peer reads
// everything at once; the game's own messages are tens of bytes.
inline constexpr std::size_t kMaxUnsentBytes = std::size_t{4} << 20;

// Delivers queued messages one at a time, never re-entrantly. A handler may run a nested
// event loop (a modal box); messages that arrive meanwhile wait for it to finish, and the
// outermost delivery takes them in turn.
class MessageQueue {
 public:
  struct Item {
    std::string address;
    std::string text;  // UTF-8
  };
  using Handler = std::function<void(const Item&)>;

  void SetHandler(Handler h) { handler_ = std::move(h); }
  // Runs each time the outermost delivery has ended, when no handler is on the stack.
  void SetIdleHandler(std::function<void()> h) { idle_ = std::move(h); }
  void Enqueue(Item item) { items_.push_back(std::move(item)); }
  // Delivers everything queued, unless a delivery further up the stack will.
  void Deliver();
  void Push(Item item) {
    Enqueue(std::move(item));
    Deliver();
  }
  void Clear() { items_.clear(); }
  std::size_t size() const { return items_.size(); }
  bool Delivering() const { return delivering_; }

 private:
  std::deque<Item> items_;
  Handler handler_;
  std::function<void()> idle_;
  bool delivering_ = false;
};

// One accepted connection of the room, or the client's connection: the socket with its
// splitter and the timer that bounds how long an incomplete message is held.
class Connection : public QObject {
  Q_OBJECT
 public:
  // `holdTimeoutMs` bounds how long an incomplete message is held before it is handed on.
  Connection(QTcpSocket* socket, Direction direction, MessageQueue& queue, int holdTimeoutMs,
             QObject* parent);

  QTcpSocket* socket() const { return socket_; }
  const std::string& address() const { return address_; }
  // Sends UTF-8 text as code page 949 bytes; nothing for an empty text.
  void Send(const std::string& text);
  // Sends bytes already in code page 949.
  void SendBytes(std::string_view bytes);
  // Hands on whatever is held (at disconnect and when the hold timer runs out).
  void FlushHeld();
  // Hands on nothing more: a closed connection waiting for its deletion.
  void Stop();

 private:
  void OnReadyRead();
  bool HoldsBytes() const { return splitter_.HasPending() || !danglingLead_.empty(); }

  QTcpSocket* socket_;
  std::string address_;
  MessageSplitter splitter_;
  // The lead byte of a double-byte character whose second byte is still on its way; it
  // goes in front of the next read, so a character cut by a read boundary stays whole.
  std::string danglingLead_;
  MessageQueue& queue_;
  QTimer holdTimer_;
  int holdTimeoutMs_;
  bool closing_ = false;  // closed for leaving too much unread; sends are dropped
};

// Takes the connections that have closed. While a message is being handled, a handler may
// sit in a nested event loop with the socket that delivered it still emitting its signal
// further up the stack: nothing of a closed connection is deleted then, only once the
// delivery has ended.
class Retirement {
 public:
  void Retire(Connection* c, const MessageQueue& queue);
  // Schedules the deletion of everything retired (the queue is idle).
  void Release();

 private:
  std::vector<QPointer<Connection>> retired_;
};

// The dotted IPv4 text of a peer address (IPv4-mapped IPv6 addresses included).
std::string DottedAddress(const QHostAddress& address);

class ServerRole : public QObject {
  Q_OBJECT
 public:
  explicit ServerRole(quint16 port = kGamePort, QObject* parent = nullptr);
  ~ServerRole() override;

  // Listens on the port; on failure returns false with the reason in `error`.
  bool Activate(std::string* error);
  // Stops listening and drops every connection.
  void Deactivate();
  bool IsActive() const { return server_.isListening(); }
  quint16 Port() const { return server_.isListening() ? server_.serverPort() : port_; }
  std::size_t ConnectionCount() const { return connections_.size(); }

  // One send on every accepted connection, in order.
  void SendToAll(const std::string& text);
  // The reply on every connected connection whose remote address equals `address`.
  void ReplyToSender(const std::string& address, const std::string& reply);

  // How long an incomplete message is held on a connection accepted from now on.
  void SetHoldTimeoutMs(int ms) { holdTimeoutMs_ = ms; }

  std::function<void(const std::string& address)> onAccept;      // ServerSocket1Accept
  std::function<void(const std::string& address)> onConnect;     // ServerSocket1ClientConnect
  std::function<void(const std::string& address)> onDisconnect;  // ServerSocket1ClientDisconnect
  std::function<void(const std::string& address, const std::string& text)> onRead;

 private:
  void OnNewConnection();
  void Drop(Connection* c);

  quint16 port_;
  int holdTimeoutMs_ = kHoldTimeoutMs;
  QTcpServer server_;
  std::vector<QPointer<Connection>> connections_;
  MessageQueue queue_;
  Retirement retirement_;
};

class ClientRole : public QObject {
  Q_OBJECT
 public:
  explicit ClientRole(quint16 port = kGamePort, QObject* parent = nullptr);
  ~ClientRole() override;

  // Starts connecting to a dotted IPv4 address in the background. A missing or malformed
  // address fails at once with the reason in `error`.
  bool Activate(const std::string& address, std::string* error);
  // Closes the connection; the disconnect event follows when it was connected.
  void Deactivate();
  bool IsActive() const;
  bool IsConnected() const;
  void Send(const std::string& text);
  // The server's host name, found by a reverse look-up after connecting (empty until then
  // or when none is found).
  const std::string& HostName() const { return hostName_; }
  void SetPort(quint16 port) { port_ = port; }

  std::function<void()> onConnect;                 // ClientSocket1Connect
  std::function<void()> onDisconnect;              // ClientSocket1Disconnect
  std::function<void(const std::string&)> onRead;  // ClientSocket1Read, one message
  std::function<void(int code)> onError;           // a later socket error
  std::function<void()> onHostName;                // the look-up has answered

 private:
  void OnConnected();
  void OnDisconnected();
  void OnError(QAbstractSocket::SocketError error);

  quint16 port_;
  int holdTimeoutMs_ = kHoldTimeoutMs;
  QTcpSocket* socket_ = nullptr;
  Connection* connection_ = nullptr;
  MessageQueue queue_;
  Retirement retirement_;
  std::string hostName_;
  int lookupId_ = -1;
};

// The traditional error number of a socket error, as the error report shows it.
int SocketErrorNumber(QAbstractSocket::SocketError error);

}  // namespace tamsok
