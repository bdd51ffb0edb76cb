#include "net/Roles.h"

#include <QHostAddress>
#include <QHostInfo>

#include "net/NetTexts.h"
#include "net/TextCodec.h"

namespace tamsok {

// ---- MessageQueue ------------------------------------------------------------------------

void MessageQueue::Push(Item item) {
  items_.push_back(std::move(item));
  if (delivering_) return;  // the outer delivery loop takes it in turn
  delivering_ = true;
  while (!items_.empty()) {
    Item next = std::move(items_.front());
    items_.pop_front();
    if (handler_) handler_(next);
  }
  delivering_ = false;
}

// ---- Connection --------------------------------------------------------------------------

std::string DottedAddress(const QHostAddress& address) {
  bool isV4 = false;
  const quint32 v4 = address.toIPv4Address(&isV4);
  if (isV4) return QHostAddress(v4).toString().toStdString();
  return address.toString().toStdString();
}

Connection::Connection(QTcpSocket* socket, Direction direction, MessageQueue& queue,
                       QObject* parent)
    : QObject(parent),
      socket_(socket),
      address_(DottedAddress(socket->peerAddress())),
      splitter_(direction),
      queue_(queue) {
  holdTimer_.setSingleShot(true);
  connect(&holdTimer_, &QTimer::timeout, this, [this] { FlushHeld(); });
  connect(socket_, &QTcpSocket::readyRead, this, &Connection::OnReadyRead);
}

void Connection::OnReadyRead() {
  const QByteArray bytes = socket_->readAll();
  std::vector<std::string> messages = splitter_.Feed({bytes.constData(), size_t(bytes.size())});
  if (!splitter_.HasPending())
    holdTimer_.stop();
  else if (!holdTimer_.isActive())
    holdTimer_.start(kHoldTimeoutMs);
  // The address is copied: a handler may drop this connection while the queue runs.
  const std::string address = address_;
  for (std::string& m : messages)
    queue_.Push({address, Cp949ToUtf8(m)});
}

void Connection::FlushHeld() {
  holdTimer_.stop();
  std::string rest = splitter_.Flush();
  if (!rest.empty()) queue_.Push({address_, Cp949ToUtf8(rest)});
}

void Connection::Send(const std::string& text) {
  if (text.empty()) return;
  const std::string bytes = Utf8ToCp949(text);
  socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// ---- ServerRole --------------------------------------------------------------------------

ServerRole::ServerRole(quint16 port, QObject* parent) : QObject(parent), port_(port) {
  connect(&server_, &QTcpServer::newConnection, this, &ServerRole::OnNewConnection);
  queue_.SetHandler([this](const MessageQueue::Item& item) {
    if (onRead) onRead(item.address, item.text);
  });
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
    s->deleteLater();
    c->deleteLater();
  }
}

void ServerRole::OnNewConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    auto* c = new Connection(socket, Direction::ClientToServer, queue_, this);
    connections_.push_back(c);
    const std::string address = c->address();
    connect(socket, &QTcpSocket::disconnected, this, [this, c] { Drop(c); });
    if (onAccept) onAccept(address);
    if (onConnect) onConnect(address);
    // Bytes may have arrived with the connection itself.
    if (socket->bytesAvailable() > 0) QMetaObject::invokeMethod(socket, "readyRead");
  }
}

void ServerRole::Drop(Connection* c) {
  auto it = std::find(connections_.begin(), connections_.end(), c);
  if (it == connections_.end()) return;
  connections_.erase(it);
  const std::string address = c->address();
  c->FlushHeld();
  c->socket()->deleteLater();
  c->deleteLater();
  if (onDisconnect) onDisconnect(address);
}

void ServerRole::SendToAll(const std::string& text) {
  for (const QPointer<Connection>& c : connections_)
    if (c) c->Send(text);
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
    if (error) *error = nettext::kBadAddress + address;
    return false;
  }
  hostName_.clear();
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

void ClientRole::Send(const std::string& text) {
  if (IsConnected()) connection_->Send(text);
}

void ClientRole::OnConnected() {
  connection_ = new Connection(socket_, Direction::ServerToClient, queue_, this);
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
  if (connection_) {
    connection_->FlushHeld();
    connection_->deleteLater();
    connection_ = nullptr;
  }
  if (onDisconnect) onDisconnect();
}

void ClientRole::OnError(QAbstractSocket::SocketError error) {
  // A close by the server is reported by the disconnect event alone.
  if (error == QAbstractSocket::RemoteHostClosedError) return;
  if (onError) onError(SocketErrorNumber(error));
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
