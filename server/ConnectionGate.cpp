#include "ConnectionGate.h"

#include <algorithm>
#include <optional>

namespace zendral::server {
namespace {

// Resumes reading once the output has come down to a quarter of the bound, so that a slow
// reader is not switched on and off for every few kilobytes.
constexpr qint64 kResumeBelow = kOutputBound / 4;

}  // namespace

ConnectionGate::ConnectionGate(QTcpSocket* socket) : QObject(socket), socket_(socket) {
  connect(socket, &QTcpSocket::bytesWritten, this, [this] { Update(); });
  connect(socket, &QTcpSocket::readyRead, this, [this] { ScanInput(); });
}

void ConnectionGate::Attach(QTcpSocket* socket) {
  new ConnectionGate(socket);
}

ConnectionGate* ConnectionGate::Of(QTcpSocket* socket) {
  if (socket == nullptr) return nullptr;
  for (QObject* child : socket->children()) {
    if (auto* gate = dynamic_cast<ConnectionGate*>(child)) return gate;
  }
  return nullptr;
}

void ConnectionGate::Hold() {
  ++holds_;
  Update();
}

void ConnectionGate::Release() {
  if (holds_ > 0) --holds_;
  Update();
}

void ConnectionGate::Update() {
  const qint64 unsent = socket_->bytesToWrite();
  if (holds_ > 0 || unsent > kOutputBound) {
    SetReading(false);
  } else if (paused_ && unsent <= kResumeBelow) {
    SetReading(true);
  }
}

void ConnectionGate::RequestTaken() {
  ++requestsTaken_;
}

void ConnectionGate::SetReading(bool on) {
  if (paused_ == !on) return;
  paused_ = !on;
  // The socket's engine owns its notifiers and makes the read notifier when it first reads.
  if (readNotifier_ == nullptr) {
    for (QSocketNotifier* notifier : socket_->findChildren<QSocketNotifier*>()) {
      if (notifier->type() == QSocketNotifier::Read) readNotifier_ = notifier;
    }
  }
  if (readNotifier_ == nullptr) return;
  readNotifier_->setEnabled(on);
  // A pause that comes while the socket is handing out its input (from a readyRead handler)
  // would be undone by the socket as it finishes: it is made again once the socket is done.
  if (!on) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (paused_ && readNotifier_ != nullptr) readNotifier_->setEnabled(false);
        },
        Qt::QueuedConnection);
  }
  // Input that arrived before the pause and was not parsed yet is offered again.
  if (on && socket_->bytesAvailable() > 0) {
    QMetaObject::invokeMethod(
        socket_,
        [socket = QPointer<QTcpSocket>(socket_)] {
          if (socket != nullptr && socket->bytesAvailable() > 0) Q_EMIT socket->readyRead();
        },
        Qt::QueuedConnection);
  }
}

namespace {

// The body length a request head announces: 0 when none, nothing when it cannot be told.
std::optional<qint64> BodyLength(const QByteArray& head) {
  qint64 length = 0;
  for (const QByteArray& line : head.split('\n')) {
    const QByteArray l = line.trimmed().toLower();
    if (l.startsWith("transfer-encoding:")) return std::nullopt;
    if (l.startsWith("content-length:")) {
      bool ok = false;
      length = l.mid(15).trimmed().toLongLong(&ok);
      if (!ok || length < 0) return std::nullopt;
    }
  }
  return length;
}

}  // namespace

// Runs before the HTTP layer takes the new input: follows the requests in it.
void ConnectionGate::ScanInput() {
  if (lost_) return;
  const QByteArray fresh = socket_->peek(socket_->bytesAvailable());
  qsizetype i = 0;
  while (i < fresh.size()) {
    if (bodyLeft_ > 0) {
      const qint64 skip = std::min<qint64>(bodyLeft_, fresh.size() - i);
      bodyLeft_ -= skip;
      i += skip;
      continue;
    }
    head_ += fresh[i++];
    if (head_ == "\r\n" || head_ == "\n") {  // blank lines between requests
      head_.clear();
      continue;
    }
    if (head_.endsWith("\n\n") || head_.endsWith("\n\r\n")) {
      const auto length = BodyLength(head_);
      head_.clear();
      if (!length) {
        // A body of unknown length (chunked, or a length that is no number): the program
        // never sends one, and the requests behind it could not be followed.
        Refuse(
            "HTTP/1.1 411 Length Required\r\nContent-Type: text/plain\r\n"
            "Content-Length: 23\r\nConnection: close\r\n\r\nsend a Content-Length\r\n");
        return;
      }
      bodyLeft_ = *length;
      if (++requestsSeen_ - requestsTaken_ > kMaxRequestsAhead) {
        Refuse({});
        return;
      }
    } else if (head_.size() > kMaxRequestHead) {
      Refuse(
          "HTTP/1.1 431 Request Header Fields Too Large\r\nContent-Type: text/plain\r\n"
          "Content-Length: 24\r\nConnection: close\r\n\r\nrequest head too large\r\n");
      return;
    }
  }
}

// Ends the connection, with a last reply or none; what it sent is never parsed.
void ConnectionGate::Refuse(const QByteArray& reply) {
  lost_ = true;
  if (reply.isEmpty()) {
    socket_->abort();
    return;
  }
  socket_->write(reply);
  socket_->disconnectFromHost();
}

}  // namespace zendral::server
