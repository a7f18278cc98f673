#include "Database.h"

#include <QSqlError>
#include <QUrl>

#include <atomic>

#include "ServerLog.h"

namespace zendral::server {

std::unique_ptr<Database> Database::Open(const QString& url, QString* error) {
  static std::atomic<int> counter{0};
  std::unique_ptr<Database> d(new Database);
  d->connection_ = QStringLiteral("zendral-%1").arg(++counter);
  if (url.startsWith(QLatin1String("sqlite:"))) {
    d->sqliteFile_ = url.mid(7);
    if (d->sqliteFile_.isEmpty()) {
      *error = QStringLiteral("no SQLite file given");
      return nullptr;
    }
    d->db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connection_);
    d->db_.setDatabaseName(d->sqliteFile_);
    // Several processes (a server and the admin command) share the file: wait for the lock.
    d->db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    d->describe_ = QStringLiteral("sqlite:") + d->sqliteFile_;
  } else if (url.startsWith(QLatin1String("postgresql://")) ||
             url.startsWith(QLatin1String("postgres://"))) {
    const QUrl u(url);
    if (!u.isValid() || u.host().isEmpty() || u.path().size() < 2) {
      *error = QStringLiteral("a PostgreSQL address reads postgresql://USER@HOST:PORT/DB");
      return nullptr;
    }
    d->postgres_ = true;
    d->db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), d->connection_);
    d->db_.setHostName(u.host());
    d->db_.setPort(u.port(5432));
    d->db_.setDatabaseName(u.path().mid(1));
    d->db_.setUserName(u.userName());
    if (!u.password().isEmpty()) d->db_.setPassword(u.password());
    d->describe_ = QStringLiteral("postgresql://%1@%2:%3/%4")
                       .arg(u.userName(), u.host())
                       .arg(u.port(5432))
                       .arg(u.path().mid(1));
  } else {
    *error = QStringLiteral("unknown database address (sqlite:FILE or postgresql://...)");
    return nullptr;
  }
  if (!d->db_.isValid()) {
    *error = QStringLiteral("the Qt SQL driver for %1 is missing").arg(d->describe_);
    return nullptr;
  }
  if (!d->db_.open()) {
    *error = QStringLiteral("cannot open %1: %2").arg(d->describe_, d->db_.lastError().text());
    return nullptr;
  }
  if (!d->postgres_) {
    // A journal that lets readers go on while one writer writes, and a safe copy while running.
    d->Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    d->Exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    d->Exec(QStringLiteral("PRAGMA foreign_keys=ON"));
  }
  return d;
}

Database::~Database() {
  qDeleteAll(prepared_);
  prepared_.clear();
  db_.close();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connection_);
}

bool Database::Reconnected() {
  if (inTransaction_) return false;
  {
    QSqlQuery probe(db_);
    if (probe.exec(QStringLiteral("SELECT 1"))) return false;  // the statement itself failed
  }
  LogError(
      QStringLiteral("database: the connection to %1 was lost; opening it again").arg(describe_));
  qDeleteAll(prepared_);
  prepared_.clear();
  db_.close();
  if (!db_.open()) {
    LogError(QStringLiteral("database: cannot open %1: %2").arg(describe_, db_.lastError().text()));
    return false;
  }
  return true;
}

QSqlQuery* Database::Run(const QString& sql, std::initializer_list<QVariant> params) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    QSqlQuery*& query = prepared_[sql];
    if (query == nullptr) {
      query = new QSqlQuery(db_);
      query->setForwardOnly(true);
      if (!query->prepare(sql)) {
        const QString error = query->lastError().text();
        delete query;
        prepared_.remove(sql);
        if (attempt == 0 && Reconnected()) continue;
        LogError(QStringLiteral("database: cannot prepare \"%1\": %2").arg(sql, error));
        return nullptr;
      }
    }
    query->finish();
    int i = 0;
    for (const QVariant& p : params) query->bindValue(i++, p);
    if (query->exec()) return query;
    const QString error = query->lastError().text();
    if (attempt == 0 && Reconnected()) continue;
    LogError(QStringLiteral("database: %1").arg(error));
    return nullptr;
  }
  return nullptr;
}

bool Database::Exec(const QString& sql) {
  QSqlQuery q(db_);
  if (!q.exec(sql)) {
    LogError(QStringLiteral("database: \"%1\": %2").arg(sql, q.lastError().text()));
    return false;
  }
  return true;
}

bool Database::Begin() {
  for (QSqlQuery* q : std::as_const(prepared_)) q->finish();
  const QString begin = postgres_ ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
  if (!Exec(begin) && !(Reconnected() && Exec(begin))) return false;
  inTransaction_ = true;
  return true;
}

bool Database::Commit() {
  for (QSqlQuery* q : std::as_const(prepared_)) q->finish();
  inTransaction_ = false;
  if (Exec(QStringLiteral("COMMIT"))) return true;
  Rollback();
  return false;
}

void Database::Rollback() {
  for (QSqlQuery* q : std::as_const(prepared_)) q->finish();
  inTransaction_ = false;
  QSqlQuery q(db_);
  q.exec(QStringLiteral("ROLLBACK"));
}

QString Database::SerialKey() const {
  return postgres_ ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                   : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
}

}  // namespace zendral::server
