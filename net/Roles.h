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
#include <vector>

#include "net/Framing.h"

namespace tamsok {

inline constexpr quint16 kGamePort = 1024;

// Delivers queued messages one at a time, never re-entrantly.
class MessageQueue {
 public:
  struct Item {
    std::string address;
    std::string text;  // UTF-8
  };
  using Handler = std::function<void(const Item&)>;

  void SetHandler(Handler h) { handler_ = std::move(h); }
  void Push(Item item);
  void Clear() { items_.clear(); }
  std::size_t size() const { return items_.size(); }

 private:
  std::deque<Item> items_;
  Handler handler_;
  bool delivering_ = false;
};

// One accepted connection of the room, or the client's connection: the socket with its
// splitter and the timer that bounds how long an incomplete message is held.
class Connection : public QObject {
  Q_OBJECT
 public:
  Connection(QTcpSocket* socket, Direction direction, MessageQueue& queue, QObject* parent);

  QTcpSocket* socket() const { return socket_; }
  const std::string& address() const { return address_; }
  // Sends UTF-8 text as code page 949 bytes; nothing for an empty text.
  void Send(const std::string& text);
  // Hands on whatever is held (at disconnect).
  void FlushHeld();

 private:
  void OnReadyRead();

  QTcpSocket* socket_;
  std::string address_;
  MessageSplitter splitter_;
  MessageQueue& queue_;
  QTimer holdTimer_;
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

  std::function<void(const std::string& address)> onAccept;      // ServerSocket1Accept
  std::function<void(const std::string& address)> onConnect;     // ServerSocket1ClientConnect
  std::function<void(const std::string& address)> onDisconnect;  // ServerSocket1ClientDisconnect
  std::function<void(const std::string& address, const std::string& text)> onRead;

 private:
  void OnNewConnection();
  void Drop(Connection* c);

  quint16 port_;
  QTcpServer server_;
  std::vector<QPointer<Connection>> connections_;
  MessageQueue queue_;
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
  QTcpSocket* socket_ = nullptr;
  Connection* connection_ = nullptr;
  MessageQueue queue_;
  std::string hostName_;
  int lookupId_ = -1;
};

// The traditional error number of a socket error, as the error report shows it.
int SocketErrorNumber(QAbstractSocket::SocketError error);

}  // namespace tamsok
