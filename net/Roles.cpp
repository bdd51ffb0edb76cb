#include "net/Roles.h"

#ifdef Q_OS_UNIX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cerrno>
#endif
#ifdef Q_OS_LINUX
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif

#include <QHostAddress>
#include <QHostInfo>

#include "game/Format.h"
#include "net/NetTexts.h"

namespace tamsok {

// ---- MessageQueue ------------------------------------------------------------------------

void MessageQueue::Enqueue(Item item) {
  bytes_[item.connection] += item.text.size();
  items_.push_back(std::move(item));
}

std::size_t MessageQueue::QueuedBytes(ConnectionId c) const {
  const auto it = bytes_.find(c);
  return it == bytes_.end() ? 0 : it->second;
}

void MessageQueue::Deliver() {
  if (delivering_) return;  // the outer delivery loop takes them in turn
  delivering_ = true;
  while (!items_.empty()) {
    Item next = std::move(items_.front());
    items_.pop_front();
    if (const auto it = bytes_.find(next.connection); it != bytes_.end()) {
      it->second -= next.text.size();
      if (it->second == 0) bytes_.erase(it);
    }
    if (handler_) handler_(next);
  }
  delivering_ = false;
  if (idle_) idle_();
}

// ---- Connection --------------------------------------------------------------------------

void WatchLink(qintptr descriptor, const LinkWatch& w) {
#ifdef Q_OS_UNIX
  const int fd = static_cast<int>(descriptor);
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
#ifdef TCP_KEEPIDLE
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &w.idleSeconds, sizeof w.idleSeconds);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &w.intervalSeconds, sizeof w.intervalSeconds);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &w.probes, sizeof w.probes);
#endif
#ifdef TCP_USER_TIMEOUT
  const unsigned timeout = static_cast<unsigned>(w.userTimeoutMs);
  setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &timeout, sizeof timeout);
#endif
#else
  (void)descriptor;
  (void)w;
#endif
}

std::string DottedAddress(const QHostAddress& address) {
  bool isV4 = false;
  const quint32 v4 = address.toIPv4Address(&isV4);
  if (isV4) return QHostAddress(v4).toString().toStdString();
  return address.toString().toStdString();
}

Connection::Connection(QTcpSocket* socket, ConnectionId id, Direction direction,
                       MessageQueue& queue, int holdTimeoutMs, QObject* parent)
    : QObject(parent),
      socket_(socket),
      id_(id),
      address_(DottedAddress(socket->peerAddress())),
      splitter_(direction),
      queue_(queue),
      holdTimeoutMs_(holdTimeoutMs) {
  // Each message is one small send that should leave at once. With Nagle's algorithm a
  // message written right behind another (the echo of a move, then the room's own move)
  // waits for the first one's acknowledgement, which the peer delays by tens of
  // milliseconds.
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  // With a bounded buffer, the socket stops taking bytes from the kernel while this
  // connection does not read them, and the peer's sends then wait.
  socket_->setReadBufferSize(kReadChunkBytes);
  holdTimer_.setSingleShot(true);
  connect(&holdTimer_, &QTimer::timeout, this, [this] { FlushHeld(); });
  paceTimer_.setSingleShot(true);
  paceTimer_.setTimerType(Qt::PreciseTimer);
  connect(&paceTimer_, &QTimer::timeout, this, &Connection::SendNextPaced);
  connect(socket_, &QTcpSocket::readyRead, this, &Connection::OnReadyRead);
}

void Connection::OnReadyRead() {
  if (stopped_) return;  // a resumption queued before the connection closed
  // While earlier messages wait for a handler that has not finished (a modal box), this
  // connection stops reading once too many of its own wait; the end of the delivery
  // resumes it.
  if (queue_.Delivering() && queue_.QueuedBytes(id_) >= kMaxQueuedBytes) {
    paused_ = true;
    return;
  }
  ReadAndQueue();
  // Everything of this read is queued before any of it is handled; once the delivery has
  // begun, this connection may be closed and retired by a handler, so it is not touched
  // again.
  queue_.Deliver();
}

void Connection::ReadAndQueue() {
  const QByteArray bytes = socket_->readAll();
  std::vector<std::string> messages =
      splitter_.Feed({bytes.constData(), static_cast<std::size_t>(bytes.size())});
  // The bound is on each incomplete message: once a message has been completed, whatever
  // is held now is the start of another one and gets the whole bound again.
  if (!splitter_.HasPending())
    holdTimer_.stop();
  else if (!messages.empty() || !holdTimer_.isActive())
    holdTimer_.start(holdTimeoutMs_);
  for (std::string& m : messages)
    queue_.Enqueue({id_, address_, std::move(m)});
}

void Connection::ResumeReading() {
  if (!paused_) return;
  paused_ = false;
  // Not from inside the idle handler: the read may start another delivery.
  if (socket_->bytesAvailable() > 0)
    QMetaObject::invokeMethod(this, &Connection::OnReadyRead, Qt::QueuedConnection);
}

void Connection::Drain() {
  paused_ = false;
  if (socket_->bytesAvailable() > 0) ReadAndQueue();
  FlushHeld();
}

void Connection::FlushHeld() {
  holdTimer_.stop();
  std::string rest = splitter_.Flush();
  if (!rest.empty()) queue_.Enqueue({id_, address_, std::move(rest)});
  queue_.Deliver();
}

std::size_t Connection::HeldBytes() const {
  return queue_.QueuedBytes(id_) + splitter_.PendingSize() +
         static_cast<std::size_t>(socket_->bytesAvailable());
}

void Connection::Stop() {
  stopped_ = true;
  holdTimer_.stop();
  paceTimer_.stop();
  outbox_.clear();
  outboxBytes_ = 0;
  pacing_ = false;
  disconnect(socket_, nullptr, this, nullptr);
}

void Connection::Send(std::string_view bytes) {
  if (bytes.empty() || closing_) return;
  if (!pacing_) return SendNow(bytes);
  outbox_.emplace_back(bytes);
  outboxBytes_ += bytes.size();
  CloseIfOverfull(outboxBytes_ + static_cast<std::size_t>(socket_->bytesToWrite()));
}

void Connection::SendPaced(std::vector<std::string> messages,
                           const std::function<bool(const std::string&)>& stale) {
  if (closing_ || stopped_) return;
  if (stale) {
    std::erase_if(outbox_, stale);
    outboxBytes_ = 0;
    for (const std::string& m : outbox_)
      outboxBytes_ += m.size();
  }
  for (std::string& m : messages) {
    if (m.empty()) continue;
    outboxBytes_ += m.size();
    outbox_.push_back(std::move(m));
  }
  CloseIfOverfull(outboxBytes_ + static_cast<std::size_t>(socket_->bytesToWrite()));
  if (pacing_ || outbox_.empty() || closing_) return;
  pacing_ = true;
  leaving_ = false;
  SendNextPaced();
}

void Connection::SendNextPaced() {
  if (stopped_ || closing_) return;
  // The gap counts from the moment the previous message has left: one still on its way out
  // (the peer's window is full, say) would be joined by the next one in the system's queue.
  if (!AllSent()) {
    leaving_ = true;
    paceTimer_.start(kPaceGapMs);
    return;
  }
  if (std::exchange(leaving_, false)) {
    paceTimer_.start(kPaceGapMs);
    return;
  }
  if (outbox_.empty()) {
    pacing_ = false;
    if (onPaced) onPaced();
    return;
  }
  const std::string next = std::move(outbox_.front());
  outbox_.pop_front();
  outboxBytes_ -= next.size();
  SendNow(next);
  paceTimer_.start(kPaceGapMs);
}

bool Connection::AllSent() const {
  if (socket_->bytesToWrite() > 0) return false;
#if defined(Q_OS_LINUX) && defined(SIOCOUTQNSD)
  int unsent = 0;
  if (ioctl(static_cast<int>(socket_->socketDescriptor()), SIOCOUTQNSD, &unsent) == 0 && unsent > 0)
    return false;
#endif
  return true;
}

void Connection::CloseIfOverfull(std::size_t unsent) {
  if (unsent <= kMaxUnsentBytes || closing_) return;
  // A peer that does not read what it is sent would make the backlog grow without end:
  // every chat line it sends comes back to it. It is closed, later, since a disconnect
  // event now would change the list of connections that a send to all walks through.
  closing_ = true;
  paceTimer_.stop();
  outbox_.clear();
  outboxBytes_ = 0;
  QMetaObject::invokeMethod(socket_, &QAbstractSocket::abort, Qt::QueuedConnection);
}

void Connection::SendNow(std::string_view bytes) {
  std::size_t sent = 0;
#ifdef Q_OS_UNIX
  // Straight to the kernel while Qt holds nothing for this socket. A write through Qt's
  // buffer arms the socket's write notifier and disarms it once written, and the event
  // dispatcher finds a notifier by a linear search over all of them: a send to every
  // connection of a full room took time quadratic in the number of connections. What the
  // kernel does not take at once goes into Qt's buffer, and then everything goes there until
  // it drains, so the order of the bytes never changes.
  if (socket_->bytesToWrite() == 0 && socket_->state() == QAbstractSocket::ConnectedState) {
    const ssize_t n = ::send(static_cast<int>(socket_->socketDescriptor()), bytes.data(),
                             bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      sent = static_cast<std::size_t>(n);
    } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      return;  // the connection is breaking; its disconnect event follows
    }
  }
#endif
  if (sent == bytes.size()) return;
  socket_->write(bytes.data() + sent, static_cast<qint64>(bytes.size() - sent));
  CloseIfOverfull(static_cast<std::size_t>(socket_->bytesToWrite()));
}

// ---- Retirement --------------------------------------------------------------------------

void Retirement::Retire(Connection* c, const MessageQueue& queue) {
  c->Stop();
  retired_.push_back(c);
  if (!queue.Delivering()) Release();
}

void Retirement::Release() {
  for (const QPointer<Connection>& c : retired_)
    if (c) c->deleteLater();
  retired_.clear();
}

// ---- ServerRole --------------------------------------------------------------------------

ServerRole::ServerRole(quint16 port, QObject* parent) : QObject(parent), port_(port) {
  connect(&server_, &QTcpServer::newConnection, this, &ServerRole::OnNewConnection);
  queue_.SetHandler([this](const MessageQueue::Item& item) {
    if (onRead) onRead(item.address, item.connection, item.text);
  });
  queue_.SetIdleHandler([this] { OnQueueIdle(); });
}

void ServerRole::OnQueueIdle() {
  retirement_.Release();
  for (const QPointer<Connection>& c : connections_)
    if (c) c->ResumeReading();
}

std::size_t ServerRole::MaxHeldBytes() const {
  std::size_t most = 0;
  for (const QPointer<Connection>& c : connections_)
    if (c) most = std::max(most, c->HeldBytes());
  return most;
}

ServerRole::~ServerRole() {
  Deactivate();
}

bool ServerRole::Activate(std::string* error) {
  if (server_.isListening()) return true;
  if (server_.listen(QHostAddress::AnyIPv4, port_)) return true;
  if (error) *error = server_.errorString().toStdString();
  return false;
}

void ServerRole::Deactivate() {
  server_.close();
  std::vector<QPointer<Connection>> all;
  all.swap(connections_);
  queue_.Clear();
  for (const QPointer<Connection>& c : all) {
    if (!c) continue;
    QTcpSocket* s = c->socket();
    s->disconnect(this);  // no disconnect events for a room that is closing
    s->abort();
    retirement_.Retire(c, queue_);
  }
}

void ServerRole::OnNewConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    auto* c =
        new Connection(socket, ++lastId_, Direction::ClientToServer, queue_, holdTimeoutMs_, this);
    socket->setParent(c);  // the connection owns its socket: both go together
    connections_.push_back(c);
    c->onPaced = [this, id = c->id()] {
      if (onPaced) onPaced(id);
    };
    const std::string address = c->address();
    WatchLink(socket->socketDescriptor(), watch_);
    connect(socket, &QTcpSocket::disconnected, this, [this, c] { Drop(c); });
    // A link found dead by its watch may end with an error and no disconnect event.
    connect(socket, &QTcpSocket::errorOccurred, this, [this, c, socket] {
      if (socket->state() == QAbstractSocket::UnconnectedState) Drop(c);
    });
    if (onAccept) onAccept(address);
    if (onConnect) onConnect(address, c->id());
    // Bytes may have arrived with the connection itself.
    if (socket->bytesAvailable() > 0) QMetaObject::invokeMethod(socket, "readyRead");
  }
}

void ServerRole::Drop(Connection* c) {
  auto it = std::find(connections_.begin(), connections_.end(), c);
  if (it == connections_.end()) return;
  connections_.erase(it);
  const std::string address = c->address();
  const ConnectionId id = c->id();
  c->Drain();
  retirement_.Retire(c, queue_);
  if (onDisconnect) onDisconnect(address, id);
}

Connection* ServerRole::Find(ConnectionId id) const {
  for (const QPointer<Connection>& c : connections_)
    if (c && c->id() == id) return c;
  return nullptr;
}

void ServerRole::SendToOthers(const std::string& address, const std::string& bytes) {
  if (bytes.empty()) return;
  for (const QPointer<Connection>& c : connections_)
    if (c && c->address() != address) c->Send(bytes);
}

void ServerRole::SendTo(ConnectionId to, const std::string& bytes) {
  if (Connection* c = Find(to)) c->Send(bytes);
}

void ServerRole::SendPaced(ConnectionId to, std::vector<std::string> messages,
                           const std::function<bool(const std::string&)>& stale) {
  if (Connection* c = Find(to)) c->SendPaced(std::move(messages), stale);
}

std::size_t ServerRole::WaitingMessages() const {
  std::size_t waiting = 0;
  for (const QPointer<Connection>& c : connections_)
    if (c) waiting += c->WaitingMessages();
  return waiting;
}

void ServerRole::Abort(ConnectionId which) {
  if (Connection* c = Find(which)) c->socket()->abort();
}

void ServerRole::SendToAll(const std::string& bytes) {
  if (bytes.empty()) return;
  for (const QPointer<Connection>& c : connections_)
    if (c) c->Send(bytes);
}

void ServerRole::ReplyToSender(const std::string& address, const std::string& reply) {
  if (reply.empty()) return;
  for (const QPointer<Connection>& c : connections_)
    if (c && c->address() == address && c->socket()->state() == QAbstractSocket::ConnectedState)
      c->Send(reply);
}

// ---- ClientRole --------------------------------------------------------------------------

ClientRole::ClientRole(quint16 port, QObject* parent) : QObject(parent), port_(port) {
  socket_ = new QTcpSocket(this);
  connect(socket_, &QTcpSocket::connected, this, &ClientRole::OnConnected);
  connect(socket_, &QTcpSocket::disconnected, this, &ClientRole::OnDisconnected);
  connect(socket_, &QTcpSocket::errorOccurred, this, &ClientRole::OnError);
  queue_.SetHandler([this](const MessageQueue::Item& item) {
    if (onRead) onRead(item.text);
  });
  queue_.SetIdleHandler([this] {
    retirement_.Release();
    if (connection_) connection_->ResumeReading();
  });
}

ClientRole::~ClientRole() {
  if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
  socket_->disconnect(this);
  socket_->abort();
}

bool ClientRole::IsActive() const {
  return socket_->state() != QAbstractSocket::UnconnectedState;
}

bool ClientRole::IsConnected() const {
  return socket_->state() == QAbstractSocket::ConnectedState && connection_ != nullptr;
}

bool ClientRole::Activate(const std::string& address, std::string* error) {
  if (address.empty()) {
    if (error) *error = nettext::kNoAddress;
    return false;
  }
  QHostAddress host;
  if (!host.setAddress(QString::fromStdString(address)) ||
      host.protocol() != QAbstractSocket::IPv4Protocol) {
    if (error) *error = Format(nettext::kBadAddress, address.c_str());
    return false;
  }
  hostName_.clear();
  if (!localAddress_.empty()) socket_->bind(QHostAddress(QString::fromStdString(localAddress_)));
  socket_->connectToHost(host, port_);
  return true;
}

void ClientRole::Deactivate() {
  if (socket_->state() == QAbstractSocket::UnconnectedState) return;
  if (socket_->state() == QAbstractSocket::ConnectedState)
    socket_->disconnectFromHost();
  else
    socket_->abort();
}

void ClientRole::Send(const std::string& bytes) {
  if (IsConnected()) connection_->Send(bytes);
}

void ClientRole::OnConnected() {
  WatchLink(socket_->socketDescriptor(), watch_);
  connection_ =
      new Connection(socket_, ++lastId_, Direction::ServerToClient, queue_, holdTimeoutMs_, this);
  const QHostAddress peer = socket_->peerAddress();
  lookupId_ = QHostInfo::lookupHost(peer.toString(), this, [this, peer](const QHostInfo& info) {
    lookupId_ = -1;
    const QString name = info.hostName();
    hostName_ = info.error() == QHostInfo::NoError && name != peer.toString() ? name.toStdString()
                                                                              : std::string();
    if (onHostName) onHostName();
  });
  if (onConnect) onConnect();
}

void ClientRole::OnDisconnected() {
  if (!connection_) return;  // reported already, at the error that ended the link
  connection_->Drain();
  retirement_.Retire(connection_, queue_);
  connection_ = nullptr;
  if (onDisconnect) onDisconnect();
}

void ClientRole::OnError(QAbstractSocket::SocketError error) {
  // A close by the server is reported by the disconnect event alone.
  if (error == QAbstractSocket::RemoteHostClosedError) return;
  if (onError) onError(SocketErrorNumber(error));
  // A link found dead by its watch may end here without a disconnect event.
  if (socket_->state() == QAbstractSocket::UnconnectedState) OnDisconnected();
}

int SocketErrorNumber(QAbstractSocket::SocketError error) {
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
      return 10061;
    case QAbstractSocket::RemoteHostClosedError:
      return 10054;
    case QAbstractSocket::HostNotFoundError:
      return 11001;
    case QAbstractSocket::SocketTimeoutError:
      return 10060;
    case QAbstractSocket::NetworkError:
      return 10065;
    case QAbstractSocket::SocketAccessError:
      return 10013;
    case QAbstractSocket::AddressInUseError:
      return 10048;
    case QAbstractSocket::SocketResourceError:
      return 10055;
    default:
      return 10000 + static_cast<int>(error);
  }
}

}  // namespace tamsok
