#include "net/LanLink.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include "game/GameState.h"

namespace zendral::net {
namespace {

// Registered once so that queued connections and QSignalSpy can carry messages.
const int kLanMessageMetaType = qRegisterMetaType<zendral::net::LanMessage>();

bool ServerTakes(LanKind kind) {
  return kind == LanKind::kMove || kind == LanKind::kPass || kind == LanKind::kChat;
}

}  // namespace

LanLink::LanLink(QObject* parent) : QObject(parent) {
  (void)kLanMessageMetaType;
}

LanLink::~LanLink() {
  CloseAll();
}

bool LanLink::StartServer(quint16 port, const QHostAddress& address) {
  CloseAll();
  role_ = kRoleServer;
  linkStage_ = kLinkStarting;
  waitingForDeal_ = false;
  socketErrorSeen_ = false;
  closeServerPending_ = false;
  peerName_.clear();

  server_ = new QTcpServer(this);
  connect(server_, &QTcpServer::newConnection, this, &LanLink::OnNewConnection);
  if (!server_->listen(address, port)) {
    socketErrorSeen_ = true;
    Q_EMIT LinkFailed();
    return false;
  }
  return true;
}

void LanLink::StartClient(const QString& host, quint16 port) {
  CloseAll();
  role_ = kRoleClient;
  linkStage_ = kLinkStarting;
  waitingForDeal_ = true;
  socketErrorSeen_ = true;
  closeServerPending_ = false;
  peerName_.clear();

  peer_ = new QTcpSocket(this);
  Watch(peer_);
  peer_->connectToHost(host, port);
}

bool LanLink::Send(std::string_view message) {
  if (peer_ == nullptr || peer_->state() != QAbstractSocket::ConnectedState) return false;
  const qint64 size = static_cast<qint64>(message.size());
  const qint64 written = peer_->write(message.data(), size);
  // Out now, not on the next turn of the event loop: the sender may be about to block
  // (the settlement pause follows "hitogs").
  peer_->flush();
  if (written != size) return false;
  if (role_ == kRoleServer && linkStage_ >= kLinkJoined &&
      message.starts_with(protocol::table::kDealLetter)) {
    linkStage_ = kLinkDealSent;
  }
  return true;
}

void LanLink::Cancel() {
  CloseAll();
  linkStage_ = kLinkIdle;
}

void LanLink::Close() {
  CloseAll();
}

void LanLink::OnMenuTick() {
  if (!closeServerPending_) return;
  closeServerPending_ = false;
  if (server_ != nullptr) server_->close();
}

void LanLink::SetHeld(bool held) {
  held_ = held;
  if (!held_ && !queue_.empty()) {
    QMetaObject::invokeMethod(this, &LanLink::Drain, Qt::QueuedConnection);
  }
}

bool LanLink::IsListening() const {
  return server_ != nullptr && server_->isListening();
}

bool LanLink::IsConnected() const {
  return peer_ != nullptr && peer_->state() == QAbstractSocket::ConnectedState;
}

quint16 LanLink::ServerPort() const {
  return server_ != nullptr ? server_->serverPort() : 0;
}

void LanLink::Watch(QTcpSocket* socket) {
  connect(socket, &QTcpSocket::connected, this, &LanLink::OnConnected);
  connect(socket, &QTcpSocket::readyRead, this, &LanLink::OnReadyRead);
  connect(socket, &QTcpSocket::disconnected, this, &LanLink::OnDisconnected);
  connect(socket, &QTcpSocket::errorOccurred, this, &LanLink::OnSocketError);
}

// Closes a socket without hearing from it again: our own close is no event for the game.
void LanLink::Forget(QTcpSocket*& socket) {
  if (socket == nullptr) return;
  QTcpSocket* s = socket;
  socket = nullptr;
  s->disconnect(this);
  s->abort();
  s->deleteLater();
}

void LanLink::CloseAll() {
  Forget(peer_);
  if (server_ != nullptr) {
    server_->disconnect(this);
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
  ResetIncoming();
}

void LanLink::ResetIncoming() {
  reader_.Reset();
  queue_.clear();
  held_ = false;
}

void LanLink::OnNewConnection() {
  while (QTcpSocket* socket = server_->nextPendingConnection()) {
    if (peer_ != nullptr || linkStage_ >= kLinkJoined) {
      // The server plays with its first connection only, and a session keeps its player:
      // once the client has gone, nobody else steps into its seat.
      socket->abort();
      socket->deleteLater();
      continue;
    }
    socket->setParent(this);  // it must outlive a closed listening socket
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    peer_ = socket;
    Watch(peer_);
  }
}

void LanLink::OnConnected() {
  if (sender() != peer_) return;
  peer_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  if (role_ == kRoleClient && linkStage_ == kLinkStarting) Send(JoinRequestText(ownName_));
}

void LanLink::OnReadyRead() {
  if (sender() != peer_) return;
  const QByteArray bytes = peer_->readAll();
  for (LanMessage& message :
       reader_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    queue_.push_back(Event{false, std::move(message)});
  }
  Drain();
}

void LanLink::OnDisconnected() {
  if (sender() != peer_) return;
  PeerGone();
}

void LanLink::OnSocketError() {
  if (sender() != peer_) return;
  // A peer that closes its end gives this error and then the disconnection, which is
  // handled on its own.
  if (peer_->error() == QAbstractSocket::RemoteHostClosedError) return;
  socketErrorSeen_ = true;
  PeerGone();
}

// The connection to the peer has ended, by its close or by an error.
void LanLink::PeerGone() {
  Forget(peer_);
  if (role_ == kRoleClient) {
    if (linkStage_ < kLinkJoined) {
      socketErrorSeen_ = true;
      ResetIncoming();
      Q_EMIT LinkFailed();
      return;
    }
  } else {
    if (linkStage_ < kLinkJoined) {  // a connection that never joined: wait for the next
      ResetIncoming();
      return;
    }
    if (linkStage_ == kLinkJoined) {  // joined, but the session has not begun
      linkStage_ = kLinkStarting;
      peerName_.clear();
      ResetIncoming();
      Q_EMIT JoinLost();
      return;
    }
  }
  queue_.push_back(Event{true, {}});
  Drain();
}

void LanLink::Drain() {
  if (draining_) return;  // a handler's nested event loop: the outer loop goes on
  draining_ = true;
  const QPointer<LanLink> self(this);
  while (!held_ && !queue_.empty()) {
    Event event = std::move(queue_.front());
    queue_.pop_front();
    if (event.left) {
      Q_EMIT PeerLeft();
    } else {
      Dispatch(event.message);
    }
    if (!self) return;
  }
  draining_ = false;
}

void LanLink::Dispatch(const LanMessage& message) {
  switch (message.kind) {
    case LanKind::kIgnored:
      Ignore(message.reason);
      return;
    case LanKind::kAbort:
      return;
    case LanKind::kJoinRequest:
      if (role_ != kRoleServer || linkStage_ != kLinkStarting) {
        Ignore("join request outside the handshake");
      } else if (!IsAcceptedJoinRequest(message)) {
        Ignore("join request for game " + message.gameId + ", protocol " + message.protocol);
      } else {
        peerName_ = message.name;
        linkStage_ = kLinkJoined;
        Send(JoinAnswerText(ownName_));
        held_ = true;
        Q_EMIT PeerJoined();
      }
      return;
    case LanKind::kJoinAnswer:
      if (role_ != kRoleClient || linkStage_ != kLinkStarting) {
        Ignore("join answer outside the handshake");
      } else {
        peerName_ = message.name;
        linkStage_ = kLinkJoined;
        held_ = true;
        Q_EMIT PeerJoined();
      }
      return;
    default:
      break;
  }
  // A move before the join would act on a kon that has not been dealt.
  if (linkStage_ < kLinkJoined) {
    Ignore("play message before the join");
  } else if (role_ == kRoleServer && !ServerTakes(message.kind)) {
    Ignore("message the server does not take: " + message.raw.substr(0, 6));
  } else {
    Q_EMIT MessageReceived(message);
  }
}

void LanLink::Ignore(const std::string& reason) {
  Q_EMIT MessageIgnored(QString::fromLatin1(reason.data(), static_cast<qsizetype>(reason.size())));
}

}  // namespace zendral::net
