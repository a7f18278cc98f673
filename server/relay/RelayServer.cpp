#include "relay/RelayServer.h"

#include <QDateTime>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sodium.h>

#include "Database.h"
#include "ServerLog.h"
#include "net/RelayFrame.h"
#include "protocol/TableWords.h"
#include "relay/TourStore.h"

namespace zendral::server::relay {
namespace {

constexpr int kTickMs = 200;
constexpr std::int64_t kSweepMs = 5000;

// "127.0.0.1" also for an IPv4 address seen on a dual-stack socket.
QString PlainAddress(const QHostAddress& address) {
  bool v4 = false;
  const quint32 ip = address.toIPv4Address(&v4);
  return v4 ? QHostAddress(ip).toString() : address.toString();
}

}  // namespace

Deck SecureDeck() {
  Deck deck;
  for (int position = 1; position <= kDeckSize; ++position)
    deck[position] = CardFromNumber(position);
  // Fisher-Yates with unbiased draws from the system's secure generator.
  for (int position = kDeckSize; position > 1; --position) {
    const int other = 1 + static_cast<int>(randombytes_uniform(static_cast<uint32_t>(position)));
    std::swap(deck[position], deck[other]);
  }
  return deck;
}

RelayServer::RelayServer(Database& db, RelayOptions options, QObject* parent)
    : QObject(parent), db_(db), options_(std::move(options)) {
  for (int k = 1; k <= kTables; ++k) {
    tables_[static_cast<std::size_t>(k - 1)] =
        std::make_unique<RelayTable>(k, options_.moveLimitMs, SecureDeck);
  }
}

RelayServer::~RelayServer() {
  for (Connection* c : std::as_const(connections_)) {
    c->socket->disconnect(this);
    delete c;
  }
}

bool RelayServer::Start(QString* error) {
  if (sodium_init() < 0) {
    *error = QStringLiteral("the secure random source is not available");
    return false;
  }
  clock_.start();
  for (int k = 1; k <= kTables; ++k) {
    auto* listener = new QTcpServer(this);
    const quint16 port = static_cast<quint16>(options_.basePort + k);
    if (!listener->listen(options_.address, port)) {
      *error = QStringLiteral("the relay of table %1 cannot listen on %2:%3: %4")
                   .arg(k)
                   .arg(options_.address.toString())
                   .arg(port)
                   .arg(listener->errorString());
      return false;
    }
    connect(listener, &QTcpServer::newConnection, this, [this, k] { Accept(k); });
    listeners_[static_cast<std::size_t>(k - 1)] = listener;
  }
  // Tables an earlier run left in play have lost their connections with it.
  for (int k = 1; k <= kTables; ++k) {
    if (const auto seat = ReadSeat(db_, k, 1); seat && seat->playing) FreeTable(db_, k);
  }
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
  timer_->start(kTickMs);
  return true;
}

void RelayServer::Accept(int table) {
  QTcpServer* listener = listeners_[static_cast<std::size_t>(table - 1)];
  while (QTcpSocket* socket = listener->nextPendingConnection()) {
    auto* c = new Connection{socket, table, 0, {}, Now()};
    connections_ << c;
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this, c] { Read(c); });
    connect(socket, &QTcpSocket::disconnected, this, [this, c] { Closed(c); });
  }
}

void RelayServer::Read(Connection* c) {
  c->pending += c->socket->readAll();
  // Whole frames only: a frame split over two reads waits for its rest.
  while (c->socket != nullptr && c->pending.size() >= qsizetype(net::kRelayFrameLength)) {
    const QByteArray frame = c->pending.left(net::kRelayFrameLength);
    c->pending.remove(0, net::kRelayFrameLength);
    if (c->seat == 0) {
      Join(c, frame);
      if (c->seat == 0) return;
      continue;
    }
    RelayTable& t = *tables_[static_cast<std::size_t>(c->table - 1)];
    t.Frame(c->seat, std::string_view(frame.constData(), frame.size()), Now());
    Pump(c->table);
  }
}

void RelayServer::NoteRefusal(int table, const QString& from) {
  ++refusals_;
  const std::int64_t now = Now();
  if (lastRefusalLog_ >= 0 && now - lastRefusalLog_ < 60000) return;
  LogLine(QStringLiteral("relay: %1 connection(s) refused since the last such line, the latest"
                         " from %2 at table %3")
              .arg(refusals_)
              .arg(from)
              .arg(table));
  refusals_ = 0;
  lastRefusalLog_ = now;
}

void RelayServer::Join(Connection* c, const QByteArray& frame) {
  const auto parsed = net::ParseRelayFrame(std::string_view(frame.constData(), frame.size()));
  const std::string payload = parsed ? parsed->payload : std::string();
  const int seat = payload == protocol::table::RelayJoin(1)   ? 1
                   : payload == protocol::table::RelayJoin(2) ? 2
                                                              : 0;
  RelayTable& t = *tables_[static_cast<std::size_t>(c->table - 1)];
  const auto booked = seat != 0 ? ReadSeat(db_, c->table, seat) : std::nullopt;
  const QString from = PlainAddress(c->socket->peerAddress());
  // Only the booked player's own address may take the seat, and only once.
  if (!booked || booked->Free() || booked->address != from ||
      SeatConnection(c->table, seat) != nullptr ||
      !t.Join(seat, booked->nick.toStdString(), Now())) {
    NoteRefusal(c->table, from);
    Drop(c);
    return;
  }
  c->seat = seat;
  if (t.stage() == RelayTable::Stage::kKon) {
    MarkPlaying(db_, c->table);
    LogLine(QStringLiteral("relay: table %1 deals for %2 and %3")
                .arg(c->table)
                .arg(QString::fromStdString(t.Nick(1)), QString::fromStdString(t.Nick(2))));
  }
  Pump(c->table);
}

RelayServer::Connection* RelayServer::SeatConnection(int table, int seat) {
  for (Connection* c : std::as_const(connections_)) {
    if (c->table == table && c->seat == seat && c->socket != nullptr) return c;
  }
  return nullptr;
}

void RelayServer::Closed(Connection* c) {
  const int table = c->table;
  const int seat = c->seat;
  Drop(c);
  if (seat != 0) {
    tables_[static_cast<std::size_t>(table - 1)]->Leave(seat, Now());
    Pump(table);
  }
}

// Lets go of a connection: no more events from it; the socket closes once its output is out.
void RelayServer::Drop(Connection* c) {
  if (c->socket != nullptr) {
    QTcpSocket* socket = c->socket;
    socket->disconnect(this);
    c->socket = nullptr;
    c->seat = 0;
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
      socket->deleteLater();
    } else {
      socket->disconnectFromHost();
    }
  }
  connections_.removeOne(c);
  // Read() may still be on its way out of this connection's loop.
  QTimer::singleShot(0, this, [c] { delete c; });
}

void RelayServer::Pump(int table) {
  RelayTable& t = *tables_[static_cast<std::size_t>(table - 1)];
  for (const RelayOutput& o : t.TakeOutput()) {
    Connection* c = SeatConnection(table, o.seat);
    if (c == nullptr) continue;
    if (o.kind == RelayOutput::Kind::kSend) {
      c->socket->write(o.bytes.data(), static_cast<qint64>(o.bytes.size()));
    } else {
      Drop(c);
    }
  }
  for (const auto& [seat, nick] : t.TakeFreedSeats()) {
    FreeSeat(db_, table, seat, QString::fromStdString(nick));
  }
  if (const auto result = t.TakeResult()) {
    const bool booked = BookTableResult(db_, *result);
    LogLine(QStringLiteral("relay: table %1: %2 %3, %4 %5, winner seat %6%7")
                .arg(table)
                .arg(QString::fromStdString(result->nicks[0]))
                .arg(result->scores[0])
                .arg(QString::fromStdString(result->nicks[1]))
                .arg(result->scores[1])
                .arg(result->winner)
                .arg(booked ? QString() : QStringLiteral(" (NOT BOOKED)")));
  }
  if (t.stage() == RelayTable::Stage::kClosed) {
    FreeTable(db_, table);
    t.Reset();
  }
}

void RelayServer::Tick() {
  const std::int64_t now = Now();
  for (int k = 1; k <= kTables; ++k) {
    tables_[static_cast<std::size_t>(k - 1)]->Tick(now);
    Pump(k);
  }
  for (Connection* c : QList<Connection*>(connections_)) {
    if (c->seat == 0 && now - c->opened > options_.joinLimitMs) Drop(c);
  }
  if (now - lastSweep_ >= kSweepMs) {
    lastSweep_ = now;
    QList<QPair<int, int>> joined;
    for (const Connection* c : std::as_const(connections_)) {
      if (c->seat != 0) joined << QPair<int, int>{c->table, c->seat};
    }
    SweepSeats(db_, QDateTime::currentSecsSinceEpoch() - options_.unjoinedBookingSeconds, joined);
    ReleaseWaitingSeats();
  }
}

void RelayServer::ReleaseWaitingSeats() {
  const auto seats = ReadSeats(db_);
  if (!seats || seats->size() != 2 * kTables) return;
  const qint64 wall = QDateTime::currentSecsSinceEpoch();
  for (int k = 1; k <= kTables; ++k) {
    RelayTable& t = *tables_[static_cast<std::size_t>(k - 1)];
    if (t.stage() != RelayTable::Stage::kSeating) continue;
    for (int seat : {1, 2}) {
      if (!t.Joined(seat)) continue;
      const SeatRow& mine = (*seats)[2 * (k - 1) + seat - 1];
      const SeatRow& other = (*seats)[2 * (k - 1) + (seat == 1 ? 1 : 0)];
      const bool booked = !mine.Free() && mine.nick.toStdString() == t.Nick(seat);
      const auto left = LoneWaitLeft(mine, other, wall, options_.waitSeconds);
      if (booked && (!left || *left > 0)) continue;
      LogLine(QStringLiteral("relay: table %1 lets seat %2 (%3) go: %4")
                  .arg(k)
                  .arg(seat)
                  .arg(QString::fromStdString(t.Nick(seat)),
                       booked ? QStringLiteral("nobody came within the waiting time")
                              : QStringLiteral("the seat was given back")));
      // Before the deal a seat that leaves is freed and its connection closed.
      t.Leave(seat, Now());
      Pump(k);
    }
  }
}

}  // namespace zendral::server::relay
