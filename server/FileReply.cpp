#include "FileReply.h"

#include <QFile>
#include <QPointer>
#include <QTcpSocket>

#include <memory>

#include "ConnectionGate.h"

namespace zendral::server {
namespace {

constexpr qint64 kChunk = 64 * 1024;
// The file is read on only while less than this waits in the socket.
constexpr qint64 kRefillBelow = 128 * 1024;

// Lives on the socket for the time of one file; gone with the socket or at the file's end.
class FileStream : public QObject {
 public:
  FileStream(QTcpSocket* socket, std::unique_ptr<QFile> file)
      : QObject(socket), socket_(socket), file_(std::move(file)) {
    if (ConnectionGate* gate = ConnectionGate::Of(socket)) gate->Hold();
    connect(socket, &QTcpSocket::bytesWritten, this, [this] { Pump(); });
    Pump();
  }

 private:
  void Pump() {
    while (socket_->bytesToWrite() < kRefillBelow) {
      const QByteArray chunk = file_->read(kChunk);
      if (chunk.isEmpty()) {  // the end, or a read error: either way the reply is over
        Finish();
        return;
      }
      socket_->write(chunk);
    }
  }
  void Finish() {
    disconnect(socket_, nullptr, this, nullptr);
    if (ConnectionGate* gate = ConnectionGate::Of(socket_)) gate->Release();
    deleteLater();
  }

  QTcpSocket* socket_;
  std::unique_ptr<QFile> file_;
};

}  // namespace

bool StreamFile(QHttpServerResponder& responder, const QString& path, const QByteArray& type,
                bool headOnly) {
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly)) return false;
  QTcpSocket* socket = responder.socket();
  responder.writeStatusLine(QHttpServerResponder::StatusCode::Ok);
  responder.writeHeader("Content-Type", type);
  responder.writeHeader("Content-Length", QByteArray::number(file->size()));
  responder.writeBody(QByteArray());  // the end of the head
  if (!headOnly && file->size() > 0) new FileStream(socket, std::move(file));
  return true;
}

}  // namespace zendral::server
