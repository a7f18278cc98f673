#pragma once
// A tiny HTTP server on loopback for the stream tests: a playlist page, MP3 tracks with their
// length, an endless MP3 stream sent a little at a time as an internet radio station sends
// it, an address that closes the connection at once, and one that never answers.

#include <QByteArray>
#include <QHostAddress>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <map>

#include "AudioTestData.h"

namespace zendral::audio::test {

// One second of a 440 Hz tone, encoded with lame; empty when lame is missing or fails.
inline QByteArray MakeToneMp3(const std::filesystem::path& folder) {
  if (std::string(ZENDRAL_LAME).empty()) return {};
  const int rate = 22050;
  Bytes wav = MakeWav(1, rate, 16, 0);
  Bytes samples;
  for (int i = 0; i < rate; ++i) {
    const double x = 12000.0 * std::sin(2.0 * 3.141592653589793 * 440.0 * i / rate);
    Put(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(x)), 2);
  }
  // Patch the RIFF and data lengths of the empty WAV for its new data.
  Put(wav, 0, 0);
  const std::uint32_t data = static_cast<std::uint32_t>(samples.size());
  for (int k = 0; k < 4; ++k) {
    wav[4 + k] = static_cast<std::byte>(((36 + data) >> (8 * k)) & 0xFF);
    wav[40 + k] = static_cast<std::byte>((data >> (8 * k)) & 0xFF);
  }
  wav.insert(wav.end(), samples.begin(), samples.end());
  const auto in = folder / "tone.wav";
  const auto out = folder / "tone.mp3";
  std::ofstream(in, std::ios::binary)
      .write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
  QProcess lame;
  lame.start(ZENDRAL_LAME, {"--quiet", "-b", "32", QString::fromStdString(in.string()),
                            QString::fromStdString(out.string())});
  if (!lame.waitForFinished(30000) || lame.exitCode() != 0) return {};
  std::ifstream mp3(out, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(mp3)), std::istreambuf_iterator<char>());
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class LoopbackMusicServer {
 public:
  explicit LoopbackMusicServer(QByteArray mp3) : mp3_(std::move(mp3)) {
    server_.listen(QHostAddress::LocalHost, 0);
    port_ = server_.serverPort();
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket,
                         [this, socket] { Answer(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  QUrl Base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port_)); }
  void SetPage(const QByteArray& page) { page_ = page; }

 private:
  void Answer(QTcpSocket* socket) {
    QByteArray& head = heads_[socket];
    head += socket->readAll();
    if (!head.contains("\r\n\r\n")) return;
    const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = words.size() > 1 ? QString::fromUtf8(words[1]) : QString();
    heads_.erase(socket);
    if (path == QLatin1String("/musik/_playlist.html")) {
      Send(socket, "text/html; charset=utf-8", page_);
    } else if (path.startsWith(QLatin1String("/musik/"))) {
      Send(socket, "audio/mpeg", mp3_);
    } else if (path == QLatin1String("/radio/test")) {
      // Endless: the same track again and again, a slice every 100 ms.
      socket->write("HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-name: test\r\n\r\n");
      auto* timer = new QTimer(socket);
      auto at = std::make_shared<qsizetype>(0);
      QObject::connect(timer, &QTimer::timeout, socket, [this, socket, at] {
        const qsizetype slice = 2000;
        for (qsizetype left = slice; left > 0;) {
          const qsizetype n = std::min(left, mp3_.size() - *at);
          socket->write(mp3_.constData() + *at, n);
          *at = (*at + n) % mp3_.size();
          left -= n;
        }
      });
      timer->start(100);
    } else if (path == QLatin1String("/silent")) {
      // A station that takes the connection and never answers.
    } else {
      socket->disconnectFromHost();  // a dead station
    }
  }
  static void Send(QTcpSocket* socket, const char* type, const QByteArray& body) {
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + QByteArray(type) + "\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  quint16 port_ = 0;
  QByteArray mp3_;
  QByteArray page_;
  std::map<QTcpSocket*, QByteArray> heads_;
};

// The server on a thread of its own, as a real one would be: the test's thread may wait on
// the player while the server goes on sending.
class LoopbackMusicThread {
 public:
  LoopbackMusicThread(QByteArray mp3, QByteArray page = {}) {
    thread_.start();
    QMetaObject::invokeMethod(
        &anchor_,
        [&] {
          server_ = new LoopbackMusicServer(std::move(mp3));
          server_->SetPage(page);
        },
        Qt::BlockingQueuedConnection);
  }
  ~LoopbackMusicThread() {
    QMetaObject::invokeMethod(
        &anchor_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
  }
  QUrl Base() const { return server_->Base(); }

 private:
  struct Anchor : QObject {
    explicit Anchor(QThread& t) { moveToThread(&t); }
  };
  QThread thread_;
  Anchor anchor_{thread_};
  LoopbackMusicServer* server_ = nullptr;
};

}  // namespace zendral::audio::test
