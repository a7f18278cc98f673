#include "relay/TourStore.h"

#include <QDateTime>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

#include "Database.h"
#include "Fields.h"
#include "ServerLog.h"
#include "protocol/Keys.h"

namespace zendral::server::relay {
namespace {

const QString kSeatColumns = QStringLiteral(
    "tbl, seat, nick, score, kon, rating, country, city, sex, ip, addr, booked, playing");

SeatRow ReadSeatRow(QSqlQuery& q) {
  SeatRow r;
  r.table = q.value(0).toInt();
  r.seat = q.value(1).toInt();
  r.nick = q.value(2).toString();
  r.player = {q.value(3).toInt(), q.value(4).toInt(), q.value(5).toInt()};
  r.country = q.value(6).toString();
  r.city = q.value(7).toString();
  r.sex = q.value(8).toString();
  r.ip = q.value(9).toString();
  r.address = q.value(10).toString();
  r.booked = q.value(11).toLongLong();
  r.playing = q.value(12).toInt() != 0;
  return r;
}

// Freeing writes the "nobody" record.
const QString kFreeSet = QStringLiteral(
    "UPDATE tour_seats SET nick = 'X', score = 0, kon = 0, rating = 0, country = 'X',"
    " city = 'X', sex = 'M', ip = 'X', addr = '', booked = 0, playing = 0");

const char* Column(char criterion) {
  switch (criterion) {
    case protocol::kByRating:
      return "rating";
    case protocol::kByKons:
      return "kons";
    default:
      return "score";
  }
}

}  // namespace

QStringList TournamentSchema(const Database&) {
  QStringList seats;
  for (int table = 1; table <= kTables; ++table) {
    for (int seat = 1; seat <= 2; ++seat) seats << QStringLiteral("(%1, %2)").arg(table).arg(seat);
  }
  return {
      // The tournament record of every member who has played at a table.
      "CREATE TABLE tour_players (nick TEXT PRIMARY KEY, score INTEGER NOT NULL DEFAULT 0,"
      " kons INTEGER NOT NULL DEFAULT 0, rating INTEGER NOT NULL DEFAULT 1500)",
      // The seats of the ten tables; nick 'X' is a free seat. addr is where the booking came
      // from; playing marks a table whose kon the relay is running.
      "CREATE TABLE tour_seats (tbl INTEGER NOT NULL, seat INTEGER NOT NULL,"
      " nick TEXT NOT NULL DEFAULT 'X', score INTEGER NOT NULL DEFAULT 0,"
      " kon INTEGER NOT NULL DEFAULT 0, rating INTEGER NOT NULL DEFAULT 0,"
      " country TEXT NOT NULL DEFAULT 'X', city TEXT NOT NULL DEFAULT 'X',"
      " sex TEXT NOT NULL DEFAULT 'M', ip TEXT NOT NULL DEFAULT 'X',"
      " addr TEXT NOT NULL DEFAULT '', booked BIGINT NOT NULL DEFAULT 0,"
      " playing INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (tbl, seat))",
      // One seat per member, whatever the race.
      "CREATE UNIQUE INDEX tour_seats_nick ON tour_seats (nick) WHERE nick <> 'X'",
      "INSERT INTO tour_seats (tbl, seat) VALUES " + seats.join(QStringLiteral(", ")),
  };
}

std::optional<TourPlayer> ReadTourPlayer(Database& db, const QString& nick) {
  QSqlQuery* q = db.Run(QStringLiteral("SELECT p.score, p.kons, p.rating, a.nick FROM accounts a"
                                       " LEFT JOIN tour_players p ON p.nick = a.nick"
                                       " WHERE a.nick = ?"),
                        {nick});
  if (q == nullptr || !q->next()) return std::nullopt;
  TourPlayer p;
  if (!q->value(0).isNull()) p = {q->value(0).toInt(), q->value(1).toInt(), q->value(2).toInt()};
  q->finish();
  return p;
}

std::optional<QList<SeatRow>> ReadSeats(Database& db) {
  QSqlQuery* q =
      db.Run(QStringLiteral("SELECT ") + kSeatColumns + " FROM tour_seats ORDER BY tbl, seat");
  if (q == nullptr) return std::nullopt;
  QList<SeatRow> rows;
  while (q->next()) rows << ReadSeatRow(*q);
  q->finish();
  return rows;
}

std::optional<SeatRow> ReadSeat(Database& db, int table, int seat) {
  QSqlQuery* q = db.Run(
      QStringLiteral("SELECT ") + kSeatColumns + " FROM tour_seats WHERE tbl = ? AND seat = ?",
      {table, seat});
  if (q == nullptr || !q->next()) return std::nullopt;
  SeatRow r = ReadSeatRow(*q);
  q->finish();
  return r;
}

BookOutcome BookSeat(Database& db, const SeatRow& r) {
  // One seat per member: a second booking of the same nick is refused before it can trip
  // the index (which still guards the race between two servers).
  QSqlQuery* q = db.Run(QStringLiteral("SELECT 1 FROM tour_seats WHERE nick = ?"), {r.nick});
  if (q == nullptr) return BookOutcome::kRefused;
  const bool seated = q->next();
  q->finish();
  if (seated) return BookOutcome::kRefused;
  // The whole check is inside the one statement: the row is taken only while it is still
  // free, so of two racing bookings the database lets one through.
  q = db.Run(
      QStringLiteral("UPDATE tour_seats SET nick = ?, score = ?, kon = ?, rating = ?, country = ?,"
                     " city = ?, sex = ?, ip = ?, addr = ?, booked = ?"
                     " WHERE tbl = ? AND seat = ? AND nick = 'X' AND playing = 0 AND (seat = 1 OR"
                     " EXISTS (SELECT 1 FROM tour_seats t1 WHERE t1.tbl = ? AND t1.seat = 1"
                     " AND t1.nick <> 'X'))"),
      {r.nick, r.player.score, r.player.kons, r.player.rating, r.country, r.city, r.sex, r.ip,
       r.address, QDateTime::currentSecsSinceEpoch(), r.table, r.seat, r.table});
  if (q != nullptr && q->numRowsAffected() == 1) return BookOutcome::kBooked;
  const auto now = ReadSeat(db, r.table, r.seat);
  if (now && !now->Free() && now->nick != r.nick) return BookOutcome::kTaken;
  return BookOutcome::kRefused;
}

bool LeaveSeat(Database& db, int table, int seat, const QString& nick) {
  QSqlQuery* q = db.Run(kFreeSet + " WHERE tbl = ? AND seat = ? AND nick = ? AND playing = 0",
                        {table, seat, nick});
  return q != nullptr && q->numRowsAffected() == 1;
}

bool MarkPlaying(Database& db, int table) {
  return db.Run(QStringLiteral("UPDATE tour_seats SET playing = 1 WHERE tbl = ?"), {table}) !=
         nullptr;
}

bool FreeSeat(Database& db, int table, int seat, const QString& nick) {
  return db.Run(kFreeSet + " WHERE tbl = ? AND seat = ? AND nick = ? AND playing = 0",
                {table, seat, nick}) != nullptr;
}

bool FreeTable(Database& db, int table) {
  return db.Run(kFreeSet + " WHERE tbl = ?", {table}) != nullptr;
}

std::optional<qint64> LoneWaitLeft(const SeatRow& seat, const SeatRow& other, qint64 now,
                                   int waitSeconds) {
  if (seat.Free() || !other.Free() || seat.playing || other.playing) return std::nullopt;
  return std::clamp<qint64>(seat.booked + waitSeconds - now, 0, waitSeconds);
}

void SweepSeats(Database& db, qint64 bookedBefore, const QList<QPair<int, int>>& joined) {
  QSqlQuery* q = db.Run(QStringLiteral("SELECT tbl, seat FROM tour_seats WHERE nick <> 'X'"
                                       " AND playing = 0 AND booked < ?"),
                        {bookedBefore});
  if (q == nullptr) return;
  QList<QPair<int, int>> stale;
  while (q->next()) {
    const QPair<int, int> seat{q->value(0).toInt(), q->value(1).toInt()};
    if (!joined.contains(seat)) stale << seat;
  }
  q->finish();
  for (const auto& [table, seat] : stale) {
    // Freed only while still as it was: a new booking in between stays.
    db.Run(kFreeSet + " WHERE tbl = ? AND seat = ? AND playing = 0 AND booked < ?",
           {table, seat, bookedBefore});
  }
}

std::pair<int, int> EloAfter(int a, int b, int winner) {
  const double expectedA = 1.0 / (1.0 + std::pow(10.0, (b - a) / 400.0));
  const double scoreA = winner == 1 ? 1.0 : 0.0;
  const int change = static_cast<int>(std::lround(kEloFactor * (scoreA - expectedA)));
  return {a + change, b - change};
}

bool BookTableResult(Database& db, const TableResult& r) {
  Transaction t(db);
  if (!t.Ok()) return false;
  std::array<int, 2> rating{kStartRating, kStartRating};
  for (int i = 0; i < 2; ++i) {
    const QString nick = QString::fromStdString(r.nicks[static_cast<std::size_t>(i)]);
    if (db.Run(QStringLiteral("INSERT INTO tour_players (nick, score, kons, rating)"
                              " VALUES (?, 0, 0, ?) ON CONFLICT (nick) DO NOTHING"),
               {nick, kStartRating}) == nullptr) {
      return false;
    }
    QSqlQuery* q = db.Run(
        QStringLiteral("SELECT rating FROM tour_players WHERE nick = ?") + db.ForUpdate(), {nick});
    if (q == nullptr || !q->next()) return false;
    rating[static_cast<std::size_t>(i)] = q->value(0).toInt();
    q->finish();
  }
  const auto [a, b] = EloAfter(rating[0], rating[1], r.winner);
  const int after[2] = {a, b};
  for (int i = 0; i < 2; ++i) {
    if (db.Run(QStringLiteral("UPDATE tour_players SET score = score + ?, kons = kons + 1,"
                              " rating = ? WHERE nick = ?"),
               {r.scores[static_cast<std::size_t>(i)], after[i],
                QString::fromStdString(r.nicks[static_cast<std::size_t>(i)])}) == nullptr) {
      return false;
    }
  }
  return t.Commit();
}

std::optional<QList<QStringList>> TopTen(Database& db, char criterion) {
  const QString column = QString::fromLatin1(Column(criterion));
  QSqlQuery* q = db.Run(QStringLiteral("SELECT p.nick, a.city, a.country2, a.sex, p.") + column +
                        QStringLiteral(" FROM tour_players p JOIN accounts a ON a.nick = p.nick"
                                       " WHERE p.kons > 0 ORDER BY p.") +
                        column + QStringLiteral(" DESC, p.nick LIMIT 10"));
  if (q == nullptr) return std::nullopt;
  QList<QStringList> rows;
  qint64 previous = 0;
  int place = 0;
  while (q->next()) {
    const qint64 value = q->value(4).toLongLong();
    // Equal values share a place, as the place request counts them.
    if (rows.isEmpty() || value != previous) place = static_cast<int>(rows.size()) + 1;
    previous = value;
    rows << QStringList{QString::number(place),
                        q->value(0).toString(),
                        CleanText(q->value(1).toString(), 15, true),
                        CleanText(q->value(2).toString(), 20, true),
                        CleanText(q->value(3).toString(), 1, true),
                        QString::number(value)};
  }
  q->finish();
  return rows;
}

std::optional<qint64> PlaceOf(Database& db, char criterion, qint64 value) {
  QSqlQuery* q = db.Run(QStringLiteral("SELECT COUNT(*) FROM tour_players WHERE kons > 0 AND ") +
                            QString::fromLatin1(Column(criterion)) + QStringLiteral(" > ?"),
                        {value});
  if (q == nullptr || !q->next()) return std::nullopt;
  const qint64 above = q->value(0).toLongLong();
  q->finish();
  return above + 1;
}

}  // namespace zendral::server::relay
