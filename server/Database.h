#pragma once
// The server's one database connection, SQLite (the default, a file in the data folder) or
// PostgreSQL (several servers of one club over one database), with the same schema. Every
// statement is prepared once and reused; values only ever go in as bound parameters.

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <memory>
#include <optional>

namespace zendral::server {

class Database {
 public:
  // url: "sqlite:" + file path, or "postgresql://USER@HOST:PORT/DB" (a password may follow the
  // user after ":"). Empty on failure, with the reason in error.
  static std::unique_ptr<Database> Open(const QString& url, QString* error);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  bool IsPostgres() const { return postgres_; }
  QString Describe() const { return describe_; }
  QString SqliteFile() const { return sqliteFile_; }

  // Runs a prepared statement with its parameters; nothing on a database error (logged).
  // The query is positioned before its first row.
  QSqlQuery* Run(const QString& sql, std::initializer_list<QVariant> params = {});
  // Runs a statement once without preparing it (schema changes, transaction control).
  bool Exec(const QString& sql);

  // A write transaction: SQLite takes the write lock at once (BEGIN IMMEDIATE) so that two
  // servers over one file never both read and then write; PostgreSQL locks the rows it reads
  // with ForUpdate().
  bool Begin();
  bool Commit();
  void Rollback();
  QString ForUpdate() const { return postgres_ ? QStringLiteral(" FOR UPDATE") : QString(); }
  // The column type of a generated row id.
  QString SerialKey() const;
  // The column type of bytes kept as they are.
  QString BlobType() const { return postgres_ ? QStringLiteral("BYTEA") : QStringLiteral("BLOB"); }

  // The schema, created or brought to the newest version.
  bool Migrate(QString* error);

 private:
  Database() = default;
  // After a failed statement outside a transaction: when the connection itself is gone (a
  // restarted PostgreSQL), opens it again; true when the statement may be tried once more.
  bool Reconnected();
  QString connection_;
  bool inTransaction_ = false;
  QSqlDatabase db_;
  bool postgres_ = false;
  QString describe_;
  QString sqliteFile_;
  QHash<QString, QSqlQuery*> prepared_;
};

// One transaction, rolled back unless committed.
class Transaction {
 public:
  explicit Transaction(Database& db) : db_(db), open_(db.Begin()) {}
  ~Transaction() {
    if (open_) db_.Rollback();
  }
  bool Ok() const { return open_; }
  bool Commit() {
    if (!open_) return false;
    open_ = false;
    return db_.Commit();
  }

 private:
  Database& db_;
  bool open_;
};

}  // namespace zendral::server
