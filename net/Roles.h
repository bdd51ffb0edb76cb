// The two socket roles on Qt Network: the room (server) listens and holds the accepted
// connections, the client holds one connection to a room. Both split what they read into
// messages and hand them on one at a time, in order, as the bytes that came: a message that
// arrives while an earlier one is still being handled (say, inside a modal box) waits for it
// to finish. While messages wait, each connection holds at most about kMaxQueuedBytes of
// them; past that it stops reading, and TCP makes its peer wait.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "net/Framing.h"

namespace tamsok {

inline constexpr quint16 kGamePort = 1024;

// How many bytes a connection may leave unread before it is closed. An honest peer reads
// everything at once; the game's own messages are tens of bytes.
inline constexpr std::size_t kMaxUnsentBytes = std::size_t{4} << 20;

// What one read of a connection takes at most, and so the most that the socket layer holds
// for it unread.
inline constexpr qint64 kReadChunkBytes = qint64{64} << 10;
// How many bytes of received messages a connection may have waiting for their turn (while
// an earlier message is being handled) before it stops reading; one more read may come on
// top.
inline constexpr std::size_t kMaxQueuedBytes = std::size_t{1} << 20;

// How a connection sends a run of messages that must each reach the peer in a read of its
// own (the game so far, for a station that joins during a game): one at a time, the next only
// once the previous one has left this machine and this gap has passed since. A peer on a
// local network gets each one well before the next leaves, even on a busy machine, and a
// catch-up of 120 records takes about 2.5 s. (A peer busy for longer with one of them, say
// gliding a piece, may still read the ones that came meanwhile together.)
inline constexpr int kPaceGapMs = 20;

// Tells the connections of one role apart; never reused within a run.
using ConnectionId = std::uint64_t;

// How a connection notices a peer that has gone silent without closing (a machine switched
// off, a cable pulled, a firewall dropping everything): TCP keepalive probes an idle link,
// and the user timeout bounds how long sent bytes or probes may go unanswered. No byte of
// the game's own is added. With these values a dead link is noticed within about 12 s.
struct LinkWatch {
  int idleSeconds = 4;      // quiet time before the first probe
  int intervalSeconds = 2;  // between probes
  int probes = 3;           // unanswered probes before the link is dead (no user timeout)
  int userTimeoutMs = 10000;
};
// Applies the watch to a connected socket; does nothing where the system lacks an option.
void WatchLink(qintptr descriptor, const LinkWatch& watch);

// Delivers queued messages one at a time, never re-entrantly. A handler may run a nested
// event loop (a modal box); messages that arrive meanwhile wait for it to finish, and the
// outermost delivery takes them in turn.
class MessageQueue {
 public:
  struct Item {
    ConnectionId connection = 0;
    std::string address;
    std::string text;  // the bytes of one message, as they came
  };
  using Handler = std::function<void(const Item&)>;

  void SetHandler(Handler h) { handler_ = std::move(h); }
  // Runs each time the outermost delivery has ended, when no handler is on the stack.
  void SetIdleHandler(std::function<void()> h) { idle_ = std::move(h); }
  void Enqueue(Item item);
  // Delivers everything queued, unless a delivery further up the stack will.
  void Deliver();
  void Push(Item item) {
    Enqueue(std::move(item));
    Deliver();
  }
  void Clear() {
    items_.clear();
    bytes_.clear();
  }
  std::size_t size() const { return items_.size(); }
  bool Delivering() const { return delivering_; }
  // The bytes of the messages of one connection that wait for their turn.
  std::size_t QueuedBytes(ConnectionId c) const;

 private:
  std::deque<Item> items_;
  std::unordered_map<ConnectionId, std::size_t> bytes_;
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
  Connection(QTcpSocket* socket, ConnectionId id, Direction direction, MessageQueue& queue,
             int holdTimeoutMs, QObject* parent);

  QTcpSocket* socket() const { return socket_; }
  ConnectionId id() const { return id_; }
  const std::string& address() const { return address_; }
  // Sends the bytes; nothing for none. While the connection paces a run of messages, the
  // bytes wait behind it and go out paced too, so the order never changes.
  void Send(std::string_view bytes);
  // Sends the messages paced (see kPaceGapMs), after those still waiting; the waiting ones
  // for which `stale` holds are dropped first.
  void SendPaced(std::vector<std::string> messages,
                 const std::function<bool(const std::string&)>& stale = {});
  // How many messages wait to go out paced.
  std::size_t WaitingMessages() const { return outbox_.size(); }
  // Runs once a paced run has gone out, the gap after its last message included.
  std::function<void()> onPaced;
  // Reads whatever the socket still holds, even past the bound, and hands on what is held
  // (at disconnect). The hold timer hands on the held bytes alone.
  void Drain();
  // Reads again if it stopped for holding too much, once the queue has been delivered.
  void ResumeReading();
  // Hands on nothing more: a closed connection waiting for its deletion.
  void Stop();
  // The bytes this connection holds: messages waiting in the queue, an incomplete message,
  // and what the socket has read for it.
  std::size_t HeldBytes() const;

 private:
  void OnReadyRead();
  void ReadAndQueue();
  void FlushHeld();
  void SendNow(std::string_view bytes);
  void SendNextPaced();
  // Nothing of what was sent waits in this process or in the system's send queue.
  bool AllSent() const;
  // Closes the connection, later, when it holds more unsent bytes than it may.
  void CloseIfOverfull(std::size_t unsent);

  QTcpSocket* socket_;
  ConnectionId id_;
  std::string address_;
  MessageSplitter splitter_;
  MessageQueue& queue_;
  QTimer holdTimer_;
  int holdTimeoutMs_;
  // The messages waiting to go out paced, their bytes, and the timer of the gap.
  std::deque<std::string> outbox_;
  std::size_t outboxBytes_ = 0;
  QTimer paceTimer_;
  bool pacing_ = false;   // a paced run, or the gap after its last message, is under way
  bool leaving_ = false;  // the last paced message had not left at the previous tick
  bool paused_ = false;   // stopped reading: too many of its messages wait in the queue
  bool stopped_ = false;  // closed: hands on nothing more
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
  // The most bytes that any one connection holds now (see Connection::HeldBytes).
  std::size_t MaxHeldBytes() const;

  // One send of the bytes on every accepted connection, in order.
  void SendToAll(const std::string& bytes);
  // The same on every accepted connection whose remote address is not `address`.
  void SendToOthers(const std::string& address, const std::string& bytes);
  // One send on the one connection; nothing when it has gone.
  void SendTo(ConnectionId to, const std::string& bytes);
  // The messages on the one connection, paced (Connection::SendPaced).
  void SendPaced(ConnectionId to, std::vector<std::string> messages,
                 const std::function<bool(const std::string&)>& stale = {});
  // How many messages wait to go out paced, on all connections.
  std::size_t WaitingMessages() const;
  // Closes one connection at once; its disconnect event follows.
  void Abort(ConnectionId which);
  // How the links accepted from now on are watched for silence.
  void SetLinkWatch(const LinkWatch& watch) { watch_ = watch; }
  // The reply on every connected connection whose remote address equals `address`.
  void ReplyToSender(const std::string& address, const std::string& reply);

  // How long an incomplete message is held on a connection accepted from now on.
  void SetHoldTimeoutMs(int ms) { holdTimeoutMs_ = ms; }

  std::function<void(const std::string& address)> onAccept;  // ServerSocket1Accept
  // ServerSocket1ClientConnect and ServerSocket1ClientDisconnect, with the connection.
  std::function<void(const std::string& address, ConnectionId id)> onConnect;
  std::function<void(const std::string& address, ConnectionId id)> onDisconnect;
  // A paced run on the connection has gone out (not when the connection closes first).
  std::function<void(ConnectionId id)> onPaced;
  // One message from the connection `from`, at `address`.
  std::function<void(const std::string& address, ConnectionId from, const std::string& text)>
      onRead;

 private:
  void OnNewConnection();
  void Drop(Connection* c);
  void OnQueueIdle();

  Connection* Find(ConnectionId id) const;

  quint16 port_;
  ConnectionId lastId_ = 0;
  int holdTimeoutMs_ = kHoldTimeoutMs;
  LinkWatch watch_;
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
  void Send(const std::string& bytes);
  // The server's host name, found by a reverse look-up after connecting (empty until then
  // or when none is found).
  const std::string& HostName() const { return hostName_; }
  void SetPort(quint16 port) { port_ = port; }
  void SetLinkWatch(const LinkWatch& watch) { watch_ = watch; }
  // Connects from this local address (dotted IPv4) instead of the one the system picks.
  void SetLocalAddress(const std::string& address) { localAddress_ = address; }
  // Messages received and not yet handed on (those behind the one being handled).
  std::size_t MessagesWaiting() const { return queue_.size(); }

  std::function<void()> onConnect;                 // ClientSocket1Connect
  std::function<void()> onDisconnect;              // ClientSocket1Disconnect
  std::function<void(const std::string&)> onRead;  // ClientSocket1Read, one message's bytes
  std::function<void(int code)> onError;           // a later socket error
  std::function<void()> onHostName;                // the look-up has answered

 private:
  void OnConnected();
  void OnDisconnected();
  void OnError(QAbstractSocket::SocketError error);

  quint16 port_;
  int holdTimeoutMs_ = kHoldTimeoutMs;
  LinkWatch watch_;
  std::string localAddress_;
  ConnectionId lastId_ = 0;
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
