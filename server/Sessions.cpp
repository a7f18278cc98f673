#include "Sessions.h"

#include <QDateTime>

#include "Database.h"
#include "PasswordHash.h"

namespace zendral::server {

std::optional<QByteArray> Sessions::Open(const QString& nick) {
  const QByteArray token = RandomToken();
  const qint64 now = QDateTime::currentSecsSinceEpoch();
  // Old sessions go when new ones come; a club's table stays small.
  db_.Run(QStringLiteral("DELETE FROM sessions WHERE expires < ?"), {now});
  if (db_.Run(QStringLiteral("INSERT INTO sessions (token, nick, expires) VALUES (?, ?, ?)"),
              {QString::fromLatin1(token), nick, now + kSessionSeconds}) == nullptr) {
    return std::nullopt;
  }
  return token;
}

std::optional<QString> Sessions::NickOf(const QByteArray& token) {
  if (token.size() != 64) return std::nullopt;
  QSqlQuery* q = db_.Run(QStringLiteral("SELECT nick, expires FROM sessions WHERE token = ?"),
                         {QString::fromLatin1(token)});
  if (q == nullptr || !q->next()) return std::nullopt;
  const QString nick = q->value(0).toString();
  const qint64 expires = q->value(1).toLongLong();
  q->finish();
  if (expires < QDateTime::currentSecsSinceEpoch()) return std::nullopt;
  return nick;
}

bool Sessions::End(const QByteArray& token) {
  if (token.size() != 64) return true;
  return db_.Run(QStringLiteral("DELETE FROM sessions WHERE token = ?"),
                 {QString::fromLatin1(token)}) != nullptr;
}

QByteArray SessionCookie(const QByteArray& token, bool secure) {
  return "zsid=" + token + "; Path=/; HttpOnly; SameSite=Lax" +
         (secure ? QByteArray("; Secure") : QByteArray());
}

QByteArray EndedSessionCookie(bool secure) {
  return "zsid=; Path=/; Max-Age=0; HttpOnly; SameSite=Lax" +
         (secure ? QByteArray("; Secure") : QByteArray());
}

QByteArray SessionTokenFromCookie(const QByteArray& cookieHeader) {
  for (const QByteArray& part : cookieHeader.split(';')) {
    const QByteArray p = part.trimmed();
    if (p.startsWith("zsid=")) {
      const QByteArray token = p.mid(5);
      for (const char c : token) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return {};
      }
      return token;
    }
  }
  return {};
}

}  // namespace zendral::server

// ServerContext's checks live beside the sessions they read.
#include "ServerContext.h"

namespace zendral::server {

std::optional<QString> ServerContext::SessionNick(const ServiceRequest& request) {
  if (request.sessionToken.isEmpty()) return std::nullopt;
  return sessions.NickOf(request.sessionToken);
}

bool ServerContext::Authorized(const ServiceRequest& request, const QString& nick) {
  if (nick.isEmpty()) return false;
  if (const auto sessionNick = SessionNick(request); sessionNick && *sessionNick == nick) {
    return true;
  }
  // The password was checked on a worker before the request came here; nothing hashes on the
  // server's own thread.
  return request.passwordNick == nick;
}

}  // namespace zendral::server
