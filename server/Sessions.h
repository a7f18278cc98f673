#pragma once
// Log-in sessions: a log-in hands the program a cookie "zsid=<token>", which its client keeps
// for the whole run; later requests of that nick are accepted in the session instead of with
// the password. Sessions live in the database, so any server of a club knows them.

#include <QByteArray>
#include <QString>

#include <optional>

namespace zendral::server {

class Database;

inline constexpr qint64 kSessionSeconds = 7 * 24 * 3600;

class Sessions {
 public:
  explicit Sessions(Database& db) : db_(db) {}
  // A new session for the nick; its token, or nothing on a database error.
  std::optional<QByteArray> Open(const QString& nick);
  // The nick of a live session.
  std::optional<QString> NickOf(const QByteArray& token);
  // Ends the session (a sign-out); false on a database error.
  bool End(const QByteArray& token);

 private:
  Database& db_;
};

// The Set-Cookie value for a session token: never readable by scripts, not sent along by
// other sites' pages, and over https only when the player reached the club over https.
QByteArray SessionCookie(const QByteArray& token, bool secure);
// The Set-Cookie value that makes the program forget its session.
QByteArray EndedSessionCookie(bool secure);
// The zsid token in a Cookie header value, if any.
QByteArray SessionTokenFromCookie(const QByteArray& cookieHeader);

}  // namespace zendral::server
