#pragma once
// What one HTTP connection may cost the server. Its unsent output is bounded: past the bound
// the connection is not read (no further request of it is parsed or answered) until the
// player's side has taken most of it. While a reply is still being made for it (a password
// check on a worker, a file streamed from disk) it is not read either, so its replies go out
// whole and in order. A request head that does not end within a few kilobytes is answered
// 431 and the connection closed, and so is a connection that sends many requests ahead of
// their replies: the HTTP layer would parse them all into memory at once.
//
// The HTTP layer reads a connection whenever its socket says there is input; the gate stops
// that at the source, by switching off the socket's read notifier, and switches it on again.

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTcpSocket>

namespace zendral::server {

inline constexpr qint64 kOutputBound = 1024 * 1024;
inline constexpr qint64 kMaxRequestHead = 16 * 1024;
inline constexpr int kMaxRequestsAhead = 16;

class ConnectionGate : public QObject {
 public:
  // Puts a gate on a new connection (before the HTTP layer connects to it).
  static void Attach(QTcpSocket* socket);
  // The gate of a connection, or null.
  static ConnectionGate* Of(QTcpSocket* socket);

  // A reply is being made for the connection; Release when it has been written.
  void Hold();
  void Release();
  // After a reply was written: pauses the connection while its output is past the bound.
  void Update();
  // A whole request was taken from the connection: the next head starts.
  void RequestTaken();

  bool Paused() const { return paused_; }

 private:
  explicit ConnectionGate(QTcpSocket* socket);
  void ScanInput();
  void SetReading(bool on);

  QTcpSocket* socket_;
  QPointer<QSocketNotifier> readNotifier_;
  int holds_ = 0;
  bool paused_ = false;
  void Refuse(const QByteArray& reply);
  // The requests in the input so far, followed by their heads and lengths: the head being
  // read, or how many body bytes are still to come. lost_ once the connection is refused.
  QByteArray head_;
  qint64 bodyLeft_ = 0;
  bool lost_ = false;
  int requestsSeen_ = 0;
  int requestsTaken_ = 0;
};

}  // namespace zendral::server
