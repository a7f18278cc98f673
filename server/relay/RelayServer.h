#pragma once
// The relay of the ten tournament tables on Qt sockets: table k listens on the base port + k.
// A connection becomes a seat with its "connect" + seat frame when the service has that seat
// booked from the connection's address; the bytes of a seat are cut into 20-byte frames (also
// when a frame arrives in pieces) and fed to the table, and what the table says goes back out.
// The relay books each table's result and frees its seats in the database.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "relay/RelayTable.h"

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace zendral::server {
class Database;
}

namespace zendral::server::relay {

struct RelayOptions {
  QHostAddress address = QHostAddress::LocalHost;
  quint16 basePort = 25700;
  std::int64_t moveLimitMs = 40000;    // a seat silent this long in turn loses the table
  std::int64_t joinLimitMs = 10000;    // a connection that has not said "connect" is closed
  qint64 unjoinedBookingSeconds = 60;  // a booking nobody connects to is freed after this
  int waitSeconds = 300;               // a player waiting alone at a table keeps his seat this long
};

// A deck shuffled with the operating system's secure random source.
Deck SecureDeck();

class RelayServer : public QObject {
 public:
  RelayServer(Database& db, RelayOptions options, QObject* parent = nullptr);
  ~RelayServer() override;

  bool Start(QString* error);
  const RelayTable& Table(int k) const { return *tables_[static_cast<std::size_t>(k - 1)]; }

 private:
  struct Connection {
    QTcpSocket* socket = nullptr;
    int table = 0;
    int seat = 0;        // 0 until its "connect" frame was taken
    QByteArray pending;  // bytes of a frame not yet complete
    std::int64_t opened = 0;
  };

  void Accept(int table);
  void Read(Connection* c);
  void Join(Connection* c, const QByteArray& frame);
  void Closed(Connection* c);
  void Pump(int table);
  void Tick();
  // Lets go of the joined seats of waiting tables that the database no longer gives them, or
  // whose player has waited alone past the limit.
  void ReleaseWaitingSeats();
  void Drop(Connection* c);
  // Refused connections are counted and written to the log at most once a minute.
  void NoteRefusal(int table, const QString& from);
  Connection* SeatConnection(int table, int seat);
  std::int64_t Now() const { return clock_.elapsed(); }

  Database& db_;
  RelayOptions options_;
  QElapsedTimer clock_;
  std::array<std::unique_ptr<RelayTable>, 10> tables_;
  std::array<QTcpServer*, 10> listeners_{};
  QList<Connection*> connections_;
  QTimer* timer_ = nullptr;
  std::int64_t lastSweep_ = 0;
  int refusals_ = 0;  // since the last log line about them
  std::int64_t lastRefusalLog_ = -1;
};

}  // namespace zendral::server::relay
