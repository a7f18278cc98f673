// The schema of the server's database and its migrations. Each version is a list of
// statements; a database records the version it has reached in schema_version, and the
// server brings it forward on start. New services add a version at the end.

#include <QSqlQuery>
#include <QStringList>

#include "Database.h"
#include "ServerLog.h"
#include "relay/TourStore.h"

namespace zendral::server {
namespace {

QStringList Version1(const Database& db) {
  const QString serial = db.SerialKey();
  return {
      "CREATE TABLE accounts (nick TEXT PRIMARY KEY, pwhash TEXT NOT NULL, city TEXT NOT NULL,"
      " country1 TEXT NOT NULL, country2 TEXT NOT NULL, sex TEXT NOT NULL, email TEXT NOT NULL,"
      " dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL,"
      " balance INTEGER NOT NULL DEFAULT 0, r05 INTEGER NOT NULL DEFAULT 0,"
      " r06 INTEGER NOT NULL DEFAULT 0, profile TEXT NOT NULL DEFAULT '',"
      " created BIGINT NOT NULL)",
      "CREATE TABLE sessions (token TEXT PRIMARY KEY, nick TEXT NOT NULL, expires BIGINT NOT NULL)",
      // The results of this game per account. While a rated game is booked, booked is 1 and
      // kon/rating hold the booking; cycle_open marks a settlement that completed a cycle and
      // may be filed once in table 344 with cycle_score.
      "CREATE TABLE results (nick TEXT PRIMARY KEY, kon INTEGER NOT NULL, best INTEGER NOT NULL,"
      " rating DOUBLE PRECISION NOT NULL, sessions INTEGER NOT NULL, konl INTEGER NOT NULL,"
      " score INTEGER NOT NULL, r1 INTEGER NOT NULL, r2 TEXT NOT NULL,"
      " booked INTEGER NOT NULL DEFAULT 0, cycle_open INTEGER NOT NULL DEFAULT 0,"
      " cycle_score INTEGER NOT NULL DEFAULT 0)",
      "CREATE TABLE world_rows (id " + serial +
          ", gid INTEGER NOT NULL, score INTEGER NOT NULL,"
          " nick TEXT NOT NULL, country TEXT NOT NULL, city TEXT NOT NULL, r07 TEXT NOT NULL,"
          " r08 TEXT NOT NULL, r09 TEXT NOT NULL, r10 TEXT NOT NULL, filed BIGINT NOT NULL)",
      "CREATE INDEX world_rows_rank ON world_rows (gid, score DESC, id)",
      "CREATE INDEX world_rows_owner ON world_rows (gid, nick, city)",
      "CREATE TABLE stats (gid INTEGER PRIMARY KEY, stat1 BIGINT NOT NULL DEFAULT 0,"
      " stat2 BIGINT NOT NULL DEFAULT 0, stat3 BIGINT NOT NULL DEFAULT 0,"
      " stat4 TEXT NOT NULL DEFAULT '', x1 BIGINT NOT NULL DEFAULT 0, x2 BIGINT NOT NULL DEFAULT 0,"
      " x3 BIGINT NOT NULL DEFAULT 0, x4 BIGINT NOT NULL DEFAULT 0, x5 BIGINT NOT NULL DEFAULT 0,"
      " x6 BIGINT NOT NULL DEFAULT 0, x7 BIGINT NOT NULL DEFAULT 0, x8 BIGINT NOT NULL DEFAULT 0,"
      " x9 BIGINT NOT NULL DEFAULT 0, x10 BIGINT NOT NULL DEFAULT 0,"
      " x11 BIGINT NOT NULL DEFAULT 0, x12 BIGINT NOT NULL DEFAULT 0)",
      "CREATE TABLE news (number INTEGER PRIMARY KEY, text TEXT NOT NULL,"
      " published BIGINT NOT NULL)",
      "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
      // Numbers handed out one at a time (the chat's message numbers).
      "CREATE TABLE counters (name TEXT PRIMARY KEY, value BIGINT NOT NULL)",
      "INSERT INTO counters (name, value) VALUES ('chat', 0)",
  };
}

// The members' photos live in the database, so that every server of a club shows them.
QStringList Version3(const Database& db) {
  return {"CREATE TABLE photos (nick TEXT PRIMARY KEY, jpeg " + db.BlobType() +
          " NOT NULL, stored BIGINT NOT NULL)"};
}

// The server deals the rated games it books: the decks of the booked block wait here for its
// settlement, which must replay on them.
QStringList Version4() {
  return {"ALTER TABLE results ADD COLUMN block_decks TEXT NOT NULL DEFAULT ''"};
}

// When the open booking was made: a second booking waits until the first is settled or old.
QStringList Version5(const Database&) {
  return {"ALTER TABLE results ADD COLUMN booked_at BIGINT NOT NULL DEFAULT 0"};
}

// The deal of the day: the day's deck and its par, and each member's one entry of the day
// (started when the deck was handed out, filed when its moves replayed, refused when not).
QStringList Version6() {
  return {
      "CREATE TABLE daily_decks (day TEXT PRIMARY KEY, deck TEXT NOT NULL, par INTEGER NOT NULL,"
      " drawn BIGINT NOT NULL)",
      "CREATE TABLE daily_entries (day TEXT NOT NULL, nick TEXT NOT NULL, country TEXT NOT NULL,"
      " city TEXT NOT NULL, started BIGINT NOT NULL, state INTEGER NOT NULL DEFAULT 0,"
      " score INTEGER NOT NULL DEFAULT 0, moves TEXT NOT NULL DEFAULT '',"
      " filed BIGINT NOT NULL DEFAULT 0, PRIMARY KEY (day, nick))",
      "CREATE INDEX daily_entries_rank ON daily_entries (day, state, score DESC, filed)",
  };
}

}  // namespace

bool Database::Migrate(QString* error) {
  const QList<QStringList> versions = {Version1(*this), relay::TournamentSchema(*this),
                                       Version3(*this), Version4(),
                                       Version5(*this), Version6()};
  Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"));
  if (!Begin()) {
    *error = QStringLiteral("cannot start the schema transaction");
    return false;
  }
  // Two servers starting together over one PostgreSQL: the second waits for the first.
  if (postgres_) Exec(QStringLiteral("LOCK TABLE schema_version IN EXCLUSIVE MODE"));
  int current = 0;
  {
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("SELECT version FROM schema_version"))) {
      Rollback();
      *error = QStringLiteral("cannot read the schema version");
      return false;
    }
    if (q.next()) current = q.value(0).toInt();
  }
  if (current > versions.size()) {
    Rollback();
    *error = QStringLiteral("the database has schema version %1, newer than this server (%2)")
                 .arg(current)
                 .arg(versions.size());
    return false;
  }
  for (int v = current; v < versions.size(); ++v) {
    for (const QString& statement : versions[v]) {
      if (!Exec(statement)) {
        Rollback();
        *error = QStringLiteral("schema version %1 failed").arg(v + 1);
        return false;
      }
    }
  }
  if (current < versions.size()) {
    const QString set = current == 0
                            ? QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)")
                            : QStringLiteral("UPDATE schema_version SET version = %1");
    if (!Exec(set.arg(versions.size()))) {
      Rollback();
      *error = QStringLiteral("cannot record the schema version");
      return false;
    }
  }
  if (!Commit()) {
    *error = QStringLiteral("cannot commit the schema");
    return false;
  }
  return true;
}

}  // namespace zendral::server
