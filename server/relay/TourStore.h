#pragma once
// The tournament's data in the server's database: the players' tournament records (score,
// kons, rating) and the twenty seats of the ten tables. The service books and frees seats
// here, the relay reads who sits where and books each table's result.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "protocol/Keys.h"
#include "relay/RelayTable.h"

namespace zendral::server {
class Database;
}

namespace zendral::server::relay {

inline constexpr int kTables = protocol::kTourTables;
inline constexpr int kStartRating = 1500;
inline constexpr int kEloFactor = 32;

// The schema step that adds the tournament's tables.
QStringList TournamentSchema(const Database& db);

struct TourPlayer {
  int score = 0;
  int kons = 0;
  int rating = kStartRating;
};

// One seat as listed: "X" for nobody.
struct SeatRow {
  int table = 0;
  int seat = 0;
  QString nick = QStringLiteral("X");
  TourPlayer player;
  QString country = QStringLiteral("X");
  QString city = QStringLiteral("X");
  QString sex = QStringLiteral("M");
  QString ip = QStringLiteral("X");
  QString address;    // where the booking came from: the relay takes this seat's
                      // connection only from there
  qint64 booked = 0;  // seconds since the epoch
  bool playing = false;
  bool Free() const { return nick == QLatin1String("X"); }
};

// The nick's record; a member who has not played yet has the starting record. Nothing on a
// database error.
std::optional<TourPlayer> ReadTourPlayer(Database& db, const QString& nick);

// All twenty seats, table by table; nothing on a database error.
std::optional<QList<SeatRow>> ReadSeats(Database& db);
std::optional<SeatRow> ReadSeat(Database& db, int table, int seat);

// The outcome of a booking.
enum class BookOutcome { kBooked, kTaken, kRefused };
// Books a free seat for the nick in one statement, so that of two bookings racing for one
// seat (also from two servers over one database) exactly one wins. Seat 2 only beside a
// taken seat 1; one seat per nick; never at a table in play.
BookOutcome BookSeat(Database& db, const SeatRow& row);
// Frees the seat when the nick holds it and the table is not in play.
bool LeaveSeat(Database& db, int table, int seat, const QString& nick);

// The relay's side: the table starts its kon, a seat that left before the deal, the end.
bool MarkPlaying(Database& db, int table);
// Frees the seat while the nick still holds it (a new booking made meanwhile stays).
bool FreeSeat(Database& db, int table, int seat, const QString& nick);
bool FreeTable(Database& db, int table);
// A player alone at a table (the other seat free, no kon in play) keeps his seat for
// waitSeconds from its booking: the seconds still left of that at now (0 once it is over), or
// nothing when the seat is not waiting alone.
std::optional<qint64> LoneWaitLeft(const SeatRow& seat, const SeatRow& other, qint64 now,
                                   int waitSeconds);

// Seats booked before the cutoff that no connection took up are freed; with startUp every
// seat left in play by an earlier run of the relay too.
void SweepSeats(Database& db, qint64 bookedBefore, const QList<QPair<int, int>>& joined);

// The new ratings after a game between ratings a and b (Elo, factor 32), winner 1 or 2.
std::pair<int, int> EloAfter(int a, int b, int winner);
// Books a table's result on both players' records in one transaction.
bool BookTableResult(Database& db, const TableResult& result);

// Tournament top ten by 's' score, 'r' rating or 'k' kons: records "Place Nick City Country
// Sex Value"; and the place a value would take.
std::optional<QList<QStringList>> TopTen(Database& db, char criterion);
std::optional<qint64> PlaceOf(Database& db, char criterion, qint64 value);

}  // namespace zendral::server::relay
